#include "analysis/map_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <set>
#include <unordered_map>
#include <utility>

#include "analysis/map_exits.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// How often the tidy-up pass walks an island: each move lowers the cost of
// the rooms it touches, and the bound makes sure it ends.
constexpr int kTidyPasses = 8;

// A room's tie to a neighbour: "`other` lies one step in `direction`",
// from an exit of either room. A firm tie comes from a two-way pair of
// exits, the surest sign of where a room lies.
struct Tie {
    int other;
    int direction;
    bool firm;
};

int64_t cell_key(const GridPos& p) {
    constexpr int64_t kBias = int64_t(1) << 20;
    return ((int64_t(p.level) + kBias) << 42) | ((int64_t(p.x) + kBias) << 21) |
           (int64_t(p.y) + kBias);
}

class Occupancy {
public:
    bool taken(const GridPos& p) const { return cells_.count(cell_key(p)) != 0; }
    int occupant(const GridPos& p) const {
        auto it = cells_.find(cell_key(p));
        return it == cells_.end() ? -1 : it->second;
    }
    void take(const GridPos& p, int room) { cells_[cell_key(p)] = room; }
    void release(const GridPos& p) { cells_.erase(cell_key(p)); }

    // The free cell nearest to `want` on its level (Manhattan rings), the one
    // closest to `near` among equals, the first in ring order among those.
    GridPos nearest_free(const GridPos& want, const GridPos& near) const {
        for (int r = 1;; ++r) {
            GridPos best;
            int best_distance = -1;
            for (int dx = -r; dx <= r; ++dx) {
                const int rest = r - std::abs(dx);
                for (int dy : {-rest, rest}) {
                    const GridPos c{want.x + dx, want.y + dy, want.level};
                    if (!taken(c)) {
                        const int d = std::abs(c.x - near.x) + std::abs(c.y - near.y);
                        if (best_distance < 0 || d < best_distance) {
                            best = c;
                            best_distance = d;
                        }
                    }
                    if (rest == 0) break;
                }
            }
            if (best_distance >= 0) return best;
        }
    }

private:
    std::unordered_map<int64_t, int> cells_;
};

std::vector<std::vector<Tie>> ties_of(const World& world, const std::vector<MapRoom>& rooms,
                                      const MapLayout& layout) {
    std::vector<std::vector<Tie>> out(rooms.size()), incoming(rooms.size());
    for (size_t i = 0; i < rooms.size(); ++i) {
        const room_data& r = world.rooms[size_t(rooms[i].room_index)];
        for (int d = 0; d < kDirectionCount; ++d) {
            if (!r.exits[size_t(d)]) continue;
            const int j = layout.find(r.exits[size_t(d)]->target_vnum);
            if (j < 0 || size_t(j) == i) continue;
            const auto& back =
                world.rooms[size_t(rooms[size_t(j)].room_index)].exits[size_t(opposite_direction(d))];
            const bool firm = back && back->target_vnum == rooms[i].vnum;
            out[i].push_back({j, d, firm});
            incoming[size_t(j)].push_back({int(i), opposite_direction(d), firm});
        }
    }
    // A room's own exits lead; exits into it follow, so a room with no way
    // out still joins the rooms that lead to it.
    for (size_t i = 0; i < rooms.size(); ++i)
        out[i].insert(out[i].end(), incoming[i].begin(), incoming[i].end());
    return out;
}

// What a room's bent ties cost at `at`: a bent two-way pair weighs more,
// as it is the plainest promise of where a room lies.
int bent_ties(const std::vector<Tie>& ties, const GridPos& at, const std::vector<GridPos>& pos) {
    int bent = 0;
    for (const Tie& t : ties)
        if (!(step(at, t.direction) == pos[size_t(t.other)])) bent += t.firm ? 3 : 1;
    return bent;
}

// Tidy up: a room with bent ties moves to the cell beside a neighbour that
// would straighten a tie, when that costs less: into a free cell, or by
// trading places with the room there when the two together gain.
void tidy_island(const std::vector<int>& members, const std::vector<std::vector<Tie>>& ties,
                 std::vector<GridPos>& pos, Occupancy& occupied) {
    std::vector<int> order = members;
    std::sort(order.begin(), order.end());
    auto cost = [&](int room) { return bent_ties(ties[size_t(room)], pos[size_t(room)], pos); };
    for (int pass = 0; pass < kTidyPasses; ++pass) {
        bool moved = false;
        for (int i : order) {
            if (cost(i) == 0) continue;
            for (const Tie& t : ties[size_t(i)]) {
                const GridPos here = pos[size_t(i)];
                const GridPos c = step(pos[size_t(t.other)], opposite_direction(t.direction));
                if (c == here) continue;
                const int other = occupied.occupant(c);
                const int before = cost(i) + (other >= 0 ? cost(other) : 0);
                pos[size_t(i)] = c;
                if (other >= 0) pos[size_t(other)] = here;
                const int after = cost(i) + (other >= 0 ? cost(other) : 0);
                if (after < before) {
                    occupied.take(c, i);
                    if (other >= 0) occupied.take(here, other);
                    else occupied.release(here);
                    moved = true;
                    if (cost(i) == 0) break;
                } else {
                    pos[size_t(i)] = here;
                    if (other >= 0) pos[size_t(other)] = c;
                }
            }
        }
        if (!moved) break;
    }
}

// Places the rooms reached from `start` around (0,0,0), breadth first over
// firm ties; a loose tie (a one-way exit) places a room only when no firm
// tie is left to follow. Answers the rooms of the island.
std::vector<int> place_island(int start, const std::vector<std::vector<Tie>>& ties,
                              std::vector<GridPos>& pos, std::vector<bool>& placed) {
    Occupancy occupied;
    std::vector<int> members;
    std::deque<int> queue;
    std::vector<std::pair<int, Tie>> loose;
    size_t next_loose = 0;
    auto place = [&](int room, GridPos want, const GridPos& near) {
        if (occupied.taken(want)) want = occupied.nearest_free(want, near);
        pos[size_t(room)] = want;
        placed[size_t(room)] = true;
        occupied.take(want, room);
        members.push_back(room);
        queue.push_back(room);
    };
    place(start, GridPos{}, GridPos{});
    while (!queue.empty()) {
        while (!queue.empty()) {
            const int i = queue.front();
            queue.pop_front();
            for (const Tie& t : ties[size_t(i)]) {
                if (placed[size_t(t.other)]) continue;
                if (!t.firm) {
                    loose.push_back({i, t});
                    continue;
                }
                place(t.other, step(pos[size_t(i)], t.direction), pos[size_t(i)]);
            }
        }
        while (next_loose < loose.size()) {
            const auto [i, t] = loose[next_loose++];
            if (placed[size_t(t.other)]) continue;
            place(t.other, step(pos[size_t(i)], t.direction), pos[size_t(i)]);
            break;
        }
    }
    tidy_island(members, ties, pos, occupied);
    return members;
}

// Sets the islands side by side in rows, one empty cell between them.
void pack_islands(const std::vector<std::vector<int>>& islands, std::vector<GridPos>& pos) {
    struct Box {
        int x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    long area = 0;
    int widest = 0;
    for (const auto& members : islands) {
        Box b{pos[size_t(members[0])].x, pos[size_t(members[0])].y, pos[size_t(members[0])].x,
              pos[size_t(members[0])].y};
        for (int i : members) {
            b.x0 = std::min(b.x0, pos[size_t(i)].x);
            b.y0 = std::min(b.y0, pos[size_t(i)].y);
            b.x1 = std::max(b.x1, pos[size_t(i)].x);
            b.y1 = std::max(b.y1, pos[size_t(i)].y);
        }
        boxes.push_back(b);
        area += long(b.x1 - b.x0 + 2) * (b.y1 - b.y0 + 2);
        widest = std::max(widest, b.x1 - b.x0 + 1);
    }
    const int row_width = std::max(widest, int(std::ceil(std::sqrt(double(area)) * 1.4)));
    int x = 0, y = 0, row_height = 0;
    for (size_t k = 0; k < islands.size(); ++k) {
        const Box& b = boxes[k];
        const int w = b.x1 - b.x0 + 1, h = b.y1 - b.y0 + 1;
        if (x > 0 && x + w > row_width) {
            x = 0;
            y += row_height + 1;
            row_height = 0;
        }
        for (int i : islands[k]) {
            pos[size_t(i)].x += x - b.x0;
            pos[size_t(i)].y += y - b.y0;
        }
        x += w + 1;
        row_height = std::max(row_height, h);
    }
}
}  // namespace

MapLayout lay_out_zone(const World& world) {
    MapLayout layout;
    if (world.zone.top > 0) {
        layout.zone_bottom = world.zone.zone_number * 100;
        layout.zone_top = world.zone.top;
    } else {
        layout.zone_bottom = world.project_zone_number * 100;
        layout.zone_top = layout.zone_bottom + 99;
    }
    for (int i = 0; i < world.room_count(); ++i)
        layout.rooms.push_back({world.rooms[size_t(i)].vnum, i, {}, 0});
    std::stable_sort(layout.rooms.begin(), layout.rooms.end(),
                     [](const MapRoom& a, const MapRoom& b) { return a.vnum < b.vnum; });
    // A vnum held twice maps its first room only; the second becomes an
    // island of its own.
    const auto ties = ties_of(world, layout.rooms, layout);

    std::vector<GridPos> pos(layout.rooms.size());
    std::vector<bool> placed(layout.rooms.size(), false);
    std::vector<std::vector<int>> islands;
    for (size_t i = 0; i < layout.rooms.size(); ++i)
        if (!placed[i]) islands.push_back(place_island(int(i), ties, pos, placed));
    pack_islands(islands, pos);

    std::set<int> levels;
    for (size_t k = 0; k < islands.size(); ++k)
        for (int i : islands[k]) {
            layout.rooms[size_t(i)].pos = pos[size_t(i)];
            layout.rooms[size_t(i)].island = int(k);
            levels.insert(pos[size_t(i)].level);
        }
    layout.levels.assign(levels.begin(), levels.end());
    layout.island_count = int(islands.size());
    list_map_exits(world, layout);
    return layout;
}

}  // namespace tarnwick
