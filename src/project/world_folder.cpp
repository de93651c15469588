#include "project/world_folder.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "formats/dialect_sniff.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/other_zones.h"

namespace fs = std::filesystem;

namespace tarnwick {

namespace {

std::string trimmed(std::string s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

// The zone whose vnums hold `vnum`: the first whose top is at or above it.
World& zone_for(std::vector<World>& zones, int32_t vnum) {
    for (auto& z : zones)
        if (vnum <= z.zone.top) return z;
    return zones.back();
}

template <class Record>
void distribute(std::vector<Record>& records, std::vector<World>& zones,
                std::vector<Record> World::*table) {
    if (records.empty()) return;
    // A file usually holds one zone's records: then the table moves whole.
    World& first = zone_for(zones, records.front().vnum);
    bool one_zone = (first.*table).empty();
    for (const auto& r : records)
        if (!one_zone || &zone_for(zones, r.vnum) != &first) {
            one_zone = false;
            break;
        }
    if (one_zone) {
        (first.*table).swap(records);
    } else {
        for (auto& r : records) (zone_for(zones, r.vnum).*table).push_back(std::move(r));
    }
    records.clear();
}

}  // namespace

std::vector<std::string> world_folder_files(const std::string& dir, const std::string& type) {
    const fs::path folder = native_path(dir) / native_path(type);
    std::vector<std::string> files;
    std::string index;
    if (read_file_bytes(utf8_name(folder / "index"), index)) {
        std::istringstream lines(index);
        for (std::string line; std::getline(lines, line);) {
            line = trimmed(line);
            if (line == "$") break;
            if (!line.empty()) files.push_back(utf8_name(folder / native_path(line)));
        }
        return files;
    }
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().extension() == native_path("." + type)) files.push_back(utf8_name(entry.path()));
    std::sort(files.begin(), files.end());
    return files;
}

bool is_world_folder(const std::string& dir) {
    std::error_code ec;
    return fs::is_directory(native_path(dir) / "wld", ec) || fs::is_directory(native_path(dir) / "zon", ec);
}

std::vector<const World*> WorldFolder::zone_list() const {
    std::vector<const World*> list;
    for (const auto& z : zones) list.push_back(&z);
    return list;
}

bool read_world_folder(const std::string& dir, WorldFolder& out, Messages& messages) {
    out = WorldFolder{};
    FormatSettings settings;
    settings.keep_sources = false;  // read for reference and checks, never saved
    for (const auto& path : world_folder_files(dir, "zon")) {
        World zone;
        std::string text;
        if (!read_file_bytes(path, text) || !read_zone(zone, text, messages)) {
            out.failures.push_back(path);
            continue;
        }
        zone.project_zone_number = zone.zone.zone_number;
        // A tbaMUD zone's triggers live beside it; the checker resolves the
        // triggers its rooms, mobs, objects and T commands attach.
        const std::string triggers = trigger_path_for(path);
        std::error_code missing;
        if (zone.dialect == Dialect::TbaMud && fs::is_regular_file(native_path(triggers), missing)) {
            if (!load_trigger_file(zone, triggers, messages)) out.failures.push_back(triggers);
            out.places.index_file(triggers, RecordKind::Trigger);
        }
        out.places.index_text(path, text, RecordKind::Zone);
        out.zones.push_back(std::move(zone));
    }
    if (out.zones.empty()) return false;
    std::stable_sort(out.zones.begin(), out.zones.end(), [](const World& a, const World& b) {
        return a.zone.zone_number < b.zone.zone_number;
    });

    struct Type {
        const char* name;
        RecordKind kind;
        bool (*read)(World&, const std::string&, const FormatSettings&, Messages&);
    };
    const Type types[] = {
        {"wld", RecordKind::Room, read_rooms},
        {"mob", RecordKind::Mob, read_mobs},
        {"obj", RecordKind::Object, read_objects},
        {"shp", RecordKind::Shop,
         [](World& w, const std::string& t, const FormatSettings&, Messages& m) {
             return read_shops(w, t, m);
         }},
    };
    for (const auto& type : types)
        for (const auto& path : world_folder_files(dir, type.name)) {
            World file;
            file.dialect = world_file_dialect(path);
            std::string text;
            if (!read_file_bytes(path, text) || !type.read(file, text, settings, messages)) {
                out.failures.push_back(path);
                continue;
            }
            out.places.index_text(path, text, type.kind);
            distribute(file.rooms, out.zones, &World::rooms);
            distribute(file.mobs, out.zones, &World::mobs);
            distribute(file.objects, out.zones, &World::objects);
            distribute(file.shops, out.zones, &World::shops);
        }
    for (auto& z : out.zones) {
        z.sort_rooms();
        z.sort_mobs();
        z.sort_objects();
        z.sort_shops();
        z.changed = false;
    }
    return true;
}

std::shared_ptr<const OtherZones> read_other_zones(const std::string& dir, int32_t open_zone) {
    WorldFolder folder;
    SilentMessages silent;
    if (!read_world_folder(dir, folder, silent)) return nullptr;
    // The open zone's records on disk are left out: the World holds them,
    // edited, and a record the builder removed must not live on here.
    std::erase_if(folder.zones,
                  [open_zone](const World& z) { return z.zone.zone_number == open_zone; });
    return std::make_shared<const OtherZones>(std::move(folder.zones));
}

}  // namespace tarnwick
