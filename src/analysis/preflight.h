#pragma once
// What the real server would refuse or damage in a world file that our own
// readers accept: the bytes are walked as the server reads them (its 256-byte
// line buffer, its 512-byte text line buffer, its 8,192-byte text buffer, its
// end-of-file and record rules). Reads only; every finding names the file,
// the line and the record.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "world/dialect.h"

namespace tarnwick {

enum class WorldFileKind { rooms, mobiles, objects, zone, shops };

struct PreflightFinding {
    std::string file;     // as the caller named it
    int line = 0;         // 1-based line of the file; 0 for the file as a whole
    std::string record;   // "room #3001", "zone #30"; empty before the first record
    std::string field;    // "description", "gold/experience line"; empty when none
    std::string message;
    // What the server refuses only under some of its settings (tbaMUD's
    // diagonal exits): lint shows it as a warning, a save does not ask.
    bool warning = false;
    bool operator==(const PreflightFinding&) const = default;
};

struct PreflightInput {
    WorldFileKind kind;
    std::string file;
    std::string_view bytes;
    // The server the file is for: each reads its own layout and limits.
    Dialect dialect = Dialect::Circle30;
};

// The kind of a world file by its extension (.wld .mob .obj .zon .shp).
std::optional<WorldFileKind> world_file_kind(std::string_view path);

// Everything the server would refuse or damage in one file.
std::vector<PreflightFinding> preflight_file(const PreflightInput& input);

// Each file alone, then, when the files hold one zone file and one rooms
// file, the zone's top against the highest room vnum (and, for CircleMUD 3.1
// and tbaMUD, its bot against the lowest).
std::vector<PreflightFinding> preflight_files(std::span<const PreflightInput> inputs);

// "30.wld line 57, room #3001, description: MESSAGE"
std::string describe(const PreflightFinding& finding);

}  // namespace tarnwick
