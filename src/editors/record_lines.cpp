#include "editors/record_lines.h"

#include <unordered_set>

#include "editors/selection.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {

std::string record_line(int vnum, const std::string& text) {
    return "#" + std::to_string(vnum) + "   ---   " + text;
}

std::string room_line(const World& w, int i) { return record_line(w.rooms[i].vnum, w.rooms[i].name); }
std::string mob_line(const World& w, int i) { return record_line(w.mobs[i].vnum, w.mobs[i].short_name); }
std::string object_line(const World& w, int i) {
    return record_line(w.objects[i].vnum, w.objects[i].short_description);
}
std::string trigger_line(const World& w, int i) {
    return record_line(w.triggers[size_t(i)].vnum, w.triggers[size_t(i)].name);
}
std::string shop_line(const World& w, int i) {
    return record_line(w.shops[i].vnum, w.mob_name_of(w.shops[i].keeper));
}

namespace {
std::vector<std::string> lines_of(const World& w, int count, std::string (*line)(const World&, int)) {
    std::vector<std::string> out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) out.push_back(line(w, i));
    return out;
}
}  // namespace

std::vector<std::string> room_lines(const World& w) { return lines_of(w, w.room_count(), room_line); }
std::vector<std::string> mob_lines(const World& w) { return lines_of(w, w.mob_count(), mob_line); }
std::vector<std::string> object_lines(const World& w) {
    return lines_of(w, w.object_count(), object_line);
}
std::vector<std::string> shop_lines(const World& w) { return lines_of(w, w.shop_count(), shop_line); }

namespace {
template <class Record>
PickLines pick_lines(const World& w, const std::vector<Record>& own,
                     std::string (*line)(const World&, int),
                     const std::vector<OtherRecord>* others) {
    PickLines out;
    for (size_t i = 0; i < own.size(); ++i) {
        out.lines.push_back(line(w, int(i)));
        out.vnums.push_back(own[i].vnum);
    }
    if (!others) return out;
    // A vnum the open zone holds names the open zone's record.
    const std::unordered_set<int32_t> own_vnums(out.vnums.begin(), out.vnums.end());
    for (const OtherRecord& r : *others) {
        if (own_vnums.count(r.vnum)) continue;
        out.lines.push_back(record_line(r.vnum, zone_labelled(r)));
        out.vnums.push_back(r.vnum);
    }
    return out;
}
}  // namespace

PickLines room_pick_lines(const World& w) {
    return pick_lines(w, w.rooms, room_line, w.other_zones ? &w.other_zones->rooms() : nullptr);
}
PickLines mob_pick_lines(const World& w) {
    return pick_lines(w, w.mobs, mob_line, w.other_zones ? &w.other_zones->mobs() : nullptr);
}
PickLines object_pick_lines(const World& w) {
    return pick_lines(w, w.objects, object_line,
                      w.other_zones ? &w.other_zones->objects() : nullptr);
}

int32_t pick_room_vnum(Chooser& chooser, const World& w) {
    const PickLines pick = room_pick_lines(w);
    return pick.vnum_at(chooser.pick_from_list("Select Room", pick.lines));
}
int32_t pick_mob_vnum(Chooser& chooser, const World& w) {
    const PickLines pick = mob_pick_lines(w);
    return pick.vnum_at(chooser.pick_from_list("Select Mob", pick.lines));
}
int32_t pick_object_vnum(Chooser& chooser, const World& w) {
    const PickLines pick = object_pick_lines(w);
    return pick.vnum_at(chooser.pick_from_list("Select Item", pick.lines));
}

}  // namespace tarnwick
