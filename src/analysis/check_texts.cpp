// The texts of a zone, as the server's loader reads them: each file is
// written as a save would write it and walked by the server-side preflight;
// what it finds, the server refuses or damages.

#include <charconv>

#include "analysis/check_context.h"
#include "analysis/preflight_world.h"
#include "world/format_settings.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// "room #3001" to its kind and vnum; the zone when it names no record.
void place(const PreflightFinding& p, const World& zone, RecordKind& kind, int32_t& vnum) {
    static const std::pair<const char*, RecordKind> kKinds[] = {
        {"room #", RecordKind::Room},     {"mob #", RecordKind::Mob},
        {"mobile #", RecordKind::Mob},    {"object #", RecordKind::Object},
        {"shop #", RecordKind::Shop},     {"zone #", RecordKind::Zone}};
    kind = RecordKind::Zone;
    vnum = zone.zone.zone_number;
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

}  // namespace

void check_texts(const CheckContext& c) {
    const World& w = c.zone;
    const WorldFileNames names{"rooms", "mobiles", "objects", "zone", "shops"};
    for (const PreflightFinding& p : preflight_world(w, FormatSettings{}, names)) {
        RecordKind kind;
        int32_t vnum = 0;
        place(p, w, kind, vnum);
        c.add(Severity::Error, kind, vnum, p.field.empty() ? "text" : p.field,
              p.message, "server-text");
    }
}

}  // namespace tarnwick
