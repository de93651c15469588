// The resets in order: the boot's reset of every zone by zone number, then
// the later ones, each followed by a copy of what the world holds.

#include "analysis/reset_sim.h"

#include <algorithm>

#include "analysis/reset_runner.h"
#include "world/other_zones.h"
#include "world/work_progress.h"
#include "world/world.h"

namespace tarnwick {

const std::string& SimWhy::no_text() {
    static const std::string none;
    return none;
}

bool succeeded(const CommandOutcome& o) {
    switch (o.result) {
    case SimResult::Loaded:
    case SimResult::LoadedNowhere:
    case SimResult::DoorSet:
    case SimResult::Removed:
    case SimResult::NothingToRemove: return true;
    default: return false;
    }
}

std::vector<const World*> zones_around(const World& open) {
    std::vector<const World*> zones{&open};
    if (open.other_zones)
        for (const World* z : open.other_zones->zone_list()) zones.push_back(z);
    return zones;
}

int simulated_command_count(const World& zone) {
    int n = 0;
    for (const auto& c : zone.zone.commands)
        if (c.command != 'S') ++n;
    return n;
}

std::vector<ResetRecord> simulate_resets(const std::vector<const World*>& zones,
                                         const SimOptions& options) {
    const Prototypes p(zones);
    std::vector<ZoneRun> runs;
    for (const World* z : zones) {
        ZoneRun r;
        r.zone = z;
        r.range = zone_range(*z);
        for (const auto& c : z->zone.commands)
            if (c.command == 'S') break;
            else r.commands.push_back(&c);
        resolve_commands(r, p, options.whole_world);
        runs.push_back(std::move(r));
    }
    std::stable_sort(runs.begin(), runs.end(), [](const ZoneRun& a, const ZoneRun& b) {
        return a.zone->zone.zone_number < b.zone->zone.zone_number;
    });

    size_t commands = 0;
    for (const ZoneRun& z : runs) commands += z.commands.size();
    SimWhys whys;
    std::vector<ResetRecord> records;
    records.reserve(size_t(std::max(options.resets, 0)));
    Population pop;
    const int parts = options.resets * int(runs.size());
    int done = 0;
    for (int reset = 1; reset <= options.resets; ++reset) {
        ResetRecord rec;
        rec.commands.reserve(commands);  // one outcome per command, every reset
        for (ZoneRun& z : runs) {
            if (options.progress &&
                !options.progress->advance(done, parts, "simulating reset " + std::to_string(reset) +
                                                            " of " + std::to_string(options.resets)))
                return {};
            ++done;
            if (reset > 1 && z.zone->zone.reset_mode == 0) {
                const SimWhy not_run = whys("not run: reset mode 0 resets the zone at boot only");
                for (size_t i = 0; i < z.commands.size(); ++i)
                    rec.commands.push_back({z.zone->zone.zone_number, int(i),
                                            z.commands[i]->command, false, SimResult::NotReset,
                                            not_run, -1, -1});
                continue;
            }
            run_zone_reset(z, p, pop, reset, whys, rec.commands);
        }
        // The last reset's record takes the population itself: nothing runs after it.
        if (reset == options.resets) rec.population = std::move(pop);
        else if (options.every_population) rec.population = pop;
        records.push_back(std::move(rec));
    }
    return records;
}

}  // namespace tarnwick
