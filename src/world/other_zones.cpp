#include "world/other_zones.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Sorted by vnum, one record per vnum: the first in zone order wins.
void settle(std::vector<OtherRecord>& records) {
    std::stable_sort(records.begin(), records.end(),
                     [](const OtherRecord& a, const OtherRecord& b) { return a.vnum < b.vnum; });
    records.erase(std::unique(records.begin(), records.end(),
                              [](const OtherRecord& a, const OtherRecord& b) {
                                  return a.vnum == b.vnum;
                              }),
                  records.end());
}

const OtherRecord* find(const std::vector<OtherRecord>& records, int32_t vnum) {
    auto it = std::lower_bound(records.begin(), records.end(), vnum,
                               [](const OtherRecord& r, int32_t v) { return r.vnum < v; });
    return it != records.end() && it->vnum == vnum ? &*it : nullptr;
}

}  // namespace

std::string zone_labelled(const OtherRecord& record) {
    return record.name + " (zone " + std::to_string(record.zone) + ")";
}

OtherZones::OtherZones(std::vector<World> zones) : zones_(std::move(zones)) {
    std::stable_sort(zones_.begin(), zones_.end(), [](const World& a, const World& b) {
        return a.zone.zone_number < b.zone.zone_number;
    });
    for (const World& z : zones_) {
        const int32_t n = z.zone.zone_number;
        for (const auto& r : z.rooms) rooms_.push_back({r.vnum, n, r.name});
        for (const auto& m : z.mobs) mobs_.push_back({m.vnum, n, m.short_name});
        for (const auto& o : z.objects) objects_.push_back({o.vnum, n, o.short_description});
    }
    settle(rooms_);
    settle(mobs_);
    settle(objects_);
}

std::vector<const World*> OtherZones::zone_list() const {
    std::vector<const World*> list;
    for (const auto& z : zones_) list.push_back(&z);
    return list;
}

const OtherRecord* OtherZones::room(int32_t vnum) const { return find(rooms_, vnum); }
const OtherRecord* OtherZones::mob(int32_t vnum) const { return find(mobs_, vnum); }
const OtherRecord* OtherZones::object(int32_t vnum) const { return find(objects_, vnum); }

}  // namespace tarnwick
