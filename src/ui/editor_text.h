#pragma once
// Text at the widget boundary: records hold Windows-1252 bytes, widgets hold
// QString with LF breaks. Typed memo text reaches the record with LF breaks
// (CR LF stays only in a text the file held so and the builder left alone).
// Every editor window of this folder converts through these functions only.

#include <QColor>
#include <QFont>
#include <QString>

class QPlainTextEdit;
#include <string>

#include "project/preferences.h"

namespace tarnwick::ui {

// One line of text (names, numbers, keywords).
QString to_qt(const std::string& bytes);
std::string from_qt(const QString& text);

// Memo text: the widget shows CR LF as LF and gives back LF.
QString memo_to_qt(const std::string& bytes);
std::string memo_from_qt(const QString& text);

// Colours are stored as 0x00BBGGRR.
QColor color_from_setting(uint32_t bbggrr);
QFont font_from_setting(const FontSetting& setting);

// A memo that only shows a text edited elsewhere (an extra description,
// changed through Modify...): the memo font on the window's own background,
// so it does not look like a field that takes typing.
void show_as_read_only(QPlainTextEdit* memo, const QFont& font);

}  // namespace tarnwick::ui
