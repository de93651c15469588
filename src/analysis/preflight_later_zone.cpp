// The preflight walk of a CircleMUD 3.1 or tbaMUD zone file, as their
// load_zones reads it: the lines that look like commands are counted first
// (a line starting with a command letter and a blank, or a line "S"), then
// the header (tbaMUD: with a builders line) and the commands are read, and a
// count that differs from the commands read stops the boot.

#include <cstdint>
#include <cstring>
#include <vector>

#include "analysis/preflight_walk.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

bool counted(std::string_view line, Dialect dialect) {
    const char* const letters = dialect == Dialect::TbaMud ? "MOPGERDTV" : "MOPGERD";
    return (line.size() > 1 && std::strchr(letters, line[0]) && line[1] == ' ') || line == "S";
}

// The lines load_zones counts as commands, by line number.
std::vector<int> counted_lines(std::string_view bytes, Dialect dialect) {
    ServerLines in(bytes, dialect);
    std::vector<int> lines;
    std::string_view line;
    for (int skipped = 0; skipped < 3; ++skipped) in.get_line(line);
    while (in.get_line(line))
        if (counted(line, dialect)) lines.push_back(in.line());
    return lines;
}

// The numbers line; `name` is the line before it, which tbaMUD reads as the
// numbers when the header has no builders line. False after a fatal finding.
bool header_numbers(PreflightWalk& w, std::string_view line, std::string_view name,
                    int name_line, ZoneHeader& header, bool& numbers_on_name) {
    const bool tba = w.dialect() == Dialect::TbaMud;
    int32_t n[4] = {}, levels[2] = {};
    std::string_view flags[4];
    numbers_on_name = false;
    const int fields = scan(line, " %d %d %d %d %s %s %s %s %d %d", n[0], n[1], n[2], n[3],
                            flags[0], flags[1], flags[2], flags[3], levels[0], levels[1]);
    int at = w.in.line();
    if (fields < 4 && tba && scan_numbers(name, n[0], n[1], n[2], n[3]) == 4) {
        w.add(name_line, "builders",
              "no builders line (CircleMUD 3.1's header): the server takes the name line for "
              "the builders and the numbers line for the name, then mends both");
        numbers_on_name = true;
        at = name_line;
    } else if (fields < 4) {
        const bool old_on_name = tba && scan_numbers(name, n[0], n[1], n[2]) == 3;
        const bool old = old_on_name || scan_numbers(line, n[0], n[1], n[2]) == 3;
        return w.fatal(old_on_name ? name_line : at, "numbers line",
                       old ? "a CircleMUD 3.0 header (top, lifespan and reset mode), where the "
                             "server needs bot, top, lifespan and reset mode"
                           : stray(line, "bot, top, lifespan and reset mode"));
    } else if (tba && fields > 4 && fields < 10) {
        w.add(at, "flags", "flags and levels need four flag words and two levels: the server "
                           "reads none of them");
    }
    if (!tba)
        for (int32_t v : {n[0], n[1]})
            if (v > INT16_MAX) w.add(at, "top", "a bot or top above 32767, which the server cannot hold");
    header = {header.number, n[0], n[1], at, true};
    if (n[0] > n[1])
        return w.fatal(at, "bot", "bot " + std::to_string(n[0]) + " is above top " + std::to_string(n[1]));
    return true;
}

// One command line; false after a fatal finding.
bool command_line(PreflightWalk& w, std::string_view line, size_t at, char command) {
    const bool tba = w.dialect() == Dialect::TbaMud;
    // A line of blanks has no letter to read past: `at` is its end.
    if (command == '\0')
        return w.fatal(w.in.line(), "command", "a line of blanks that the server reads as a command");
    const std::string_view rest = line.substr(at + 1);
    int32_t a[4] = {};
    const int needed = std::strchr(tba ? "MOGEPDTV" : "MOEPD", command) ? 4 : 3;
    if (scan_numbers(rest, a[0], a[1], a[2], a[3]) < needed)
        return w.fatal(w.in.line(), "command",
                       "expecting " + std::to_string(needed) + " numbers after '" +
                           std::string(1, command) + "', found " + quoted(line));
    if (tba && command == 'V') {
        size_t pos = 0;
        for (int32_t& v : a) parse_int32(rest, pos, v);
        std::string_view name;
        const bool named = parse_word(rest, pos, name);
        while (pos < rest.size() && is_blank(rest[pos])) ++pos;
        if (!named || pos >= rest.size())
            return w.fatal(w.in.line(), "command",
                           "expecting four numbers, a variable name and a value after 'V', found " +
                               quoted(line));
    }
    return true;
}

}  // namespace

bool walk_later_zone(PreflightWalk& w, ZoneHeader& header) {
    const Dialect dialect = w.dialect();
    const std::vector<int> count = counted_lines(w.in.bytes(), dialect);
    std::string_view line, name;
    if (!w.line(line, "", "'#' and the zone number")) return false;
    int32_t number = 0;
    if (scan(line, "#%d", number) != 1)
        return w.fatal(w.in.line(), "", "expecting '#' and the zone number, found " + quoted(line));
    w.record = "zone #" + std::to_string(number);
    header.number = number;
    if (count.empty())
        return w.fatal(0, "command", "no command lines, not even the 'S' line: the server calls the zone empty");
    if (dialect == Dialect::TbaMud && !w.line(line, "builders", "the builders line")) return false;
    if (!w.line(name, "name", "the zone name")) return false;
    const int name_line = w.in.line();
    if (!w.line(line, "numbers line", "the bot, top, lifespan and reset mode line")) return false;
    bool first_is_command = false;
    if (!header_numbers(w, line, name, name_line, header, first_is_command)) return false;

    int read = 0, first_uncounted = 0;
    std::string why = "read as a command but not counted (the server counts only lines that "
                      "start with a command letter and a blank, or are \"S\")";
    for (;;) {
        if (!first_is_command && !w.line(line, "command", "the 'S' or '$' line that ends the commands"))
            return false;
        first_is_command = false;
        size_t at = 0;
        while (at < line.size() && is_blank(line[at])) ++at;
        const char command = at < line.size() ? line[at] : '\0';
        if (command == '*') continue;
        if (!counted(line, dialect) && !first_uncounted) {
            first_uncounted = w.in.line();
            if (command == '$') why = "a '$' that ends the commands, which the server does not count as the 'S' line";
        }
        if (command == 'S' || command == '$') break;
        if (!command_line(w, line, at, command)) return false;
        ++read;
    }
    if (int(count.size()) == read + 1) return true;
    // Where the two counts part: a line read but not counted, else one
    // counted but never read (after the end of the commands).
    int at = first_uncounted;
    if (!at) {
        for (int counted_at : count)
            if (counted_at > w.in.line()) {
                at = counted_at;
                why = "counted as a command but never read (it follows the end of the commands)";
                break;
            }
    }
    return w.fatal(at, "command",
                   "the server counts " + std::to_string(count.size()) +
                       " command lines with the 'S' and reads " + std::to_string(read + 1) +
                       "; this line is " + why);
}

}  // namespace tarnwick
