// Reading the zone file (.zon): the header lines, then one reset command per
// line up to the first S or $ line, which is what the server reads too.

#include "formats/zone_file.h"

#include <algorithm>
#include <cstdint>

#include "formats/zone_commands.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Letters whose lines carry a third argument.
bool has_third_argument(char letter) {
    switch (letter) {
    case 'M': case 'O': case 'E': case 'P': case 'D':
        return true;
    default:
        return false;
    }
}

struct ZoneReader {
    TextSource& in;
    Messages& messages;
    zone_header& zone;
    int line_no = 0;  // physical lines consumed so far, banner and comments included

    // Next line that is neither empty nor a comment; false at end of file.
    bool next(std::string& line) {
        int n = in.read_line(line);
        line_no += n;
        return n > 0;
    }

    bool read_header() {
        std::string line;
        next(line);
        if (scan(line, "#%d", zone.zone_number) != 1) {
            messages.show("Format error in zone, line " + std::to_string(line_no) + "\n");
            return false;
        }
        if (!next(line)) {
            messages.show("Format error in zone, line " + std::to_string(line_no + 1) + "\n");
            return false;
        }
        size_t tilde = line.find('~');
        zone.name = tilde == std::string::npos ? line : line.substr(0, tilde);
        if (!next(line) ||
            scan(line, " %d %d %d ", zone.top, zone.lifespan, zone.reset_mode) != 3) {
            messages.show("Format error in 3-constant line of " + zone.name);
            return false;
        }
        return true;
    }

    bool read_commands() {
        std::string line;
        for (;;) {
            if (!next(line)) {
                messages.show("Format error in " + zone.name + " - premature end of file\n");
                return false;
            }
            size_t p = 0;
            while (p < line.size() && is_blank(line[p])) ++p;
            if (p < line.size() && line[p] == '*') continue;
            const char letter = p < line.size() ? line[p] : '\0';
            if (letter == 'S' || letter == '$') {
                append_new_command(zone.commands)->command = 'S';
                return true;
            }
            zCommand command;
            command.command = letter;
            int32_t if_flag = 0;
            const std::string_view rest = p < line.size() ? std::string_view(line).substr(p + 1) : "";
            const bool ok =
                has_third_argument(letter)
                    ? scan(rest, " %d %d %d %d ", if_flag, command.arg1, command.arg2,
                           command.arg3) == 4
                    : scan(rest, " %d %d %d ", if_flag, command.arg1, command.arg2) == 3;
            if (!ok) {
                messages.show("Format error in " + zone.name + ", line " +
                              std::to_string(line_no) + ": '" + line + "'\n");
                return false;
            }
            command.if_flag = if_flag != 0;
            command.line = line_no;
            append_command(zone.commands, command);
        }
    }
};

bool has_lines(const std::string& text) {
    TextSource in(text);
    std::string line;
    return in.read_line(line) > 0;
}

}  // namespace

ZoneHeaderFields zone_header_fields(const World& world) {
    ZoneHeaderFields f;
    f.zone_number = world.zone.zone_number;
    f.name = world.zone.name;
    f.lifespan = world.zone.lifespan;
    f.reset_mode = world.zone.reset_mode;
    return f;
}

void commit_zone_header(World& world, const ZoneHeaderFields& fields) {
    zone_header& zone = world.zone;
    zone.zone_number = fields.zone_number;
    zone.name = fields.name;
    zone.lifespan = fields.lifespan;
    zone.reset_mode = fields.reset_mode;
    if (!fields.recompute_top) return;
    if (!world.rooms.empty()) {
        zone.top = world.rooms.back().vnum;
    } else {
        // Zone numbers near the limits of 32 bits must not overflow.
        const int64_t top = int64_t(zone.zone_number) * 100;
        zone.top = int32_t(std::clamp<int64_t>(top, INT32_MIN, INT32_MAX));
    }
}

bool read_zone(World& world, const std::string& text, Messages& messages) {
    // The file replaces the commands; the numbers it fails to reach stay.
    world.clear_zone_header();
    if (!has_lines(text)) {
        messages.show("Zone file is empty.");
        return false;
    }
    TextSource in(text);
    ZoneReader reader{in, messages, world.zone};
    if (!reader.read_header() || !reader.read_commands()) {
        world.clear_zone_header();
        return false;
    }
    return true;
}

bool load_zone_file(World& world, const std::string& path, Messages& messages) {
    TextSource file;
    if (!file.open(path)) return false;  // the header stays as it was
    return read_zone(world, file.data(), messages);
}

}  // namespace tarnwick
