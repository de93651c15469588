// Reading and writing every world format, in bytes per second, next to the
// plain cost of reading the same bytes from disk. After the run a table
// shows each loaded format's load time as a multiple of the plain read,
// measured interleaved; with --max-read-ratio=N the program fails when any
// multiple exceeds N.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench_data.h"
#include "read_passes.h"
#include "read_ratio.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

using namespace tarnwick;
using tarnwick::bench::FileSet;

namespace {

void plain_read(benchmark::State& state, const FileSet& set) {
    for (auto _ : state) bench::plain_read_pass(set);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

void plain_lines(benchmark::State& state, const FileSet& set) {
    for (auto _ : state) bench::plain_lines_pass(set);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

// Loads every file into a new, empty World, as opening a project loads
// into tables it has just emptied. Releasing the tables afterwards is not
// reading, so the previous iteration's Worlds go outside the timed part.
void load(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    SilentMessages m;
    std::vector<World> worlds;
    for (auto _ : state) {
        state.PauseTiming();
        worlds.clear();
        worlds.resize(set.paths.size());
        state.ResumeTiming();
        if (!bench::load_pass(f, set, worlds, m)) state.SkipWithError("a file did not load");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

// Loads every file again into the World that holds it already: each load
// first releases the table it replaces, all of it timed.
void reload(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    SilentMessages m;
    std::vector<World> worlds(set.paths.size());
    for (auto _ : state)
        if (!bench::load_pass(f, set, worlds, m)) state.SkipWithError("a file did not load");
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

void parse(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    SilentMessages m;
    for (auto _ : state)
        for (const auto& bytes : set.bytes) {
            World w;
            f.read(w, bytes, {}, m);
            benchmark::DoNotOptimize(w.rooms.data());
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

std::vector<World> loaded(const testkit::WorldFormat& f, const FileSet& set) {
    std::vector<World> worlds(set.paths.size());
    SilentMessages m;
    for (size_t i = 0; i < worlds.size(); ++i) f.load(worlds[i], set.paths[i], {}, m);
    return worlds;
}

void write(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    std::vector<World> worlds = loaded(f, set);
    SilentMessages m;
    size_t written = 0;
    for (auto _ : state)
        for (auto& w : worlds) {
            std::string text = f.text(w, {}, m);
            written += text.size();
            benchmark::DoNotOptimize(text.data());
        }
    state.SetBytesProcessed(int64_t(written));
}

// Through the atomic save: temporary file, flush to disk, rename.
void save(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    std::vector<World> worlds = loaded(f, set);
    SilentMessages m;
    std::string pattern = (std::filesystem::temp_directory_path() / "tarnwick-bench-XXXXXX").string();
    const std::filesystem::path dir = mkdtemp(pattern.data());
    for (auto _ : state)
        for (size_t i = 0; i < worlds.size(); ++i)
            f.save(worlds[i], (dir / ("f" + std::to_string(i) + f.extension)).string(), {}, m);
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
    std::filesystem::remove_all(dir);
}

// Notes which formats' Load benchmarks ran, for the ratio table.
class LoadReporter : public benchmark::ConsoleReporter {
public:
    std::vector<std::string> loaded;  // "source/format"
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs) {
            const std::string name = r.benchmark_name();
            if (!r.error_occurred && name.rfind("Load/", 0) == 0) loaded.push_back(name.substr(5));
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

void register_all() {
    for (const auto& [source, formats] : bench::sources())
        for (const auto& f : testkit::world_formats()) {
            auto it = formats.find(f.name);
            if (it == formats.end()) continue;
            const FileSet* set = &it->second;
            const testkit::WorldFormat* fmt = &f;
            const std::string suffix = "/" + source + "/" + f.name;
            benchmark::RegisterBenchmark(("PlainRead" + suffix).c_str(), [set](benchmark::State& s) { plain_read(s, *set); });
            benchmark::RegisterBenchmark(("PlainLines" + suffix).c_str(), [set](benchmark::State& s) { plain_lines(s, *set); });
            benchmark::RegisterBenchmark(("Load" + suffix).c_str(), [fmt, set](benchmark::State& s) { load(s, *fmt, *set); });
            benchmark::RegisterBenchmark(("Reload" + suffix).c_str(), [fmt, set](benchmark::State& s) { reload(s, *fmt, *set); });
            benchmark::RegisterBenchmark(("Parse" + suffix).c_str(), [fmt, set](benchmark::State& s) { parse(s, *fmt, *set); });
            benchmark::RegisterBenchmark(("Write" + suffix).c_str(), [fmt, set](benchmark::State& s) { write(s, *fmt, *set); });
            benchmark::RegisterBenchmark(("Save" + suffix).c_str(), [fmt, set](benchmark::State& s) { save(s, *fmt, *set); })
                ->Iterations(20);
        }
}

}  // namespace

void register_project_benchmarks();

int main(int argc, char** argv) {
    double max_ratio = 0;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]).rfind("--max-read-ratio=", 0) == 0) {
            max_ratio = std::atof(argv[i] + 17);
            for (int j = i; j < argc - 1; ++j) argv[j] = argv[j + 1];
            --argc;
            --i;
        }
    register_all();
    register_project_benchmarks();
    benchmark::Initialize(&argc, argv);
    LoadReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool within = bench::print_read_ratios(reporter.loaded, max_ratio);
    benchmark::Shutdown();
    return within ? 0 : 1;
}
