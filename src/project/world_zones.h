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

class World;

// The reset commands a zone holds: every command but the S that ends the
// list (the zone reader adds one; it is no command of the builder's).
int zone_command_count(const World& world);

class WorkProgress;

// Every zone file of `dir`, in zone-number order (a zone file that does not
// load keeps its place by file name, number 0 unless the name is a number).
// Empty when `progress` asked to stop.
std::vector<WorldZone> list_world_zones(const std::string& dir, WorkProgress* progress = nullptr);

// The zone numbered `number`, or nullopt.
std::optional<WorldZone> find_world_zone(const std::vector<WorldZone>& zones, int32_t number);

// A project naming the zone's five files in place: name and number from the
// zone file, the author empty, no project file yet.
AreaProject project_for_zone(const WorldZone& zone);

// True for a path ending in .zon: the editor opens such a path (a recent
// world-folder zone) as that zone of its folder.
bool is_zone_file_path(const std::string& path);

// The project of the zone whose zone file is `zon_path` (DIR/zon/N.zon):
// the sibling files DIR/wld/N.wld and so on. False when the zone file does
// not load.
bool project_for_zone_file(const std::string& zon_path, AreaProject& out);

class Messages;
// A file created in a world folder joins the folder's index (before its "$"
// line) only when the folder has one, does not list it yet, and the user
// answers Yes to "Add N.shp to shp/index?". Any other index stays untouched.
void offer_index_entry(const std::string& path, Messages& messages);

}  // namespace tarnwick
