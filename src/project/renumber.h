#pragma once
// Renumbering moves the whole zone to the vnums base, base + 1, ...: record i
// of each table gets base + i, and every reference inside the zone to one of
// its rooms, mobiles or objects follows. A reference that no record of the
// matching table answers (a number of another zone) stays as it is. Every
// reference is looked up before its kind is renumbered, so all of them are
// resolved against the old numbers.

#include <cstdint>

namespace tarnwick {

class World;
class Messages;

// The whole operation, in this order: zone commands, shops, mobiles, rooms
// (exit targets and keys), objects (container keys). Asks before going on
// when a table holds more than 100 records, since the numbers then leave the
// zone's hundred, and when a record would take a vnum that another zone of
// the world folder holds (World::other_zones). False, with nothing changed,
// when the user declines or the numbers would not fit. The caller rebuilds the record lists (mobs, rooms,
// objects, shops) and the zone command tree.
bool renumber_world(World& world, int32_t base, Messages& messages);

// The steps, each renumbering only what it names.
// Reset commands: M mob/room, O object/room, G and E object, P object and
// container object, D room, R room and object (the server's order); T and
// V their room.
void renumber_zone_commands(World& world, int32_t base);
// Triggers, with their attachments to rooms, mobs and objects and the
// trigger of every T command.
void renumber_triggers(World& world, int32_t base);
// Keeper, products and rooms of every shop, then the shops themselves.
void renumber_shops(World& world, int32_t base);
// Exit targets and exit keys (objects), then the rooms themselves.
void renumber_rooms(World& world, int32_t base);
// The key (value 2) of every container; objects keep their own numbers.
void renumber_container_keys(World& world, int32_t base);

}  // namespace tarnwick
