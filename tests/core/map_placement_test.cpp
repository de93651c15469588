// Rooms kept where the builder placed them: kept cells win over the
// automatic layout, new rooms go beside a kept neighbour, clashes part ways,
// and the memory file beside the project reads back what it wrote and skips
// what it cannot read.

#include <gtest/gtest.h>

#include "analysis/map_placement.h"
#include "project/map_memory.h"
#include "world/world.h"

namespace tarnwick {
namespace map_placement_test {

// 100 <-> 101 east/west, 101 <-> 102 east/west, 102 up to 103.
World row() {
    World w;
    w.project_zone_number = 1;
    for (int32_t v : {100, 101, 102, 103}) {
        room_data r;
        r.vnum = v;
        w.rooms.push_back(r);
    }
    auto link = [&](int from, int d, int32_t to) {
        w.rooms[size_t(from)].exits.slot(size_t(d)) = room_direction_data{};
        w.rooms[size_t(from)].exits.slot(size_t(d))->target_vnum = to;
    };
    link(0, East, 101);
    link(1, West, 100);
    link(1, East, 102);
    link(2, West, 101);
    link(2, Up, 103);
    return w;
}

GridPos at(const MapLayout& l, int32_t vnum) { return l.rooms[size_t(l.find(vnum))].pos; }

TEST(MapPlacement, KeptCellsWinAndNewRoomsGoBesideTheirNeighbour) {
    const World w = row();
    struct Case {
        const char* name;
        MapPlacement kept;
        std::vector<std::pair<int32_t, GridPos>> expected;
    };
    const std::vector<Case> cases = {
        {"a moved room stays, the rest beside it along their exits",
         {{100, {0, 0, 0}}, {101, {5, 3, 0}}},
         {{100, {0, 0, 0}}, {101, {5, 3, 0}}, {102, {6, 3, 0}}, {103, {6, 3, 1}}}},
        {"two rooms kept in one cell part ways",
         {{100, {0, 0, 0}}, {101, {0, 0, 0}}, {102, {2, 0, 0}}, {103, {2, 0, 1}}},
         {{100, {0, 0, 0}}, {101, {-1, 0, 0}}, {102, {2, 0, 0}}, {103, {2, 0, 1}}}},
        {"a new room whose cell is taken goes to the nearest free one",
         {{100, {0, 0, 0}}, {101, {1, 0, 0}}, {103, {2, 0, 0}}},
         {{102, {2, -1, 0}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MapLayout layout = lay_out_zone(w);
        place_as_kept(layout, w, c.kept);
        for (const auto& [vnum, cell] : c.expected) {
            const GridPos p = at(layout, vnum);
            EXPECT_EQ(p.x, cell.x) << vnum;
            EXPECT_EQ(p.y, cell.y) << vnum;
            EXPECT_EQ(p.level, cell.level) << vnum;
        }
        // The exits follow the new cells.
        for (const MapExit& e : layout.exits) {
            if (e.to < 0 || e.direction >= Up) continue;
            EXPECT_EQ(e.straight, step(layout.rooms[size_t(e.from)].pos, e.direction) ==
                                      layout.rooms[size_t(e.to)].pos);
        }
    }
    // The cells convert to picture points and back.
    MapLayout layout = lay_out_zone(w);
    double x = 0, y = 0;
    cell_centre(layout, at(layout, 102), x, y);
    EXPECT_EQ(room_in_cell(layout, cell_at(layout, 0, x, y)), layout.find(102));
}

TEST(MapMemory, ReadsBackWhatItWritesAndSkipsWhatItCannotRead) {
    MapMemory m;
    m.view = MapViewState{1, 0.75, 120.5, -40};
    m.placement = {{18600, {0, 0, 0}}, {18601, {-3, 7, 2}}};
    EXPECT_EQ(read_map_memory_text(map_memory_text(m)), m);
    const MapMemory read = read_map_memory_text(
        "view 0 0 10 10\n"        // no zoom: skipped
        "room 18600 1 2\n"        // a number short
        "room 18601 999999 0 0\n" // too far out
        "room x 1 2 3\n"
        "something else\n"
        "room 18602 4 5 -1\n");
    EXPECT_FALSE(read.view);
    EXPECT_EQ(read.placement, (MapPlacement{{18602, {4, 5, -1}}}));
    EXPECT_EQ(map_memory_path("/zones/tarnwick.qzp"), "/zones/tarnwick.map");
    EXPECT_EQ(map_memory_path("/zones.d/tarnwick"), "/zones.d/tarnwick.map");
    EXPECT_EQ(map_memory_path(""), "");
}

}  // namespace map_placement_test
}  // namespace tarnwick
