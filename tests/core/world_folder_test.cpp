// A server's world folder read whole: files from the index (or by name),
// every record in the zone whose vnums hold it, and the places findings
// point to.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "analysis/checker.h"
#include "analysis/reset_sim.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/work_progress.h"

namespace tarnwick {
namespace world_folder_test {

using test::TempDir;
using test::write_bytes;

// A file name in the system's own spelling (on Windows, with backslashes).
std::string native(const std::string& name) {
    return std::filesystem::path(name).lexically_normal().string();
}

// Two zones: 10 (rooms 1000, 1001) and 20 (room 2000, mob 2000). Room 1001
// leads to 2000 and 2000 to 1099, which no zone holds.
void write_world(const TempDir& dir, bool with_index) {
    for (const char* t : {"wld", "zon", "mob"}) std::filesystem::create_directories(dir.path() / t);
    write_bytes(dir.file("zon/10.zon"), "#10\nTen~\n1099 10 2\nS\n$~\n");
    write_bytes(dir.file("zon/20.zon"), "#20\nTwenty~\n2099 10 2\nM 0 2000 1 2000\nS\n$~\n");
    write_bytes(dir.file("wld/a.wld"),
                "#1000\nA~\nA room.\n~\n10 0 0\nS\n#1001\nB~\nB room.\n~\n10 0 0\n"
                "D1\n~\n~\n0 -1 2000\nS\n#2000\nC~\nC room.\n~\n20 0 0\nD3\n~\n~\n0 -1 1099\nS\n$\n");
    write_bytes(dir.file("mob/20.mob"),
                "#2000\nmob~\nthe mob~\nA mob stands here.\n~\nIt is a mob.\n~\n0 0 0 S\n"
                "1 20 10 1d1+1 1d2+0\n0 0\n8 8 0\n$\n");
    if (with_index) {
        write_bytes(dir.file("wld/index"), "a.wld\n$\n");
        write_bytes(dir.file("zon/index"), "20.zon\n10.zon\n$\n");
        write_bytes(dir.file("mob/index"), "20.mob\n$\n");
    }
}

TEST(WorldFolder, RecordsLandInTheirZonesAndFindingsInTheirFiles) {
    for (bool with_index : {true, false}) {
        SCOPED_TRACE(with_index ? "index files" : "no index files");
        TempDir dir;
        write_world(dir, with_index);
        ASSERT_TRUE(is_world_folder(dir.path().string()));
        WorldFolder folder;
        MessageRecorder messages;
        ASSERT_TRUE(read_world_folder(dir.path().string(), folder, messages));
        EXPECT_TRUE(folder.failures.empty());
        ASSERT_EQ(folder.zones.size(), 2u);
        EXPECT_EQ(folder.zones[0].zone.zone_number, 10);
        EXPECT_EQ(folder.zones[0].room_count(), 2);
        EXPECT_EQ(folder.zones[1].room_count(), 1);
        EXPECT_EQ(folder.zones[1].mob_count(), 1);

        auto findings = check_zones(folder.zone_list());
        folder.places.locate(findings);
        // 1001 -> 2000 joins two zones, one way, as zones often are; 2000 -> 1099 leads nowhere.
        ASSERT_EQ(findings.size(), 1u);
        EXPECT_EQ(findings[0].check, "exit-target");
        EXPECT_EQ(findings[0].vnum, 2000);
        EXPECT_EQ(native(findings[0].file), native(dir.file("wld/a.wld")));
        EXPECT_EQ(findings[0].line, 17);
    }
}

// Each record goes to the first zone whose top is at or above its vnum,
// however the files split the records: one zone over several files, several
// zones in one file, in either order.
TEST(WorldFolder, EachRecordGoesToTheZoneWhoseVnumsHoldIt) {
    const struct {
        const char* name;
        std::vector<std::vector<int32_t>> files;  // a.wld, b.wld...: room vnums
        std::vector<int32_t> ten, twenty;          // rooms of zone 10 and 20
    } cases[] = {
        {"a room numbered its zone's top", {{1000, 1099}, {2000}}, {1000, 1099}, {2000}},
        {"a room just past the top", {{1000, 1100}}, {1000}, {1100}},
        {"a room numbered the last zone's top", {{2099}}, {}, {2099}},
        {"a room above every top", {{1000, 2100}}, {1000}, {2100}},
        {"one zone over two files", {{1000}, {1001}}, {1000, 1001}, {}},
        {"one zone over three files", {{1002}, {1000}, {1001}}, {1000, 1001, 1002}, {}},
        {"one zone's file, then a file of both", {{1000}, {1001, 2000}}, {1000, 1001}, {2000}},
        {"a file of both, then one zone's", {{1000, 2000}, {1001}}, {1000, 1001}, {2000}},
        {"the second zone first", {{2000}, {1000}, {2001}}, {1000}, {2000, 2001}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        for (const char* t : {"wld", "zon"}) std::filesystem::create_directories(dir.path() / t);
        write_bytes(dir.file("zon/10.zon"), "#10\nTen~\n1099 10 2\nS\n$~\n");
        write_bytes(dir.file("zon/20.zon"), "#20\nTwenty~\n2099 10 2\nS\n$~\n");
        char name = 'a';
        for (const auto& vnums : c.files) {
            std::string text;
            for (int32_t v : vnums) text += "#" + std::to_string(v) + "\nR~\nR.\n~\n10 0 0\nS\n";
            write_bytes(dir.file(std::string("wld/") + name++ + ".wld"), text + "$\n");
        }
        WorldFolder folder;
        MessageRecorder messages;
        ASSERT_TRUE(read_world_folder(dir.path().string(), folder, messages));
        ASSERT_EQ(folder.zones.size(), 2u);
        const auto vnums = [](const World& z) {
            std::vector<int32_t> out;
            for (const auto& r : z.rooms) out.push_back(r.vnum);
            return out;
        };
        EXPECT_EQ(vnums(folder.zones[0]), c.ten);
        EXPECT_EQ(vnums(folder.zones[1]), c.twenty);
    }
}

// Each long piece of work over a world folder counts its parts up to its
// total, and leaves nothing when its progress asks it to stop.
TEST(WorldFolder, LongWorkReportsItsPartsAndStopsWhenAsked) {
    TempDir dir;
    write_world(dir, false);
    const std::string path = dir.path().string();
    WorldFolder world;
    MessageRecorder messages;
    ASSERT_TRUE(read_world_folder(path, world, messages));
    struct Piece {
        const char* name;
        std::function<bool(WorkProgress*)> made_something;
    };
    const Piece pieces[] = {
        {"read the folder", [&](WorkProgress* p) {
             WorldFolder f;
             return read_world_folder(path, f, messages, p) || !f.zones.empty();
         }},
        {"list its zones", [&](WorkProgress* p) { return !list_world_zones(path, p).empty(); }},
        {"read the other zones", [&](WorkProgress* p) { return read_other_zones(path, 10, p) != nullptr; }},
        {"check them all", [&](WorkProgress* p) { return !check_zones(world.zone_list(), p).empty(); }},
        {"simulate resets", [&](WorkProgress* p) {
             return !simulate_resets(world.zone_list(), {3, true, p}).empty();
         }},
    };
    struct Recorder : WorkProgress {
        int stop_after = -1;  // reports answered "go on"; -1 for all
        std::vector<std::pair<int, int>> seen;
        bool advance(int done, int total, const std::string&) override {
            seen.emplace_back(done, total);
            return stop_after < 0 || int(seen.size()) <= stop_after;
        }
    };
    for (const Piece& piece : pieces) {
        SCOPED_TRACE(piece.name);
        Recorder all;
        EXPECT_TRUE(piece.made_something(&all));
        ASSERT_GE(all.seen.size(), 2u);
        for (size_t i = 0; i < all.seen.size(); ++i) {
            EXPECT_EQ(all.seen[i].second, all.seen[0].second);
            EXPECT_LT(all.seen[i].first, all.seen[i].second);
            if (i) {
                EXPECT_GE(all.seen[i].first, all.seen[i - 1].first);
            }
        }
        Recorder stopping;
        stopping.stop_after = 1;
        EXPECT_FALSE(piece.made_something(&stopping));
        EXPECT_EQ(stopping.seen.size(), 2u);
    }
}

TEST(WorldFolder, AFileThatDoesNotLoadIsNamed) {
    TempDir dir;
    write_world(dir, false);
    write_bytes(dir.file("wld/b.wld"), "#1050\nbroken\n");
    WorldFolder folder;
    MessageRecorder messages;
    ASSERT_TRUE(read_world_folder(dir.path().string(), folder, messages));
    ASSERT_EQ(folder.failures.size(), 1u);
    EXPECT_EQ(native(folder.failures[0]), native(dir.file("wld/b.wld")));
    EXPECT_FALSE(messages.entries.empty());
    EXPECT_FALSE(read_world_folder(dir.file("nowhere"), folder, messages));
}

}  // namespace world_folder_test
}  // namespace tarnwick
