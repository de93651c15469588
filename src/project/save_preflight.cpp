#include "project/save_preflight.h"

#include <utility>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "project/file_names.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

std::vector<PreflightFinding> preflight_save(World& world, const AreaProject& project,
                                             const FormatSettings& settings,
                                             const ZoneHeaderFields& zone_fields) {
    // The object writer's own warnings are for the save itself.
    SilentMessages silent;
    const zone_header kept = world.zone;
    commit_zone_header(world, zone_fields);
    const std::string zone = zone_file_text(world, settings);
    world.zone = kept;
    const std::string rooms = room_file_text(world, settings);
    const std::string mobs = mob_file_text(world, settings);
    const std::string objects = object_file_text(world, settings, silent);
    const std::string shops = settings.new_format ? write_shops_v3(world) : write_shops_old(world);
    const PreflightInput inputs[] = {
        {WorldFileKind::rooms, bare_file_name(project.room_file), rooms},
        {WorldFileKind::mobiles, bare_file_name(project.mob_file), mobs},
        {WorldFileKind::objects, bare_file_name(project.object_file), objects},
        {WorldFileKind::zone, bare_file_name(project.zone_file), zone},
        {WorldFileKind::shops, bare_file_name(project.shop_file), shops},
    };
    return preflight_files(inputs);
}

std::string preflight_question(const std::vector<PreflightFinding>& findings, size_t shown) {
    std::string text = "The CircleMUD 3.0 server would refuse or damage what is about to be saved:\n\n";
    for (size_t i = 0; i < findings.size() && i < shown; ++i) text += describe(findings[i]) + "\n";
    if (findings.size() > shown)
        text += "... and " + std::to_string(findings.size() - shown) + " more\n";
    return text + "\nSave anyway?";
}

}  // namespace tarnwick
