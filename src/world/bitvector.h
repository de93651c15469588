#pragma once
// Bitvectors as the world files write them: a decimal number, or letters
// a-z for bits 0-25 and A-F for bits 26-31.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick {

int32_t flags_from_text(std::string_view text);

// The letter form followed by one blank ("0 " for no bits).
void flags_to_text(std::string& out, int32_t bits);

// The number form. Written unsigned, so that bit 31 reads back.
void flags_to_number(std::string& out, int32_t bits);

}  // namespace tarnwick
