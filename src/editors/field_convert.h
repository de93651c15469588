#pragma once
// Converting editor field text to numbers, as the number fields of the
// editors do it: strict conversion reports "<Label>: '%s' is not a valid
// integer value", naming the field as the form labels it so the builder
// knows which one to fix; the lenient forms fall back to a default.

#include <cstdint>
#include <optional>
#include <string>

namespace tarnwick {

class Messages;

// The integer in `text`, or nullopt after showing the conversion error
// prefixed with `label` (the field's label without its colon).
std::optional<int32_t> strict_int(const std::string& text, const std::string& label,
                                  Messages& messages);
// The integer in `text`, or `fallback` when it holds none.
int32_t int_or(const std::string& text, int32_t fallback);
// A decimal number ("1.1"); nullopt after showing the conversion error
// prefixed with `label`.
std::optional<float> strict_float(const std::string& text, const std::string& label,
                                  Messages& messages);
// The message for a field that holds no number of `kind` ("integer",
// "floating point"): "<label>: '<text>' is not a valid <kind> value", the
// label left out when empty.
std::string invalid_number_message(const std::string& label, const std::string& text,
                                   const std::string& kind);
// A form label as messages name it: "Level:" becomes "Level".
std::string label_of(const std::string& caption);
// The shortest text that reads back as exactly `value` ("1.15", "0.9", "1"),
// with a decimal point whatever the process locale.
std::string float_text(float value);

}  // namespace tarnwick
