#pragma once
// Converting editor field text to numbers, as the number fields of the
// editors do it: strict conversion reports "'%s' is not a valid integer
// value"; the lenient forms fall back to a default.

#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick {

class Messages;

// The integer in `text`, or nullopt after showing the conversion error.
std::optional<int32_t> strict_int(const std::string& text, Messages& messages);
// The integer in `text`, or `fallback` when it holds none.
int32_t int_or(const std::string& text, int32_t fallback);
// A decimal number ("1.1"); nullopt after showing the conversion error.
std::optional<float> strict_float(const std::string& text, Messages& messages);
// The shortest text that reads back as exactly `value` ("1.15", "0.9", "1"),
// with a decimal point whatever the process locale.
std::string float_text(float value);

}  // namespace tarnwick
