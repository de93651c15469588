#pragma once
// A server's world folder (lib/world: wld/ mob/ obj/ zon/ shp/, each with an
// optional index file): which files it holds, and every zone loaded into a
// World of its own with the project's readers.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "project/record_places.h"
#include "world/world.h"

namespace tarnwick {

class Messages;
class OtherZones;
class WorkProgress;

// The five file types of a world folder, by sub-folder name.
inline constexpr const char* kWorldFolderTypes[] = {"zon", "wld", "mob", "obj", "shp"};

// The files of one type: those the folder's index names, in its order, or,
// without an index, every file of that extension by name.
std::vector<std::string> world_folder_files(const std::string& dir, const std::string& type);

// True when `dir` looks like a world folder (holds a wld/ or zon/ folder).
bool is_world_folder(const std::string& dir);

struct WorldFolder {
    // One World per zone file, in zone-number order; every room, mob, object
    // and shop sits in the zone whose vnums hold it (the first zone whose
    // top is at or above it, as the server places rooms).
    std::vector<World> zones;
    RecordPlaces places;
    // Files that did not load (their messages went to the Messages given).
    std::vector<std::string> failures;
    // A world file's bytes as read, and the dialect it was read in.
    struct Text {
        std::string path;
        Dialect dialect = Dialect::Circle30;
        std::string bytes;
    };

    std::vector<const World*> zone_list() const;
};

// Told of every world file that loaded (zone, rooms, mobiles, objects,
// shops) on the thread that read it, before its bytes are let go: lint walks
// them there as the server reads them, so the whole world's bytes are never
// held at once. It must guard what the threads share.
using FileVisitor = std::function<void(const WorldFolder::Text& file)>;

// Loads the whole folder. Records above every zone's top land in the last
// zone. False when the folder holds no zone file, or when `progress` asked
// to stop (then `out` is left empty).
bool read_world_folder(const std::string& dir, WorldFolder& out, Messages& messages,
                       WorkProgress* progress = nullptr, const FileVisitor& visit = {});

// The zones of `dir` other than zone `open_zone`, read only, for naming,
// picking and checking what the open zone refers to. Safe to call from a
// worker thread: it touches nothing but the folder and what it returns.
// Null when the folder holds no zone file or `progress` asked to stop.
// Files that do not load are left out silently: the open zone reports its
// own files.
std::shared_ptr<const OtherZones> read_other_zones(const std::string& dir, int32_t open_zone,
                                                   WorkProgress* progress = nullptr);

}  // namespace tarnwick
