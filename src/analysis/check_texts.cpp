// The texts of a zone, as the server's loader reads them. The editor's
// checker writes each file as a save would write it and walks that; lint
// walks the files as they lie, which is what the server will read. Either
// way what the walk finds, the server refuses or damages.

#include <charconv>

#include "analysis/check_context.h"
#include "analysis/checker.h"
#include "analysis/preflight_world.h"
#include "world/format_settings.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// "room #3001" to its kind and vnum; the zone when it names no record.
void place(const PreflightFinding& p, int32_t zone_number, RecordKind& kind, int32_t& vnum) {
    static const std::pair<const char*, RecordKind> kKinds[] = {
        {"room #", RecordKind::Room},     {"mob #", RecordKind::Mob},
        {"mobile #", RecordKind::Mob},    {"object #", RecordKind::Object},
        {"shop #", RecordKind::Shop},     {"zone #", RecordKind::Zone}};
    kind = RecordKind::Zone;
    vnum = zone_number;
    for (const auto& [prefix, k] : kKinds) {
        const std::string_view head(prefix);
        if (p.record.rfind(head, 0) != 0) continue;
        const char* first = p.record.data() + head.size();
        int32_t number = 0;
        if (std::from_chars(first, p.record.data() + p.record.size(), number).ec == std::errc()) {
            kind = k;
            vnum = number;
        }
        return;
    }
}

Finding finding_of(const PreflightFinding& p, int32_t zone_number) {
    Finding f;
    f.severity = p.warning ? Severity::Warning : Severity::Error;
    place(p, zone_number, f.kind, f.vnum);
    f.field = p.field.empty() ? "text" : p.field;
    f.message = p.message;
    f.check = "server-text";
    return f;
}

}  // namespace

void check_texts(const CheckContext& c) {
    const World& w = c.zone;
    const WorldFileNames names{"rooms", "mobiles", "objects", "zone", "shops"};
    for (const PreflightFinding& p : preflight_world(w, FormatSettings{}, names))
        c.out.push_back(finding_of(p, w.zone.zone_number));
}

std::vector<Finding> check_files_as_read(std::span<const PreflightInput> files,
                                         int32_t zone_number) {
    std::vector<Finding> out;
    for (const PreflightFinding& p : preflight_files(files)) {
        Finding f = finding_of(p, zone_number);
        f.file = p.file;
        f.line = p.line;
        out.push_back(std::move(f));
    }
    return out;
}

}  // namespace tarnwick
