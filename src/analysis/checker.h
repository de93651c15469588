#pragma once
// The zone checker: every broken reference, doubtful door and value out of
// range in one zone, or in every zone of a world at once, as findings.
// Reads the World only. Each check reports to `progress` when given one and
// is empty when it asked to stop.

#include <vector>

#include "analysis/finding.h"

namespace tarnwick {

class World;
class WorkProgress;

// Checks one zone by itself: references outside its vnums are noted, not
// resolved.
std::vector<Finding> check_zone(const World& zone, WorkProgress* progress = nullptr);
// Checks every zone of a world: references resolve across all of them, and
// a vnum no zone holds is missing.
std::vector<Finding> check_zones(const std::vector<const World*>& zones,
                                 WorkProgress* progress = nullptr);
// Checks one zone as part of a world whose other zones are `others`:
// references resolve across them all, the findings are the zone's own.
std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others,
                                      WorkProgress* progress = nullptr);
}  // namespace tarnwick
