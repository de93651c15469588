#include "analysis/reference_index.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <string_view>

#include "analysis/trigger_script.h"

namespace tarnwick {

namespace {

// The trigger vnums a script's "attach N ..." lines attach.
std::vector<int32_t> script_attachments(const std::string& script) {
    std::vector<int32_t> out;
    if (script.find("attach ") == std::string::npos) return out;
    for (std::string_view line : script_lines(script)) {
        size_t i = line.find_first_not_of(" \t");
        if (i == std::string_view::npos || line.compare(i, 7, "attach ") != 0) continue;
        i = line.find_first_not_of(' ', i + 7);
        if (i == std::string_view::npos) continue;
        int32_t v = 0;
        size_t digits = 0;
        while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) && digits < 9)
            v = v * 10 + (line[i++] - '0'), ++digits;
        if (digits > 0) out.push_back(v);
    }
    return out;
}

}  // namespace

bool has_zone_header(const World& zone) {
    const auto& z = zone.zone;
    return z.zone_number != 0 || z.top != 0 || !z.name.empty() || !z.commands.empty();
}

ZoneRange zone_range(const World& zone) {
    const int32_t n = zone.zone.zone_number;
    if (has_zone_header(zone)) return {n, n * 100, zone.zone.top};
    // Files without their zone file: the hundreds their records span.
    int32_t low = INT32_MAX, high = INT32_MIN;
    auto span = [&](int32_t v) {
        low = std::min(low, v);
        high = std::max(high, v);
    };
    for (const auto& r : zone.rooms) span(r.vnum);
    for (const auto& m : zone.mobs) span(m.vnum);
    for (const auto& o : zone.objects) span(o.vnum);
    for (const auto& t : zone.triggers) span(t.vnum);
    if (low > high) return {0, 0, -1};
    return {low / 100, low / 100 * 100, high / 100 * 100 + 99};
}

ReferenceIndex::ReferenceIndex(const std::vector<const World*>& zones, bool whole_world)
    : whole_world_(whole_world) {
    for (const World* w : zones) {
        if (has_zone_header(*w)) {
            ZoneRange z = zone_range(*w);
            if (w->dialect == Dialect::TbaMud) z.bottom = w->zone.bot;  // its zone header says
            zones_.push_back(z);
        }
        auto attach = [&](const TriggerList& list) { attached_triggers_.insert(list.begin(), list.end()); };
        for (const auto& r : w->rooms) {
            rooms_.emplace(r.vnum, &r);
            attach(r.triggers);
        }
        for (const auto& o : w->objects) {
            objects_.emplace(o.vnum, &o);
            attach(o.triggers);
        }
        for (const auto& m : w->mobs) {
            mobs_.insert(m.vnum);
            attach(m.triggers);
        }
        for (const auto& t : w->triggers) {
            triggers_.emplace(t.vnum, &t);
            for (int32_t v : script_attachments(t.script)) attached_triggers_.insert(v);
        }
        for (const auto& c : w->zone.commands) {
            if (c.command == 'T') attached_triggers_.insert(c.arg2);
            if (c.command == 'M') loaded_mobs_.insert(c.arg1);
            if (c.command == 'O' || c.command == 'G' || c.command == 'E' || c.command == 'P')
                loaded_objects_.insert(c.arg1);
        }
    }
}

const room_data* ReferenceIndex::room(int32_t vnum) const {
    auto it = rooms_.find(vnum);
    return it == rooms_.end() ? nullptr : it->second;
}

const trig_data* ReferenceIndex::trigger(int32_t vnum) const {
    auto it = triggers_.find(vnum);
    return it == triggers_.end() ? nullptr : it->second;
}

const obj_record* ReferenceIndex::object(int32_t vnum) const {
    auto it = objects_.find(vnum);
    return it == objects_.end() ? nullptr : it->second;
}

Resolved ReferenceIndex::resolve(bool found, int32_t vnum, const ZoneRange& from) const {
    if (found) return Resolved::Found;
    if (!whole_world_ && !from.holds(vnum)) return Resolved::Elsewhere;
    return Resolved::Missing;
}

Resolved ReferenceIndex::resolve_room(int32_t vnum, const ZoneRange& from) const {
    return resolve(room(vnum) != nullptr, vnum, from);
}
Resolved ReferenceIndex::resolve_mob(int32_t vnum, const ZoneRange& from) const {
    return resolve(has_mob(vnum), vnum, from);
}
Resolved ReferenceIndex::resolve_object(int32_t vnum, const ZoneRange& from) const {
    return resolve(object(vnum) != nullptr, vnum, from);
}
Resolved ReferenceIndex::resolve_trigger(int32_t vnum, const ZoneRange& from) const {
    return resolve(trigger(vnum) != nullptr, vnum, from);
}
Resolved ReferenceIndex::resolve_zone(int32_t vnum, const ZoneRange& from) const {
    const bool found = from.holds(vnum) ||
                       std::any_of(zones_.begin(), zones_.end(),
                                   [&](const ZoneRange& z) { return z.holds(vnum); });
    return resolve(found, vnum, from);
}

}  // namespace tarnwick
