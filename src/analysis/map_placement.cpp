#include "analysis/map_placement.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <set>
#include <unordered_map>

#include "analysis/map_exits.h"
#include "analysis/map_picture.h"
#include "world/world.h"

namespace tarnwick {

namespace {

int64_t key_of(const GridPos& p) {
    constexpr int64_t kBias = int64_t(1) << 20;
    return ((int64_t(p.level) + kBias) << 42) | ((int64_t(p.x) + kBias) << 21) |
           (int64_t(p.y) + kBias);
}

// The free cell nearest to `want` on its level, in rings of growing
// Manhattan distance, the first in a fixed order among equals.
GridPos nearest_free(const std::unordered_map<int64_t, int>& taken, const GridPos& want) {
    if (!taken.count(key_of(want))) return want;
    for (int r = 1;; ++r)
        for (int dx = -r; dx <= r; ++dx) {
            const int rest = r - std::abs(dx);
            for (int dy : {-rest, rest}) {
                const GridPos c{want.x + dx, want.y + dy, want.level};
                if (!taken.count(key_of(c))) return c;
                if (rest == 0) break;
            }
        }
}

}  // namespace

MapPlacement placement_of(const MapLayout& layout) {
    MapPlacement out;
    for (const MapRoom& r : layout.rooms) out.emplace(r.vnum, r.pos);
    return out;
}

void place_as_kept(MapLayout& layout, const World& world, const MapPlacement& kept) {
    if (kept.empty()) return;
    std::unordered_map<int64_t, int> taken;
    std::vector<bool> placed(layout.rooms.size(), false);
    std::deque<int> queue;
    // Kept rooms first; two kept in one cell (after an undo) part ways.
    for (size_t i = 0; i < layout.rooms.size(); ++i) {
        auto it = kept.find(layout.rooms[i].vnum);
        if (it == kept.end()) continue;
        const GridPos cell = nearest_free(taken, it->second);
        layout.rooms[i].pos = cell;
        taken[key_of(cell)] = int(i);
        placed[i] = true;
        queue.push_back(int(i));
    }
    // Then the new rooms, breadth first from the placed ones along exits.
    auto place_beside = [&](int room, const GridPos& want) {
        const GridPos cell = nearest_free(taken, want);
        layout.rooms[size_t(room)].pos = cell;
        taken[key_of(cell)] = room;
        placed[size_t(room)] = true;
        queue.push_back(room);
    };
    // incoming[i]: the rooms with an exit into room i, and its direction.
    std::vector<std::vector<std::pair<int, int>>> incoming(layout.rooms.size());
    for (size_t j = 0; j < layout.rooms.size(); ++j) {
        const room_data& o = world.rooms[size_t(layout.rooms[j].room_index)];
        for (int d = 0; d < kDirectionCount; ++d) {
            const int t = o.exits[size_t(d)] ? layout.find(o.exits[size_t(d)]->target_vnum) : -1;
            if (t >= 0) incoming[size_t(t)].push_back({int(j), d});
        }
    }
    size_t next = 0;
    for (;;) {
        while (!queue.empty()) {
            const int i = queue.front();
            queue.pop_front();
            const room_data& r = world.rooms[size_t(layout.rooms[size_t(i)].room_index)];
            for (int d = 0; d < kDirectionCount; ++d) {
                if (!r.exits[size_t(d)]) continue;
                const int j = layout.find(r.exits[size_t(d)]->target_vnum);
                if (j >= 0 && !placed[size_t(j)]) place_beside(j, step(layout.rooms[size_t(i)].pos, d));
            }
            // Rooms that only lead here come along as well.
            for (const auto& [j, d] : incoming[size_t(i)])
                if (!placed[size_t(j)]) place_beside(j, step(layout.rooms[size_t(i)].pos, opposite_direction(d)));
        }
        // A room no placed room is tied to keeps its automatic cell if free.
        while (next < placed.size() && placed[next]) ++next;
        if (next == placed.size()) break;
        place_beside(int(next), layout.rooms[next].pos);
    }
    std::set<int> levels;
    for (const MapRoom& r : layout.rooms) levels.insert(r.pos.level);
    layout.levels.assign(levels.begin(), levels.end());
    layout.exits.clear();
    list_map_exits(world, layout);
}

LevelOrigin level_origin(const MapLayout& layout, int level) {
    LevelOrigin o;
    bool any = false;
    for (const MapRoom& r : layout.rooms) {
        if (r.pos.level != level) continue;
        o.x = any ? std::min(o.x, r.pos.x) : r.pos.x;
        o.y = any ? std::min(o.y, r.pos.y) : r.pos.y;
        any = true;
    }
    return o;
}

GridPos cell_at(const MapLayout& layout, int level, double x, double y) {
    const LevelOrigin o = level_origin(layout, level);
    return {o.x + int(std::floor((x - kMargin) / kCellWidth)),
            o.y + int(std::floor((y - kMargin) / kCellHeight)), level};
}

void cell_centre(const MapLayout& layout, const GridPos& cell, double& x, double& y) {
    const LevelOrigin o = level_origin(layout, cell.level);
    x = kMargin + (cell.x - o.x + 0.5) * kCellWidth;
    y = kMargin + (cell.y - o.y + 0.5) * kCellHeight;
}

int room_in_cell(const MapLayout& layout, const GridPos& cell) {
    for (size_t i = 0; i < layout.rooms.size(); ++i)
        if (layout.rooms[i].pos == cell) return int(i);
    return -1;
}

}  // namespace tarnwick
