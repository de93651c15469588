#include "project/record_places.h"

#include <algorithm>
#include <cctype>

#include "world/file_path.h"

namespace tarnwick {

RecordPlaces::Heads RecordPlaces::record_heads(const std::string& text) {
    Heads heads;
    int line = 1;
    for (size_t pos = 0; pos < text.size(); ++line) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        if (text[pos] == '#' && pos + 1 < end && std::isdigit(static_cast<unsigned char>(text[pos + 1]))) {
            int32_t vnum = 0;
            for (size_t i = pos + 1; i < end && i < pos + 10 && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
                vnum = vnum * 10 + (text[i] - '0');
            heads.emplace_back(vnum, line);
        }
        pos = end + 1;
    }
    return heads;
}

void RecordPlaces::add_file(const std::string& path, const Heads& heads, RecordKind kind) {
    const size_t file = files_.size();
    files_.push_back(path);
    for (const auto& [vnum, line] : heads) places_.try_emplace({kind, vnum}, Place{file, line});
}

void RecordPlaces::index_text(const std::string& path, const std::string& text, RecordKind kind) {
    add_file(path, record_heads(text), kind);
}

bool RecordPlaces::index_file(const std::string& path, RecordKind kind) {
    std::string text;
    if (!read_file_bytes(path, text)) return false;
    index_text(path, text, kind);
    return true;
}

void RecordPlaces::locate(std::vector<Finding>& findings) const {
    for (auto& f : findings) {
        if (!f.file.empty()) continue;  // found in its file, at its line
        const RecordKind kind = f.kind == RecordKind::ZoneCommand ? RecordKind::Zone : f.kind;
        auto it = places_.find({kind, f.vnum});
        if (it == places_.end()) continue;
        f.file = files_[it->second.file];
        if (f.line == 0) f.line = it->second.line + (f.record_line > 0 ? f.record_line - 1 : 0);
    }
}

}  // namespace tarnwick
