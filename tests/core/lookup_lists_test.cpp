#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "test_support.h"
#include "world/lookup_lists.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "world/format_settings.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;
using tarnwick::test::write_bytes;

namespace lookup_lists_test {

using Lines = std::vector<std::string>;

const char* const kListFiles[] = {"sectortype.txt", "roomflags.txt",   "mobaffects.txt",
                                  "mobactions.txt", "mobpos.txt",      "especs.txt",
                                  "itemeffects.txt", "itemwear.txt",   "itemaff.txt"};

// Writes all nine list files into `dir`, each holding one line that names it.
void write_all(const TempDir& dir) {
    for (const char* name : kListFiles) write_bytes(dir.file(name), std::string(name) + "\n");
}

// Runs the test body from another working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~WorkingDirectory() { std::filesystem::current_path(saved_); }

private:
    std::filesystem::path saved_;
};


TEST(LookupLists, LinesSplitAtCrLfOrCrLf) {
    EXPECT_EQ(split_list_lines(""), Lines{});
    EXPECT_EQ(split_list_lines("a"), Lines{"a"});
    EXPECT_EQ(split_list_lines("a\n"), Lines{"a"});
    EXPECT_EQ(split_list_lines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(split_list_lines("a\r\n"), Lines{"a"});
    EXPECT_EQ(split_list_lines("a\n\r"), (Lines{"a", ""}));  // LF then a lone CR: two breaks
    EXPECT_EQ(split_list_lines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(split_list_lines(" x \r\n\r\ny\t"), (Lines{" x ", "", "y\t"}));
}

TEST(LookupLists, AllNineFilesFillTheirLists) {
    TempDir dir;
    write_all(dir);
    write_bytes(dir.file("mobpos.txt"), "DEAD\r\nSTANDING");
    LookupLists lists;
    lists.especs = {"left over"};
    MessageRecorder m;
    EXPECT_TRUE(load_lookup_lists(lists, {dir.path().string()}, m));
    EXPECT_TRUE(m.entries.empty());
    EXPECT_EQ(lists.sector_types, Lines{"sectortype.txt"});
    EXPECT_EQ(lists.room_flags, Lines{"roomflags.txt"});
    EXPECT_EQ(lists.mob_affects, Lines{"mobaffects.txt"});
    EXPECT_EQ(lists.mob_actions, Lines{"mobactions.txt"});
    EXPECT_EQ(lists.load_positions, (Lines{"DEAD", "STANDING"}));
    EXPECT_EQ(lists.default_positions, (Lines{"DEAD", "STANDING"}));
    EXPECT_EQ(lists.especs, Lines{"especs.txt"});
    EXPECT_EQ(lists.item_effects, Lines{"itemeffects.txt"});
    EXPECT_EQ(lists.item_wear, Lines{"itemwear.txt"});
    EXPECT_EQ(lists.item_affects, Lines{"itemaff.txt"});
}

TEST(LookupLists, MissingFileStopsTheRestWithItsBareName) {
    TempDir dir;
    write_all(dir);
    std::filesystem::remove(dir.file("roomflags.txt"));
    LookupLists lists;
    lists.item_affects = {"old"};
    MessageRecorder m;
    EXPECT_FALSE(load_lookup_lists(lists, {"", dir.path().string()}, m));
    ASSERT_EQ(m.entries.size(), 1u);
    EXPECT_EQ(m.entries[0].kind, "show");
    EXPECT_EQ(m.entries[0].text, "Cannot open file roomflags.txt");
    EXPECT_EQ(lists.sector_types, Lines{"sectortype.txt"});
    EXPECT_TRUE(lists.room_flags.empty());
    EXPECT_TRUE(lists.mob_affects.empty());
    EXPECT_TRUE(lists.load_positions.empty());
    EXPECT_TRUE(lists.item_affects.empty());
}

TEST(LookupLists, WorkingDirectoryComesBeforeTheDataFolder) {
    TempDir cwd, data;
    write_all(data);
    write_bytes(cwd.file("mobpos.txt"), "HERE\n");
    std::filesystem::create_directory(cwd.file("especs.txt"));  // not a file: looked past
    WorkingDirectory in(cwd.path());
    LookupLists lists;
    MessageRecorder m;
    EXPECT_TRUE(load_lookup_lists(lists, {"", data.path().string()}, m));
    EXPECT_EQ(lists.load_positions, Lines{"HERE"});
    EXPECT_EQ(lists.sector_types, Lines{"sectortype.txt"});
    EXPECT_EQ(lists.especs, Lines{"especs.txt"});

    // Without the data folder only the working directory is searched.
    EXPECT_FALSE(load_lookup_lists(lists, {""}, m));
    EXPECT_EQ(m.texts().back(), "Cannot open file sectortype.txt");
}

TEST(LookupLists, ShippedFilesLoadFromAnyDirectory) {
    TempDir elsewhere;
    WorkingDirectory in(elsewhere.path());
    LookupLists lists;
    MessageRecorder m;
    ASSERT_TRUE(load_lookup_lists(lists, default_list_folders(), m)) << m.texts().front();
    EXPECT_EQ(lists.sector_types.size(), 10u);
    EXPECT_EQ(lists.room_flags.size(), 16u);
    EXPECT_EQ(lists.mob_affects.size(), 22u);
    EXPECT_EQ(lists.mob_actions.size(), 18u);
    EXPECT_EQ(lists.load_positions.size(), 9u);
    EXPECT_EQ(lists.default_positions, lists.load_positions);
    EXPECT_EQ(lists.especs.size(), 8u);
    EXPECT_EQ(lists.item_effects.size(), 17u);
    EXPECT_EQ(lists.item_wear.size(), 15u);
    EXPECT_EQ(lists.item_affects.size(), 25u);
    // Spot checks of the server's numbering.
    EXPECT_EQ(lists.load_positions[8], "POS_STANDING");
    EXPECT_EQ(lists.sector_types[7], "SECT_WATER_NOSWIM");
    EXPECT_EQ(lists.room_flags[3], "ROOM_INDOORS");
    EXPECT_EQ(lists.mob_actions[5], "MOB_AGGRESSIVE");
    EXPECT_EQ(lists.mob_affects[21], "AFF_CHARM");
    EXPECT_EQ(lists.item_wear[13], "ITEM_WEAR_WIELD");
    EXPECT_EQ(lists.item_affects[17], "APPLY_AC");
    EXPECT_EQ(lists.especs[0], "BareHandAttack");
    for (const auto& list : {lists.sector_types, lists.room_flags, lists.item_effects})
        for (const auto& entry : list) EXPECT_EQ(entry.find_first_of(" \t\r"), std::string::npos);
}

TEST(LookupLists, FlagEntryIStandsForBitIModulo32) {
    EXPECT_EQ(flag_bit(0), 1u);
    EXPECT_EQ(flag_bit(31), 0x80000000u);
    EXPECT_EQ(flag_bit(32), 1u);
    EXPECT_EQ(flag_checks(3, 0b101), (std::vector<bool>{true, false, true}));
    // A 33rd entry shows bit 0 together with the first.
    auto checks = flag_checks(33, 1);
    EXPECT_TRUE(checks[0] && checks[32]);
    // Bits without an entry are lost when the checks are taken back.
    EXPECT_EQ(flags_from_checks(flag_checks(20, -1)), (1 << 20) - 1);
    std::vector<bool> only_33rd(33);
    only_33rd[32] = true;
    EXPECT_EQ(flags_from_checks(only_33rd), 1);
    EXPECT_EQ(flags_from_checks(flag_checks(32, INT32_MIN)), INT32_MIN);
    // Keeping the bits a short list cannot show.
    EXPECT_EQ(flags_from_checks({false, true}, 0b11101), 0b11110);
    EXPECT_EQ(flags_from_checks({}, -1), -1);
}

// The stock world uses only numbers and bits that the shipped lists name.
TEST(LookupLists, ShippedListsCoverTheStockWorld) {
    const auto world_dir = tarnwick::test::corpus_dir() / "circle30";
    if (!std::filesystem::is_directory(world_dir)) GTEST_SKIP() << "no corpus at " << world_dir;
    LookupLists lists;
    SilentMessages quiet;
    ASSERT_TRUE(load_lookup_lists(lists, {lookup_data_dir()}, quiet));
    auto named = [](const Lines& list) {
        return flags_from_checks(std::vector<bool>(list.size(), true));
    };
    auto files = [&world_dir](const char* kind) {
        std::vector<std::string> out;
        for (const auto& f : std::filesystem::directory_iterator(world_dir / kind))
            out.push_back(f.path().string());
        return out;
    };
    const FormatSettings settings;
    int records = 0, especs_seen = 0;
    for (const auto& file : files("wld")) {
        World w;
        ASSERT_TRUE(load_room_file(w, file, settings, quiet)) << file;
        for (const auto& r : w.rooms) {
            SCOPED_TRACE("room #" + std::to_string(r.vnum));
            EXPECT_TRUE(r.sector >= 0 && size_t(r.sector) < lists.sector_types.size());
            EXPECT_EQ(r.flags & ~named(lists.room_flags), 0);
            ++records;
        }
    }
    for (const auto& file : files("mob")) {
        World w;
        ASSERT_TRUE(load_mob_file(w, file, settings, quiet)) << file;
        for (const auto& m : w.mobs) {
            SCOPED_TRACE("mob #" + std::to_string(m.vnum));
            EXPECT_EQ(m.action_flags & ~named(lists.mob_actions), 0);
            EXPECT_EQ(m.affect_flags & ~named(lists.mob_affects), 0);
            EXPECT_TRUE(m.load_pos >= 0 && size_t(m.load_pos) < lists.load_positions.size());
            EXPECT_TRUE(m.default_pos >= 0 &&
                        size_t(m.default_pos) < lists.default_positions.size());
            especs_seen += int(m.especs.size());
            for (const auto& e : m.especs)
                EXPECT_NE(std::find(lists.especs.begin(), lists.especs.end(), e.keywords),
                          lists.especs.end())
                    << e.keywords;
            ++records;
        }
    }
    for (const auto& file : files("obj")) {
        World w;
        ASSERT_TRUE(load_object_file(w, file, settings, quiet)) << file;
        for (const auto& o : w.objects) {
            SCOPED_TRACE("object #" + std::to_string(o.vnum));
            EXPECT_EQ(o.extra_flags & ~named(lists.item_effects), 0);
            // Two stock torches carry bit 16, which no server wear position has.
            EXPECT_EQ(o.wear_flags & ~named(lists.item_wear) & ~(1 << 16), 0);
            for (const auto& a : o.affects)
                EXPECT_LT(size_t(std::max(a.location, 0)), lists.item_affects.size());
            ++records;
        }
    }
    EXPECT_GT(records, 1000);
    EXPECT_GT(especs_seen, 0);
}
}  // namespace lookup_lists_test
