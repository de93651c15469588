#pragma once
// File names travel through the program as UTF-8 in std::string (as they come
// from a Linux command line or a Qt file dialog) and become std::filesystem
// paths only where a file is opened, checked or made. On Linux the bytes pass
// unchanged; on Windows they become the wide names the system uses, which
// std::filesystem::path(std::string) would instead read in the local code page.

#include <filesystem>
#include <string>
#include <string_view>

namespace tarnwick {

// The path a UTF-8 name stands for. Bytes that are not UTF-8 are taken as
// they are (Linux) or in the local code page (Windows).
std::filesystem::path native_path(std::string_view utf8);

// A path's name in UTF-8, the inverse of native_path.
std::string utf8_name(const std::filesystem::path& path);

}  // namespace tarnwick
