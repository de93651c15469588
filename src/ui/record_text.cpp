#include "ui/record_text.h"

#include "ui/cp1252.h"

namespace tarnwick::ui::fields {

QString to_widget(const std::string& bytes) { return from_cp1252(bytes); }

std::string from_widget(const QString& text) { return to_cp1252(text); }

QString memo_to_widget(const std::string& bytes) {
    QString t = to_widget(bytes);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

std::string memo_from_widget(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return from_widget(t);
}

}  // namespace tarnwick::ui::fields
