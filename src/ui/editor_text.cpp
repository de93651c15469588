#include "ui/editor_text.h"

namespace tarnwick::ui {

namespace {

// The bytes 0x80-0x9F of Windows-1252; the five it leaves undefined map to
// the matching control characters so that every byte survives a round trip.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char byte_of(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == c) return char(0x80 + i);
    return '?';
}

}  // namespace

QString to_qt(const std::string& bytes) {
    QString out;
    out.reserve(qsizetype(bytes.size()));
    for (unsigned char b : bytes) out.append(QChar(b >= 0x80 && b < 0xA0 ? kHighTable[b - 0x80] : char16_t(b)));
    return out;
}

std::string from_qt(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar c : text) out += byte_of(c.unicode());
    return out;
}

QString memo_to_qt(const std::string& bytes) {
    QString text = to_qt(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string memo_from_qt(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QChar('\n'), QStringLiteral("\r\n"));
    return from_qt(t);
}

QColor color_from_setting(uint32_t bbggrr) {
    return QColor(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

QFont font_from_setting(const FontSetting& setting) {
    QFont font(to_qt(setting.face));
    if (setting.size > 0) font.setPointSize(setting.size);
    return font;
}

}  // namespace tarnwick::ui
