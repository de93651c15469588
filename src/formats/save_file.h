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

}  // namespace tarnwick
