#pragma once
// Building a zone from its map, as a builder walks it: digging in a
// direction makes a room with exits both ways, or walks on when an exit
// leads there already; linking makes an exit to a room that exists, and the
// exit commands of the map's menus turn exits two-way or one-way, remove
// them and give them doors. Rooms are added through the room list's own
// add_record, so the refusal at capacity and the zone top follow it; each
// operation answers the label of its undo step.

#include <cstdint>
#include <string>

namespace tarnwick {

class World;
class Messages;
class RecordEditor;

// "north", "east", ... "down".
const char* direction_word(int direction);

struct MapEdit {
    enum class Kind { Refused, Walked, Changed };
    Kind kind = Kind::Refused;
    int32_t vnum = -1;  // the room arrived at, dug or linked to
    std::string label;  // the undo step's label when Changed
    bool changed() const { return kind == Kind::Changed; }
};

// The room an exit of `from` leads to in `direction` when it is a room of
// the table, else -1.
int32_t walk(const World& world, int32_t from, int direction);

// Walks when `from` has an exit in `direction` leading to a room of the
// table; refuses (with a message) an exit that leads elsewhere; otherwise
// adds a room (the next free vnum, `from`'s sector) with exits both ways.
// `editor` (may be null) keeps its pending edits as add_record keeps them.
MapEdit dig(World& world, int32_t from, int direction, Messages& messages, RecordEditor* editor);

// Makes the exit of `from` in `direction` lead to room `to` and, as the room
// editor does, offers the exit back. Refused with the room editor's message
// when `from` has an exit there already.
MapEdit link_rooms(World& world, int32_t from, int direction, int32_t to, Messages& messages);

// The exit commands of the map: each needs an exit of `from` in `direction`.
// Two-way gives the target room the exit back; one-way removes the target's
// exit back when it leads to `from`; a door is set on both sides of a
// two-way pair, with the keyword "door" where an exit has none.
MapEdit make_two_way(World& world, int32_t from, int direction);
MapEdit make_one_way(World& world, int32_t from, int direction);
MapEdit remove_exit(World& world, int32_t from, int direction);
MapEdit add_door(World& world, int32_t from, int direction);

}  // namespace tarnwick
