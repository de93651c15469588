#pragma once
// The project file (.qzp): one fixed binary record of 3,684 bytes. Seven
// texts in 500-byte slots, each ended by a zero byte, the zone number as a
// 32-bit little-endian integer, then nine 20-byte window blocks. There is no
// magic number or version: the size is the only check a reader can make.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "project/area_project.h"

namespace tarnwick {

class Messages;

constexpr size_t kProjectFileSize = 3684;
constexpr size_t kProjectTextSlot = 500;  // a text holds at most 499 bytes
constexpr size_t kZoneNumberOffset = 3500;
constexpr size_t kWindowBlocksOffset = 3504;
constexpr size_t kWindowBlockSize = 20;

using WindowLayouts = std::array<window_layout, kProjectWindowCount>;

// The editors are dialogs of fixed size: their width and height are neither
// stored nor restored.
bool is_fixed_size_window(ProjectWindow window);

// The record's bytes, in `out`. False, with a message naming the field in
// `error`, when a text does not fit its slot; `out` is then left alone.
bool encode_project_record(const AreaProject& project, std::string& out, std::string& error);

// The values of a record of exactly kProjectFileSize bytes. `project_path`
// is left alone; the editors' size fields read as zero.
bool decode_project_record(std::string_view bytes, AreaProject& out);

// Reads a project file. False, with the message to show in `error`, when the
// path cannot be read or the file is not one record long.
bool read_project_file(const std::string& path, AreaProject& out, std::string& error);

// Writes the record through a temporary file renamed into place, so a failed
// save leaves the previous project file as it was. Names of world files in
// the project's folder or below are stored relative to it (stored_file_name).
// Shows its own messages.
bool write_project_file(const std::string& path, const AreaProject& project, Messages& messages);

// The record's window blocks from the windows as they stand: visibility,
// left, top and, for the main window and the lists, width and height.
void store_window_layout(const WindowLayouts& live, WindowLayouts& record);

// The windows placed as the record says: for the lists left, top, height and
// width; for the editors left and top; for the main window left, top and
// width (its height is fixed). A size of zero is not applied. A window whose
// block says visible is shown; the others keep their visibility.
void apply_window_layout(const WindowLayouts& record, WindowLayouts& live);

}  // namespace tarnwick
