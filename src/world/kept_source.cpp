#include "world/kept_source.h"

namespace tarnwick {

ZoneHeadValues zone_head_values(const zone_header& zone) {
    return {zone.zone_number, zone.top, zone.lifespan, zone.reset_mode, zone.name};
}

}  // namespace tarnwick
