#pragma once
// The world-file types the command-line tool knows, chosen by extension.

#include <optional>
#include <string>
#include <vector>

#include "world/format_settings.h"

namespace tarnwick {
class World;
class Messages;
}

namespace tarnwick::cli {

struct Options {
    FormatSettings settings;
    std::optional<int> zone_number;       // --zone-number
    std::vector<std::string> world_files; // --world, for zone files
};

struct FileKind {
    const char* extension;  // ".wld"
    const char* noun;       // "rooms"
    bool (*load)(World&, const std::string& path, const Options&, Messages&);
    bool (*save)(World&, const std::string& path, const Options&, Messages&);
    int (*count)(const World&);
    // The vnum of the first record, for the default project zone number.
    std::optional<int> (*first_vnum)(const World&);
    // Writes one record as the source viewer shows it; false when none has that vnum.
    bool (*show)(const World&, int vnum, const Options&, Messages&, std::string& out);
};

// The kind for a path by its extension (case-insensitive), or nullptr.
const FileKind* kind_of(const std::string& path);
std::string known_extensions();

}  // namespace tarnwick::cli
