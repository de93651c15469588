// Findings from running the zone's resets: commands that never do their
// work, commands the server disables while the game runs, mobs that load
// without the equipment their commands give them, and shops whose keeper
// never loads or never carries what the shop sells. Faults the other checks
// already report (a vnum that does not exist, a max of 0, a wear position
// or door that does not exist, G or E with no M before them) are left to
// them, so each fault is said once.

#include <algorithm>

#include "analysis/check_context.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

// What happened to one command over every reset.
struct CommandHistory {
    const zCommand* command = nullptr;
    std::vector<const CommandOutcome*> outcomes;  // one per reset that ran it
    bool ever_succeeded = false;
    const CommandOutcome* disabled = nullptr;  // disabled while the game ran
    int disabled_in = 0;                       // in that reset

    // The outcome that says why it never succeeded: the latest one that is
    // not a skip behind the command before it, else (when `chained`) the
    // latest such skip; null when it names a record of a zone not open here.
    const CommandOutcome* reason(bool chained) const {
        const CommandOutcome *root = nullptr, *skip = nullptr;
        for (const CommandOutcome* o : outcomes) {
            if (o->result == SimResult::NotOpen) return nullptr;
            if (o->result == SimResult::SkippedIfFlag) skip = o;
            else if (o->result != SimResult::WasDisabled) root = o;
        }
        return root ? root : chained ? skip : nullptr;
    }
};

// A reason another check already reports.
bool said_elsewhere(const CommandOutcome& o, const zCommand& c, bool m_before) {
    switch (o.result) {
    case SimResult::Missing:
    case SimResult::BadArgument: return true;
    case SimResult::AtMax: return c.arg2 <= 0;
    case SimResult::Disabled:
        return c.command == 'D' || ((c.command == 'G' || c.command == 'E') && !m_before);
    default: return false;
    }
}

// Keepers never loaded, and products their keeper never carries: the shop
// lists only what the keeper has in its inventory.
void check_keepers(const CheckContext& c, const CheckedResets& checked,
                   const std::string& resets_text) {
    for (const shop_data& s : c.zone.shops) {
        if (c.index.resolve_mob(s.keeper, c.range) != Resolved::Found ||
            !c.index.mob_loaded(s.keeper))
            continue;
        const auto loads = checked.carried.find(s.keeper);
        if (loads == checked.carried.end()) {
            c.add(Severity::Warning, RecordKind::Shop, s.vnum, "keeper",
                  "Keeper mob #" + num(s.keeper) + " never loads in " + resets_text, "sim-keeper");
            continue;
        }
        const std::vector<int32_t>& carried = loads->second;
        std::string missing;
        int count = 0;
        for (int32_t p : s.products)
            if (!std::binary_search(carried.begin(), carried.end(), p) &&
                c.index.resolve_object(p, c.range) == Resolved::Found) {
                missing += std::string(missing.empty() ? "#" : ", #") + num(p);
                ++count;
            }
        if (count)
            c.add(Severity::Warning, RecordKind::Shop, s.vnum, "products",
                  "Keeper mob #" + num(s.keeper) + " never carries product" +
                      (count > 1 ? "s " : " ") + missing + " in " + resets_text +
                      ", so the shop never sells " + (count > 1 ? "them" : "it"),
                  "sim-products");
    }
}

}  // namespace

CheckedResets::CheckedResets(const std::vector<ResetRecord>& all) : resets(all) {
    for (const ResetRecord& r : all) {
        auto& zones = blocks.emplace_back();
        for (size_t i = 0; i < r.commands.size(); ++i) {
            auto [it, added] = zones.try_emplace(r.commands[i].zone, i, i + 1);
            if (!added) it->second.second = i + 1;
        }
        for (const SimMob& m : r.population.mobs()) {
            std::vector<int32_t>& objects = carried[m.vnum];
            for (int o : m.carrying) objects.push_back(r.population.objects()[size_t(o)].vnum);
        }
    }
    for (auto& [mob, objects] : carried) {
        std::sort(objects.begin(), objects.end());
        objects.erase(std::unique(objects.begin(), objects.end()), objects.end());
    }
}

void check_resets(const CheckContext& c, const CheckedResets& checked) {
    const std::vector<ResetRecord>& resets = checked.resets;
    const int32_t zone = c.zone.zone.zone_number;
    std::vector<CommandHistory> history;
    for (const auto& cmd : c.zone.zone.commands)
        if (cmd.command != 'S') {
            history.push_back({&cmd, {}, false, nullptr, 0});
            history.back().outcomes.reserve(resets.size());  // one a reset
        }
    for (size_t reset = 0; reset < resets.size(); ++reset) {
        const auto block = checked.blocks[reset].find(zone);
        if (block == checked.blocks[reset].end()) continue;
        for (size_t i = block->second.first; i < block->second.second; ++i) {
            const CommandOutcome& o = resets[reset].commands[i];
            if (o.zone != zone || o.index >= int(history.size()) || o.result == SimResult::NotReset)
                continue;
            CommandHistory& h = history[size_t(o.index)];
            h.outcomes.push_back(&o);
            h.ever_succeeded = h.ever_succeeded || succeeded(o);
            if (o.result == SimResult::Disabled && !h.disabled) {
                h.disabled = &o;
                h.disabled_in = int(reset) + 1;
            }
        }
    }
    const std::string resets_text = num(int(resets.size())) + (resets.size() == 1 ? " reset" : " resets");
    auto add = [&](const CommandHistory& h, int index, const std::string& message, const char* check) {
        c.add(Severity::Warning, RecordKind::ZoneCommand, zone, "command",
              std::string(1, h.command->command) + " command: " + message, check, index);
        c.out.back().line = h.command->line;
    };

    bool m_before = false;
    int mob_command = -1;        // the M command the G and E below it belong to
    bool mob_loads = false;      // that M succeeded in some reset
    std::string missing_gear;    // its G and E commands that never succeeded
    auto close_mob = [&]() {
        if (mob_command >= 0 && mob_loads && !missing_gear.empty())
            add(history[size_t(mob_command)], mob_command,
                "mob #" + num(history[size_t(mob_command)].command->arg1) +
                    " loads, but in " + resets_text + " never gets " + missing_gear,
                "sim-equipment");
        missing_gear.clear();
    };
    for (size_t i = 0; i < history.size(); ++i) {
        const CommandHistory& h = history[i];
        const zCommand& cmd = *h.command;
        const bool gear = (cmd.command == 'G' || cmd.command == 'E') && m_before;
        if (cmd.command == 'M') {
            close_mob();
            mob_command = int(i);
            mob_loads = h.ever_succeeded;
        }
        const CommandOutcome* why = h.ever_succeeded ? nullptr : h.reason(gear && mob_loads);
        if (why && !said_elsewhere(*why, cmd, m_before)) {
            if (gear && mob_loads)
                missing_gear += std::string(missing_gear.empty() ? "" : "; ") + "object #" +
                                num(cmd.arg1) + " (command " + num(int(i) + 1) + ": " + why->why.text() + ")";
            else
                add(h, int(i), "never succeeds in " + resets_text + ": " + why->why.text(), "sim-never");
        }
        if (h.ever_succeeded && h.disabled && !said_elsewhere(*h.disabled, cmd, m_before))
            add(h, int(i),
                "the server disables it in reset " + num(h.disabled_in) + ": " +
                    h.disabled->why.substr(std::string("skipped: ").size()),
                "sim-disabled");
        if (cmd.command == 'M') m_before = true;
    }
    close_mob();
    check_keepers(c, checked, resets_text);
}

}  // namespace tarnwick
