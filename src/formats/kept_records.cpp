#include "formats/kept_records.h"

namespace tarnwick {

size_t first_end_line(const std::string& bytes) {
    for (size_t at = 0; at < bytes.size();) {
        if (bytes[at] == '$') return at;
        const size_t next = bytes.find('\n', at);
        if (next == std::string::npos) break;
        at = next + 1;
    }
    return bytes.size();
}

void append_with_line_break(std::string& out, std::string_view bytes) {
    out.append(bytes);
    if (!bytes.empty() && bytes.back() != '\n') out += '\n';
}

}  // namespace tarnwick
