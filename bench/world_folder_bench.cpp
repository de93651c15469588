// A server's world folder as the editor meets it: the zone table of Open
// World Folder, and one zone opened with the rest of the folder read for
// names, as the editor's background read does it.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench_data.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "world/messages.h"

namespace tarnwick {
namespace {

// The 3.0 corpus, or the world folder TARNWICK_BENCH_WORLD names (the
// tbaMUD-sized world of bench/tbamud_world.sh); the zone opened is 30.
std::string corpus_world() {
    if (const char* world = std::getenv("TARNWICK_BENCH_WORLD")) return world;
    return (bench::corpus_dir() / "circle30").string();
}

void ListCorpusZones(benchmark::State& state) {
    const std::string dir = corpus_world();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no corpus");
        return;
    }
    size_t zones = 0;
    for (auto _ : state) zones = list_world_zones(dir).size();
    state.counters["zones"] = double(zones);
}
BENCHMARK(ListCorpusZones)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void OpenZoneWithRest(benchmark::State& state) {
    const std::string dir = corpus_world();
    if (!is_world_folder(dir)) {
        state.SkipWithError("no corpus");
        return;
    }
    SilentMessages messages;
    // The zone table is on the screen when the builder picks a zone (its
    // time is ListCorpusZones): timed is the pick to the names resolved.
    const WorldZone zone = *find_world_zone(list_world_zones(dir), 30);
    for (auto _ : state) {
        World world;
        AreaProject project;
        Preferences preferences;
        ProjectSession session{world, project, preferences, messages};
        session.open_world_zone(project_for_zone(zone));
        // What the editor's background read does, then hands to the window.
        const OtherZonesRead read = *session.other_zones_read();
        session.install_other_zones(read.generation, read_other_zones(read.folder, read.open_zone));
        benchmark::DoNotOptimize(world.room_name_of(3100));
    }
}
// The folder is read on every core: CPU time is the whole process's.
BENCHMARK(OpenZoneWithRest)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace
}  // namespace tarnwick
