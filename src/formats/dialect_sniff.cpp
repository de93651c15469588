#include "formats/dialect_sniff.h"

#include <cstdint>

#include "world/scan.h"
#include "world/text_source.h"

namespace tarnwick {

Dialect header_dialect(std::string_view third_line) {
    if (third_line.find('~') == std::string_view::npos) {
        int32_t a = 0, b = 0, c = 0, d = 0;
        const int n = scan_numbers(third_line, a, b, c, d);
        if (n == 4) return Dialect::Circle31;
        if (n >= 1) return Dialect::Circle30;
    }
    // A line that is no numbers line is a name: the header has a builders
    // line before it.
    int32_t a = 0;
    return scan_numbers(third_line, a) == 1 ? Dialect::Circle30 : Dialect::TbaMud;
}

Dialect zone_text_dialect(const std::string& text) {
    TextSource in(text);
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!in.read_line(line)) return Dialect::Circle30;
    return header_dialect(line);
}

Dialect zone_file_dialect(const std::string& path) {
    TextSource in;
    if (path.empty() || !in.open(path)) return Dialect::Circle30;
    std::string line;
    for (int i = 0; i < 3; ++i)
        if (!in.read_line(line)) return Dialect::Circle30;
    return header_dialect(line);
}

}  // namespace tarnwick
