#pragma once
// The zone file (.zon): header and reset commands.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "world/dialect.h"
#include "world/format_settings.h"
#include "world/kept_source.h"

namespace tarnwick {

class World;
class Messages;
struct zCommand;

// The header fields as the zone editor holds them; saving commits them into
// the zone header. The top is the builder's: it says which vnums the
// zone's resets cover, so it is never recomputed behind the builder's back.
struct ZoneHeaderFields {
    int32_t zone_number = 0;
    std::string name;
    int32_t top = 0;
    int32_t lifespan = 0;
    int32_t reset_mode = 0;
    // The fields of the later dialects' headers. A field left empty keeps
    // the header's own value, so fields made up for the first five alone
    // never clear a bottom, builders, flags or levels read from the file.
    std::optional<int32_t> bot;                     // CircleMUD 3.1, tbaMUD
    std::optional<std::string> builders;            // tbaMUD
    std::optional<std::array<int32_t, 4>> flags;    // tbaMUD
    std::optional<int32_t> min_level, max_level;    // tbaMUD; -1 unset
};

// Fields that show the zone header as it is, every field set.
ZoneHeaderFields zone_header_fields(const World& world);
// Writes the fields into the header.
void commit_zone_header(World& world, const ZoneHeaderFields& fields);

// False when the file could not be opened (the header is left as it was)
// or held an error (its message shown; the header's commands and name are
// then cleared, the numbers read before the error stay).
bool load_zone_file(World& world, const std::string& path, Messages& messages);
// Replaces the header's commands and name with those of `text`.
bool read_zone(World& world, const std::string& text, Messages& messages);
// The same, keeping no copy of the file: a read for reference only, whose
// commands are never saved.
bool read_zone_for_reference(World& world, const std::string& text, Messages& messages);
// Commits `fields` (even when the file cannot be written), then writes
// header and commands; false, after a message, when nothing was saved.
bool save_zone_file(World& world, const std::string& path, const ZoneHeaderFields& fields,
                    const FormatSettings& settings, Messages& messages);
// The whole file as save_zone_file writes it: the header and the commands
// that did not change copied from the file as read (a command's comment
// lines travel with it), the others written anew with LF line ends.
std::string zone_file_text(const World& world, const FormatSettings& settings);
struct WrittenZone {
    std::string bytes;
    std::shared_ptr<KeptZoneFile> kept;
};
WrittenZone zone_file_output(const World& world, const FormatSettings& settings);

std::string long_description(const World& world, const zCommand& command);
std::string short_description(const World& world, const zCommand& command);

// Names used in the descriptions.
std::string wear_position_name(int32_t position);
// The diagonals 6 to 9 are named in a tbaMUD zone only.
std::string direction_name(int32_t direction, Dialect dialect = Dialect::Circle30);
std::string door_state_name(int32_t state);

}  // namespace tarnwick
