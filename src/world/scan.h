#pragma once
// A small, bounds-checked equivalent of sscanf for the patterns the world
// files use. Supported: %d (32-bit, out-of-range numbers fail the
// conversion), %ld (same as %d), %s (a word, into a string or, without a
// copy, a view of the input), %c, %f, blanks (skip any white space) and
// literal bytes. Returns the number of conversions stored.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarnwick {

using ScanTarget = std::variant<int32_t*, std::string*, std::string_view*, char*, float*>;

int scan_items(std::string_view input, std::string_view format, std::span<const ScanTarget> out);

// The targets live on the stack: scanning a line allocates nothing.
template <class... Args>
int scan(std::string_view input, std::string_view format, Args&... args) {
    const ScanTarget targets[] = {ScanTarget(&args)...};
    return scan_items(input, format, targets);
}

// White space as the C library's isspace sees it, for 7-bit bytes only.
inline bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
inline bool is_digit(char c) { return c >= '0' && c <= '9'; }

// Reads an optionally signed decimal number at text[pos] (after skipping
// blanks); false when there is none or it does not fit 32 bits. In the
// header: the readers call it for every number of every file.
inline bool parse_int32(std::string_view text, size_t& pos, int32_t& out) {
    const char* p = text.data() + pos;
    const char* const end = text.data() + text.size();
    while (p < end && is_blank(*p)) ++p;
    bool negative = false;
    if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    if (p >= end || !is_digit(*p)) return false;
    // Leading zeros never overflow; after them, more than ten digits always do.
    while (p < end && *p == '0') ++p;
    const char* const digits = p;
    uint64_t value = 0;
    while (p < end && is_digit(*p)) {
        if (p - digits == 10) return false;
        value = value * 10 + uint64_t(*p++ - '0');
    }
    if (value > (negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX))) return false;
    out = negative ? int32_t(-int64_t(value)) : int32_t(value);
    pos = size_t(p - text.data());
    return true;
}

// Reads the next word (a run of non-blank bytes) after blanks, as %s does;
// false when the text ends first.
bool parse_word(std::string_view text, size_t& pos, std::string_view& out);

// The same as scan(input, " %d %d ...", numbers...) without reading a
// format: the numbers read, in order, up to the first that fails.
template <class... Ints>
int scan_numbers(std::string_view input, Ints&... numbers) {
    size_t pos = 0;
    int stored = 0;
    (void)((parse_int32(input, pos, numbers) && ++stored) && ...);
    return stored;
}

// Whole-text conversion with a fallback, for editor fields and settings.
bool to_int32(std::string_view text, int32_t& out);

// True when `text` starts with `prefix`, ASCII letters in either case (the
// shop files' buy type names).
bool starts_with_nocase(std::string_view text, std::string_view prefix);

}  // namespace tarnwick
