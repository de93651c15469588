// Find in zone: which fields a query reaches, the case and whole-word
// options, vnum queries, and the context shown around a match.

#include <gtest/gtest.h>

#include "analysis/find.h"
#include "world/world.h"

namespace tarnwick {
namespace find_test {

World small_zone() {
    World w;
    room_data r;
    r.vnum = 18600;
    r.name = "The Ferry Landing";
    r.description = "Grey planks reach out into the mere.\nA bell hangs here.\n";
    r.exits.slot(North) = room_direction_data{"A lane climbs north.\n", "gate", 1, 18609, 18601};
    r.extra_descs.push_back({"bell", "The bell is green with age.\n"});
    w.rooms.push_back(r);
    room_data lane;
    lane.vnum = 18601;
    lane.name = "Reed Lane";
    lane.description = "\xC9" "COLE DES P\xCA" "CHEURS is painted on a board.\n";
    lane.exits.slot(Southeast) = room_direction_data{"Reeds close in.\n", "reeds", 0, -1, 18600};
    w.rooms.push_back(lane);
    char_data m;
    m.vnum = 18600;
    m.alias = "ferryman old";
    m.short_name = "the old ferryman";
    m.long_name = "An old ferryman leans on his pole.";
    m.descr = "His hands are brown as the river.\n";
    w.mobs.push_back(m);
    obj_record o;
    o.vnum = 18609;
    o.alias = "key iron";
    o.short_description = "an iron key";
    o.extra_descs.push_back({"key runes", "Runes spell BELLWATER along the shaft.\n"});
    w.objects.push_back(o);
    shop_data s;
    s.vnum = 18600;
    s.keeper = 18600;
    s.msg_bought = "%s That is %d coins, ferry fare included.";
    w.shops.push_back(s);
    w.zone.zone_number = 186;
    w.zone.name = "The Tarnwick Mere";
    zCommand load;
    load.command = 'M';
    load.arg1 = 18600;
    load.arg2 = 1;
    load.arg3 = 18600;
    w.zone.commands.push_back(load);
    return w;
}

struct Case {
    const char* query;
    FindOptions options;
    std::vector<std::tuple<FindKind, int32_t, std::string>> expected;  // kind, vnum, field
};

TEST(FindInZone, ReachesEveryTextFieldWithTheOptionsAsked) {
    const World w = small_zone();
    const Case cases[] = {
        {"bell", {}, {{FindKind::Room, 18600, "description"},
                      {FindKind::Room, 18600, "extra description 'bell' keywords"},
                      {FindKind::Room, 18600, "extra description 'bell'"},
                      {FindKind::Object, 18609, "extra description 'key runes'"}}},
        {"bell", {.match_case = false, .whole_word = true},
         {{FindKind::Room, 18600, "description"},
          {FindKind::Room, 18600, "extra description 'bell' keywords"},
          {FindKind::Room, 18600, "extra description 'bell'"}}},
        {"BELL", {.match_case = true, .whole_word = false},
         {{FindKind::Object, 18609, "extra description 'key runes'"}}},
        {"gate", {}, {{FindKind::Room, 18600, "exit north keywords"}}},
        {"lane climbs", {}, {{FindKind::Room, 18600, "exit north description"}}},
        {"reeds", {}, {{FindKind::Room, 18601, "exit southeast keywords"},
                       {FindKind::Room, 18601, "exit southeast description"}}},
        {"FERRY", {}, {{FindKind::Room, 18600, "name"},
                       {FindKind::Mob, 18600, "keywords"},
                       {FindKind::Mob, 18600, "short description"},
                       {FindKind::Mob, 18600, "long description"},
                       {FindKind::Shop, 18600, "message: bought"},
                       {FindKind::Zone, 186, "comment"}}},
        {"river", {}, {{FindKind::Mob, 18600, "detailed description"}}},
        {"mere", {.match_case = false, .whole_word = true},
         {{FindKind::Room, 18600, "description"}, {FindKind::Zone, 186, "zone name"}}},
        {"18609", {}, {{FindKind::Object, 18609, "vnum"}}},
        {"18601", {}, {{FindKind::Room, 18601, "vnum"}}},
        // A query that only starts with a vnum is text, and no text holds these.
        {"18601abc", {}, {}},
        {"18601 ", {}, {}},
        {"-18601", {}, {}},
        // Windows-1252 capitals fold like ASCII ones, unless case must match.
        {"\xE9" "cole des p\xEA" "cheurs", {}, {{FindKind::Room, 18601, "description"}}},
        {"\xE9" "cole", {.match_case = true, .whole_word = false}, {}},
        {"nowhere", {}, {}},
        {"", {}, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::tuple<FindKind, int32_t, std::string>> got;
        for (const FindHit& h : find_in_zone(w, c.query, c.options))
            got.emplace_back(h.kind, h.vnum, h.field);
        EXPECT_EQ(got, c.expected) << "query '" << c.query << "'";
    }
}

TEST(FindInZone, ShowsTheMatchOnOneLineOfContext) {
    const World w = small_zone();
    const auto hits = find_in_zone(w, "hangs", {});
    ASSERT_EQ(hits.size(), 1u);
    const FindHit& h = hits[0];
    EXPECT_EQ(h.context, "...out into the mere. A bell hangs here. ");
    EXPECT_EQ(h.context.substr(h.match_start, h.match_length), "hangs");
}

TEST(FindInZone, GoToVnumFindsEveryKindThatHasIt) {
    const World w = small_zone();
    std::vector<FindKind> kinds;
    for (const auto& h : records_with_vnum(w, 18600)) kinds.push_back(h.kind);
    EXPECT_EQ(kinds, (std::vector<FindKind>{FindKind::Room, FindKind::Mob, FindKind::Shop}));
    EXPECT_TRUE(records_with_vnum(w, 42).empty());
}

}  // namespace find_test
}  // namespace tarnwick
