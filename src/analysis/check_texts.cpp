// The texts of a zone, as the server's loader reads them: each file is
// written as a save would write it and walked by the server-side preflight;
// what it finds, the server refuses or damages.

#include <charconv>

#include "analysis/check_context.h"
#include "analysis/preflight.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "world/messages.h"
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
    const FormatSettings settings;
    SilentMessages silent;
    const std::string rooms = room_file_text(w, settings);
    const std::string mobs = mob_file_text(w, settings);
    const std::string objects = object_file_text(w, settings, silent);
    const std::string shops = write_shops_v3(w);
    const std::string zone = zone_file_text(w, settings);
    const PreflightInput inputs[] = {
        {WorldFileKind::rooms, "rooms", rooms},     {WorldFileKind::mobiles, "mobiles", mobs},
        {WorldFileKind::objects, "objects", objects}, {WorldFileKind::zone, "zone", zone},
        {WorldFileKind::shops, "shops", shops}};
    for (const PreflightFinding& p : preflight_files(inputs)) {
        RecordKind kind;
        int32_t vnum = 0;
        place(p, w, kind, vnum);
        c.add(Severity::Error, kind, vnum, p.field.empty() ? "text" : p.field,
              p.message, "server-text");
    }
}

}  // namespace tarnwick
