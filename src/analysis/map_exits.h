#pragma once
// The exits of a laid-out zone: where each leads, whether it is drawn
// straight, its door; part of lay_out_zone.

#include "analysis/map_layout.h"

namespace tarnwick {

class World;

// Fills layout.exits from the world's rooms, once every room has its cell.
void list_map_exits(const World& world, MapLayout& layout);

}  // namespace tarnwick
