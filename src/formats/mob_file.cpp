#include "formats/mob_file.h"

#include "formats/dialect_lines.h"
#include "formats/kept_records.h"
#include "formats/read_report.h"
#include "formats/record_heads.h"
#include "formats/save_file.h"
#include "formats/saved_texts.h"
#include "world/banner.h"
#include "world/bitvector.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

// Message texts are Windows-1252 bytes like every other text of the core.

struct MobReader {
    TextSource& in;
    Messages& messages;
    Dialect dialect = Dialect::Circle30;
    int indicator = kNoReadError;
    std::vector<RecordHead> heads{};
    size_t end = 0;  // where the line that ended the mobiles starts
    bool over_capacity = false;

    // A text too long for the server fails the load naming mob and field,
    // rather than keeping it cut short.
    bool text(std::string& out, const char* field, int32_t vnum) {
        out = in.read_tilde_string(indicator, messages);
        if (indicator == kNoReadError) return true;
        messages.show(std::string("Error reading ") + field + " of mob #" + num(vnum));
        return false;
    }

    bool unexpected_end(int32_t vnum) {
        messages.show("Unexpected end of file reached after mob #" + num(vnum) + "\n");
        return false;
    }

    // Level, THAC0, armour, dice; gold and experience; positions and sex.
    bool read_simple_block(char_data& mob, int32_t vnum) {
        std::string line;
        if (!in.read_line(line) ||
            scan(line, " %d %d %d %dd%d+%d %dd%d+%d ", mob.level, mob.thaco, mob.ac, mob.hit_dices,
                 mob.hit_sides, mob.hit_add, mob.bhd_dices, mob.bhd_sides, mob.bhd_add) != 9) {
            messages.show("Format error in mob #" + num(vnum) +
                          ", first line after S flag\n...expecting line of form "
                          "'# # # #d#+# #d#+#'\n");
            return false;
        }
        // Gold and experience: a line with fewer values keeps zeros.
        if (!in.read_line(line)) return unexpected_end(vnum);
        scan(line, " %d %d ", mob.gold, mob.exp);
        int32_t extra = 0;
        if (!in.read_line(line) ||
            scan(line, " %d %d %d %d ", mob.load_pos, mob.default_pos, mob.sex, extra) != 3) {
            messages.show("Format error in mob #" + num(vnum) +
                          ", second line after S flag\n...expecting line of form '# # #'\n");
            return false;
        }
        return true;
    }

    // "name: value" lines up to a line holding only E, kept in file order.
    bool read_especs(char_data& mob, int32_t vnum) {
        std::string line;
        for (;;) {
            if (!in.read_line(line)) return unexpected_end(vnum);
            if (line == "E") return true;
            if (line[0] == '#') {
                messages.show("Secci\xf3n E no terminada en mob #" + num(vnum) + "\n");
                return false;
            }
            extra_descr_data spec;
            const size_t colon = line.find(':');
            spec.keywords = line.substr(0, colon);
            if (colon != std::string::npos) {
                size_t start = colon + 1;
                while (start < line.size() && is_blank(line[start])) ++start;
                spec.description = line.substr(start);
            }
            mob.especs.push_back(std::move(spec));
        }
    }

    // tbaMUD's `a1 a2 a3 a4 f1 f2 f3 f4 alignment type`: four words of
    // action flags, four of affects.
    bool read_flag_words_line(char_data& mob, std::string_view line, char& type) {
        size_t at = 0;
        std::string_view letter;
        if (!parse_flag_words(line, at, mob.action_flags, mob.action_more) ||
            !parse_flag_words(line, at, mob.affect_flags, mob.affect_more) ||
            !parse_int32(line, at, mob.align) || !parse_word(line, at, letter)) {
            mob.action_more = mob.affect_more = {};
            return false;
        }
        type = letter[0];
        return true;
    }

    bool read_mob(char_data& mob, int32_t vnum) {
        if (!text(mob.alias, "alias", vnum) || !text(mob.short_name, "short description", vnum) ||
            !text(mob.long_name, "long description", vnum))
            return false;
        const size_t line_end = mob.long_name.find_first_of("\r\n");
        if (line_end != std::string::npos) mob.long_name.resize(line_end);
        if (!text(mob.descr, "description", vnum)) return false;

        std::string line;
        char type = 0;
        if (!in.read_line(line)) return unexpected_end(vnum);
        if (dialect != Dialect::TbaMud || !read_flag_words_line(mob, line, type)) {
            std::string actions, affects;
            scan(line, "%s %s %d %c", actions, affects, mob.align, type);
            mob.action_flags = flags_from_text(actions);
            mob.affect_flags = flags_from_text(affects);
        }
        if (type != 'S' && type != 'E') {
            messages.show("Tipo de mob no v\xe1lido ( mob " + num(vnum) + ")");
            return false;
        }
        mob.enhanced = type == 'E';
        if (!read_simple_block(mob, vnum)) return false;
        if (mob.enhanced && !read_especs(mob, vnum)) return false;
        if (dialect == Dialect::TbaMud && !read_trigger_lines(in, mob.triggers)) {
            messages.show("Format error in trigger line of mob #" + num(vnum));
            return false;
        }
        mob.vnum = vnum;
        return true;
    }

    // The record loop; false on any failure (its message already shown).
    bool read_all(World& world) {
        int32_t last = -1;
        std::string line;
        for (;;) {
            if (!in.read_line(line)) {
                messages.show("(1) Format error after mob #" + num(last) + "\n");
                end = in.data().size();
                return false;
            }
            end = in.line_start();
            if (line[0] == '$') return true;
            // Anything else between records is refused, as the server does:
            // read on, it would start a mob under the previous vnum.
            if (line[0] != '#') {
                messages.show(in.unexpected_line(line, "#vnum or $"));
                return false;
            }
            int32_t vnum = 0;
            if (scan(line, "#%d", vnum) != 1) {
                messages.show("Format error after mob #" + num(last) + "\n");
                return false;
            }
            if (vnum >= 99999) return true;
            last = vnum;
            heads.push_back({vnum, in.line_start()});
            if (world.mob_count() >= kMobCapacity) {
                over_capacity = true;
                messages.show("This file holds more than " + std::to_string(kMobCapacity) +
                              " mobiles, the most a zone can hold. Nothing was loaded.");
                return false;
            }
            char_data mob;
            if (!read_mob(mob, last)) return false;
            world.mobs.push_back(std::move(mob));
        }
    }
};

bool read_mobs_from(World& world, TextSource& in, const std::string& path, bool keep,
                    Messages& messages) {
    in.set_text_rules(world.dialect);
    world.clear_mobs();
    const int records = in.count_record_lines();
    world.captions.mobs = std::to_string(records) + " Registros.";
    if (records == 0) {
        messages.show("No hay mobs en este archivo.");
        world.kept.mobs = keep_records<char_data>(in, path, {}, {}, first_end_line(in.data()),
                                             true, 0);
        return true;
    }
    ReadReport report(messages);
    MobReader reader{in, report.held(), world.dialect};
    reader.heads.reserve(size_t(records));
    const bool complete = reader.read_all(world);
    if (!complete && reader.over_capacity) {
        report.pass_on();
        messages.show("Se ha producido un error al leer Archivo de Mobs!");
        world.clear_mobs();
        world.captions.mobs.clear();
        return false;
    }
    const int unread = complete ? 0 : damaged(report, in, reader, world.mob_count(), "mobiles");
    if (complete) report.pass_on();
    if (keep)
        world.kept.mobs =
            keep_records(in, path, world.mobs, reader.heads, reader.end, complete, unread);
    report_duplicate_vnums(std::move(reader.heads), in, "mobiles", messages);
    // The caption counts the records read: a description line may start
    // with '#' too.
    world.captions.mobs = std::to_string(world.mob_count()) + " Registros.";
    // The mob table keeps file order; it is not sorted.
    return complete;
}

}  // namespace

bool read_mobs(World& world, const std::string& text, const FormatSettings& settings,
               Messages& messages) {
    TextSource in(text);
    world.kept.mobs.reset();
    return read_mobs_from(world, in, "", settings.keep_sources, messages);
}

bool load_mob_file(World& world, const std::string& path, const FormatSettings& settings,
                   Messages& messages) {
    TextSource file;
    world.kept.mobs.reset();
    if (!file.open(path)) {
        world.clear_mobs();
        world.captions.mobs.clear();
        messages.show("Se ha producido un error al abrir el archivo.");
        return false;
    }
    return read_mobs_from(world, file, path, settings.keep_sources, messages);
}

void write_mob_record(const World& world, int index, const FormatSettings& settings,
                      std::string& out) {
    const char_data& mob = world.mobs.at(index);
    out += "#" + num(mob.vnum) + "\n";
    out += mob.alias + "~\n";
    out += mob.short_name + "~\n";
    out += mob.long_name + "\n~\n";
    out += mob.descr + "~\n";
    if (world.dialect == Dialect::TbaMud) {
        write_flag_words(out, mob.action_flags, mob.action_more);
        out += ' ';
        write_flag_words(out, mob.affect_flags, mob.affect_more);
        out += ' ';
    } else if (settings.alpha_bitvectors) {
        flags_to_text(out, mob.action_flags);
        flags_to_text(out, mob.affect_flags);
    } else {
        flags_to_number(out, mob.action_flags);
        out += ' ';
        flags_to_number(out, mob.affect_flags);
        out += ' ';
    }
    out += num(mob.align) + " " + (mob.enhanced ? "E" : "S") + "\n";
    out += num(mob.level) + " " + num(mob.thaco) + " " + num(mob.ac) + " " +
           num(mob.hit_dices) + "d" + num(mob.hit_sides) + "+" +
           num(mob.hit_add) + " " + num(mob.bhd_dices) + "d" +
           num(mob.bhd_sides) + "+" + num(mob.bhd_add) + "\n";
    out += num(mob.gold) + " " + num(mob.exp) + "\n";
    out += num(mob.load_pos) + " " + num(mob.default_pos) + " " + num(mob.sex) +
           "\n";
    if (mob.enhanced) {
        for (const auto& spec : mob.especs) out += spec.keywords + ": " + spec.description + "\n";
        out += "E\n";
    }
    if (world.dialect == Dialect::TbaMud) write_trigger_lines(out, mob.triggers);
}

WrittenFile<char_data> mob_file_output(const World& world, const FormatSettings& settings) {
    const RecordFileStyle style{
        [&](std::string& out) {
            // tbaMUD's files start with their first record, as its writer saves them.
            if (world.dialect != Dialect::TbaMud)
                write_banner(out, settings.zone_name, settings.author);
        },
        "$\n"};  // tbaMUD's own writer ends its mobiles with "$" too
    return write_records(world.mobs, world.kept.mobs.get(), settings.house_style, style,
                         [&](int i, std::string& out) { write_mob_record(world, i, settings, out); });
}

std::string mob_file_text(const World& world, const FormatSettings& settings) {
    return mob_file_output(world, settings).bytes;
}

bool save_mob_file(World& world, const std::string& path, const FormatSettings& settings,
                   Messages& messages) {
    if (!mob_texts_fit(world, messages)) return false;
    auto written = mob_file_output(world, settings);
    if (!save_kept_file(path, written, world.kept.mobs.get(), "Error al abrir archivo " + path,
                        messages))
        return false;
    world.kept.mobs = std::move(written.kept);
    return true;
}

int renumber_mobs(World& world, int base) {
    for (int i = 0; i < world.mob_count(); ++i) world.mobs[i].vnum = base + i;
    return world.mob_count();
}

}  // namespace tarnwick
