#include "editors/history.h"

#include <algorithm>
#include <iterator>

namespace tarnwick {

namespace {

bool same(const zCommand& a, const zCommand& b) { return a.same_command(b) && a.line == b.line; }
template <class Record>
bool same(const Record& a, const Record& b) {
    return a == b;
}

// The run between the common head and the common tail of two sequences.
template <class Record, class Seq>
TableRun<Record> run_between(const Seq& old_seq, const Seq& new_seq) {
    TableRun<Record> run;
    auto a = old_seq.begin(), b = new_seq.begin();
    int head = 0;
    while (a != old_seq.end() && b != new_seq.end() && same(*a, *b)) ++a, ++b, ++head;
    const int old_left = int(old_seq.size()) - head, new_left = int(new_seq.size()) - head;
    int tail = 0;
    auto ra = old_seq.rbegin(), rb = new_seq.rbegin();
    while (tail < old_left && tail < new_left && same(*ra, *rb)) ++ra, ++rb, ++tail;
    run.start = head;
    run.before.assign(a, std::next(a, old_left - tail));
    run.after.assign(b, std::next(b, new_left - tail));
    return run;
}

// Replaces `from` by `to` at `start` of a table.
template <class Record>
void splice(std::vector<Record>& table, int start, const std::vector<Record>& from,
            const std::vector<Record>& to) {
    auto at = table.begin() + start;
    at = table.erase(at, at + std::ptrdiff_t(from.size()));
    table.insert(at, to.begin(), to.end());
}
void splice(CommandList& list, int start, const std::vector<zCommand>& from,
            const std::vector<zCommand>& to) {
    auto at = std::next(list.begin(), start);
    at = list.erase(at, std::next(at, std::ptrdiff_t(from.size())));
    for (const zCommand& c : to) {
        // The zone tree rebuilds its nodes; an old node address must not survive.
        auto put = list.insert(at, c);
        put->tree_node = nullptr;
    }
}

size_t text_bytes(const std::string& s) { return s.capacity() > 15 ? s.capacity() : 0; }
size_t extras_bytes(const std::vector<extra_descr_data>& v) {
    size_t n = v.capacity() * sizeof(extra_descr_data);
    for (const auto& e : v) n += text_bytes(e.keywords) + text_bytes(e.description);
    return n;
}
size_t record_bytes(const room_data& r) {
    size_t n = sizeof r + text_bytes(r.name) + text_bytes(r.description) + extras_bytes(r.extra_descs);
    // The diagonal slots live beside the room once it has held a diagonal.
    n += (r.exits.size() - kPlainDirectionCount) * sizeof(ExitSlot);
    for (const auto& e : r.exits)
        if (e) n += text_bytes(e->exit_description) + text_bytes(e->keywords);
    return n;
}
size_t record_bytes(const char_data& m) {
    return sizeof m + text_bytes(m.alias) + text_bytes(m.short_name) + text_bytes(m.long_name) +
           text_bytes(m.descr) + extras_bytes(m.especs);
}
size_t record_bytes(const obj_record& o) {
    return sizeof o + text_bytes(o.alias) + text_bytes(o.short_description) +
           text_bytes(o.long_description) + text_bytes(o.action_description) +
           extras_bytes(o.extra_descs);
}
size_t record_bytes(const shop_data& s) {
    size_t n = sizeof s + (s.products.capacity() + s.rooms.capacity()) * sizeof(int32_t) +
               s.buy_types.capacity() * sizeof(shop_buy_data);
    for (const auto& b : s.buy_types) n += text_bytes(b.keywords);
    for (const std::string* t : {&s.msg_buy_missing, &s.msg_sell_missing, &s.msg_not_buying,
                                 &s.msg_shop_broke, &s.msg_player_broke, &s.msg_bought, &s.msg_sold})
        n += text_bytes(*t);
    return n;
}
size_t record_bytes(const trig_data& t) {
    return sizeof t + text_bytes(t.name) + text_bytes(t.arglist) + text_bytes(t.script);
}
size_t record_bytes(const zCommand& c) { return sizeof c; }
template <class Record>
size_t run_bytes(const TableRun<Record>& run) {
    size_t n = 0;
    for (const auto& r : run.before) n += record_bytes(r);
    for (const auto& r : run.after) n += record_bytes(r);
    return n;
}

ZoneValues zone_values(const World& w) {
    return {w.zone.zone_number, w.zone.top,  w.zone.lifespan, w.zone.reset_mode,
            w.project_zone_number, w.zone.name, w.reformat, w.zone.bot,
            w.zone.min_level,  w.zone.max_level, w.zone.builders, w.zone.flags};
}
void set_zone_values(World& w, const ZoneValues& v) {
    w.zone.zone_number = v.zone_number;
    w.zone.top = v.top;
    w.zone.lifespan = v.lifespan;
    w.zone.reset_mode = v.reset_mode;
    w.project_zone_number = v.project_zone_number;
    w.zone.name = v.name;
    w.reformat = v.reformat;
    w.zone.bot = v.bot;
    w.zone.min_level = v.min_level;
    w.zone.max_level = v.max_level;
    w.zone.builders = v.builders;
    w.zone.flags = v.flags;
}
ProjectValues project_values(const AreaProject* p) {
    if (!p) return {};
    return {p->zone_name,   p->author,     p->zone_file, p->room_file,
            p->mob_file,    p->object_file, p->shop_file, p->zone_number};
}
void set_project_values(AreaProject& p, const ProjectValues& v) {
    p.zone_name = v.zone_name;
    p.author = v.author;
    p.zone_file = v.zone_file;
    p.room_file = v.room_file;
    p.mob_file = v.mob_file;
    p.object_file = v.object_file;
    p.shop_file = v.shop_file;
    p.zone_number = v.zone_number;
}

// One record edited in place: the only change of a step that may merge.
bool nothing(const HistoryStep& s) {
    return s.rooms.empty() && s.mobs.empty() && s.objects.empty() && s.shops.empty() &&
           s.triggers.empty() && s.commands.empty() && !s.zone_after && !s.project_after;
}

bool single_edit(const HistoryStep& s, int& table, int& start) {
    int runs = 0;
    auto look = [&](const auto& run, int which) {
        if (run.empty()) return;
        ++runs;
        table = which;
        start = run.start;
        if (run.before.size() != 1 || run.after.size() != 1) runs += 10;
    };
    look(s.rooms, 0);
    look(s.mobs, 1);
    look(s.objects, 2);
    look(s.shops, 3);
    look(s.commands, 4);
    look(s.triggers, 7);
    if (s.zone_after) ++runs, table = 5, start = 0;
    if (s.project_after) ++runs, table = 6, start = 0;
    return runs == 1;
}

}  // namespace

History::History(World& world, AreaProject* project) : world_(world), project_(project) { reset(); }

void History::reset(bool saved) {
    base_ = world_;
    base_project_ = project_values(project_);
    steps_.clear();
    position_ = 0;
    saved_ = saved ? 0 : -1;
    bytes_ = 0;
    merge_open_ = false;
}

HistoryStep History::diff() const {
    HistoryStep s;
    s.rooms = run_between<room_data>(base_.rooms, world_.rooms);
    s.mobs = run_between<char_data>(base_.mobs, world_.mobs);
    s.objects = run_between<obj_record>(base_.objects, world_.objects);
    s.shops = run_between<shop_data>(base_.shops, world_.shops);
    s.triggers = run_between<trig_data>(base_.triggers, world_.triggers);
    s.commands = run_between<zCommand>(base_.zone.commands, world_.zone.commands);
    const ZoneValues zb = zone_values(base_), za = zone_values(world_);
    if (!(zb == za)) s.zone_before = zb, s.zone_after = za;
    const ProjectValues pa = project_values(project_);
    if (!(base_project_ == pa)) s.project_before = base_project_, s.project_after = pa;
    s.bytes = sizeof s + run_bytes(s.rooms) + run_bytes(s.mobs) + run_bytes(s.objects) +
              run_bytes(s.shops) + run_bytes(s.triggers) + run_bytes(s.commands);
    return s;
}

void History::apply(const HistoryStep& s, bool forward, World& w, AreaProject* project) {
    auto go = [&](auto& table, const auto& run) {
        if (run.empty()) return;
        if (forward)
            splice(table, run.start, run.before, run.after);
        else
            splice(table, run.start, run.after, run.before);
    };
    go(w.rooms, s.rooms);
    go(w.mobs, s.mobs);
    go(w.objects, s.objects);
    go(w.shops, s.shops);
    go(w.triggers, s.triggers);
    go(w.zone.commands, s.commands);
    if (s.zone_after) set_zone_values(w, forward ? *s.zone_after : *s.zone_before);
    if (s.project_after && project)
        set_project_values(*project, forward ? *s.project_after : *s.project_before);
}

bool History::record(const std::string& label) {
    HistoryStep s = diff();
    if (nothing(s)) return false;
    s.label = label.empty() ? describe_step(s) : label;
    if (position_ < size()) {
        // A new change after undos: the undone steps can no longer be redone.
        for (int i = position_; i < size(); ++i) bytes_ -= steps_[size_t(i)].bytes;
        steps_.resize(size_t(position_));
        if (saved_ > position_) saved_ = -1;
        merge_open_ = false;
    }
    int table = 0, start = 0, top_table = 0, top_start = 0;
    if (merge_open_ && position_ > 0 && saved_ != position_ && steps_.back().label == s.label &&
        single_edit(s, table, start) && single_edit(steps_.back(), top_table, top_start) &&
        table == top_table && start == top_start) {
        // Same field typed again: the top step grows to cover both changes.
        apply(steps_.back(), false, base_, nullptr);
        if (steps_.back().project_before) base_project_ = *steps_.back().project_before;
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
        --position_;
        s = diff();
        s.label = label.empty() ? describe_step(s) : label;
        if (nothing(s)) {
            // Typed back to what it was: the step disappears.
            base_ = world_;
            base_project_ = project_values(project_);
            return true;
        }
    }
    apply(s, true, base_, nullptr);
    base_project_ = project_values(project_);
    bytes_ += s.bytes;
    steps_.push_back(std::move(s));
    ++position_;
    merge_open_ = true;
    trim();
    return true;
}

void History::trim() {
    int drop = 0;
    size_t bytes = bytes_;
    while (size() - drop > kMaxSteps ||
           (bytes > kByteBudget && size() - drop > kMinSteps && drop < position_))
        bytes -= steps_[size_t(drop++)].bytes;
    if (drop == 0) return;
    steps_.erase(steps_.begin(), steps_.begin() + drop);
    bytes_ = bytes;
    position_ -= drop;
    saved_ = saved_ >= drop ? saved_ - drop : -1;
}

std::string History::undo_label() const {
    return can_undo() ? steps_[size_t(position_ - 1)].label : std::string();
}
std::string History::redo_label() const {
    return can_redo() ? steps_[size_t(position_)].label : std::string();
}

bool History::undo() {
    record();
    if (!can_undo()) return false;
    const HistoryStep& s = steps_[size_t(--position_)];
    apply(s, false, world_, project_);
    apply(s, false, base_, nullptr);
    base_project_ = project_values(project_);
    merge_open_ = false;
    world_.changed = !at_saved();
    return true;
}

bool History::redo() {
    record();
    if (!can_redo()) return false;
    const HistoryStep& s = steps_[size_t(position_++)];
    apply(s, true, world_, project_);
    apply(s, true, base_, nullptr);
    base_project_ = project_values(project_);
    merge_open_ = false;
    world_.changed = !at_saved();
    return true;
}

void History::go_to(int target) {
    record();
    target = std::clamp(target, 0, size());
    while (position_ > target && undo()) {}
    while (position_ < target && redo()) {}
}

void History::mark_saved() {
    // What the save itself set (the zone header it commits, its top vnum) is
    // taken in without a step: it is no builder's change to take back, and a
    // step would cut off the steps that can still be redone.
    base_ = world_;
    base_project_ = project_values(project_);
    saved_ = position_;
    merge_open_ = false;
}

}  // namespace tarnwick
