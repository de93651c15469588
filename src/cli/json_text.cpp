#include "cli/json_text.h"

#include <cstdio>

#include "world/windows1252.h"

namespace tarnwick::cli {

std::string json_string(const std::string& bytes) {
    std::string out = "\"";
    for (unsigned char b : bytes) {
        if (b == '"' || b == '\\') {
            out += '\\';
            out += char(b);
        } else if (b < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", b);
            out += buf;
        } else {
            append_utf8(out, cp1252_char(b));
        }
    }
    return out + "\"";
}

}  // namespace tarnwick::cli
