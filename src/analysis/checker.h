#pragma once
// The zone checker: every broken reference, doubtful door and value out of
// range in one zone, or in every zone of a world at once, as findings.
// Reads the World only. Each check reports to `progress` when given one and
// is empty when it asked to stop.

#include <cstdint>
#include <span>
#include <vector>

#include "analysis/finding.h"
#include "analysis/preflight.h"

namespace tarnwick {

class World;
class WorkProgress;

// Where the checker finds the texts it walks as the server's loader reads
// them: in the files a save would write from the World (the editor, whose
// World may hold edits), or nowhere, when the caller walks the files as
// they lie with check_files_as_read (lint: they are what the server reads).
enum class TextWalk { AsWritten, ByCaller };

// Checks one zone by itself: references outside its vnums are noted, not
// resolved.
std::vector<Finding> check_zone(const World& zone, WorkProgress* progress = nullptr,
                                TextWalk texts = TextWalk::AsWritten);
// Checks every zone of a world: references resolve across all of them, and
// a vnum no zone holds is missing.
std::vector<Finding> check_zones(const std::vector<const World*>& zones,
                                 WorkProgress* progress = nullptr,
                                 TextWalk texts = TextWalk::AsWritten);
// Checks one zone as part of a world whose other zones are `others`:
// references resolve across them all, the findings are the zone's own.
std::vector<Finding> check_zone_among(const World& zone, const std::vector<const World*>& others,
                                      WorkProgress* progress = nullptr);

// The server-side walk of files as they lie, as checker findings naming
// each file and line; a finding that names no record is the zone's
// `zone_number`. A zone file and a rooms file given together are also
// checked against each other (the top over the highest room).
std::vector<Finding> check_files_as_read(std::span<const PreflightInput> files,
                                         int32_t zone_number);

// The findings about trigger `vnum` of `zone` alone (its script, argument
// list and whether anything attaches it), as check_zone (`others` empty) or
// check_zone_among give them: what the trigger editor shows on apply.
std::vector<Finding> check_trigger(const World& zone, const std::vector<const World*>& others,
                                   int32_t vnum);
}  // namespace tarnwick
