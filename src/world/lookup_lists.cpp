#include "world/lookup_lists.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "world/dialect_lists.h"
#include "world/file_path.h"

#ifndef TARNWICK_DATA_DIR
#define TARNWICK_DATA_DIR "data"
#endif

namespace tarnwick {

namespace {

// The nine list files the program ships with.
constexpr const char* kListFileNames[] = {
    "sectortype.txt", "roomflags.txt", "mobaffects.txt", "mobactions.txt", "mobpos.txt",
    "especs.txt",     "itemeffects.txt", "itemwear.txt", "itemaff.txt"};

}  // namespace

std::string lookup_data_dir() { return TARNWICK_DATA_DIR; }

std::string installed_data_dir(const std::string& program_dir) {
    return utf8_name(native_path(program_dir).parent_path() / "share" / "tarnwick");
}

std::vector<std::string> default_list_folders(const std::string& program_dir) {
    std::vector<std::string> folders{""};
    if (!program_dir.empty()) folders.push_back(installed_data_dir(program_dir));
    folders.push_back(lookup_data_dir());
    return folders;
}

std::string find_list_folder(const std::string& program_dir) {
    for (const auto& folder : default_list_folders(program_dir)) {
        const std::filesystem::path dir = native_path(folder.empty() ? "." : folder);
        bool all = true;
        for (const char* name : kListFileNames) {
            std::error_code ec;
            all = all && std::filesystem::is_regular_file(dir / name, ec);
        }
        if (all) return folder.empty() ? utf8_name(std::filesystem::current_path()) : folder;
    }
    return {};
}

std::vector<std::string> split_list_lines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(text.substr(start, i - start));
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

bool read_list_file(const std::string& name, const std::vector<std::string>& folders,
                    std::vector<std::string>& out) {
    for (const auto& folder : folders) {
        const std::string path = folder.empty() ? name : folder + "/" + name;
        std::error_code ec;
        if (std::filesystem::is_directory(native_path(path), ec)) continue;
        std::ifstream in(native_path(path), std::ios::binary);
        if (!in) continue;
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) continue;
        out = split_list_lines(text);
        return true;
    }
    return false;
}

bool load_lookup_lists(LookupLists& lists, const std::vector<std::string>& folders,
                       Messages& messages) {
    return load_lookup_lists(lists, Dialect::Circle30, folders, messages);
}

std::vector<bool> flag_checks(size_t count, int32_t flags) {
    std::vector<bool> checks(count);
    for (size_t i = 0; i < count; ++i) checks[i] = (uint32_t(flags) & flag_bit(i)) != 0;
    return checks;
}

int32_t flags_from_checks(const std::vector<bool>& checks, int32_t unlisted) {
    uint32_t flags = 0, named = 0;
    for (size_t i = 0; i < checks.size(); ++i) {
        named |= flag_bit(i);
        if (checks[i]) flags |= flag_bit(i);
    }
    return int32_t(flags | (uint32_t(unlisted) & ~named));
}

}  // namespace tarnwick
