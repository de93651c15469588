#pragma once
// What each group of checks is handed: the zone being checked, the index of
// every zone in the check, and the list the findings go to.

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analysis/finding.h"
#include "analysis/reference_index.h"
#include "analysis/reset_sim.h"

namespace tarnwick {

struct CheckContext {
    const World& zone;
    const ReferenceIndex& index;
    ZoneRange range;
    std::vector<Finding>& out;

    void add(Severity severity, RecordKind kind, int32_t vnum, std::string field,
             std::string message, const char* check, int command_index = -1) const {
        Finding f;
        f.severity = severity;
        f.kind = kind;
        f.vnum = vnum;
        f.command_index = command_index;
        f.field = std::move(field);
        f.message = std::move(message);
        f.check = check;
        out.push_back(std::move(f));
    }
    // "zone 72" for a vnum, as the notes about other zones name it.
    static std::string zone_of(int32_t vnum) { return "zone " + std::to_string(vnum / 100); }
};

void check_exits(const CheckContext& c);
void check_zone_commands(const CheckContext& c);
void check_shops(const CheckContext& c);
void check_objects_and_mobs(const CheckContext& c);
// tbaMUD: the triggers rooms, mobs, objects and T commands attach.
void check_triggers(const CheckContext& c);
// tbaMUD: the script, argument list and attachment of the zone's trigger `vnum`.
void check_trigger_script(const CheckContext& c, int32_t vnum);
// What the server's loader would refuse or damage in the zone's texts.
void check_texts(const CheckContext& c);
// The simulated resets with, for each, where each zone's outcomes lie (they
// run zone by zone), so that checking one zone of a large world does not
// walk every zone's outcomes.
struct CheckedResets {
    explicit CheckedResets(const std::vector<ResetRecord>& all);
    const std::vector<ResetRecord>& resets;
    // Per reset: zone number -> [first, last) of its commands.
    std::vector<std::unordered_map<int32_t, std::pair<size_t, size_t>>> blocks;
    // Mob vnum -> every object vnum a mob of it carries in some reset (a mob
    // that loads in some reset is here, carrying nothing or more): one walk
    // of the populations the resets kept, for every shop of every zone.
    std::unordered_map<int32_t, std::vector<int32_t>> carried;
};
// What running the resets shows: commands that never work, equipment and
// shop products that never arrive.
void check_resets(const CheckContext& c, const CheckedResets& resets);
// The resets the checker runs.
constexpr int kCheckedResets = 3;

}  // namespace tarnwick
