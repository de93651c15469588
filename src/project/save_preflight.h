#pragma once
// Before a save: what the real server would refuse or damage in the five
// files about to be written, read from the very bytes the writers produce.

#include <string>
#include <vector>

#include "analysis/preflight.h"
#include "formats/zone_file.h"
#include "project/area_project.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;

// The findings for the project's files as they would be saved, named by
// the project's file names. `zone_fields` are committed for the zone text
// only: the world is as it was on return.
std::vector<PreflightFinding> preflight_save(World& world, const AreaProject& project,
                                             const FormatSettings& settings,
                                             const ZoneHeaderFields& zone_fields);

// The question put to the user, naming the zone's server: the findings (at
// most `shown` of them), then "Save anyway?".
std::string preflight_question(const std::vector<PreflightFinding>& findings,
                               Dialect dialect = Dialect::Circle30, size_t shown = 12);

}  // namespace tarnwick
