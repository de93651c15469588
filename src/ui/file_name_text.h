#pragma once
// File and folder names at the widget boundary. The core holds them as UTF-8
// (see world/file_path.h), not as Windows-1252 text like the records, so a
// name with any letters round-trips between a dialog and the disk.

#include <QString>
#include <string>

namespace tarnwick::ui {

inline QString file_name_text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

inline std::string file_name_bytes(const QString& name) { return name.toUtf8().toStdString(); }

}  // namespace tarnwick::ui
