#include "analysis/checker.h"

#include "analysis/check_context.h"
#include "world/parallel_for.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Checks the `checked` zones against an index of every zone in `zones`.
std::vector<Finding> run(const std::vector<const World*>& zones, bool whole_world,
                         const std::vector<const World*>& checked,
                         TextWalk texts = TextWalk::AsWritten) {
    const ReferenceIndex index(zones, whole_world);
    const auto simulated = simulate_resets(zones, {kCheckedResets, whole_world});
    const CheckedResets resets(simulated);
    // Each zone's checks read the shared index and resets only: the zones
    // are checked on every core, their findings joined in zone order.
    std::vector<std::vector<Finding>> found(checked.size());
    parallel_for(checked.size(), [&](size_t i) {
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
    std::vector<Finding> out;
    for (auto& zone : found)
        out.insert(out.end(), std::make_move_iterator(zone.begin()),
                   std::make_move_iterator(zone.end()));
    sort_findings(out);
    return out;
}

}  // namespace

std::vector<Finding> check_zone(const World& zone, TextWalk texts) {
    return run({&zone}, false, {&zone}, texts);
}

std::vector<Finding> check_zones(const std::vector<const World*>& zones, TextWalk texts) {
    return run(zones, true, zones, texts);
}

std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others) {
    // The open zone first: the index keeps the first record of a vnum.
    std::vector<const World*> all{&zone};
    all.insert(all.end(), others.begin(), others.end());
    return run(all, true, {&zone});
}

}  // namespace tarnwick
