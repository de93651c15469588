#pragma once
// Room records and the two node types that hang off rooms (and, for extra
// descriptions, off objects and mobiles too). An empty text means "absent".

#include <cstdint>
#include <string>
#include <vector>

#include "world/flag_words.h"
#include "world/room_exits.h"

namespace tarnwick {

struct extra_descr_data {
    std::string keywords;
    std::string description;
    bool operator==(const extra_descr_data&) const = default;
};

struct room_data {
    int32_t vnum = 0;
    int32_t sector = 0;
    std::string name;
    std::string description;
    // Held in file order; an entry added in the editor goes to the front.
    std::vector<extra_descr_data> extra_descs;
    RoomExits exits;
    int32_t flags = 0;
    MoreFlags flags_more{};
    TriggerList triggers;
    bool operator==(const room_data&) const = default;
};

}  // namespace tarnwick
