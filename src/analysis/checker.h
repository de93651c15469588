#pragma once
// The zone checker: every broken reference, doubtful door and value out of
// range in one zone, or in every zone of a world at once, as findings.
// Reads the World only.

#include <cstdint>
#include <vector>

#include "analysis/finding.h"

namespace tarnwick {

class World;

// Checks one zone by itself: references outside its vnums are noted, not
// resolved.
std::vector<Finding> check_zone(const World& zone);
// Checks every zone of a world: references resolve across all of them, and
// a vnum no zone holds is missing.
std::vector<Finding> check_zones(const std::vector<const World*>& zones);
// Checks one zone as part of a world whose other zones are `others`:
// references resolve across them all, the findings are the zone's own.
std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others);
// The findings about trigger `vnum` of `zone` alone (its script, argument
// list and whether anything attaches it), as check_zone (`others` empty) or
// check_zone_among give them: what the trigger editor shows on apply.
std::vector<Finding> check_trigger(const World& zone, const std::vector<const World*>& others,
                                   int32_t vnum);
}  // namespace tarnwick
