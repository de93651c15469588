// Opening and saving whole projects (project file plus five world files)
// and renumbering a zone.

#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench_data.h"
#include "project/preferences.h"
#include "project/project_file.h"
#include "project/project_session.h"
#include "project/renumber.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"

using namespace tarnwick;
namespace fs = std::filesystem;

namespace {

// Answers every question with Yes and keeps nothing.
class YesMessages : public SilentMessages {
public:
    Answer ask(const std::string&, bool) override { return Answer::Yes; }
};

struct ZoneProjects {
    fs::path dir;
    std::vector<std::string> projects;
    size_t bytes = 0;
};

// Each zone of a source copied with a project file into a scratch folder.
const ZoneProjects& projects_of(const std::string& source) {
    static std::map<std::string, ZoneProjects> made;
    auto it = made.find(source);
    if (it != made.end()) return it->second;
    ZoneProjects& z = made[source];
    std::string pattern = (fs::temp_directory_path() / "tarnwick-bench-XXXXXX").string();
    z.dir = mkdtemp(pattern.data());
    SilentMessages m;
    int n = 0;
    for (const auto& [zone, files] : bench::zones_of(source)) {
        const fs::path dir = z.dir / std::to_string(n++);
        fs::create_directories(dir);
        AreaProject p;
        p.zone_name = zone;
        p.zone_number = 1;
        for (const auto& [format, path] : files) {
            const std::string name = fs::path(path).filename().string();
            fs::copy_file(path, dir / name);
            z.bytes += fs::file_size(path);
            if (format == "room") p.room_file = name;
            if (format == "mob") p.mob_file = name;
            if (format == "object") p.object_file = name;
            if (format == "shop") p.shop_file = name;
            if (format == "zone") p.zone_file = name;
        }
        const std::string project = (dir / "zone.qzp").string();
        write_project_file(project, p, m);
        z.projects.push_back(project);
    }
    return z;
}

void open_projects(benchmark::State& state, const std::string& source) {
    const ZoneProjects& z = projects_of(source);
    YesMessages m;
    Preferences prefs;
    for (auto _ : state)
        for (const auto& path : z.projects) {
            World w;
            AreaProject p;
            ProjectSession session(w, p, prefs, m);
            session.open_project(path);
            benchmark::DoNotOptimize(w.rooms.data());
        }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(z.bytes));
    state.counters["zones"] = double(z.projects.size());
}

void save_projects(benchmark::State& state, const std::string& source) {
    const ZoneProjects& z = projects_of(source);
    YesMessages m;
    Preferences prefs;
    std::vector<World> worlds(z.projects.size());
    std::vector<AreaProject> values(z.projects.size());
    std::vector<std::unique_ptr<ProjectSession>> sessions;
    for (size_t i = 0; i < z.projects.size(); ++i) {
        sessions.push_back(std::make_unique<ProjectSession>(worlds[i], values[i], prefs, m));
        sessions.back()->open_project(z.projects[i]);
    }
    for (auto _ : state)
        for (auto& s : sessions) s->save_project();
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(z.bytes));
}

// The largest zone of the source, renumbered to a new hundred each time.
void renumber(benchmark::State& state, const std::string& source) {
    const ZoneProjects& z = projects_of(source);
    YesMessages m;
    Preferences prefs;
    World biggest;
    for (const auto& path : z.projects) {
        World w;
        AreaProject p;
        ProjectSession(w, p, prefs, m).open_project(path);
        if (w.room_count() + w.mob_count() + w.object_count() >
            biggest.room_count() + biggest.mob_count() + biggest.object_count())
            biggest = std::move(w);
    }
    int32_t base = 100000;
    for (auto _ : state) {
        if (!renumber_world(biggest, base, m)) state.SkipWithError("renumbering refused");
        base = base == 100000 ? 200000 : 100000;
    }
    state.counters["records"] = double(biggest.room_count() + biggest.mob_count() + biggest.object_count() +
                                       biggest.shop_count() + int(biggest.zone.commands.size()));
}

}  // namespace

void register_project_benchmarks() {
    for (const auto& [source, formats] : bench::sources()) {
        if (bench::zones_of(source).empty()) continue;
        const std::string s = source;
        benchmark::RegisterBenchmark(("ProjectOpen/" + s).c_str(), [s](benchmark::State& st) { open_projects(st, s); });
        benchmark::RegisterBenchmark(("ProjectSave/" + s).c_str(), [s](benchmark::State& st) { save_projects(st, s); })
            ->Iterations(10);
        benchmark::RegisterBenchmark(("Renumber/" + s).c_str(), [s](benchmark::State& st) { renumber(st, s); });
    }
}
