#include "ui/fonts.h"

#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {
QColor qcolor(uint32_t color) {
    const Rgb c = color_to_rgb(color);
    return QColor(c.red, c.green, c.blue);
}
}  // namespace

QFont font_of(const FontSetting& setting) {
    QFont font(from_cp1252(setting.face));
    font.setPointSize(setting.size > 0 ? setting.size : 8);
    return font;
}

void apply_text_look(QWidget* area, const TextAreaLook& look) {
    area->setFont(font_of(look.font));
    QPalette pal = area->palette();
    pal.setColor(QPalette::Base, qcolor(look.background));
    pal.setColor(QPalette::Text, qcolor(look.font.color));
    area->setPalette(pal);
    area->setAutoFillBackground(true);
}

void apply_general_font(QWidget* window, const FontSetting& setting) {
    if (!window) return;
    window->setFont(font_of(setting));
    QPalette pal = window->palette();
    pal.setColor(QPalette::WindowText, qcolor(setting.color));
    window->setPalette(pal);
}

}  // namespace tarnwick::ui
