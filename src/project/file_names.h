#pragma once
// The names of a project's world files: the standard extension each one gets,
// and where a stored name is found on this machine.

#include <cstdint>
#include <string>

namespace tarnwick {

// Drive and folder of `name` kept, its extension replaced by `extension`
// (lower case, without the dot). A name without a base name gets the zone
// number instead: ("C:\mud\area.txt", "wld") gives "C:\mud\area.wld", and
// ("", "wld") with zone number 30 gives "30.wld". Both '/' and '\' separate
// folders, since project files travel between systems.
std::string normalize_file_name(const std::string& name, const std::string& extension,
                                int32_t zone_number);

// The file part of a name, after its last '/', '\' or drive colon.
std::string bare_file_name(const std::string& name);

// Where the world file a project names is, given the project file's path
// (empty for a project not yet saved: the current folder). A relative name
// is taken from the project's folder; a name found nowhere (such as a path
// of another machine, "C:\mud\castle.wld") is also looked for by its bare
// file name in the project's folder. A name found in neither place answers
// where a save would create it: the name itself, or for a path of another
// system the bare file name in the project's folder. Empty for an empty name.
std::string resolve_world_file(const std::string& name, const std::string& project_path);

// The name the project file at `project_path` stores for the world file
// `name`: a file in the project's folder or below is named relative to that
// folder, with '/' between folders (read alike on Linux and Windows), so that
// a copy of the whole folder names the copied files. Any other name, and a
// name already relative, is stored as it is.
std::string stored_file_name(const std::string& name, const std::string& project_path);

}  // namespace tarnwick
