// convert over a whole world folder: the zones read together, each
// converted with the others as its neighbours, written as a world folder
// with its index files.

#include <cstdio>
#include <filesystem>

#include "cli/convert_parts.h"
#include "cli/progress.h"
#include "convert/convert.h"
#include "formats/dialect_sniff.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/save_file.h"
#include "project/world_folder.h"
#include "world/file_path.h"
#include "world/messages.h"

namespace tarnwick::cli {

namespace fs = std::filesystem;

std::string in_folder(const std::string& dir, const std::string& name) {
    return utf8_name(native_path(dir) / native_path(name));
}

bool from_folder(const ConvertArgs& a, std::vector<Converted>& out, Messages& messages) {
    WorldFolder folder;
    // A line on a terminal while the work lasts more than a second.
    Progress progress("reading " + a.inputs[0]);
    if (!read_world_folder(a.inputs[0], folder, messages, &progress)) {
        std::fprintf(stderr, "tarnwick-cli: %s: no zone file loaded\n", a.inputs[0].c_str());
        return false;
    }
    for (const auto& f : folder.failures)
        std::fprintf(stderr, "tarnwick-cli: %s: did not load; nothing converted\n", f.c_str());
    if (!folder.failures.empty()) return false;
    // The files as read, for the records whose texts tbaMUD would read on
    // past a '~' (the folder's zones hold no copy of them).
    const auto keep = [&](const char* type, auto&& load) {
        for (const auto& path : world_folder_files(a.inputs[0], type)) {
            World file;
            file.dialect = world_file_dialect(path);
            SilentMessages silent;
            load(file, path, FormatSettings{}, silent);
            for (World& z : folder.zones) {
                if (file.kept.rooms) z.kept.rooms = file.kept.rooms;
                if (file.kept.mobs) z.kept.mobs = file.kept.mobs;
                if (file.kept.objects) z.kept.objects = file.kept.objects;
            }
        }
    };
    if (*a.to == Dialect::TbaMud) {
        keep("wld", load_room_file);
        keep("mob", load_mob_file);
        keep("obj", load_object_file);
    }
    std::vector<ZoneSpan> spans;
    for (const World& z : folder.zones) spans.push_back({z.zone.zone_number, z.zone.top});
    const int zones = int(folder.zones.size());
    progress.step("converting " + std::to_string(zones) + " zones");
    int done = 0;
    for (World& z : folder.zones) {
        progress.advance(done++, zones, "zone " + std::to_string(z.zone.zone_number));
        Converted c;
        c.world = convert_world(z, *a.to, {a.author.value_or(""), spans}, c.report);
        z.kept = KeptSources{};
        const std::string n = std::to_string(z.zone.zone_number);
        const auto file = [&](const char* type, bool any) {
            return any ? in_folder(a.out, std::string(type) + "/" + n + "." + type) : std::string();
        };
        c.files = {file("zon", true), file("wld", !z.rooms.empty()), file("mob", !z.mobs.empty()),
                   file("obj", !z.objects.empty()), file("shp", !z.shops.empty())};
        out.push_back(std::move(c));
    }
    return true;
}

bool write_indexes(const std::string& dir, const std::vector<Converted>& zones, Dialect to,
                   Messages& messages) {
    std::vector<std::string> types = {"zon", "wld", "mob", "obj", "shp"};
    if (to == Dialect::TbaMud) types.insert(types.end(), {"trg", "qst"});
    for (const std::string& type : types) {
        std::string index;
        for (const Converted& c : zones) {
            const std::string n = std::to_string(c.world.zone.zone_number) + "." + type;
            if (fs::exists(native_path(in_folder(dir, type + "/" + n)))) index += n + "\n";
        }
        // The servers stop at a missing index; only shops and quests may
        // have none in it.
        const bool may_be_empty = type == "shp" || type == "qst";
        if (index.empty() && !may_be_empty) {
            if (type == "trg")
                std::printf("note: tbaMUD boots no world without a trigger; the converted zones "
                            "have none, so add them to a world that has\n");
            continue;
        }
        std::error_code ec;
        fs::create_directories(native_path(in_folder(dir, type)), ec);
        if (!save_file(in_folder(dir, type + "/index"), index + "$\n",
                       "Cannot write " + type + "/index", messages))
            return false;
    }
    return true;
}

}  // namespace tarnwick::cli
