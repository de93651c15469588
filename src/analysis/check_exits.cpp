// Exits and doors: where they lead, whether the way back exists, whether the
// two sides of a door agree, and whether its key can be had.

#include <algorithm>
#include <map>
#include <utility>

#include "analysis/check_context.h"
#include "world/world.h"

namespace tarnwick {

namespace {

std::string exit_field(int dir) { return std::string("exit.") + kDirectionWords[dir]; }
std::string exit_label(int dir) { return std::string("Exit ") + kDirectionWords[dir]; }
std::string room_ref(int32_t vnum) { return "room #" + std::to_string(vnum); }

const char* door_kind(int32_t door) {
    return door == 0 ? "no door" : door == 2 ? "a pick-proof door" : "a door";
}

// The state every door starts in after a reset: the last D command for it
// (0 open when none).
using DoorStates = std::map<std::pair<int32_t, int>, int32_t>;
DoorStates door_states(const World& zone) {
    DoorStates states;
    for (const auto& cmd : zone.zone.commands)
        if (cmd.command == 'D') states[{cmd.arg1, cmd.arg2}] = cmd.arg3;
    return states;
}

int32_t state_of(const DoorStates& states, int32_t room, int dir) {
    auto it = states.find({room, dir});
    return it == states.end() ? 0 : it->second;
}

const char* state_word(int32_t state) {
    return state == 0 ? "open" : state == 1 ? "closed" : state == 2 ? "locked" : "odd";
}

void check_key(const CheckContext& c, const room_data& room, int dir, int32_t key) {
    if (key <= 0) return;
    const std::string field = exit_field(dir) + ".key";
    const std::string door = "The door " + std::string(kDirectionWords[dir]);
    switch (c.index.resolve_object(key, c.range)) {
    case Resolved::Missing:
        c.add(Severity::Error, RecordKind::Room, room.vnum, field,
              door + " needs key #" + std::to_string(key) + ", which does not exist",
              "door-key");
        break;
    case Resolved::Elsewhere:
        c.add(Severity::Note, RecordKind::Room, room.vnum, field,
              door + " needs key #" + std::to_string(key) + " of " + CheckContext::zone_of(key) +
                  ", which is not checked here",
              "door-key");
        break;
    case Resolved::Found:
        if (!c.index.object_loaded(key))
            c.add(Severity::Warning, RecordKind::Room, room.vnum, field,
                  door + " needs key #" + std::to_string(key) +
                      ", which no zone command loads",
                  "door-key-unloaded");
        break;
    }
}

void check_other_side(const CheckContext& c, const DoorStates& states, const room_data& room,
                      int dir, const room_direction_data& exit, const room_data& target) {
    const auto& back = target.exits[size_t(kOppositeDirection[dir])];
    if (!back || back->target_vnum != room.vnum) {
        for (const auto& other : target.exits)
            if (other && other->target_vnum == room.vnum) return;  // a way back, bent
        c.add(Severity::Warning, RecordKind::Room, room.vnum, exit_field(dir),
              exit_label(dir) + " leads to " + room_ref(target.vnum) +
                  ", which has no exit back (one-way)",
              "exit-one-way");
        return;
    }
    // Each pair is reported once, from its lower room (or lower direction).
    if (target.vnum < room.vnum || (target.vnum == room.vnum && kOppositeDirection[dir] < dir)) return;
    const std::string door = "The door " + std::string(kDirectionWords[dir]) + " to " +
                             room_ref(target.vnum);
    if (exit.door != back->door)
        c.add(Severity::Warning, RecordKind::Room, room.vnum, exit_field(dir) + ".door",
              door + " is " + door_kind(exit.door) + " on this side and " +
                  door_kind(back->door) + " on the other",
              "door-sides");
    else if (exit.door != 0 && std::max(exit.key_vnum, 0) != std::max(back->key_vnum, 0))
        c.add(Severity::Warning, RecordKind::Room, room.vnum, exit_field(dir) + ".key",
              door + " takes key #" + std::to_string(exit.key_vnum) + " on this side and #" +
                  std::to_string(back->key_vnum) + " on the other",
              "door-sides");
    const int32_t here = state_of(states, room.vnum, dir);
    const int32_t there = state_of(states, target.vnum, kOppositeDirection[dir]);
    if (exit.door != 0 && back->door != 0 && here != there)
        c.add(Severity::Warning, RecordKind::Room, room.vnum, exit_field(dir) + ".door",
              door + " is reset " + state_word(here) + " on this side and " +
                  state_word(there) + " on the other",
              "door-sides");
}

}  // namespace

void check_exits(const CheckContext& c) {
    const DoorStates states = door_states(c.zone);
    for (const auto& room : c.zone.rooms) {
        for (int dir = 0; dir < kDirectionCount; ++dir) {
            const auto& exit = room.exits[size_t(dir)];
            if (!exit) continue;
            check_key(c, room, dir, exit->key_vnum);
            const int32_t to = exit->target_vnum;
            if (to < 0) continue;  // an exit that leads nowhere on purpose
            if (to == room.vnum) {
                c.add(Severity::Note, RecordKind::Room, room.vnum, exit_field(dir),
                      exit_label(dir) + " leads back into this room", "exit-self");
                continue;
            }
            switch (c.index.resolve_room(to, c.range)) {
            case Resolved::Missing:
                c.add(Severity::Error, RecordKind::Room, room.vnum, exit_field(dir),
                      exit_label(dir) + " leads to " + room_ref(to) + ", which does not exist",
                      "exit-target");
                break;
            case Resolved::Elsewhere:
                c.add(Severity::Note, RecordKind::Room, room.vnum, exit_field(dir),
                      exit_label(dir) + " leads to " + room_ref(to) + " in " +
                          CheckContext::zone_of(to) + ", which is not checked here",
                      "exit-elsewhere");
                break;
            case Resolved::Found:
                // One-way exits into another zone are how zones are often joined.
                if (c.range.holds(to))
                    check_other_side(c, states, room, dir, *exit, *c.index.room(to));
                break;
            }
        }
    }
}

}  // namespace tarnwick
