// The conversion's driver and its zone header steps: CircleMUD 3.0 <-> 3.1
// (the bottom room), 3.1 <-> tbaMUD (builders, flags and levels, the T and
// V commands, G's fourth number), the records' steps in convert_records.cpp
// and convert_texts.cpp.

#include "convert/convert.h"

#include <algorithm>
#include <climits>

#include "convert/convert_steps.h"
#include "world/other_zones.h"

namespace tarnwick {

namespace {

std::string command_label(const World& w, int index, const zCommand& c) {
    return zone_label(w.zone.zone_number) + " command " + std::to_string(index) +
           (c.line > 0 ? " (line " + std::to_string(c.line) + ")" : std::string());
}

std::string command_text(const zCommand& c) {
    std::string s(1, c.command);
    for (int32_t v : {int32_t(c.if_flag), c.arg1, c.arg2, c.arg3}) s += " " + std::to_string(v);
    if (c.command == 'V') s += " " + c.var_name + " " + c.var_value;
    return s;
}

void add_bottom(World& w, const ConvertContext& context, ConversionReport& report) {
    std::string why;
    w.zone.bot = fitting_bottom(w, context.neighbours, why);
    report.change(zone_label(w.zone.zone_number), "header",
                  "bottom room " + std::to_string(w.zone.bot) + " added (" + why + ")");
    // A room above the top that no zone of the world reaches lies in no
    // zone: CircleMUD 3.0 refuses to boot, tbaMUD crashes. Said, not moved.
    for (const room_data& r : w.rooms) {
        if (r.vnum <= w.zone.top) continue;
        bool held = false;
        for (const ZoneSpan& n : context.neighbours) held = held || n.top >= r.vnum;
        if (!held)
            report.change(room_label(r.vnum), "vnum",
                          "above the zone's top " + std::to_string(w.zone.top) +
                              " and every other zone's: in no zone (raise the top)");
    }
}

void drop_bottom(World& w, ConversionReport& report) {
    report.change(zone_label(w.zone.zone_number), "header",
                  "bottom room " + std::to_string(w.zone.bot) +
                      " dropped: CircleMUD 3.0 starts a zone after the top of the zone before");
    w.zone.bot = 0;
}

void header_to_tbamud(World& w, const ConvertContext& context, ConversionReport& report) {
    const std::string label = zone_label(w.zone.zone_number);
    w.zone.builders = context.builders.empty() ? "None." : context.builders;
    w.zone.flags = {};
    w.zone.min_level = w.zone.max_level = -1;
    w.zone.has_flags_line = false;
    report.change(label, "header", "builders line '" + w.zone.builders + "' added");
    int gives = 0;
    for (zCommand& c : w.zone.commands)
        if (c.command == 'G') {
            c.arg3 = -1;
            ++gives;
        }
    if (gives)
        report.change(label, "commands",
                      std::to_string(gives) + " G command(s) given their fourth number (-1)");
}

void header_to_circle(World& w, const ConvertContext& context, ConversionReport& report) {
    const std::string label = zone_label(w.zone.zone_number);
    zone_header& z = w.zone;
    // "None." is what tbaMUD writes for a zone without builders; the
    // project's author stays in the project file.
    if (!z.builders.empty() && z.builders != "None." && z.builders != context.builders)
        report.loss(label, "builders", "'" + z.builders + "' dropped (no builders line)");
    if (z.flags != std::array<int32_t, 4>{})
        report.loss(label, "zone flags", "dropped (no zone flags)");
    if (z.min_level != -1 || z.max_level != -1)
        report.loss(label, "levels",
                    std::to_string(z.min_level) + " to " + std::to_string(z.max_level) +
                        " dropped (no level range)");
    z.builders.clear();
    z.flags = {};
    z.min_level = z.max_level = -1;
    z.has_flags_line = false;
    int index = 0;
    for (auto it = z.commands.begin(); it != z.commands.end();) {
        if (it->command == 'S') break;
        ++index;
        if (it->command == 'T' || it->command == 'V') {
            report.loss(command_label(w, index, *it), "command",
                        "'" + command_text(*it) + "' removed (no trigger scripts)");
            it = z.commands.erase(it);
            continue;
        }
        // Its diagonal exit is dropped with the room's other diagonals.
        if (it->command == 'D' && is_diagonal(it->arg2)) {
            report.loss(command_label(w, index, *it), "command",
                        "'" + command_text(*it) + "' removed (no diagonal directions)");
            it = z.commands.erase(it);
            continue;
        }
        if (it->command == 'G') it->arg3 = 0;
        ++it;
    }
    if (!w.triggers.empty())
        report.loss(label, "triggers",
                    std::to_string(w.triggers.size()) +
                        " trigger script(s) of the trg file dropped");
    if (w.quests) report.loss(label, "quests", "the qst file dropped");
    w.triggers.clear();
    w.quests.reset();
}

// One step towards `to`.
Dialect next_step(Dialect from, Dialect to) {
    const int a = int(from), b = int(to);
    return Dialect(a < b ? a + 1 : a - 1);
}

}  // namespace

World convert_world(const World& in, Dialect to, const ConvertContext& context,
                    ConversionReport& report) {
    report.from = in.dialect;
    report.to = to;
    World w = in;
    // The files as read hold the old layout: a record copied from them
    // would keep it, so every file is written anew.
    w.kept = KeptSources{};
    for (zCommand& c : w.zone.commands) c.tree_node = nullptr;
    if (in.dialect != Dialect::TbaMud && to == Dialect::TbaMud) report_mid_line_tildes(in, report);
    while (w.dialect != to) {
        const Dialect step = next_step(w.dialect, to);
        if (w.dialect == Dialect::Circle30 && step == Dialect::Circle31) {
            add_bottom(w, context, report);
            records_to_circle31(w, report);
        } else if (w.dialect == Dialect::Circle31 && step == Dialect::Circle30) {
            drop_bottom(w, report);
            records_to_circle30(w, report);
        } else if (step == Dialect::TbaMud) {
            header_to_tbamud(w, context, report);
            records_to_tbamud(w, report);
            texts_to_tbamud(w, report);
        } else {
            header_to_circle(w, context, report);
            records_to_circle(w, report);
            texts_to_circle(w, report);
        }
        w.dialect = step;
    }
    report.left_out = !keep_to_vnum_limit(w, to, report);
    w.changed = true;
    return w;
}

std::vector<ZoneSpan> neighbour_spans(const World& world) {
    std::vector<ZoneSpan> out;
    if (!world.other_zones) return out;
    for (const World* z : world.other_zones->zone_list())
        out.push_back({z->zone.zone_number, z->zone.top});
    return out;
}

int32_t fitting_bottom(const World& world, const std::vector<ZoneSpan>& neighbours,
                       std::string& why) {
    const zone_header& z = world.zone;
    int64_t floor = 0;
    int32_t below = -1;
    for (const ZoneSpan& n : neighbours)
        if (n.number != z.zone_number && n.top < z.top && n.top + int64_t(1) > floor) {
            floor = n.top + int64_t(1);
            below = n.number;
        }
    int64_t bot = int64_t(z.zone_number) * 100;
    why = "the zone number's hundred";
    int32_t lowest = INT32_MAX;
    for (const room_data& r : world.rooms)
        if (r.vnum <= z.top) lowest = std::min(lowest, r.vnum);
    if (!world.rooms.empty() && lowest < bot) {
        bot = lowest;
        why = "its lowest room";
    }
    if (bot < floor) {
        bot = floor;
        why = "above the top of zone " + std::to_string(below);
    }
    if (bot > z.top) {
        // A zone number above its own vnums: where the 3.0 server starts it.
        bot = floor <= z.top ? floor : z.top;
        why = floor <= z.top ? "where CircleMUD 3.0 starts the zone" : "its top";
    }
    return int32_t(bot);
}

}  // namespace tarnwick
