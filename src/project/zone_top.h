#pragma once
// The zone's top: the highest vnum its resets cover, as the builder set it.
// It moves only when the builder edits it, or when a room is added above it
// (the room would otherwise belong to no zone, or to the next one).

#include <cstdint>
#include <string>

namespace tarnwick {

class World;

// Raises the top to `room_vnum` when the room lies above it; true when it
// did. A zone without a header keeps none.
bool raise_zone_top(World& world, int32_t room_vnum);

// Why `top` cannot be the top of zone `zone_number` in the world folder
// open around it ("The top 3299 reaches into zone 32 (Northern Midgaard),
// whose vnums start at 3200."), or empty when it can. Without a world
// folder any top can.
std::string zone_top_clash(const World& world, int32_t zone_number, int32_t top);

}  // namespace tarnwick
