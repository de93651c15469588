#include "analysis/checker.h"

#include "analysis/check_context.h"
#include "world/work_progress.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Checks the `checked` zones against an index of every zone in `zones`.
// The simulation of every zone's resets counts as one part per zone, as
// checking one zone does.
std::vector<Finding> run(const std::vector<const World*>& zones, bool whole_world,
                         const std::vector<const World*>& checked, WorkProgress* progress) {
    const int total = int(zones.size() + checked.size());
    const ReferenceIndex index(zones, whole_world);
    PartOfWork simulating(progress, 0, int(zones.size()), total);
    const auto simulated =
        simulate_resets(zones, {kCheckedResets, whole_world, progress ? &simulating : nullptr});
    if (simulated.empty()) return {};  // asked to stop
    const CheckedResets resets(simulated);
    std::vector<Finding> out;
    int done = int(zones.size());
    for (const World* zone : checked) {
        if (!advance(progress, done++, total, "checking zone " + std::to_string(zone->zone.zone_number)))
            return {};
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

std::vector<Finding> check_zone(const World& zone, WorkProgress* progress) {
    return run({&zone}, false, {&zone}, progress);
}

std::vector<Finding> check_zones(const std::vector<const World*>& zones, WorkProgress* progress) {
    return run(zones, true, zones, progress);
}

std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others,
                                      WorkProgress* progress) {
    // The open zone first: the index keeps the first record of a vnum.
    std::vector<const World*> all{&zone};
    all.insert(all.end(), others.begin(), others.end());
    return run(all, true, {&zone}, progress);
}

}  // namespace tarnwick
