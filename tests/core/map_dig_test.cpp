// Building from the map: digging into free directions, walking where an exit
// is, refusals (capacity, an exit leading out of the zone, an exit already
// there), the exit back offered on a link, the exit commands, and the labels
// the undo history shows for them.

#include <gtest/gtest.h>

#include <functional>

#include "editors/history.h"
#include "editors/map_dig.h"
#include "editors/record_list_ops.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace map_dig_test {

// Rooms 18600..18602 of zone 186: 18600 <-> 18601 east/west (a door on the
// east side), 18601 -> 18602 north one-way, 18602 leads up to 9999 (another
// zone). 18600 is a forest room.
World small_zone() {
    World w;
    w.project_zone_number = 186;
    w.zone.zone_number = 186;
    w.zone.top = 18699;
    for (int32_t v : {18600, 18601, 18602}) {
        room_data r;
        r.vnum = v;
        r.name = "Room " + std::to_string(v);
        w.rooms.push_back(r);
    }
    w.rooms[0].sector = 3;
    auto link = [&](int from, int d, int32_t to) {
        w.rooms[size_t(from)].exits.slot(size_t(d)) = room_direction_data{};
        w.rooms[size_t(from)].exits.slot(size_t(d))->target_vnum = to;
    };
    link(0, East, 18601);
    link(1, West, 18600);
    link(1, North, 18602);
    link(2, Up, 9999);
    w.rooms[0].exits.slot(East)->door = 1;
    return w;
}

int32_t target(const World& w, int32_t from, int d) {
    const auto& e = w.rooms[size_t(w.find_room(from))].exits[size_t(d)];
    return e ? e->target_vnum : -2;  // -2: no exit
}

struct Case {
    const char* name;
    std::function<void(World&)> prepare;
    std::function<MapEdit(World&, Messages&)> run;
    MapEdit::Kind kind;
    int32_t vnum;
    const char* label;    // the history's undo label after the step
    const char* message;  // the one message shown, or "" for none
    std::vector<Answer> answers;
    std::function<void(const World&)> check;
};

TEST(MapDig, OperationsChangeTheWorldAndLabelTheirSteps) {
    const std::vector<Case> cases = {
        {"dig into a free direction", nullptr,
         [](World& w, Messages& m) { return dig(w, 18600, South, m, nullptr); },
         MapEdit::Kind::Changed, 18603, "Dig south from #18600", "", {},
         [](const World& w) {
             ASSERT_EQ(w.room_count(), 4);
             EXPECT_EQ(target(w, 18600, South), 18603);
             EXPECT_EQ(target(w, 18603, North), 18600);
             EXPECT_EQ(w.rooms[3].sector, 3);  // the sector of the room dug from
             EXPECT_EQ(w.rooms[3].name, "An empty room");
         }},
        {"dig above the zone top raises it",
         [](World& w) { w.zone.top = 18602; },
         [](World& w, Messages& m) { return dig(w, 18602, East, m, nullptr); },
         MapEdit::Kind::Changed, 18603, "Dig east from #18602", "", {},
         [](const World& w) { EXPECT_EQ(w.zone.top, 18603); }},
        {"dig where an exit leads to a room walks", nullptr,
         [](World& w, Messages& m) { return dig(w, 18601, North, m, nullptr); },
         MapEdit::Kind::Walked, 18602, "", "", {},
         [](const World& w) { EXPECT_EQ(w.room_count(), 3); }},
        {"dig along an exit out of the zone is refused", nullptr,
         [](World& w, Messages& m) { return dig(w, 18602, Up, m, nullptr); },
         MapEdit::Kind::Refused, -1, "",
         "The exit up of #18602 leads to 9999, which is no room of this zone.", {},
         [](const World& w) { EXPECT_EQ(w.room_count(), 3); }},
        {"dig at room capacity is refused as the room list refuses",
         [](World& w) {
             while (w.room_count() < record_limit(ListKind::Room)) {
                 room_data r;
                 r.vnum = 20000 + w.room_count();
                 w.rooms.push_back(r);
             }
         },
         [](World& w, Messages& m) { return dig(w, 18600, South, m, nullptr); },
         MapEdit::Kind::Refused, -1, "", "Maximum number of rooms reached", {},
         [](const World& w) {
             EXPECT_EQ(w.room_count(), record_limit(ListKind::Room));
             EXPECT_EQ(target(w, 18600, South), -2);
         }},
        {"link offers the exit back: yes", nullptr,
         [](World& w, Messages& m) { return link_rooms(w, 18602, East, 18600, m); },
         MapEdit::Kind::Changed, 18600, "Link east from #18602 to #18600",
         "Existing room. Do you want to make this exit simmetric?", {Answer::Yes},
         [](const World& w) {
             EXPECT_EQ(target(w, 18602, East), 18600);
             EXPECT_EQ(target(w, 18600, West), 18602);
         }},
        {"link never sends the target's exit elsewhere", nullptr,
         [](World& w, Messages& m) { return link_rooms(w, 18602, West, 18600, m); },
         MapEdit::Kind::Changed, 18600, "Link west from #18602 to #18600",
         "#18600 already has an exit east (to 18601): no exit back was made.", {},
         [](const World& w) {
             EXPECT_EQ(target(w, 18602, West), 18600);
             EXPECT_EQ(target(w, 18600, East), 18601);
         }},
        {"link offers the exit back: no", nullptr,
         [](World& w, Messages& m) { return link_rooms(w, 18602, South, 18600, m); },
         MapEdit::Kind::Changed, 18600, "Link south from #18602 to #18600",
         "Existing room. Do you want to make this exit simmetric?", {Answer::No},
         [](const World& w) {
             EXPECT_EQ(target(w, 18602, South), 18600);
             EXPECT_EQ(target(w, 18600, North), -2);
         }},
        {"link over an existing exit is refused", nullptr,
         [](World& w, Messages& m) { return link_rooms(w, 18601, North, 18600, m); },
         MapEdit::Kind::Refused, -1, "", "Existing exit. Must be modified with Edit", {},
         [](const World& w) { EXPECT_EQ(target(w, 18601, North), 18602); }},
        {"make two-way gives the exit back", nullptr,
         [](World& w, Messages&) { return make_two_way(w, 18601, North); },
         MapEdit::Kind::Changed, 18602, "Make exit north of #18601 two-way", "", {},
         [](const World& w) { EXPECT_EQ(target(w, 18602, South), 18601); }},
        {"make one-way removes the exit back", nullptr,
         [](World& w, Messages&) { return make_one_way(w, 18600, East); },
         MapEdit::Kind::Changed, 18601, "Make exit east of #18600 one-way", "", {},
         [](const World& w) {
             EXPECT_EQ(target(w, 18601, West), -2);
             EXPECT_EQ(target(w, 18600, East), 18601);
         }},
        {"make one-way of a one-way exit changes nothing", nullptr,
         [](World& w, Messages&) { return make_one_way(w, 18601, North); },
         MapEdit::Kind::Refused, -1, "", "", {}, nullptr},
        {"a door goes on both sides of a pair", nullptr,
         [](World& w, Messages&) { return add_door(w, 18601, West); },
         MapEdit::Kind::Changed, 18600, "Add door to exit west of #18601", "", {},
         [](const World& w) {
             const auto& e = w.rooms[1].exits[West];
             EXPECT_EQ(e->door, 1);
             EXPECT_EQ(e->keywords, "door");
         }},
        {"remove an exit", nullptr,
         [](World& w, Messages&) { return remove_exit(w, 18602, Up); },
         MapEdit::Kind::Changed, 9999, "Remove exit up of #18602", "", {},
         [](const World& w) { EXPECT_EQ(target(w, 18602, Up), -2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w = small_zone();
        if (c.prepare) c.prepare(w);
        History history(w);
        MessageRecorder m;
        m.answers = c.answers;
        const World before = w;
        const MapEdit edit = c.run(w, m);
        EXPECT_EQ(int(edit.kind), int(c.kind));
        EXPECT_EQ(edit.vnum, c.vnum);
        const std::vector<std::string> expected =
            *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{};
        EXPECT_EQ(m.texts(), expected);
        if (c.check) c.check(w);
        EXPECT_EQ(history.record(edit.label), edit.changed());
        if (!edit.changed()) continue;
        EXPECT_EQ(history.undo_label(), c.label);
        ASSERT_TRUE(history.undo());
        EXPECT_TRUE(w.rooms == before.rooms);
    }
}

TEST(MapDig, WalkFollowsOnlyExitsIntoTheTable) {
    const World w = small_zone();
    EXPECT_EQ(walk(w, 18600, East), 18601);
    EXPECT_EQ(walk(w, 18601, North), 18602);
    EXPECT_EQ(walk(w, 18602, Up), -1);     // another zone
    EXPECT_EQ(walk(w, 18600, North), -1);  // no exit
    EXPECT_EQ(walk(w, 12345, North), -1);  // no such room
}

}  // namespace map_dig_test
}  // namespace tarnwick
