#include "editors/room_editor.h"

#include "editors/typed_text.h"
#include "world/flag_layout.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

RoomEditor::RoomEditor(World& world, ListsByDialect lists, Messages& messages)
    : world_(world), lists_(lists), messages_(messages) {}

const LookupLists& RoomEditor::lists() const { return lists_.of(world_.dialect); }

bool RoomEditor::has_room() const { return current_ >= 0 && current_ < world_.room_count(); }

room_data* RoomEditor::room() { return has_room() ? &world_.rooms[size_t(current_)] : nullptr; }

void RoomEditor::show_room(int index) {
    if (has_room() && auto_apply && modified) apply();
    current_ = index >= 0 && index < world_.room_count() ? index : -1;
    form = RoomForm{};
    form.flags.assign(lists().room_flags.size(), false);
    if (room_data* r = room()) {
        form.vnum = std::to_string(r->vnum);
        form.name = r->name;
        form.description = r->description;
        int sectors = int(lists().sector_types.size());
        form.sector = r->sector >= 0 && r->sector < sectors ? r->sector : -1;
        form.flags = flag_checks(lists().room_flags.size(), r->flags, world_.dialect);
        form.flags_more = r->flags_more;
        form.triggers.load(r->triggers);
        form.enabled = true;
        refresh_lists();
    }
    modified = false;
}

bool RoomEditor::apply() {
    room_data* r = room();
    if (!r) return false;
    // A text too long to be saved stays in the form, still pending; the
    // other fields are stored.
    bool fits = store_text(r->name, form.name, "Room name", TextKind::one_line, messages_);
    fits = store_text(r->description, form.description, "Room description",
                      TextKind::description, messages_) &&
           fits;
    r->sector = form.sector;
    r->flags = flags_from_checks(form.flags, world_.dialect, 0);
    r->flags_more = form.flags_more;
    form.triggers.apply(r->triggers);
    modified = !fits;
    return true;
}

void RoomEditor::discard() {
    modified = false;
    show_room(-1);
}

void RoomEditor::table_changed() {
    if (current_ < 0) return;
    int32_t vnum = 0;
    int found = to_int32(form.vnum, vnum) ? world_.find_room(vnum) : -1;
    if (found < 0) {
        modified = false;
        show_room(-1);
        return;
    }
    current_ = found;
    refresh_lists();
}

void RoomEditor::refresh_names() {
    for (ExitLine& line : form.exits) {
        int32_t vnum = -1;
        if (to_int32(line.vnum, vnum)) line.name = world_.room_name_of(vnum);
    }
}

void RoomEditor::refresh_lists() {
    form.exits.clear();
    form.extras.clear();
    form.chosen_extra = -1;
    form.extra_text.clear();
    room_data* r = room();
    if (!r) return;
    for (int d = 0; d < kDirectionCount; ++d) {
        const auto& exit = r->exits[size_t(d)];
        if (!exit) continue;
        form.exits.push_back(ExitLine{d, kDirectionCaptions[size_t(d)], std::to_string(exit->target_vnum),
                                      world_.room_name_of(exit->target_vnum)});
    }
    form.extras = extra_desc_lines(r->extra_descs);
}

bool RoomEditor::can_add_exit(int direction) {
    room_data* r = room();
    if (!r || direction < 0 || direction >= direction_count(world_.dialect)) return false;
    if (r->exits[size_t(direction)]) {
        messages_.show("Existing exit. Must be modified with Edit");
        return false;
    }
    return true;
}

bool RoomEditor::add_exit(int direction, const ExitForm& dialog) {
    if (!can_add_exit(direction)) return false;
    room_direction_data exit;
    if (!take_exit_texts(exit, dialog, messages_)) {
        refresh_lists();
        return false;
    }
    if (!fill_exit(exit, dialog)) {
        messages_.show("Room VNUM must be greater than zero.");
        refresh_lists();
        return false;
    }
    room_data* r = room();
    r->exits.slot(size_t(direction)) = exit;
    const int32_t here = r->vnum;
    int target = world_.find_room(exit.target_vnum);
    if (target >= 0 && messages_.ask("Existing room. Do you want to make this exit simmetric?") ==
                           Answer::Yes) {
        auto& back = world_.rooms[size_t(target)].exits.slot(size_t(reverse_direction(direction)));
        if (!back) back.emplace();
        back->target_vnum = here;
    }
    refresh_lists();
    return true;
}

int RoomEditor::line_direction(int line) const {
    if (line < 0 || size_t(line) >= form.exits.size()) return -1;
    return direction_of_caption(form.exits[size_t(line)].caption);
}

std::optional<ExitForm> RoomEditor::edit_exit_form(int line) {
    int d = line_direction(line);
    if (d < 0) return std::nullopt;
    room_data* r = room();
    if (!r) {
        messages_.show("Error Extra\xF1o!!!!");
        return std::nullopt;
    }
    if (!r->exits[size_t(d)]) return std::nullopt;
    return exit_form_of(world_, *r->exits[size_t(d)]);
}

bool RoomEditor::finish_edit_exit(int line, const ExitForm& dialog) {
    int d = line_direction(line);
    room_data* r = room();
    if (d < 0 || !r || !r->exits[size_t(d)]) return false;
    auto& exit = r->exits.slot(size_t(d));
    if (!take_exit_texts(*exit, dialog, messages_)) {
        refresh_lists();
        return false;
    }
    if (!fill_exit(*exit, dialog)) {
        messages_.show("Room VNUM must be greater than zero.");
        exit.reset();
    }
    refresh_lists();
    return true;
}

bool RoomEditor::remove_exit(int line) {
    int d = line_direction(line);
    if (d < 0) return false;
    room_data* r = room();
    if (!r) {
        messages_.show("Unexpected Error - Redit, line 331\nCould you reproduce this error and let me know?");
        return false;
    }
    bool had = r->exits[size_t(d)].has_value();
    r->exits.clear(size_t(d));
    refresh_lists();
    return had;
}

int RoomEditor::exit_target(int line) {
    int d = line_direction(line);
    if (d < 0) return -1;
    room_data* r = room();
    if (!r) {
        messages_.show("Unexpected Error - Redit, line 161\nCould you reproduce this error and let me know?");
        return -1;
    }
    int target = r->exits[size_t(d)] ? world_.find_room(r->exits[size_t(d)]->target_vnum) : -1;
    if (target < 0) messages_.show("Unable to load room.");
    return target;
}

std::string add_memo_line(const std::string& text, const std::string& line) {
    if (text.empty()) return line + "\n";
    if (text.back() == '\n') return text + line + "\n";
    return text + "\n" + line + "\n";
}

namespace {
const OtherRecord* other_zone_room(const World& world, int32_t vnum) {
    return world.other_zones ? world.other_zones->room(vnum) : nullptr;
}
// What a player sees of a room: its name alone, without the zone the editor
// adds to the names of other zones' rooms.
std::string seen_name(const World& world, int32_t vnum) {
    return world.room_name_of(vnum, World::OtherZoneName::Plain);
}
}  // namespace

std::string exit_description_sentence(const World& world, const room_data& room,
                                      Messages& messages) {
    int n = 0;
    for (const auto& exit : room.exits)
        if (exit) ++n;
    if (n == 0) return {};
    if (n == 1) {
        for (int d = 0; d < kDirectionCount; ++d) {
            const auto& exit = room.exits[size_t(d)];
            if (!exit) continue;
            if (world.find_room(exit->target_vnum) < 0 && !other_zone_room(world, exit->target_vnum)) {
                messages.show("Exit to undefined room, cannot insert exit.");
                return {};
            }
            return std::string("  Your only exit is to ") + kDirectionPhrases[size_t(d)] +
                   ", where you see " + seen_name(world, exit->target_vnum) + ".";
        }
    }
    std::string out = "Hacia ";
    int k = 0;
    for (int d = 0; d < kDirectionCount; ++d) {
        const auto& exit = room.exits[size_t(d)];
        if (!exit) continue;
        ++k;
        out += std::string(kDirectionPhrases[size_t(d)]) + " see " + seen_name(world, exit->target_vnum);
        out += k < n - 1 ? ", to " : k == n - 1 ? " and to " : ".";
    }
    return out;
}

void RoomEditor::insert_exit_descriptions() {
    room_data* r = room();
    if (!r) return;
    std::string sentence = exit_description_sentence(world_, *r, messages_);
    if (sentence.empty()) return;
    form.description = add_memo_line(form.description, sentence);
    modified = true;
}

void RoomEditor::choose_extra(int index) {
    room_data* r = room();
    if (!r || index < 0 || size_t(index) >= r->extra_descs.size()) return;
    form.chosen_extra = index;
    form.extra_text = extra_desc_text(r->extra_descs, index);
}

bool RoomEditor::add_extra(const ExtraDescForm& dialog) {
    room_data* r = room();
    if (!r || !add_extra_desc(r->extra_descs, dialog, messages_)) return false;
    refresh_lists();
    return true;
}

std::optional<ExtraDescForm> RoomEditor::extra_form() const {
    if (current_ < 0 || current_ >= world_.room_count()) return std::nullopt;
    const room_data& r = world_.rooms[size_t(current_)];
    if (form.chosen_extra < 0 || size_t(form.chosen_extra) >= r.extra_descs.size()) return std::nullopt;
    return extra_desc_form_of(r.extra_descs[size_t(form.chosen_extra)]);
}

bool RoomEditor::modify_extra(const ExtraDescForm& dialog) {
    room_data* r = room();
    if (!r || !modify_extra_desc(r->extra_descs, form.chosen_extra, dialog, messages_)) return false;
    refresh_lists();
    return true;
}

bool RoomEditor::remove_extra() {
    room_data* r = room();
    if (!r || !remove_extra_desc(r->extra_descs, form.chosen_extra)) return false;
    refresh_lists();
    return true;
}

}  // namespace tarnwick
