#pragma once
// Rooms the builder placed on the map. Once a room was moved (or dug into a
// chosen cell), the map keeps every room where it stood: the kept cells
// replace the automatic layout's, and rooms that have no kept cell (added
// since) go beside a kept neighbour in the direction of their exit, or to
// the nearest free cell. "Lay out again" forgets the kept cells.

#include <cstdint>
#include <map>

#include "analysis/map_layout.h"

namespace tarnwick {

using MapPlacement = std::map<int32_t, GridPos>;

// Every room's cell in `layout`.
MapPlacement placement_of(const MapLayout& layout);

// Moves the rooms of `layout` to their kept cells and places the others
// around them; exits and levels are worked out again. Nothing changes when
// `kept` is empty.
void place_as_kept(MapLayout& layout, const World& world, const MapPlacement& kept);

// The grid origin of a level's picture: the lowest x and y of its rooms.
struct LevelOrigin {
    int x = 0, y = 0;
};
LevelOrigin level_origin(const MapLayout& layout, int level);

// The cell under a point of a level's picture, and the centre of a cell.
GridPos cell_at(const MapLayout& layout, int level, double x, double y);
void cell_centre(const MapLayout& layout, const GridPos& cell, double& x, double& y);

// The room in `cell`, as an index of layout.rooms, or -1.
int room_in_cell(const MapLayout& layout, const GridPos& cell);

}  // namespace tarnwick
