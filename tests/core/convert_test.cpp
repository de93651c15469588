// Conversion between the dialects, one table per mapping: every affect bit,
// every item type, every door type, zone bottoms at the edges of their
// neighbours, texts, and what the older servers cannot hold.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

#include "convert/convert.h"
#include "convert/flag_maps.h"
#include "formats/room_file.h"
#include "test_support.h"
#include "world/messages.h"

using namespace tarnwick;

namespace convert_test {

World one_mob_world(Dialect d, int32_t affects, const MoreFlags& more = {}) {
    World w;
    w.dialect = d;
    w.zone.zone_number = 30;
    w.zone.top = 3099;
    char_data m;
    m.vnum = 3000;
    m.affect_flags = affects;
    m.affect_more = more;
    w.mobs.push_back(m);
    return w;
}

World convert(const World& w, Dialect to, ConversionReport* out = nullptr) {
    ConversionReport r;
    World c = convert_world(w, to, {}, r);
    if (out) *out = r;
    return c;
}

// A note of the record and field, loss or not, whose text holds `text`.
bool has_note(const ConversionReport& r, const std::string& record, const std::string& field,
              const std::string& text, bool loss) {
    for (const ConversionNote& n : r.notes)
        if (n.loss == loss && n.record == record && n.field == field &&
            n.text.find(text) != std::string::npos)
            return true;
    return false;
}


// Each CircleMUD affect bit on tbaMUD (-1: cleared, it means nothing in
// 3.0), and each tbaMUD bit back (-1: cleared or lost).
TEST(Convert, EveryAffectBitKeepsItsMeaningBothWays) {
    const std::map<int, int> up = {{0, 1},   {1, 2},   {2, 3},   {3, 4},   {4, 5},   {5, 6},
                                   {6, 7},   {7, 8},   {8, 9},   {9, 10},  {10, 11}, {11, 12},
                                   {12, 13}, {13, 14}, {14, 15}, {15, 16}, {16, -1}, {17, -1},
                                   {18, 19}, {19, 20}, {20, -1}, {21, 22}, {22, -1}, {31, -1}};
    for (const auto& [bit, want] : up) {
        const World t =
            convert(one_mob_world(Dialect::Circle30, int32_t(1u << bit)), Dialect::TbaMud);
        const int32_t expected = want < 0 ? 0 : int32_t(1u << want);
        EXPECT_EQ(t.mobs[0].affect_flags, expected) << "3.0 bit " << bit;
        EXPECT_EQ(t.mobs[0].affect_more, MoreFlags{}) << "3.0 bit " << bit;
        if (want < 0) continue;
        const World back = convert(t, Dialect::Circle30);
        EXPECT_EQ(back.mobs[0].affect_flags, int32_t(1u << bit)) << "3.0 bit " << bit << " back";
    }
    // tbaMUD's own: DONTUSE means nothing, FLYING and SCUBA have no 3.0 bit;
    // bits of the upper words cannot be held.
    for (int bit : {0, 17, 18, 21}) {
        ConversionReport r;
        const World c =
            convert(one_mob_world(Dialect::TbaMud, int32_t(1u << bit)), Dialect::Circle30, &r);
        EXPECT_EQ(c.mobs[0].affect_flags, 0) << "tbaMUD bit " << bit;
        EXPECT_EQ(r.has_losses(), bit == 17 || bit == 18) << "tbaMUD bit " << bit;
    }
    ConversionReport r;
    convert(one_mob_world(Dialect::TbaMud, 0, {1, 0, 0}), Dialect::Circle30, &r);
    EXPECT_TRUE(has_note(r, "mobile 3000", "affects", "bit 32", false));
    convert(one_mob_world(Dialect::TbaMud, 0, {2, 0, 0}), Dialect::Circle30, &r);
    EXPECT_TRUE(has_note(r, "mobile 3000", "affects", "bit 33", true));
}

// The names of each table stand at the bits the servers' structs.h give them.
TEST(Convert, FlagTablesNameTheServersBits) {
    const auto shared = test::shared_dir();
    struct Server {
        std::filesystem::path header;
        bool tbamud;
    } servers[] = {{shared / "server/circle-3.0/src/structs.h", false},
                   {shared / "server-tbamud/tbamud/src/structs.h", true}};
    const std::pair<FlagKind, const char*> prefixes[] = {{FlagKind::Room, "ROOM_"},
                                                         {FlagKind::MobAction, "MOB_"},
                                                         {FlagKind::MobAffect, "AFF_"},
                                                         {FlagKind::ObjectExtra, "ITEM_"},
                                                         {FlagKind::ObjectWear, "ITEM_WEAR_"}};
    for (const Server& s : servers) {
        if (!std::filesystem::exists(s.header)) GTEST_SKIP() << "no server source at " << s.header;
        const std::string text = test::read_bytes(s.header.string());
        std::map<std::string, int> defined;
        static const std::regex define(R"(#define\s+(\w+)\s+(?:\(1\s*<<\s*(\d+)\)|(\d+)\b))");
        for (std::sregex_iterator it(text.begin(), text.end(), define), end; it != end; ++it)
            defined[(*it)[1]] = std::stoi((*it)[2].matched ? (*it)[2].str() : (*it)[3].str());
        for (const auto& [kind, prefix] : prefixes) {
            const auto& names = flag_names(kind, s.tbamud);
            for (size_t bit = 0; bit < names.size(); ++bit) {
                const auto found = defined.find(prefix + std::string(names[bit]));
                ASSERT_NE(found, defined.end()) << prefix << names[bit];
                EXPECT_EQ(found->second, int(bit))
                    << prefix << names[bit] << " tbaMUD " << s.tbamud;
            }
        }
        for (int type = 1; type <= 23; ++type)
            EXPECT_EQ(defined["ITEM_" + std::string(item_type_name(type, s.tbamud))], type);
    }
}

// Every item type up and back; CircleMUD's three unimplemented types and
// tbaMUD's furniture and free types have no counterpart.
TEST(Convert, EveryItemTypeByName) {
    for (int type = 1; type <= 23; ++type) {
        bool lost_up = false, lost_down = false;
        const int32_t up = move_item_type(type, true, lost_up);
        const int32_t down = move_item_type(type, false, lost_down);
        const bool unmatched = type == 6 || type == 7 || type == 14;
        EXPECT_EQ(lost_up, unmatched) << type;
        EXPECT_EQ(lost_down, unmatched) << type;
        EXPECT_EQ(up, unmatched ? kItemOther : type) << type;
        EXPECT_EQ(down, unmatched ? kItemOther : type) << type;
    }
    bool lost = false;
    EXPECT_EQ(move_item_type(0, true, lost), 0);
    EXPECT_EQ(move_item_type(40, false, lost), 40);
    EXPECT_FALSE(lost);
}

// Door types 0 to 4 of a tbaMUD room on CircleMUD: the hidden ones lose
// their hiding, each listed; going up nothing changes.
TEST(Convert, EveryDoorType) {
    World w;
    w.dialect = Dialect::TbaMud;
    w.zone.zone_number = 30;
    w.zone.top = 3099;
    room_data r;
    r.vnum = 3001;
    for (int d = 0; d < 5; ++d) r.exits.slot(size_t(d)) = room_direction_data{"", "", d, -1, 3002};
    w.rooms.push_back(r);
    ConversionReport report;
    const World c = convert(w, Dialect::Circle30, &report);
    const int expected[] = {0, 1, 2, 1, 2};
    for (int d = 0; d < 5; ++d) EXPECT_EQ(c.rooms[0].exits[size_t(d)]->door, expected[d]) << d;
    EXPECT_TRUE(has_note(report, "room 3001", "exit 3", "door type 3 (hidden) made 1", true));
    EXPECT_TRUE(has_note(report, "room 3001", "exit 4", "door type 4 (hidden) made 2", true));
    EXPECT_EQ(report.loss_count(), 2);
    const World up = convert(c, Dialect::TbaMud);
    for (int d = 0; d < 5; ++d) EXPECT_EQ(up.rooms[0].exits[size_t(d)]->door, expected[d]) << d;
}

// The bottom room of a 3.0 zone at the edges of its neighbours' ranges.
TEST(Convert, ZoneBottomFitsBetweenItsNeighbours) {
    struct Case {
        const char* name;
        int32_t number, top;
        std::vector<int32_t> rooms;
        std::vector<ZoneSpan> neighbours;
        int32_t bot;
    } cases[] = {
        {"the hundred", 30, 3099, {3001, 3050}, {{29, 2999}, {31, 3199}}, 3000},
        {"lowest room below the hundred", 33, 3399, {3200, 3300}, {{31, 3199}}, 3200},
        {"just above the zone before", 33, 3399, {3100, 3300}, {{31, 3199}}, 3200},
        {"zone before reaching past the hundred", 25, 2699, {2650}, {{15, 2549}}, 2550},
        {"number above its own vnums", 7, 650, {}, {{5, 599}}, 600},
        {"alone, no rooms", 12, 1299, {}, {}, 1200},
        {"a zone above is no floor", 40, 4199, {4000}, {{41, 4299}, {39, 3999}}, 4000},
        {"zone 0", 0, 99, {0, 1}, {{12, 1299}}, 0},
        {"a room above the top", 30, 3099, {3000, 3150}, {}, 3000},
    };
    for (const Case& c : cases) {
        World w;
        w.zone.zone_number = c.number;
        w.zone.top = c.top;
        for (int32_t v : c.rooms) {
            room_data r;
            r.vnum = v;
            w.rooms.push_back(r);
        }
        std::string why;
        EXPECT_EQ(fitting_bottom(w, c.neighbours, why), c.bot) << c.name;
        ConversionReport r;
        const World up = convert_world(w, Dialect::Circle31, {"", c.neighbours}, r);
        EXPECT_EQ(up.zone.bot, c.bot) << c.name;
        int32_t floor = -1;
        for (const ZoneSpan& n : c.neighbours)
            if (n.top < c.top) floor = std::max(floor, n.top);
        // Every room the 3.0 server places in the zone stays inside it; one
        // above every top is reported.
        for (int32_t v : c.rooms) {
            if (v <= c.top)
                EXPECT_TRUE(v <= floor || v >= up.zone.bot) << c.name << " " << v;
            else
                EXPECT_TRUE(has_note(r, "room " + std::to_string(v), "vnum", "in no zone", false));
        }
    }
}
}  // namespace convert_test
