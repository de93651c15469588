#include "analysis/preflight_world.h"

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "world/format_settings.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

std::vector<PreflightFinding> preflight_world(const World& world, const FormatSettings& settings,
                                              const WorldFileNames& names) {
    // The walk reads the files as the CircleMUD 3.0 server does; the later
    // dialects' lines (trigger lines, four-word flags, tbaMUD's zone header)
    // would all look damaged to it.
    if (world.dialect != Dialect::Circle30) return {};
    // The object writer's own warnings are for the save itself.
    SilentMessages silent;
    const std::string rooms = room_file_text(world, settings);
    const std::string mobs = mob_file_text(world, settings);
    const std::string objects = object_file_text(world, settings, silent);
    const std::string zone = zone_file_text(world, settings);
    const std::string shops = shop_file_output(world, settings).bytes;
    const PreflightInput inputs[] = {
        {WorldFileKind::rooms, names[0], rooms},     {WorldFileKind::mobiles, names[1], mobs},
        {WorldFileKind::objects, names[2], objects}, {WorldFileKind::zone, names[3], zone},
        {WorldFileKind::shops, names[4], shops}};
    return preflight_files(inputs);
}

}  // namespace tarnwick
