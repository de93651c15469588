#include "world/world.h"

#include <algorithm>

#include "world/other_zones.h"

namespace tarnwick {

const char* const kNoRoomName = "(not existing or out of zone)";
const char* const kNoMobName = "(no existente)";
const char* const kNoObjectName = "Not existing or outside of zone";

namespace {

template <class T>
int find_vnum(const std::vector<T>& table, int32_t vnum) {
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].vnum == vnum) return int(i);
    return -1;
}

template <class T>
int32_t next_vnum(const std::vector<T>& table, int32_t zone_number) {
    if (table.empty()) return zone_number * 100;
    int32_t top = 0;
    for (const auto& r : table) top = std::max(top, r.vnum);
    return top == INT32_MAX ? top : top + 1;
}

template <class T>
void sort_by_vnum(std::vector<T>& table, size_t count) {
    const auto by_vnum = [](const T& a, const T& b) { return a.vnum < b.vnum; };
    // Files are nearly always in order already; sorting them would still
    // move every record several times.
    if (std::is_sorted(table.begin(), table.begin() + count, by_vnum)) return;
    std::stable_sort(table.begin(), table.begin() + count, by_vnum);
}

// Moves the last record into the vacated slot and re-sorts the rest.
template <class T>
void remove_at(std::vector<T>& table, int index) {
    if (index < 0 || index >= int(table.size())) return;
    if (index != int(table.size()) - 1) {
        table[index] = std::move(table.back());
        table.pop_back();
        sort_by_vnum(table, table.size());
    } else {
        table.pop_back();
    }
}

}  // namespace

int World::find_room(int32_t vnum) const { return find_vnum(rooms, vnum); }
int World::find_mob(int32_t vnum) const { return find_vnum(mobs, vnum); }
int World::find_object(int32_t vnum) const { return find_vnum(objects, vnum); }

int World::find_trigger_index(int32_t vnum) const { return find_vnum(triggers, vnum); }

const trig_data* World::find_trigger(int32_t vnum) const {
    for (const trig_data& t : triggers)
        if (t.vnum == vnum) return &t;
    return nullptr;
}

namespace {
// A record of another zone named as `how` says; `fallback` when there is none.
std::string other_name(const OtherRecord* r, World::OtherZoneName how, const char* fallback) {
    if (!r || how == World::OtherZoneName::None) return fallback;
    return how == World::OtherZoneName::Plain ? r->name : zone_labelled(*r);
}
}  // namespace

std::string World::room_name_of(int32_t vnum, OtherZoneName other) const {
    if (int i = find_room(vnum); i >= 0) return rooms[size_t(i)].name;
    return other_name(other_zones ? other_zones->room(vnum) : nullptr, other, kNoRoomName);
}
std::string World::mob_name_of(int32_t vnum, OtherZoneName other) const {
    if (int i = find_mob(vnum); i >= 0) return mobs[size_t(i)].short_name;
    return other_name(other_zones ? other_zones->mob(vnum) : nullptr, other, kNoMobName);
}
std::string World::object_name_of(int32_t vnum, OtherZoneName other) const {
    if (int i = find_object(vnum); i >= 0) return objects[size_t(i)].short_description;
    return other_name(other_zones ? other_zones->object(vnum) : nullptr, other, kNoObjectName);
}

int32_t World::next_room_vnum() const { return next_vnum(rooms, project_zone_number); }
int32_t World::next_mob_vnum() const { return next_vnum(mobs, project_zone_number); }
int32_t World::next_object_vnum() const { return next_vnum(objects, project_zone_number); }
int32_t World::next_shop_vnum() const { return next_vnum(shops, project_zone_number); }
int32_t World::next_trigger_vnum() const {
    // The zone's own vnums: the one after the highest while it is the
    // zone's, else the first free one, so that a trigger never takes the
    // number of another zone's.
    const int32_t bot = zone.top > 0 ? zone.bot : project_zone_number * 100;
    const int32_t top = zone.top > 0 ? zone.top : bot + 99;
    const int32_t next = next_vnum(triggers, project_zone_number);
    if (triggers.empty()) return std::max(bot, next);
    if (next <= top && next >= bot) return next;
    for (int32_t v = bot; v <= top && v >= bot; ++v)
        if (!find_trigger(v)) return v;
    return next;
}

void World::sort_rooms() { sort_by_vnum(rooms, rooms.size()); }
void World::sort_mobs() { sort_by_vnum(mobs, mobs.size()); }
void World::sort_objects() { sort_by_vnum(objects, objects.size()); }
void World::sort_shops() { sort_by_vnum(shops, shops.size()); }
void World::sort_triggers() { sort_by_vnum(triggers, triggers.size()); }

void World::remove_room(int index) { remove_at(rooms, index); }
void World::remove_mob(int index) { remove_at(mobs, index); }
void World::remove_object(int index) { remove_at(objects, index); }
void World::remove_shop(int index) { remove_at(shops, index); }
void World::remove_trigger(int index) { remove_at(triggers, index); }

void World::clear_zone_header() {
    zone.name.clear();
    zone.builders.clear();
    zone.commands.clear();
}

void World::clear_world() {
    clear_rooms();
    clear_mobs();
    clear_objects();
    clear_shops();
    clear_zone_header();
    captions = {};
    other_zones.reset();
    kept = {};
    triggers.clear();
    quests.reset();
    dialect = Dialect::Circle30;
    reformat = false;
}

}  // namespace tarnwick
