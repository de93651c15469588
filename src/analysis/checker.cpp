#include "analysis/checker.h"

#include "analysis/check_context.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Checks the `checked` zones against an index of every zone in `zones`.
std::vector<Finding> run(const std::vector<const World*>& zones, bool whole_world,
                         const std::vector<const World*>& checked) {
    const ReferenceIndex index(zones, whole_world);
    const auto simulated = simulate_resets(zones, {kCheckedResets, whole_world});
    const CheckedResets resets(simulated);
    std::vector<Finding> out;
    for (const World* zone : checked) {
        const CheckContext c{*zone, index, zone_range(*zone), out};
        check_exits(c);
        check_zone_commands(c);
        check_shops(c);
        check_objects_and_mobs(c);
        check_triggers(c);
        check_texts(c);
        check_resets(c, resets);
    }
    sort_findings(out);
    return out;
}

}  // namespace

std::vector<Finding> check_zone(const World& zone) { return run({&zone}, false, {&zone}); }

std::vector<Finding> check_zones(const std::vector<const World*>& zones) {
    return run(zones, true, zones);
}

std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others) {
    // The open zone first: the index keeps the first record of a vnum.
    std::vector<const World*> all{&zone};
    all.insert(all.end(), others.begin(), others.end());
    return run(all, true, {&zone});
}

std::vector<Finding> check_trigger(const World& zone, const std::vector<const World*>& others,
                                   int32_t vnum) {
    std::vector<const World*> all{&zone};
    all.insert(all.end(), others.begin(), others.end());
    const ReferenceIndex index(all, !others.empty());
    std::vector<Finding> out;
    const CheckContext c{zone, index, zone_range(zone), out};
    check_trigger_script(c, vnum);
    sort_findings(out);
    return out;
}

}  // namespace tarnwick
