#pragma once
// Room records and the two node types that hang off rooms (and, for extra
// descriptions, off objects and mobiles too). An empty text means "absent".

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/flag_words.h"

namespace tarnwick {

enum Direction { North = 0, East, South, West, Up, Down };
constexpr int kDirectionCount = 6;
// The directions as messages and commands write them.
inline constexpr const char* kDirectionWords[kDirectionCount] = {"north", "east", "south",
                                                                "west",  "up",   "down"};

struct extra_descr_data {
    std::string keywords;
    std::string description;
    bool operator==(const extra_descr_data&) const = default;
};

struct room_direction_data {
    std::string exit_description;
    std::string keywords;
    int32_t door = 0;        // 0 no door, 1 door, 2 pick-proof door; 3, 4 hidden (tbaMUD)
    int32_t key_vnum = -1;   // object vnum of the key, -1 for none
    int32_t target_vnum = -1;
    bool operator==(const room_direction_data&) const = default;
};

struct room_data {
    int32_t vnum = 0;
    int32_t sector = 0;
    std::string name;
    std::string description;
    // Held in file order; an entry added in the editor goes to the front.
    std::vector<extra_descr_data> extra_descs;
    // Held in place: a copied room owns copies of its exits.
    std::array<std::optional<room_direction_data>, kDirectionCount> exits{};
    int32_t flags = 0;
    MoreFlags flags_more{};
    TriggerList triggers;
    bool operator==(const room_data&) const = default;
};

}  // namespace tarnwick
