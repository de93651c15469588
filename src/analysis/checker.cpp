#include "analysis/checker.h"

#include "analysis/check_context.h"
#include "world/world.h"

namespace tarnwick {

namespace {

std::vector<Finding> run(const std::vector<const World*>& zones, bool whole_world) {
    const ReferenceIndex index(zones, whole_world);
    std::vector<Finding> out;
    for (const World* zone : zones) {
        const CheckContext c{*zone, index, zone_range(*zone), out};
        check_exits(c);
        check_zone_commands(c);
        check_shops(c);
        check_objects_and_mobs(c);
        check_texts(c);
    }
    sort_findings(out);
    return out;
}

}  // namespace

std::vector<Finding> check_zone(const World& zone) { return run({&zone}, false); }

std::vector<Finding> check_zones(const std::vector<const World*>& zones) {
    return run(zones, true);
}

}  // namespace tarnwick
