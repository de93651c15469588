#pragma once
// What the world holds while zone resets run: every mob and object made so
// far, where each one is, and the state of every door a reset has set. The
// server's counts of live copies per vnum (what "max existing" is checked
// against) and its newest-first object list are kept here too.

#include <array>
#include <cstdint>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

namespace tarnwick {

constexpr int kWearSlots = 18;  // NUM_WEARS of the server

struct SimMob {
    int32_t vnum = 0;
    int32_t room = 0;
    std::vector<int> carrying;  // object ids, in the order they were given
    std::array<int, kWearSlots> worn{};  // object id per wear position, -1 for none
};

// Where an object is. Nowhere: made by a command that could not place it
// (or an O command to room -1); it still counts against the maximum.
enum class SimPlace { Nowhere, Room, Carried, Worn, Inside };

struct SimObject {
    int32_t vnum = 0;
    SimPlace place = SimPlace::Nowhere;
    int32_t holder = -1;  // room vnum, mob id or object id, by `place`
    int wear_position = -1;
    std::vector<int> contents;  // object ids, in the order they were put in
    bool gone = false;          // removed by an R command
};

struct SimRoomContents {
    std::vector<int> mobs;     // mob ids, in load order
    std::vector<int> objects;  // object ids, in load order
};

// A door state as the D command sets it.
enum class DoorState { Open = 0, Closed = 1, Locked = 2 };

class Population {
public:
    // Ids are indexes into mobs() and objects(): the order things were made.
    int load_mob(int32_t vnum, int32_t room);
    int load_object(int32_t vnum);  // made nowhere
    void put_in_room(int object, int32_t room);
    void give(int object, int mob);
    void wear(int object, int mob, int position);
    void put_inside(int object, int container);
    // Removes the object with `vnum` placed in `room` last (the head of the
    // server's room list) and everything inside it; false when none is there.
    bool remove_from_room(int32_t vnum, int32_t room);
    void set_door(int32_t room, int direction, DoorState state);

    // Live copies of a vnum anywhere in the world.
    int mob_count(int32_t vnum) const;
    int object_count(int32_t vnum) const;
    int mobs_in_world() const { return live_mobs_; }
    int objects_in_world() const { return live_objects_; }
    // The newest live object with `vnum` (what the server's get_obj_num
    // finds first), -1 for none.
    int newest_object(int32_t vnum) const;

    const std::vector<SimMob>& mobs() const { return mobs_; }
    const std::vector<SimObject>& objects() const { return objects_; }
    // What stands and lies in `room`; an empty set for a room holding nothing.
    const SimRoomContents& room(int32_t vnum) const;
    // Doors set by D commands, by (room, direction); others are open.
    const std::map<std::pair<int32_t, int>, DoorState>& doors() const { return doors_; }
    DoorState door(int32_t room, int direction) const;

private:
    void extract(int object);

    std::vector<SimMob> mobs_;
    std::vector<SimObject> objects_;
    std::unordered_map<int32_t, SimRoomContents> rooms_;
    std::unordered_map<int32_t, int> mob_counts_;
    // Live object ids per vnum, oldest first.
    std::unordered_map<int32_t, std::vector<int>> objects_by_vnum_;
    std::map<std::pair<int32_t, int>, DoorState> doors_;
    int live_mobs_ = 0, live_objects_ = 0;
};

}  // namespace tarnwick
