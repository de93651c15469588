#include "formats/trigger_file.h"

#include <filesystem>

#include "formats/read_report.h"
#include "formats/record_heads.h"
#include "formats/save_file.h"
#include "world/bitvector.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/world.h"

namespace tarnwick {

namespace {

struct TriggerReader {
    TextSource& in;
    Messages& messages;
    int indicator = kNoReadError;
    std::vector<RecordHead> heads{};
    size_t end = 0;

    bool text(std::string& out, const char* field, int32_t vnum) {
        out = in.read_tilde_string(indicator, messages);
        if (indicator == kNoReadError) return true;
        messages.show(std::string("Error reading ") + field + " of trigger #" +
                      std::to_string(vnum));
        return false;
    }

    bool read_trigger(trig_data& trig) {
        const int32_t vnum = trig.vnum;
        if (!text(trig.name, "name", vnum)) return false;
        std::string_view line;
        std::string_view flags;
        size_t at = 0;
        if (!in.read_line(line) || !parse_int32(line, at, trig.attach_type) ||
            !parse_word(line, at, flags)) {
            messages.show("Format error in trigger #" + std::to_string(vnum) +
                          ": expecting 'attach_type trigger_types numeric_arg'");
            return false;
        }
        trig.trigger_types = flags_from_text(flags);
        if (!parse_int32(line, at, trig.narg)) trig.narg = 0;
        return text(trig.arglist, "argument list", vnum) && text(trig.script, "script", vnum);
    }

    bool read_all(World& world) {
        std::string_view line;
        for (;;) {
            if (!in.read_line(line)) {
                messages.show("Format error: the trigger file does not end with $~");
                end = in.data().size();
                return false;
            }
            end = in.line_start();
            if (line[0] == '$') return true;
            int32_t vnum = 0;
            size_t pos = 1;
            if (line[0] != '#' || !parse_int32(line, pos, vnum)) {
                messages.show(in.unexpected_line(line, "#vnum or $"));
                return false;
            }
            heads.push_back({vnum, in.line_start()});
            trig_data trig;
            trig.vnum = vnum;
            if (!read_trigger(trig)) return false;
            world.triggers.push_back(std::move(trig));
        }
    }
};

bool read_triggers_from(World& world, TextSource& in, const std::string& path,
                        Messages& messages, bool keep = true) {
    world.triggers.clear();
    in.set_text_rules(Dialect::TbaMud);
    ReadReport report(messages);
    TriggerReader reader{in, report.held()};
    const bool complete = reader.read_all(world);
    const int unread = complete ? 0 : damaged(report, in, reader, int(world.triggers.size()),
                                              "triggers");
    if (complete) report.pass_on();
    if (keep)
        world.kept.triggers =
            keep_records(in, path, world.triggers, reader.heads, reader.end, complete, unread);
    report_duplicate_vnums(std::move(reader.heads), in, "triggers", messages);
    return complete;
}

std::string sibling_path(const std::string& zone_path, const char* folder, const char* ext) {
    const std::filesystem::path zone = native_path(zone_path);
    std::filesystem::path dir = zone.parent_path();
    std::filesystem::path name = zone.stem();
    name += ext;
    if (dir.filename() == "zon") return utf8_name(dir.parent_path() / folder / name);
    return utf8_name(dir / name);
}

}  // namespace

void write_trigger_record(const trig_data& trig, std::string& out) {
    out += "#" + std::to_string(trig.vnum) + "\n";
    out += (trig.name.empty() ? std::string("unknown trigger") : trig.name) + "~\n";
    out += std::to_string(trig.attach_type) + " ";
    flags_to_text(out, trig.trigger_types);  // letters and a blank, "0 " for none
    out += std::to_string(trig.narg) + "\n";
    out += trig.arglist + "~\n";
    // The server's writer puts a line break after every script line.
    std::string script = trig.script.empty() ? std::string("* Empty script") : trig.script;
    if (script.back() != '\n') script += '\n';
    out += script + "~\n";
}

bool read_triggers(World& world, const std::string& text, Messages& messages) {
    TextSource in(text);
    world.kept.triggers.reset();
    return read_triggers_from(world, in, "", messages);
}

bool read_triggers_for_reference(World& world, const std::string& path, std::string bytes,
                                 Messages& messages) {
    TextSource in(std::move(bytes));
    in.set_name(std::filesystem::path(path).filename().string());
    world.kept.triggers.reset();
    return read_triggers_from(world, in, path, messages, false);
}

bool load_trigger_file(World& world, const std::string& path, Messages& messages) {
    TextSource file;
    world.kept.triggers.reset();
    world.triggers.clear();
    if (!file.open(path)) return false;
    return read_triggers_from(world, file, path, messages);
}

WrittenFile<trig_data> trigger_file_output(const World& world, const FormatSettings& settings) {
    const RecordFileStyle style{[](std::string&) {}, "$~\n"};
    return write_records(world.triggers, world.kept.triggers.get(), settings.house_style, style,
                         [&](int i, std::string& out) {
                             write_trigger_record(world.triggers[size_t(i)], out);
                         });
}

bool save_trigger_file(World& world, const std::string& path, const FormatSettings& settings,
                       Messages& messages) {
    auto written = trigger_file_output(world, settings);
    if (!save_kept_file(path, written, world.kept.triggers.get(),
                        "Error while opening file - " + path, messages))
        return false;
    written.kept->path = path;
    world.kept.triggers = std::move(written.kept);
    return true;
}

std::string trigger_path_for(const std::string& zone_path) {
    return sibling_path(zone_path, "trg", ".trg");
}

std::string quest_path_for(const std::string& zone_path) {
    return sibling_path(zone_path, "qst", ".qst");
}

}  // namespace tarnwick
