// The preflight walks of tbaMUD's rooms, mobiles and objects files, step by
// step as its parse_room, parse_mobile and parse_object read them: four
// flag words where CircleMUD has one, trigger lines, and a text that ends
// only at a '~' closing its line. A record in CircleMUD's one-word layout
// is read too, but the server converts it and saves the whole file again.

#include <algorithm>
#include <cstdint>

#include "analysis/preflight_walk.h"
#include "world/room_exits.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

constexpr int kTbaDirections = direction_count(Dialect::TbaMud);

const char* const kRewritten =
    " (CircleMUD's layout): the server converts it and writes the whole file again";

// One "T vnum" line; the server drops a line without a vnum, with a log line.
void trigger_line(PreflightWalk& w, std::string_view line) {
    std::string letter;
    int32_t vnum = 0;
    if (scan(line, "%s %d", letter, vnum) != 2)
        w.add(w.in.line(), "triggers",
              "a trigger line without a trigger vnum, " + quoted(line) +
                  ": the server attaches nothing");
}

// After a room's S and a mob's last line the server looks at the next byte
// that is not white space, and reads a trigger line while it is a 'T'.
void trigger_lines(PreflightWalk& w) {
    std::string_view line;
    while (w.in.peek_letter() == 'T' && w.line(line, "triggers", "a trigger line"))
        trigger_line(w, line);
}

bool walk_tba_room(PreflightWalk& w) {
    std::string_view line;
    if (!w.text("name") || !w.text("description")) return false;
    if (!w.line(line, "flags line", "the zone, flags and sector line")) return false;
    int32_t zone = 0, sector = 0;
    std::string_view flags[4];
    const int fields =
        scan(line, " %d %s %s %s %s %d ", zone, flags[0], flags[1], flags[2], flags[3], sector);
    if (fields == 3)
        w.add(w.in.line(), "flags line", std::string("one word of room flags") + kRewritten);
    else if (fields != 6)
        return w.fatal(w.in.line(), "flags line",
                       stray(line, "zone, four words of flags and sector"));
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
            if (dir < 0 || dir >= kTbaDirections)
                w.add(at_line, "exit", "direction " + std::to_string(dir) +
                                           ": the server has directions 0 to 9 and writes "
                                           "past its exit table");
            // With diagonal_dirs off, setup_dir returns before the exit's
            // texts, and the next line read is taken for D, E or S.
            else if (is_diagonal(dir))
                w.warn(at_line, "exit",
                       "a diagonal exit, D" + std::to_string(dir) + " (" + kDirectionWords[dir] +
                           "): the server reads it only with diagonal_dirs turned on in its "
                           "lib/etc/config ('diagonal_dirs = 1'); with the setting off, as it "
                           "ships, it stops booting at this room");
            break;
        }
        case 'E':
            if (!w.text("extra keywords") || !w.text("extra description")) return false;
            break;
        case 'S':
            trigger_lines(w);
            return true;
        default:
            return w.fatal(w.in.line(), "", stray(line, "D, E or S"));
        }
    }
}

bool walk_tba_mobile(PreflightWalk& w) {
    std::string_view line;
    for (const char* field : {"alias", "short description", "long description", "description"})
        if (!w.text(field)) return false;
    if (!w.line(line, "flags line", "the flags, alignment and type line")) return false;
    std::string_view f[8];
    int32_t alignment = 0;
    char type = 0;
    const int fields = scan(line, "%s %s %s %s %s %s %s %s %d %c", f[0], f[1], f[2], f[3], f[4],
                            f[5], f[6], f[7], alignment, type);
    if (fields == 4) {
        w.add(w.in.line(), "flags line", std::string("one word of flags and one of affects") + kRewritten);
        type = f[3][0];
    } else if (fields != 10) {
        return w.fatal(w.in.line(), "flags line",
                       stray(line, "four words of flags, four of affects, alignment and S or E"));
    }
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
    if (numbers_on(line) < 3)
        return w.fatal(w.in.line(), "position line", stray(line, "three numbers, positions and sex"));
    if (type == 'E' || type == 'e') {
        for (;;) {
            if (!w.line(line, "E-specs", "the 'E' line that ends the E-specs")) return false;
            if (line == "E") break;
            if (line[0] == '#')
                return w.fatal(w.in.line(), "E-specs",
                               stray(line, "an 'E' line alone before the next mob"));
        }
    }
    trigger_lines(w);
    return true;
}

// The lines after an object's numbers, up to the next record's line.
bool walk_object_sections(PreflightWalk& w, std::string_view& line) {
    int affects = 0;
    for (;;) {
        if (!w.line(line, "", "E, A, T, '$' or the next object")) return false;
        switch (line[0]) {
        case '$': case '#': return true;
        case 'E':
            if (!w.text("extra keywords") || !w.text("extra description")) return false;
            break;
        case 'A':
            if (++affects > kServerMaxAffects)
                return w.fatal(w.in.line(), "affects", "more than 6 A fields");
            if (!w.line(line, "affect line", "the location and modifier line")) return false;
            if (numbers_on(line) < 2)
                return w.fatal(w.in.line(), "affect line", stray(line, "location and modifier"));
            break;
        case 'T': trigger_line(w, line); break;
        default: return w.fatal(w.in.line(), "", stray(line, "E, A, T, '$' or the next object"));
        }
    }
}

bool walk_tba_object(PreflightWalk& w, std::string_view& line) {
    std::string_view alias;
    if (!w.text("alias", &alias)) return false;
    if (alias.empty()) return w.fatal(w.in.line(), "alias", "an empty alias, which the server refuses");
    for (const char* field : {"short description", "long description", "action description"})
        if (!w.text(field)) return false;
    if (!w.line(line, "type line", "the type and flags line")) return false;
    int32_t type = 0;
    std::string_view f[12];
    const int fields = scan(line, " %d %s %s %s %s %s %s %s %s %s %s %s %s", type, f[0], f[1],
                            f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9], f[10], f[11]);
    if (fields == 3 || fields == 4)
        w.add(w.in.line(), "type line", std::string("one word each of extra and wear flags") + kRewritten);
    else if (fields != 13)
        return w.fatal(w.in.line(), "type line",
                       stray(line, "type and four words each of extra, wear and affect flags"));
    if (!w.line(line, "values line", "the four values line")) return false;
    if (numbers_on(line) < 4) return w.fatal(w.in.line(), "values line", stray(line, "four values"));
    if (!w.line(line, "weight line", "the weight, cost, rent, level and timer line")) return false;
    if (numbers_on(line) < 3)
        return w.fatal(w.in.line(), "weight line", stray(line, "weight, cost and rent"));
    return walk_object_sections(w, line);
}

// A record line: true with `vnum` set, or false when the file ends here
// (`ended` then tells whether the server stopped sound).
bool next_record(PreflightWalk& w, std::string_view line, const char* what, int& vnum, bool& ended) {
    ended = true;
    if (line[0] == '$') return false;
    if (line[0] != '#') return ended = w.fatal(w.in.line(), "", stray(line, "'#' and a vnum, or '$'"));
    if (!w.record_number(line, what, vnum)) return ended = false;
    return vnum < kServerEndVnum;
}

}  // namespace

TextLimitProblem check_tba_text_limits(std::string_view text) {
    // fread_string reads 511 bytes at a time with the line break, drops the
    // CRs at a line's end and puts CR LF in their place.
    TextLimitProblem line_problem;
    size_t total = 0, at = 0;
    for (size_t number = 1;; ++number) {
        const size_t end = text.find('\n', at);
        const std::string_view line = text.substr(at, end == std::string_view::npos ? end : end - at);
        // The last line is read with the '~' that ends the text.
        const size_t read = line.size() + (end == std::string_view::npos ? 1 : 0);
        if (read > kTbaMaxTextLineBytes && !line_problem)
            line_problem = {TextLimitProblem::Kind::line_too_long, number, read};
        if (end == std::string_view::npos) {
            total += line.size();
            break;
        }
        size_t kept = line.size();
        while (kept > 0 && line[kept - 1] == '\r') --kept;
        total += kept + 2;
        at = end + 1;
    }
    if (total > kTbaMaxTextBytes) return {TextLimitProblem::Kind::text_too_long, 0, total};
    return line_problem;
}

bool walk_tba_rooms(PreflightWalk& w, int& lowest_vnum, int& highest_vnum) {
    std::string_view line;
    for (;;) {
        if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
        int vnum = 0;
        bool ended = false;
        if (!next_record(w, line, "room", vnum, ended)) return ended;
        lowest_vnum = std::min(lowest_vnum, vnum);
        highest_vnum = std::max(highest_vnum, vnum);
        if (!walk_tba_room(w)) return false;
    }
}

bool walk_tba_mobiles(PreflightWalk& w) {
    std::string_view line;
    for (;;) {
        if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
        int vnum = 0;
        bool ended = false;
        if (!next_record(w, line, "mob", vnum, ended)) return ended;
        if (!walk_tba_mobile(w)) return false;
    }
}

bool walk_tba_objects(PreflightWalk& w) {
    std::string_view line;
    if (!w.line(line, "", "'#' and a vnum, or '$'")) return false;
    // An object has no end line: the line after it is the next record's.
    for (;;) {
        int vnum = 0;
        bool ended = false;
        if (!next_record(w, line, "object", vnum, ended)) return ended;
        if (!walk_tba_object(w, line)) return false;
    }
}

}  // namespace tarnwick
