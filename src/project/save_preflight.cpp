#include "project/save_preflight.h"

#include <algorithm>
#include <climits>

#include "analysis/preflight_world.h"
#include "project/file_names.h"
#include "world/world.h"

namespace tarnwick {

std::vector<PreflightFinding> preflight_save(World& world, const AreaProject& project,
                                             const FormatSettings& settings,
                                             const ZoneHeaderFields& zone_fields) {
    // The zone file is written with the zone editor's header fields.
    const zone_header kept = world.zone;
    commit_zone_header(world, zone_fields);
    auto findings = preflight_world(
        world, settings,
        {bare_file_name(project.room_file), bare_file_name(project.mob_file),
         bare_file_name(project.object_file), bare_file_name(project.zone_file),
         bare_file_name(project.shop_file)});
    // A top the file already had, over rooms the rooms file already held, is
    // how the builder laid the world out (the next zone's range may cover
    // those rooms): it is told by the checker, not asked about at every save.
    if (world.kept.zone && world.kept.rooms && world.kept.zone->head.top == world.zone.top) {
        int32_t highest_read = INT32_MIN, highest = INT32_MIN;
        for (const room_data& r : world.kept.rooms->records) highest_read = std::max(highest_read, r.vnum);
        for (const room_data& r : world.rooms) highest = std::max(highest, r.vnum);
        if (highest <= highest_read)
            std::erase_if(findings, [](const PreflightFinding& f) { return f.field == "top"; });
    }
    // What only some of the server's settings refuse is the checker's to
    // tell too: a save does not ask about it every time.
    std::erase_if(findings, [](const PreflightFinding& f) { return f.warning; });
    world.zone = kept;
    return findings;
}

std::string preflight_question(const std::vector<PreflightFinding>& findings, Dialect dialect,
                               size_t shown) {
    std::string text = "The " + std::string(dialect_name(dialect)) +
                       " server would refuse or damage what is about to be saved:\n\n";
    for (size_t i = 0; i < findings.size() && i < shown; ++i) text += describe(findings[i]) + "\n";
    if (findings.size() > shown)
        text += "... and " + std::to_string(findings.size() - shown) + " more\n";
    return text + "\nSave anyway?";
}

}  // namespace tarnwick
