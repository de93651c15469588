// Each dialect's lookup lists: read from its own folder of the list folder,
// tbaMUD's flag entries naming bits of four words, and the editors showing
// the set and object types of the open zone's dialect.
#include <gtest/gtest.h>

#include <filesystem>

#include "editors/mob_editor.h"
#include "editors/object_editor.h"
#include "editors/room_editor.h"
#include "project/preferences.h"
#include "test_support.h"
#include "world/dialect_lists.h"
#include "world/flag_layout.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;
using tarnwick::test::write_bytes;
using Lines = std::vector<std::string>;

namespace dialect_lists_test {

constexpr Dialect kDialects[] = {Dialect::Circle30, Dialect::Circle31, Dialect::TbaMud};

// Writes every dialect's files, each holding one line "<folder>/<name>".
void write_sets(const TempDir& dir) {
    for (Dialect d : kDialects) {
        const std::string sub(list_subfolder(d));
        std::filesystem::create_directories(dir.path() / sub);
        for (const auto& name : list_file_names(d))
            write_bytes((dir.path() / sub / name).string(), sub + "/" + name + "\n");
    }
}


TEST(DialectLists, FlagEntriesNameTheDialectsBits) {
    const FlagWords bit0{1, 0, 0, 0}, word1_bit0{0, 1, 0, 0};
    const struct {
        Dialect dialect;
        size_t count;
        FlagWords flags;
        std::vector<size_t> checked;  // the entries shown checked
    } cases[] = {
        // CircleMUD: entry 32 names bit 0 again; later words are not its.
        {Dialect::Circle30, 33, bit0, {0, 32}},
        {Dialect::Circle31, 33, word1_bit0, {}},
        // tbaMUD: entry 32 is bit 0 of the second word, entry 127 the last bit.
        {Dialect::TbaMud, 33, bit0, {0}},
        {Dialect::TbaMud, 33, word1_bit0, {32}},
        {Dialect::TbaMud, 129, {0, 0, 0, 0x80000000u}, {127}},
    };
    for (const auto& c : cases) {
        std::vector<bool> expected(c.count);
        for (size_t i : c.checked) expected[i] = true;
        const auto checks = flag_checks(c.count, c.flags, c.dialect);
        EXPECT_EQ(checks, expected) << dialect_key(c.dialect) << " " << c.count;
        // Taken back, the checks give the flags again, in the words the dialect holds.
        FlagWords back = c.flags;
        for (size_t w = flag_word_count(c.dialect); w < back.size(); ++w) back[w] = 0;
        EXPECT_EQ(flags_from_checks(checks, c.dialect), back) << dialect_key(c.dialect);
    }
    // An entry past bit 127 names nothing: checking it sets no bit.
    std::vector<bool> past(129);
    past[128] = true;
    EXPECT_EQ(flags_from_checks(past, Dialect::TbaMud), FlagWords{});
    // Bits no entry names are kept from the record when asked; named ones follow the checks.
    EXPECT_EQ(flags_from_checks({false, true}, Dialect::TbaMud, {0b111, 5, 0, 7}),
              (FlagWords{0b110, 5, 0, 7}));
    // CircleMUD's one word behaves as the 3.0 functions always did.
    for (int32_t flags : {0, 1, -1, INT32_MIN, 0x12345678})
        for (size_t count : {0u, 3u, 32u, 40u}) {
            EXPECT_EQ(flag_checks(count, flags, Dialect::Circle30), flag_checks(count, flags));
            const auto checks = flag_checks(count, flags ^ 0x5555, Dialect::Circle30);
            EXPECT_EQ(flags_from_checks(checks, Dialect::Circle30, flags),
                      flags_from_checks(checks, flags));
        }
    // A record field of one word never shows or sets a bit of tbaMUD's later words.
    EXPECT_EQ(flag_checks(33, 1, Dialect::TbaMud)[32], false);
    EXPECT_EQ(flags_from_checks(std::vector<bool>(33, true), Dialect::TbaMud, 0), -1);
}

TEST(DialectLists, EachSetIsReadFromItsOwnFolder) {
    TempDir dir;
    write_sets(dir);
    DialectLists sets;
    MessageRecorder m;
    ASSERT_TRUE(load_dialect_lists(sets, {dir.path().string()}, m));
    EXPECT_TRUE(m.entries.empty());
    EXPECT_EQ(sets.circle30.room_flags, Lines{"/roomflags.txt"});
    EXPECT_EQ(sets.circle31.mob_actions, Lines{"circle31/mobactions.txt"});
    EXPECT_EQ(sets.tbamud.default_positions, Lines{"tbamud/mobpos.txt"});
    EXPECT_EQ(sets.tbamud.zone_flags, Lines{"tbamud/zoneflags.txt"});
    // No other dialect has zone flags, even where a file is there.
    write_bytes(dir.file("zoneflags.txt"), "X\n");
    ASSERT_TRUE(load_dialect_lists(sets, {dir.path().string()}, m));
    EXPECT_TRUE(sets.circle30.zone_flags.empty());
    EXPECT_TRUE(sets.circle31.zone_flags.empty());

    // A set missing a file says which folder lacks it; the other sets load.
    std::filesystem::remove(dir.path() / "tbamud" / "itemwear.txt");
    EXPECT_FALSE(load_dialect_lists(sets, {"", dir.path().string()}, m));
    EXPECT_EQ(m.texts(), Lines{"Cannot open file tbamud/itemwear.txt"});
    EXPECT_EQ(sets.circle31.item_wear, Lines{"circle31/itemwear.txt"});
    EXPECT_EQ(sets.tbamud.item_effects, Lines{"tbamud/itemeffects.txt"});
    EXPECT_TRUE(sets.tbamud.item_wear.empty());
    EXPECT_TRUE(sets.tbamud.zone_flags.empty());

    // Each choice shows its dialect's set, or one set for all.
    const ListsByDialect each(sets), one(sets.circle31);
    for (Dialect d : kDialects) {
        EXPECT_EQ(&each.of(d), &sets.of(d));
        EXPECT_EQ(&one.of(d), &sets.circle31);
    }
}

TEST(DialectLists, ShippedSetsNameTheirServersBits) {
    DialectLists sets;
    MessageRecorder m;
    ASSERT_TRUE(load_dialect_lists(sets, {lookup_data_dir()}, m)) << m.texts().front();
    // tbaMUD leaves affect bit 0 unused: every CircleMUD affect moves up one.
    ASSERT_EQ(sets.tbamud.mob_affects.size(), 23u);
    for (size_t i = 0; i < sets.circle30.mob_affects.size(); ++i) {
        const std::string& name = sets.circle30.mob_affects[i];
        if (name.find("UNUSED") == std::string::npos && name != "AFF_GROUP") {
            EXPECT_EQ(sets.tbamud.mob_affects[i + 1], name);
        }
    }
    EXPECT_EQ(sets.tbamud.zone_flags.front(), "ZONE_CLOSED");
    EXPECT_EQ(sets.tbamud.especs.back(), "SavingSpell");
    EXPECT_EQ(sets.circle31.mob_actions.back(), "MOB_NOTDEADYET");
    EXPECT_EQ(sets.circle31.room_flags, sets.circle30.room_flags);
}

TEST(DialectLists, EditorsShowTheOpenZonesSetAndTypes) {
    DialectLists sets;
    sets.circle30.room_flags = {"DARK", "DEATH"};
    sets.tbamud.room_flags = {"DARK", "DEATH", "NOMOB"};
    sets.circle30.mob_affects = {"BLIND", "INVISIBLE"};
    sets.tbamud.mob_affects = {"DONTUSE", "BLIND", "INVISIBLE"};
    World world;
    world.rooms.resize(1);
    world.rooms[0].flags = 0b101;
    world.mobs.resize(1);
    world.mobs[0].affect_flags = 0b10;
    world.objects.resize(1);
    world.objects[0].type = 6;
    MessageRecorder messages;
    Preferences prefs;
    RoomEditor rooms(world, sets, messages);
    MobEditor mobs(world, sets, messages);
    ObjectEditor objects(world, sets, prefs, messages);

    const struct {
        Dialect dialect;
        std::vector<bool> room_flags, mob_affects;
        const char* type_title;
    } cases[] = {
        {Dialect::Circle30, {true, false}, {false, true}, "Fireweapon (Unimplemented)"},
        {Dialect::TbaMud, {true, false, true}, {false, true, false}, "Furniture"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(dialect_key(c.dialect)));
        world.dialect = c.dialect;
        rooms.show_room(0);
        mobs.show_mob(0);
        mobs.lists_changed();
        objects.show_object(0);
        EXPECT_EQ(rooms.form.flags, c.room_flags);
        EXPECT_EQ(mobs.fields.affects, c.mob_affects);
        ASSERT_FALSE(objects.fields.quick_info.empty());
        EXPECT_EQ(objects.fields.quick_info[0],
                  std::string("Values for Object type ") + c.type_title);
        EXPECT_EQ(object_type_info(6, c.dialect)->title, std::string(c.type_title));
        // Applying keeps what the dialect's list shows.
        rooms.apply();
        EXPECT_EQ(world.rooms[0].flags, c.dialect == Dialect::TbaMud ? 0b101 : 0b001);
        world.rooms[0].flags = 0b101;
    }
}
}  // namespace dialect_lists_test
