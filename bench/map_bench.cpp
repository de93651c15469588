// Laying out a zone at full room capacity, and drawing its first level.

#include <benchmark/benchmark.h>

#include "analysis/map_layout.h"
#include "analysis/map_picture.h"
#include "bench/map_zone.h"

namespace tarnwick::bench {
namespace {

void MapLayoutFullZone(benchmark::State& state) {
    const World world = full_capacity_zone();
    for (auto _ : state) benchmark::DoNotOptimize(lay_out_zone(world));
    const LayoutQuality q = measure_layout(lay_out_zone(world));
    state.counters["rooms"] = q.rooms;
    state.counters["straight%"] = 100.0 * q.straight_share();
    state.counters["overlapping"] = q.overlapping;
}
BENCHMARK(MapLayoutFullZone)->Name("MapLayout/1000_rooms")->Unit(benchmark::kMillisecond);

void MapPictureFullZone(benchmark::State& state) {
    const World world = full_capacity_zone();
    const MapLayout layout = lay_out_zone(world);
    for (auto _ : state) benchmark::DoNotOptimize(draw_map_level(layout, world, first_level(layout)));
}
BENCHMARK(MapPictureFullZone)->Name("MapPicture/1000_rooms")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick::bench
