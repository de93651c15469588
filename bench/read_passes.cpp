#include "read_passes.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace tarnwick::bench {

void plain_read_pass(const FileSet& set) {
    for (const auto& path : set.paths) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        if (!f) continue;
        std::string bytes;
        char buffer[65536];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void plain_lines_pass(const FileSet& set) {
    for (const auto& path : set.paths) {
        std::FILE* f = std::fopen(path.c_str(), "r");
        if (!f) continue;
        char line[512];
        size_t lines = 0;
        while (std::fgets(line, sizeof line, f)) ++lines;
        std::fclose(f);
        benchmark::DoNotOptimize(lines);
    }
}

bool load_pass(const testkit::WorldFormat& format, const FileSet& set, std::vector<World>& worlds,
               Messages& messages) {
    bool ok = true;
    for (size_t i = 0; i < set.paths.size(); ++i) {
        ok = format.load(worlds[i], set.paths[i], {}, messages) && ok;
        benchmark::DoNotOptimize(worlds[i].rooms.data());
    }
    return ok;
}

}  // namespace tarnwick::bench
