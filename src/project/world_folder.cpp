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
#include "world/work_progress.h"

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

bool read_world_folder(const std::string& dir, WorldFolder& out, Messages& messages,
                       WorkProgress* progress) {
    out = WorldFolder{};
    FormatSettings settings;
    settings.keep_sources = false;  // read for reference and checks, never saved
    // Every file counts as one part of the work.
    std::vector<std::string> files[std::size(kWorldFolderTypes)];
    int total = 0, done = 0;
    for (size_t t = 0; t < std::size(kWorldFolderTypes); ++t) {
        files[t] = world_folder_files(dir, kWorldFolderTypes[t]);
        total += int(files[t].size());
    }
    auto go_on = [&](const std::string& path) {
        if (!progress ||
            progress->advance(done++, total, "reading " + utf8_name(native_path(path).filename())))
            return true;
        out = WorldFolder{};
        return false;
    };
    for (const auto& path : files[0]) {
        if (!go_on(path)) return false;
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
        if (zone.dialect == Dialect::TbaMud && fs::is_regular_file(native_path(triggers), missing) &&
            !load_trigger_file(zone, triggers, messages))
            out.failures.push_back(triggers);
        out.places.index_text(path, text, RecordKind::Zone);
        out.zones.push_back(std::move(zone));
    }
    if (out.zones.empty()) return false;
    std::stable_sort(out.zones.begin(), out.zones.end(), [](const World& a, const World& b) {
        return a.zone.zone_number < b.zone.zone_number;
    });

    struct Type {
        size_t files;  // index in kWorldFolderTypes
        RecordKind kind;
        bool (*read)(World&, const std::string&, const FormatSettings&, Messages&);
    };
    const Type types[] = {
        {1, RecordKind::Room, read_rooms},
        {2, RecordKind::Mob, read_mobs},
        {3, RecordKind::Object, read_objects},
        {4, RecordKind::Shop,
         [](World& w, const std::string& t, const FormatSettings&, Messages& m) {
             return read_shops(w, t, m);
         }},
    };
    for (const auto& type : types)
        for (const auto& path : files[type.files]) {
            if (!go_on(path)) return false;
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

std::shared_ptr<const OtherZones> read_other_zones(const std::string& dir, int32_t open_zone,
                                                   WorkProgress* progress) {
    WorldFolder folder;
    SilentMessages silent;
    if (!read_world_folder(dir, folder, silent, progress)) return nullptr;
    // The open zone's records on disk are left out: the World holds them,
    // edited, and a record the builder removed must not live on here.
    std::erase_if(folder.zones,
                  [open_zone](const World& z) { return z.zone.zone_number == open_zone; });
    return std::make_shared<const OtherZones>(std::move(folder.zones));
}

}  // namespace tarnwick
