#include "ui/record_text.h"

namespace tarnwick::ui::fields {

namespace {

// 0x80..0x9F of Windows-1252; the five undefined bytes map to the matching
// control characters so every byte survives a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString to_widget(const std::string& bytes) {
    QString out;
    out.reserve(int(bytes.size()));
    for (unsigned char c : bytes)
        out.append(QChar(c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : char16_t(c)));
    return out;
}

std::string from_widget(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            out.push_back(char(u));
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i)
            if (kHigh[i] == u) b = char(0x80 + i);
        out.push_back(b);
    }
    return out;
}

QString memo_to_widget(const std::string& bytes) {
    QString t = to_widget(bytes);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

std::string memo_from_widget(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return from_widget(t);
}

}  // namespace tarnwick::ui::fields
