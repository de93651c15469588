#pragma once
// The command dialog ("Comando de Zona") as data: one layout per command
// letter (caption, action, the three fields with their labels, browse
// buttons and choice lists) and the form state the dialog edits.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "world/dialect.h"
#include "world/zone_record.h"

namespace tarnwick {

class Chooser;
class Messages;
class World;

enum class BrowseKind { None, Room, Mob, Object };
enum class ChoiceKind { None, Position, Exit, State, Attach };

struct CommandField {
    bool visible = true;
    const char* label = "";
    BrowseKind browse = BrowseKind::None;
    ChoiceKind choice = ChoiceKind::None;  // a list replaces the number field
    int argument = 1;                      // the argument (1 to 3) the field edits
};

struct CommandLayout {
    char letter;
    const char* caption;
    int action;  // index in kCommandActions
    std::array<CommandField, 3> fields;
};

extern const std::array<const char*, 9> kCommandActions;
// Null for a letter the dialog cannot edit.
const CommandLayout* command_layout(char letter);
// The entries of a choice list (empty for ChoiceKind::None); the exits of
// a tbaMUD zone go on to its four diagonals.
const std::vector<std::string>& choice_entries(ChoiceKind kind, Dialect dialect = Dialect::Circle30);

// The dialog's state while it is open.
struct CommandForm {
    const CommandLayout* layout = nullptr;
    Dialect dialect = Dialect::Circle30;  // of the zone, for its lists
    bool if_flag = true;
    std::array<std::string, 3> fields;  // number text per field (hidden under a list)
    std::array<int, 3> choice{-1, -1, -1};  // list selection per field, -1 none
    // A V command's variable name and value; other letters have none.
    bool has_variable = false;
    std::string var_name, var_value;

    // Fills the form from a command; false (after "Unknown Command.") for a
    // letter without a layout.
    bool open(const zCommand& command, Messages& messages);
    // Choosing a list entry writes its index into the field's number.
    void choose(int field, int index);
    // Browse for the field's record type; a choice leaves the vnum in the
    // field, a cancel leaves the field as it was.
    void browse(int field, Chooser& chooser, const World& world);
    // On OK: if_flag and the three arguments. A field that is empty or no
    // number keeps its argument's previous value. A V command's name must
    // be one word and its value not empty (the server reads no other): a
    // name or value that is not keeps the previous one.
    void apply(zCommand& command) const;
};

}  // namespace tarnwick
