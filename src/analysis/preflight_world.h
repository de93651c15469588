#pragma once
// The preflight of a whole zone: its five files as a save with the given
// settings writes them, walked as the server reads them. The save runs it on
// what it is about to write; the checker on the zone as it stands.

#include <array>
#include <string>
#include <vector>

#include "analysis/preflight.h"

namespace tarnwick {

class World;
struct FormatSettings;

// The names the findings give the files, in the order rooms, mobiles,
// objects, zone, shops.
using WorldFileNames = std::array<std::string, 5>;

std::vector<PreflightFinding> preflight_world(const World& world, const FormatSettings& settings,
                                              const WorldFileNames& names);

}  // namespace tarnwick
