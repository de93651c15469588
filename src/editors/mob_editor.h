#pragma once
// The mob editor's logic: the window's fields as text, show and apply of one
// mob record, the two estimate labels and the Autolevel sliders. The window
// copies widget edits into `fields` and calls the change operations.

#include <functional>
#include <string>
#include <vector>

#include "editors/shown_record.h"
#include "editors/trigger_attachments.h"
#include "world/dialect_lists.h"
#include "world/flag_words.h"

namespace tarnwick {

class World;
class Messages;
struct char_data;

enum class MobSex { Neutral = 0, Male = 1, Female = 2 };

struct MobFields {
    std::string vnum = "0";
    std::string alias, short_name, long_name, descr;
    std::string level = "0", align = "0", ac = "0", thaco = "0";
    std::string hit_dices = "0", hit_sides = "0", hit_add = "0";
    std::string bhd_dices = "0", bhd_sides = "0", bhd_add = "0";
    std::string gold = "0", exp = "0";
    int type_entry = 0;  // 0 "S (Simple)", 1 "E (Enhanced)", -1 none
    std::vector<bool> affects, actions;  // one check per list line
    MoreFlags action_more{}, affect_more{};  // words 2 to 4 (tbaMUD)
    TriggerAttachments triggers{kAttachMobile};
    int load_pos = -1, default_pos = -1; // selected position entries
    MobSex sex = MobSex::Male;
    bool autolevel = false;        // the "Autolevel" check box
    bool autolevel_panel = false;  // the sliders' panel is visible
    int power = 0, endurance = 0, reward = 0;
    std::string hit_label = "Hitpoints: 0";
    std::string damage_label = "Damage per attack: 0";
    bool especs_enabled = true;  // "E-Specs..."
};

inline constexpr int kPowerMin = -5, kPowerMax = 24;
inline constexpr int kEnduranceMin = -10, kEnduranceMax = 30;
inline constexpr int kRewardMin = 0, kRewardMax = 10;

class MobEditor {
public:
    // Reports a change to the world (the default marks world.changed).
    std::function<void()> on_world_changed;

    MobEditor(World& world, ListsByDialect lists, Messages& messages);

    MobFields fields;
    bool auto_apply = true;

    int current() const { return current_; }
    bool modified() const { return modified_; }
    bool shown() const;  // a valid record is shown

    // Called with the index of a record whose list line changed (Apply).
    std::function<void(int)> on_record_applied;

    void show_mob(int index);
    // False when a number field stopped the apply (or nothing is shown), or
    // a text too long to be saved was refused (with a message; it stays
    // pending while the other fields are stored).
    bool apply_mob();
    void update_estimates();
    void set_modified(bool flag) { modified_ = flag; }
    // A field was edited; number fields also refresh the estimates.
    void text_changed(bool number_field);
    // Lines of the two flag lists follow the lookup lists.
    void lists_changed();

    void choose_type(int entry);
    void click_autolevel(bool checked);
    // Slider moves: the rule of a slider runs only when its position changes.
    void move_endurance(int position);
    void move_power(int position);
    void move_reward(int position);

private:
    void touch_world();
    char_data* record();
    void run_endurance_rule();
    void run_power_rule();

    // The lists of the open zone's dialect.
    const LookupLists& lists() const;

    World& world_;
    ListsByDialect lists_;
    Messages& messages_;
    int current_ = -1;
    bool modified_ = false;
    ShownRecord shown_record_;
};

// The E-spec dialog ("Enhanced Mob Specifications") of one mob.
class EspecDialogForm {
public:
    EspecDialogForm(World& world, Messages& messages, int index);
    std::function<void()> on_world_changed;  // as in MobEditor
    std::string id, value;  // SpecCombo, SpecEdit
    int selected = -1;      // line of the list view
    // (Id, Value) lines from head to tail.
    std::vector<std::pair<std::string, std::string>> lines() const;
    void add();
    void remove();

private:
    void touch_world();
    World& world_;
    Messages& messages_;
    int index_;
};

}  // namespace tarnwick
