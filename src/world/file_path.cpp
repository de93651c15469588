#include "world/file_path.h"

#include <fstream>

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
    std::ifstream in(native_path(utf8), std::ios::binary | std::ios::ate);
    if (!in) return false;
    // The whole file in one read into a buffer of its size; then to the end
    // whatever came after (a file still growing, or one that cannot tell its
    // size).
    std::string out;
    const std::streamoff size = in.tellg();
    if (size > 0 && in.seekg(0)) {
        out.resize(size_t(size));
        in.read(out.data(), size);
        out.resize(size_t(in.gcount()));
    } else {
        in.clear();
        in.seekg(0);
    }
    char chunk[16384];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) out.append(chunk, size_t(in.gcount()));
    if (in.bad()) return false;
    bytes = std::move(out);
    return true;
}

}  // namespace tarnwick
