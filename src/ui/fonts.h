#pragma once
// Fonts and colours of the preferences given to widgets.

#include <QFont>
#include <QWidget>

#include "project/apply_preferences.h"

namespace tarnwick::ui {

QFont font_of(const FontSetting& setting);
// A description area or the source viewer: font, text colour, background.
void apply_text_look(QWidget* area, const TextAreaLook& look);
// A window's general font; its colour becomes the colour of its labels.
void apply_general_font(QWidget* window, const FontSetting& setting);

}  // namespace tarnwick::ui
