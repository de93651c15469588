#pragma once
// Inside the reset simulation: the records every command resolves against,
// one zone's commands with what the server disabled in them, and the runner
// of one reset of one zone.

#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analysis/reference_index.h"
#include "analysis/reset_sim.h"

namespace tarnwick {

// Every record of the zones by vnum; the first zone listed holding a vnum wins.
struct Prototypes {
    std::unordered_map<int32_t, const room_data*> rooms;
    std::unordered_map<int32_t, const char_data*> mobs;
    std::unordered_map<int32_t, const obj_record*> objects;

    explicit Prototypes(const std::vector<const World*>& zones);
};

// One zone's commands and what the server disabled in them.
struct ZoneRun {
    const World* zone = nullptr;
    ZoneRange range;
    std::vector<const zCommand*> commands;
    std::vector<std::string> disabled;  // why, for a disabled command; empty otherwise
    std::vector<SimWhy> skipped;        // "skipped: " and that, once made
    std::vector<int> disabled_in;       // the reset that disabled it; 0 at boot
    std::vector<bool> not_open;         // names a record of a zone that is not open
};

// The reasons of one simulation, one shared text for each different one.
class SimWhys {
public:
    SimWhy operator()(std::string text);
    // A text that lives as long as the program (a string literal), known by
    // where it lies: no copy is made to look it up.
    SimWhy constant(const char* text);
    // "skipped: COUNT of max MAX already in the world", the commonest reason.
    SimWhy at_max(int count, int32_t max);

private:
    std::unordered_map<std::string, std::shared_ptr<const std::string>> texts_;
    std::unordered_map<const char*, SimWhy> constants_;
    std::map<std::pair<int, int32_t>, SimWhy> at_max_;
};

// Resolves the vnums of every command as the server does at boot: a command
// naming a record that does not exist is disabled before the first reset.
// Without the whole world, a vnum outside the zone's own range is not open.
void resolve_commands(ZoneRun& zone, const Prototypes& p, bool whole_world);

// Runs the zone's commands once, appending one outcome per command.
void run_zone_reset(ZoneRun& zone, const Prototypes& p, Population& pop, int reset,
                    SimWhys& whys, std::vector<CommandOutcome>& out);

}  // namespace tarnwick
