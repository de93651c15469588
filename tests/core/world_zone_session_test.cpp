// One zone of a server's world folder opened as a project: listed with its
// counts, saved in place without a project file, its missing files created
// and offered to their folder's index, and nothing else in the folder touched.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "project/preferences.h"
#include "project/project_session.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {
namespace world_zone_session_test {

namespace fs = std::filesystem;
using test::read_bytes;
using test::TempDir;
using test::write_bytes;

// Zone 10 (rooms only, no mob/obj/shp files) and zone 20 (a room leading
// into zone 10); wld/ and shp/ have index files, zone 30's room file is broken.
void write_world(const TempDir& dir) {
    for (const char* t : {"wld", "zon", "mob", "obj", "shp"}) fs::create_directories(dir.path() / t);
    write_bytes(dir.file("zon/10.zon"), "#10\nTen~\n1099 10 2\nS\n$~\n");
    write_bytes(dir.file("zon/20.zon"), "#20\nTwenty~\n2099 10 2\nS\n$~\n");
    write_bytes(dir.file("zon/30.zon"), "#30\nThirty~\n3099 10 2\nS\n$~\n");
    write_bytes(dir.file("wld/10.wld"), "#1000\nA~\nA room.\n~\n10 0 0\nS\n$\n");
    write_bytes(dir.file("wld/20.wld"),
                "#2000\nC~\nC room.\n~\n20 0 0\nD3\n~\n~\n0 -1 1000\nS\n$\n");
    write_bytes(dir.file("wld/30.wld"), "#3000\nbroken");
    write_bytes(dir.file("wld/index"), "10.wld\r\n20.wld\r\n30.wld\r\n$\r\n");
    write_bytes(dir.file("shp/index"), "$\n");
}

// Every file under `dir` by its name inside it, spelled with '/' on every
// system ("zon/10.zon"), with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[fs::relative(e.path(), dir).generic_string()] = read_bytes(e.path().string());
    return files;
}

TEST(WorldZones, ListsEveryZoneWithCountsOrItsProblem) {
    TempDir dir;
    write_world(dir);
    const auto zones = list_world_zones(dir.path().string());
    ASSERT_EQ(zones.size(), 3u);
    struct Row { int number; const char* name; int top, rooms; bool ok; };
    const Row rows[] = {{10, "Ten", 1099, 1, true}, {20, "Twenty", 2099, 1, true},
                        {30, "Thirty", 3099, 0, false}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(rows[i].name);
        EXPECT_EQ(zones[i].number, rows[i].number);
        EXPECT_EQ(zones[i].name, rows[i].name);
        EXPECT_EQ(zones[i].top, rows[i].top);
        EXPECT_EQ(zones[i].rooms, rows[i].rooms);
        EXPECT_EQ(zones[i].problem.empty(), rows[i].ok) << zones[i].problem;
    }
    EXPECT_EQ(zones[2].problem.rfind("30.wld: ", 0), 0u) << zones[2].problem;
    EXPECT_FALSE(find_world_zone(zones, 99));
}

TEST(WorldZones, SavesTheZoneInPlaceAndAsksBeforeTouchingAnIndex) {
    for (Answer answer : {Answer::Yes, Answer::No}) {
        SCOPED_TRACE(answer == Answer::Yes ? "index entry accepted" : "index entry refused");
        TempDir dir;
        write_world(dir);
        const auto before = snapshot(dir.path());
        World world;
        AreaProject project;
        Preferences preferences;
        MessageRecorder messages;
        messages.default_answer = answer;
        ProjectSession session{world, project, preferences, messages};
        // Opened as the recent-files list reopens it: by its zone file.
        ASSERT_TRUE(session.open_project(dir.file("zon/10.zon")));
        EXPECT_TRUE(session.in_world_folder());
        EXPECT_EQ(project.zone_name, "Ten");
        EXPECT_EQ(project.zone_number, 10);
        EXPECT_EQ(project.author, "");
        EXPECT_TRUE(session.load_failures().empty());
        ASSERT_EQ(world.room_count(), 1);
        world.rooms[0].name = "Renamed";
        world.changed = true;
        ASSERT_TRUE(session.save_project());
        EXPECT_FALSE(world.changed);

        auto after = snapshot(dir.path());
        for (const auto& [path, bytes] : before) {
            if (path == "zon/10.zon" || path == "wld/10.wld" || path == "shp/index")
                continue;  // the zone's own files, and the index checked below
            EXPECT_EQ(after[path], bytes) << path << " changed";
        }
        EXPECT_NE(after["wld/10.wld"].find("Renamed~"), std::string::npos);
        // The three files the zone lacked now exist, and no project file.
        for (const char* made : {"mob/10.mob", "obj/10.obj", "shp/10.shp"})
            EXPECT_TRUE(after.count(made)) << made;
        EXPECT_EQ(after.size(), before.size() + 3);
        // Only shp/ has an index: one question, and its answer decides.
        ASSERT_EQ(messages.texts(), std::vector<std::string>{"Add 10.shp to shp/index?"});
        EXPECT_EQ(after["shp/index"], answer == Answer::Yes ? "10.shp\n$\n" : "$\n");
    }
}

TEST(WorldZones, OtherZonesArriveForTheOpenZoneOnlyAndGoWithIt) {
    TempDir dir;
    write_world(dir);
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;
    ProjectSession session{world, project, preferences, messages};
    ASSERT_TRUE(session.open_project(dir.file("zon/20.zon")));
    const auto first = session.other_zones_read();
    ASSERT_TRUE(first);
    EXPECT_TRUE(fs::equivalent(first->folder, dir.path()));
    EXPECT_EQ(first->open_zone, 20);

    // Read as the worker reads it: zone 20's own files are left out, zone
    // 30's broken room file is passed over in silence.
    const auto zones = read_other_zones(first->folder, first->open_zone);
    ASSERT_TRUE(zones);
    EXPECT_EQ(zones->zones().size(), 2u);
    EXPECT_FALSE(zones->room(2000));
    EXPECT_EQ(world.room_name_of(1000), kNoRoomName);

    // Zone 10 opened before the read for zone 20 finished: it is refused.
    ASSERT_TRUE(session.open_project(dir.file("zon/10.zon")));
    EXPECT_FALSE(session.install_other_zones(first->generation, zones));
    EXPECT_FALSE(world.other_zones);

    ASSERT_TRUE(session.open_project(dir.file("zon/20.zon")));
    const auto second = session.other_zones_read();
    ASSERT_TRUE(second);
    EXPECT_NE(second->generation, first->generation);
    EXPECT_TRUE(session.install_other_zones(second->generation, zones));
    EXPECT_EQ(world.room_name_of(1000), "A (zone 10)");
    EXPECT_TRUE(messages.texts().empty());

    session.close_project();
    EXPECT_FALSE(world.other_zones);
    EXPECT_FALSE(session.other_zones_read());
    EXPECT_FALSE(session.install_other_zones(second->generation, zones));
}

TEST(WorldZones, IndexEntryKeepsLineEndingsAndIsNeverDoubled) {
    TempDir dir;
    write_world(dir);
    MessageRecorder messages;
    offer_index_entry(dir.file("wld/20.wld"), messages);  // listed already
    EXPECT_TRUE(messages.texts().empty());
    write_bytes(dir.file("wld/40.wld"), "$\n");
    offer_index_entry(dir.file("wld/40.wld"), messages);
    EXPECT_EQ(read_bytes(dir.file("wld/index")), "10.wld\r\n20.wld\r\n30.wld\r\n40.wld\r\n$\r\n");
    // The entry goes before "$", or after the last line, on a line of its own.
    const struct {
        std::string index, after;
    } indexes[] = {
        {"10.wld\n$\n", "10.wld\n40.wld\n$\n"},
        {"10.wld\n$", "10.wld\n40.wld\n$"},
        {"10.wld\r\n$", "10.wld\r\n40.wld\r\n$"},
        {"10.wld\n", "10.wld\n40.wld\n"},
        {"10.wld", "10.wld\n40.wld\n"},
        {"10.wld\r\n20.wld", "10.wld\r\n20.wld\r\n40.wld\r\n"},
        {"$\n", "40.wld\n$\n"},
        {"", "40.wld\n"},
    };
    for (const auto& c : indexes) {
        SCOPED_TRACE(c.index);
        write_bytes(dir.file("wld/index"), c.index);
        offer_index_entry(dir.file("wld/40.wld"), messages);
        EXPECT_EQ(read_bytes(dir.file("wld/index")), c.after);
    }
    const size_t asked = messages.texts().size();
    write_bytes(dir.file("mob/40.mob"), "$\n");  // mob/ has no index: nothing asked
    offer_index_entry(dir.file("mob/40.mob"), messages);
    EXPECT_EQ(messages.texts().size(), asked);
    EXPECT_FALSE(fs::exists(dir.file("mob/index")));
}

}  // namespace world_zone_session_test
}  // namespace tarnwick
