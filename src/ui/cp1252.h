#pragma once
// Windows-1252 text at the widget boundary: files and records hold bytes,
// widgets hold QString. Bytes 0x80-0x9F use the code page's table; the five
// bytes it leaves undefined map to the control characters of the same value.

#include <QString>
#include <string>

namespace tarnwick::ui {

QString from_cp1252(const std::string& bytes);
// Characters with no Windows-1252 byte become '?'.
std::string to_cp1252(const QString& text);

}  // namespace tarnwick::ui
