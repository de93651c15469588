// The recovery copy: what it restores is what a save would have written,
// and a copy that is missing, cut short or altered restores nothing.
#include <gtest/gtest.h>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/recovery.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace recovery_test {

using test::read_bytes;
using test::TempDir;
using test::write_bytes;

std::string all_files(const World& w, const FormatSettings& s) {
    MessageRecorder quiet;
    return room_file_text(w, s) + mob_file_text(w, s) + object_file_text(w, s, quiet) +
           write_shops_v3(w) + zone_file_text(w, s);
}

struct RecoveryTest : ::testing::Test {
    TempDir dir;
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;
    ProjectSession session{world, project, preferences, messages};
    std::string copy = dir.file("settings/recovery.twr");
    void SetUp() override { ASSERT_TRUE(session.open_project(TARNWICK_EXAMPLES "/tarnwick.qzp")); }
};

TEST_F(RecoveryTest, RestoresWhatASaveWouldWrite) {
    world.rooms[0].name = "Changed since the last save";
    world.zone.commands.pop_back();
    project.author = "Someone";
    std::string error;
    // The settings folder does not exist yet: writing makes it.
    ASSERT_TRUE(write_recovery(copy, world, project, session.format_settings(), 1700000000, error))
        << error;

    RecoveryInfo info;
    ASSERT_EQ(peek_recovery(copy, info, error), RecoveryState::Ready) << error;
    EXPECT_EQ(info.project_name, project.zone_name);
    EXPECT_EQ(info.project_path, project.project_path);
    EXPECT_EQ(info.written_at, 1700000000);

    World restored;
    AreaProject values;
    ASSERT_EQ(read_recovery(copy, session.format_settings(), restored, values, info, error),
              RecoveryState::Ready)
        << error;
    EXPECT_EQ(all_files(restored, session.format_settings()),
              all_files(world, session.format_settings()));
    EXPECT_EQ(values.author, "Someone");
    EXPECT_EQ(values.project_path, project.project_path);
    EXPECT_EQ(values.room_file, project.room_file);

    // Texts that hold the copy's own part heads and end marker, in the first
    // part, the last room and the project values.
    const std::string marker = "end 0123456789abcdef\n";
    const std::string texts[] = {marker, "the end \n", "end \n" + marker, "rooms 12\n" + marker};
    for (const std::string& text : texts) {
        SCOPED_TRACE(text);
        World marked = world;
        marked.rooms.front().description = text;
        marked.rooms.back().description = "Past the " + text;
        AreaProject marked_values = project;
        marked_values.author = text;
        ASSERT_TRUE(write_recovery(copy, marked, marked_values, session.format_settings(), 7, error));
        ASSERT_EQ(read_recovery(copy, session.format_settings(), restored, values, info, error),
                  RecoveryState::Ready)
            << error;
        EXPECT_EQ(all_files(restored, session.format_settings()),
                  all_files(marked, session.format_settings()));
        EXPECT_EQ(values.author, text);
    }

    // An empty project restores empty.
    World empty;
    ASSERT_TRUE(write_recovery(copy, empty, project, session.format_settings(), 1, error));
    ASSERT_EQ(read_recovery(copy, session.format_settings(), restored, values, info, error),
              RecoveryState::Ready)
        << error;
    EXPECT_EQ(restored.room_count() + restored.mob_count() + restored.shop_count(), 0);
}

TEST_F(RecoveryTest, DamagedOrMissingCopiesRestoreNothing) {
    const std::string good = recovery_bytes(world, project, session.format_settings(), 42);
    std::filesystem::create_directories(dir.file("settings"));
    const size_t middle = good.size() / 2;
    std::string flipped = good;
    flipped[middle] = char(flipped[middle] ^ 0x20);
    const struct {
        const char* what;
        std::string bytes;
        RecoveryState expected;
    } cases[] = {
        {"cut short", good.substr(0, middle), RecoveryState::Damaged},
        {"one byte altered", flipped, RecoveryState::Damaged},
        {"last line lost", good.substr(0, good.rfind("end ")), RecoveryState::Damaged},
        {"another file", "#3001\nA room~\n", RecoveryState::Damaged},
        {"empty", "", RecoveryState::Damaged},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        write_bytes(copy, c.bytes);
        World target;
        target.rooms.resize(3);
        AreaProject values;
        values.author = "untouched";
        RecoveryInfo info;
        std::string error;
        EXPECT_EQ(read_recovery(copy, session.format_settings(), target, values, info, error),
                  c.expected);
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(target.room_count(), 3);
        EXPECT_EQ(values.author, "untouched");
        EXPECT_EQ(read_bytes(copy), c.bytes);  // left alone for the builder to look at
    }
    remove_recovery(copy);
    RecoveryInfo info;
    std::string error;
    EXPECT_EQ(peek_recovery(copy, info, error), RecoveryState::Missing);
}

}  // namespace recovery_test
}  // namespace tarnwick
