#include "editors/record_lines.h"

#include "editors/selection.h"
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

int32_t pick_room_vnum(Chooser& chooser, const World& w) {
    int p = chooser.pick_from_list("Select Room", room_lines(w));
    return p >= 0 && p < w.room_count() ? w.rooms[p].vnum : -1;
}
int32_t pick_mob_vnum(Chooser& chooser, const World& w) {
    int p = chooser.pick_from_list("Select Mob", mob_lines(w));
    return p >= 0 && p < w.mob_count() ? w.mobs[p].vnum : -1;
}
int32_t pick_object_vnum(Chooser& chooser, const World& w) {
    int p = chooser.pick_from_list("Select Item", object_lines(w));
    return p >= 0 && p < w.object_count() ? w.objects[p].vnum : -1;
}

}  // namespace tarnwick
