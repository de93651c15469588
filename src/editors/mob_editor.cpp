#include "editors/mob_editor.h"

#include "editors/field_convert.h"
#include "editors/typed_text.h"
#include "world/flag_layout.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

int position_entry(int32_t value, size_t count) {
    return value >= 0 && size_t(value) < count ? int(value) : -1;
}

// A dice field for the estimates: its integer, or `fallback` when unreadable.
int64_t dice_value(const std::string& text, int32_t fallback) { return int_or(text, fallback); }

std::string range_text(int64_t low, int64_t high) {
    return std::to_string(low) + " -- " + std::to_string(high);
}

}  // namespace

MobEditor::MobEditor(World& world, ListsByDialect lists, Messages& messages)
    : world_(world), lists_(lists), messages_(messages) {
    lists_changed();
}

const LookupLists& MobEditor::lists() const { return lists_.of(world_.dialect); }

bool MobEditor::shown() const { return current_ >= 0 && current_ < world_.mob_count(); }

char_data* MobEditor::record() {
    current_ = shown_record_.locate(world_.mobs, current_);
    return shown() ? &world_.mobs[current_] : nullptr;
}

void MobEditor::lists_changed() {
    fields.affects.assign(lists().mob_affects.size(), false);
    fields.actions.assign(lists().mob_actions.size(), false);
    if (const char_data* m = record()) {
        fields.affects = flag_checks(lists().mob_affects.size(), m->affect_flags, world_.dialect);
        fields.actions = flag_checks(lists().mob_actions.size(), m->action_flags, world_.dialect);
    }
    if (fields.load_pos >= int(lists().load_positions.size())) fields.load_pos = -1;
    if (fields.default_pos >= int(lists().default_positions.size())) fields.default_pos = -1;
}

void MobEditor::show_mob(int index) {
    if (auto_apply && modified_ && record()) apply_mob();
    current_ = index;
    if (shown()) shown_record_.remember(world_.mobs[index].vnum, world_.mob_count());
    if (!shown()) {
        fields.vnum = "0";
        fields.alias.clear();
        fields.short_name.clear();
        fields.long_name.clear();
        fields.descr.clear();
        for (std::string* f : {&fields.level, &fields.align, &fields.ac, &fields.thaco,
                               &fields.hit_dices, &fields.hit_sides, &fields.hit_add,
                               &fields.bhd_dices, &fields.bhd_sides, &fields.bhd_add, &fields.gold,
                               &fields.exp})
            *f = "0";
        fields.autolevel_panel = false;
        fields.autolevel = false;
        fields.hit_label = "Hitpoints: 0";
        fields.damage_label = "Damage per attack: 0";
        current_ = -1;
        fields.sex = MobSex::Male;
        fields.action_more = fields.affect_more = MoreFlags{};
        fields.triggers.load({});
        set_modified(false);
        return;
    }
    const char_data& m = world_.mobs[current_];
    fields.load_pos = position_entry(m.load_pos, lists().load_positions.size());
    fields.default_pos = position_entry(m.default_pos, lists().default_positions.size());
    fields.vnum = num(m.vnum);
    fields.alias = m.alias;
    fields.short_name = m.short_name;
    fields.long_name = m.long_name;
    fields.descr = m.descr;
    fields.level = num(m.level);
    fields.align = num(m.align);
    fields.ac = num(m.ac);
    fields.thaco = num(m.thaco);
    fields.hit_dices = num(m.hit_dices);
    fields.hit_sides = num(m.hit_sides);
    fields.hit_add = num(m.hit_add);
    fields.bhd_dices = num(m.bhd_dices);
    fields.bhd_sides = num(m.bhd_sides);
    fields.bhd_add = num(m.bhd_add);
    fields.gold = num(m.gold);
    fields.exp = num(m.exp);
    fields.sex = m.sex == 1 ? MobSex::Male : m.sex == 2 ? MobSex::Female : MobSex::Neutral;
    // Checking the box moves the sliders as the user's own clicks would: a
    // slider that moves recomputes its dice in the window.
    click_autolevel(m.autolevel);
    // "E-Specs..." follows the type choices only; showing leaves it as it is.
    fields.type_entry = m.enhanced ? 1 : 0;
    update_estimates();
    fields.affects = flag_checks(lists().mob_affects.size(), m.affect_flags, world_.dialect);
    fields.actions = flag_checks(lists().mob_actions.size(), m.action_flags, world_.dialect);
    fields.action_more = m.action_more;
    fields.affect_more = m.affect_more;
    fields.triggers.load(m.triggers);
    set_modified(false);
}

bool MobEditor::apply_mob() {
    char_data* m = record();
    if (!m) return false;
    // Labels as the window shows them; the dice rows' "Sides" and "Add" say
    // which row they belong to.
    const struct {
        const std::string* text;
        int32_t* target;
        const char* label;
    } numbers[] = {
        {&fields.level, &m->level, "Level"},
        {&fields.align, &m->align, "Alignment"},
        {&fields.ac, &m->ac, "AC"},
        {&fields.hit_dices, &m->hit_dices, "Hit dices"},
        {&fields.hit_sides, &m->hit_sides, "Hit sides"},
        {&fields.hit_add, &m->hit_add, "Hit add"},
        {&fields.bhd_dices, &m->bhd_dices, "Damage dices"},
        {&fields.bhd_sides, &m->bhd_sides, "Damage sides"},
        {&fields.bhd_add, &m->bhd_add, "Damage add"},
        {&fields.thaco, &m->thaco, "THAC0"},
        {&fields.gold, &m->gold, "Gold"},
        {&fields.exp, &m->exp, "Experience"},
    };
    for (const auto& [text, target, label] : numbers) {
        auto v = strict_int(*text, label, messages_);
        if (!v) {
            touch_world();
            return false;
        }
        *target = *v;
    }
    // A text too long to be saved stays in its field, still pending; the
    // other fields are stored.
    bool fits = store_text(m->alias, fields.alias, "Mob alias", TextKind::one_line, messages_);
    fits = store_text(m->short_name, fields.short_name, "Mob short description",
                      TextKind::one_line, messages_) &&
           fits;
    fits = store_text(m->long_name, fields.long_name, "Mob long description", TextKind::one_line,
                      messages_) &&
           fits;
    fits = store_text(m->descr, fields.descr, "Mob detailed description", TextKind::description,
                      messages_) &&
           fits;
    m->affect_flags = flags_from_checks(fields.affects, world_.dialect, 0);
    m->action_flags = flags_from_checks(fields.actions, world_.dialect, 0);
    m->action_more = fields.action_more;
    m->affect_more = fields.affect_more;
    fields.triggers.apply(m->triggers);
    m->load_pos = fields.load_pos;
    m->default_pos = fields.default_pos;
    m->sex = int32_t(fields.sex);
    touch_world();
    if (on_record_applied) on_record_applied(current_);
    set_modified(!fits);
    return fits;
}

void MobEditor::update_estimates() {
    const int64_t n0 = dice_value(fields.hit_dices, 0), n = dice_value(fields.hit_dices, 1);
    const int64_t s = dice_value(fields.hit_sides, 1), a = dice_value(fields.hit_add, 1);
    fields.hit_label = "Hitpoints : " + range_text(n0 + a, n * s + a);
    const int64_t bn = dice_value(fields.bhd_dices, 1), bs = dice_value(fields.bhd_sides, 1);
    const int64_t ba = dice_value(fields.bhd_add, 1);
    fields.damage_label = "Damage per attack: " + range_text(bn + ba, bn * bs + ba);
}

void MobEditor::text_changed(bool number_field) {
    set_modified(true);
    if (number_field) update_estimates();
}

void MobEditor::choose_type(int entry) {
    fields.type_entry = entry;
    if (char_data* m = record()) {
        m->enhanced = entry == 1;
        touch_world();
        set_modified(true);
    }
    const char_data* m = record();
    fields.especs_enabled = m && m->enhanced;
}

void MobEditor::click_autolevel(bool checked) {
    fields.autolevel = checked;
    char_data* m = record();
    if (checked && m) {
        fields.autolevel_panel = true;
        m->autolevel = true;
        move_power(m->power);
        move_endurance(m->endurance);
        move_reward(m->reward);
    } else {
        fields.autolevel_panel = false;
        if (m) m->autolevel = false;
    }
}

void MobEditor::move_endurance(int position) {
    if (position == fields.endurance) return;
    fields.endurance = position;
    run_endurance_rule();
}

void MobEditor::move_power(int position) {
    if (position == fields.power) return;
    fields.power = position;
    run_power_rule();
}

void MobEditor::move_reward(int position) {
    fields.reward = position;
    if (char_data* m = record()) m->reward = position;
}

void MobEditor::run_endurance_rule() {
    char_data* m = record();
    if (!m) return;
    auto level = strict_int(fields.level, "Level", messages_);
    if (!level) return;
    const int64_t l = *level, p = fields.endurance;
    fields.hit_dices = std::to_string(l + 1);
    fields.hit_sides = std::to_string(p / 5 + 14);
    fields.hit_add = std::to_string((p + 10) * l + 10);
    set_modified(true);
    update_estimates();
    m->endurance = fields.endurance;
}

void MobEditor::run_power_rule() {
    char_data* m = record();
    if (!m) return;
    auto level = strict_int(fields.level, "Level", messages_);
    if (!level) return;
    const int64_t l = *level, p = fields.power;
    fields.bhd_dices = std::to_string((l + 1) / 3);
    fields.bhd_sides = std::to_string(p + 6);
    fields.bhd_add = std::to_string((l + 1) / 3 + p + 6);
    set_modified(true);
    update_estimates();
    m->power = fields.power;
}

EspecDialogForm::EspecDialogForm(World& world, Messages& messages, int index)
    : world_(world), messages_(messages), index_(index) {}

std::vector<std::pair<std::string, std::string>> EspecDialogForm::lines() const {
    std::vector<std::pair<std::string, std::string>> out;
    if (index_ < 0 || index_ >= world_.mob_count()) return out;
    for (const extra_descr_data& e : world_.mobs[index_].especs)
        out.emplace_back(e.keywords, e.description);
    return out;
}

void EspecDialogForm::add() {
    if (index_ < 0 || index_ >= world_.mob_count()) return;
    if (id.empty() || value.empty()) {
        messages_.show("You must specify both Id and Value for an E-Spec.");
        return;
    }
    char_data& m = world_.mobs[index_];
    m.enhanced = true;
    m.especs.insert(m.especs.begin(), extra_descr_data{id, value});
    touch_world();
}

void EspecDialogForm::remove() {
    if (index_ < 0 || index_ >= world_.mob_count()) return;
    auto& list = world_.mobs[index_].especs;
    if (selected < 0 || selected >= int(list.size())) return;
    list.erase(list.begin() + selected);
    selected = -1;
    touch_world();
}

void EspecDialogForm::touch_world() {
    if (on_world_changed)
        on_world_changed();
    else
        world_.changed = true;
}

void MobEditor::touch_world() {
    if (on_world_changed)
        on_world_changed();
    else
        world_.changed = true;
}

}  // namespace tarnwick
