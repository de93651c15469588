#include "analysis/finding.h"

#include <algorithm>
#include <tuple>

namespace tarnwick {

const char* severity_name(Severity severity) {
    switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Note: return "note";
    }
    return "note";
}

bool parse_severity(const std::string& word, Severity& out) {
    for (Severity s : {Severity::Error, Severity::Warning, Severity::Note})
        if (word == severity_name(s)) {
            out = s;
            return true;
        }
    return false;
}

const char* record_kind_name(RecordKind kind) {
    switch (kind) {
    case RecordKind::Room: return "room";
    case RecordKind::Mob: return "mob";
    case RecordKind::Object: return "object";
    case RecordKind::Shop: return "shop";
    case RecordKind::Zone: return "zone";
    case RecordKind::ZoneCommand: return "command";
    case RecordKind::Trigger: return "trigger";
    }
    return "room";
}

std::string record_label(const Finding& f) {
    static const char* const titles[] = {"Room", "Mob", "Object", "Shop", "Zone", "Zone", "Trigger"};
    std::string label = std::string(titles[int(f.kind)]) + " #" + std::to_string(f.vnum);
    if (f.kind == RecordKind::ZoneCommand)
        label += " command " + std::to_string(f.command_index + 1);
    return label;
}

void sort_findings(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        return std::tie(a.kind, a.vnum, a.command_index, a.record_line, a.severity, a.check) <
               std::tie(b.kind, b.vnum, b.command_index, b.record_line, b.severity, b.check);
    });
}

SeverityCounts count_by_severity(const std::vector<Finding>& findings) {
    SeverityCounts c;
    for (const auto& f : findings) {
        if (f.severity == Severity::Error) ++c.errors;
        else if (f.severity == Severity::Warning) ++c.warnings;
        else ++c.notes;
    }
    return c;
}

}  // namespace tarnwick
