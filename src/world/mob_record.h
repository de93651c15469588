#pragma once
// Mobile prototypes: simple (S) and enhanced (E) records.

#include <cstdint>
#include <string>
#include <vector>

#include "world/room_record.h"

namespace tarnwick {

struct char_data {
    int32_t vnum = 0;
    std::string alias;
    std::string short_name;
    std::string long_name;  // one line, held without a line break
    std::string descr;
    int32_t action_flags = 0;
    int32_t affect_flags = 0;
    MoreFlags action_more{}, affect_more{};
    int32_t align = 0;
    bool enhanced = false;  // type E
    int32_t ac = 0;
    int32_t level = 0;
    int32_t thaco = 0;
    int32_t hit_dices = 0, hit_sides = 0, hit_add = 0;
    int32_t bhd_dices = 0, bhd_sides = 0, bhd_add = 0;
    int32_t gold = 0;
    int32_t exp = 0;
    int32_t load_pos = 0;
    int32_t default_pos = 0;
    int32_t sex = 0;
    // Editor state of the autolevel tool; never written to the file.
    bool autolevel = false;
    int32_t power = 0, endurance = 0, reward = 0;
    // E-specs: name in keywords, value in description; held in file order.
    std::vector<extra_descr_data> especs;
    TriggerList triggers;
    bool operator==(const char_data&) const = default;
};

}  // namespace tarnwick
