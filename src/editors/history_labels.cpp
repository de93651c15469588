// The labels steps get from what they changed, for the Edit menu and the
// history window.

#include <string>

#include "editors/history.h"

namespace tarnwick {

namespace {

std::string vnum_text(int32_t v) { return "#" + std::to_string(v); }

// The name a builder knows a record by, for "Rename".
std::string& name_of(room_data& r) { return r.name; }
std::string& name_of(char_data& m) { return m.short_name; }
std::string& name_of(obj_record& o) { return o.short_description; }
std::string& name_of(trig_data& t) { return t.name; }
template <class Record>
bool only_name_differs(Record a, Record b) {
    name_of(a) = name_of(b);
    return a == b;
}
bool only_name_differs(const shop_data&, const shop_data&) { return false; }

template <class Record>
std::string describe_run(const TableRun<Record>& run, const std::string& kind) {
    if (run.empty()) return {};
    if (run.before.empty() && run.after.size() == 1)
        return "Add " + kind + " " + vnum_text(run.after[0].vnum);
    if (run.after.empty() && run.before.size() == 1)
        return "Remove " + kind + " " + vnum_text(run.before[0].vnum);
    if (run.before.size() == run.after.size()) {
        std::vector<int32_t> changed;
        for (size_t i = 0; i < run.before.size(); ++i)
            if (!(run.before[i] == run.after[i])) changed.push_back(run.after[i].vnum);
        if (changed.size() == 1) {
            const bool rename = run.before.size() == 1 && run.before[0].vnum == run.after[0].vnum &&
                                only_name_differs(run.before[0], run.after[0]);
            return (rename ? "Rename " : "Edit ") + kind + " " + vnum_text(changed[0]);
        }
        if (changed.size() == 2)
            return "Edit " + kind + "s " + vnum_text(changed[0]) + " and " + vnum_text(changed[1]);
        return "Edit " + std::to_string(changed.size()) + " " + kind + "s";
    }
    if (run.after.size() > run.before.size())
        return "Add " + std::to_string(run.after.size() - run.before.size()) + " " + kind + "s";
    return "Remove " + std::to_string(run.before.size() - run.after.size()) + " " + kind + "s";
}

std::string describe_commands(const TableRun<zCommand>& run) {
    if (run.empty()) return {};
    const size_t b = run.before.size(), a = run.after.size();
    if (a == b + 1 && b == 0) return "Add zone command";
    if (b == a + 1 && a == 0) return "Remove zone command";
    if (a > b) return "Add " + std::to_string(a - b) + " zone commands";
    if (b > a) return "Remove " + std::to_string(b - a) + " zone commands";
    return a == 1 ? "Edit zone command" : "Edit zone commands";
}

}  // namespace

std::string describe_step(const HistoryStep& s) {
    if (s.zone_after && s.zone_before->zone_number != s.zone_after->zone_number)
        return "Renumber zone to " + std::to_string(s.zone_after->zone_number) + "xx";
    std::string label;
    auto add = [&](const std::string& part) {
        if (part.empty()) return;
        label += (label.empty() ? "" : "; ") + part;
    };
    add(describe_run(s.rooms, "room"));
    add(describe_run(s.mobs, "mob"));
    add(describe_run(s.objects, "object"));
    add(describe_run(s.shops, "shop"));
    add(describe_run(s.triggers, "trigger"));
    add(describe_commands(s.commands));
    if (s.zone_after && s.zone_after->reformat && !s.zone_before->reformat)
        return "Re-format zone files";
    if (s.zone_after) {
        ZoneValues renamed = *s.zone_before;
        renamed.name = s.zone_after->name;
        add(renamed == *s.zone_after ? "Rename zone" : "Edit zone header");
    }
    if (s.project_after) add("Edit project properties");
    return label.empty() ? "Change" : label;
}

}  // namespace tarnwick
