// simulate: the zone resets of a project or a whole world folder as the
// server runs them, what each command did and what the world holds after.

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>

#include "analysis/reset_report.h"
#include "analysis/reset_sim.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/progress.h"
#include "cli/stderr_messages.h"
#include "project/world_folder.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

namespace fs = std::filesystem;

const char* kSimulateHelp =
    "usage: tarnwick-cli simulate PROJECT.qzp | WORLD_DIR [--resets N] [--json]\n"
    "Runs the zone resets as the CircleMUD 3.0 server does: the boot's reset of every\n"
    "zone in zone-number order, then the later resets, with no player taking anything.\n"
    "For each reset it prints each command's outcome (done or not, and why) and what\n"
    "the world holds: the rooms with the mobs standing there, what each carries and\n"
    "wears, the objects on the floor and in containers, and the doors' states.\n"
    "A project whose zone file sits in a world folder runs with the folder's other zones\n"
    "(its own zone is shown, the counts are the whole world's).\n"
    "  --resets N   how many resets, the boot's first among them (default 3)\n"
    "  --json       {\"resets\": [{\"mobs_in_world\": N, \"objects_in_world\": M,\n"
    "               \"commands\": [{\"zone\", \"index\", \"command\", \"done\", \"why\"}]}]}\n"
    "Exit status: 0 when every file loaded, 1 when one did not, 2 for a usage error.\n";

void print_json(const std::vector<ResetRecord>& resets) {
    std::printf("{\"resets\": [");
    for (size_t r = 0; r < resets.size(); ++r) {
        const ResetRecord& rec = resets[r];
        std::printf("%s\n  {\"mobs_in_world\": %d, \"objects_in_world\": %d, \"commands\": [",
                    r ? "," : "", rec.population.mobs_in_world(),
                    rec.population.objects_in_world());
        for (size_t i = 0; i < rec.commands.size(); ++i) {
            const CommandOutcome& o = rec.commands[i];
            std::printf("%s\n    {\"zone\": %d, \"index\": %d, \"command\": %s, \"done\": %s, "
                        "\"why\": %s}",
                        i ? "," : "", o.zone, o.index,
                        json_string(std::string(1, o.command)).c_str(), o.done ? "true" : "false",
                        json_string(o.why).c_str());
        }
        std::printf("%s]}", rec.commands.empty() ? "" : "\n  ");
    }
    std::printf("\n]}\n");
}

// The command as the zone file holds it, "M 0 3000 1 3001".
std::string command_line(const zCommand& c) {
    std::string s(1, c.command);
    s += " " + std::to_string(c.if_flag) + " " + std::to_string(c.arg1) + " " +
         std::to_string(c.arg2);
    if (c.command != 'G' && c.command != 'R') s += " " + std::to_string(c.arg3);
    return s;
}

void print_text(const std::vector<const World*>& zones, const std::vector<ResetRecord>& resets) {
    for (size_t r = 0; r < resets.size(); ++r) {
        const ResetRecord& rec = resets[r];
        std::printf("reset %zu: %d mobs and %d objects in the world\n", r + 1,
                    rec.population.mobs_in_world(), rec.population.objects_in_world());
        // The outcomes by zone, once: a world of thousands of zones is not
        // walked once per zone.
        std::map<int32_t, std::vector<const CommandOutcome*>> by_zone;
        for (const CommandOutcome& o : rec.commands) by_zone[o.zone].push_back(&o);
        for (const World* z : zones) {
            std::vector<const zCommand*> list;
            for (const auto& c : z->zone.commands)
                if (c.command != 'S') list.push_back(&c);
            for (const CommandOutcome* o : by_zone[z->zone.zone_number])
                if (o->index < int(list.size()))
                    std::printf("  zone %d command %d (%s): %s\n", o->zone, o->index + 1,
                                command_line(*list[size_t(o->index)]).c_str(), o->why.c_str());
        }
        for (const PopulationLine& line : population_lines(zones, rec.population, false))
            std::printf("  %*s%s\n", line.depth * 2, "", line.text.c_str());
    }
}

// A project's zone file at DIR/zon/N.zon with DIR a world folder: the
// folder's other zones, for the max-existing counts of the whole world.
std::shared_ptr<const OtherZones> folder_around(const std::vector<std::string>& files,
                                                const World& zone) {
    for (const auto& f : files) {
        const fs::path p(f);
        if (p.extension() != ".zon" || p.parent_path().filename() != "zon") continue;
        const std::string dir = p.parent_path().parent_path().string();
        if (is_world_folder(dir)) return read_other_zones(dir, zone.zone.zone_number);
    }
    return nullptr;
}

}  // namespace

int run_simulate(const std::vector<std::string>& args) {
    if (wants_help(args, kSimulateHelp)) return 0;
    bool json = false;
    SimOptions options;
    std::string input;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--resets") {
            int n = 0;
            if (i + 1 >= args.size() || std::sscanf(args[i + 1].c_str(), "%d", &n) != 1 ||
                n < 1 || n > 1000) {
                std::fprintf(stderr, "tarnwick-cli: --resets takes a number from 1 to 1000\n");
                return 2;
            }
            options.resets = n;
            ++i;
        } else if (input.empty() && args[i].rfind("-", 0) != 0) {
            input = args[i];
        } else {
            std::fprintf(stderr, "tarnwick-cli: unexpected '%s'\n\n%s", args[i].c_str(),
                         kSimulateHelp);
            return 2;
        }
    }
    if (input.empty()) {
        std::fputs(kSimulateHelp, stderr);
        return 2;
    }

    StderrMessages messages;
    std::error_code ec;
    bool loaded = true;
    WorldFolder folder;
    World world;
    std::vector<const World*> zones;
    // Wiped (reset) before the output starts.
    std::optional<Progress> progress(std::in_place, "reading " + input);
    if (fs::is_directory(input, ec)) {
        if (!is_world_folder(input)) {
            std::fprintf(stderr, "tarnwick-cli: %s: no wld/ or zon/ folder: not a world folder\n",
                         input.c_str());
            return 2;
        }
        if (!read_world_folder(input, folder, messages, &*progress)) {
            std::fprintf(stderr, "tarnwick-cli: %s: no zone file loaded\n", input.c_str());
            return 1;
        }
        for (const auto& f : folder.failures)
            std::fprintf(stderr, "tarnwick-cli: %s: did not load\n", f.c_str());
        loaded = folder.failures.empty();
        zones = folder.zone_list();
    } else {
        std::vector<std::string> files;
        if (!is_project_file(input)) {
            std::fprintf(stderr, "tarnwick-cli: %s is neither a project file nor a world folder\n",
                         input.c_str());
            return 2;
        }
        if (!project_world_files(input, files)) return 1;
        RecordPlaces places;
        loaded = load_zone_files(files, world, places, messages);
        world.other_zones = folder_around(files, world);
        zones.push_back(&world);
        if (world.other_zones) {
            for (const World* z : world.other_zones->zone_list()) zones.push_back(z);
        } else {
            options.whole_world = false;
        }
    }

    options.progress = &*progress;
    const auto resets = simulate_resets(zones, options);
    progress.reset();
    if (json)
        print_json(resets);
    else
        // A project shows its own zone; the counts are still the whole world's.
        print_text(folder.zones.empty() ? std::vector<const World*>{&world} : zones, resets);
    return loaded ? 0 : 1;
}

}  // namespace tarnwick::cli
