// The zone checker: a zone at full capacity as the editor checks it, and the
// whole corpus read as a world folder and checked, as `lint WORLD_DIR` does;
// the tbaMUD corpus (63 zones, 548 trigger scripts) checked whole, its
// trigger scripts alone, and read and checked as lint does, to set beside
// the tbaMUD server's boot of the same folder (bench/tbamud_corpus.sh).

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "analysis/checker.h"
#include "analysis/reset_sim.h"
#include "analysis/trigger_script.h"
#include "bench_data.h"
#include "project/world_folder.h"
#include "project/world_lint.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace {

// 1,000 rooms in a ring of doors, 1,500 mobs, 500 objects, 500 shops and
// 3,000 zone commands that load and equip them: every check has work.
World full_zone() {
    World w;
    w.zone.zone_number = 100;
    w.zone.top = 10000 + kRoomCapacity - 1;
    w.zone.name = "Full";
    for (int i = 0; i < kRoomCapacity; ++i) {
        room_data r;
        r.vnum = 10000 + i;
        room_direction_data e;
        e.door = 1;
        e.key_vnum = 10000 + i % kObjectCapacity;
        e.target_vnum = 10000 + (i + 1) % kRoomCapacity;
        r.exits[East] = e;
        e.target_vnum = 10000 + (i + kRoomCapacity - 1) % kRoomCapacity;
        r.exits[West] = e;
        w.rooms.push_back(r);
    }
    for (int i = 0; i < kMobCapacity; ++i) {
        char_data m;
        m.vnum = 10000 + i;
        w.mobs.push_back(m);
    }
    for (int i = 0; i < kObjectCapacity; ++i) {
        obj_record o;
        o.vnum = 10000 + i;
        o.type = i % 2 ? 15 : 5;
        o.wear_flags = 1 | 1 << 13;
        w.objects.push_back(o);
    }
    for (int i = 0; i < kShopCapacity; ++i) {
        shop_data s;
        s.vnum = 10000 + i;
        s.keeper = 10000 + i;
        s.products = {10000 + i % kObjectCapacity};
        s.rooms = {10000 + i};
        s.end1 = 28;
        w.shops.push_back(s);
    }
    auto add = [&w](char c, int32_t a1, int32_t a2, int32_t a3) {
        zCommand z;
        z.command = c;
        z.arg1 = a1;
        z.arg2 = a2;
        z.arg3 = a3;
        w.zone.commands.push_back(z);
    };
    for (int i = 0; i < 1000; ++i) {
        add('M', 10000 + i, 1, 10000 + i);
        add('E', 10000 + (i % 250) * 2, 1, 16);
        add('D', 10000 + i, East, i % 3);
    }
    return w;
}

void CheckFullZone(benchmark::State& state) {
    const World w = full_zone();
    size_t found = 0;
    for (auto _ : state) {
        auto findings = check_zone(w);
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = double(found);
}
BENCHMARK(CheckFullZone)->Unit(benchmark::kMillisecond);

// What `tarnwick-cli lint` does to the corpus read as a world folder, without printing.
void LintCorpus(benchmark::State& state) {
    const std::string dir = (bench::corpus_dir() / "circle30").string();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no corpus");
        return;
    }
    SilentMessages messages;
    size_t found = 0;
    for (auto _ : state) {
        WorldFolder folder;
        std::vector<Finding> findings;
        lint_world_folder(dir, folder, findings, messages);
        found = findings.size();
    }
    state.counters["findings"] = double(found);
}
BENCHMARK(LintCorpus)->Unit(benchmark::kMillisecond);

// Three resets of every zone of the corpus read as a world folder (the read
// is outside the timed part: the editor and the tool hold the world already).
void SimulateCorpus(benchmark::State& state) {
    const std::string dir = (bench::corpus_dir() / "circle30").string();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no corpus");
        return;
    }
    SilentMessages messages;
    WorldFolder folder;
    read_world_folder(dir, folder, messages);
    int mobs = 0;
    for (auto _ : state)
        mobs = simulate_resets(folder.zone_list(), {3, true}).back().population.mobs_in_world();
    state.counters["mobs"] = double(mobs);
}
BENCHMARK(SimulateCorpus)->Unit(benchmark::kMillisecond);

std::string tbamud_corpus() {
    if (const char* env = std::getenv("TARNWICK_SHARED"))
        return (std::filesystem::path(env) / "corpus-tbamud").string();
    return (bench::corpus_dir().parent_path() / "corpus-tbamud").string();
}

// The checker over every zone of the tbaMUD corpus, read before the timing
// (as the editor holds the world): every check, the trigger scripts' too.
void CheckTbaMudCorpus(benchmark::State& state) {
    const std::string dir = tbamud_corpus();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no tbaMUD corpus");
        return;
    }
    SilentMessages messages;
    WorldFolder folder;
    read_world_folder(dir, folder, messages);
    size_t found = 0;
    for (auto _ : state) {
        auto findings = check_zones(folder.zone_list());
        found = findings.size();
        benchmark::DoNotOptimize(findings.data());
    }
    state.counters["findings"] = double(found);
}
BENCHMARK(CheckTbaMudCorpus)->Unit(benchmark::kMillisecond);

// The script check alone over the corpus's 548 triggers.
void CheckTbaMudScripts(benchmark::State& state) {
    const std::string dir = tbamud_corpus();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no tbaMUD corpus");
        return;
    }
    SilentMessages messages;
    WorldFolder folder;
    read_world_folder(dir, folder, messages);
    size_t triggers = 0, issues = 0;
    for (auto _ : state) {
        triggers = issues = 0;
        for (const World& z : folder.zones) {
            const auto words = command_trigger_words(z.triggers);
            for (const trig_data& t : z.triggers) {
                const ScriptReport r = check_script(t, words);
                issues += r.issues.size() + r.references.size();
                ++triggers;
            }
        }
        benchmark::DoNotOptimize(issues);
    }
    state.counters["triggers"] = double(triggers);
}
BENCHMARK(CheckTbaMudScripts)->Unit(benchmark::kMillisecond);

// What `tarnwick-cli lint` does to the tbaMUD corpus, without printing.
void LintTbaMudCorpus(benchmark::State& state) {
    const std::string dir = tbamud_corpus();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no tbaMUD corpus");
        return;
    }
    SilentMessages messages;
    size_t found = 0;
    for (auto _ : state) {
        WorldFolder folder;
        std::vector<Finding> findings;
        lint_world_folder(dir, folder, findings, messages);
        found = findings.size();
    }
    state.counters["findings"] = double(found);
}
BENCHMARK(LintTbaMudCorpus)->Unit(benchmark::kMillisecond);

}  // namespace
