// Writing the zone file. Its lines end in LF like every other world file: the
// server (on Unix) reads a blank line holding a lone CR as a command and
// stops. The commands end with a "$~" line and no S line.

#include <cstdio>

#include "formats/save_file.h"
#include "formats/saved_texts.h"
#include "formats/zone_file.h"
#include "formats/zone_kept.h"
#include "formats/zone_layouts.h"
#include "world/banner.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// The longest zone line the server reads whole, without its line break.
constexpr size_t kMaxZoneLineBytes = 254;

// Appends " " and the number right-aligned in five columns (as "%5d"
// writes it), without a formatted print: a whole world is written for every
// check of its texts, and the zone commands are most of its numbers.
void append_field5(std::string& out, int32_t v) {
    char digits[12];
    int n = 0;
    uint32_t magnitude = v < 0 ? 0u - uint32_t(v) : uint32_t(v);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (v < 0) digits[n++] = '-';
    out += ' ';
    if (n < 5) out.append(size_t(5 - n), ' ');
    while (n > 0) out += digits[--n];
}

void write_command(const World& world, const zCommand& c, std::string& out) {
    const size_t line_start = out.size();
    switch (c.command) {
    case 'S':
    case '\0':  // not a command at all; the file has no place for it
        return;
    case 'D': case 'E': case 'M': case 'O': case 'P':
        out += c.command;
        for (int32_t v : {int32_t(c.if_flag), c.arg1, c.arg2, c.arg3}) append_field5(out, v);
        out += '\t';
        break;
    default:
        out += c.command;
        for (int32_t v : {int32_t(c.if_flag), c.arg1, c.arg2}) append_field5(out, v);
        out += "\t\t";
        break;
    }
    // The server reads a zone line into 255 bytes and takes the rest of a
    // longer one for the next command; the comment is cut to fit.
    std::string comment = "* " + one_line(short_description(world, c));
    const size_t used = out.size() - line_start;
    if (used + comment.size() > kMaxZoneLineBytes)
        comment.resize(used < kMaxZoneLineBytes ? kMaxZoneLineBytes - used : 0);
    out += comment + "\n";
}

void write_header_lines(const zone_header& zone, std::string& out) {
    out += "#" + std::to_string(zone.zone_number) + "\n";
    out += one_line(zone.name) + "~\n";
    out += " " + std::to_string(zone.top) + " " + std::to_string(zone.lifespan) + " " +
           std::to_string(zone.reset_mode) + " \n";
}

// The header and command lines of the zone's dialect.
HeaderWriter header_writer(Dialect dialect) {
    switch (dialect) {
    case Dialect::Circle31: return write_bottom_header;
    case Dialect::TbaMud: return write_builders_header;
    case Dialect::Circle30: break;
    }
    return write_header_lines;
}

void write_dialect_command(const World& world, const zCommand& c, std::string& out) {
    if (world.dialect == Dialect::TbaMud) {
        if (c.command != 'S' && c.command != '\0') write_four_number_command(world, c, out);
    } else {
        write_command(world, c, out);
    }
}

// The house style: a banner, the header, every command with its comment.
// The servers that count a zone's command lines against its commands count
// the S line too, so they get one; CircleMUD 3.0 gets "$~" alone, as ever.
WrittenZone write_anew(const World& world, const FormatSettings& settings) {
    WrittenZone w;
    w.kept = std::make_shared<KeptZoneFile>();
    KeptZoneFile& next = *w.kept;
    std::string& out = w.bytes;
    if (world.dialect != Dialect::TbaMud)
        write_banner(out, one_line(settings.zone_name), one_line(settings.author));
    next.before_header = {0, out.size()};
    header_writer(world.dialect)(world.zone, out);
    if (world.dialect == Dialect::Circle30) out += "\n";
    next.header = {next.before_header.end, out.size()};
    for (const zCommand& c : world.zone.commands) {
        if (c.command == 'S' || c.command == '\0') continue;
        const size_t begin = out.size();
        write_dialect_command(world, c, out);
        next.commands.push_back(c);
        next.leads.push_back({begin, begin});
        next.lines.push_back({begin, out.size()});
    }
    next.tail.begin = out.size();
    switch (world.dialect) {
    case Dialect::Circle30: out += "$~\n"; break;
    case Dialect::Circle31: out += "S\n$~\n"; break;
    case Dialect::TbaMud: out += "S\n$\n"; break;
    }
    next.tail.end = out.size();
    return w;
}

}  // namespace

WrittenZone zone_file_output(const World& world, const FormatSettings& settings) {
    const KeptZoneFile* kept = settings.house_style ? nullptr : world.kept.zone.get();
    WrittenZone w = kept ? write_over(world, *kept, [&](const zCommand& c, std::string& out) {
                               write_dialect_command(world, c, out);
                           }, header_writer(world.dialect))
                         : write_anew(world, settings);
    w.kept->path = kept ? kept->path : std::string();
    w.kept->head = zone_head_values(world.zone);
    w.kept->bytes = w.bytes;
    return w;
}

std::string zone_file_text(const World& world, const FormatSettings& settings) {
    return zone_file_output(world, settings).bytes;
}

bool save_zone_file(World& world, const std::string& path, const ZoneHeaderFields& fields,
                    const FormatSettings& settings, Messages& messages) {
    commit_zone_header(world, fields);
    if (!zone_texts_fit(world, messages)) return false;
    WrittenZone written = zone_file_output(world, settings);
    const KeptZoneFile* kept = world.kept.zone.get();
    if (!save_file_if_changed(path, written.bytes, kept ? kept->path : std::string(),
                              kept ? std::string_view(kept->bytes) : std::string_view(),
                              "Imposible abrir zona.", messages))
        return false;
    written.kept->path = path;
    world.kept.zone = std::move(written.kept);
    return true;
}

}  // namespace tarnwick
