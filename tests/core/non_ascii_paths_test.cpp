// File and folder names with letters beyond ASCII, held as UTF-8, name the
// same files on every system: a project in such a folder opens, saves in
// place and opens again, and nothing else appears beside its files.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "project/preferences.h"
#include "project/project_file.h"
#include "project/project_session.h"
#include "sample_project.h"
#include "test_support.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
namespace fs = std::filesystem;

TEST(NonAsciiPaths, NamesConvertBothWays) {
    // Latin letters, a letter outside Latin-1 and one outside the BMP.
    for (const std::string name : {"Ærø Ŝtåd", "Kärr.qzp", "Ĳssel/zone.wld", "𝔗arn"}) {
        const fs::path native = native_path(name);
        EXPECT_EQ(utf8_name(native), name);
        EXPECT_EQ(utf8_name(native.filename()), name.substr(name.find('/') + 1));
#ifdef _WIN32
        // The wide name holds the letters, not the local code page's guess.
        EXPECT_EQ(native.wstring().find(L'?'), std::wstring::npos) << name;
#endif
    }
}

TEST(NonAsciiPaths, AProjectInSuchAFolderOpensAndSaves) {
    test::TempDir dir;
    const std::string folder = utf8_name(dir.path()) + "/Ærø Ŝtåd";
    ASSERT_TRUE(fs::create_directory(native_path(folder)));
    const std::string project_path = test::write_sample_project(folder, "Kärr");
    MessageRecorder m;

    {
        World world;
        AreaProject project;
        Preferences preferences;
        ProjectSession session(world, project, preferences, m);
        ASSERT_TRUE(session.open_project(project_path));
        EXPECT_TRUE(session.load_failures().empty());
        ASSERT_EQ(world.room_count(), 12);
        ASSERT_EQ(world.mob_count(), 5);
        world.rooms[0].name = "The Landing (edited)";
        world.changed = true;
        ASSERT_TRUE(session.save_project());
    }
    World world;
    AreaProject project;
    Preferences preferences;
    ProjectSession session(world, project, preferences, m);
    ASSERT_TRUE(session.open_project(project_path));
    ASSERT_GT(world.room_count(), 0);
    EXPECT_EQ(world.rooms[0].name, "The Landing (edited)");
    EXPECT_EQ(world.object_count(), 9);

    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(native_path(folder))) names.insert(utf8_name(e.path().filename()));
    EXPECT_EQ(names, (std::set<std::string>{"Kärr.qzp", "Kärr.wld", "Kärr.mob", "Kärr.obj", "Kärr.shp",
                                            "Kärr.zon"}));
}

// The file chooser gives absolute names. Saved, the project names the files
// beside it relative to its folder, so a copy of the folder edits the copy
// and leaves the original's files alone.
TEST(NonAsciiPaths, ACopiedProjectFolderSavesIntoTheCopy) {
    test::TempDir dir;
    const std::string folder = utf8_name(dir.path()) + "/Ærø Ŝtåd";
    ASSERT_TRUE(fs::create_directory(native_path(folder)));
    const std::string original = test::write_sample_project(folder, "Kärr");
    MessageRecorder m;
    {
        World world;
        AreaProject project;
        Preferences preferences;
        ProjectSession session(world, project, preferences, m);
        ASSERT_TRUE(session.open_project(original));
        for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                           &AreaProject::object_file, &AreaProject::shop_file})
            project.*field = utf8_name(native_path(folder) / native_path(project.*field));
        world.changed = true;
        ASSERT_TRUE(session.save_project());
    }
    AreaProject record;
    std::string error;
    ASSERT_TRUE(read_project_file(original, record, error)) << error;
    EXPECT_EQ(record.room_file, "Kärr.wld");
    EXPECT_EQ(record.zone_file, "Kärr.zon");

    const std::string copy = utf8_name(dir.path()) + "/Ĳssel copy";
    fs::copy(native_path(folder), native_path(copy), fs::copy_options::recursive);
    std::string before;
    ASSERT_TRUE(read_file_bytes(folder + "/Kärr.wld", before));
    {
        World world;
        AreaProject project;
        Preferences preferences;
        ProjectSession session(world, project, preferences, m);
        ASSERT_TRUE(session.open_project(copy + "/Kärr.qzp"));
        ASSERT_GT(world.room_count(), 0);
        world.rooms[0].name = "The Copied Landing";
        world.changed = true;
        ASSERT_TRUE(session.save_project());
    }
    std::string original_rooms, copied_rooms;
    ASSERT_TRUE(read_file_bytes(folder + "/Kärr.wld", original_rooms));
    ASSERT_TRUE(read_file_bytes(copy + "/Kärr.wld", copied_rooms));
    EXPECT_EQ(original_rooms, before);
    EXPECT_NE(copied_rooms.find("The Copied Landing~"), std::string::npos);
}
