// The zone map: grid positions from exits, bent exits after collisions,
// islands, levels, exit targets, the SVG text, and real zones laid out
// without overlaps.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <map>
#include <sstream>

#include "analysis/map_layout.h"
#include "analysis/map_picture.h"
#include "analysis/map_svg.h"
#include "formats/room_file.h"
#include "formats/zone_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace map_layout_test {

// A room line: "VNUM DIR:TARGET DIR:TARGET ..." with DIR one of n e s w u d,
// or 6 to 9 for tbaMUD's diagonals.
World world_of(const std::vector<std::string>& lines) {
    World w;
    w.zone.zone_number = 0;
    w.zone.top = 99;
    for (const std::string& line : lines) {
        std::istringstream in(line);
        room_data r;
        in >> r.vnum;
        std::string exit;
        while (in >> exit) {
            const int d = int(std::string("neswud6789").find(exit[0]));
            room_direction_data e;
            e.target_vnum = std::stoi(exit.substr(2));
            r.exits.slot(size_t(d)) = e;
        }
        w.rooms.push_back(r);
    }
    return w;
}

std::map<int32_t, GridPos> positions(const MapLayout& layout) {
    std::map<int32_t, GridPos> out;
    for (const MapRoom& r : layout.rooms) out[r.vnum] = r.pos;
    return out;
}

struct LayoutCase {
    const char* name;
    std::vector<std::string> rooms;
    std::map<int32_t, GridPos> expected;
    int islands;
    std::vector<int> levels;
    int straight, compass_two_way;
};

const LayoutCase kCases[] = {
    {"grid_3x3",
     {"1 e:2 s:4", "2 w:1 e:3 s:5", "3 w:2 s:6", "4 n:1 e:5 s:7", "5 n:2 w:4 e:6 s:8",
      "6 n:3 w:5 s:9", "7 n:4 e:8", "8 n:5 w:7 e:9", "9 n:6 w:8"},
     {{1, {0, 0, 0}}, {2, {1, 0, 0}}, {3, {2, 0, 0}}, {4, {0, 1, 0}}, {5, {1, 1, 0}},
      {6, {2, 1, 0}}, {7, {0, 2, 0}}, {8, {1, 2, 0}}, {9, {2, 2, 0}}},
     1, {0}, 24, 24},
    // One-way exits still place their rooms; listed out of order on purpose.
    {"one_way_loop",
     {"3 w:4", "1 e:2", "4 n:1", "2 s:3"},
     {{1, {0, 0, 0}}, {2, {1, 0, 0}}, {3, {1, 1, 0}}, {4, {0, 1, 0}}},
     1, {0}, 0, 0},
    // 14 wants the cell of 13: it moves to the nearest free cell and the
    // 12-14 exits are drawn bent.
    {"collision",
     {"10 e:11 s:12", "11 w:10 s:13", "12 n:10 e:14", "13 n:11", "14 w:12"},
     {{10, {0, 0, 0}}, {11, {1, 0, 0}}, {12, {0, 1, 0}}, {13, {1, 1, 0}}, {14, {1, 2, 0}}},
     1, {0}, 6, 8},
    // A room reached only by an exit into it still joins its island.
    {"two_islands",
     {"1 e:2", "2 w:1", "3", "4 s:3"},
     {{1, {0, 0, 0}}, {2, {1, 0, 0}}, {4, {3, 0, 0}}, {3, {3, 1, 0}}},
     2, {0}, 2, 2},
    // Diagonals place their rooms one step away on both axes, drawn straight.
    {"diagonals",
     {"1 e:2 8:3 9:4", "2 w:1", "3 6:1", "4 7:1"},
     {{1, {1, 0, 0}}, {2, {2, 0, 0}}, {3, {2, 1, 0}}, {4, {0, 1, 0}}},
     1, {0}, 6, 6},
    {"levels",
     {"1 u:2 d:4", "2 d:1 n:3", "3 s:2", "4"},
     {{1, {0, 1, 0}}, {2, {0, 1, 1}}, {3, {0, 0, 1}}, {4, {0, 1, -1}}},
     1, {-1, 0, 1}, 2, 2},
};

class MapLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(MapLayoutCases, PlacesRoomsFromTheirExits) {
    const LayoutCase& c = GetParam();
    const World world = world_of(c.rooms);
    const MapLayout layout = lay_out_zone(world);
    const auto got = positions(layout);
    for (const auto& [vnum, pos] : c.expected) {
        ASSERT_TRUE(got.count(vnum)) << vnum;
        EXPECT_EQ(got.at(vnum).x, pos.x) << "room " << vnum;
        EXPECT_EQ(got.at(vnum).y, pos.y) << "room " << vnum;
        EXPECT_EQ(got.at(vnum).level, pos.level) << "room " << vnum;
    }
    EXPECT_EQ(layout.island_count, c.islands);
    EXPECT_EQ(layout.levels, c.levels);
    const LayoutQuality q = measure_layout(layout);
    EXPECT_EQ(q.overlapping, 0);
    EXPECT_EQ(q.straight, c.straight);
    EXPECT_EQ(q.compass_two_way, c.compass_two_way);
    // The same zone gives the same map, and so the same picture.
    const MapLayout again = lay_out_zone(world);
    EXPECT_EQ(positions(again), got);
    for (int level : layout.levels)
        EXPECT_EQ(map_svg(draw_map_level(again, world, level)),
                  map_svg(draw_map_level(layout, world, level)));
}

INSTANTIATE_TEST_SUITE_P(Zones, MapLayoutCases, testing::ValuesIn(kCases),
                         [](const auto& param_info) { return std::string(param_info.param.name); });

TEST(MapLayout, ClassifiesExitTargetsAndLockedDoors) {
    World w = world_of({"1 n:2 e:5000 s:50 w:-1", "2 s:1 u:77"});
    w.rooms[0].exits.slot(North)->door = 1;
    w.zone.commands.push_back({nullptr, 0, 'D', 0, 1, North, 2});
    const MapLayout layout = lay_out_zone(w);
    ASSERT_EQ(layout.exits.size(), 6u);
    struct Want {
        int32_t from;
        int direction;
        ExitTarget target;
        bool two_way, locked;
    };
    const Want wants[] = {{1, North, ExitTarget::InZone, true, true},
                          {1, East, ExitTarget::OtherZone, false, false},
                          {1, South, ExitTarget::Missing, false, false},
                          {1, West, ExitTarget::Nowhere, false, false},
                          {2, South, ExitTarget::InZone, true, false},
                          {2, Up, ExitTarget::Missing, false, false}};
    for (size_t i = 0; i < layout.exits.size(); ++i) {
        const MapExit& e = layout.exits[i];
        EXPECT_EQ(layout.rooms[size_t(e.from)].vnum, wants[i].from) << i;
        EXPECT_EQ(e.direction, wants[i].direction) << i;
        EXPECT_EQ(e.target, wants[i].target) << i;
        EXPECT_EQ(e.two_way, wants[i].two_way) << i;
        EXPECT_EQ(e.locked, wants[i].locked) << i;
    }
    // The picture: one line for the two-way pair, stubs labelled with the
    // target for the exits leaving the zone and the missing room (in red),
    // a door bar with its lock, and the up mark.
    const MapPicture p = draw_map_level(layout, w, 0);
    std::map<ShapeRole, int> roles;
    std::vector<std::string> labels;
    for (const MapShape& s : p.shapes) {
        ++roles[s.role];
        if (s.role == ShapeRole::StubLabel) labels.push_back(s.text + " " + s.fill);
    }
    EXPECT_EQ(roles[ShapeRole::Room], 2);
    EXPECT_EQ(roles[ShapeRole::Exit], 1);
    EXPECT_EQ(roles[ShapeRole::Stub], 3);
    EXPECT_EQ(roles[ShapeRole::Door], 2);
    EXPECT_EQ(roles[ShapeRole::UpDown], 1);
    EXPECT_EQ(labels, (std::vector<std::string>{"5000 #1f4e9c", "50 #d00000"}));
}

TEST(MapSvg, EscapesMarkupAndConvertsTheCodePage) {
    World w = world_of({"1"});
    w.rooms[0].name = "<A & \"B\"> \x80\x01";
    // Numbers keep their decimal point under a decimal-comma locale.
    const bool comma = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    const std::string svg = map_svg(draw_map_level(lay_out_zone(w), w, 0));
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_NE(svg.find("width=\"240.0\""), std::string::npos) << (comma ? "de_DE" : "C") << svg;
    EXPECT_NE(svg.find("&lt;A &amp; &quot;B&quot;&gt; \xE2\x82\xAC?</text>"), std::string::npos)
        << svg;
    EXPECT_EQ(svg.rfind("</svg>\n"), svg.size() - 7);
}

// Every zone of the real corpus: no room shares a cell with another, and
// nine in ten two-way compass exits are drawn straight at unit length.
TEST(MapLayout, RealZonesLayOutWithoutOverlaps) {
    const auto dir = test::corpus_dir() / "circle30";
    if (!std::filesystem::exists(dir / "wld")) GTEST_SKIP() << "no corpus at " << dir;
    MessageRecorder messages;
    int zones = 0, straight = 0, two_way = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir / "wld")) {
        World w;
        const std::string stem = entry.path().stem().string();
        ASSERT_TRUE(load_room_file(w, entry.path().string(), FormatSettings{}, messages)) << stem;
        load_zone_file(w, (dir / "zon" / (stem + ".zon")).string(), messages);
        const MapLayout layout = lay_out_zone(w);
        const LayoutQuality q = measure_layout(layout);
        EXPECT_EQ(q.overlapping, 0) << stem;
        EXPECT_EQ(q.rooms, w.room_count()) << stem;
        straight += q.straight;
        two_way += q.compass_two_way;
        ++zones;
    }
    EXPECT_GT(zones, 0);
    EXPECT_GE(straight * 10, two_way * 9) << straight << " of " << two_way;
}

}  // namespace map_layout_test
}  // namespace tarnwick
