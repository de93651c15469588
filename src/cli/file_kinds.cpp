#include "cli/file_kinds.h"

#include <algorithm>
#include <cctype>

#include "formats/dialect_sniff.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "project/world_zones.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

template <class T>
std::optional<int> first_of(const std::vector<T>& table) {
    if (table.empty()) return std::nullopt;
    return table.front().vnum;
}

const FileKind kKinds[] = {
    {".wld", "rooms",
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         w.dialect = world_file_dialect(p);
         return load_room_file(w, p, o.settings, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         return save_room_file(w, p, o.settings, m);
     },
     [](const World& w) { return w.room_count(); },
     [](const World& w) { return first_of(w.rooms); },
     [](const World& w, int vnum, const Options& o, Messages&, std::string& out) {
         int i = w.find_room(vnum);
         if (i < 0) return false;
         write_room_record(w, i, o.settings, out);
         return true;
     }},
    {".mob", "mobiles",
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         w.dialect = world_file_dialect(p);
         return load_mob_file(w, p, o.settings, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         return save_mob_file(w, p, o.settings, m);
     },
     [](const World& w) { return w.mob_count(); },
     [](const World& w) { return first_of(w.mobs); },
     [](const World& w, int vnum, const Options& o, Messages&, std::string& out) {
         int i = w.find_mob(vnum);
         if (i < 0) return false;
         write_mob_record(w, i, o.settings, out);
         return true;
     }},
    {".obj", "objects",
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         w.dialect = world_file_dialect(p);
         return load_object_file(w, p, o.settings, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         return save_object_file(w, p, o.settings, m);
     },
     [](const World& w) { return w.object_count(); },
     [](const World& w) { return first_of(w.objects); },
     [](const World& w, int vnum, const Options& o, Messages& m, std::string& out) {
         int i = w.find_object(vnum);
         if (i < 0) return false;
         bool warned = false;
         write_object_record(w, i, o.settings, out, m, warned);
         return true;
     }},
    {".zon", "commands",
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         // The zone's own records first, so the comments carry real names.
         w.dialect = zone_file_dialect(p);
         for (const auto& extra : o.world_files) {
             const FileKind* k = kind_of(extra);
             if (!k || std::string(k->extension) == ".zon" || !k->load(w, extra, o, m)) return false;
         }
         return load_zone_file(w, p, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         ZoneHeaderFields fields = zone_header_fields(w);
         return save_zone_file(w, p, fields, o.settings, m);
     },
     zone_command_count,
     [](const World& w) -> std::optional<int> { return w.zone.zone_number * 100; },
     nullptr},
    {".shp", "shops",
     [](World& w, const std::string& p, const Options&, Messages& m) {
         w.dialect = world_file_dialect(p);
         return load_shop_file(w, p, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         return save_shop_file(w, p, o.settings, m);
     },
     [](const World& w) { return w.shop_count(); },
     [](const World& w) { return first_of(w.shops); },
     nullptr},
    {".trg", "triggers",
     [](World& w, const std::string& p, const Options&, Messages& m) {
         w.dialect = Dialect::TbaMud;
         return load_trigger_file(w, p, m);
     },
     [](World& w, const std::string& p, const Options& o, Messages& m) {
         return save_trigger_file(w, p, o.settings, m);
     },
     [](const World& w) { return int(w.triggers.size()); },
     [](const World& w) { return first_of(w.triggers); },
     [](const World& w, int vnum, const Options&, Messages&, std::string& out) {
         const trig_data* t = w.find_trigger(vnum);
         if (!t) return false;
         write_trigger_record(*t, out);
         return true;
     }},
};

std::string lower_extension(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return ext;
}

}  // namespace

const FileKind* kind_of(const std::string& path) {
    const std::string ext = lower_extension(path);
    for (const auto& k : kKinds)
        if (ext == k.extension) return &k;
    return nullptr;
}

std::string known_extensions() {
    std::string out;
    for (const auto& k : kKinds) out += std::string(out.empty() ? "" : ", ") + k.extension;
    return out;
}

}  // namespace tarnwick::cli
