#include "formats/zone_layouts.h"

#include "formats/dialect_lines.h"
#include "world/world.h"

namespace tarnwick {

std::string one_line(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

namespace {

std::string numbers_line(const zone_header& zone) {
    return std::to_string(zone.bot) + " " + std::to_string(zone.top) + " " +
           std::to_string(zone.lifespan) + " " + std::to_string(zone.reset_mode);
}

// What the command loads, as the server's writer names it; empty for a
// record the zone does not hold.
std::string loaded_name(const World& world, const zCommand& c) {
    const auto mob = [&](int32_t vnum) {
        const int i = world.find_mob(vnum);
        return i < 0 ? std::string() : world.mobs[size_t(i)].short_name;
    };
    const auto object = [&](int32_t vnum) {
        const int i = world.find_object(vnum);
        return i < 0 ? std::string() : world.objects[size_t(i)].short_description;
    };
    switch (c.command) {
    case 'M': return mob(c.arg1);
    case 'O': case 'G': case 'E': case 'P': return object(c.arg1);
    case 'D': {
        const int i = world.find_room(c.arg1);
        return i < 0 ? std::string() : world.rooms[size_t(i)].name;
    }
    case 'R': return object(c.arg2);
    case 'T': {
        const trig_data* trigger = world.find_trigger(c.arg2);
        return trigger ? trigger->name : std::string();
    }
    default: return {};
    }
}

}  // namespace

void write_bottom_header(const zone_header& zone, std::string& out) {
    out += "#" + std::to_string(zone.zone_number) + "\n";
    out += one_line(zone.name) + "~\n";
    out += numbers_line(zone) + "\n";
}

void write_builders_header(const zone_header& zone, std::string& out) {
    out += "#" + std::to_string(zone.zone_number) + "\n";
    out += (zone.builders.empty() ? std::string("None.") : one_line(zone.builders)) + "~\n";
    out += (zone.name.empty() ? std::string("undefined") : one_line(zone.name)) + "~\n";
    out += numbers_line(zone);
    const bool flagged = zone.flags != std::array<int32_t, 4>{} || zone.min_level != -1 ||
                         zone.max_level != -1 || zone.has_flags_line;
    if (flagged) {
        out += ' ';
        write_flag_words(out, zone.flags[0], {zone.flags[1], zone.flags[2], zone.flags[3]},
                         FlagForm::Letters);
        out += " " + std::to_string(zone.min_level) + " " + std::to_string(zone.max_level);
    }
    out += "\n";
}

void write_four_number_command(const World& world, const zCommand& c, std::string& out) {
    const bool unused_third = c.command == 'G' || c.command == 'R';
    out += c.command;
    for (int32_t v : {int32_t(c.if_flag), c.arg1, c.arg2, unused_third ? -1 : c.arg3})
        out += " " + std::to_string(v);
    if (c.command == 'V') {
        out += " " + one_line(c.var_name) + " " + one_line(c.var_value) + "\n";
        return;
    }
    out += " \t(" + one_line(loaded_name(world, c)) + ")\n";
}

}  // namespace tarnwick
