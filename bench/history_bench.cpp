// The undo history on a zone at full capacity (1,000 rooms, 1,500 mobs, 500
// objects, 500 shops, 3,000 commands): recording one edit, undoing and
// redoing a step among 500, and the memory those 500 steps hold.

#include <benchmark/benchmark.h>

#include "editors/history.h"
#include "project/renumber.h"
#include "world/messages.h"
#include "world/world.h"
#include "full_zone.h"

using namespace tarnwick;

namespace {

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
    World w = bench::full_zone();
    History h(w);
    int i = 0;
    for (auto _ : state) {
        edit(w, i++);
        h.record("edit " + std::to_string(i));  // labels differ: no merging
    }
}
BENCHMARK(HistoryRecordEdit)->Unit(benchmark::kMicrosecond);

void HistoryUndoRedo500(benchmark::State& state) {
    World w = bench::full_zone();
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
    World w = bench::full_zone();
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
