#include "ui/editor_text.h"

#include <QPlainTextEdit>

#include "ui/cp1252.h"

namespace tarnwick::ui {

QString to_qt(const std::string& bytes) { return from_cp1252(bytes); }

std::string from_qt(const QString& text) { return to_cp1252(text); }

QString memo_to_qt(const std::string& bytes) {
    QString text = to_qt(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string memo_from_qt(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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

void show_as_read_only(QPlainTextEdit* memo, const QFont& font) {
    memo->setReadOnly(true);
    memo->setFont(font);
    QPalette pal = memo->palette();
    pal.setColor(QPalette::Base, pal.color(QPalette::Window));
    pal.setColor(QPalette::Text, pal.color(QPalette::WindowText));
    memo->setPalette(pal);
    memo->setToolTip(QStringLiteral("Modify... edits this description"));
}

}  // namespace tarnwick::ui
