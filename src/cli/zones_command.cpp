// zones: the table of a server's world folder.

#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/progress.h"
#include "project/world_folder.h"
#include "project/world_zones.h"

namespace tarnwick::cli {

namespace {

const char* kZonesHelp =
    "usage: tarnwick-cli zones WORLD_DIR [--json]\n"
    "Lists the zones of a server's world folder (wld/ mob/ obj/ zon/ shp/): number,\n"
    "name, top and the counts of rooms, mobiles, objects, shops and zone commands of\n"
    "each zone's own files; a zone whose files do not load is listed with the reason.\n"
    "Exit status: 0 when every zone loaded, 1 when any did not, 2 for a usage error.\n";

}  // namespace

int run_zones(const std::vector<std::string>& args) {
    if (wants_help(args, kZonesHelp)) return 0;
    bool json = false;
    std::string dir;
    for (const auto& a : args) {
        if (a == "--json") json = true;
        else if (dir.empty() && !(a.size() > 1 && a[0] == '-')) dir = a;
        else {
            std::fputs(kZonesHelp, stderr);
            return 2;
        }
    }
    if (dir.empty()) {
        std::fputs(kZonesHelp, stderr);
        return 2;
    }
    if (!is_world_folder(dir)) {
        std::fprintf(stderr, "tarnwick-cli: %s is not a world folder (no wld/ or zon/ in it)\n",
                     dir.c_str());
        return 1;
    }
    std::vector<WorldZone> zones;
    {
        Progress progress("reading the zones of " + dir);
        zones = list_world_zones(dir, &progress);
    }
    bool failed = false;
    if (json) std::printf("[");
    else
        std::printf("%6s  %-32s %6s %6s %6s %6s %6s %6s\n", "zone", "name", "top", "rooms", "mobs",
                    "objs", "shops", "cmds");
    for (size_t i = 0; i < zones.size(); ++i) {
        const WorldZone& z = zones[i];
        failed = failed || !z.problem.empty();
        if (json) {
            std::printf("%s\n  {\"zone\": %d, \"name\": %s, \"top\": %d, \"rooms\": %d, "
                        "\"mobs\": %d, \"objects\": %d, \"shops\": %d, \"commands\": %d, "
                        "\"problem\": %s}",
                        i ? "," : "", z.number, json_string(z.name).c_str(), z.top, z.rooms,
                        z.mobs, z.objects, z.shops, z.commands,
                        z.problem.empty() ? "null" : json_string(z.problem).c_str());
            continue;
        }
        std::printf("%6d  %-32s %6d %6d %6d %6d %6d %6d\n", z.number, z.name.c_str(), z.top,
                    z.rooms, z.mobs, z.objects, z.shops, z.commands);
        if (!z.problem.empty()) std::printf("        did not load: %s\n", z.problem.c_str());
    }
    if (json) std::printf("%s]\n", zones.empty() ? "" : "\n");
    return failed ? 1 : 0;
}

}  // namespace tarnwick::cli
