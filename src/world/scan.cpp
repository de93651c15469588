#include "world/scan.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <limits>

namespace tarnwick {

bool parse_word(std::string_view text, size_t& pos, std::string_view& out) {
    size_t p = pos;
    while (p < text.size() && is_blank(text[p])) ++p;
    const size_t start = p;
    while (p < text.size() && !is_blank(text[p])) ++p;
    if (p == start) return false;
    out = text.substr(start, p - start);
    pos = p;
    return true;
}

bool to_int32(std::string_view text, int32_t& out) {
    size_t pos = 0;
    int32_t v = 0;
    if (!parse_int32(text, pos, v)) return false;
    while (pos < text.size() && is_blank(text[pos])) ++pos;
    if (pos != text.size()) return false;
    out = v;
    return true;
}

namespace {

bool parse_float(std::string_view text, size_t& pos, float& out) {
    size_t p = pos;
    while (p < text.size() && is_blank(text[p])) ++p;
    size_t start = p;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) ++p;
    bool digits = false;
    while (p < text.size() && is_digit(text[p])) ++p, digits = true;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && is_digit(text[p])) ++p, digits = true;
    }
    if (!digits) return false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        size_t q = p + 1;
        if (q < text.size() && (text[q] == '-' || text[q] == '+')) ++q;
        if (q < text.size() && is_digit(text[q])) {
            while (q < text.size() && is_digit(text[q])) ++q;
            p = q;
        }
    }
    // from_chars ignores the process locale, which a GUI toolkit may set to
    // one with a decimal comma; it takes no leading '+'.
    if (text[start] == '+') ++start;
    const char* first = text.data() + start;
    const char* last = text.data() + p;
    float value = 0;
    if (std::from_chars(first, last, value).ec == std::errc::result_out_of_range) {
        // As strtof: too large gives infinity, too small gives zero.
        double wide = 0;
        std::from_chars(first, last, wide);
        const float inf = std::numeric_limits<float>::infinity();
        value = wide > 1 ? inf : wide < -1 ? -inf : 0.0f;
    }
    out = value;
    pos = p;
    return true;
}

}  // namespace

int scan_items(std::string_view input, std::string_view format, std::span<const ScanTarget> out) {
    size_t in = 0;
    size_t next = 0;
    int stored = 0;
    for (size_t f = 0; f < format.size(); ++f) {
        char fc = format[f];
        if (is_blank(fc)) {
            while (in < input.size() && is_blank(input[in])) ++in;
            continue;
        }
        if (fc != '%') {
            if (in >= input.size() || input[in] != fc) return stored;
            ++in;
            continue;
        }
        ++f;
        if (f < format.size() && format[f] == 'l') ++f;
        if (f >= format.size() || next >= out.size()) return stored;
        const ScanTarget& target = out[next++];
        switch (format[f]) {
        case 'd': {
            auto p = std::get_if<int32_t*>(&target);
            if (!p || !parse_int32(input, in, **p)) return stored;
            break;
        }
        case 'f': {
            auto p = std::get_if<float*>(&target);
            if (!p || !parse_float(input, in, **p)) return stored;
            break;
        }
        case 's': {
            std::string_view word;
            if (!parse_word(input, in, word)) return stored;
            if (auto text = std::get_if<std::string*>(&target)) (*text)->assign(word);
            else if (auto view = std::get_if<std::string_view*>(&target)) **view = word;
            else return stored;
            break;
        }
        case 'c': {
            auto p = std::get_if<char*>(&target);
            if (!p || in >= input.size()) return stored;
            **p = input[in++];
            break;
        }
        default:
            return stored;
        }
        ++stored;
    }
    return stored;
}

bool starts_with_nocase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

}  // namespace tarnwick
