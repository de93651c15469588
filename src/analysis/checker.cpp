#include "analysis/checker.h"

#include "analysis/check_context.h"
#include "world/parallel_for.h"
#include "world/work_progress.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Checks the `checked` zones against an index of every zone in `zones`.
// The simulation of every zone's resets counts as one part per zone, as
// checking one zone does.
std::vector<Finding> run(const std::vector<const World*>& zones, bool whole_world,
                         const std::vector<const World*>& checked, WorkProgress* progress,
                         TextWalk texts) {
    const int total = int(zones.size() + checked.size());
    const ReferenceIndex index(zones, whole_world);
    PartOfWork simulating(progress, 0, int(zones.size()), total);
    const auto simulated =
        simulate_resets(zones, {kCheckedResets, whole_world, progress ? &simulating : nullptr, false});
    if (simulated.empty()) return {};  // asked to stop
    const CheckedResets resets(simulated);
    // Each zone's checks read the shared index and resets only: the zones
    // are checked on every core, their findings joined in zone order.
    std::vector<std::vector<Finding>> found(checked.size());
    const bool finished = parallel_for(
        checked.size(), progress, int(zones.size()), total,
        [&](size_t i) { return "checking zone " + std::to_string(checked[i]->zone.zone_number); },
        [&](size_t i) {
            const World& zone = *checked[i];
            const CheckContext c{zone, index, zone_range(zone), found[i]};
            check_exits(c);
            check_zone_commands(c);
            check_shops(c);
            check_objects_and_mobs(c);
            check_triggers(c);
            if (texts == TextWalk::AsWritten) check_texts(c);
            check_resets(c, resets);
        });
    if (!finished) return {};
    std::vector<Finding> out;
    for (auto& zone : found)
        out.insert(out.end(), std::make_move_iterator(zone.begin()),
                   std::make_move_iterator(zone.end()));
    sort_findings(out);
    return out;
}

}  // namespace

std::vector<Finding> check_zone(const World& zone, WorkProgress* progress, TextWalk texts) {
    return run({&zone}, false, {&zone}, progress, texts);
}

std::vector<Finding> check_zones(const std::vector<const World*>& zones, WorkProgress* progress,
                                 TextWalk texts) {
    return run(zones, true, zones, progress, texts);
}

std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others,
                                      WorkProgress* progress) {
    // The open zone first: the index keeps the first record of a vnum.
    std::vector<const World*> all{&zone};
    all.insert(all.end(), others.begin(), others.end());
    return run(all, true, {&zone}, progress, TextWalk::AsWritten);
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
