// The command runner: one reset of one zone is one pass over its commands
// with the server's two pieces of state, whether the command before
// succeeded (for the if-flags) and the mob loaded last (for G and E). A
// command the server disables stays disabled for the later resets.

#include "analysis/reset_runner.h"

#include <optional>

#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {


// Anti-good, anti-evil and anti-neutral extra flags against the mob's
// alignment, as the server's invalid_align judges them.
const char* refused_alignment(const char_data& mob, const obj_record& obj) {
    const bool good = mob.align >= 350, evil = mob.align <= -350;
    if ((obj.extra_flags >> 10 & 1) && evil) return "an anti-evil object on an evil mob";
    if ((obj.extra_flags >> 9 & 1) && good) return "an anti-good object on a good mob";
    if ((obj.extra_flags >> 11 & 1) && !good && !evil)
        return "an anti-neutral object on a neutral mob";
    return nullptr;
}

class Runner {
public:
    Runner(const Prototypes& p, Population& pop, int reset, SimWhys& whys)
        : p_(p), pop_(pop), reset_(reset), whys_(whys) {}

    void run_zone(ZoneRun& z, std::vector<CommandOutcome>& out) {
        last_ = false;
        after_not_open_ = false;
        mob_ = -1;
        mob_command_ = latest_m_ = -1;
        for (size_t i = 0; i < z.commands.size(); ++i) {
            CommandOutcome o;
            o.zone = z.zone->zone.zone_number;
            o.index = int(i);
            o.command = z.commands[i]->command;
            run(z, i, o);
            last_ = if_flag_state_.value_or(o.done);
            if_flag_state_.reset();
            out.push_back(std::move(o));
        }
    }

private:
    void run(ZoneRun& z, size_t i, CommandOutcome& o) {
        const zCommand& c = *z.commands[i];
        if (c.command == 'M') latest_m_ = int(i);
        if (c.if_flag && !last_) {
            if (after_not_open_)
                skip(o, SimResult::NotOpen,
                     "skipped: the command before it names a zone that is not open here");
            else if (i == 0)
                skip(o, SimResult::SkippedFirst,
                     "skipped: its if-flag needs a command before it, and it is the first");
            else
                skip(o, SimResult::SkippedIfFlag, "skipped: the command before it failed");
            return;
        }
        after_not_open_ = false;
        if (!z.disabled[i].empty()) {
            if (z.not_open[i]) {
                after_not_open_ = true;
                skip(o, SimResult::NotOpen, skipped(z, i));
            } else if (z.disabled_in[i] == 0) {
                skip(o, SimResult::Missing, skipped(z, i));
            } else if (z.disabled_in[i] == reset_) {
                skip(o, SimResult::Disabled, skipped(z, i));
            } else {
                skip(o, SimResult::WasDisabled, "skipped: disabled in reset " +
                                                    num(z.disabled_in[i]) + ": " + z.disabled[i]);
            }
            return;
        }
        switch (c.command) {
        case 'M': load_mob(c, i, o); break;
        case 'O': load_object(c, o); break;
        case 'P': put(z, i, c, o); break;
        case 'G':
        case 'E': to_mob(z, i, c, o); break;
        case 'R': remove(c, o); break;
        case 'D': door(z, i, c, o); break;
        // tbaMUD's T attaches a trigger and V sets a script variable: they
        // load nothing, and the checker looks at their triggers itself.
        case 'T':
        case 'V':
            if (z.zone->dialect == Dialect::TbaMud) {
                done(o, SimResult::Loaded, c.command == 'T' ? "trigger attached" : "variable set");
                break;
            }
            [[fallthrough]];
        // 3.0 and 3.1 disable any other letter.
        default:
            disable(z, i, o, std::string("unknown command '") + c.command +
                                 "'; the server disables it");
        }
    }

    static void skip(CommandOutcome& o, SimResult r, SimWhy why) {
        o.done = false;
        o.result = r;
        o.why = std::move(why);
    }
    void skip(CommandOutcome& o, SimResult r, std::string why) { skip(o, r, whys_(std::move(why))); }
    void skip(CommandOutcome& o, SimResult r, const char* why) { skip(o, r, whys_.constant(why)); }
    static void done(CommandOutcome& o, SimResult r, SimWhy why) {
        o.done = true;
        o.result = r;
        o.why = std::move(why);
    }
    void done(CommandOutcome& o, SimResult r, std::string why) { done(o, r, whys_(std::move(why))); }
    void done(CommandOutcome& o, SimResult r, const char* why) { done(o, r, whys_.constant(why)); }
    // "skipped: " and why the command is disabled, made once for its resets.
    SimWhy skipped(ZoneRun& z, size_t i) {
        if (z.skipped.size() != z.commands.size()) z.skipped.assign(z.commands.size(), SimWhy());
        if (z.skipped[i].text().empty()) z.skipped[i] = whys_("skipped: " + z.disabled[i]);
        return z.skipped[i];
    }
    // The server's reset_zone leaves the if-flag state as the command before
    // set it when it refuses a command now (it breaks out before setting
    // last_cmd), except for D, which sets it after its test either way.
    void disable(ZoneRun& z, size_t i, CommandOutcome& o, std::string why) {
        z.disabled[i] = std::move(why);
        z.disabled_in[i] = reset_;
        if (i < z.skipped.size()) z.skipped[i] = SimWhy();
        skip(o, SimResult::Disabled, skipped(z, i));
        if_flag_state_ = z.commands[i]->command == 'D' || last_;
    }
    // The max-existing test every loading command makes first.
    bool at_max(int count, int32_t max, CommandOutcome& o) {
        if (count < max) return false;
        skip(o, SimResult::AtMax, whys_.at_max(count, max));
        return true;
    }

    void load_mob(const zCommand& c, size_t i, CommandOutcome& o) {
        if (at_max(pop_.mob_count(c.arg1), c.arg2, o)) return;
        mob_ = o.mob = pop_.load_mob(c.arg1, c.arg3);
        mob_command_ = int(i);
        done(o, SimResult::Loaded, "loaded");
    }

    void load_object(const zCommand& c, CommandOutcome& o) {
        if (at_max(pop_.object_count(c.arg1), c.arg2, o)) return;
        o.object = pop_.load_object(c.arg1);
        if (c.arg3 < 0) {
            done(o, SimResult::LoadedNowhere, "loaded into no room (room " + num(c.arg3) + ")");
            return;
        }
        pop_.put_in_room(o.object, c.arg3);
        done(o, SimResult::Loaded, "loaded");
    }

    // The server makes the object before it looks for the container, which
    // is the newest object of that vnum anywhere (it may be the new one).
    void put(ZoneRun& z, size_t i, const zCommand& c, CommandOutcome& o) {
        if (at_max(pop_.object_count(c.arg1), c.arg2, o)) return;
        o.object = pop_.load_object(c.arg1);
        const int into = pop_.newest_object(c.arg3);
        if (into == o.object) {
            done(o, SimResult::Lost,
                 "loaded, then lost: object #" + num(c.arg1) + " cannot be put into itself");
        } else if (into < 0) {
            disable(z, i, o, "no object #" + num(c.arg3) + " in the world to put it into (its object is made and lost); the server disables the command");
        } else {
            pop_.put_inside(o.object, into);
            done(o, SimResult::Loaded, "loaded");
        }
    }

    void to_mob(ZoneRun& z, size_t i, const zCommand& c, CommandOutcome& o) {
        if (mob_ < 0) {
            disable(z, i, o, "no mob loaded before it in this reset; the server disables the command");
            return;
        }
        if (at_max(pop_.object_count(c.arg1), c.arg2, o)) return;
        if (c.command == 'E' && (c.arg3 < 0 || c.arg3 >= kWearSlots)) {
            skip(o, SimResult::BadArgument, "skipped: wear position " + num(c.arg3) + " does not exist");
            if_flag_state_ = last_;  // refused before last_cmd is set, as disable() says
            return;
        }
        o.mob = mob_;
        o.object = pop_.load_object(c.arg1);
        const SimMob& m = pop_.mobs()[size_t(mob_)];
        // G and E go to the mob loaded last, which is an earlier one when
        // the M command just before them failed.
        const std::string whose =
            mob_command_ == latest_m_ ? ""
                                      : " (onto mob #" + num(m.vnum) + " of command " +
                                            num(mob_command_ + 1) + ", the last mob loaded)";
        if (c.command == 'G') {
            pop_.give(o.object, mob_);
            done(o, SimResult::Loaded, "loaded" + whose);
            return;
        }
        if (const int worn = m.worn[size_t(c.arg3)]; worn >= 0) {
            done(o, SimResult::Lost,
                 "loaded, then lost: mob #" + num(m.vnum) + " already wears object #" +
                     num(pop_.objects()[size_t(worn)].vnum) + " there" + whose);
            return;
        }
        const char* refused = refused_alignment(*p_.mobs.at(m.vnum), *p_.objects.at(c.arg1));
        if (refused) {
            pop_.give(o.object, mob_);
            done(o, SimResult::Zapped,
                 std::string("loaded into its inventory: ") + refused + " cannot be worn" + whose);
            return;
        }
        pop_.wear(o.object, mob_, c.arg3);
        done(o, SimResult::Loaded, "loaded" + whose);
    }

    void remove(const zCommand& c, CommandOutcome& o) {
        if (pop_.remove_from_room(c.arg2, c.arg1))
            done(o, SimResult::Removed, "removed");
        else
            done(o, SimResult::NothingToRemove,
                 "nothing to remove: no object #" + num(c.arg2) + " in room #" + num(c.arg1));
    }

    void door(ZoneRun& z, size_t i, const zCommand& c, CommandOutcome& o) {
        if (c.arg2 < 0 || c.arg2 >= direction_count(z.zone->dialect)) {
            disable(z, i, o, "direction " + num(c.arg2) + " does not exist; the server disables the command");
            return;
        }
        if (!p_.rooms.at(c.arg1)->exits[size_t(c.arg2)]) {
            disable(z, i, o, "room #" + num(c.arg1) + " has no exit " + kDirectionWords[c.arg2] +
                                 "; the server disables the command");
            return;
        }
        static const char* const kStates[] = {"door set open", "door set closed", "door set locked"};
        if (c.arg3 < 0 || c.arg3 > 2) {
            done(o, SimResult::DoorSet, "door state " + num(c.arg3) + " does not exist: the door is left as it was");
            return;
        }
        pop_.set_door(c.arg1, c.arg2, DoorState(c.arg3));
        done(o, SimResult::DoorSet, kStates[c.arg3]);
    }

    const Prototypes& p_;
    Population& pop_;
    int reset_;
    SimWhys& whys_;
    bool last_ = false, after_not_open_ = false;
    // What a refused command leaves for the next command's if-flag.
    std::optional<bool> if_flag_state_;
    int mob_ = -1;
    int mob_command_ = -1, latest_m_ = -1;  // the M that made mob_, and the latest M reached
};

}  // namespace

SimWhy SimWhys::operator()(std::string text) {
    const auto known = texts_.find(text);
    if (known != texts_.end()) return SimWhy(known->second);
    auto shared = std::make_shared<const std::string>(text);
    texts_.emplace(std::move(text), shared);
    return SimWhy(std::move(shared));
}

SimWhy SimWhys::constant(const char* text) {
    const auto known = constants_.find(text);
    if (known != constants_.end()) return known->second;
    return constants_.emplace(text, (*this)(text)).first->second;
}

SimWhy SimWhys::at_max(int count, int32_t max) {
    const auto known = at_max_.find({count, max});
    if (known != at_max_.end()) return known->second;
    SimWhy why = (*this)("skipped: " + std::to_string(count) + " of max " + std::to_string(max) +
                         " already in the world");
    return at_max_.emplace(std::pair(count, max), std::move(why)).first->second;
}

void run_zone_reset(ZoneRun& zone, const Prototypes& p, Population& pop, int reset,
                    SimWhys& whys, std::vector<CommandOutcome>& out) {
    Runner(p, pop, reset, whys).run_zone(zone, out);
}

}  // namespace tarnwick
