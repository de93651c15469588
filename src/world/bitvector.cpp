#include "world/bitvector.h"

#include "world/scan.h"

namespace tarnwick {

int32_t flags_from_text(std::string_view text) {
    bool numeric = true;
    uint32_t bits = 0;
    for (char c : text) {
        if (c >= 'a' && c <= 'z')
            bits |= 1u << (c - 'a');
        else if (c >= 'A' && c <= 'Z')
            bits |= 1u << ((c - 'A' + 26) % 32);
        if (!is_digit(c)) numeric = false;
    }
    if (!numeric) return int32_t(bits);
    // Decimal form: the low 32 bits, so numbers written unsigned read back.
    uint64_t value = 0;
    for (char c : text) {
        value = value * 10 + uint64_t(c - '0');
        if (value > UINT32_MAX) return int32_t(UINT32_MAX);
    }
    return int32_t(uint32_t(value));
}

void flags_to_text(std::string& out, int32_t bits) {
    if (bits == 0) {
        out += "0 ";
        return;
    }
    const uint32_t u = uint32_t(bits);
    for (int b = 0; b < 32; ++b)
        if (u & (1u << b)) out += char(b < 26 ? 'a' + b : 'A' + (b - 26));
    out += ' ';
}

void flags_to_number(std::string& out, int32_t bits) { out += std::to_string(uint32_t(bits)); }

}  // namespace tarnwick
