#include "bench/map_zone.h"

#include <cstdint>

namespace tarnwick::bench {

namespace {

// A fixed pseudo-random sequence (a linear congruential generator), so every
// run draws the same zone.
struct Sequence {
    uint32_t state = 12345;
    uint32_t next() {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    }
    bool chance(int percent) { return int(next() % 100) < percent; }
};

void link(World& w, int a, int direction, int b, bool both) {
    room_direction_data e;
    e.target_vnum = w.rooms[size_t(b)].vnum;
    w.rooms[size_t(a)].exits[size_t(direction)] = e;
    if (!both) return;
    static constexpr int kBack[] = {South, West, North, East, Down, Up};
    e.target_vnum = w.rooms[size_t(a)].vnum;
    w.rooms[size_t(b)].exits[size_t(kBack[direction])] = e;
}

}  // namespace

World full_capacity_zone() {
    World w;
    w.zone.zone_number = 100;
    w.zone.top = 10999;
    w.project_zone_number = 100;
    constexpr int kColumns = 40, kRows = 25;  // 1,000 rooms
    for (int i = 0; i < kColumns * kRows; ++i) {
        room_data r;
        r.vnum = 10000 + i;
        r.name = "Street " + std::to_string(i);
        r.sector = i % 10;
        w.rooms.push_back(r);
    }
    Sequence seq;
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x) {
            const int i = y * kColumns + x;
            // The streets of the top and left edges are always there, so
            // every room is reached.
            if (x + 1 < kColumns && (y == 0 || seq.chance(75))) link(w, i, East, i + 1, true);
            if (y + 1 < kRows && (x == 0 || seq.chance(75))) link(w, i, South, i + kColumns, true);
            if (seq.chance(3)) link(w, i, North, int(seq.next() % (kColumns * kRows)), false);
            if (seq.chance(2) && !w.rooms[size_t(i)].exits[Up] && i + 7 < kColumns * kRows)
                link(w, i, Up, i + 7, true);
        }
    return w;
}

}  // namespace tarnwick::bench
