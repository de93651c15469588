#include "world/file_path.h"

#include "world/platform_files.h"

namespace tarnwick {

namespace fs = std::filesystem;

fs::path native_path(std::string_view utf8) {
    try {
        return fs::path(std::u8string(utf8.begin(), utf8.end()));
    } catch (const std::exception&) {
        // Not UTF-8 (Windows refuses to convert it): the local code page.
        return fs::path(std::string(utf8));
    }
}

std::string utf8_name(const fs::path& path) {
    try {
        const std::u8string s = path.u8string();
        return std::string(s.begin(), s.end());
    } catch (const std::exception&) {
        return path.string();
    }
}

bool read_file_bytes(const std::string& utf8, std::string& bytes) {
    int error = 0;
    return platform::read_whole_file(utf8, bytes, error);
}

}  // namespace tarnwick
