#include "editors/trigger_editor.h"

#include <algorithm>

#include "analysis/checker.h"
#include "analysis/trigger_script.h"
#include "editors/typed_text.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/scan.h"
#include "world/trigger_types.h"
#include "world/world.h"

namespace tarnwick {

namespace {

std::vector<bool> checks_of(int attach, int32_t types) {
    const auto names = trigger_type_names(attach);
    std::vector<bool> out(names.size(), false);
    for (size_t bit = 0; bit < names.size() && bit < 32; ++bit)
        out[bit] = (uint32_t(types) & (1u << bit)) != 0;
    return out;
}

// The bits past the attach type's names.
int32_t beyond(int attach, int32_t types) {
    const size_t n = trigger_type_names(attach).size();
    return n >= 32 ? 0 : int32_t(uint32_t(types) & ~((1u << n) - 1u));
}

int32_t types_of(const TriggerForm& f) {
    uint32_t bits = uint32_t(f.other_types);
    for (size_t bit = 0; bit < f.types.size() && bit < 32; ++bit)
        if (f.types[bit]) bits |= 1u << bit;
        else bits &= ~(1u << bit);
    return int32_t(bits);
}

// A script line that the file would end the script at, or 0.
int tilde_line(const std::string& script) {
    int n = 0;
    for (std::string_view line : script_lines(script)) {
        ++n;
        if (!line.empty() && line.back() == '~') return n;
    }
    return 0;
}

}  // namespace

TriggerEditor::TriggerEditor(World& world, Messages& messages) : world_(world), messages_(messages) {}

bool TriggerEditor::has_trigger() const {
    return current_ >= 0 && current_ < world_.trigger_count();
}

trig_data* TriggerEditor::trigger() {
    return has_trigger() ? &world_.triggers[size_t(current_)] : nullptr;
}

void TriggerEditor::show_trigger(int index) {
    if (has_trigger() && auto_apply && modified) apply();
    current_ = index >= 0 && index < world_.trigger_count() ? index : -1;
    form = TriggerForm{};
    findings_.clear();
    if (const trig_data* t = trigger()) {
        form.vnum = std::to_string(t->vnum);
        form.name = t->name;
        form.attach = t->attach_type;
        form.types = checks_of(t->attach_type, t->trigger_types);
        form.other_types = beyond(t->attach_type, t->trigger_types);
        form.narg = std::to_string(t->narg);
        form.arglist = t->arglist;
        form.script = t->script;
        form.enabled = true;
        shown_.remember(t->vnum, world_.trigger_count());
        check();
    }
    modified = false;
}

void TriggerEditor::set_attach(int attach) {
    if (attach == form.attach || trigger_type_names(attach).empty()) return;
    const auto before = trigger_type_names(form.attach), after = trigger_type_names(attach);
    std::vector<bool> checks(after.size(), false);
    for (size_t bit = 0; bit < after.size() && bit < before.size(); ++bit)
        checks[bit] = form.types[bit] && std::string_view(before[bit]) == after[bit];
    form.attach = attach;
    form.types = std::move(checks);
    form.other_types = beyond(attach, form.other_types);
    modified = true;
}

bool TriggerEditor::apply() {
    const int at = shown_.locate(world_.triggers, current_);
    if (at < 0) return false;
    current_ = at;
    trig_data& t = world_.triggers[size_t(at)];
    int32_t narg = 0;
    if (!to_int32(form.narg, narg)) {
        messages_.show("The numeric argument must be a whole number.");
        return false;
    }
    for (const auto& [text, field] : {std::pair{&form.name, "Trigger name"},
                                      std::pair{&form.arglist, "Trigger argument list"}})
        if (text->find('\n') != std::string::npos) {
            messages_.show(std::string(field) + " must be one line.");
            return false;
        }
    // Each line ends with its line break, as the file holds it.
    const std::string script = with_final_line_break(with_lf_line_ends(form.script), TextKind::description);
    if (const int line = tilde_line(script)) {
        messages_.show("Line " + std::to_string(line) +
                       " of the script ends with '~', which ends the script in the trigger file: "
                       "the lines after it would be lost.");
        return false;
    }
    for (const auto& [text, field] :
         {std::pair<const std::string*, const char*>{&form.name, "Trigger name"},
          {&form.arglist, "Trigger argument list"}, {&script, "Trigger script"}})
        if (!text_fits(*text, field, messages_)) return false;
    t.name = form.name;
    t.attach_type = form.attach;
    t.trigger_types = types_of(form);
    t.narg = narg;
    t.arglist = form.arglist;
    t.script = script;
    form.script = script;
    shown_.remember(t.vnum, world_.trigger_count());
    modified = false;
    check();
    return true;
}

void TriggerEditor::check() {
    findings_.clear();
    const trig_data* t = trigger();
    if (!t) return;
    const std::vector<const World*> others =
        world_.other_zones ? world_.other_zones->zone_list() : std::vector<const World*>{};
    findings_ = check_trigger(world_, others, t->vnum);
}

void TriggerEditor::discard() {
    modified = false;
    show_trigger(-1);
}

void TriggerEditor::table_changed() {
    if (current_ < 0) return;
    int32_t vnum = 0;
    const int found = to_int32(form.vnum, vnum) ? world_.find_trigger_index(vnum) : -1;
    if (found < 0) {
        modified = false;
        show_trigger(-1);
        return;
    }
    current_ = found;
    shown_.remember(vnum, world_.trigger_count());
}

int next_line_blanks(std::string_view through) {
    std::vector<std::string_view> lines = script_lines(through);
    if (!through.empty() && through.back() == '\n') lines.push_back({});
    lines.push_back("x");  // a command line after the last
    return script_depths(lines).back() * kScriptIndent;
}

int retyped_line_blanks(std::string_view through) {
    const std::vector<std::string_view> lines = script_lines(through);
    if (lines.empty() || (!through.empty() && through.back() == '\n')) return -1;
    switch (script_line_kind(lines.back())) {
    case ScriptLineKind::ElseIf:
    case ScriptLineKind::Else:
    case ScriptLineKind::End:
    case ScriptLineKind::Done:
    case ScriptLineKind::Case:
    case ScriptLineKind::Default:
    case ScriptLineKind::Break: break;
    default: return -1;
    }
    const int want = script_depths(lines).back() * kScriptIndent;
    const std::string_view line = lines.back();
    const int have = int(line.find_first_not_of(" \t") == std::string_view::npos
                             ? line.size()
                             : line.find_first_not_of(" \t"));
    return have == want && line.substr(0, size_t(have)).find('\t') == std::string_view::npos ? -1
                                                                                              : want;
}

}  // namespace tarnwick
