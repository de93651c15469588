#pragma once
// Record text at the widget boundary: records hold Windows-1252 bytes (memo
// texts with CR LF breaks), widgets hold QString (LF breaks).

#include <QString>
#include <string>

namespace tarnwick::ui::fields {

QString to_widget(const std::string& bytes);
std::string from_widget(const QString& text);
QString memo_to_widget(const std::string& bytes);
std::string memo_from_widget(const QString& text);

}  // namespace tarnwick::ui::fields
