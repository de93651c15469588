#include "editors/field_convert.h"

#include <charconv>

#include "world/messages.h"
#include "world/scan.h"

namespace tarnwick {

std::string invalid_number_message(const std::string& label, const std::string& text,
                                   const std::string& kind) {
    std::string m = label.empty() ? std::string() : label + ": ";
    return m + "'" + text + "' is not a valid " + kind + " value";
}

std::optional<int32_t> strict_int(const std::string& text, const std::string& label,
                                  Messages& messages) {
    int32_t v = 0;
    if (to_int32(text, v)) return v;
    messages.show(invalid_number_message(label, text, "integer"));
    return std::nullopt;
}

int32_t int_or(const std::string& text, int32_t fallback) {
    int32_t v = 0;
    return to_int32(text, v) ? v : fallback;
}

std::optional<float> strict_float(const std::string& text, const std::string& label,
                                  Messages& messages) {
    size_t b = 0, e = text.size();
    while (b < e && is_blank(text[b])) ++b;
    while (e > b && is_blank(text[e - 1])) --e;
    const char* first = text.data() + b;
    const char* last = text.data() + e;
    if (first != last && *first == '+') ++first;
    float v = 0;
    auto [ptr, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (b < e && ec == std::errc() && ptr == last) return v;
    messages.show(invalid_number_message(label, text, "floating point"));
    return std::nullopt;
}

std::string label_of(const std::string& caption) {
    size_t e = caption.size();
    while (e > 0 && (caption[e - 1] == ':' || is_blank(caption[e - 1]))) --e;
    return caption.substr(0, e);
}

std::string float_text(float value) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    return ec == std::errc() ? std::string(buf, end) : std::string();
}

}  // namespace tarnwick
