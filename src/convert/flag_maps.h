#pragma once
// The bits and item types of CircleMUD (3.0 and 3.1 name them alike) and of
// tbaMUD, by the names their servers' structs.h give them, and how a value
// of one moves to the other: by name, so every flag keeps its meaning
// (tbaMUD numbers its affects from 1, so each moves up one bit).

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

enum class FlagKind { Room, MobAction, MobAffect, ObjectExtra, ObjectWear };

// The field the report names ("flags", "affects").
std::string_view flag_field(FlagKind kind);

// Bit i's name in the server's structs.h without its prefix ("SANCTUARY"),
// or "" for a bit the server leaves unused. `tbamud` picks tbaMUD's set.
const std::vector<std::string_view>& flag_names(FlagKind kind, bool tbamud);

// A flag set of four 32-bit words (a CircleMUD file holds the first alone).
using SignedFlagWords = std::array<int32_t, 4>;

struct MovedFlags {
    SignedFlagWords out{};
    // "SANCTUARY 7->8": named bits that changed place.
    std::vector<std::string> moved;
    // Bits without a meaning in the source ("bit 16 (FLYING there)"),
    // cleared: the target gives their place a meaning, or its boot reports
    // them as unknown bits.
    std::vector<std::string> cleared;
    // Flags the target has no bit for ("FLYING"), dropped.
    std::vector<std::string> lost;
};

// Moves every set bit of `in` from one layout to the other (CircleMUD's to
// CircleMUD's clears the bits without a meaning alone).
MovedFlags move_flags(FlagKind kind, const SignedFlagWords& in, bool from_tbamud, bool to_tbamud);

// Item type names by number (index 0 is UNDEFINED); "" past the list.
std::string_view item_type_name(int32_t type, bool tbamud);

// The type of the same name in the other layout; ITEM_OTHER (12) for a type
// it lacks, with `lost` set. Types outside 1 to 23 stay as they are.
int32_t move_item_type(int32_t type, bool to_tbamud, bool& lost);

constexpr int32_t kItemOther = 12;

// The E-spec names CircleMUD's mobile reader takes.
bool circle_espec(std::string_view name);

}  // namespace tarnwick
