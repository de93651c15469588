#include "project/world_folder.h"

#include <algorithm>
#include <filesystem>
#include <map>
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
#include "world/parallel_for.h"
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

namespace {

// One file of the folder as a worker read it: its records, bytes, record
// heads and messages, taken over in the folder's order afterwards.
struct FileRead {
    explicit FileRead(std::string name) : path(std::move(name)) {}
    std::string path;
    World records;
    std::string text;
    RecordPlaces::Heads heads;
    MessageRecorder said;
    bool ok = false;
    std::string failed;  // a file beside it that did not load (triggers)
    std::string triggers;  // the trigger file read beside a zone file, if any
    RecordPlaces::Heads trigger_heads;
};

void replay(const MessageRecorder& said, Messages& to) {
    for (const auto& e : said.entries)
        if (e.kind == "warn") to.warn(e.title, e.text);
        else to.show(e.text);
}

using RecordReader = bool (*)(World&, const std::string&, const FormatSettings&, Messages&);

struct RecordType {
    const char* name;
    RecordKind kind;
    RecordReader read;
};

bool read_shop_file(World& w, const std::string& t, const FormatSettings&, Messages& m) {
    return read_shops(w, t, m);
}

constexpr RecordType kRecordTypes[] = {
    {"wld", RecordKind::Room, read_rooms},
    {"mob", RecordKind::Mob, read_mobs},
    {"obj", RecordKind::Object, read_objects},
    {"shp", RecordKind::Shop, read_shop_file},
};

void read_zone_file(FileRead& f) {
    World& zone = f.records;
    if (!read_file_bytes(f.path, f.text) || !read_zone_for_reference(zone, f.text, f.said)) return;
    f.ok = true;
    zone.project_zone_number = zone.zone.zone_number;
    // A tbaMUD zone's triggers live beside it; the checker resolves the
    // triggers its rooms, mobs, objects and T commands attach.
    const std::string triggers = trigger_path_for(f.path);
    std::error_code missing;
    if (zone.dialect == Dialect::TbaMud && fs::is_regular_file(native_path(triggers), missing)) {
        std::string text;
        if (!read_file_bytes(triggers, text)) {
            f.failed = triggers;
        } else {
            f.triggers = triggers;
            f.trigger_heads = RecordPlaces::record_heads(text);
            if (!read_triggers_for_reference(zone, triggers, std::move(text), f.said))
                f.failed = triggers;
        }
    }
    f.heads = RecordPlaces::record_heads(f.text);
}

}  // namespace

bool read_world_folder(const std::string& dir, WorldFolder& out, Messages& messages,
                       WorkProgress* progress, const FileVisitor& visit) {
    out = WorldFolder{};
    // A file that loaded goes to the visitor; then its bytes are let go.
    const auto done_with_bytes = [&](FileRead& f) {
        if (f.ok && visit) visit(WorldFolder::Text{f.path, f.records.dialect, std::move(f.text)});
        std::string().swap(f.text);
    };
    // The files are read on every core, then taken over one by one in the
    // folder's order, so messages, places and records come as a read on one
    // thread gives them.
    // Every file counts as one part of the work.
    // Each FileRead holds a World: the lists are made at their full size
    // rather than moving every World each time they grow.
    std::vector<FileRead> zones, files;
    std::vector<const RecordType*> types;
    std::vector<std::string> zone_paths = world_folder_files(dir, "zon");
    std::vector<std::vector<std::string>> record_paths;
    size_t record_files = 0;
    for (const auto& type : kRecordTypes)
        record_files += record_paths.emplace_back(world_folder_files(dir, type.name)).size();
    zones.reserve(zone_paths.size());
    files.reserve(record_files);
    types.reserve(record_files);
    for (auto& path : zone_paths) zones.emplace_back(std::move(path));
    for (size_t t = 0; t < std::size(kRecordTypes); ++t)
        for (auto& path : record_paths[t]) {
            files.emplace_back(std::move(path));
            types.push_back(&kRecordTypes[t]);
        }
    const int total = int(zones.size() + files.size());
    const auto reading = [](const std::vector<FileRead>& read) {
        return [&read](size_t i) { return "reading " + utf8_name(native_path(read[i].path).filename()); };
    };
    if (!parallel_for(zones.size(), progress, 0, total, reading(zones),
                      [&](size_t i) {
                          read_zone_file(zones[i]);
                          done_with_bytes(zones[i]);
                      })) {
        out = WorldFolder{};
        return false;
    }
    // Each record file is read in the dialect of the zone file of its name.
    std::map<std::string, Dialect> dialects;
    for (FileRead& f : zones) {
        replay(f.said, messages);
        if (!f.ok) {
            out.failures.push_back(f.path);
            continue;
        }
        if (!f.failed.empty()) out.failures.push_back(f.failed);
        if (!f.triggers.empty()) out.places.add_file(f.triggers, f.trigger_heads, RecordKind::Trigger);
        out.places.add_file(f.path, f.heads, RecordKind::Zone);
        dialects[utf8_name(native_path(f.path).stem())] = f.records.dialect;
        out.zones.push_back(std::move(f.records));
    }
    if (out.zones.empty()) return false;
    std::stable_sort(out.zones.begin(), out.zones.end(), [](const World& a, const World& b) {
        return a.zone.zone_number < b.zone.zone_number;
    });

    FormatSettings settings;
    settings.keep_sources = false;  // read for reference and checks, never saved
    const bool finished = parallel_for(files.size(), progress, int(zones.size()), total, reading(files), [&](size_t i) {
        FileRead& f = files[i];
        const auto known = dialects.find(utf8_name(native_path(f.path).stem()));
        f.records.dialect = known != dialects.end() ? known->second : world_file_dialect(f.path);
        f.ok = read_file_bytes(f.path, f.text) && types[i]->read(f.records, f.text, settings, f.said);
        if (f.ok) f.heads = RecordPlaces::record_heads(f.text);
        done_with_bytes(f);
    });
    if (!finished) {
        out = WorldFolder{};
        return false;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        FileRead& f = files[i];
        replay(f.said, messages);
        if (!f.ok) {
            out.failures.push_back(f.path);
            continue;
        }
        out.places.add_file(f.path, f.heads, types[i]->kind);
        World& file = f.records;
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
