// The rest of a world folder, read only: references out of the open zone
// are named with their zone and offered for picking after the zone's own
// records; the open zone's own record always wins.

#include <gtest/gtest.h>

#include <memory>

#include "editors/object_choices.h"
#include "editors/record_lines.h"
#include "formats/zone_file.h"
#include "project/renumber.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {
namespace other_zones_test {

World zone(int32_t number, const char* room, const char* mob, const char* object) {
    World w;
    w.zone.zone_number = number;
    w.zone.top = number * 100 + 99;
    room_data r;
    r.vnum = number * 100;
    r.name = room;
    w.rooms.push_back(r);
    char_data m;
    m.vnum = number * 100;
    m.short_name = mob;
    w.mobs.push_back(m);
    obj_record o;
    o.vnum = number * 100;
    o.short_description = object;
    w.objects.push_back(o);
    return w;
}

// Open zone 30 (vnum 3000 of each kind); zone 31 holds 3100 and a stray
// 3000 of its own that the open zone's record hides.
World open_zone_with_others() {
    World open = zone(30, "Temple", "Priest", "Candle");
    std::vector<World> others;
    others.push_back(zone(31, "Market", "Baker", "Bread"));
    others.push_back(zone(12, "Gate", "Guard", "Key"));
    room_data stray;
    stray.vnum = 3000;
    stray.name = "Stray";
    others[0].rooms.push_back(stray);
    open.other_zones = std::make_shared<const OtherZones>(std::move(others));
    return open;
}

TEST(OtherZones, NamesRecordsOfOtherZonesWithTheirZone) {
    const World w = open_zone_with_others();
    struct Case {
        int32_t vnum;
        const char *room, *mob, *object;
    };
    const Case cases[] = {
        {3000, "Temple", "Priest", "Candle"},  // the open zone's own
        {3100, "Market (zone 31)", "Baker (zone 31)", "Bread (zone 31)"},
        {1200, "Gate (zone 12)", "Guard (zone 12)", "Key (zone 12)"},
        {9900, kNoRoomName, kNoMobName, kNoObjectName},  // held by no zone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.vnum);
        EXPECT_EQ(w.room_name_of(c.vnum), c.room);
        EXPECT_EQ(w.mob_name_of(c.vnum), c.mob);
        EXPECT_EQ(w.object_name_of(c.vnum), c.object);
    }
    zCommand load;
    load.command = 'M';
    load.if_flag = 0;
    load.arg1 = 3100;
    load.arg2 = 1;
    load.arg3 = 1200;
    EXPECT_EQ(long_description(w, load), "Load mob #3100 - Baker (zone 31) in room 1200 - "
                                          "Gate (zone 12): if_flag: false Max: 1");
    // The comment saved with the command names the zone's own records only.
    EXPECT_EQ(short_description(w, load),
              std::string("Load ") + kNoMobName + " in " + kNoRoomName);

    // Without the other zones a vnum outside the zone has no name.
    World alone = w;
    alone.other_zones.reset();
    EXPECT_EQ(alone.room_name_of(3100), kNoRoomName);
}

TEST(OtherZones, PickListsOfferTheZoneFirstThenTheOthersByVnum) {
    const World w = open_zone_with_others();
    const PickLines rooms = room_pick_lines(w);
    EXPECT_EQ(rooms.lines, (std::vector<std::string>{"#3000   ---   Temple",
                                                     "#1200   ---   Gate (zone 12)",
                                                     "#3100   ---   Market (zone 31)"}));
    EXPECT_EQ(rooms.vnums, (std::vector<int32_t>{3000, 1200, 3100}));
    EXPECT_EQ(rooms.vnum_at(2), 3100);
    EXPECT_EQ(rooms.vnum_at(3), -1);
    EXPECT_EQ(rooms.vnum_at(-1), -1);
    EXPECT_EQ(mob_pick_lines(w).lines.back(), "#3100   ---   Baker (zone 31)");
    EXPECT_EQ(object_pick_lines(w).vnums, (std::vector<int32_t>{3000, 1200, 3100}));
    // The shop's product box: the same order, read back by the leading vnum.
    const auto products = object_choice_lines(w);
    EXPECT_EQ(products, (std::vector<std::string>{"3000 - Candle", "1200 - Key (zone 12)",
                                                  "3100 - Bread (zone 31)"}));
    EXPECT_EQ(vnum_of_choice(products[2]), 3100);
    World alone = w;
    alone.other_zones.reset();
    EXPECT_EQ(room_pick_lines(alone).lines, room_lines(alone));
}

// Renumbering into vnums another zone of the folder holds asks first; the
// zone's own hundred, clear of the others, asks nothing.
TEST(OtherZones, RenumberingOntoAnotherZonesVnumsAsksFirst) {
    struct Case {
        int32_t base;
        Answer answer;
        std::vector<std::string> asked;
        int32_t room_after;
    };
    const std::string onto_31 =
        "Renumbered from 3100, this zone's records would take vnums that other zones of the "
        "world folder already use: room #3100 (zone 31), mob #3100 (zone 31), object #3100 "
        "(zone 31).\nRenumber anyway?";
    const Case cases[] = {
        {3050, Answer::No, {}, 3050},
        {3100, Answer::No, {onto_31}, 3000},
        {3100, Answer::Yes, {onto_31}, 3100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        World w = open_zone_with_others();
        MessageRecorder messages;
        messages.default_answer = c.answer;
        EXPECT_EQ(renumber_world(w, c.base, messages), c.room_after == c.base);
        EXPECT_EQ(messages.texts(), c.asked);
        EXPECT_EQ(w.rooms[0].vnum, c.room_after);
    }
}

}  // namespace other_zones_test
}  // namespace tarnwick
