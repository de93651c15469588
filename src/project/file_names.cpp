#include "project/file_names.h"

#include <algorithm>
#include <filesystem>

#include "world/file_path.h"

namespace tarnwick {

namespace {

namespace fs = std::filesystem;

bool has_drive(const std::string& name) {
    return name.size() >= 2 && name[1] == ':' &&
           ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
}

// Where the folder part of a name ends: after its last separator or drive.
size_t file_part_start(const std::string& name) {
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos) return slash + 1;
    return has_drive(name) ? 2 : 0;
}

// A path written for another system: with a drive letter or backslashes.
bool is_foreign_path(const std::string& name) {
    return has_drive(name) || name.find('\\') != std::string::npos;
}

bool file_exists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

}  // namespace

std::string normalize_file_name(const std::string& name, const std::string& extension,
                                int32_t zone_number) {
    size_t start = file_part_start(name);
    std::string folder = name.substr(0, start);
    std::string file = name.substr(start);
    size_t dot = file.find_last_of('.');
    std::string base = dot == std::string::npos ? file : file.substr(0, dot);
    if (base.empty()) base = std::to_string(zone_number);
    return folder + base + "." + extension;
}

std::string bare_file_name(const std::string& name) { return name.substr(file_part_start(name)); }

std::string resolve_world_file(const std::string& name, const std::string& project_path) {
    if (name.empty()) return {};
    fs::path folder = native_path(project_path).parent_path();
    fs::path as_named = native_path(name);
    // A name from the root ("/x", or "\\x" and "C:x" on Windows) is taken as it is.
    fs::path primary = as_named.has_root_path() || folder.empty() ? as_named : folder / as_named;
    if (file_exists(primary)) return utf8_name(primary);
    // A relative name written on Windows ("wld\\30.wld") names the same place
    // below the project's folder here too.
    if (!folder.empty() && name.find('\\') != std::string::npos && !has_drive(name) &&
        name[0] != '\\') {
        std::string slashed = name;
        std::replace(slashed.begin(), slashed.end(), '\\', '/');
        const fs::path below = folder / native_path(slashed);
        if (file_exists(below)) return utf8_name(below);
    }
    std::string bare = bare_file_name(name);
    if (!bare.empty() && bare != name) {
        fs::path nearby = folder.empty() ? native_path(bare) : folder / native_path(bare);
        // A name written on another system stands for the file beside the
        // project; a name from this system's own root stays where it points,
        // even before the file exists (a new file is made there).
        if (file_exists(nearby) || (is_foreign_path(name) && !as_named.is_absolute()))
            return utf8_name(nearby);
    }
    return utf8_name(primary);
}

std::string stored_file_name(const std::string& name, const std::string& project_path) {
    if (name.empty() || project_path.empty()) return name;
    const fs::path file = native_path(name);
    if (!file.is_absolute()) return name;
    std::error_code ec;
    const fs::path folder = fs::absolute(native_path(project_path), ec).parent_path();
    if (ec || folder.empty()) return name;
    const fs::path below = file.lexically_normal().lexically_relative(folder.lexically_normal());
    // Empty when the two share no root (another drive); ".." first when the
    // file lies outside the folder.
    if (below.empty() || below == "." || *below.begin() == "..") return name;
    try {
        const std::u8string text = below.generic_u8string();
        return std::string(text.begin(), text.end());
    } catch (const std::exception&) {
        return name;
    }
}

}  // namespace tarnwick
