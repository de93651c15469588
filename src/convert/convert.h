#pragma once
// Moving a zone between dialects (CircleMUD 3.0, 3.1, tbaMUD) so that every
// value keeps its meaning for the new server: flags to their new bits, item
// types by name, the zone header given or relieved of the fields its layout
// holds, texts rewritten where the servers read them differently. What the
// target cannot hold is listed in the report as a loss and dropped from the
// result; the caller writes nothing until the builder agrees to the losses.
// Nothing here writes a file.

#include <cstdint>
#include <string>
#include <vector>

#include "convert/conversion_report.h"
#include "world/world.h"

namespace tarnwick {

// Another zone of the same world, for placing this zone's bottom room.
struct ZoneSpan {
    int32_t number = 0;
    int32_t top = 0;
};

struct ConvertContext {
    // tbaMUD's builders line: the project's author; "None." when empty.
    // Going down, a builders line equal to it is no loss.
    std::string builders;
    // The world's other zones (none for a zone on its own).
    std::vector<ZoneSpan> neighbours;
};

// The zone in dialect `to`. Its files are to be written anew: the result
// keeps no bytes of the files as read, which hold the old layout.
World convert_world(const World& in, Dialect to, const ConvertContext& context,
                    ConversionReport& report);

// The spans of the zones `world.other_zones` holds.
std::vector<ZoneSpan> neighbour_spans(const World& world);

// The lowest room vnum a zone read from CircleMUD 3.0 gets in the layouts
// that name one: the zone number's hundred, lowered to its lowest room,
// never below the rooms of the zone before it (the highest top below this
// zone's) nor above its own top, so every room the 3.0 server placed in the
// zone stays inside its bot..top. `why` says how it was chosen.
int32_t fitting_bottom(const World& world, const std::vector<ZoneSpan>& neighbours,
                       std::string& why);

}  // namespace tarnwick
