#include "world/flag_layout.h"

namespace tarnwick {

bool flag_position(size_t entry, Dialect d, size_t& word, uint32_t& mask) {
    const size_t words = flag_word_count(d);
    word = words == 1 ? 0 : entry / 32;
    if (word >= words) return false;
    mask = uint32_t(1) << (entry % 32);
    return true;
}

std::vector<bool> flag_checks(size_t count, const FlagWords& flags, Dialect d) {
    std::vector<bool> checks(count);
    for (size_t i = 0; i < count; ++i) {
        size_t word = 0;
        uint32_t mask = 0;
        checks[i] = flag_position(i, d, word, mask) && (flags[word] & mask) != 0;
    }
    return checks;
}

FlagWords flags_from_checks(const std::vector<bool>& checks, Dialect d, const FlagWords& unlisted) {
    FlagWords flags{}, named{};
    for (size_t i = 0; i < checks.size(); ++i) {
        size_t word = 0;
        uint32_t mask = 0;
        if (!flag_position(i, d, word, mask)) break;
        named[word] |= mask;
        if (checks[i]) flags[word] |= mask;
    }
    for (size_t w = 0; w < flags.size(); ++w) flags[w] |= unlisted[w] & ~named[w];
    return flags;
}

std::vector<bool> flag_checks(size_t count, int32_t flags, Dialect d) {
    return flag_checks(count, FlagWords{uint32_t(flags)}, d);
}

int32_t flags_from_checks(const std::vector<bool>& checks, Dialect d, int32_t unlisted) {
    return int32_t(flags_from_checks(checks, d, FlagWords{uint32_t(unlisted)})[0]);
}

}  // namespace tarnwick
