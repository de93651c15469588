#include "formats/dialect_sniff.h"

#include <cstdint>
#include <filesystem>

#include "world/file_path.h"
#include "world/messages.h"
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

namespace {

// The first record's flags line has tbaMUD's four-word layout: after
// `texts` texts, at least `words` words (rooms 6, mobiles 10, objects 13).
bool first_record_has_four_words(const std::string& path, int texts, int words) {
    TextSource in;
    if (!in.open(path)) return false;
    std::string_view line;
    if (!in.read_line(line) || line.empty() || line[0] != '#') return false;
    int indicator = kNoReadError;
    MessageRecorder quiet;
    for (int i = 0; i < texts; ++i) in.read_tilde_string(indicator, quiet);
    if (indicator != kNoReadError || !in.read_line(line)) return false;
    size_t pos = 0;
    std::string_view word;
    int n = 0;
    while (parse_word(line, pos, word)) ++n;
    return n >= words;
}

}  // namespace

Dialect world_file_dialect(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path file = native_path(path);
    const std::filesystem::path dir = file.parent_path();
    std::filesystem::path zone = file.stem();
    zone += ".zon";
    const std::string kind = utf8_name(dir.filename());
    const bool in_world_folder = kind == "wld" || kind == "mob" || kind == "obj" ||
                                 kind == "shp" || kind == "trg" || kind == "qst" || kind == "zon";
    const std::filesystem::path zone_path =
        in_world_folder ? dir.parent_path() / "zon" / zone : dir / zone;
    if (std::filesystem::is_regular_file(zone_path, ec)) return zone_file_dialect(utf8_name(zone_path));
    std::string ext = utf8_name(file.extension());
    for (char& c : ext) c = char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (ext == ".trg" || ext == ".qst") return Dialect::TbaMud;
    if (ext == ".zon") return zone_file_dialect(path);
    const bool four = ext == ".wld"   ? first_record_has_four_words(path, 2, 6)
                      : ext == ".mob" ? first_record_has_four_words(path, 4, 10)
                      : ext == ".obj" ? first_record_has_four_words(path, 4, 13)
                                      : false;
    return four ? Dialect::TbaMud : Dialect::Circle30;
}

}  // namespace tarnwick
