// Reading the zone file (.zon): the header lines, then one reset command per
// line up to the first S or $ line, which is what the server reads too.

#include "formats/zone_file.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "formats/dialect_sniff.h"
#include "formats/zone_commands.h"
#include "world/bitvector.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// Letters whose lines carry a third argument; tbaMUD gives G one too and
// adds T (and V, whose strings follow).
bool has_third_argument(char letter, Dialect dialect) {
    switch (letter) {
    case 'M': case 'O': case 'E': case 'P': case 'D':
        return true;
    case 'G': case 'T': case 'V':
        return dialect == Dialect::TbaMud;
    default:
        return false;
    }
}

// A V command's name and value: a word, then the rest of the line up to a
// tab or line break (blanks included), as the server reads them.
bool read_variable(std::string_view rest, zCommand& command) {
    size_t pos = 0;
    int32_t skip = 0;
    for (int i = 0; i < 4; ++i)
        if (!parse_int32(rest, pos, skip)) return false;
    std::string_view name;
    if (!parse_word(rest, pos, name)) return false;
    while (pos < rest.size() && is_blank(rest[pos])) ++pos;
    size_t end = rest.find_first_of("\f\n\r\t\v", pos);
    if (end == std::string_view::npos) end = rest.size();
    if (end == pos) return false;
    command.var_name = std::string(name.substr(0, 79));
    command.var_value = std::string(rest.substr(pos, std::min<size_t>(end - pos, 79)));
    return true;
}

struct ZoneReader {
    TextSource& in;
    Messages& messages;
    zone_header& zone;
    int line_no = 0;  // physical lines consumed so far, banner and comments included
    Dialect dialect = Dialect::Circle30;
    // Where each part lies in the source, for keeping the file.
    size_t header_start = 0, header_end = 0, tail_start = 0;
    std::vector<ByteSpan> leads{}, lines{};

    // Next line that is neither empty nor a comment; false at end of file.
    bool next(std::string& line) {
        int n = in.read_line(line);
        line_no += n;
        return n > 0;
    }

    static std::string before_tilde(const std::string& line) {
        const size_t tilde = line.find('~');
        return tilde == std::string::npos ? line : line.substr(0, tilde);
    }

    bool read_header() {
        std::string line;
        next(line);
        header_start = in.line_start();
        if (scan(line, "#%d", zone.zone_number) != 1) {
            messages.show("Format error in zone, line " + std::to_string(line_no) + "\n");
            return false;
        }
        if (!next(line)) {
            messages.show("Format error in zone, line " + std::to_string(line_no + 1) + "\n");
            return false;
        }
        zone.name = before_tilde(line);
        if (!next(line)) {
            messages.show("Format error in 3-constant line of " + zone.name);
            return false;
        }
        dialect = header_dialect(line);
        if (dialect == Dialect::TbaMud) return read_builders_header(line);
        const bool ok = dialect == Dialect::Circle31
                            ? scan(line, " %d %d %d %d ", zone.bot, zone.top, zone.lifespan,
                                   zone.reset_mode) == 4
                            : scan(line, " %d %d %d ", zone.top, zone.lifespan,
                                   zone.reset_mode) == 3;
        if (!ok) {
            messages.show("Format error in 3-constant line of " + zone.name);
            return false;
        }
        header_end = in.position();
        return true;
    }

    // tbaMUD: the line read as the name was the builders line; then the
    // name, then `bot top lifespan reset_mode`, optionally followed by four
    // words of zone flags and the level range.
    bool read_builders_header(const std::string& name_line) {
        zone.builders = zone.name;
        zone.name = before_tilde(name_line);
        std::string line;
        std::string f1, f2, f3, f4;
        if (!next(line) || scan(line, " %d %d %d %d ", zone.bot, zone.top, zone.lifespan,
                                zone.reset_mode) != 4) {
            // Most likely a damaged numbers line of a zone without builders.
            messages.show("Format error in 3-constant line of " + zone.builders);
            return false;
        }
        zone.has_flags_line = scan(line, " %d %d %d %d %s %s %s %s %d %d", zone.bot, zone.top,
                                   zone.lifespan, zone.reset_mode, f1, f2, f3, f4,
                                   zone.min_level, zone.max_level) == 10;
        if (zone.has_flags_line) {
            zone.flags = {flags_from_text(f1), flags_from_text(f2), flags_from_text(f3),
                          flags_from_text(f4)};
        } else {
            zone.min_level = zone.max_level = -1;
        }
        header_end = in.position();
        return true;
    }

    bool read_commands() {
        std::string line;
        size_t lead_start = header_end;
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
                tail_start = lead_start;
                return true;
            }
            zCommand command;
            command.command = letter;
            int32_t if_flag = 0;
            const std::string_view rest = p < line.size() ? std::string_view(line).substr(p + 1) : "";
            const bool ok =
                (letter != 'V' || dialect != Dialect::TbaMud || read_variable(rest, command)) &&
                (has_third_argument(letter, dialect)
                     ? scan_numbers(rest, if_flag, command.arg1, command.arg2, command.arg3) == 4
                     : scan_numbers(rest, if_flag, command.arg1, command.arg2) == 3);
            if (!ok) {
                messages.show("Format error in " + zone.name + ", line " +
                              std::to_string(line_no) + ": '" + line + "'\n");
                return false;
            }
            command.if_flag = if_flag != 0;
            command.line = line_no;
            append_command(zone.commands, command);
            leads.push_back({lead_start, in.line_start()});
            lines.push_back({in.line_start(), in.position()});
            lead_start = in.position();
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
    f.top = world.zone.top;
    f.lifespan = world.zone.lifespan;
    f.reset_mode = world.zone.reset_mode;
    f.bot = world.zone.bot;
    f.builders = world.zone.builders;
    f.flags = world.zone.flags;
    f.min_level = world.zone.min_level;
    f.max_level = world.zone.max_level;
    return f;
}

void commit_zone_header(World& world, const ZoneHeaderFields& fields) {
    zone_header& zone = world.zone;
    zone.zone_number = fields.zone_number;
    zone.name = fields.name;
    zone.lifespan = fields.lifespan;
    zone.reset_mode = fields.reset_mode;
    zone.top = fields.top;
    if (fields.bot) zone.bot = *fields.bot;
    if (fields.builders) zone.builders = *fields.builders;
    if (fields.flags) zone.flags = *fields.flags;
    if (fields.min_level) zone.min_level = *fields.min_level;
    if (fields.max_level) zone.max_level = *fields.max_level;
}

namespace {

// The file as read, its positions moved into the file's own bytes.
std::shared_ptr<KeptZoneFile> keep_zone(const TextSource& in, std::string path,
                                        const ZoneReader& reader, const zone_header& zone) {
    auto kept = std::make_shared<KeptZoneFile>();
    const auto at = [&](size_t offset) { return in.raw_offset(offset); };
    const auto span = [&](ByteSpan s) { return ByteSpan{at(s.begin), at(s.end)}; };
    kept->path = std::move(path);
    kept->bytes = in.raw();
    kept->before_header = {0, at(reader.header_start)};
    kept->header = {at(reader.header_start), at(reader.header_end)};
    kept->head = zone_head_values(zone);
    for (const zCommand& c : zone.commands)
        if (c.command != 'S') kept->commands.push_back(c);
    for (ByteSpan s : reader.leads) kept->leads.push_back(span(s));
    for (ByteSpan s : reader.lines) kept->lines.push_back(span(s));
    kept->tail = {at(reader.tail_start), kept->bytes.size()};
    return kept;
}

bool read_zone_from(World& world, TextSource& in, const std::string& path, Messages& messages,
                    bool keep_source = true) {
    // The file replaces the commands; the numbers it fails to reach stay.
    world.clear_zone_header();
    world.kept.zone.reset();
    if (!has_lines(in.data())) {
        messages.show("Zone file is empty.");
        return false;
    }
    ZoneReader reader{in, messages, world.zone};
    if (!reader.read_header() || !reader.read_commands()) {
        world.clear_zone_header();
        return false;
    }
    if (keep_source) world.kept.zone = keep_zone(in, path, reader, world.zone);
    world.dialect = reader.dialect;
    return true;
}

}  // namespace

bool read_zone(World& world, const std::string& text, Messages& messages) {
    TextSource in(text);
    return read_zone_from(world, in, "", messages);
}

bool read_zone_for_reference(World& world, const std::string& text, Messages& messages) {
    TextSource in(text);
    return read_zone_from(world, in, "", messages, false);
}

bool load_zone_file(World& world, const std::string& path, Messages& messages) {
    TextSource file;
    if (!file.open(path)) return false;  // the header stays as it was
    return read_zone_from(world, file, path, messages);
}

}  // namespace tarnwick
