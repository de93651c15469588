// The undo history on a zone at full capacity (1,000 rooms, 1,500 mobs, 500
// objects, 500 shops, 3,000 commands): recording one edit, undoing and
// redoing a step among 500, and the memory those 500 steps hold.

#include <benchmark/benchmark.h>

#include "editors/history.h"
#include "project/renumber.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace {

std::string text(int n, int i) {
    std::string t;
    while (int(t.size()) < n) t += "Words of a builder's description, number " + std::to_string(i) + ". ";
    return t.substr(0, size_t(n));
}

World full_zone() {
    World w;
    for (int i = 0; i < kRoomCapacity; ++i) {
        room_data r;
        r.vnum = 42000 + i;
        r.name = "Room " + std::to_string(i);
        r.description = text(400, i);
        r.extra_descs.push_back({"sign", text(120, i)});
        r.exits[North] = room_direction_data{text(60, i), "door", 1, -1, 42000 + (i + 1) % 1000};
        w.rooms.push_back(std::move(r));
    }
    for (int i = 0; i < kMobCapacity; ++i) {
        char_data m;
        m.vnum = 42000 + i;
        m.alias = "mob guard";
        m.short_name = "a guard " + std::to_string(i);
        m.long_name = "A guard stands here.";
        m.descr = text(300, i);
        w.mobs.push_back(std::move(m));
    }
    for (int i = 0; i < kObjectCapacity; ++i) {
        obj_record o;
        o.vnum = 42000 + i;
        o.alias = "sword";
        o.short_description = "a sword " + std::to_string(i);
        o.long_description = "A sword lies here.";
        o.extra_descs.push_back({"blade", text(150, i)});
        w.objects.push_back(std::move(o));
    }
    for (int i = 0; i < kShopCapacity; ++i) {
        shop_data s;
        s.vnum = 42000 + i;
        s.products = {42000, 42001, 42002};
        s.rooms = {42000 + i};
        s.msg_buy_missing = "%s I have none of that.";
        s.msg_bought = "%s That costs %d.";
        w.shops.push_back(std::move(s));
    }
    for (int i = 0; i < 3000; ++i) {
        zCommand c;
        c.command = "MOGEDP"[i % 6];
        c.arg1 = i;
        c.arg2 = 42000 + i % 500;
        w.zone.commands.push_back(c);
    }
    return w;
}

// One edit of a record spread over the tables, as a builder's edits are.
void edit(World& w, int i) {
    switch (i % 4) {
    case 0: w.rooms[size_t(i * 7 % kRoomCapacity)].name += "x"; break;
    case 1: w.mobs[size_t(i * 11 % kMobCapacity)].level = i; break;
    case 2: w.objects[size_t(i * 13 % kObjectCapacity)].cost = i; break;
    case 3: std::next(w.zone.commands.begin(), i * 17 % 3000)->arg3 = i; break;
    }
}

void HistoryRecordEdit(benchmark::State& state) {
    World w = full_zone();
    History h(w);
    int i = 0;
    for (auto _ : state) {
        edit(w, i++);
        h.record("edit " + std::to_string(i));  // labels differ: no merging
    }
}
BENCHMARK(HistoryRecordEdit)->Unit(benchmark::kMicrosecond);

void HistoryUndoRedo500(benchmark::State& state) {
    World w = full_zone();
    History h(w);
    for (int i = 0; i < 500; ++i) {
        edit(w, i);
        h.record("edit " + std::to_string(i));
    }
    state.counters["steps"] = h.size();
    state.counters["history_MB"] = double(h.bytes()) / (1 << 20);
    for (auto _ : state) {
        h.undo();
        h.redo();
    }
}
BENCHMARK(HistoryUndoRedo500)->Unit(benchmark::kMicrosecond);

// The largest step there is: every record of the zone changed at once.
void HistoryUndoRedoRenumber(benchmark::State& state) {
    World w = full_zone();
    History h(w);
    MessageRecorder yes;  // answers Yes to "more than the 100 numbers of a zone"
    renumber_world(w, 43000, yes);
    h.record("Renumber zone to 430xx");
    state.counters["step_MB"] = double(h.bytes()) / (1 << 20);
    for (auto _ : state) {
        h.undo();
        h.redo();
    }
}
BENCHMARK(HistoryUndoRedoRenumber)->Unit(benchmark::kMillisecond);

}  // namespace
