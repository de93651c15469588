#pragma once
// The language the windows show. The windows are written with the program's
// own texts; English installs the translation of the Qt texts and shows the
// core's texts by their English forms. Switching re-translates every open
// window at once: each widget's texts are looked up again from the original
// they were made with, which the widget keeps.

#include <QString>
#include <string>

#include "world/language.h"

class QWidget;

namespace tarnwick::ui {

Language interface_language();
// Installs or removes the translation and re-translates every top-level
// window; Qt then sends each widget a LanguageChange event, on which the
// windows refresh what they fill from the world (lists, captions).
void set_interface_language(Language language);

// A core text (Windows-1252) as the interface language shows it.
QString shown(const std::string& core_text);
// A text of the program as the interface language shows it: the Qt
// translation of any context of the widget's class or those above it, else
// the core's English form.
QString shown_text(const QString& original, const QWidget* where);

// Translates the texts of `window` and every widget, action, tab and header
// below it from their originals.
void retranslate_window(QWidget* window);

}  // namespace tarnwick::ui
