#pragma once
// What a simulated reset leaves, as lines a reader walks down: each room
// with the mobs standing there, what each carries and wears, the objects on
// the floor and inside containers, nested, and the room's doors. The
// command-line tool prints them; the window builds its tree from the depths.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/reset_population.h"

namespace tarnwick {

class World;

struct PopulationLine {
    enum class Kind { Room, Mob, Object, Door, Nowhere };
    int depth = 0;  // 0 for a room (or the objects in no room), 1 for what is in it, ...
    Kind kind = Kind::Room;
    int32_t vnum = 0;  // room, mob or object vnum; the room's for a door
    int id = -1;       // the Population id of a mob or object
    std::string text;  // "mob #3000 the baker", "object #3010 a chest (worn at position 5)"
};

// The rooms of `zones` in vnum order. `every_room`: rooms that hold nothing
// and have no door are listed too. Objects made in no place come last,
// under one Nowhere line, when there are any.
std::vector<PopulationLine> population_lines(const std::vector<const World*>& zones,
                                             const Population& population, bool every_room);

// "open", "closed", "locked".
const char* door_state_word(DoorState state);

}  // namespace tarnwick
