#pragma once
// A tbaMUD zone's trigger scripts and quests, which live in files of their
// own beside the zone file (found by its name, see trigger_path_for). They
// are read with the zone and written back with it; the quests are kept as
// bytes and written back unchanged.

#include <string>

#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;

// Sets the world's dialect from the zone file before any other file of the
// zone is read (the readers depend on it).
void take_zone_dialect(World& world, const std::string& zone_path);

// Reads the zone's triggers and quests when its files exist; false when a
// trigger file is damaged (its message shown; the triggers before the
// damage are kept).
bool load_zone_scripts(World& world, const std::string& zone_path, Messages& messages);

// Writes the triggers and quests beside `zone_path`: a file whose bytes
// would not change is left alone; nothing is written for a zone that has
// neither. False, after a message, when a file could not be written.
bool save_zone_scripts(World& world, const std::string& zone_path, const FormatSettings& settings,
                       Messages& messages);

}  // namespace tarnwick
