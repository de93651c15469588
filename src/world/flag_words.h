#pragma once
// Parts of a record that only some dialects' files hold: the upper three
// words of a 128-bit flag set (the first word is the record's one-word
// field, all a CircleMUD 3.0 file holds) and the trigger scripts attached
// to the record.

#include <array>
#include <cstdint>
#include <vector>

namespace tarnwick {

// Words 2 to 4 of a four-word flag set, for bits 32 to 127.
using MoreFlags = std::array<int32_t, 3>;

// Trigger vnums attached to a record (`T vnum` lines), in file order.
using TriggerList = std::vector<int32_t>;

}  // namespace tarnwick
