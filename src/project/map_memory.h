#pragma once
// What the map window remembers of a zone: the level shown, the zoom and
// the point at the centre of the view, and the cells of rooms the builder
// placed by hand. It lives in a small text file beside the project
// ("tarnwick.qzp" keeps "tarnwick.map"), never in the world files:
//
//     view LEVEL ZOOM CENTRE_X CENTRE_Y
//     room VNUM X Y LEVEL
//
// Lines that cannot be read are skipped; a missing file is an empty memory.

#include <optional>
#include <string>

#include "analysis/map_placement.h"

namespace tarnwick {

struct MapViewState {
    int level = 0;
    double zoom = 1, centre_x = 0, centre_y = 0;
    bool operator==(const MapViewState&) const = default;
};

struct MapMemory {
    std::optional<MapViewState> view;
    MapPlacement placement;
    bool operator==(const MapMemory&) const = default;
};

// The memory file of a project file; empty for a project never saved.
std::string map_memory_path(const std::string& project_path);

std::string map_memory_text(const MapMemory& memory);
MapMemory read_map_memory_text(const std::string& text);

// Reads the file, an empty memory when there is none.
MapMemory load_map_memory(const std::string& path);
// Writes it atomically; an empty memory removes the file. False with
// `error` set when it could not be written.
bool save_map_memory(const std::string& path, const MapMemory& memory, std::string& error);

}  // namespace tarnwick
