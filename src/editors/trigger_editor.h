#pragma once
// The trigger editor's logic (tbaMUD): one trigger of the zone's table shown
// in plain form state - its name, attach type, the events of that attach
// type as checks named as the server names them, the numeric argument, the
// argument list and the script - applied back on "&Ok" or by "Auto apply".
// Applying checks the trigger as the zone checker does; its findings stay
// for the window to show. The script memo's typing help (indentation as
// the blocks go) is here too.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/finding.h"
#include "editors/shown_record.h"

namespace tarnwick {

class World;
class Messages;
struct trig_data;

struct TriggerForm {
    std::string vnum;        // read-only
    std::string name;
    int attach = 0;          // kAttachMobile, kAttachObject, kAttachRoom
    std::vector<bool> types; // one check per event name of the attach type
    int32_t other_types = 0; // set bits the names do not reach, kept as they are
    std::string narg;        // the numeric argument, as typed
    std::string arglist;
    std::string script;      // lines joined by LF
    bool enabled = false;    // a trigger is shown
};

class TriggerEditor {
public:
    TriggerEditor(World& world, Messages& messages);

    TriggerForm form;
    // Set by every edit of a field.
    bool modified = false;
    bool auto_apply = true;

    int current() const { return current_; }
    bool has_trigger() const;

    // Shows trigger `index` (-1 for none); with Auto apply on, pending edits
    // go to the trigger shown before.
    void show_trigger(int index);
    // Another attach type: the checks become that type's events; an event
    // the new type names alike at the same bit stays checked (Global,
    // Random, Command...), the others are cleared.
    void set_attach(int attach);
    // Stores the form into the trigger and checks it; false when none is
    // shown, or (after a message, the edits kept pending) when the numeric
    // argument is no number or a text would not read back: a name or
    // argument list over more than one line, a script line ending in '~'
    // (which ends the script in the file), a text too long.
    bool apply();
    void discard();
    // After the trigger table changed (add, remove, sort, undo): follows the
    // shown trigger to its new index, keeping pending edits; shows none when
    // it is gone.
    void table_changed();

    // What the checker finds in the trigger as last applied (its script, its
    // argument list, whether anything attaches it): the zone's records and,
    // when the zone came from a world folder, the other zones' resolve its
    // vnums.
    const std::vector<Finding>& findings() const { return findings_; }
    // Checks the trigger shown again, as stored.
    void check();

private:
    trig_data* trigger();

    World& world_;
    Messages& messages_;
    int current_ = -1;
    ShownRecord shown_;
    std::vector<Finding> findings_;
};

// Typing help of the script memo, on the script's text up to and including
// the line being typed (`through`):
// the blanks the next line starts with after Enter, its block's depth;
int next_line_blanks(std::string_view through);
// the blanks the line being typed should start with when its first word
// moves it out of the depth it stands at (end, else, elseif, done, case,
// default, break), -1 when it stands right or is no such line.
int retyped_line_blanks(std::string_view through);

}  // namespace tarnwick
