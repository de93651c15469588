#pragma once
// A zone at full room capacity for the map benchmarks: a street grid with
// gaps, a few twisted one-way exits and stairs between levels, the same on
// every run.

#include "world/world.h"

namespace tarnwick::bench {

World full_capacity_zone();

}  // namespace tarnwick::bench
