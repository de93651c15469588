// Trigger attachments of a tbaMUD zone: each trigger a room, mob or object
// lists, and each T zone command's, must exist and be made for that kind of
// record (the server attaches a missing one to nothing, and runs one made
// for another kind on events it does not mean). Triggers resolve across
// every zone in the check (a world folder's zones are read with their
// trigger files); a zone checked by itself only notes a trigger outside its
// own vnums.

#include "analysis/check_context.h"
#include "world/world.h"

namespace tarnwick {

namespace {

std::string num(int32_t n) { return std::to_string(n); }

const char* attach_name(int32_t attach) {
    switch (attach) {
    case kAttachMobile: return "mob";
    case kAttachObject: return "object";
    case kAttachRoom: return "room";
    default: return "unknown";
    }
}

struct TriggerCheck {
    const CheckContext& c;
    int32_t bot, top;  // the zone's own vnums

    // The trigger, or null after a finding on the record's `field`.
    const trig_data* find(RecordKind kind, int32_t vnum, const char* field, int32_t trigger,
                          const char* check, int command = -1, int line = 0,
                          const std::string& head = {}) const {
        const trig_data* found = c.zone.find_trigger(trigger);
        if (!found) found = c.index.trigger(trigger);
        if (found) return found;
        if (c.index.whole_world() || (trigger >= bot && trigger <= top))
            c.add(Severity::Error, kind, vnum, field,
                  head + "trigger #" + num(trigger) + " does not exist: the server attaches nothing",
                  check, command);
        else
            c.add(Severity::Note, kind, vnum, field,
                  head + "trigger #" + num(trigger) + " belongs to " + CheckContext::zone_of(trigger) +
                      ", whose triggers are not checked here",
                  "trigger-elsewhere", command);
        c.out.back().line = line;
        return nullptr;
    }

    void attached(RecordKind kind, int32_t vnum, const TriggerList& triggers, int32_t wanted) const {
        for (int32_t t : triggers) {
            const trig_data* trigger = find(kind, vnum, "triggers", t, "trigger-missing");
            if (trigger && trigger->attach_type != wanted)
                c.add(Severity::Warning, kind, vnum, "triggers",
                      "trigger #" + num(t) + " is " + (trigger->attach_type == kAttachObject ? "an " : "a ") +
                          attach_name(trigger->attach_type) + " trigger, but a " +
                          attach_name(wanted) + " takes " + attach_name(wanted) + " triggers",
                      "trigger-kind");
        }
    }

    void command(const zCommand& cmd, int index) const {
        const int32_t zone = c.zone.zone.zone_number;
        auto add = [&](Severity s, const char* field, const std::string& message) {
            c.add(s, RecordKind::ZoneCommand, zone, field, "T command: " + message, "cmd-trigger",
                  index);
            c.out.back().line = cmd.line;
        };
        if (cmd.arg1 < kAttachMobile || cmd.arg1 > kAttachRoom) {
            add(Severity::Error, "arg1",
                "trigger type " + num(cmd.arg1) + " does not exist (0 mob, 1 object, 2 room)");
            return;
        }
        const trig_data* trigger = find(RecordKind::ZoneCommand, zone, "arg2", cmd.arg2,
                                        "cmd-trigger", index, cmd.line, "T command: ");
        if (trigger && trigger->attach_type != cmd.arg1)
            add(Severity::Warning, "arg2",
                "trigger #" + num(cmd.arg2) + " is " + (trigger->attach_type == kAttachObject ? "an " : "a ") +
                    attach_name(trigger->attach_type) + " trigger, attached as " +
                    (cmd.arg1 == kAttachObject ? "an " : "a ") + attach_name(cmd.arg1) + " trigger");
    }
};

}  // namespace

void check_triggers(const CheckContext& c) {
    const World& w = c.zone;
    if (w.dialect != Dialect::TbaMud) return;
    const TriggerCheck k{c, has_zone_header(w) ? w.zone.bot : c.range.bottom, c.range.top};
    for (const room_data& r : w.rooms) k.attached(RecordKind::Room, r.vnum, r.triggers, kAttachRoom);
    for (const char_data& m : w.mobs) k.attached(RecordKind::Mob, m.vnum, m.triggers, kAttachMobile);
    for (const obj_record& o : w.objects)
        k.attached(RecordKind::Object, o.vnum, o.triggers, kAttachObject);
    int index = 0;
    for (const zCommand& cmd : w.zone.commands) {
        if (cmd.command == 'T') k.command(cmd, index);
        ++index;
    }
}

}  // namespace tarnwick
