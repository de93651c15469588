// Zone reset commands: what they name must exist, and what they do must be
// possible (a mob to give to, a container to put into, a wear position the
// object fits, a door to shut). Also the zone's top.

#include <algorithm>

#include "analysis/check_context.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

constexpr int32_t kContainer = 15;
constexpr int32_t kLight = 1;
constexpr int kWearPositions = 18;
// The wear-flag bit each wear position needs (-1: the light slot, which
// takes light sources).
constexpr int kWearBitFor[kWearPositions] = {-1, 1, 1, 2, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 12, 13, 14};
constexpr int kHoldPosition = 17;

struct CommandCheck {
    const CheckContext& c;
    const zCommand& cmd;
    int index;

    std::string head() const { return std::string(1, cmd.command) + " command: "; }
    void add(Severity s, const char* field, const std::string& message, const char* check) const {
        c.add(s, RecordKind::ZoneCommand, c.zone.zone.zone_number, field, head() + message, check,
              index);
        c.out.back().line = cmd.line;
    }
    // Reports a reference that does not resolve; true when it was found.
    bool ref(Resolved r, const char* field, const char* noun, int32_t vnum,
             const char* check) const {
        if (r == Resolved::Missing)
            add(Severity::Error, field, noun + (" #" + num(vnum)) + " does not exist", check);
        else if (r == Resolved::Elsewhere)
            add(Severity::Note, field,
                noun + (" #" + num(vnum)) + " belongs to " + CheckContext::zone_of(vnum) +
                    ", which is not checked here",
                "cmd-elsewhere");
        return r == Resolved::Found;
    }
    bool room(int32_t v, const char* field) const {
        return ref(c.index.resolve_room(v, c.range), field, "room", v, "cmd-room");
    }
    bool mob(int32_t v, const char* field) const {
        return ref(c.index.resolve_mob(v, c.range), field, "mob", v, "cmd-mob");
    }
    bool object(int32_t v, const char* field) const {
        return ref(c.index.resolve_object(v, c.range), field, "object", v, "cmd-object");
    }
    void max_existing() const {
        if (cmd.arg2 <= 0)
            add(Severity::Warning, "arg2",
                "a max-existing count of " + num(cmd.arg2) + " never loads anything", "cmd-max");
    }

    void wear_position(const obj_record* obj) const {
        const int32_t pos = cmd.arg3;
        if (pos < 0 || pos >= kWearPositions) {
            add(Severity::Error, "arg3", "wear position " + num(pos) + " does not exist",
                "cmd-wear");
            return;
        }
        if (!obj) return;
        const int bit = kWearBitFor[pos];
        const bool fits = bit < 0 ? obj->type == kLight
                                  : (obj->wear_flags >> bit & 1) ||
                                        (pos == kHoldPosition && obj->type == kLight);
        if (!fits)
            add(Severity::Warning, "arg3",
                "object #" + num(obj->vnum) + " cannot be worn at wear position " + num(pos) +
                    " (its wear flags do not allow it)",
                "cmd-wear");
    }

    void door() const {
        // tbaMUD's reset takes the diagonals 6 to 9 too.
        if (cmd.arg2 < 0 || cmd.arg2 >= direction_count(c.zone.dialect)) {
            add(Severity::Error, "arg2", "direction " + num(cmd.arg2) + " does not exist",
                "cmd-door");
            return;
        }
        if (cmd.arg3 < 0 || cmd.arg3 > 2)
            add(Severity::Error, "arg3", "door state " + num(cmd.arg3) + " does not exist",
                "cmd-door");
        const room_data* r = c.index.room(cmd.arg1);
        if (!r) return;
        const auto& exit = r->exits[size_t(cmd.arg2)];
        if (!exit)
            add(Severity::Error, "arg2",
                "room #" + num(cmd.arg1) + " has no exit in direction " + num(cmd.arg2),
                "cmd-door");
        else if (exit->door == 0 && cmd.arg3 != 0)
            add(Severity::Warning, "arg3",
                "the exit in direction " + num(cmd.arg2) + " of room #" + num(cmd.arg1) +
                    " is not a door, so it cannot be closed or locked",
                "cmd-door");
    }
};

}  // namespace

void check_zone_commands(const CheckContext& c) {
    bool mob_loaded = false;
    int index = 0;
    for (const auto& cmd : c.zone.zone.commands) {
        const CommandCheck k{c, cmd, index++};
        switch (cmd.command) {
        case 'M':
            k.mob(cmd.arg1, "arg1");
            k.room(cmd.arg3, "arg3");
            k.max_existing();
            mob_loaded = true;
            break;
        case 'O':
            k.object(cmd.arg1, "arg1");
            if (cmd.arg3 != -1) k.room(cmd.arg3, "arg3");
            k.max_existing();
            break;
        case 'G':
        case 'E': {
            const bool found = k.object(cmd.arg1, "arg1");
            if (!mob_loaded)
                k.add(Severity::Error, "command", "no M command before it loads a mob to hold it",
                      "cmd-no-mob");
            if (cmd.command == 'E') k.wear_position(found ? c.index.object(cmd.arg1) : nullptr);
            k.max_existing();
            break;
        }
        case 'P':
            k.object(cmd.arg1, "arg1");
            if (k.object(cmd.arg3, "arg3") && c.index.object(cmd.arg3)->type != kContainer)
                k.add(Severity::Warning, "arg3",
                      "object #" + num(cmd.arg3) + " is not a container", "cmd-container");
            k.max_existing();
            break;
        case 'D':
            k.room(cmd.arg1, "arg1");
            k.door();
            break;
        case 'R':
            k.room(cmd.arg1, "arg1");
            k.object(cmd.arg2, "arg2");
            break;
        default: break;
        }
    }

    int32_t highest = -1;
    for (const auto& r : c.zone.rooms) highest = std::max(highest, r.vnum);
    if (has_zone_header(c.zone) && highest > c.zone.zone.top)
        c.add(Severity::Error, RecordKind::Zone, c.zone.zone.zone_number, "top",
              "The zone's top " + num(c.zone.zone.top) + " is below its highest room #" +
                  num(highest),
              "zone-top");
}

}  // namespace tarnwick
