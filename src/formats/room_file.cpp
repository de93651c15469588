#include "formats/room_file.h"

#include <algorithm>

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

namespace tarnwick {

namespace {

struct RoomReader {
    TextSource& in;
    Messages& messages;
    Dialect dialect = Dialect::Circle30;
    int indicator = kNoReadError;
    std::vector<RecordHead> heads{};
    size_t end = 0;             // where the line that ended the rooms starts
    bool over_capacity = false;

    void tilde(std::string& out) { out = in.read_tilde_string(indicator, messages); }

    // False when an exit text is too long: it fails the load here, naming
    // this room, rather than at the next check with the next room's number
    // (or never, in the last room).
    bool read_exit(room_data& room, int dir) {
        room_direction_data& exit = room.exits.slot(size_t(dir)).emplace();
        const auto text = [&](std::string& out, const char* field) {
            const int before = indicator;
            indicator = kNoReadError;
            tilde(out);
            if (indicator != kStringTooLong) {
                if (indicator == kNoReadError) indicator = before;
                return true;
            }
            messages.show(std::string("Error reading ") + field + " of exit D" +
                          std::to_string(dir) + " of room #" + std::to_string(room.vnum));
            return false;
        };
        if (!text(exit.exit_description, "description") || !text(exit.keywords, "keywords"))
            return false;
        std::string_view line;
        int32_t door = 0, key = 0, target = 0;
        if (!in.read_line(line) || scan_numbers(line, door, key, target) != 3) {
            messages.show("Format Error, room #" + std::to_string(room.vnum) + ", direction D" +
                          std::to_string(dir));
            indicator = kExitLineError;
            return true;
        }
        // tbaMUD adds hidden doors (3, and 4 pick-proof).
        const int32_t most = dialect == Dialect::TbaMud ? 4 : 2;
        exit.door = (door >= 1 && door <= most) ? door : 0;
        exit.key_vnum = key;
        exit.target_vnum = target;
        return true;
    }

    // `zone flags sector`; tbaMUD writes `zone f1 f2 f3 f4 sector` (and
    // still reads the one-word line).
    bool read_flags_line(room_data& room, std::string_view line) {
        std::string_view flags;
        int32_t zone = 0, sector = 0;
        size_t at = 0;
        if (!parse_int32(line, at, zone)) return false;
        if (dialect == Dialect::TbaMud) {
            size_t four = at;
            if (parse_flag_words(line, four, room.flags, room.flags_more) &&
                parse_int32(line, four, room.sector))
                return true;
            room.flags_more = {};
        }
        if (!parse_word(line, at, flags) || !parse_int32(line, at, sector)) return false;
        room.flags = flags_from_text(flags);
        room.sector = sector;
        return true;
    }

    bool read_room(room_data& room, int32_t vnum) {
        // Messages are built only when shown: this runs for every room.
        auto context = [vnum] { return "room #" + std::to_string(vnum); };
        room.vnum = vnum;
        tilde(room.name);
        if (indicator != kNoReadError) {
            messages.show("Error reading name of " + context());
            return false;
        }
        tilde(room.description);
        if (indicator != kNoReadError) {
            messages.show("Error reading description of " + context());
            return false;
        }
        std::string_view line;
        if (!in.read_line(line) || !read_flags_line(room, line)) {
            messages.show("Format error in room #" + std::to_string(vnum));
            return false;
        }
        const auto section_error = [vnum] {
            return "Format error in room #" + std::to_string(vnum) + " (expecting D/E/S)";
        };
        for (;;) {
            if (!in.read_line(line)) {
                messages.show(section_error());
                return false;
            }
            switch (line[0]) {
            case 'D': {
                size_t pos = 1;
                int32_t dir = 0;
                parse_int32(line, pos, dir);
                // tbaMUD reads the diagonals D6 to D9 too.
                if (dir < 0 || dir >= direction_count(dialect)) {
                    messages.show(section_error());
                    return false;
                }
                if (!read_exit(room, dir)) return false;
                break;
            }
            case 'E': {
                extra_descr_data extra;
                tilde(extra.keywords);
                if (indicator != kNoReadError) {
                    messages.show("Error reading keyword for extra description (#" +
                                  std::to_string(vnum) + ")");
                    return false;
                }
                tilde(extra.description);
                if (indicator != kNoReadError) {
                    messages.show("Error reading extra description - " + std::to_string(vnum));
                    return false;
                }
                room.extra_descs.push_back(std::move(extra));
                break;
            }
            case 'S':
                if (dialect == Dialect::TbaMud && !read_trigger_lines(in, room.triggers)) {
                    messages.show("Format error in trigger line of room #" +
                                  std::to_string(vnum));
                    return false;
                }
                return true;
            default:
                messages.show(section_error());
                return false;
            }
        }
    }

    // The record loop; false on any failure (its message already shown).
    bool read_all(World& world) {
        int32_t last = -1;
        std::string_view line;
        for (;;) {
            if (!in.read_line(line)) {
                messages.show("(1) Format error after room #" + std::to_string(last) + "\n");
                end = in.data().size();
                return false;
            }
            end = in.line_start();
            if (line[0] == '$') return true;
            // Anything else between records is refused, as the server does:
            // read on, it would start a room under the previous vnum.
            int32_t vnum = 0;
            size_t pos = 1;
            if (line[0] != '#' || !parse_int32(line, pos, vnum)) {
                messages.show(in.unexpected_line(line, "#vnum or $"));
                return false;
            }
            if (vnum >= 99999) return true;
            last = vnum;
            heads.push_back({vnum, in.line_start()});
            if (world.room_count() >= kRoomCapacity) {
                over_capacity = true;
                messages.show("This file holds more than " + std::to_string(kRoomCapacity) +
                              " rooms, the most a zone can hold. Nothing was loaded.");
                return false;
            }
            // Read in place: a room is too large to build and then move.
            if (!read_room(world.rooms.emplace_back(), last)) {
                world.rooms.pop_back();  // the damaged room is not kept
                return false;
            }
        }
    }
};

// The load itself, over a source already in text mode. A file damaged in
// the middle keeps the rooms before the damage, and says so once.
bool read_rooms_from(World& world, TextSource& in, const std::string& path,
                     const FormatSettings& settings, Messages& messages) {
    in.set_text_rules(world.dialect);
    const int records = in.count_record_lines();
    world.captions.rooms = std::to_string(records) + " Records.";
    bool complete = true;
    if (records == 0) {
        messages.show("No rooms in this file.");
        const size_t end = first_end_line(in.data());
        world.kept.rooms = keep_records<room_data>(in, path, {}, {}, end, true, 0);
    } else {
        world.rooms.reserve(size_t(std::min(records, kRoomCapacity)));
        ReadReport report(messages);
        RoomReader reader{in, report.held(), world.dialect};
        reader.heads.reserve(size_t(records));
        complete = reader.read_all(world);
        if (!complete && reader.over_capacity) {
            report.pass_on();
            messages.show("An error has ocurred while opening file!");
            world.clear_rooms();
            world.captions.rooms.clear();
            return false;
        }
        const int unread = complete ? 0 : damaged(report, in, reader, world.room_count(), "rooms");
        if (complete) report.pass_on();
        if (settings.keep_sources)
            world.kept.rooms = keep_records(in, path, world.rooms, reader.heads, reader.end,
                                            complete, unread);
        report_duplicate_vnums(std::move(reader.heads), in, "rooms", messages);
        world.sort_rooms();
        // The caption counts the records read: a description line may start
        // with '#' too.
        world.captions.rooms = std::to_string(world.room_count()) + " Records.";
    }
    if (settings.column_check) wrap_room_descriptions(world, settings.columns);
    // Wrapping at load is the builder's preference, not a change to save.
    if (settings.column_check && world.kept.rooms) {
        auto kept = std::make_shared<KeptFile<room_data>>(*world.kept.rooms);
        for (auto& room : kept->records) {
            const int at = world.find_room(room.vnum);
            if (at >= 0) room.description = world.rooms[size_t(at)].description;
        }
        world.kept.rooms = kept;
    }
    return complete;
}

}  // namespace

bool read_rooms(World& world, const std::string& text, const FormatSettings& settings,
                Messages& messages) {
    world.clear_rooms();
    world.captions.rooms.clear();
    world.kept.rooms.reset();
    TextSource in(text);
    return read_rooms_from(world, in, "", settings, messages);
}

bool load_room_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages) {
    TextSource file;
    world.kept.rooms.reset();
    if (!file.open(path)) {
        world.clear_rooms();
        world.captions.rooms.clear();
        return false;
    }
    world.clear_rooms();
    world.captions.rooms.clear();
    return read_rooms_from(world, file, path, settings, messages);
}

namespace {

// Appends the pieces of one line; cheaper than building it with +.
template <class... Parts>
void append(std::string& out, const Parts&... parts) {
    (out.append(parts), ...);
}

}  // namespace

void write_room_record(const World& world, int index, const FormatSettings& settings,
                       std::string& out) {
    const room_data& room = world.rooms.at(index);
    append(out, "#", std::to_string(room.vnum), "\n");
    append(out, room.name, "~\n", room.description, "~\n");
    append(out, std::to_string(world.project_zone_number), " ");
    if (world.dialect == Dialect::TbaMud) {
        write_flag_words(out, room.flags, room.flags_more);
        out += ' ';
    } else if (settings.alpha_bitvectors) {
        flags_to_text(out, room.flags);
    } else {
        flags_to_number(out, room.flags);
        out += ' ';
    }
    append(out, std::to_string(room.sector), "\n");
    // In direction order, the diagonals last, as tbaMUD writes them.
    for (int d = 0; d < kDirectionCount; ++d) {
        const auto& exit = room.exits[size_t(d)];
        if (!exit) continue;
        append(out, "D", std::to_string(d), "\n");
        append(out, exit->exit_description, "~\n", exit->keywords, "~\n");
        append(out, std::to_string(exit->door), " ", std::to_string(exit->key_vnum), " ",
               std::to_string(exit->target_vnum), "\n");
    }
    for (const auto& extra : room.extra_descs) {
        if (extra.keywords.empty() || extra.description.empty()) continue;
        append(out, "E\n", extra.keywords, "~\n", extra.description, "~\n");
    }
    out += "S\n";
    if (world.dialect == Dialect::TbaMud) write_trigger_lines(out, room.triggers);
}

WrittenFile<room_data> room_file_output(const World& world, const FormatSettings& settings) {
    const RecordFileStyle style{
        [&](std::string& out) {
            // tbaMUD's files start with their first record, as its writer saves them.
            if (world.dialect != Dialect::TbaMud)
                write_banner(out, settings.zone_name, settings.author);
        },
        world.dialect == Dialect::TbaMud ? "$~\n" : "$\n"};
    return write_records(world.rooms, world.kept.rooms.get(), settings.house_style, style,
                         [&](int i, std::string& out) { write_room_record(world, i, settings, out); });
}

std::string room_file_text(const World& world, const FormatSettings& settings) {
    return room_file_output(world, settings).bytes;
}

bool save_room_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages) {
    if (!room_texts_fit(world, messages)) return false;
    auto written = room_file_output(world, settings);
    if (!save_kept_file(path, written, world.kept.rooms.get(), "Error al abrir archivo " + path,
                        messages))
        return false;
    world.kept.rooms = std::move(written.kept);
    return true;
}

}  // namespace tarnwick
