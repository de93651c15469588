// Find in zone and Go to vnum over a zone at full capacity: a word in every
// room's description (thousands of hits), a word in one record only, a
// whole-word search, and a vnum.

#include <benchmark/benchmark.h>

#include "analysis/find.h"
#include "full_zone.h"

using namespace tarnwick;

namespace {

const World& zone() {
    static const World w = bench::full_zone();
    return w;
}

void FindFullZone(benchmark::State& state, std::string query, FindOptions options) {
    size_t hits = 0;
    for (auto _ : state) {
        auto found = find_in_zone(zone(), query, options);
        hits = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["hits"] = double(hits);
}
BENCHMARK_CAPTURE(FindFullZone, common_word, std::string("builder"), FindOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindFullZone, one_record, std::string("number 777."), FindOptions{})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindFullZone, whole_word_match_case, std::string("Words"),
                  (FindOptions{true, true}))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FindFullZone, vnum, std::string("20777"), FindOptions{})
    ->Unit(benchmark::kMillisecond);

void GoToVnumFullZone(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(records_with_vnum(zone(), 20499).size());
}
BENCHMARK(GoToVnumFullZone)->Unit(benchmark::kMicrosecond);

}  // namespace
