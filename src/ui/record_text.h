#pragma once
// Record text at the widget boundary: records hold Windows-1252 bytes, widgets
// hold QString. Memo texts show CR LF as LF and give back LF breaks, the line
// ends the server sends on unchanged.

#include <QString>
#include <string>

namespace tarnwick::ui::fields {

QString to_widget(const std::string& bytes);
std::string from_widget(const QString& text);
QString memo_to_widget(const std::string& bytes);
std::string memo_from_widget(const QString& text);

}  // namespace tarnwick::ui::fields
