#include "formats/save_file.h"

#include <filesystem>

#include "world/atomic_file.h"
#include "world/file_path.h"
#include "world/messages.h"

namespace tarnwick {

bool save_file(const std::string& path, std::string_view bytes, const std::string& open_message,
               Messages& messages) {
    WriteResult result = write_file_atomic(path, bytes);
    if (result.ok) return true;
    if (result.open_failed)
        messages.show(open_message);
    else
        messages.show("Could not write " + path + " (" + result.reason +
                      "). The file on disk was left as it was.");
    return false;
}

bool save_file_if_changed(const std::string& path, std::string_view bytes,
                          const std::string& kept_path, std::string_view kept_bytes,
                          const std::string& open_message, Messages& messages) {
    if (!kept_path.empty() && path == kept_path && bytes == kept_bytes) {
        std::error_code ec;
        const auto size = std::filesystem::file_size(native_path(path), ec);
        if (!ec && size == bytes.size()) return true;
    }
    return save_file(path, bytes, open_message, messages);
}

}  // namespace tarnwick
