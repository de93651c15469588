#pragma once
// Strings for the tool's JSON output: the files' Windows-1252 bytes as UTF-8,
// quotes, backslashes and control characters escaped.

#include <string>

namespace tarnwick::cli {

// `bytes` as a quoted JSON string.
std::string json_string(const std::string& bytes);

}  // namespace tarnwick::cli
