#include "project/record_places.h"

#include <algorithm>
#include <cctype>

#include "world/file_path.h"

namespace tarnwick {

void RecordPlaces::index_text(const std::string& path, const std::string& text, RecordKind kind) {
    const size_t file = files_.size();
    files_.push_back(path);
    int line = 1;
    for (size_t pos = 0; pos < text.size(); ++line) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        if (text[pos] == '#' && pos + 1 < end && std::isdigit(static_cast<unsigned char>(text[pos + 1]))) {
            const int32_t vnum = std::stoi(text.substr(pos + 1, std::min<size_t>(end - pos - 1, 9)));
            places_.try_emplace({kind, vnum}, Place{file, line});
        }
        pos = end + 1;
    }
}

bool RecordPlaces::index_file(const std::string& path, RecordKind kind) {
    std::string text;
    if (!read_file_bytes(path, text)) return false;
    index_text(path, text, kind);
    return true;
}

void RecordPlaces::locate(std::vector<Finding>& findings) const {
    for (auto& f : findings) {
        const RecordKind kind = f.kind == RecordKind::ZoneCommand ? RecordKind::Zone : f.kind;
        auto it = places_.find({kind, f.vnum});
        if (it == places_.end()) continue;
        f.file = files_[it->second.file];
        if (f.line == 0) f.line = it->second.line + (f.record_line > 0 ? f.record_line - 1 : 0);
    }
}

}  // namespace tarnwick
