#include "ui/cp1252.h"

#include "world/windows1252.h"

namespace tarnwick::ui {

QString from_cp1252(const std::string& bytes) {
    QString out;
    out.reserve(int(bytes.size()));
    for (unsigned char b : bytes)
        out.append(QChar(cp1252_char(b)));
    return out;
}

std::string to_cp1252(const QString& text) {
    std::string out;
    out.reserve(size_t(text.size()));
    for (QChar c : text) out.push_back(cp1252_byte(c.unicode()));
    return out;
}

}  // namespace tarnwick::ui
