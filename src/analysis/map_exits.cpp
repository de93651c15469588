#include "analysis/map_exits.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "world/world.h"

namespace tarnwick {

namespace {

std::set<std::pair<int32_t, int>> locked_doors(const World& world) {
    std::set<std::pair<int32_t, int>> out;
    for (const zCommand& c : world.zone.commands)
        if (c.command == 'D' && c.arg3 == 2) out.insert({c.arg1, c.arg2});
    return out;
}

}  // namespace

void list_map_exits(const World& world, MapLayout& layout) {
    const auto locked = locked_doors(world);
    for (size_t i = 0; i < layout.rooms.size(); ++i) {
        const MapRoom& from = layout.rooms[i];
        const room_data& r = world.rooms[size_t(from.room_index)];
        for (int d = 0; d < kDirectionCount; ++d) {
            if (!r.exits[size_t(d)]) continue;
            const room_direction_data& e = *r.exits[size_t(d)];
            MapExit x;
            x.from = int(i);
            x.direction = d;
            x.target_vnum = e.target_vnum;
            x.door = e.door;
            x.locked = locked.count({from.vnum, d}) != 0;
            x.to = layout.find(e.target_vnum);
            if (x.to >= 0) {
                x.target = ExitTarget::InZone;
                const room_data& back = world.rooms[size_t(layout.rooms[size_t(x.to)].room_index)];
                const auto& b = back.exits[size_t(opposite_direction(d))];
                x.two_way = b && b->target_vnum == from.vnum;
                x.straight = step(from.pos, d) == layout.rooms[size_t(x.to)].pos;
            } else if (e.target_vnum < 0) {
                x.target = ExitTarget::Nowhere;
            } else if (e.target_vnum >= layout.zone_bottom && e.target_vnum <= layout.zone_top) {
                x.target = ExitTarget::Missing;
            } else {
                x.target = ExitTarget::OtherZone;
            }
            layout.exits.push_back(x);
        }
    }
}

int MapLayout::find(int32_t vnum) const {
    auto it = std::lower_bound(rooms.begin(), rooms.end(), vnum,
                               [](const MapRoom& r, int32_t v) { return r.vnum < v; });
    return it != rooms.end() && it->vnum == vnum ? int(it - rooms.begin()) : -1;
}

int opposite_direction(int direction) {
    return kOppositeDirection[direction];
}

GridPos step(const GridPos& from, int direction) {
    GridPos p = from;
    switch (direction) {
    case North: --p.y; break;
    case East: ++p.x; break;
    case South: ++p.y; break;
    case West: --p.x; break;
    case Up: ++p.level; break;
    case Down: --p.level; break;
    case Northwest: --p.x; --p.y; break;
    case Northeast: ++p.x; --p.y; break;
    case Southeast: ++p.x; ++p.y; break;
    case Southwest: --p.x; ++p.y; break;
    }
    return p;
}

LayoutQuality measure_layout(const MapLayout& layout) {
    LayoutQuality q;
    q.rooms = int(layout.rooms.size());
    std::map<std::tuple<int, int, int>, int> cells;
    for (const MapRoom& r : layout.rooms) ++cells[{r.pos.level, r.pos.x, r.pos.y}];
    for (const auto& [cell, count] : cells)
        if (count > 1) q.overlapping += count;
    for (const MapExit& e : layout.exits) {
        if (e.direction == Up || e.direction == Down || !e.two_way || e.to == e.from) continue;
        ++q.compass_two_way;
        if (e.straight) ++q.straight;
    }
    return q;
}

}  // namespace tarnwick
