#pragma once
// Small zones for the reset simulation tests, and their commands written as
// the zone file holds them.

#include <cstdio>
#include <vector>

#include "world/world.h"

namespace tarnwick::test {

// "M 0 1000 1 1001" and so on, as the zone file holds them.
inline void commands(World& w, const std::vector<const char*>& lines) {
    for (const char* line : lines) {
        zCommand c;
        int if_flag = 0;
        std::sscanf(line, " %c %d %d %d %d", &c.command, &if_flag, &c.arg1, &c.arg2, &c.arg3);
        c.if_flag = uint8_t(if_flag);
        w.zone.commands.push_back(c);
    }
    zCommand end;
    end.command = 'S';
    w.zone.commands.push_back(end);
}

// Zone `n`: rooms n00..n04 (n00 east <-> n01 west a door), mobs n00..n04
// (n04 evil), objects n00..n09 (n00 and n01 containers, n09 anti-evil).
inline World zone(int32_t n, int reset_mode = 2) {
    World w;
    w.zone.zone_number = n;
    w.zone.top = n * 100 + 99;
    w.zone.reset_mode = reset_mode;
    for (int i = 0; i < 5; ++i) {
        room_data r;
        r.vnum = n * 100 + i;
        w.rooms.push_back(r);
        char_data m;
        m.vnum = n * 100 + i;
        m.align = i == 4 ? -1000 : 0;
        w.mobs.push_back(m);
    }
    room_direction_data door;
    door.door = 1;
    door.target_vnum = n * 100 + 1;
    w.rooms[0].exits.slot(East) = door;
    door.target_vnum = n * 100;
    w.rooms[1].exits.slot(West) = door;
    for (int i = 0; i < 10; ++i) {
        obj_record o;
        o.vnum = n * 100 + i;
        o.type = i < 2 ? 15 : 9;
        o.extra_flags = i == 9 ? 1 << 10 : 0;
        w.objects.push_back(o);
    }
    return w;
}

}  // namespace tarnwick::test
