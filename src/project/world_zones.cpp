#include "project/world_zones.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <sstream>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/world_folder.h"
#include "world/atomic_file.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/parallel_for.h"
#include "world/work_progress.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace tarnwick {

int zone_command_count(const World& world) {
    const CommandList& commands = world.zone.commands;
    return int(std::count_if(commands.begin(), commands.end(),
                             [](const zCommand& c) { return c.command != 'S'; }));
}

namespace {

// "30.wld" of a UTF-8 path.
std::string file_name_of(const std::string& path) { return utf8_name(native_path(path).filename()); }

// The zone's five files: the zone file `zon` and its siblings named by its
// stem in the world folder `dir` (dir/wld/30.wld ...).
void name_zone_files(WorldZone& z, const fs::path& dir, const std::string& zon) {
    const std::string stem = utf8_name(native_path(zon).stem());
    auto sibling = [&](const char* type) {
        return utf8_name(dir / type / native_path(stem + "." + type));
    };
    z.zone_file = zon;
    z.room_file = sibling("wld");
    z.mob_file = sibling("mob");
    z.object_file = sibling("obj");
    z.shop_file = sibling("shp");
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
    if (path.empty() || !fs::exists(native_path(path), ec)) return true;
    std::string text;
    MessageRecorder recorder;
    recorder.default_answer = Answer::No;
    if (!read_file_bytes(path, text)) {
        zone.problem = file_name_of(path) + ": cannot be read";
        return false;
    }
    if (read(world, text, recorder)) return true;
    zone.problem = file_name_of(path) + ": " + reason(recorder, "did not load");
    return false;
}

}  // namespace

std::vector<WorldZone> list_world_zones(const std::string& dir, WorkProgress* progress) {
    FormatSettings settings;
    settings.keep_sources = false;  // counted, never saved
    const std::vector<std::string> files = world_folder_files(dir, "zon");
    std::vector<WorldZone> zones(files.size());
    // Each zone's files are its own: the zones are read on every core.
    const bool finished = parallel_for(
        files.size(), progress, 0, int(files.size()),
        [&](size_t i) { return "listing " + file_name_of(files[i]); },
        [&](size_t i) {
        const std::string& zon = files[i];
        WorldZone& z = zones[i];
        name_zone_files(z, native_path(dir), zon);
        try {
            z.number = std::stoi(utf8_name(native_path(zon).stem()));
        } catch (...) {
        }
        World w;
        std::error_code ec;
        if (!fs::exists(native_path(zon), ec)) {
            z.problem = file_name_of(zon) + ": no such file";
        } else if (read_part(zon, w, z, [](World& world, const std::string& t, Messages& m) {
                       return read_zone_for_reference(world, t, m);
                   })) {
            z.number = w.zone.zone_number;
            z.name = w.zone.name;
            z.top = w.zone.top;
            z.commands = zone_command_count(w);
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
    });
    if (!finished) return {};
    std::stable_sort(zones.begin(), zones.end(),
                     [](const WorldZone& a, const WorldZone& b) { return a.number < b.number; });
    return zones;
}

std::optional<WorldZone> find_world_zone(const std::vector<WorldZone>& zones, int32_t number) {
    for (const auto& z : zones)
        if (z.number == number) return z;
    return std::nullopt;
}

bool is_zone_file_path(const std::string& path) {
    std::string ext = utf8_name(native_path(path).extension());
    for (auto& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".zon";
}

bool project_for_zone_file(const std::string& zon_path, AreaProject& out) {
    std::string text;
    World w;
    SilentMessages silent;
    if (!read_file_bytes(zon_path, text) || !read_zone(w, text, silent)) return false;
    WorldZone z;
    z.number = w.zone.zone_number;
    z.name = w.zone.name;
    name_zone_files(z, native_path(zon_path).parent_path().parent_path(), zon_path);
    out = project_for_zone(z);
    return true;
}

void offer_index_entry(const std::string& path, Messages& messages) {
    const fs::path file = native_path(path);
    const fs::path index = file.parent_path() / "index";
    std::string text;
    if (!read_file_bytes(utf8_name(index), text)) return;
    const std::string name = utf8_name(file.filename());
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line == name) return;
    }
    const std::string folder = utf8_name(file.parent_path().filename());
    if (messages.ask("Add " + name + " to " + folder + "/index?") != Answer::Yes) return;
    // The entry goes before the closing "$" line, keeping the index's own
    // line endings.
    const bool crlf = text.find("\r\n") != std::string::npos;
    const std::string eol = crlf ? "\r\n" : "\n";
    size_t at = text.size();
    for (size_t pos = 0; pos < text.size();) {
        size_t end = text.find('\n', pos);
        std::string line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        if (line == "$") {
            at = pos;
            break;
        }
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    std::string entry = name + eol;
    if (at == text.size() && !text.empty() && text.back() != '\n') entry = eol + entry;
    text.insert(at, entry);
    // Saved like a world file: a failure leaves the old index whole.
    const WriteResult written = write_file_atomic(utf8_name(index), text);
    if (!written.ok) messages.show("Cannot write " + utf8_name(index) + ": " + written.reason);
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
