#include "project/map_memory.h"

#include <cmath>
#include <filesystem>
#include <sstream>

#include "world/atomic_file.h"
#include "world/file_path.h"

namespace tarnwick {

std::string map_memory_path(const std::string& project_path) {
    if (project_path.empty()) return {};
    const size_t dot = project_path.find_last_of('.');
    const size_t slash = project_path.find_last_of("/\\");
    const bool has_ext = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (has_ext ? project_path.substr(0, dot) : project_path) + ".map";
}

std::string map_memory_text(const MapMemory& memory) {
    std::ostringstream out;
    out.precision(10);
    if (memory.view)
        out << "view " << memory.view->level << ' ' << memory.view->zoom << ' '
            << memory.view->centre_x << ' ' << memory.view->centre_y << '\n';
    for (const auto& [vnum, p] : memory.placement)
        out << "room " << vnum << ' ' << p.x << ' ' << p.y << ' ' << p.level << '\n';
    return out.str();
}

MapMemory read_map_memory_text(const std::string& text) {
    MapMemory memory;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string word;
        fields >> word;
        if (word == "view") {
            MapViewState v;
            if (fields >> v.level >> v.zoom >> v.centre_x >> v.centre_y && std::isfinite(v.zoom) &&
                v.zoom > 0 && std::isfinite(v.centre_x) && std::isfinite(v.centre_y))
                memory.view = v;
        } else if (word == "room") {
            int32_t vnum = 0;
            GridPos p;
            // Cells far out would only be typing errors; the grid's keys hold
            // about a million either way.
            if (fields >> vnum >> p.x >> p.y >> p.level && std::abs(p.x) < 100000 &&
                std::abs(p.y) < 100000 && std::abs(p.level) < 100000)
                memory.placement[vnum] = p;
        }
    }
    return memory;
}

MapMemory load_map_memory(const std::string& path) {
    std::string bytes;
    if (path.empty() || !read_file_bytes(path, bytes)) return {};
    return read_map_memory_text(bytes);
}

bool save_map_memory(const std::string& path, const MapMemory& memory, std::string& error) {
    if (path.empty()) return true;
    if (memory == MapMemory{}) {
        std::error_code ec;
        std::filesystem::remove(native_path(path), ec);
        return true;
    }
    const WriteResult r = write_file_atomic(path, map_memory_text(memory));
    if (!r.ok) error = r.reason;
    return r.ok;
}

}  // namespace tarnwick
