#include "editors/record_list_ops.h"
#include "project/zone_top.h"

#include <algorithm>

#include "analysis/references.h"
#include "editors/record_editor.h"
#include "editors/record_lines.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "world/trigger_types.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

room_data default_room(int32_t vnum) {
    room_data r;
    r.vnum = vnum;
    r.name = "An empty room";
    r.description = "You are standing in an empty room.\n";
    return r;
}

char_data default_mob(int32_t vnum) {
    char_data m;
    m.vnum = vnum;
    m.alias = "dummy mob";
    m.short_name = "A dummy mob";
    m.long_name = "A dummy mob is standing here.";
    m.descr = "Here you can put your extra description...\n";
    m.ac = 10;
    m.level = 1;
    m.hit_dices = 1, m.hit_sides = 8, m.hit_add = 1;
    m.bhd_dices = 1, m.bhd_sides = 6, m.bhd_add = 1;
    m.gold = 10;
    m.exp = 20;
    m.load_pos = 8;
    m.default_pos = 8;
    return m;
}

obj_record default_object(int32_t vnum, Language language) {
    obj_record o;
    o.vnum = vnum;
    o.alias = in_language(language, "cosa");
    o.short_description = "a thing";
    o.long_description = "A little thing called nothing lies here";
    o.type = 12;
    o.material = 0, o.durability = 0, o.initial_durability = 0;
    return o;
}

// A new trigger as tbaMUD's own trigger editor makes one (dg_olc.c).
trig_data default_trigger(int32_t vnum) {
    trig_data t;
    t.vnum = vnum;
    t.name = "new trigger";
    t.attach_type = kAttachMobile;
    t.trigger_types = 1 << 6;  // Greet
    t.narg = 100;
    t.script = "%echo% This trigger commandlist is not complete!\n";
    return t;
}

int32_t vnum_at(const World& w, ListKind kind, int i) {
    switch (kind) {
    case ListKind::Room: return w.rooms[i].vnum;
    case ListKind::Mob: return w.mobs[i].vnum;
    case ListKind::Object: return w.objects[i].vnum;
    case ListKind::Shop: return w.shops[i].vnum;
    case ListKind::Trigger: return w.triggers[size_t(i)].vnum;
    }
    return 0;
}

// Where record `old_index` went after record `removed` was taken out: the
// last record moved into the hole, then the rest was stably sorted by vnum.
int index_after_remove(const std::vector<int32_t>& vnums, int removed, int old_index) {
    std::vector<int> order;  // old indexes in slot order before the sort
    for (int i = 0; i < int(vnums.size()); ++i) order.push_back(i);
    int last = int(vnums.size()) - 1;
    if (removed != last) order[removed] = last;
    order.pop_back();
    if (removed != last)
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return vnums[a] < vnums[b]; });
    auto it = std::find(order.begin(), order.end(), old_index);
    return it == order.end() ? -1 : int(it - order.begin());
}

const char* add_refusal(ListKind kind) {
    switch (kind) {
    case ListKind::Room: return "Maximum number of rooms reached";
    case ListKind::Mob: return "Maximum mobs reached!\nWhy more, you wildman??";
    case ListKind::Object: return "Maximum number of objects reached";
    case ListKind::Shop: return "Maximum number of shops reached";
    case ListKind::Trigger: return "Maximum number of triggers reached";
    }
    return "";
}

}  // namespace

std::string records_title(int count) { return std::to_string(count) + " Records."; }

int record_limit(ListKind kind) {
    switch (kind) {
    case ListKind::Room: return kRoomCapacity - 1;
    case ListKind::Mob: return kMobCapacity - 1;
    case ListKind::Object: return kObjectCapacity - 1;
    case ListKind::Shop: return kShopCapacity - 1;
    case ListKind::Trigger: return kTriggerCapacity - 1;
    }
    return 0;
}

int record_count(const World& w, ListKind kind) {
    switch (kind) {
    case ListKind::Room: return w.room_count();
    case ListKind::Mob: return w.mob_count();
    case ListKind::Object: return w.object_count();
    case ListKind::Shop: return w.shop_count();
    case ListKind::Trigger: return w.trigger_count();
    }
    return 0;
}

std::string list_line(const World& w, ListKind kind, int i) {
    switch (kind) {
    case ListKind::Room: return room_line(w, i);
    case ListKind::Mob: return mob_line(w, i);
    case ListKind::Object: return object_line(w, i);
    case ListKind::Shop: return shop_line(w, i);
    case ListKind::Trigger: return trigger_line(w, i);
    }
    return {};
}

// The server finds a trigger by a binary search of its file's order: a new
// trigger taking a free vnum below the last goes into its place. Answers the
// index of the trigger that was at `index`.
static int sorted_trigger(World& w, int index) {
    const int32_t vnum = w.triggers[size_t(index)].vnum;
    w.sort_triggers();
    return w.find_trigger_index(vnum);
}

static bool takes_triggers(const World& w, Messages& messages) {
    if (w.dialect == Dialect::TbaMud) return true;
    messages.show("Only a tbaMUD zone has triggers: this zone's server reads no trigger file.");
    return false;
}

int add_record(World& w, ListKind kind, Messages& messages, RecordEditor* editor) {
    if (kind == ListKind::Trigger && !takes_triggers(w, messages)) return -1;
    if (record_count(w, kind) >= record_limit(kind)) {
        messages.show(add_refusal(kind));
        return -1;
    }
    // Appending moves no record, so the editor's record keeps its index.
    if (editor) editor->apply_pending();
    switch (kind) {
    case ListKind::Room:
        w.rooms.push_back(default_room(w.next_room_vnum()));
        raise_zone_top(w, w.rooms.back().vnum);
        break;
    case ListKind::Mob: w.mobs.push_back(default_mob(w.next_mob_vnum())); break;
    case ListKind::Object: w.objects.push_back(default_object(w.next_object_vnum(), w.language)); break;
    case ListKind::Shop: w.shops.push_back(new_shop(w)); break;
    case ListKind::Trigger: w.triggers.push_back(default_trigger(w.next_trigger_vnum())); break;
    }
    w.changed = true;
    int index = record_count(w, kind) - 1;
    if (kind == ListKind::Trigger) index = sorted_trigger(w, index);
    if (editor) editor->select_record(index);
    return index;
}

int clone_record(World& w, ListKind kind, int selected, Messages& messages, RecordEditor* editor) {
    if (kind != ListKind::Room && kind != ListKind::Mob && kind != ListKind::Trigger) return -1;
    if (selected < 0 || selected >= record_count(w, kind)) return -1;
    if (record_count(w, kind) >= record_limit(kind)) {
        messages.show(kind == ListKind::Room  ? "Maximum numer of rooms reached."
                      : kind == ListKind::Mob ? "Maximum number of mobs reached"
                                              : add_refusal(kind));
        return -1;
    }
    if (editor) editor->apply_pending();
    if (kind == ListKind::Trigger) {
        trig_data t = w.triggers[size_t(selected)];
        t.vnum = w.next_trigger_vnum();
        w.triggers.push_back(std::move(t));
        const int index = sorted_trigger(w, w.trigger_count() - 1);
        w.changed = true;
        if (editor) editor->select_record(index);
        return index;
    } else if (kind == ListKind::Room) {
        const room_data& src = w.rooms[selected];
        room_data r;
        r.vnum = w.next_room_vnum();
        r.name = src.name;
        r.description = src.description;
        r.flags = src.flags;
        r.sector = src.sector;
        w.rooms.push_back(std::move(r));
        raise_zone_top(w, w.rooms.back().vnum);
    } else {
        char_data m = w.mobs[selected];
        m.vnum = w.next_mob_vnum();
        m.thaco = 0;
        m.sex = 0;
        m.especs.clear();
        w.mobs.push_back(std::move(m));
    }
    w.changed = true;
    int index = record_count(w, kind) - 1;
    if (editor) editor->select_record(index);
    return index;
}

bool confirm_removal(const World& w, ListKind kind, int selected, Messages& messages) {
    if (kind == ListKind::Shop || selected < 0 || selected >= record_count(w, kind)) return true;
    const RecordKind record = kind == ListKind::Room      ? RecordKind::Room
                              : kind == ListKind::Mob     ? RecordKind::Mob
                              : kind == ListKind::Trigger ? RecordKind::Trigger
                                                          : RecordKind::Object;
    const int32_t vnum = vnum_at(w, kind, selected);
    const std::string question = removal_question(record, vnum, references_to(w, record, vnum));
    return question.empty() || messages.ask(question) == Answer::Yes;
}

bool remove_record(World& w, ListKind kind, int selected, RecordEditor* editor) {
    if (selected < 0 || selected >= record_count(w, kind)) return false;
    int shown = editor ? editor->current_index() : -1;
    if (editor) {
        // The editor's index goes stale when the table moves: settle the
        // edits, then detach it so nothing is applied through the old index.
        if (shown != selected) editor->apply_pending();
        editor->discard_pending();
    }
    std::vector<int32_t> vnums;
    for (int i = 0; i < record_count(w, kind); ++i) vnums.push_back(vnum_at(w, kind, i));
    switch (kind) {
    case ListKind::Room: w.remove_room(selected); break;
    case ListKind::Mob: w.remove_mob(selected); break;
    case ListKind::Object: w.remove_object(selected); break;
    case ListKind::Shop: w.remove_shop(selected); break;
    case ListKind::Trigger: w.remove_trigger(selected); break;
    }
    int follow = shown >= 0 && shown != selected ? index_after_remove(vnums, selected, shown) : -1;
    w.changed = true;
    if (editor) editor->select_record(follow);
    return true;
}

std::string record_source(const World& w, ListKind kind, int index, const FormatSettings& settings,
                          Messages& messages, bool& warned) {
    std::string out;
    if (index < 0 || index >= record_count(w, kind)) return out;
    switch (kind) {
    case ListKind::Room: write_room_record(w, index, settings, out); break;
    case ListKind::Mob: write_mob_record(w, index, settings, out); break;
    case ListKind::Object: write_object_record(w, index, settings, out, messages, warned); break;
    case ListKind::Shop: break;
    case ListKind::Trigger: write_trigger_record(w.triggers[size_t(index)], out); break;
    }
    return out;
}

}  // namespace tarnwick
