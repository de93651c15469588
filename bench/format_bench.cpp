// Reading and writing every world format, in bytes per second, next to the
// plain cost of reading the same bytes from disk. After the run a table
// shows each format's load time as a multiple of the plain read; with
// --max-read-ratio=N the program fails when any multiple exceeds N.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "bench_data.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

using namespace tarnwick;
using tarnwick::bench::FileSet;

namespace {

// The fread loop a reader would need at least: open, read, close.
void plain_read(benchmark::State& state, const FileSet& set) {
    for (auto _ : state) {
        for (const auto& path : set.paths) {
            std::FILE* f = std::fopen(path.c_str(), "rb");
            std::string bytes;
            char buffer[65536];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
            std::fclose(f);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

// The same bytes read line by line through stdio, as a text-mode reader
// with a line buffer would.
void plain_lines(benchmark::State& state, const FileSet& set) {
    for (auto _ : state) {
        for (const auto& path : set.paths) {
            std::FILE* f = std::fopen(path.c_str(), "r");
            char line[512];
            size_t lines = 0;
            while (std::fgets(line, sizeof line, f)) ++lines;
            std::fclose(f);
            benchmark::DoNotOptimize(lines);
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

// Loads into one World per file, kept across iterations, as the editor
// loads every file into its one World: each load first empties the table
// it fills.
void load(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    SilentMessages m;
    std::vector<World> worlds(set.paths.size());
    for (auto _ : state)
        for (size_t i = 0; i < worlds.size(); ++i) {
            if (!f.load(worlds[i], set.paths[i], {}, m))
                state.SkipWithError(("cannot load " + set.paths[i]).c_str());
            benchmark::DoNotOptimize(worlds[i].rooms.data());
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(set.total));
}

// The same into a new World every time, its destruction included.
void load_fresh(benchmark::State& state, const testkit::WorldFormat& f, const FileSet& set) {
    SilentMessages m;
    for (auto _ : state)
        for (const auto& path : set.paths) {
            World w;
            if (!f.load(w, path, {}, m)) state.SkipWithError(("cannot load " + path).c_str());
            benchmark::DoNotOptimize(w.rooms.data());
        }
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

// Collects every run's time per iteration for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> seconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const auto& r : runs)
            if (!r.error_occurred && r.run_type == Run::RT_Iteration && r.iterations > 0)
                seconds[r.benchmark_name()] = r.real_accumulated_time / double(r.iterations);
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
            benchmark::RegisterBenchmark(("LoadFresh" + suffix).c_str(), [fmt, set](benchmark::State& s) { load_fresh(s, *fmt, *set); });
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
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    // Loading a file against the plain read of its bytes; "fresh" loads
    // into a new World each time, its destruction included.
    bool too_slow = false;
    std::printf("\n%-16s %11s %11s %11s %7s %7s %11s %7s\n", "source/format", "plain read",
                "plain lines", "load", "x read", "x lines", "load fresh", "x read");
    for (const auto& [name, t] : reporter.seconds) {
        if (name.rfind("Load/", 0) != 0) continue;
        const std::string key = name.substr(5);
        auto plain = reporter.seconds.find("PlainRead/" + key);
        auto lines = reporter.seconds.find("PlainLines/" + key);
        auto fresh = reporter.seconds.find("LoadFresh/" + key);
        if (plain == reporter.seconds.end() || lines == reporter.seconds.end()) continue;
        const double ratio = t / plain->second;
        std::printf("%-16s %9.1fus %9.1fus %9.1fus %7.2f %7.2f", key.c_str(), plain->second * 1e6,
                    lines->second * 1e6, t * 1e6, ratio, t / lines->second);
        if (fresh != reporter.seconds.end())
            std::printf(" %9.1fus %7.2f", fresh->second * 1e6, fresh->second / plain->second);
        std::printf("\n");
        if (max_ratio > 0 && ratio > max_ratio) {
            std::printf("  ^ loading costs more than %.1f times the plain read\n", max_ratio);
            too_slow = true;
        }
    }
    benchmark::Shutdown();
    return too_slow ? 1 : 0;
}
