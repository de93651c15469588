// The preflight check's zone and shop walks, the choice of walk by file
// kind, and the zone top checked against the rooms file.

#include "analysis/preflight.h"

#include <cctype>
#include <cstdint>
#include <cstring>

#include "analysis/preflight_walk.h"
#include "world/scan.h"
#include "world/text_limits.h"

namespace tarnwick {

namespace {

bool walk_zone_file(PreflightWalk& w, ZoneHeader& header) {
    std::string_view line;
    if (!w.line(line, "", "'#' and the zone number")) return false;
    int32_t number = 0;
    if (scan(line, "#%d", number) != 1)
        return w.fatal(w.in.line(), "", "expecting '#' and the zone number, found " + quoted(line));
    w.record = "zone #" + std::to_string(number);
    if (number > INT16_MAX || number < INT16_MIN)
        w.add(w.in.line(), "zone number", "the server holds zone numbers up to 32767");
    if (!w.line(line, "name", "the zone name")) return false;
    if (!w.line(line, "top", "the top, lifespan and reset mode line")) return false;
    int32_t n[4] = {};
    const int count = scan_numbers(line, n[0], n[1], n[2], n[3]);
    if (count < 3)
        return w.fatal(w.in.line(), "top", "expecting top, lifespan and reset mode, found " + quoted(line));
    if (count == 4)
        w.add(w.in.line(), "top",
              "four numbers (bottom, top, lifespan, reset mode: a later server's layout); this "
              "server reads them as top, lifespan and reset mode");
    else if (n[0] > INT16_MAX)
        w.add(w.in.line(), "top", "a top above 32767, which the server cannot hold");
    header = {number, 0, n[0], w.in.line(), true};
    for (;;) {
        if (!w.line(line, "command", "the 'S' or '$' line that ends the commands")) return false;
        size_t at = 0;
        while (at < line.size() && is_blank(line[at])) ++at;
        const char command = at < line.size() ? line[at] : '\0';
        if (command == '*') continue;
        if (command == 'S' || command == '$') return true;
        if (command == '\0')
            return w.fatal(w.in.line(), "command",
                           "a line of blanks that the server reads as a command" +
                               std::string(line.find('\r') != std::string_view::npos
                                               ? " (a lone CR: lines of this file end in CR LF)"
                                               : ""));
        int32_t a[4] = {};
        const int needed = std::strchr("MOEPD", command) ? 4 : 3;
        if (scan_numbers(line.substr(at + 1), a[0], a[1], a[2], a[3]) < needed)
            return w.fatal(w.in.line(), "command",
                           "expecting " + std::to_string(needed) + " numbers after '" +
                               std::string(1, command) + "', found " + quoted(line));
    }
}


// The zone file as the walk's server reads it.
bool walk_any_zone(PreflightWalk& w, ZoneHeader& header) {
    return w.dialect() == Dialect::Circle30 ? walk_zone_file(w, header) : walk_later_zone(w, header);
}

// The rooms file as the walk's server reads it, with its lowest and highest
// room vnums (3.1 reads rooms as 3.0 does).
bool walk_any_rooms(PreflightWalk& w, int& lowest, int& highest) {
    return w.dialect() == Dialect::TbaMud ? walk_tba_rooms(w, lowest, highest)
                                          : walk_rooms(w, lowest, highest);
}

}  // namespace

bool walk_zone(PreflightWalk& w) {
    ZoneHeader header;
    return walk_any_zone(w, header);
}

bool walk_shops(PreflightWalk& w) {
    // Every line of a shop is a text or a number for the server; the line
    // buffer and the "$~" end are what it can refuse.
    std::string_view line;
    while (w.in.raw_line(line)) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kServerMaxLineBytes)
            w.add(w.in.line(), "", "line of " + std::to_string(line.size()) +
                                       " bytes: the server keeps at most " +
                                       std::to_string(kServerMaxLineBytes));
        if (line.size() > 2 && line[0] == '#' && line.back() == '~')
            w.record = "shop " + std::string(line.substr(0, line.size() - 1));
        if (line == "$~") return true;
    }
    return w.fatal(w.in.line(), "", "no \"$~\" line ends the shops");
}

std::optional<WorldFileKind> world_file_kind(std::string_view path) {
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string ext(path.substr(dot + 1));
    for (char& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "wld") return WorldFileKind::rooms;
    if (ext == "mob") return WorldFileKind::mobiles;
    if (ext == "obj") return WorldFileKind::objects;
    if (ext == "zon") return WorldFileKind::zone;
    if (ext == "shp") return WorldFileKind::shops;
    return std::nullopt;
}

std::vector<PreflightFinding> preflight_file(const PreflightInput& input) {
    std::vector<PreflightFinding> out;
    PreflightWalk walk(input, out);
    const bool tba = input.dialect == Dialect::TbaMud;
    int lowest = 0, highest = 0;
    switch (input.kind) {
    case WorldFileKind::rooms: walk_any_rooms(walk, lowest, highest); break;
    case WorldFileKind::mobiles: tba ? walk_tba_mobiles(walk) : walk_mobiles(walk); break;
    case WorldFileKind::objects: tba ? walk_tba_objects(walk) : walk_objects(walk); break;
    case WorldFileKind::zone: walk_zone(walk); break;
    case WorldFileKind::shops: walk_shops(walk); break;
    }
    return out;
}

std::vector<PreflightFinding> preflight_files(std::span<const PreflightInput> inputs) {
    std::vector<PreflightFinding> out;
    const PreflightInput* zone = nullptr;
    const PreflightInput* rooms = nullptr;
    int zones = 0, room_files = 0;
    for (const PreflightInput& input : inputs) {
        auto found = preflight_file(input);
        out.insert(out.end(), found.begin(), found.end());
        if (input.kind == WorldFileKind::zone) zone = &input, ++zones;
        if (input.kind == WorldFileKind::rooms) rooms = &input, ++room_files;
    }
    if (zones != 1 || room_files != 1) return out;
    std::vector<PreflightFinding> ignored;
    PreflightWalk zone_walk(*zone, ignored), room_walk(*rooms, ignored);
    ZoneHeader header;
    int lowest = INT32_MAX, highest = INT32_MIN;
    walk_any_zone(zone_walk, header);
    walk_any_rooms(room_walk, lowest, highest);
    if (!header.read) return out;
    const Dialect dialect = zone->dialect;
    if (dialect != Dialect::Circle30 && lowest < header.bot)
        out.push_back({zone->file, header.top_line, zone_walk.record, "bot",
                       "bot " + std::to_string(header.bot) + " is above room #" +
                           std::to_string(lowest) + " of " + rooms->file +
                           ": the server stops at a room below its zone's bot"});
    if (highest > header.top)
        out.push_back({zone->file, header.top_line, zone_walk.record, "top",
                       "top " + std::to_string(header.top) + " is below room #" +
                           std::to_string(highest) + " of " + rooms->file +
                           (dialect == Dialect::Circle30
                                ? ": the server puts the rooms above the top in no zone, or in the next"
                                : dialect == Dialect::Circle31
                                      ? ": the server puts the rooms above the top in the next "
                                        "zone, and stops when no zone follows"
                                      : ": unless another zone's bot and top hold them, the "
                                        "server stops on the rooms above the top, or crashes "
                                        "on them")});
    return out;
}

std::string describe(const PreflightFinding& f) {
    std::string text = f.file;
    if (f.line > 0) text += " line " + std::to_string(f.line);
    if (!f.record.empty()) text += ", " + f.record;
    if (!f.field.empty()) text += ", " + f.field;
    return text + ": " + f.message;
}

}  // namespace tarnwick
