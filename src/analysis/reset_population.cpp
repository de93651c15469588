#include "analysis/reset_population.h"

#include <algorithm>

namespace tarnwick {

int Population::load_mob(int32_t vnum, int32_t room) {
    SimMob m;
    m.vnum = vnum;
    m.room = room;
    m.worn.fill(-1);
    mobs_.push_back(m);
    const int id = int(mobs_.size()) - 1;
    rooms_[room].mobs.push_back(id);
    ++mob_counts_[vnum];
    ++live_mobs_;
    return id;
}

int Population::load_object(int32_t vnum) {
    SimObject o;
    o.vnum = vnum;
    objects_.push_back(o);
    const int id = int(objects_.size()) - 1;
    objects_by_vnum_[vnum].push_back(id);
    ++live_objects_;
    return id;
}

void Population::put_in_room(int object, int32_t room) {
    objects_[size_t(object)].place = SimPlace::Room;
    objects_[size_t(object)].holder = room;
    rooms_[room].objects.push_back(object);
}

void Population::give(int object, int mob) {
    objects_[size_t(object)].place = SimPlace::Carried;
    objects_[size_t(object)].holder = mob;
    mobs_[size_t(mob)].carrying.push_back(object);
}

void Population::wear(int object, int mob, int position) {
    objects_[size_t(object)].place = SimPlace::Worn;
    objects_[size_t(object)].holder = mob;
    objects_[size_t(object)].wear_position = position;
    mobs_[size_t(mob)].worn[size_t(position)] = object;
}

void Population::put_inside(int object, int container) {
    objects_[size_t(object)].place = SimPlace::Inside;
    objects_[size_t(object)].holder = container;
    objects_[size_t(container)].contents.push_back(object);
}

bool Population::remove_from_room(int32_t vnum, int32_t room) {
    auto it = rooms_.find(room);
    if (it == rooms_.end()) return false;
    auto& list = it->second.objects;
    for (auto o = list.rbegin(); o != list.rend(); ++o)
        if (objects_[size_t(*o)].vnum == vnum) {
            const int id = *o;
            list.erase(std::next(o).base());
            extract(id);
            return true;
        }
    return false;
}

// Takes the object out of the world with everything inside it.
void Population::extract(int object) {
    SimObject& o = objects_[size_t(object)];
    o.gone = true;
    --live_objects_;
    auto& same = objects_by_vnum_[o.vnum];
    same.erase(std::find(same.begin(), same.end(), object));
    const std::vector<int> inside = o.contents;
    for (int c : inside) extract(c);
}

void Population::set_door(int32_t room, int direction, DoorState state) {
    doors_[{room, direction}] = state;
}

int Population::mob_count(int32_t vnum) const {
    auto it = mob_counts_.find(vnum);
    return it == mob_counts_.end() ? 0 : it->second;
}

int Population::object_count(int32_t vnum) const {
    auto it = objects_by_vnum_.find(vnum);
    return it == objects_by_vnum_.end() ? 0 : int(it->second.size());
}

int Population::newest_object(int32_t vnum) const {
    auto it = objects_by_vnum_.find(vnum);
    return it == objects_by_vnum_.end() || it->second.empty() ? -1 : it->second.back();
}

const SimRoomContents& Population::room(int32_t vnum) const {
    static const SimRoomContents empty;
    auto it = rooms_.find(vnum);
    return it == rooms_.end() ? empty : it->second;
}

DoorState Population::door(int32_t room, int direction) const {
    auto it = doors_.find({room, direction});
    return it == doors_.end() ? DoorState::Open : it->second;
}

}  // namespace tarnwick
