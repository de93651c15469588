#pragma once
// Where a zone converted to another dialect is written, and the writing:
// new files beside the old ones (or in a folder of their own), never over
// a file that exists, every record written anew in the new layout.

#include <string>
#include <vector>

#include "project/area_project.h"
#include "world/dialect.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;

// The five world files of a zone (resolved paths); an empty path is not
// written. A tbaMUD zone's triggers go beside its zone file.
struct ZoneFiles {
    std::string zone, rooms, mobs, objects, shops;
};

// The files of `project` (resolved against its project file).
ZoneFiles project_zone_files(const AreaProject& project);

// The project converted to `to`, beside `from`: its project file and every
// world file named with the dialect's key before the extension
// ("castle.wld" -> "castle-tbamud.wld"), in the same folders.
AreaProject converted_project(const AreaProject& from, Dialect to);

// The files of `files` that exist (the trigger file beside the zone file
// included), and the project file itself when `project_path` is set.
std::vector<std::string> existing_outputs(const ZoneFiles& files, Dialect dialect,
                                          const std::string& project_path = {});

// Writes the zone's files in the world's dialect, creating their folders.
// False, after a message, when a text breaks the server's limits (nothing
// is written then) or a file could not be written (the files written
// before it stay).
bool save_zone_files(World& world, const ZoneFiles& files, const FormatSettings& settings,
                     Messages& messages);

// The same for a project: its world files, then its project file.
bool save_converted_project(World& world, const AreaProject& project, Messages& messages);

}  // namespace tarnwick
