// The preflight walks of the rooms, mobiles and objects files, step by step
// as the server's discrete_load, parse_room, parse_mobile and parse_object.

#include <algorithm>
#include <cstdint>

#include "analysis/preflight_walk.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

constexpr int kServerDirections = 6;

bool walk_room(PreflightWalk& w) {
    std::string_view line;
    if (!w.text("name") || !w.text("description")) return false;
    if (!w.line(line, "flags line", "the zone, flags and sector line")) return false;
    int32_t zone = 0, sector = 0;
    std::string flags;
    if (scan(line, " %d %s %d ", zone, flags, sector) != 3)
        return w.fatal(w.in.line(), "flags line", stray(line, "zone, flags and sector"));
    for (;;) {
        if (!w.line(line, "", "D, E or S")) return false;
        switch (line[0]) {
        case 'D': {
            size_t at = 1;
            int32_t dir = 0;
            parse_int32(line, at, dir);
            const int at_line = w.in.line();
            if (!w.text("exit description") || !w.text("exit keywords")) return false;
            if (!w.line(line, "exit line", "the door, key and target line")) return false;
            if (numbers_on(line) < 3)
                return w.fatal(w.in.line(), "exit line", stray(line, "door, key and target"));
            if (dir < 0 || dir >= kServerDirections)
                w.add(at_line, "exit", "direction " + std::to_string(dir) +
                                           ": the server has directions 0 to 5 and writes "
                                           "past its exit table");
            break;
        }
        case 'E':
            if (!w.text("extra keywords") || !w.text("extra description")) return false;
            break;
        case 'S':
            return true;
        default:
            return w.fatal(w.in.line(), "", stray(line, "D, E or S"));
        }
    }
}

bool walk_mobile(PreflightWalk& w) {
    std::string_view line;
    for (const char* field : {"alias", "short description", "long description", "description"})
        if (!w.text(field)) return false;
    if (!w.line(line, "flags line", "the flags, alignment and type line")) return false;
    std::string actions, affects;
    int32_t alignment = 0;
    char type = 0;
    if (scan(line, "%s %s %d %c", actions, affects, alignment, type) != 4)
        return w.fatal(w.in.line(), "flags line", stray(line, "flags, alignment and S or E"));
    if (type != 'S' && type != 's' && type != 'E' && type != 'e')
        return w.fatal(w.in.line(), "flags line",
                       std::string("mob type '") + type + "': the server knows S and E only");
    if (!w.line(line, "level line", "the level, dice and damage line")) return false;
    int32_t n[9] = {};
    if (scan(line, " %d %d %d %dd%d+%d %dd%d+%d ", n[0], n[1], n[2], n[3], n[4], n[5], n[6],
             n[7], n[8]) != 9)
        return w.fatal(w.in.line(), "level line", stray(line, "level, thac0, AC, hit and damage dice"));
    if (!w.line(line, "gold/experience line", "the gold and experience line")) return false;
    if (numbers_on(line) < 2)
        return w.fatal(w.in.line(), "gold/experience line",
                       stray(line, "two numbers, gold and experience"));
    if (!w.line(line, "position line", "the position, default position and sex line")) return false;
    // CircleMUD 3.0 reads a fourth number to refuse it; 3.1 reads three.
    if (w.dialect() == Dialect::Circle30 ? numbers_on(line) != 3 : numbers_on(line) < 3)
        return w.fatal(w.in.line(), "position line",
                       stray(line, w.dialect() == Dialect::Circle30
                                       ? "exactly three numbers, positions and sex"
                                       : "three numbers, positions and sex"));
    if (type == 'S' || type == 's') return true;
    while (w.line(line, "E-specs", "the 'E' line that ends the E-specs")) {
        if (line == "E") return true;
        if (line[0] == '#')
            return w.fatal(w.in.line(), "E-specs",
                           stray(line, "an 'E' line alone before the next mob"));
    }
    return false;
}

}  // namespace

bool walk_rooms(PreflightWalk& w, int& lowest_vnum, int& highest_vnum) {
    std::string_view line;
    for (;;) {
        if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
        if (line[0] == '$') return true;
        if (line[0] != '#') return w.fatal(w.in.line(), "", stray(line, "'#' and a vnum, or '$'"));
        int vnum = 0;
        if (!w.record_number(line, "room", vnum)) return false;
        if (vnum >= kServerEndVnum) return true;
        lowest_vnum = std::min(lowest_vnum, vnum);
        highest_vnum = std::max(highest_vnum, vnum);
        if (!walk_room(w)) return false;
    }
}

bool walk_mobiles(PreflightWalk& w) {
    std::string_view line;
    for (;;) {
        if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
        if (line[0] == '$') return true;
        if (line[0] != '#') return w.fatal(w.in.line(), "", stray(line, "'#' and a vnum, or '$'"));
        int vnum = 0;
        if (!w.record_number(line, "mob", vnum)) return false;
        if (vnum >= kServerEndVnum) return true;
        if (!walk_mobile(w)) return false;
    }
}

bool walk_objects(PreflightWalk& w) {
    std::string_view line;
    if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
    // An object has no end line: the line after it is the next record's.
    for (;;) {
        if (line[0] == '$') return true;
        if (line[0] != '#') return w.fatal(w.in.line(), "", stray(line, "'#' and a vnum, or '$'"));
        int vnum = 0;
        if (!w.record_number(line, "object", vnum)) return false;
        if (vnum >= kServerEndVnum) return true;
        std::string_view alias;
        if (!w.text("alias", &alias)) return false;
        if (alias.empty())
            return w.fatal(w.in.line(), "alias", "an empty alias, which the server refuses");
        for (const char* field : {"short description", "long description", "action description"})
            if (!w.text(field)) return false;
        int32_t type = 0;
        std::string extra, wear;
        if (!w.line(line, "type line", "the type and flags line")) return false;
        if (scan(line, " %d %s %s", type, extra, wear) != 3)
            return w.fatal(w.in.line(), "type line", stray(line, "type, extra and wear flags"));
        if (!w.line(line, "values line", "the four values line")) return false;
        if (numbers_on(line) < 4)
            return w.fatal(w.in.line(), "values line", stray(line, "four values"));
        if (!w.line(line, "weight line", "the weight, cost and rent line")) return false;
        if (numbers_on(line) < 3)
            return w.fatal(w.in.line(), "weight line", stray(line, "weight, cost and rent"));
        int affects = 0;
        for (;;) {
            if (!w.line(line, "", "E, A, '$' or the next object")) return false;
            if (line[0] == '$' || line[0] == '#') break;
            if (line[0] == 'E') {
                if (!w.text("extra keywords") || !w.text("extra description")) return false;
            } else if (line[0] == 'A') {
                if (++affects > kServerMaxAffects)
                    return w.fatal(w.in.line(), "affects", "more than 6 A fields");
                if (!w.line(line, "affect line", "the location and modifier line")) return false;
                if (numbers_on(line) < 2)
                    return w.fatal(w.in.line(), "affect line", stray(line, "location and modifier"));
            } else {
                return w.fatal(w.in.line(), "", stray(line, "E, A, '$' or the next object"));
            }
        }
    }
}

}  // namespace tarnwick
