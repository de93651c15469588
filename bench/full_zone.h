#pragma once
// A zone at full capacity (1,000 rooms, 1,500 mobs, 500 objects, 500 shops,
// 3,000 zone commands) with texts of a builder's length, and the same zone
// saved as a project, for the benchmarks that need the largest zone the
// editor holds.

#include <string>

#include "world/world.h"

namespace tarnwick::bench {

// Vnums 20000 up, zone 200. Every room has a description, an extra
// description and an exit north; every mob and object a description.
World full_zone();

// Saves full_zone() into `dir` as full.qzp and its five files; returns the
// project file's path, or an empty string when a file could not be written.
std::string save_full_zone_project(const std::string& dir);

}  // namespace tarnwick::bench
