#include "formats/room_record.h"

namespace tarnwick {

room_data& room_data::operator=(const room_data& other) {
    if (this == &other) return *this;
    vnum = other.vnum;
    sector = other.sector;
    name = other.name;
    description = other.description;
    extra_descs = other.extra_descs;
    flags = other.flags;
    for (int d = 0; d < kDirectionCount; ++d)
        exits[d] = other.exits[d] ? std::make_shared<room_direction_data>(*other.exits[d]) : nullptr;
    return *this;
}

bool room_data::operator==(const room_data& o) const {
    if (vnum != o.vnum || sector != o.sector || name != o.name || description != o.description ||
        extra_descs != o.extra_descs || flags != o.flags)
        return false;
    for (int d = 0; d < kDirectionCount; ++d) {
        if (bool(exits[d]) != bool(o.exits[d])) return false;
        if (exits[d] && !(*exits[d] == *o.exits[d])) return false;
    }
    return true;
}

}  // namespace tarnwick
