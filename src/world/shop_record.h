#pragma once
// Shops, in the fields of the v3.0 shop file.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

struct shop_buy_data {
    int32_t type = -1;     // index into shop_type_names
    std::string keywords;  // empty when none
    bool operator==(const shop_buy_data&) const = default;
};

struct shop_data {
    int32_t vnum = 0;
    std::vector<int32_t> products;  // object vnums, held in file order
    std::vector<int32_t> rooms;     // room vnums, held in file order
    float profit_buy = 0.9f;
    float profit_sell = 1.1f;
    std::vector<shop_buy_data> buy_types;  // held in file order
    std::string msg_buy_missing;
    std::string msg_sell_missing;
    std::string msg_not_buying;
    std::string msg_shop_broke;
    std::string msg_player_broke;
    std::string msg_bought;
    std::string msg_sold;
    int32_t temper = 0;
    int32_t bitvector = 0;
    int32_t keeper = 0;
    int32_t with_who = 0;
    int32_t start1 = 0, start2 = 0;
    int32_t end1 = 0, end2 = 0;
    bool operator==(const shop_data&) const = default;
};

class World;

// The shop type names, by buy-type number.
extern const std::array<const char*, 24> shop_type_names;

// A new shop's values (vnum from next_shop_vnum).
shop_data new_shop(const World& world);

}  // namespace tarnwick
