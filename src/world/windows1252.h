#pragma once
// Windows-1252, the files' code page, as Unicode: one table for the editor's
// widgets, the map's SVG and the command-line tool's JSON.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarnwick {

// 0x80-0x9F; the five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) stay the control characters of the same number.
inline constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The character of one byte.
constexpr char16_t cp1252_char(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

// The byte of one character; '?' for a character the code page lacks.
char cp1252_byte(char16_t c);

// `c` appended to `out` as UTF-8.
void append_utf8(std::string& out, char32_t c);

// Windows-1252 bytes as UTF-8 text.
std::string cp1252_to_utf8(std::string_view bytes);

}  // namespace tarnwick
