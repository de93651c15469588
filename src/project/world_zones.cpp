#include "project/world_zones.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/world_folder.h"
#include "world/messages.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace tarnwick {

namespace {

bool read_text(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// The reader's last message, or a plain reason when it gave none.
std::string reason(const MessageRecorder& recorder, const std::string& fallback) {
    for (auto it = recorder.entries.rbegin(); it != recorder.entries.rend(); ++it)
        if (it->kind == "show" || it->kind == "warn") {
            std::string text = it->text;
            std::replace(text.begin(), text.end(), '\n', ' ');
            while (!text.empty() && text.back() == ' ') text.pop_back();
            return text;
        }
    return fallback;
}

// Reads one existing file of the zone into `world`; false with the zone's
// problem set when it does not load. A missing file is simply empty.
template <class Read>
bool read_part(const std::string& path, World& world, WorldZone& zone, Read read) {
    std::error_code ec;
    if (path.empty() || !fs::exists(path, ec)) return true;
    std::string text;
    MessageRecorder recorder;
    recorder.default_answer = Answer::No;
    if (!read_text(path, text)) {
        zone.problem = fs::path(path).filename().string() + ": cannot be read";
        return false;
    }
    if (read(world, text, recorder)) return true;
    zone.problem = fs::path(path).filename().string() + ": " + reason(recorder, "did not load");
    return false;
}

}  // namespace

std::vector<WorldZone> list_world_zones(const std::string& dir) {
    std::vector<WorldZone> zones;
    const FormatSettings settings;
    for (const auto& zon : world_folder_files(dir, "zon")) {
        WorldZone z;
        const std::string stem = fs::path(zon).stem().string();
        auto sibling = [&](const char* type) {
            return (fs::path(dir) / type / (stem + "." + type)).string();
        };
        z.zone_file = zon;
        z.room_file = sibling("wld");
        z.mob_file = sibling("mob");
        z.object_file = sibling("obj");
        z.shop_file = sibling("shp");
        try {
            z.number = std::stoi(stem);
        } catch (...) {
        }
        World w;
        std::error_code ec;
        if (!fs::exists(zon, ec)) {
            z.problem = fs::path(zon).filename().string() + ": no such file";
        } else if (read_part(zon, w, z, [](World& world, const std::string& t, Messages& m) {
                       return read_zone(world, t, m);
                   })) {
            z.number = w.zone.zone_number;
            z.name = w.zone.name;
            z.top = w.zone.top;
            z.commands = int(w.zone.commands.size());
            auto with = [&](auto reader) {
                return [&settings, reader](World& world, const std::string& t, Messages& m) {
                    return reader(world, t, settings, m);
                };
            };
            w.project_zone_number = z.number;
            read_part(z.room_file, w, z, with(read_rooms)) &&
                read_part(z.mob_file, w, z, with(read_mobs)) &&
                read_part(z.object_file, w, z, with(read_objects)) &&
                read_part(z.shop_file, w, z, [](World& world, const std::string& t, Messages& m) {
                    return read_shops(world, t, m);
                });
            z.rooms = w.room_count();
            z.mobs = w.mob_count();
            z.objects = w.object_count();
            z.shops = w.shop_count();
        }
        zones.push_back(std::move(z));
    }
    std::stable_sort(zones.begin(), zones.end(),
                     [](const WorldZone& a, const WorldZone& b) { return a.number < b.number; });
    return zones;
}

std::optional<WorldZone> find_world_zone(const std::vector<WorldZone>& zones, int32_t number) {
    for (const auto& z : zones)
        if (z.number == number) return z;
    return std::nullopt;
}

AreaProject project_for_zone(const WorldZone& zone) {
    AreaProject p;
    p.zone_name = zone.name;
    p.zone_number = zone.number;
    p.zone_file = zone.zone_file;
    p.room_file = zone.room_file;
    p.mob_file = zone.mob_file;
    p.object_file = zone.object_file;
    p.shop_file = zone.shop_file;
    return p;
}

}  // namespace tarnwick
