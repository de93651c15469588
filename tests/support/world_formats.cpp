#include "world_formats.h"

#include <algorithm>
#include <cctype>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/project_file.h"
#include "record_diff.h"
#include "world/messages.h"
#include "world/world.h"


namespace tarnwick::testkit {

namespace {

// The zone writer keeps the stored top: a zone file read on its own has no
// rooms to recompute it from.
ZoneHeaderFields stored_header(const World& w) {
    ZoneHeaderFields fields = zone_header_fields(w);
    return fields;
}

const std::vector<WorldFormat> kFormats = {
    {"room", ".wld", "wld",
     [](World& w, const std::string& t, const FormatSettings& s, Messages& m) { return read_rooms(w, t, s, m); },
     [](World& w, const FormatSettings& s, Messages&) { return room_file_text(w, s); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return load_room_file(w, p, s, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return save_room_file(w, p, s, m); },
     [](const World& w) { return w.room_count(); }, diff_rooms},
    {"mob", ".mob", "mob",
     [](World& w, const std::string& t, const FormatSettings& s, Messages& m) { return read_mobs(w, t, s, m); },
     [](World& w, const FormatSettings& s, Messages&) { return mob_file_text(w, s); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return load_mob_file(w, p, s, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return save_mob_file(w, p, s, m); },
     [](const World& w) { return w.mob_count(); }, diff_mobs},
    {"object", ".obj", "obj",
     [](World& w, const std::string& t, const FormatSettings& s, Messages& m) { return read_objects(w, t, s, m); },
     [](World& w, const FormatSettings& s, Messages& m) { return object_file_text(w, s, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return load_object_file(w, p, s, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return save_object_file(w, p, s, m); },
     [](const World& w) { return w.object_count(); }, diff_objects},
    {"shop", ".shp", "shp",
     [](World& w, const std::string& t, const FormatSettings&, Messages& m) { return read_shops(w, t, m); },
     [](World& w, const FormatSettings& s, Messages&) {
         return shop_file_output(w, s).bytes;
     },
     [](World& w, const std::string& p, const FormatSettings&, Messages& m) { return load_shop_file(w, p, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) { return save_shop_file(w, p, s, m); },
     [](const World& w) { return w.shop_count(); }, diff_shops},
    {"zone", ".zon", "zon",
     [](World& w, const std::string& t, const FormatSettings&, Messages& m) { return read_zone(w, t, m); },
     [](World& w, const FormatSettings& s, Messages&) { return zone_file_text(w, s); },
     [](World& w, const std::string& p, const FormatSettings&, Messages& m) { return load_zone_file(w, p, m); },
     [](World& w, const std::string& p, const FormatSettings& s, Messages& m) {
         return save_zone_file(w, p, stored_header(w), s, m);
     },
     [](const World& w) { return int(w.zone.commands.size()); }, diff_zone},
};

bool feed_world(const char* name, const std::string& bytes, Messages& m) {
    World w;
    return format_named(name)->read(w, bytes, FormatSettings{}, m);
}
bool feed_world_file(const char* name, const std::string& path, Messages& m) {
    World w;
    return format_named(name)->load(w, path, FormatSettings{}, m);
}

#define WORLD_READER(name, ext)                                                             \
    ByteReader {                                                                            \
        name, ext, [](const std::string& b, Messages& m) { return feed_world(name, b, m); }, \
            [](const std::string& p, Messages& m) { return feed_world_file(name, p, m); }    \
    }

const std::vector<ByteReader> kReaders = {
    WORLD_READER("room", ".wld"),
    WORLD_READER("mob", ".mob"),
    WORLD_READER("object", ".obj"),
    WORLD_READER("shop", ".shp"),
    WORLD_READER("zone", ".zon"),
    {"project", ".qzp",
     [](const std::string& b, Messages&) {
         AreaProject p;
         return decode_project_record(b, p);
     },
     [](const std::string& path, Messages&) {
         AreaProject p;
         std::string error;
         return read_project_file(path, p, error);
     }},
};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

const std::vector<WorldFormat>& world_formats() { return kFormats; }

const WorldFormat* format_named(std::string_view name) {
    for (const auto& f : kFormats)
        if (name == f.name) return &f;
    return nullptr;
}

const WorldFormat* format_of(const std::string& path) {
    const std::string p = lower(path);
    for (const auto& f : kFormats) {
        const std::string ext = f.extension;
        if (p.size() >= ext.size() && p.compare(p.size() - ext.size(), ext.size(), ext) == 0) return &f;
    }
    return nullptr;
}

const std::vector<ByteReader>& byte_readers() { return kReaders; }

const ByteReader* reader_named(std::string_view name) {
    for (const auto& r : kReaders)
        if (name == r.name) return &r;
    return nullptr;
}

}  // namespace tarnwick::testkit
