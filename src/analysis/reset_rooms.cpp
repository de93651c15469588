#include "analysis/reset_rooms.h"

#include "analysis/reset_sim.h"
#include "world/world.h"

namespace tarnwick {

std::map<int32_t, RoomHolding> room_holdings(const World& zone, const Population& population) {
    std::map<int32_t, RoomHolding> out;
    for (const auto& r : zone.rooms) {
        const SimRoomContents& c = population.room(r.vnum);
        out[r.vnum] = !c.mobs.empty()      ? RoomHolding::Mobs
                      : !c.objects.empty() ? RoomHolding::ObjectsOnly
                                           : RoomHolding::Empty;
    }
    return out;
}

const char* holding_colour(RoomHolding holding) {
    switch (holding) {
    case RoomHolding::Mobs: return "#e0734a";
    case RoomHolding::ObjectsOnly: return "#f2cf4a";
    case RoomHolding::Empty: return "#e4e4e4";
    }
    return "#e4e4e4";
}

const char* holding_words(RoomHolding holding) {
    switch (holding) {
    case RoomHolding::Mobs: return "mobs";
    case RoomHolding::ObjectsOnly: return "objects only";
    case RoomHolding::Empty: return "empty";
    }
    return "";
}

std::optional<Population> population_after(const World& open, int n, WorkProgress* progress) {
    SimOptions options;
    options.resets = n;
    options.whole_world = open.other_zones != nullptr;
    options.progress = progress;
    auto resets = simulate_resets(zones_around(open), options);
    if (resets.empty()) return std::nullopt;
    return std::move(resets.back().population);
}

}  // namespace tarnwick
