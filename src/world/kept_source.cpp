#include "world/kept_source.h"

namespace tarnwick {

ZoneHeadValues zone_head_values(const zone_header& zone) {
    return {zone.zone_number, zone.top,       zone.lifespan,   zone.reset_mode,
            zone.name,        zone.bot,       zone.builders,   zone.flags,
            zone.min_level,   zone.max_level, zone.has_flags_line};
}

}  // namespace tarnwick
