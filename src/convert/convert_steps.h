#pragma once
// The conversion's steps between neighbouring dialects, each over a World
// already copied: the records' values (flags, types, doors, triggers,
// E-specs, object fields) and their texts, between CircleMUD and tbaMUD.

#include <cstdint>

#include "convert/conversion_report.h"

namespace tarnwick {

class World;

// CircleMUD 3.0 to 3.1, which reads the same layout but checks more at boot
// and reads AGGRESSIVE alone: bits without a meaning cleared, a drink
// container's last keyword its drink, shop messages without the formats
// 3.1 refuses, AGGRESSIVE cleared beside an alignment flag. And back.
void records_to_circle31(World& world, ConversionReport& report);
void records_to_circle30(World& world, ConversionReport& report);
// Rooms, mobiles and objects from CircleMUD's layout to tbaMUD's.
void records_to_tbamud(World& world, ConversionReport& report);
// And back: what CircleMUD cannot hold is reported as a loss and dropped.
void records_to_circle(World& world, ConversionReport& report);

// Every text a player sees: '@' doubled for tbaMUD (which reads '@' as a
// colour code); and back, colour codes removed and '@@' made '@', a '~'
// inside a text (which ends it for CircleMUD) removed.
void texts_to_tbamud(World& world, ConversionReport& report);
void texts_to_circle(World& world, ConversionReport& report);

// Records whose text, in the file as read, had a '~' before the end of its
// line: CircleMUD ends the text there and skips the rest of the line,
// tbaMUD reads on; the record is written anew, so both read the same text.
void report_mid_line_tildes(const World& world, ConversionReport& report);

// The highest vnum the server of `d` holds.
int32_t highest_vnum(Dialect d);
// False (a loss reported) when the zone's own vnums go above it; else the
// references above it are dropped, each reported as a loss.
bool keep_to_vnum_limit(World& world, Dialect to, ConversionReport& report);

}  // namespace tarnwick
