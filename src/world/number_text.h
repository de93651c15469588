#pragma once

#include <cstdint>
#include <string>

namespace tarnwick {

// A number as messages and file comments write it.
inline std::string num(int32_t n) { return std::to_string(n); }

}  // namespace tarnwick
