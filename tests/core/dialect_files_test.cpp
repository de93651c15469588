// The CircleMUD 3.1 and tbaMUD layouts: each file kind read into the World's
// superset and written anew in the layout its server's own writer uses, and
// every real file of both corpora read whole, kept byte for byte when
// untouched, and read back to the same values when written anew.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "formats/dialect_sniff.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::corpus_dir;
using tarnwick::test::read_bytes;
namespace fs = std::filesystem;

namespace dialect_files_test {

// One file kind's reading and writing, over text.
struct Kind {
    const char* ext;
    std::function<bool(World&, const std::string&, Messages&)> read;
    std::function<std::string(const World&, const FormatSettings&)> write;
    // The table's values, for comparing two reads.
    std::function<bool(const World&, const World&)> same;
};

bool same_commands(const World& a, const World& b) {
    if (a.zone.commands.size() != b.zone.commands.size()) return false;
    auto j = b.zone.commands.begin();
    for (const zCommand& c : a.zone.commands)
        if (!c.same_command(*j++)) return false;
    return zone_head_values(a.zone) == zone_head_values(b.zone);
}

const Kind kKinds[] = {
    {"wld", [](World& w, const std::string& t, Messages& m) { return read_rooms(w, t, {}, m); },
     room_file_text, [](const World& a, const World& b) { return a.rooms == b.rooms; }},
    {"mob", [](World& w, const std::string& t, Messages& m) { return read_mobs(w, t, {}, m); },
     mob_file_text, [](const World& a, const World& b) { return a.mobs == b.mobs; }},
    {"obj", [](World& w, const std::string& t, Messages& m) { return read_objects(w, t, {}, m); },
     [](const World& w, const FormatSettings& s) {
         MessageRecorder quiet;
         return object_file_text(w, s, quiet);
     },
     [](const World& a, const World& b) { return a.objects == b.objects; }},
    {"zon", read_zone, zone_file_text, same_commands},
    {"shp", read_shops,
     [](const World& w, const FormatSettings& s) { return shop_file_output(w, s).bytes; },
     [](const World& a, const World& b) { return a.shops == b.shops; }},
    {"trg", read_triggers,
     [](const World& w, const FormatSettings& s) { return trigger_file_output(w, s).bytes; },
     [](const World& a, const World& b) { return a.triggers == b.triggers; }},
};

const Kind& kind(const std::string& ext) {
    for (const Kind& k : kKinds)
        if (ext == k.ext) return k;
    throw std::runtime_error("no kind " + ext);
}

FormatSettings house() {
    FormatSettings s;
    s.house_style = true;
    return s;
}

// tbaMUD files in its writer's own layout: written anew, each comes out as
// it went in (or as `anew` when set), with every field of the superset read;
// saved untouched, each keeps its bytes.
struct LayoutCase {
    const char* ext;
    Dialect dialect;
    const char* text;
    std::function<void(const World&)> check;
    const char* anew = nullptr;
};

const LayoutCase kLayouts[] = {
    {"wld", Dialect::TbaMud,
     "#3000\nThe Reading Room~\n   A room with a ~ inside\nits text.\n~\n30 156 0 0 8 0\n"
     "D1\nThe Temple.\n~\ndoor~\n3 -1 3001\nS\nT 3010\nT 3011\n$~\n",
     [](const World& w) {
         const room_data& r = w.rooms.at(0);
         EXPECT_EQ(r.description, "   A room with a ~ inside\nits text.\n");
         EXPECT_EQ(r.flags, 156);
         EXPECT_EQ(r.flags_more, (MoreFlags{0, 0, 8}));
         EXPECT_EQ(r.exits[East]->door, 3);
         EXPECT_EQ(r.triggers, (TriggerList{3010, 3011}));
     }},
    // The diagonals D6 to D9, in any order in the file; written anew in
    // direction order, as genwld.c writes them.
    {"wld", Dialect::TbaMud,
     "#3000\nCrossing~\nRoads meet.\n~\n30 0 0 0 0 1\nD9\nA gate.\n~\ngate~\n1 3005 3003\n"
     "D0\n~\n~\n0 -1 3001\nD6\n~\n~\n0 -1 3002\nS\n$~\n",
     [](const World& w) {
         const room_data& r = w.rooms.at(0);
         ASSERT_TRUE(r.exits[Southwest] && r.exits[Northwest] && r.exits[North]);
         EXPECT_EQ(*r.exits[Southwest], (room_direction_data{"A gate.\n", "gate", 1, 3005, 3003}));
         EXPECT_EQ(r.exits[Northwest]->target_vnum, 3002);
         EXPECT_FALSE(r.exits[Northeast] || r.exits[Southeast] || r.exits[East]);
     },
     "#3000\nCrossing~\nRoads meet.\n~\n30 0 0 0 0 1\nD0\n~\n~\n0 -1 3001\nD6\n~\n~\n0 -1 3002\n"
     "D9\nA gate.\n~\ngate~\n1 3005 3003\nS\n$~\n"},
    {"mob", Dialect::TbaMud,
     "#3000\nwizard~\nthe wizard~\nA wizard walks around.\n~\nHe looks old.\n~\n"
     "26635 0 0 0 16 0 0 4 900 E\n33 9 -9 6d6+330 5d5+5\n330 108900\n8 8 1\nSavingPara: 5\nE\n"
     "T 3012\n$\n",
     [](const World& w) {
         const char_data& m = w.mobs.at(0);
         EXPECT_EQ(m.action_flags, 26635);
         EXPECT_EQ(m.affect_flags, 16);
         EXPECT_EQ(m.affect_more, (MoreFlags{0, 0, 4}));
         EXPECT_EQ(m.align, 900);
         EXPECT_EQ(m.especs.at(0).keywords, "SavingPara");
         EXPECT_EQ(m.triggers, (TriggerList{3012}));
     }},
    {"obj", Dialect::TbaMud,
     "#3000\nbarrel beer~\na barrel~\nA beer barrel has been left here.~\n~\n"
     "17 b 0 0 0 ao 0 0 c d 0 0 e\n50 50 1 0\n50 300 100 5 7\nT 3013\nE\nbarrel~\nA barrel.\n~\n"
     "A\n2 1\n$~\n",
     [](const World& w) {
         const obj_record& o = w.objects.at(0);
         EXPECT_EQ(o.extra_flags, 2);
         EXPECT_EQ(o.wear_flags, 1 | 1 << 14);
         EXPECT_EQ(o.wear_more, (MoreFlags{0, 0, 4}));
         EXPECT_EQ(o.affect_flags, (std::array<int32_t, 4>{8, 0, 0, 16}));
         EXPECT_EQ(o.level, 5);
         EXPECT_EQ(o.timer, 7);
         EXPECT_EQ(o.triggers, (TriggerList{3013}));
     }},
    {"zon", Dialect::TbaMud,
     "#30\nDikuMUD~\nNorthern Midgaard~\n3000 3099 15 2 d 0 0 0 1 33\nM 0 3011 1 3000 \t()\n"
     "G 1 3006 99 -1 \t()\nT 0 2 3010 3000 \t()\nV 0 2 0 3000 visits 0 and more\n"
     "R 0 3000 3006 -1 \t()\nS\n$\n",
     [](const World& w) {
         EXPECT_EQ(w.zone.builders, "DikuMUD");
         EXPECT_EQ(w.zone.name, "Northern Midgaard");
         EXPECT_EQ(w.zone.bot, 3000);
         EXPECT_EQ(w.zone.top, 3099);
         EXPECT_EQ(w.zone.flags[0], 8);
         EXPECT_EQ(w.zone.max_level, 33);
         const zCommand& v = *std::next(w.zone.commands.begin(), 3);
         EXPECT_EQ(v.command, 'V');
         EXPECT_EQ(v.var_name, "visits");
         EXPECT_EQ(v.var_value, "0 and more");
         EXPECT_EQ(std::next(w.zone.commands.begin(), 2)->arg2, 3010);
     }},
    // 3.1 keeps the house banner of 3.0; its server counts the S line.
    {"zon", Dialect::Circle31,
     "*********************************************************************************\n"
     "*** Zone : \n*** Author : \n"
     "*** Zone formatted by Tarnwick - mailto:builders@tarnwick.invalid\n"
     "*********************************************************************************\n"
     "#30\nNorthern Midgaard~\n3000 3099 15 2\nS\n$~\n",
     [](const World& w) {
         EXPECT_EQ(w.zone.bot, 3000);
         EXPECT_EQ(w.zone.top, 3099);
         EXPECT_EQ(w.zone.lifespan, 15);
     }},
    {"trg", Dialect::TbaMud,
     "#3000\nMage Guildguard~\n0 q 100\n~\n* Check the direction.\nif %direction% == south\n"
     "  return 0\nend\n~\n$~\n",
     [](const World& w) {
         const trig_data& t = w.triggers.at(0);
         EXPECT_EQ(t.name, "Mage Guildguard");
         EXPECT_EQ(t.trigger_types, 1 << 16);
         EXPECT_EQ(t.narg, 100);
         EXPECT_EQ(t.script, "* Check the direction.\nif %direction% == south\n  return 0\nend\n");
     }},
};


TEST(DialectFiles, EachLayoutIsReadWholeAndWrittenAsItsServerWritesIt) {
    for (const LayoutCase& c : kLayouts) {
        SCOPED_TRACE(std::string(c.ext) + " " + std::string(dialect_name(c.dialect)));
        World w;
        w.dialect = c.dialect;
        w.project_zone_number = 30;
        MessageRecorder messages;
        ASSERT_TRUE(kind(c.ext).read(w, c.text, messages));
        EXPECT_TRUE(messages.entries.empty());
        if (std::string(c.ext) == "zon") {
            EXPECT_EQ(w.dialect, c.dialect) << "told from the header";
        }
        c.check(w);
        EXPECT_EQ(kind(c.ext).write(w, {}), c.text) << "an untouched file keeps its bytes";
        EXPECT_EQ(kind(c.ext).write(w, house()), c.anew ? c.anew : c.text);
    }
}

// A saved file keeps the bytes of its untouched rooms; a room whose
// diagonal changed, or lost its last diagonal, is written anew in order.
TEST(DialectFiles, AChangedDiagonalIsSavedAndTheRestKeepItsBytes) {
    const std::string kept = "#3000\nA~\n~\n30 0 0 0 0 1\nD8\n~\n~\n0 -1 3001\nD1\n~\n~\n0 -1 3001\nS\n";
    const std::string changed = "#3001\nB~\n~\n30 0 0 0 0 1\nD7\n~\n~\n0 -1 3000\nD2\n~\n~\n0 -1 3000\nS\n";
    World w;
    w.dialect = Dialect::TbaMud;
    w.project_zone_number = 30;
    MessageRecorder messages;
    ASSERT_TRUE(read_rooms(w, kept + changed + "$~\n", {}, messages));
    w.rooms.at(1).exits.slot(Northeast)->target_vnum = 3002;
    EXPECT_EQ(room_file_text(w, {}),
              kept + "#3001\nB~\n~\n30 0 0 0 0 1\nD2\n~\n~\n0 -1 3000\nD7\n~\n~\n0 -1 3002\nS\n$~\n");
    w.rooms.at(1).exits.clear(Northeast);
    EXPECT_EQ(room_file_text(w, {}), kept + "#3001\nB~\n~\n30 0 0 0 0 1\nD2\n~\n~\n0 -1 3000\nS\n$~\n");
}

TEST(DialectFiles, EveryCorpusFileIsKeptAndRoundTrips) {
    int files = 0;
    for (const char* corpus : {"corpus-tbamud", "corpus-circle31"}) {
        const fs::path root = corpus_dir().parent_path() / corpus;
        if (corpus_dir().empty() || !fs::is_directory(root)) continue;
        for (const Kind& k : kKinds) {
            if (!fs::is_directory(root / k.ext)) continue;
            for (const auto& entry : fs::directory_iterator(root / k.ext)) {
                const std::string path = entry.path().string();
                SCOPED_TRACE(path);
                const std::string bytes = read_bytes(path);
                World w;
                w.dialect = world_file_dialect(path);
                w.project_zone_number = std::stoi(entry.path().stem().string());
                MessageRecorder messages;
                ASSERT_TRUE(k.read(w, bytes, messages)) << messages.entries.at(0).text;
                EXPECT_EQ(k.write(w, {}), bytes) << "an untouched file keeps its bytes";
                World again;
                again.dialect = w.dialect;
                ASSERT_TRUE(k.read(again, k.write(w, house()), messages));
                EXPECT_TRUE(k.same(w, again)) << "written anew, it reads back the same";
                ++files;
            }
        }
    }
    if (files == 0) GTEST_SKIP() << "no dialect corpus beside " << corpus_dir();
}
}  // namespace dialect_files_test
