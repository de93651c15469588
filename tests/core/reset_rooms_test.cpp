// What the map colours each room by: the open zone's rooms after reset N,
// with the other zones of the world folder running their resets around it.

#include <gtest/gtest.h>

#include <memory>

#include "analysis/reset_rooms.h"
#include "world/work_progress.h"
#include "sim_zones.h"
#include "world/other_zones.h"

namespace tarnwick {
namespace reset_rooms_test {

using test::commands;
using test::zone;

// "1000 empty, 1001 mobs, ...": every room of the zone with its class.
std::string classes(const World& open, const Population& p) {
    std::string out;
    for (const auto& [vnum, holding] : room_holdings(open, p))
        out += (out.empty() ? "" : ", ") + std::to_string(vnum) + " " + holding_words(holding);
    return out;
}

struct Case {
    const char* name;
    World open;
    std::vector<World> others;  // the rest of the world folder, read
    int reset;
    std::string expected;
};

std::vector<Case> cases() {
    std::vector<Case> out;
    World shapes = zone(10);
    commands(shapes, {"M 0 1000 1 1001", "G 1 1002 5", "O 0 1005 1 1001",  // mob and object
                      "O 0 1003 1 1002",                                    // floor object
                      "O 0 1000 1 1003", "P 1 1004 1 1000",                 // container, filled
                      "O 0 1006 1 1004", "R 0 1004 1006"});                 // loaded, removed
    out.push_back({"what lies where", shapes, {}, 1,
                   "1000 empty, 1001 mobs, 1002 objects only, 1003 objects only, 1004 empty"});
    out.push_back({"the same after three resets", shapes, {}, 3,
                   "1000 empty, 1001 mobs, 1002 objects only, 1003 objects only, 1004 empty"});

    // Zone 11 resets at boot only: its object in room 1002 is there after
    // the boot; the open zone's R takes it in the second reset for good.
    World removes = zone(10);
    commands(removes, {"R 0 1002 1005"});
    World boot_only = zone(11, 0);
    commands(boot_only, {"O 0 1005 1 1002", "M 0 1100 1 1003"});
    out.push_back({"another zone's load, at boot", removes, {boot_only}, 1,
                   "1000 empty, 1001 empty, 1002 objects only, 1003 mobs, 1004 empty"});
    out.push_back({"removed by the open zone later", removes, {boot_only}, 2,
                   "1000 empty, 1001 empty, 1002 empty, 1003 mobs, 1004 empty"});

    // Zone 9 resets first and takes the only copy the open zone's M allows.
    World wants = zone(10);
    commands(wants, {"M 0 1000 1 1001", "O 1 1003 1 1002"});
    World takes = zone(9);
    commands(takes, {"M 0 1000 1 900"});
    out.push_back({"max reached by an earlier zone", wants, {takes}, 2,
                   "1000 empty, 1001 empty, 1002 empty, 1003 empty, 1004 empty"});
    out.push_back({"the same zone alone", wants, {}, 2,
                   "1000 empty, 1001 mobs, 1002 objects only, 1003 empty, 1004 empty"});
    return out;
}

TEST(ResetRooms, ClassesAfterResetN) {
    for (Case& c : cases()) {
        SCOPED_TRACE(c.name);
        if (!c.others.empty()) c.open.other_zones = std::make_shared<OtherZones>(std::move(c.others));
        const auto population = population_after(c.open, c.reset);
        ASSERT_TRUE(population);
        EXPECT_EQ(classes(c.open, *population), c.expected);
    }
}

// A progress that asks to stop leaves no population to colour by.
TEST(ResetRooms, StoppedSimulationGivesNothing) {
    struct Stop : WorkProgress {
        bool advance(int, int, const std::string&) override { return false; }
    } stop;
    World w = zone(10);
    commands(w, {"M 0 1000 1 1001"});
    EXPECT_FALSE(population_after(w, 3, &stop));
}

}  // namespace reset_rooms_test
}  // namespace tarnwick
