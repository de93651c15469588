#include "formats/object_file.h"

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
#include "world/wrap.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

struct ObjectReader {
    TextSource& in;
    Messages& messages;
    Dialect dialect = Dialect::Circle30;
    int indicator = kNoReadError;
    std::vector<RecordHead> heads{};
    size_t end = 0;  // where the line that ended the objects starts
    bool over_capacity = false;

    // A text too long for the server fails the load naming object and
    // field, rather than keeping it cut short.
    bool text(std::string& out, const char* field, int32_t vnum) {
        out = in.read_tilde_string(indicator, messages);
        if (indicator == kNoReadError) return true;
        messages.show(std::string("Error reading ") + field + " of object #" + num(vnum));
        return false;
    }

    // tbaMUD's lines: `type e1..e4 w1..w4 a1..a4` (extra, wear and affect
    // flags, four words each; the one-line form of older files is read as
    // well), four values, `weight cost rent [level [timer]]`.
    bool read_four_word_numbers(obj_record& obj, const std::string& context) {
        std::string_view line;
        size_t at = 0;
        bool ok = in.read_line(line) && parse_int32(line, at, obj.type);
        const size_t flags_at = at;
        MoreFlags affect_more{};
        if (ok && !(parse_flag_words(line, at, obj.extra_flags, obj.extra_more) &&
                    parse_flag_words(line, at, obj.wear_flags, obj.wear_more) &&
                    parse_flag_words(line, at, obj.affect_flags[0], affect_more))) {
            std::string_view extra, wear;
            at = flags_at;
            obj.extra_more = obj.wear_more = affect_more = {};
            ok = parse_word(line, at, extra) && parse_word(line, at, wear);
            obj.extra_flags = flags_from_text(extra);
            obj.wear_flags = flags_from_text(wear);
            obj.affect_flags[0] = 0;
        }
        for (size_t i = 0; i < affect_more.size(); ++i) obj.affect_flags[i + 1] = affect_more[i];
        if (!ok) {
            messages.show("Format error in first numeric line (expecting 13 args), " + context);
            return false;
        }
        if (!in.read_line(line) || scan_numbers(line, obj.values[0], obj.values[1],
                                                obj.values[2], obj.values[3]) != 4) {
            messages.show("Format error in second numeric line (expecting 4 args), " + context);
            return false;
        }
        if (!in.read_line(line) || scan_numbers(line, obj.weight, obj.cost, obj.cost_per_day,
                                                obj.level, obj.timer) < 3) {
            messages.show("Format error in third numeric line (expecting 5 args), " + context);
            return false;
        }
        return true;
    }

    // The three numeric lines; the second may carry a level and material specs.
    bool read_numbers(obj_record& obj, const std::string& context) {
        if (dialect == Dialect::TbaMud) return read_four_word_numbers(obj, context);
        std::string line, extra_flags, wear_flags;
        int got = 0;
        if (in.read_line(line)) got = scan(line, " %d %s %s", obj.type, extra_flags, wear_flags);
        if (got != 3) {
            messages.show("Format error at first numeric line (Expected 3 arguments, got " +
                          num(got) + "), " + context + "\n");
            return false;
        }
        obj.extra_flags = flags_from_text(extra_flags);
        obj.wear_flags = flags_from_text(wear_flags);

        if (!in.read_line(line)) {
            messages.show("Format error, " + context);
            return false;
        }
        int32_t level = 0, material = -1, durability = -1, initial = -1;
        got = scan(line, "%d %d %d %d %d %d %d %d", obj.values[0], obj.values[1], obj.values[2],
                   obj.values[3], level, material, durability, initial);
        if (got != 4 && got != 5 && got != 8) {
            messages.show("Format Error at second numeric line (expected 4,5 or 8 args, got " +
                          num(got) + "), " + context);
            return false;
        }
        obj.has_level = got >= 5;
        obj.level = obj.has_level ? level : 0;
        obj.has_mat_specs = got == 8;
        obj.material = obj.has_mat_specs ? material : -1;
        obj.durability = obj.has_mat_specs ? durability : -1;
        obj.initial_durability = obj.has_mat_specs ? initial : -1;

        got = 0;
        if (in.read_line(line)) got = scan(line, "%d %d %d", obj.weight, obj.cost, obj.cost_per_day);
        if (got != 3) {
            messages.show("Format error at third numeric line (expected 3 args, got " +
                          num(got) + "), " + context + "\n");
            return false;
        }
        return true;
    }

    // One record; on success `line` holds the '#' or '$' line that ended it.
    bool read_object(obj_record& obj, int32_t vnum, std::string& line) {
        std::string context = "objeto #" + num(vnum);
        obj.vnum = vnum;
        if (!text(obj.alias, "alias", vnum)) return false;
        if (obj.alias.empty()) {
            messages.show("Sin nombre de objeto o error de formato (cerca de " + context + ")");
            return false;
        }
        if (!text(obj.short_description, "short description", vnum) ||
            !text(obj.long_description, "long description", vnum) ||
            !text(obj.action_description, "action description", vnum) ||
            !read_numbers(obj, context))
            return false;

        context += ", after numeric constants (expecting E/A/#xxx)";
        int affects = 0;
        for (;;) {
            if (!in.read_line(line)) {
                messages.show("Format error in " + context + "\n");
                return false;
            }
            switch (line[0]) {
            case '#':
            case '$':
                return true;
            case 'A': {
                if (affects >= kObjectAffectSlots) {
                    messages.show("Too many A fields (" + num(kObjectAffectSlots) +
                                  " max), " + context + "\n");
                    return false;
                }
                // A missing or short numbers line leaves what could not be read at zero.
                obj_affect& slot = obj.affects[affects++];
                std::string numbers;
                if (in.read_line(numbers)) scan(numbers, " %d %d ", slot.location, slot.modifier);
                break;
            }
            case 'T':
                if (dialect == Dialect::TbaMud) {
                    int32_t trigger = 0;
                    if (!parse_trigger_line(line, trigger)) {
                        messages.show("Format error in trigger line of object #" +
                                      num(vnum));
                        return false;
                    }
                    obj.triggers.push_back(trigger);
                    break;
                }
                messages.show(in.unexpected_line(line, "E, A, #vnum or $"));
                return false;
            case 'E': {
                extra_descr_data extra;
                if (!text(extra.keywords, "extra description keywords", vnum) ||
                    !text(extra.description, "extra description", vnum))
                    return false;
                obj.extra_descs.push_back(std::move(extra));
                break;
            }
            default:
                // A stray line after a record would otherwise end the file
                // here or be taken for part of the record.
                messages.show(in.unexpected_line(line, "E, A, #vnum or $"));
                return false;
            }
        }
    }

    // The record loop; false on any failure (its message already shown).
    bool read_all(World& world) {
        int32_t last = -1;
        std::string line;
        if (!in.read_line(line)) {
            messages.show("Format error after obj #" + num(last));
            end = in.data().size();
            return false;
        }
        // A stray line before the first record is refused, as the server does.
        if (line[0] != '#' && line[0] != '$') {
            messages.show(in.unexpected_line(line, "#vnum or $"));
            return false;
        }
        for (;;) {
            end = in.line_start();
            if (line[0] == '$') return true;
            int32_t vnum = 0;
            if (scan(line, "#%d", vnum) != 1) {
                messages.show("Format error after obj #" + num(last) + "\n");
                return false;
            }
            if (vnum >= 99999) return true;
            last = vnum;
            heads.push_back({vnum, in.line_start()});
            if (world.object_count() >= kObjectCapacity) {
                over_capacity = true;
                messages.show("This file holds more than " + std::to_string(kObjectCapacity) +
                              " objects, the most a zone can hold. Nothing was loaded.");
                return false;
            }
            obj_record obj;
            if (!read_object(obj, vnum, line)) return false;
            world.objects.push_back(std::move(obj));
        }
    }
};

bool read_objects_from(World& world, TextSource& in, const std::string& path,
                       const FormatSettings& settings, Messages& messages) {
    in.set_text_rules(world.dialect);
    world.clear_objects();
    const int records = in.count_record_lines();
    world.captions.objects = std::to_string(records) + " Registros.";
    if (records == 0) {
        messages.show("There is no objects in this file.");
        world.kept.objects =
            keep_records<obj_record>(in, path, {}, {}, first_end_line(in.data()),
                                     true, 0);
        return true;
    }
    ReadReport report(messages);
    ObjectReader reader{in, report.held(), world.dialect};
    reader.heads.reserve(size_t(records));
    const bool complete = reader.read_all(world);
    if (!complete && reader.over_capacity) {
        report.pass_on();
        messages.show("An error has ocurred while reading objects file!");
        world.clear_objects();
        world.captions.objects.clear();
        return false;
    }
    const int unread =
        complete ? 0 : damaged(report, in, reader, world.object_count(), "objects");
    if (complete) report.pass_on();
    if (settings.keep_sources)
        world.kept.objects = keep_records(in, path, world.objects, reader.heads, reader.end,
                                          complete, unread);
    report_duplicate_vnums(std::move(reader.heads), in, "objects", messages);
    // The caption counts the records read: a description line may start
    // with '#' too.
    world.captions.objects = std::to_string(world.object_count()) + " Registros.";
    world.sort_objects();
    if (settings.column_check) wrap_object_descriptions(world, settings.columns);
    if (settings.column_check && world.kept.objects) {
        // Wrapping at load is the builder's preference, not a change to save.
        auto kept = std::make_shared<KeptFile<obj_record>>(*world.kept.objects);
        for (auto& obj : kept->records) {
            const int at = world.find_object(obj.vnum);
            if (at >= 0) obj = world.objects[size_t(at)];
        }
        world.kept.objects = kept;
    }
    return complete;
}

}  // namespace

bool read_objects(World& world, const std::string& text, const FormatSettings& settings,
                  Messages& messages) {
    TextSource in(text);
    world.kept.objects.reset();
    return read_objects_from(world, in, "", settings, messages);
}

bool load_object_file(World& world, const std::string& path, const FormatSettings& settings,
                      Messages& messages) {
    TextSource file;
    world.kept.objects.reset();
    if (!file.open(path)) {
        world.clear_objects();
        world.captions.objects.clear();
        return false;
    }
    return read_objects_from(world, file, path, settings, messages);
}

namespace {

// The numbers, triggers, extra descriptions and affects of a tbaMUD object,
// in the order its own writer puts them.
void write_four_word_object(const obj_record& obj, std::string& out) {
    out += num(obj.type) + " ";
    write_flag_words(out, obj.extra_flags, obj.extra_more, FlagForm::Letters);
    out += ' ';
    write_flag_words(out, obj.wear_flags, obj.wear_more, FlagForm::Letters);
    out += ' ';
    write_flag_words(out, obj.affect_flags[0],
                     {obj.affect_flags[1], obj.affect_flags[2], obj.affect_flags[3]},
                     FlagForm::Letters);
    out += "\n" + num(obj.values[0]) + " " + num(obj.values[1]) + " " +
           num(obj.values[2]) + " " + num(obj.values[3]) + "\n";
    out += num(obj.weight) + " " + num(obj.cost) + " " + num(obj.cost_per_day) +
           " " + num(obj.level) + " " + num(obj.timer) + "\n";
    write_trigger_lines(out, obj.triggers);
    for (const auto& extra : obj.extra_descs)
        out += "E\n" + extra.keywords + "~\n" + extra.description + "~\n";
    for (const auto& affect : obj.affects)
        if (affect.location > 0)
            out += "A\n" + num(affect.location) + " " + num(affect.modifier) + "\n";
}

}  // namespace

void write_object_record(const World& world, int index, const FormatSettings& settings,
                         std::string& out, Messages& messages, bool& warned) {
    const obj_record& obj = world.objects.at(index);
    out += "#" + num(obj.vnum) + "\n";
    out += obj.alias + "~\n";
    out += obj.short_description + "~\n";
    out += obj.long_description + "~\n";
    out += obj.action_description + "~\n";

    if (world.dialect == Dialect::TbaMud) {
        write_four_word_object(obj, out);
        return;
    }
    out += num(obj.type) + " ";
    if (settings.alpha_bitvectors) {
        flags_to_text(out, obj.extra_flags);
        flags_to_text(out, obj.wear_flags);
    } else {
        flags_to_number(out, obj.extra_flags);
        out += ' ';
        flags_to_number(out, obj.wear_flags);
    }
    out += "\n";

    out += num(obj.values[0]) + " " + num(obj.values[1]) + " " +
           num(obj.values[2]) + " " + num(obj.values[3]);
    if (settings.save_obj_levels) {
        out += " " + num(obj.level);
        if (settings.save_mat_specs) {
            if (!obj.has_mat_specs && !warned) {
                messages.show(
                    "Warning! Object with no material specifications has been encountered.\n"
                    "Default values will be applied.");
                warned = true;
            }
            out += " " + num(obj.material) + " " + num(obj.durability) + " " +
                   num(obj.initial_durability);
        }
    }
    out += "\n" + num(obj.weight) + " " + num(obj.cost) + " " +
           num(obj.cost_per_day) + "\n";

    for (const auto& extra : obj.extra_descs)
        out += "E\n" + extra.keywords + "~\n" + extra.description + "~\n";
    for (const auto& affect : obj.affects)
        if (affect.location > 0)
            out += "A\n" + num(affect.location) + " " + num(affect.modifier) + "\n";
}

WrittenFile<obj_record> object_file_output(const World& world, const FormatSettings& settings,
                                           Messages& messages) {
    bool warned = false;
    const RecordFileStyle style{
        [&](std::string& out) {
            // tbaMUD's files start with their first record, as its writer saves them.
            if (world.dialect != Dialect::TbaMud)
                write_banner(out, settings.zone_name, settings.author);
        },
        world.dialect == Dialect::TbaMud ? "$~\n" : "$\n"};
    return write_records(world.objects, world.kept.objects.get(), settings.house_style, style,
                         [&](int i, std::string& out) {
                             write_object_record(world, i, settings, out, messages, warned);
                         });
}

std::string object_file_text(const World& world, const FormatSettings& settings,
                             Messages& messages) {
    return object_file_output(world, settings, messages).bytes;
}

bool save_object_file(World& world, const std::string& path, const FormatSettings& settings,
                      Messages& messages) {
    // The material warning is held back until the file is in place: a save
    // that fails shows only its failure.
    if (!object_texts_fit(world, messages)) return false;
    MessageRecorder warnings;
    auto written = object_file_output(world, settings, warnings);
    if (!save_kept_file(path, written, world.kept.objects.get(),
                        "Error while opening file - " + path, messages))
        return false;
    world.kept.objects = std::move(written.kept);
    for (const auto& entry : warnings.entries) messages.show(entry.text);
    return true;
}

int renumber_objects(World& world, int base) {
    for (int i = 0; i < world.object_count(); ++i) world.objects[i].vnum = base + i;
    return world.object_count();
}

}  // namespace tarnwick
