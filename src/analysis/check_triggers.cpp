// Trigger attachments of a tbaMUD zone: each trigger a room, mob or object
// lists, and each T zone command's, must exist and be made for that kind of
// record (the server attaches a missing one to nothing, and runs one made
// for another kind on events it does not mean). Triggers resolve across
// every zone in the check (a world folder's zones are read with their
// trigger files); a zone checked by itself only notes a trigger outside its
// own vnums.
//
// Each trigger's script is checked as the server's script engine runs it
// (trigger_script.h): blocks, commands, variables, arguments, and the
// vnums it names, which resolve as the other references do. A trigger that
// nothing attaches is noted.

#include <algorithm>

#include "analysis/check_context.h"
#include "analysis/trigger_script.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

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

    ZoneRange own() const { return {c.zone.zone.zone_number, bot, top}; }

    // The line of the trigger's file a script line is on, counted from the
    // trigger's "#" line (1).
    static int record_line(const trig_data& t, int script_line) {
        auto lines = [](const std::string& s) { return 1 + int(std::count(s.begin(), s.end(), '\n')); };
        return script_line <= 0 ? 0 : 1 + lines(t.name) + 1 + lines(t.arglist) + script_line;
    }

    void add_script(const trig_data& t, Severity s, int line, const std::string& message,
                    const char* check) const {
        c.add(s, RecordKind::Trigger, t.vnum, line > 0 ? "script." + num(line) : "arglist",
              line > 0 ? "line " + num(line) + ": " + message : message, check);
        c.out.back().record_line = record_line(t, line);
    }

    void reference(const trig_data& t, const ScriptReference& r) const {
        const ZoneRange from = own();
        Resolved found = Resolved::Found;
        const char* noun = "room";
        switch (r.target) {
        case ScriptTarget::Room: found = c.index.resolve_room(r.vnum, from); break;
        case ScriptTarget::Mob:
            found = c.index.resolve_mob(r.vnum, from);
            noun = "mob";
            break;
        case ScriptTarget::Object:
            found = c.index.resolve_object(r.vnum, from);
            noun = "object";
            break;
        case ScriptTarget::Trigger:
            found = c.zone.find_trigger(r.vnum) ? Resolved::Found : c.index.resolve_trigger(r.vnum, from);
            noun = "trigger";
            break;
        case ScriptTarget::Zone:
            found = c.index.resolve_zone(r.vnum, from);
            noun = "zone";
            break;
        }
        const std::string what = r.target == ScriptTarget::Zone
                                     ? "no zone holds vnum " + num(r.vnum)
                                     : std::string(noun) + " #" + num(r.vnum);
        if (found == Resolved::Missing)
            add_script(t, Severity::Error, r.line,
                       r.command + ": " + what +
                           (r.target == ScriptTarget::Zone ? "" : " does not exist") +
                           ": the command fails when the trigger runs",
                       "script-vnum");
        else if (found == Resolved::Elsewhere)
            add_script(t, Severity::Note, r.line,
                       r.command + ": " + (r.target == ScriptTarget::Zone ? "vnum " + num(r.vnum) : what) +
                           " belongs to " + CheckContext::zone_of(r.vnum) + ", which is not checked here",
                       "script-elsewhere");
    }

    void script(const trig_data& t, const std::vector<std::string>& words) const {
        const ScriptReport report = check_script(t, words);
        for (const ScriptIssue& i : report.issues)
            add_script(t, i.severity, i.line, i.message, i.check.c_str());
        for (const ScriptReference& r : report.references) reference(t, r);
        if (!c.index.trigger_attached(t.vnum))
            c.add(Severity::Note, RecordKind::Trigger, t.vnum, "vnum",
                  "no room, mob, object, T command or script attaches this trigger", "trigger-unused");
    }

    void command(const zCommand& cmd, int index, bool mob_loaded, bool object_loaded) const {
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
        // The server looks the room up for every T command and disables
        // one whose room does not exist.
        const Resolved room = c.index.resolve_room(cmd.arg3, own());
        if (room == Resolved::Missing)
            add(Severity::Error, "arg3",
                "room #" + num(cmd.arg3) + " does not exist: the server disables the command");
        else if (room == Resolved::Elsewhere)
            add(Severity::Note, "arg3",
                "room #" + num(cmd.arg3) + " belongs to " + CheckContext::zone_of(cmd.arg3) +
                    ", which is not checked here");
        if ((cmd.arg1 == kAttachMobile && !mob_loaded) || (cmd.arg1 == kAttachObject && !object_loaded))
            add(Severity::Warning, "command",
                std::string("no ") + (cmd.arg1 == kAttachMobile ? "M command" : "O, G, E or P command") +
                    " before it loads the " + attach_name(cmd.arg1) +
                    " to take the trigger: the server attaches it to nothing");
        if (trigger && trigger->attach_type != cmd.arg1)
            add(Severity::Warning, "arg2",
                "trigger #" + num(cmd.arg2) + " is " + (trigger->attach_type == kAttachObject ? "an " : "a ") +
                    attach_name(trigger->attach_type) + " trigger, attached as " +
                    (cmd.arg1 == kAttachObject ? "an " : "a ") + attach_name(cmd.arg1) + " trigger");
    }
};

}  // namespace

namespace {
TriggerCheck trigger_check(const CheckContext& c) {
    return {c, has_zone_header(c.zone) ? c.zone.zone.bot : c.range.bottom, c.range.top};
}
}  // namespace

void check_trigger_script(const CheckContext& c, int32_t vnum) {
    const trig_data* t = c.zone.find_trigger(vnum);
    if (t) trigger_check(c).script(*t, command_trigger_words(c.zone.triggers));
}

void check_triggers(const CheckContext& c) {
    const World& w = c.zone;
    if (w.dialect != Dialect::TbaMud) return;
    const TriggerCheck k = trigger_check(c);
    for (const room_data& r : w.rooms) k.attached(RecordKind::Room, r.vnum, r.triggers, kAttachRoom);
    for (const char_data& m : w.mobs) k.attached(RecordKind::Mob, m.vnum, m.triggers, kAttachMobile);
    for (const obj_record& o : w.objects)
        k.attached(RecordKind::Object, o.vnum, o.triggers, kAttachObject);
    int index = 0;
    bool mob_loaded = false, object_loaded = false;
    for (const zCommand& cmd : w.zone.commands) {
        if (cmd.command == 'T') k.command(cmd, index, mob_loaded, object_loaded);
        if (cmd.command == 'M') mob_loaded = true;
        if (cmd.command == 'O' || cmd.command == 'G' || cmd.command == 'E' || cmd.command == 'P')
            object_loaded = true;
        ++index;
    }
    const std::vector<std::string> words = command_trigger_words(w.triggers);
    for (const trig_data& t : w.triggers) k.script(t, words);
    // real_trigger() is a binary search over the boot's order.
    for (size_t i = 1; i < w.triggers.size(); ++i)
        if (w.triggers[i].vnum <= w.triggers[i - 1].vnum)
            c.add(Severity::Error, RecordKind::Trigger, w.triggers[i].vnum, "vnum",
                  "comes after trigger #" + num(w.triggers[i - 1].vnum) +
                      " in the file: the server looks triggers up by a binary search of their "
                      "order and may not find it",
                  "trigger-order");
}

}  // namespace tarnwick
