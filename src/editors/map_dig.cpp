#include "editors/map_dig.h"

#include <array>

#include "editors/exit_form.h"
#include "editors/record_list_ops.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// The directions the zone's server has: the diagonals in tbaMUD only.
bool valid_direction(const World& world, int d) {
    return d >= 0 && d < direction_count(world.dialect);
}

std::string room_tag(int32_t vnum) { return "#" + std::to_string(vnum); }

std::optional<room_direction_data>* exit_of(World& world, int32_t from, int direction) {
    const int i = world.find_room(from);
    if (i < 0 || !valid_direction(world, direction)) return nullptr;
    if (!world.rooms[size_t(i)].exits[size_t(direction)]) return nullptr;
    return &world.rooms[size_t(i)].exits.slot(size_t(direction));
}

// The exit of the target room that leads back to `from`, when the exit of
// `from` in `direction` leads to a room of the table.
std::optional<room_direction_data>* back_of(World& world, int32_t from, int direction) {
    auto* exit = exit_of(world, from, direction);
    if (!exit) return nullptr;
    const int t = world.find_room((*exit)->target_vnum);
    if (t < 0) return nullptr;
    return &world.rooms[size_t(t)].exits.slot(size_t(reverse_direction(direction)));
}

MapEdit changed(int32_t vnum, std::string label) {
    MapEdit e;
    e.kind = MapEdit::Kind::Changed;
    e.vnum = vnum;
    e.label = std::move(label);
    return e;
}

std::string exit_label(const char* what, int32_t from, int direction) {
    return std::string(what) + " exit " + direction_word(direction) + " of " + room_tag(from);
}

}  // namespace

const char* direction_word(int direction) {
    return direction >= 0 && direction < kDirectionCount ? kDirectionWords[direction] : "";
}

int32_t walk(const World& world, int32_t from, int direction) {
    const int i = world.find_room(from);
    if (i < 0 || !valid_direction(world, direction)) return -1;
    const auto& exit = world.rooms[size_t(i)].exits[size_t(direction)];
    if (!exit || world.find_room(exit->target_vnum) < 0) return -1;
    return exit->target_vnum;
}

MapEdit dig(World& world, int32_t from, int direction, Messages& messages, RecordEditor* editor) {
    const int i = world.find_room(from);
    if (i < 0 || !valid_direction(world, direction)) return {};
    if (const auto& exit = world.rooms[size_t(i)].exits[size_t(direction)]) {
        const int32_t there = walk(world, from, direction);
        if (there >= 0) return {MapEdit::Kind::Walked, there, {}};
        messages.show("The exit " + std::string(direction_word(direction)) + " of " +
                      room_tag(from) + " leads to " + std::to_string(exit->target_vnum) +
                      ", which is no room of this zone.");
        return {};
    }
    const int32_t sector = world.rooms[size_t(i)].sector;
    const int added = add_record(world, ListKind::Room, messages, editor);
    if (added < 0) return {};
    room_data& room = world.rooms[size_t(added)];
    room.sector = sector;
    const int32_t vnum = room.vnum;
    room.exits.slot(size_t(reverse_direction(direction))).emplace().target_vnum = from;
    // The append may have moved the table: find the room dug from again.
    auto& out = world.rooms[size_t(world.find_room(from))].exits.slot(size_t(direction));
    out = room_direction_data{};
    out->target_vnum = vnum;
    world.changed = true;
    return changed(vnum, "Dig " + std::string(direction_word(direction)) + " from " + room_tag(from));
}

MapEdit link_rooms(World& world, int32_t from, int direction, int32_t to, Messages& messages) {
    const int i = world.find_room(from);
    if (i < 0 || !valid_direction(world, direction) || world.find_room(to) < 0) return {};
    if (world.rooms[size_t(i)].exits[size_t(direction)]) {
        messages.show("Existing exit. Must be modified with Edit");
        return {};
    }
    auto& exit = world.rooms[size_t(i)].exits.slot(size_t(direction));
    exit = room_direction_data{};
    exit->target_vnum = to;
    auto& back = world.rooms[size_t(world.find_room(to))].exits.slot(size_t(reverse_direction(direction)));
    if (back && back->target_vnum != from) {
        // Making it symmetric would send that exit elsewhere: it stays.
        messages.show(room_tag(to) + " already has an exit " +
                      direction_word(reverse_direction(direction)) + " (to " +
                      std::to_string(back->target_vnum) + "): no exit back was made.");
    } else if (!back &&
               messages.ask("Existing room. Do you want to make this exit simmetric?") == Answer::Yes) {
        back.emplace();
        back->target_vnum = from;
    }
    world.changed = true;
    return changed(to, "Link " + std::string(direction_word(direction)) + " from " +
                           room_tag(from) + " to " + room_tag(to));
}

MapEdit make_two_way(World& world, int32_t from, int direction) {
    auto* back = back_of(world, from, direction);
    if (!back || (*back && (*back)->target_vnum == from)) return {};
    const room_direction_data& exit = **exit_of(world, from, direction);
    if (!*back) back->emplace();
    (*back)->target_vnum = from;
    // A door is a door from both sides.
    if (exit.door && !(*back)->door) {
        (*back)->door = exit.door;
        (*back)->key_vnum = exit.key_vnum;
        (*back)->keywords = exit.keywords;
    }
    world.changed = true;
    return changed(exit.target_vnum, exit_label("Make", from, direction) + " two-way");
}

MapEdit make_one_way(World& world, int32_t from, int direction) {
    auto* back = back_of(world, from, direction);
    if (!back || !*back || (*back)->target_vnum != from) return {};
    const int32_t to = (**exit_of(world, from, direction)).target_vnum;
    back->reset();
    world.changed = true;
    return changed(to, exit_label("Make", from, direction) + " one-way");
}

MapEdit remove_exit(World& world, int32_t from, int direction) {
    auto* exit = exit_of(world, from, direction);
    if (!exit) return {};
    const int32_t to = (*exit)->target_vnum;
    exit->reset();
    world.changed = true;
    return changed(to, exit_label("Remove", from, direction));
}

MapEdit add_door(World& world, int32_t from, int direction) {
    auto* exit = exit_of(world, from, direction);
    if (!exit || (*exit)->door) return {};
    auto give_door = [](room_direction_data& e) {
        e.door = 1;
        if (e.keywords.empty()) e.keywords = "door";
    };
    give_door(**exit);
    auto* back = back_of(world, from, direction);
    if (back && *back && (*back)->target_vnum == from && !(*back)->door) give_door(**back);
    world.changed = true;
    return changed((*exit)->target_vnum, exit_label("Add door to", from, direction));
}

}  // namespace tarnwick
