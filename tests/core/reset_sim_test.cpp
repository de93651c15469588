// The reset simulation over small zones, one per rule of the server's
// reset_zone: each zone's population after the first and the third reset,
// and the outcome of the commands the rule is about.

#include <gtest/gtest.h>

#include <sstream>

#include "analysis/reset_sim.h"
#include "sim_zones.h"

namespace tarnwick {
namespace reset_sim_test {

using test::commands;
using test::zone;

std::string object_text(const Population& p, int id) {
    const SimObject& o = p.objects()[size_t(id)];
    std::string s = std::to_string(o.vnum);
    if (o.contents.empty()) return s;
    s += "{";
    for (size_t i = 0; i < o.contents.size(); ++i)
        s += (i ? " " : "") + object_text(p, o.contents[i]);
    return s + "}";
}

// "1000: m1000(1002 1003@16) 1005{1006} | doors 1000 east locked": each room
// holding something, mobs with what they carry and wear, objects nested.
std::string picture(const std::vector<const World*>& zones, const Population& p) {
    std::ostringstream out;
    const char* sep = "";
    for (const World* w : zones)
        for (const auto& r : w->rooms) {
            const SimRoomContents& c = p.room(r.vnum);
            if (c.mobs.empty() && c.objects.empty()) continue;
            out << sep << r.vnum << ":";
            sep = " | ";
            for (int id : c.mobs) {
                const SimMob& m = p.mobs()[size_t(id)];
                out << " m" << m.vnum;
                std::string held;
                for (int o : m.carrying) held += (held.empty() ? "" : " ") + object_text(p, o);
                for (int pos = 0; pos < kWearSlots; ++pos)
                    if (m.worn[size_t(pos)] >= 0)
                        held += (held.empty() ? "" : " ") + object_text(p, m.worn[size_t(pos)]) +
                                "@" + std::to_string(pos);
                if (!held.empty()) out << "(" << held << ")";
            }
            for (int id : c.objects) out << " " << object_text(p, id);
        }
    static const char* const kStates[] = {"open", "closed", "locked"};
    for (const auto& [where, state] : p.doors()) {
        out << sep << "door " << where.first << " " << kDirectionWords[where.second] << " "
            << kStates[int(state)];
        sep = " | ";
    }
    return out.str();
}

struct Case {
    const char* name;
    std::vector<World> zones;
    std::string after_first, after_third;
    // Reset (1-based), zone, command index, and the outcome's text.
    std::vector<std::tuple<int, int32_t, int, std::string>> whys;
};

std::vector<Case> cases() {
    std::vector<Case> out;
    {
        World w = zone(10);
        commands(w, {"G 1 1002 5",  // needs a command before it: there is none
                     "M 0 1000 1 1001", "G 1 1002 5", "E 1 1003 5 16",
                     "O 0 1000 2 1002", "P 1 1004 9 1000",
                     "O 0 1005 9 -1", "M 0 1004 1 1003", "E 1 1009 9 16", "E 1 1008 9 16",
                     "E 0 1007 9 16"});
        out.push_back({"if-flag chains", {w},
                       "1001: m1000(1002 1003@16) | 1002: 1000{1004} | 1003: m1004(1009 1008@16)",
                       "1001: m1000(1002 1003@16) | 1002: 1000{1004} 1000{1004} | 1003: "
                       "m1004(1009 1008@16)",
                       {{1, 10, 0, "skipped: its if-flag needs a command before it, and it is the first"},
                        {1, 10, 6, "loaded into no room (room -1)"},
                        {1, 10, 8, "loaded into its inventory: an anti-evil object on an evil mob cannot be worn"},
                        {1, 10, 10, "loaded, then lost: mob #1004 already wears object #1008 there"},
                        {2, 10, 2, "skipped: the command before it failed"},
                        {2, 10, 1, "skipped: 1 of max 1 already in the world"},
                        {3, 10, 4, "skipped: 2 of max 2 already in the world"},
                        {3, 10, 5, "skipped: the command before it failed"},
                        {2, 10, 9, "skipped: the command before it failed"}}});
    }
    {
        // Zone 31 is listed first, but zone 30 boots first and takes one of the two.
        World a = zone(30), b = zone(31);
        commands(a, {"M 0 3000 2 3000"});
        commands(b, {"M 0 3000 2 3101", "M 0 3000 2 3102", "M 0 3100 1 3103"});
        out.push_back({"max counts across two zones", {b, a},
                       "3101: m3000 | 3103: m3100 | 3000: m3000",
                       "3101: m3000 | 3103: m3100 | 3000: m3000",
                       {{1, 31, 1, "skipped: 2 of max 2 already in the world"},
                        {3, 30, 0, "skipped: 2 of max 2 already in the world"}}});
    }
    {
        // Once both mobs are at their maximum no mob is loaded in the reset:
        // the G with a zero if-flag is disabled. The second one goes to the
        // mob loaded last when the M before it fails.
        World w = zone(12);
        commands(w, {"M 0 1200 1 1200", "M 0 1201 1 1201", "G 0 1202 9", "E 1 1203 9 5",
                     "M 0 1202 3 1202", "M 0 1203 1 1203", "G 0 1204 9"});
        out.push_back({"equipment on a failed mob", {w},
                       "1200: m1200 | 1201: m1201(1202 1203@5) | 1202: m1202 | 1203: m1203(1204)",
                       "1200: m1200 | 1201: m1201(1202 1203@5) | 1202: m1202 m1202(1204) "
                       "m1202(1204) | 1203: m1203(1204)",
                       {{2, 12, 2, "skipped: no mob loaded before it in this reset; the server "
                                   "disables the command"},
                        {2, 12, 3, "skipped: the command before it failed"},
                        {3, 12, 2, "skipped: disabled in reset 2: no mob loaded before it in "
                                   "this reset; the server disables the command"},
                        {2, 12, 6, "loaded (onto mob #1202 of command 5, the last mob loaded)"}}});
    }
    {
        World w = zone(13);
        commands(w, {"O 0 1300 1 1300", "P 1 1301 1 1300", "P 1 1302 1 1301",
                     "M 0 1300 1 1301", "G 1 1301 2", "P 0 1303 2 1301", "P 0 1305 1 1309",
                     "P 0 1306 5 1306"});
        out.push_back({"nested containers", {w},
                       "1300: 1300{1301{1302}} | 1301: m1300(1301{1303})",
                       "1300: 1300{1301{1302}} | 1301: m1300(1301{1303 1303})",
                       {{1, 13, 6, "skipped: no object #1309 in the world to put it into (its "
                                   "object is made and lost); the server disables the command"},
                        {1, 13, 7, "loaded, then lost: object #1306 cannot be put into itself"},
                        {2, 13, 5, "loaded"},
                        {3, 13, 5, "skipped: 2 of max 2 already in the world"}}});
    }
    {
        // A D the server disables still passes success to the next
        // command's if-flag the reset it is disabled in, never after.
        World w = zone(14);
        commands(w, {"D 0 1400 1 2", "D 0 1401 3 1", "D 0 1400 0 1", "D 1 1401 3 0",
                     "D 0 1402 9 1"});
        out.push_back({"door states", {w}, "door 1400 east locked | door 1401 west open",
                       "door 1400 east locked | door 1401 west closed",
                       {{1, 14, 0, "door set locked"},
                        {1, 14, 2, "skipped: room #1400 has no exit north; the server "
                                   "disables the command"},
                        {1, 14, 3, "door set open"},
                        {2, 14, 3, "skipped: the command before it failed"},
                        {1, 14, 4, "skipped: direction 9 does not exist; the server disables "
                                   "the command"},
                        {3, 14, 2, "skipped: disabled in reset 1: room #1400 has no exit north; "
                                   "the server disables the command"}}});
    }
    {
        // tbaMUD's reset takes the diagonals too, and nothing past them.
        World w = zone(19);
        w.dialect = Dialect::TbaMud;
        w.rooms[2].exits.slot(Southwest) = room_direction_data{"", "", 1, -1, 1903};
        commands(w, {"D 0 1902 9 1", "D 0 1902 10 1"});
        out.push_back({"diagonal door", {w}, "door 1902 southwest closed", "door 1902 southwest closed",
                       {{1, 19, 0, "door set closed"},
                        {1, 19, 1, "skipped: direction 10 does not exist; the server disables "
                                   "the command"}}});
    }
    {
        // A command the server refuses as it runs leaves the if-flag state
        // as the command before it left it; once disabled it fails.
        World refuses = zone(17), disables = zone(18);
        commands(refuses, {"M 0 1700 1 1700", "E 1 1701 5 99", "G 1 1702 5"});
        commands(disables, {"O 0 1800 5 1800", "G 0 1801 5", "O 1 1802 1 1801",
                            "O 0 1803 5 1802", "P 0 1804 5 1809", "O 1 1805 1 1803"});
        out.push_back({"refused commands pass the if-flag on", {refuses, disables},
                       "1700: m1700(1702) | 1800: 1800 | 1801: 1802 | 1802: 1803 | 1803: 1805",
                       "1700: m1700(1702) | 1800: 1800 1800 1800 | 1801: 1802 | "
                       "1802: 1803 1803 1803 | 1803: 1805",
                       {{1, 17, 1, "skipped: wear position 99 does not exist"},
                        {1, 17, 2, "loaded"},
                        {1, 18, 2, "loaded"},
                        {1, 18, 5, "loaded"},
                        {2, 18, 2, "skipped: the command before it failed"},
                        {2, 18, 5, "skipped: the command before it failed"}}});
    }
    {
        // R before O keeps one copy: the removed boulder takes its gem along.
        // Zone 16 never resets after boot, so its rock stays alone.
        World w = zone(15), still = zone(16, 0);
        commands(w, {"R 0 1500 1502", "O 0 1502 5 1500", "P 1 1503 1 1502", "O 0 1504 3 1501",
                     "R 0 1501 1504"});
        commands(still, {"O 0 1602 5 1600"});
        out.push_back({"R", {w, still}, "1500: 1502{1503} | 1600: 1602",
                       "1500: 1502{1503} | 1600: 1602",
                       {{1, 15, 0, "nothing to remove: no object #1502 in room #1500"},
                        {2, 15, 0, "removed"},
                        {2, 15, 2, "loaded"},
                        {3, 16, 0, "not run: reset mode 0 resets the zone at boot only"}}});
    }
    return out;
}

TEST(ResetSimulation, EachRuleGivesThePopulationAndOutcomesTheServerWould) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        std::vector<const World*> zones;
        for (const World& w : c.zones) zones.push_back(&w);
        const auto resets = simulate_resets(zones, {});
        ASSERT_EQ(resets.size(), 3u);
        EXPECT_EQ(picture(zones, resets[0].population), c.after_first);
        EXPECT_EQ(picture(zones, resets[2].population), c.after_third);
        for (const auto& [reset, zone_number, index, why] : c.whys) {
            const CommandOutcome* found = nullptr;
            for (const auto& o : resets[size_t(reset - 1)].commands)
                if (o.zone == zone_number && o.index == index) found = &o;
            ASSERT_TRUE(found) << "reset " << reset << " command " << index;
            EXPECT_EQ(found->why, why) << "reset " << reset << " command " << index;
        }
    }
}

TEST(ResetSimulation, CountsEverythingInTheWorldAndRecordsEveryCommand) {
    World w = zone(20);
    commands(w, {"O 0 2000 3 2000", "P 1 2002 3 2000", "M 0 2000 1 2001", "E 1 2003 1 16"});
    const auto resets = simulate_resets({&w}, {});
    // One chest more each reset up to three, a coin in each, one mob and its sword.
    EXPECT_EQ(resets[0].population.objects_in_world(), 3);
    EXPECT_EQ(resets[2].population.objects_in_world(), 7);
    EXPECT_EQ(resets[2].population.mobs_in_world(), 1);
    ASSERT_EQ(resets[2].commands.size(), 4u);
    EXPECT_EQ(resets[2].commands[0].command, 'O');
    EXPECT_TRUE(resets[2].commands[0].done);
    EXPECT_FALSE(resets[2].commands[2].done);
}

TEST(ResetSimulation, VnumsOfZonesNotOpenAreNeitherMissingNorLoaded) {
    World w = zone(21);
    commands(w, {"M 0 3001 1 2100", "G 1 3010 1", "M 0 2150 1 2100", "O 0 2101 1 2199"});
    const auto alone = simulate_resets({&w}, {1, false});
    const auto& c = alone[0].commands;
    EXPECT_EQ(c[0].result, SimResult::NotOpen);
    EXPECT_EQ(c[0].why, "skipped: mob #3001 belongs to zone 30, which is not open here");
    EXPECT_EQ(c[1].result, SimResult::NotOpen);
    EXPECT_EQ(c[2].why, "skipped: mob #2150 does not exist; the server disables the command at boot");
    EXPECT_EQ(c[3].why, "skipped: room #2199 does not exist; the server disables the command at boot");
    const auto whole = simulate_resets({&w}, {1, true});
    EXPECT_EQ(whole[0].commands[0].result, SimResult::Missing);
}

}  // namespace reset_sim_test
}  // namespace tarnwick
