// The reset simulation over the real CircleMUD 3.0 world: the whole folder
// as the server boots it, and each zone by itself as a project opens it.

#include <gtest/gtest.h>

#include "analysis/reset_sim.h"
#include "project/world_folder.h"
#include "test_support.h"
#include "world/messages.h"

namespace tarnwick {
namespace reset_corpus_test {

namespace fs = std::filesystem;

TEST(ResetCorpus, EveryZoneRunsItsResetsAloneAndInTheWholeWorld) {
    const fs::path dir = test::corpus_dir() / "circle30";
    if (!fs::is_directory(dir)) GTEST_SKIP() << "no corpus at " << dir;
    WorldFolder folder;
    MessageRecorder messages;
    ASSERT_TRUE(read_world_folder(dir.string(), folder, messages));
    size_t commands = 0;
    for (const World& z : folder.zones) commands += size_t(simulated_command_count(z));

    const auto world = simulate_resets(folder.zone_list(), {5, true});
    ASSERT_EQ(world.size(), 5u);
    for (const ResetRecord& r : world) EXPECT_EQ(r.commands.size(), commands);
    // The stock world is sound: almost every command works at boot, and
    // nothing names a zone that is not there.
    int done = 0;
    for (const CommandOutcome& o : world[0].commands) {
        done += succeeded(o);
        EXPECT_NE(o.result, SimResult::NotOpen);
    }
    EXPECT_GT(done, int(commands) * 9 / 10);
    EXPECT_GT(world[0].population.mobs_in_world(), 500);

    for (const World& z : folder.zones) {
        SCOPED_TRACE(z.zone.zone_number);
        const auto alone = simulate_resets({&z}, {3, false});
        for (const ResetRecord& r : alone)
            EXPECT_EQ(r.commands.size(), size_t(simulated_command_count(z)));
    }
}

}  // namespace reset_corpus_test
}  // namespace tarnwick
