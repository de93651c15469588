#include <gtest/gtest.h>

#include "world/world.h"

using namespace tarnwick;

namespace world_store_test {
room_data room(int32_t vnum, const char* name = "") {
    room_data r;
    r.vnum = vnum;
    r.name = name;
    return r;
}

TEST(WorldStore, NextVnumStartsAtTheZoneAndFollowsTheGreatest) {
    World w;
    w.project_zone_number = 30;
    EXPECT_EQ(w.next_room_vnum(), 3000);
    w.rooms = {room(3000), room(3005), room(3002)};
    EXPECT_EQ(w.next_room_vnum(), 3006);
    w.rooms = {room(-5)};
    EXPECT_EQ(w.next_room_vnum(), 1);
}

TEST(WorldStore, RemoveMovesTheLastRecordAndResorts) {
    World w;
    w.rooms = {room(1), room(2), room(3)};
    w.remove_room(2);
    ASSERT_EQ(w.room_count(), 2);
    w.rooms.push_back(room(3));
    w.remove_room(0);
    ASSERT_EQ(w.room_count(), 2);
    EXPECT_EQ(w.rooms[0].vnum, 2);
    EXPECT_EQ(w.rooms[1].vnum, 3);
    w.remove_room(-1);
    w.remove_room(2);
    EXPECT_EQ(w.room_count(), 2);
}

TEST(WorldStore, LookupsAnswerFirstMatchOrFallbacks) {
    World w;
    w.mobs.resize(2);
    w.mobs[0].vnum = 7;
    w.mobs[0].short_name = "first";
    w.mobs[1].vnum = 7;
    EXPECT_EQ(w.find_mob(7), 0);
    EXPECT_EQ(w.mob_name_of(7), "first");
    EXPECT_EQ(w.mob_name_of(8), "(no existente)");
    EXPECT_EQ(w.room_name_of(1), "(not existing or out of zone)");
    EXPECT_EQ(w.object_name_of(1), "Not existing or outside of zone");
    EXPECT_EQ(w.find_object(1), -1);
}

TEST(WorldStore, ClearingTheZoneHeaderKeepsItsNumbers) {
    World w;
    w.zone = {{zCommand{}}, 30, "Name", 3099, 15, 2};
    w.clear_zone_header();
    EXPECT_TRUE(w.zone.commands.empty());
    EXPECT_EQ(w.zone.name, "");
    EXPECT_EQ(w.zone.zone_number, 30);
    EXPECT_EQ(w.zone.top, 3099);
    EXPECT_EQ(w.zone.lifespan, 15);
    EXPECT_EQ(w.zone.reset_mode, 2);
}

TEST(WorldStore, RoomCopiesOwnTheirExits) {
    room_data a = room(1);
    a.exits.slot(North) = room_direction_data{};
    room_data b = a;
    b.exits.slot(North)->target_vnum = 5;
    EXPECT_EQ(a.exits[North]->target_vnum, -1);
    EXPECT_FALSE(a == b);
}
}  // namespace world_store_test
