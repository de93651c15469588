#include "project/converted_zone.h"

#include <filesystem>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/saved_texts.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "project/file_names.h"
#include "project/project_file.h"
#include "project/zone_scripts.h"
#include "world/file_path.h"
#include "world/world.h"

namespace fs = std::filesystem;

namespace tarnwick {

namespace {

// "castle.wld" -> "castle-tbamud.wld"; folders kept, either separator.
std::string with_key(const std::string& name, Dialect to) {
    if (name.empty()) return name;
    const size_t slash = name.find_last_of("/\\:");
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot < base) dot = name.size();
    return name.substr(0, dot) + "-" + std::string(dialect_key(to)) + name.substr(dot);
}

bool file_there(const std::string& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(native_path(path), ec);
}

void make_parent(const std::string& path) {
    std::error_code ec;
    fs::create_directories(native_path(path).parent_path(), ec);
}

}  // namespace

ZoneFiles project_zone_files(const AreaProject& p) {
    const auto at = [&](const std::string& name) {
        return resolve_world_file(name, p.project_path);
    };
    return {at(p.zone_file), at(p.room_file), at(p.mob_file), at(p.object_file), at(p.shop_file)};
}

AreaProject converted_project(const AreaProject& from, Dialect to) {
    AreaProject p = from;
    p.project_path = with_key(from.project_path, to);
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        p.*field = with_key(from.*field, to);
    return p;
}

std::vector<std::string> existing_outputs(const ZoneFiles& files, Dialect dialect,
                                          const std::string& project_path) {
    std::vector<std::string> out;
    for (const std::string* path :
         {&project_path, &files.zone, &files.rooms, &files.mobs, &files.objects, &files.shops})
        if (file_there(*path)) out.push_back(*path);
    if (dialect == Dialect::TbaMud && !files.zone.empty())
        for (const std::string& path : {trigger_path_for(files.zone), quest_path_for(files.zone)})
            if (file_there(path)) out.push_back(path);
    return out;
}

bool save_zone_files(World& world, const ZoneFiles& files, const FormatSettings& settings,
                     Messages& messages) {
    // A text the server would refuse stops every file, not just its own:
    // half a converted zone is no zone.
    if (!room_texts_fit(world, messages) || !mob_texts_fit(world, messages) ||
        !object_texts_fit(world, messages) || !shop_texts_fit(world, messages) ||
        !zone_texts_fit(world, messages))
        return false;
    const auto each = [&](const std::string& path, auto&& write) {
        if (path.empty()) return true;
        make_parent(path);
        return write(path);
    };
    return each(files.rooms,
                [&](const std::string& p) {
                    return save_room_file(world, p, settings, messages);
                }) &&
           each(
               files.mobs,
               [&](const std::string& p) { return save_mob_file(world, p, settings, messages); }) &&
           each(files.objects,
                [&](const std::string& p) {
                    return save_object_file(world, p, settings, messages);
                }) &&
           each(files.shops,
                [&](const std::string& p) {
                    return save_shop_file(world, p, settings, messages);
                }) &&
           each(files.zone, [&](const std::string& p) {
               return save_zone_file(world, p, zone_header_fields(world), settings, messages) &&
                      save_zone_scripts(world, p, settings, messages);
           });
}

bool save_converted_project(World& world, const AreaProject& project, Messages& messages) {
    FormatSettings settings;
    settings.zone_name = project.zone_name;
    settings.author = project.author;
    if (!save_zone_files(world, project_zone_files(project), settings, messages)) return false;
    make_parent(project.project_path);
    return write_project_file(project.project_path, project, messages);
}

}  // namespace tarnwick
