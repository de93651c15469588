// Saving never loses what is on disk: whatever makes a save fail (a write
// that stops half-way, a folder that cannot take files, a target that is a
// folder), the previous file stays byte for byte, the save says it failed
// with a message, the world still counts as changed, and no temporary file
// is left behind.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "project/preferences.h"
#include "project/project_file.h"
#include "project/project_session.h"
#include "sample_project.h"
#include "test_support.h"
#include "world/atomic_file.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

using namespace tarnwick;
using tarnwick::testkit::WorldFormat;
namespace fs = std::filesystem;

namespace save_safety_test {

std::set<std::string> names_in(const fs::path& folder) {
    std::set<std::string> out;
    for (const auto& e : fs::directory_iterator(folder)) out.insert(e.path().filename().string());
    return out;
}

// Restores the real write even when an assertion leaves the test early.
struct FailingWrites {
    explicit FailingWrites(size_t after) {
        set_write_function_for_tests([after](const void* data, size_t size, std::FILE* f) {
            const size_t n = std::min(after, size);
            return n == 0 ? 0 : std::fwrite(data, 1, n, f);
        });
    }
    ~FailingWrites() { set_write_function_for_tests(nullptr); }
};

class SaveSafety : public ::testing::TestWithParam<WorldFormat> {
protected:
    void SetUp() override {
        const WorldFormat& f = GetParam();
        sample = test::read_bytes(std::string(TARNWICK_EXAMPLES) + "/tarnwick" + f.extension);
        SilentMessages m;
        ASSERT_TRUE(f.read(world, sample, {}, m));
        world.changed = true;
        target = dir.file(std::string("zone") + f.extension);
        test::write_bytes(target, sample);
        // An edit in every table, so a save that went through would show.
        world.zone.name += " (edited)";
        if (!world.rooms.empty()) world.rooms[0].name += " (edited)";
        if (!world.mobs.empty()) world.mobs[0].short_name += " (edited)";
        if (!world.objects.empty()) world.objects[0].short_description += " (edited)";
        if (!world.shops.empty()) world.shops[0].msg_sold += " (edited)";
        SilentMessages quiet;
        edited_text = f.text(world, {}, quiet);
        ASSERT_NE(edited_text, sample);
    }

    // The failed save's common outcome.
    void expect_failed(bool ok, const MessageRecorder& m, const std::string& what) {
        EXPECT_FALSE(ok) << what;
        EXPECT_FALSE(m.entries.empty()) << what << ": no message";
        if (!m.entries.empty()) {
            EXPECT_FALSE(m.entries.back().text.empty()) << what;
        }
        EXPECT_TRUE(world.changed) << what;
    }

    test::TempDir dir;
    World world;
    std::string sample, target, edited_text;
};

std::string format_name(const ::testing::TestParamInfo<WorldFormat>& info) { return info.param.name; }


TEST_P(SaveSafety, AWriteThatStopsHalfWayLeavesThePreviousFile) {
    const WorldFormat& f = GetParam();
    for (size_t after : {size_t(0), size_t(1), size_t(100), edited_text.size() - 1}) {
        const std::string what = std::string(f.name) + ", write failing after " + std::to_string(after);
        MessageRecorder m;
        bool ok;
        {
            FailingWrites failing(after);
            ok = f.save(world, target, {}, m);
        }
        expect_failed(ok, m, what);
        EXPECT_EQ(test::read_bytes(target), sample) << what;
        EXPECT_EQ(names_in(dir.path()), std::set<std::string>{fs::path(target).filename().string()}) << what;
    }
    // Once writes work again the same save goes through.
    MessageRecorder m;
    EXPECT_TRUE(f.save(world, target, {}, m));
    EXPECT_EQ(test::read_bytes(target), edited_text);
}

TEST_P(SaveSafety, ATargetThatIsAFolderIsRefused) {
    const WorldFormat& f = GetParam();
    const std::string folder = dir.file(std::string("folder") + f.extension);
    fs::create_directory(folder);
    test::write_bytes(folder + "/inside.txt", "kept");
    MessageRecorder m;
    expect_failed(f.save(world, folder, {}, m), m, f.name);
    EXPECT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(test::read_bytes(folder + "/inside.txt"), "kept");
    EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{fs::path(folder).filename().string(),
                                                            fs::path(target).filename().string()}));
}

TEST_P(SaveSafety, AFolderThatCannotTakeFilesIsReported) {
    const WorldFormat& f = GetParam();
    // A "folder" that is a regular file fails for every user, root too.
    const std::string under_file = target + "/sub" + f.extension;
    MessageRecorder m;
    expect_failed(f.save(world, under_file, {}, m), m, f.name);
    EXPECT_EQ(test::read_bytes(target), sample);
    MessageRecorder m2;
    expect_failed(f.save(world, dir.file("missing/zone") + f.extension, {}, m2), m2, f.name);
    EXPECT_FALSE(fs::exists(dir.file("missing")));
}

TEST_P(SaveSafety, AReadOnlyFolderIsReported) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows folders have no write permission bit: a read-only folder still takes files";
#else
    const WorldFormat& f = GetParam();
    if (geteuid() == 0) GTEST_SKIP() << "running as root: a read-only folder still takes files";
    ::chmod(dir.path().c_str(), 0555);
    MessageRecorder m3;
    const bool ok = f.save(world, target, {}, m3);
    ::chmod(dir.path().c_str(), 0755);
    expect_failed(ok, m3, f.name);
    EXPECT_EQ(test::read_bytes(target), sample);
    EXPECT_EQ(names_in(dir.path()).size(), 1u);
#endif
}

TEST_P(SaveSafety, AReadOnlyTargetKeepsItsModeAfterASave) {
    const WorldFormat& f = GetParam();
#ifdef _WIN32
    // Windows keeps a read-only file from being replaced: the save fails
    // and leaves it as it was.
    fs::permissions(target, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    MessageRecorder m;
    const bool ok = f.save(world, target, {}, m);
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    expect_failed(ok, m, f.name);
    EXPECT_EQ(test::read_bytes(target), sample);
    EXPECT_EQ(names_in(dir.path()).size(), 1u);
#else
    ::chmod(target.c_str(), 0640);
    MessageRecorder m;
    ASSERT_TRUE(f.save(world, target, {}, m));
    struct stat st {};
    ASSERT_EQ(::stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
#endif
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SaveSafety, ::testing::ValuesIn(testkit::world_formats()),
                         format_name);

// A whole project saved while one of its six files cannot be written: that
// file keeps its previous bytes, the others are saved, the save reports the
// failure and the world still counts as changed.
TEST(ProjectSaveSafety, AFileThatFailsKeepsItsPreviousBytes) {
    const char* extensions[] = {".qzp", ".wld", ".mob", ".obj", ".shp", ".zon"};
    for (int failing = 0; failing < 6; ++failing) {
        test::TempDir dir;
        const std::string project_path =
            test::write_sample_project(utf8_name(dir.path()), "tarnwick");
        MessageRecorder m;

        World world;
        AreaProject project;
        Preferences preferences;
        ProjectSession session(world, project, preferences, m);
        ASSERT_TRUE(session.open_project(project_path));
        ASSERT_GT(world.room_count(), 0);
        world.rooms[0].name += " (edited)";
        world.mobs[0].short_name += " (edited)";
        world.objects[0].short_description += " (edited)";
        world.shops[0].msg_sold += " (edited)";
        world.zone.name += " (edited)";
        project.zone_name += " (edited)";
        world.changed = true;

        std::vector<std::string> before;
        for (const char* e : extensions) before.push_back(test::read_bytes(dir.file(std::string("tarnwick") + e)));
        m.clear();
        int call = 0;
        set_write_function_for_tests([&](const void* data, size_t size, std::FILE* f) {
            return call++ == failing ? size / 2 : std::fwrite(data, 1, size, f);
        });
        const bool saved = session.save_project();
        set_write_function_for_tests(nullptr);

        const std::string what = std::string("failing ") + extensions[failing];
        EXPECT_FALSE(saved) << what;
        EXPECT_FALSE(m.entries.empty()) << what;
        EXPECT_TRUE(world.changed) << what;
        for (int i = 0; i < 6; ++i) {
            const std::string now = test::read_bytes(dir.file(std::string("tarnwick") + extensions[i]));
            if (i == failing) {
                EXPECT_EQ(now, before[i]) << what << ": " << extensions[i] << " changed";
            } else if (failing > 0) {  // a failed project file stops the save
                EXPECT_NE(now, before[i]) << what << ": " << extensions[i] << " not saved";
            }
        }
        EXPECT_EQ(names_in(dir.path()).size(), 6u) << what << ": temporary file left";
    }
}
}  // namespace save_safety_test
