#pragma once
// The zone drawn as a map: every room gets an integer grid cell (x grows
// east, y grows south) and a level (up is +1) from its exits. Rooms one
// compass exit apart sit in neighbouring cells; a room whose cell is taken
// moves to the nearest free cell and the exits that then do not fit are drawn
// bent. Rooms no exit reaches from the lowest room form islands of their own,
// set beside the first. The same world always gives the same map.

#include <cstdint>
#include <vector>

namespace tarnwick {

class World;

struct GridPos {
    int x = 0, y = 0, level = 0;
    bool operator==(const GridPos&) const = default;
};

struct MapRoom {
    int32_t vnum = 0;
    int room_index = 0;  // index in World::rooms
    GridPos pos;
    int island = 0;
};

// Where an exit leads.
enum class ExitTarget {
    InZone,     // a room of this zone
    OtherZone,  // a vnum outside the zone's range
    Missing,    // inside the zone's range, but no such room
    Nowhere,    // target -1: the exit leads nowhere
};

struct MapExit {
    int from = 0;  // index in MapLayout::rooms
    int direction = 0;
    int32_t target_vnum = -1;
    ExitTarget target = ExitTarget::Nowhere;
    int to = -1;           // index in MapLayout::rooms when InZone
    bool two_way = false;  // the target leads back the opposite way
    bool straight = false; // the target sits one step away in this direction
    int door = 0;          // 0 none, 1 door, 2 pick-proof door
    bool locked = false;   // a zone reset closes and locks it
};

struct MapLayout {
    std::vector<MapRoom> rooms;  // by ascending vnum
    std::vector<MapExit> exits;  // by room, then direction
    std::vector<int> levels;     // ascending, each holding at least one room
    int island_count = 0;
    int32_t zone_bottom = 0, zone_top = -1;  // the vnum range counted as the zone

    // Index in `rooms`, or -1.
    int find(int32_t vnum) const;
};

// One step in `direction` (0-3 compass, 4 up, 5 down).
GridPos step(const GridPos& from, int direction);
int opposite_direction(int direction);

MapLayout lay_out_zone(const World& world);

struct LayoutQuality {
    int rooms = 0;
    int compass_two_way = 0;  // compass exits to another room that leads back
    int straight = 0;         // of those, drawn at unit length in their direction
    int overlapping = 0;      // rooms sharing a cell with another room
    double straight_share() const {
        return compass_two_way ? double(straight) / compass_two_way : 1.0;
    }
};

LayoutQuality measure_layout(const MapLayout& layout);

}  // namespace tarnwick
