#pragma once
// Object prototypes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "world/room_record.h"

namespace tarnwick {

constexpr int kObjectAffectSlots = 6;

struct obj_affect {
    int32_t location = 0;  // 0 or less marks a free slot
    int32_t modifier = 0;
    bool operator==(const obj_affect&) const = default;
};

struct obj_record {
    int32_t vnum = 0;
    std::string alias;
    std::string short_description;
    std::string long_description;
    std::string action_description;
    int32_t type = 0;
    int32_t extra_flags = 0;
    int32_t wear_flags = 0;
    MoreFlags extra_more{}, wear_more{};
    // Affect bits the object gives its wearer (tbaMUD); four words.
    std::array<int32_t, 4> affect_flags{};
    // tbaMUD's third numbers line carries the level (into `level`) and a timer.
    int32_t timer = 0;
    std::array<int32_t, 4> values{};
    int32_t level = 0;
    int32_t material = -1, durability = -1, initial_durability = -1;
    bool has_level = false;
    bool has_mat_specs = false;
    int32_t weight = 0;
    int32_t cost = 0;
    int32_t cost_per_day = 0;
    std::array<obj_affect, kObjectAffectSlots> affects{};
    // Held in file order; an entry added in the editor goes to the front.
    std::vector<extra_descr_data> extra_descs;
    TriggerList triggers;
    bool operator==(const obj_record&) const = default;
};

}  // namespace tarnwick
