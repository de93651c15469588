#pragma once
// How the entries of a flags list map to a record's flag bits, by dialect.
// CircleMUD records hold one 32-bit word and entry i names bit (i % 32), so
// a 33rd entry names bit 0 again. tbaMUD records hold four words, 128 bits,
// and entry i names bit i: word i / 32, bit i % 32; an entry past bit 127
// names nothing.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "world/dialect.h"

namespace tarnwick {

using FlagWords = std::array<uint32_t, 4>;

// The number of 32-bit flag words a record of the dialect holds per flag set.
constexpr size_t flag_word_count(Dialect d) { return d == Dialect::TbaMud ? 4 : 1; }

// Where entry `entry` of a flags list lies: its word and the bit's mask
// within it. False when the entry names no bit the dialect holds.
bool flag_position(size_t entry, Dialect d, size_t& word, uint32_t& mask);

// One check per entry of a list with `count` entries: checked when the
// entry's bit is set in `flags`. An entry that names no bit stays unchecked.
std::vector<bool> flag_checks(size_t count, const FlagWords& flags, Dialect d);

// The flags of the checked entries. Bits that no entry names are taken from
// `unlisted` (all clear by default); words the dialect does not use are
// taken from `unlisted` as they are.
FlagWords flags_from_checks(const std::vector<bool>& checks, Dialect d,
                            const FlagWords& unlisted = {});

// The same for a record field of one word (the first of tbaMUD's four): an
// entry whose bit lies in a later word is never checked, and is not set.
std::vector<bool> flag_checks(size_t count, int32_t flags, Dialect d);
int32_t flags_from_checks(const std::vector<bool>& checks, Dialect d, int32_t unlisted);

}  // namespace tarnwick
