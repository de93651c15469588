#pragma once
// The zones of a server's world folder, one line each: what the zone file
// says about itself, how many records its own five files hold, and why
// they did not load when they did not. Also turns one zone into a project.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "project/area_project.h"

namespace tarnwick {

struct WorldZone {
    int32_t number = 0;
    std::string name;
    int32_t top = 0;
    int rooms = 0, mobs = 0, objects = 0, shops = 0, commands = 0;
    // The zone's five files (zon wld mob obj shp), whether or not they exist.
    std::string zone_file, room_file, mob_file, object_file, shop_file;
    // Empty when every existing file loaded; else the first file that did
    // not and the reader's message.
    std::string problem;
};

// Every zone file of `dir`, in zone-number order (a zone file that does not
// load keeps its place by file name, number 0 unless the name is a number).
std::vector<WorldZone> list_world_zones(const std::string& dir);

// The zone numbered `number`, or nullopt.
std::optional<WorldZone> find_world_zone(const std::vector<WorldZone>& zones, int32_t number);

// A project naming the zone's five files in place: name and number from the
// zone file, the author empty, no project file yet.
AreaProject project_for_zone(const WorldZone& zone);

}  // namespace tarnwick
