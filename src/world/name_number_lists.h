#pragma once
// The built-in name-number lists that object values are chosen from:
// liquids, weapon types and spells. Names are blank-padded to a common width
// per list and shown as stored.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

struct NameNumber {
    std::string name;  // padded
    int32_t number = 0;
};
using NameNumberList = std::vector<NameNumber>;

inline constexpr size_t kLiquidNameWidth = 14;
inline constexpr size_t kSpellNameWidth = 15;
inline constexpr size_t kWeaponTypeNameWidth = 20;

// 16 liquids, numbers 0 to 15: "LIQ_WATER     " ... "LIQ_CLEARWATER".
const NameNumberList& liquid_list();
// 15 weapon types, numbers 0 to 14: "hit/hits" ... "stab/stabs".
const NameNumberList& weapon_type_list();
// 53 spells: "none" (-1) first, then alphabetical; the numbers are not in order.
const NameNumberList& spell_list();

// The name of the first entry whose number is `number`; nullopt when none has it.
std::optional<std::string> name_for_number(const NameNumberList& list, int32_t number);
// The position of that entry in the list; -1 when none has it.
int index_for_number(const NameNumberList& list, int32_t number);

}  // namespace tarnwick
