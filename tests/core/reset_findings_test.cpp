// The checker's findings from running the resets: each fault once, on the
// command, mob's M command or shop it is about, and nothing on a sound zone
// or on a fault another check already names.

#include <gtest/gtest.h>

#include "analysis/checker.h"
#include "sim_zones.h"

namespace tarnwick {
namespace reset_findings_test {

using test::commands;
using test::zone;

struct Case {
    const char* name;
    std::vector<const char*> commands;
    std::vector<int32_t> products;  // a shop of keeper 1000 when not empty
    // "check command-index message", or "check shop message".
    std::vector<std::string> expected;
};

std::vector<std::string> sim_findings(const World& w) {
    std::vector<std::string> out;
    for (const Finding& f : check_zone(w))
        if (f.check.rfind("sim-", 0) == 0)
            out.push_back(f.check + " " +
                          std::to_string(f.kind == RecordKind::Shop ? f.vnum : f.command_index) +
                          " " + f.message);
    return out;
}

TEST(ResetFindings, EachFaultOnceOnTheRecordItIsAbout) {
    const std::vector<Case> cases = {
        {"sound zone; faults other checks name",
         {"G 0 1002 1", "D 0 1002 2 1", "O 0 1099 1 1000", "M 0 1001 0 1000", "M 0 1000 1 1000",
          "G 1 1002 9", "O 0 1000 1 1001", "P 1 1004 1 1000", "D 0 1000 1 2"},
         {1002},
         {}},
        {"a second copy within a max of 2, a keeper with its one product",
         {"M 0 1000 2 1000", "G 1 1002 9", "M 0 1000 2 1001"},
         {1002},
         {}},
        {"a second copy over the max, and an if-flag on the first command",
         {"O 1 1002 1 1000", "M 0 1000 1 1000", "M 0 1000 1 1001"},
         {},
         {"sim-never 0 O command: never succeeds in 3 resets: skipped: its if-flag needs a "
          "command before it, and it is the first",
          "sim-never 2 M command: never succeeds in 3 resets: skipped: 1 of max 1 already in "
          "the world"}},
        {"equipment of a mob that loads",
         {"M 0 1000 1 1000", "E 1 1003 1 16", "M 0 1001 1 1001", "E 1 1003 1 16", "G 1 1002 5"},
         {},
         {"sim-equipment 2 M command: mob #1001 loads, but in 3 resets never gets object #1003 "
          "(command 4: skipped: 1 of max 1 already in the world); object #1002 (command 5: "
          "skipped: the command before it failed)"}},
        {"disabled once no mob loads",
         {"M 0 1000 1 1000", "G 0 1002 9"},
         {},
         {"sim-disabled 1 G command: the server disables it in reset 2: no mob loaded before it "
          "in this reset; the server disables the command"}},
        {"keeper that never loads",
         {"M 1 1000 1 1000"},
         {1002},
         {"sim-keeper 1000 Keeper mob #1000 never loads in 3 resets",
          "sim-never 0 M command: never succeeds in 3 resets: skipped: its if-flag needs a "
          "command before it, and it is the first"}},
        {"keeper without some products",
         {"M 0 1000 1 1000", "G 1 1002 9", "E 1 1005 9 16"},
         {1002, 1003, 1005},
         {"sim-products 1000 Keeper mob #1000 never carries products #1003, #1005 in 3 resets, "
          "so the shop never sells them"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w = zone(10);
        commands(w, c.commands);
        if (!c.products.empty()) {
            shop_data s;
            s.vnum = 1000;
            s.keeper = 1000;
            s.products = c.products;
            w.shops.push_back(s);
        }
        EXPECT_EQ(sim_findings(w), c.expected);
    }
}

}  // namespace reset_findings_test
}  // namespace tarnwick
