#pragma once
// The object editor's logic: the window's fields as text, show and apply of
// one object record, the QuickInfo summary, extra descriptions and the six
// affect slots (both changed in the record at once), and the values dialog.

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editors/shown_record.h"
#include "editors/trigger_attachments.h"
#include "world/flag_words.h"

#include "world/room_record.h"
#include "world/object_types.h"
#include "world/dialect_lists.h"

namespace tarnwick {

class World;
class Messages;
struct Preferences;
struct obj_record;

struct ObjectFields {
    std::string vnum, alias, short_description, long_description, action_description;
    int type_entry = -1;  // entry k is type k + 1; -1 none
    bool type_enabled = false, values_enabled = false;
    bool add_extra_enabled = false, modify_extra_enabled = false, remove_extra_enabled = false;
    std::string weight = "10", cost = "1000", cost_per_day = "200";
    std::vector<bool> extra_checks, wear_checks;
    // tbaMUD: words 2 to 4 of the extra and wear flags, the four affect
    // words, the timer and the attached triggers.
    MoreFlags extra_more{}, wear_more{};
    std::array<int32_t, 4> affect_flags{};
    int32_t timer = 0;
    TriggerAttachments triggers{kAttachObject};
    std::string level, material, durability, initial_durability;
    bool level_enabled = false, material_enabled = false;
    std::vector<std::string> quick_info;
    std::vector<std::string> desc_lines;  // keywords, head to tail
    int desc_selected = -1;
    std::string desc_memo;
    std::vector<std::string> affect_lines;  // six
    int affect_selected = -1;
    int affect_location = -1;  // comboAff selection
    std::string affect_modifier;  // edAff
    bool affect_apply_enabled = false;
};

// The values dialog ("Object Values") laid out for one type.
struct ValuesDialogForm {
    struct Value {
        std::string caption, help;
        ValueKind kind = ValueKind::None;
        std::string text;                 // kind Number
        std::vector<std::string> names;   // kind List
        int selected = -1;                // kind List
        const NameNumberList* list = nullptr;
    };
    std::string caption;
    std::array<int32_t, 4> values{};
    std::array<Value, 4> fields;
};

class ObjectEditor {
public:
    // Reports a change to the world (the default marks world.changed).
    std::function<void()> on_world_changed;

    ObjectEditor(World& world, ListsByDialect lists, const Preferences& preferences,
                 Messages& messages);

    ObjectFields fields;
    bool auto_apply = true;

    int current() const { return current_; }
    bool modified() const { return modified_; }
    bool shown() const;

    std::function<void(int)> on_record_applied;

    void show_object(int index);
    // False when a text too long to be saved was refused (with a message;
    // it stays pending while the other fields are stored).
    bool apply_object();
    // "&Apply": apply, then show the record again.
    void apply_button();
    void set_modified(bool flag) { modified_ = flag; }
    void lists_changed();
    // The level and material fields follow the preferences.
    void preferences_changed();

    // Values dialog: nullopt (after "Error - Item not completed yet!") when
    // no type is chosen; confirm stores the four values.
    std::optional<ValuesDialogForm> edit_values();
    bool confirm_values(ValuesDialogForm& form);

    // Extra descriptions: each changes the record at once, then shows it again.
    void select_extra(int line);
    void add_extra(const extra_descr_data& entry);
    // The entry the "&Modify" button opens: none when no line is selected or
    // the selected entry has no text.
    std::optional<extra_descr_data> extra_to_modify() const;
    void modify_extra(const extra_descr_data& entry);
    void remove_extra();

    // Affect slots.
    void select_affect(int line);
    void affect_edited() { fields.affect_apply_enabled = true; }
    void apply_affect();

private:
    void touch_world();
    obj_record* record();
    void refresh_quick_info(bool warn);
    void rebuild_affect_lines();
    void refresh_field_states();

    // The lists of the open zone's dialect.
    const LookupLists& lists() const;

    World& world_;
    ListsByDialect lists_;
    const Preferences& preferences_;
    Messages& messages_;
    int current_ = -1;
    bool modified_ = false;
    ShownRecord shown_record_;
};

// The summary lines of an object's values (empty for an unknown type), as
// the dialect's values table names them.
std::vector<std::string> quick_info_lines(const obj_record& object,
                                          Dialect d = Dialect::Circle30);

}  // namespace tarnwick
