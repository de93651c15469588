#pragma once
// The room editor's logic: one room of the table shown in plain form state
// (name, description, sector, flag checks, exit lines, extra description
// keywords), applied back on "&Ok" or by "Auto apply", and the exit and
// extra description commands, which change the room at once.

#include <optional>
#include <string>
#include <vector>

#include "editors/exit_form.h"
#include "editors/extra_desc_form.h"
#include "editors/trigger_attachments.h"
#include "world/dialect_lists.h"
#include "world/flag_words.h"

namespace tarnwick {

class World;
class Messages;

// One line of the exit list: columns "Direction", "VNum", "Description".
struct ExitLine {
    int direction = 0;
    std::string caption;  // "Norte    ", ...
    std::string vnum;
    std::string name;
};

struct RoomForm {
    std::string vnum;  // Edit2, read-only
    std::string name;  // Edit1
    std::string description;  // Memo1, lines joined by CR LF
    int sector = -1;          // SectorTypeCombo index, -1 none
    std::vector<bool> flags;  // RoomFlags, one check per room flag list entry
    MoreFlags flags_more{};   // roomFlagWord2..4 (tbaMUD)
    TriggerAttachments triggers{kAttachRoom};  // triggerList (tbaMUD)
    std::vector<ExitLine> exits;
    std::vector<std::string> extras;  // DescBox
    int chosen_extra = -1;
    std::string extra_text;  // DescMemo
    bool enabled = false;    // a room is shown: flags and commands usable
};

class RoomEditor {
public:
    RoomEditor(World& world, ListsByDialect lists, Messages& messages);

    RoomForm form;
    // Set by edits of the name, description, sector or a flag.
    bool modified = false;
    bool auto_apply = true;

    int current() const { return current_; }
    bool has_room() const;

    // Shows room `index` (-1 for none); with Auto apply on, pending edits go
    // to the room shown before.
    void show_room(int index);
    // Stores the form into the room; false when no room is shown. Flag bits
    // that the room flag list has no entry for become 0. A name or
    // description too long to be saved is refused with a message and stays
    // pending (`modified` stays set); a changed description gets its final
    // line break.
    bool apply();
    // Forgets pending edits and shows no room.
    void discard();
    // After the room table changed (add, remove, sort, load): follows the
    // shown room to its new index, keeping pending edits; shows none when
    // the room is gone, so its edits never land on another room.
    void table_changed();
    // Rewrites the names of the exit lines' targets (the other zones
    // arrived), keeping every pending edit.
    void refresh_names();

    // Exit commands. Each answers true when it changed the world.
    // "&Add" in direction d: false (after a message) when an exit is there.
    bool can_add_exit(int direction);
    static ExitForm new_exit_form() { return ExitForm{}; }
    // After the exit dialog's OK: creates the exit, offers the symmetric
    // exit when the target is a room of the table.
    bool add_exit(int direction, const ExitForm& form);
    // The direction of an exit line, -1 when `line` names none.
    int line_direction(int line) const;
    // The dialog's form for the exit of a line; nullopt when there is none.
    std::optional<ExitForm> edit_exit_form(int line);
    bool finish_edit_exit(int line, const ExitForm& form);
    bool remove_exit(int line);
    // Double-click: the table index of the line's target room, or -1.
    int exit_target(int line);

    // Adds a sentence about the room's exits as a new last line of the
    // description (a pending edit).
    void insert_exit_descriptions();

    // Extra description commands.
    void choose_extra(int index);
    bool add_extra(const ExtraDescForm& form);
    std::optional<ExtraDescForm> extra_form() const;  // the chosen entry's
    bool modify_extra(const ExtraDescForm& form);
    bool remove_extra();

private:
    room_data* room();
    // Rebuilds the exit and extra description lists from the room, keeping
    // pending edits of the other fields.
    void refresh_lists();

    // The lists of the open zone's dialect.
    const LookupLists& lists() const;

    World& world_;
    ListsByDialect lists_;
    Messages& messages_;
    int current_ = -1;
};

// The sentence "Insert exit &descriptions" adds for `room`; empty (after a
// message where one is due) when none can be made.
std::string exit_description_sentence(const World& world, const room_data& room,
                                      Messages& messages);
// Adds `line` as a new last line of a memo text joined by CR LF.
std::string add_memo_line(const std::string& text, const std::string& line);

}  // namespace tarnwick
