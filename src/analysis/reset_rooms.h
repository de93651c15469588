#pragma once
// What each room of the open zone holds after a simulated reset, in the
// three classes the map colours rooms by: mobs standing there, objects only
// (on the floor, containers and their contents among them), or nothing.

#include <cstdint>
#include <map>
#include <optional>

#include "analysis/reset_population.h"

namespace tarnwick {

class World;
class WorkProgress;

enum class RoomHolding { Empty, ObjectsOnly, Mobs };
inline constexpr RoomHolding kRoomHoldings[] = {RoomHolding::Mobs, RoomHolding::ObjectsOnly,
                                                RoomHolding::Empty};

// Every room of `zone` by vnum.
std::map<int32_t, RoomHolding> room_holdings(const World& zone, const Population& population);

// The fill colour ("#rrggbb") and the legend's words for a class.
const char* holding_colour(RoomHolding holding);
const char* holding_words(RoomHolding holding);

// The population after reset `n` (1 is the boot's) of the open zone with
// the other zones of its world folder when they are read, as Zone >
// Simulate reset runs it. Empty when `progress` asked to stop.
std::optional<Population> population_after(const World& open, int n,
                                           WorkProgress* progress = nullptr);

}  // namespace tarnwick
