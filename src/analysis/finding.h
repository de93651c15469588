#pragma once
// One thing the zone checker found: how bad it is, which record and field it
// is about, a message for the builder and the name of the check that found it.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

// Error: the server refuses or disables it. Warning: the game will
// misbehave. Note: worth a look.
enum class Severity { Error = 0, Warning = 1, Note = 2 };

// Zone findings are about the zone header (vnum = zone number); command
// findings name the zone in vnum and the command in `command_index`.
// Trigger findings are about a trigger script (tbaMUD) of the zone.
enum class RecordKind { Room, Mob, Object, Shop, Zone, ZoneCommand, Trigger };

struct Finding {
    Severity severity = Severity::Note;
    RecordKind kind = RecordKind::Room;
    int32_t vnum = 0;
    int command_index = -1;  // position in the zone's command list, commands only
    std::string field;       // "exit.north", "arg1", "keeper", "values[2]"...
    std::string message;
    std::string check;  // "exit-target", "cmd-object"...
    std::string file;   // the file holding the record, when known
    int line = 0;       // its line in that file, 0 when unknown
    // The line within the record (1: its "#" line) the finding is about, 0
    // for the record as a whole; placing the record in its file adds it.
    int record_line = 0;
    bool operator==(const Finding&) const = default;
};

const char* severity_name(Severity severity);  // "error", "warning", "note"
// "error" / "warning" / "note" to a severity; false for any other word.
bool parse_severity(const std::string& word, Severity& out);
const char* record_kind_name(RecordKind kind);  // "room", "mob", ...
// "Room #18605", "Zone #186 command 4".
std::string record_label(const Finding& finding);

// Sorts by record (kind, vnum, command), then line within the record (a
// trigger's script), then severity, then check.
void sort_findings(std::vector<Finding>& findings);

struct SeverityCounts {
    int errors = 0, warnings = 0, notes = 0;
};
SeverityCounts count_by_severity(const std::vector<Finding>& findings);

}  // namespace tarnwick
