#pragma once
// The common end of every world-file writer: the bytes go to disk through an
// atomic save, and the user learns of any failure.

#include <string>
#include <string_view>

namespace tarnwick {

class Messages;

// Writes `bytes` to `path`. When the file cannot be created, shows
// `open_message`; when a later write fails, a message naming the file and the
// reason. The previous file is untouched on failure.
bool save_file(const std::string& path, std::string_view bytes, const std::string& open_message,
               Messages& messages);

// As save_file, but a file that still holds exactly `bytes` (the file the
// table was read from, at `kept_path`, whose bytes were `kept_bytes`) is
// left alone: its bytes and its modification time stay.
bool save_file_if_changed(const std::string& path, std::string_view bytes,
                          const std::string& kept_path, std::string_view kept_bytes,
                          const std::string& open_message, Messages& messages);

}  // namespace tarnwick
