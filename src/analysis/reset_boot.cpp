// What the server does to the zone commands at boot, before any reset: every
// vnum a command names is looked up, and a command naming a record that
// does not exist is disabled for good (db.c renum_zone_table).

#include "analysis/reset_runner.h"
#include "world/number_text.h"

#include <optional>
#include <span>

namespace tarnwick {

namespace {

// One vnum a command names, of the kind that must hold it.
struct Named {
    const char* noun;
    int32_t vnum;
    bool exists;
};

}  // namespace

Prototypes::Prototypes(const std::vector<const World*>& zones) {
    for (const World* z : zones) {
        for (const auto& r : z->rooms) rooms.emplace(r.vnum, &r);
        for (const auto& m : z->mobs) mobs.emplace(m.vnum, &m);
        for (const auto& o : z->objects) objects.emplace(o.vnum, &o);
    }
}

void resolve_commands(ZoneRun& zone, const Prototypes& p, bool whole_world) {
    const size_t n = zone.commands.size();
    zone.disabled.assign(n, {});
    zone.disabled_in.assign(n, 0);
    zone.not_open.assign(n, false);
    auto room = [&](int32_t v) { return Named{"room", v, p.rooms.count(v) != 0}; };
    auto mob = [&](int32_t v) { return Named{"mob", v, p.mobs.count(v) != 0}; };
    auto object = [&](int32_t v) { return Named{"object", v, p.objects.count(v) != 0}; };
    for (size_t i = 0; i < n; ++i) {
        const zCommand& c = *zone.commands[i];
        // In the server's order: the first argument, then the second, then the third.
        Named named[2]{};
        size_t count = 0;
        const auto names = [&](Named first, std::optional<Named> second = std::nullopt) {
            named[count++] = first;
            if (second) named[count++] = *second;
        };
        switch (c.command) {
        case 'M': names(mob(c.arg1), room(c.arg3)); break;
        case 'O':
            if (c.arg3 != -1) names(object(c.arg1), room(c.arg3));
            else names(object(c.arg1));
            break;
        case 'G':
        case 'E': names(object(c.arg1)); break;
        case 'P': names(object(c.arg1), object(c.arg3)); break;
        case 'D': names(room(c.arg1)); break;
        case 'R': names(room(c.arg1), object(c.arg2)); break;
        // tbaMUD's T (trigger) and V (variable) commands resolve here too,
        // once the zone reader keeps them.
        default: break;
        }
        for (const Named& x : std::span(named, count)) {
            if (x.exists) continue;
            if (!whole_world && !zone.range.holds(x.vnum)) {
                zone.not_open[i] = true;
                zone.disabled[i] = std::string(x.noun) + " #" + num(x.vnum) + " belongs to zone " +
                                   num(x.vnum / 100) + ", which is not open here";
            } else {
                zone.disabled[i] = std::string(x.noun) + " #" + num(x.vnum) +
                                   " does not exist; the server disables the command at boot";
            }
            break;
        }
    }
}

}  // namespace tarnwick
