#include "editors/object_editor.h"

#include "editors/extra_desc_form.h"
#include "editors/field_convert.h"
#include "editors/typed_text.h"
#include "project/preferences.h"
#include "world/flag_layout.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {


std::vector<std::string> quick_info_lines(const obj_record& o, Dialect dialect) {
    std::vector<std::string> out;
    const ObjectValuesInfo* info = object_values_for(o.type, dialect);
    if (!info) return out;
    out.push_back("Values for Object type " + info->title);
    for (int v = 0; v < 4; ++v) {
        const ValueDescription& d = info->values[v];
        if (d.caption.empty()) continue;
        std::string line = d.caption + " = ";
        if (d.kind == ValueKind::List && d.list) {
            auto name = name_for_number(*d.list, o.values[v]);
            line += name ? *name : num(o.values[v]) + "(none)";
        } else {
            line += num(o.values[v]);
        }
        out.push_back(line);
    }
    return out;
}

ObjectEditor::ObjectEditor(World& world, ListsByDialect lists, const Preferences& preferences,
                           Messages& messages)
    : world_(world), lists_(lists), preferences_(preferences), messages_(messages) {
    lists_changed();
    rebuild_affect_lines();
}

const LookupLists& ObjectEditor::lists() const { return lists_.of(world_.dialect); }

bool ObjectEditor::shown() const { return current_ >= 0 && current_ < world_.object_count(); }

obj_record* ObjectEditor::record() {
    current_ = shown_record_.locate(world_.objects, current_);
    return shown() ? &world_.objects[current_] : nullptr;
}

void ObjectEditor::lists_changed() {
    const obj_record* o = record();
    fields.extra_checks =
        flag_checks(lists().item_effects.size(), o ? o->extra_flags : 0, world_.dialect);
    fields.wear_checks =
        flag_checks(lists().item_wear.size(), o ? o->wear_flags : 0, world_.dialect);
    rebuild_affect_lines();
}

void ObjectEditor::preferences_changed() { refresh_field_states(); }

void ObjectEditor::refresh_field_states() {
    // tbaMUD files always hold an object's level.
    fields.level_enabled =
        shown() && (preferences_.save_obj_levels || world_.dialect == Dialect::TbaMud);
    fields.material_enabled = shown() && preferences_.save_mat_specs;
}

void ObjectEditor::refresh_quick_info(bool warn) {
    fields.quick_info.clear();
    const obj_record* o = record();
    if (!o) return;
    if (!object_type_info(o->type, world_.dialect)) {
        // An unknown type is reported when the object comes into view, not
        // again on every refresh of the same object.
        if (warn) messages_.show("Error! Unknown Object Type!");
        return;
    }
    fields.quick_info = quick_info_lines(*o, world_.dialect);
}

void ObjectEditor::rebuild_affect_lines() {
    fields.affect_lines.assign(kObjectAffectSlots, " Undefined modifier. ");
    const obj_record* o = record();
    if (!o) return;
    for (int i = 0; i < kObjectAffectSlots; ++i) {
        const obj_affect& a = o->affects[i];
        if (a.location <= 0) continue;
        if (size_t(a.location) < lists().item_affects.size())
            fields.affect_lines[i] =
                lists().item_affects[a.location] + " modified " + num(a.modifier);
        else
            fields.affect_lines[i] = " *** Invalid Modifier*** ";
    }
}

void ObjectEditor::show_object(int index) {
    if (auto_apply && modified_ && record()) apply_object();
    const bool fresh = index != current_;
    fields.affect_apply_enabled = false;
    fields.desc_memo.clear();
    fields.desc_lines.clear();
    fields.desc_selected = -1;
    current_ = index;
    if (!shown()) current_ = -1;
    if (shown()) shown_record_.remember(world_.objects[index].vnum, world_.object_count());
    refresh_quick_info(fresh);
    fields.affect_location = -1;
    fields.affect_modifier.clear();
    fields.affect_selected = -1;
    const obj_record* o = record();
    if (!o) {
        fields.vnum.clear();
        fields.alias.clear();
        fields.short_description.clear();
        fields.long_description.clear();
        fields.action_description.clear();
        fields.type_entry = -1;
        fields.type_enabled = fields.values_enabled = false;
        fields.add_extra_enabled = fields.modify_extra_enabled = false;
        fields.remove_extra_enabled = false;
        fields.weight = "10";
        fields.cost = "1000";
        fields.cost_per_day = "200";
        fields.level.clear();
        fields.material.clear();
        fields.durability.clear();
        fields.initial_durability.clear();
        fields.extra_more = fields.wear_more = MoreFlags{};
        fields.affect_flags = {};
        fields.timer = 0;
        fields.triggers.load({});
        rebuild_affect_lines();
        refresh_field_states();
        set_modified(false);
        return;
    }
    fields.vnum = num(o->vnum);
    fields.alias = o->alias;
    fields.short_description = o->short_description;
    fields.long_description = o->long_description;
    fields.action_description = o->action_description;
    fields.type_entry = object_type_info(o->type, world_.dialect) ? o->type - 1 : -1;
    for (const extra_descr_data& e : o->extra_descs) fields.desc_lines.push_back(e.keywords);
    fields.modify_extra_enabled = fields.remove_extra_enabled = false;
    fields.type_enabled = fields.values_enabled = fields.add_extra_enabled = true;
    fields.extra_checks = flag_checks(lists().item_effects.size(), o->extra_flags, world_.dialect);
    fields.wear_checks = flag_checks(lists().item_wear.size(), o->wear_flags, world_.dialect);
    rebuild_affect_lines();
    fields.weight = num(o->weight);
    fields.cost = num(o->cost);
    fields.cost_per_day = num(o->cost_per_day);
    fields.level = num(o->level);
    fields.material = num(o->material);
    fields.durability = num(o->durability);
    fields.initial_durability = num(o->initial_durability);
    fields.extra_more = o->extra_more;
    fields.wear_more = o->wear_more;
    fields.affect_flags = o->affect_flags;
    fields.timer = o->timer;
    fields.triggers.load(o->triggers);
    refresh_field_states();
    set_modified(false);
}

bool ObjectEditor::apply_object() {
    obj_record* o = record();
    if (!modified_ || !o) return true;
    if (fields.alias.empty()) fields.alias = o->alias;
    // A text too long to be saved stays in its field, still pending; the
    // other fields are stored.
    bool fits = store_text(o->alias, fields.alias, "Object alias", TextKind::one_line, messages_);
    fits = store_text(o->short_description, fields.short_description, "Object short description",
                      TextKind::one_line, messages_) &&
           fits;
    fits = store_text(o->long_description, fields.long_description, "Object long description",
                      TextKind::one_line, messages_) &&
           fits;
    fits = store_text(o->action_description, fields.action_description,
                      "Object action description", TextKind::one_line, messages_) &&
           fits;
    o->type = fields.type_entry >= 0 ? fields.type_entry + 1 : 0;
    o->extra_flags = flags_from_checks(fields.extra_checks, world_.dialect, 0);
    o->wear_flags = flags_from_checks(fields.wear_checks, world_.dialect, 0);
    o->cost = int_or(fields.cost, 1000);
    o->cost_per_day = int_or(fields.cost_per_day, 200);
    o->weight = int_or(fields.weight, 10);
    o->level = int_or(fields.level, 0);
    o->material = int_or(fields.material, 0);
    o->durability = int_or(fields.durability, 0);
    o->initial_durability = int_or(fields.initial_durability, 0);
    o->extra_more = fields.extra_more;
    o->wear_more = fields.wear_more;
    o->affect_flags = fields.affect_flags;
    o->timer = fields.timer;
    fields.triggers.apply(o->triggers);
    touch_world();
    if (on_record_applied) on_record_applied(current_);
    modified_ = !fits;
    return fits;
}

void ObjectEditor::apply_button() {
    if (apply_object()) show_object(current_);
}

std::optional<ValuesDialogForm> ObjectEditor::edit_values() {
    const obj_record* o = record();
    if (fields.type_entry < 0 || fields.type_entry >= kObjectTypeCount) {
        messages_.show("Error - Item not completed yet!");
        return std::nullopt;
    }
    ValuesDialogForm form;
    if (o) form.values = o->values;
    const ObjectValuesInfo& info = object_values_table(world_.dialect)[fields.type_entry];
    form.caption = info.title.empty() ? "Values for object" : "Values for object type " + info.title;
    for (int v = 0; v < 4; ++v) {
        const ValueDescription& d = info.values[v];
        ValuesDialogForm::Value& f = form.fields[v];
        f.caption = value_caption_or_default(d, v);
        f.help = d.help;
        f.kind = d.kind;
        if (d.kind == ValueKind::Number) {
            f.text = num(form.values[v]);
        } else if (d.kind == ValueKind::List && d.list) {
            f.list = d.list;
            for (const NameNumber& e : *d.list) f.names.push_back(e.name);
            f.selected = index_for_number(*d.list, form.values[v]);
        } else {
            f.kind = ValueKind::None;
        }
    }
    return form;
}

bool ObjectEditor::confirm_values(ValuesDialogForm& form) {
    for (int v = 0; v < 4; ++v) {
        ValuesDialogForm::Value& f = form.fields[v];
        if (f.kind == ValueKind::Number) {
            auto n = strict_int(f.text, label_of(f.caption), messages_);
            if (!n) return false;  // the dialog stays open
            form.values[v] = *n;
        } else if (f.kind == ValueKind::List) {
            if (f.list && f.selected >= 0 && f.selected < int(f.list->size()))
                form.values[v] = (*f.list)[f.selected].number;
        } else {
            form.values[v] = 0;
        }
    }
    if (obj_record* o = record()) {
        o->values = form.values;
        touch_world();
    }
    show_object(current_);
    set_modified(true);
    return true;
}

void ObjectEditor::select_extra(int line) {
    const obj_record* o = record();
    if (!o || line < 0 || line >= int(o->extra_descs.size())) return;
    fields.desc_selected = line;
    fields.desc_memo = o->extra_descs[line].description;
    fields.modify_extra_enabled = fields.remove_extra_enabled = true;
}

void ObjectEditor::add_extra(const extra_descr_data& entry) {
    obj_record* o = record();
    if (o && add_extra_desc(o->extra_descs, extra_desc_form_of(entry), messages_)) touch_world();
    show_object(current_);
}

std::optional<extra_descr_data> ObjectEditor::extra_to_modify() const {
    if (!shown()) return std::nullopt;
    const obj_record& o = world_.objects[current_];
    const int i = fields.desc_selected;
    if (i < 0 || i >= int(o.extra_descs.size()) || o.extra_descs[i].description.empty())
        return std::nullopt;
    return o.extra_descs[i];
}

void ObjectEditor::modify_extra(const extra_descr_data& entry) {
    obj_record* o = record();
    const int i = fields.desc_selected;
    if (o && modify_extra_desc(o->extra_descs, i, extra_desc_form_of(entry), messages_))
        touch_world();
    show_object(current_);
}

void ObjectEditor::remove_extra() {
    obj_record* o = record();
    const int i = fields.desc_selected;
    if (o && i >= 0 && i < int(o->extra_descs.size())) {
        o->extra_descs.erase(o->extra_descs.begin() + i);
        touch_world();
    }
    show_object(current_);
}

void ObjectEditor::select_affect(int line) {
    const obj_record* o = record();
    fields.affect_selected = line;
    if (o && line >= 0 && line < kObjectAffectSlots) {
        const obj_affect& a = o->affects[line];
        fields.affect_modifier = num(a.modifier);
        fields.affect_location =
            a.location > 0 && size_t(a.location) < lists().item_affects.size() ? a.location : -1;
    }
    fields.affect_apply_enabled = false;
}

void ObjectEditor::apply_affect() {
    fields.affect_apply_enabled = false;
    obj_record* o = record();
    const int i = fields.affect_selected;
    if (o && i >= 0 && i < kObjectAffectSlots) {
        o->affects[i].location = fields.affect_location;
        o->affects[i].modifier = int_or(fields.affect_modifier, 0);
        touch_world();
        rebuild_affect_lines();
    } else {
        fields.affect_selected = -1;
        fields.affect_location = -1;
        fields.affect_modifier.clear();
    }
}

void ObjectEditor::touch_world() {
    if (on_world_changed)
        on_world_changed();
    else
        world_.changed = true;
}

}  // namespace tarnwick
