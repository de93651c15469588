#include "project/zone_top.h"

#include <algorithm>

#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {

bool raise_zone_top(World& world, int32_t room_vnum) {
    const zone_header& z = world.zone;
    const bool has_header = z.zone_number != 0 || z.top != 0 || !z.name.empty();
    if (!has_header || room_vnum <= z.top) return false;
    world.zone.top = room_vnum;
    return true;
}

std::string zone_top_clash(const World& world, int32_t zone_number, int32_t top) {
    if (!world.other_zones) return {};
    const int64_t bottom = int64_t(zone_number) * 100;
    for (const World& other : world.other_zones->zones()) {
        const zone_header& o = other.zone;
        if (o.zone_number == zone_number) continue;
        const int64_t other_bottom = int64_t(o.zone_number) * 100;
        // Ranges [bottom, top] and [other_bottom, o.top] overlap.
        if (int64_t(top) < other_bottom || bottom > int64_t(o.top)) continue;
        std::string name = o.name.empty() ? "" : " (" + o.name + ")";
        return "The top " + std::to_string(top) + " reaches into zone " +
               std::to_string(o.zone_number) + name + ", whose vnums start at " +
               std::to_string(other_bottom) + ". The top stays " + std::to_string(world.zone.top) +
               ".";
    }
    return {};
}

}  // namespace tarnwick
