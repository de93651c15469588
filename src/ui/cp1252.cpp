#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

// 0x80-0x9F; the undefined 0x81, 0x8D, 0x8F, 0x90 and 0x9D stay themselves.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char byte_of(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c) return char(0x80 + i);
    return '?';
}

}  // namespace

QString from_cp1252(const std::string& bytes) {
    QString out;
    out.reserve(int(bytes.size()));
    for (unsigned char b : bytes)
        out.append(QChar(b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char16_t(b)));
    return out;
}

std::string to_cp1252(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar c : text) out.push_back(byte_of(c.unicode()));
    return out;
}

}  // namespace tarnwick::ui
