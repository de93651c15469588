#include "read_ratio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <limits>

#include "read_passes.h"

namespace tarnwick::bench {

namespace {

constexpr int kRounds = 60;

struct Fastest {
    double plain = std::numeric_limits<double>::max();
    double lines = plain, load = plain;
};

template <class Pass>
double seconds_of(Pass&& pass) {
    const auto start = std::chrono::steady_clock::now();
    pass();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Fastest measure(const testkit::WorldFormat& format, const FileSet& set) {
    SilentMessages m;
    Fastest best;
    for (int round = 0; round < kRounds; ++round) {
        best.plain = std::min(best.plain, seconds_of([&] { plain_read_pass(set); }));
        best.lines = std::min(best.lines, seconds_of([&] { plain_lines_pass(set); }));
        // Into new, empty Worlds, made and released outside the timed part.
        std::vector<World> empty(set.paths.size());
        best.load = std::min(best.load, seconds_of([&] { load_pass(format, set, empty, m); }));
    }
    return best;
}

}  // namespace

bool print_read_ratios(const std::vector<std::string>& keys, double max_ratio) {
    bool within = true;
    std::printf("\nLoading against the plain read of the same bytes (fastest of %d interleaved "
                "rounds)\n",
                kRounds);
    std::printf("%-16s %11s %11s %11s %7s %7s\n", "source/format", "plain read", "plain lines",
                "load", "x read", "x lines");
    for (const std::string& key : keys) {
        const size_t slash = key.find('/');
        const auto source = sources().find(key.substr(0, slash));
        const testkit::WorldFormat* format = testkit::format_named(key.substr(slash + 1));
        if (source == sources().end() || !format) continue;
        const auto set = source->second.find(format->name);
        if (set == source->second.end()) continue;
        const Fastest t = measure(*format, set->second);
        const double ratio = t.load / t.plain;
        std::printf("%-16s %9.1fus %9.1fus %9.1fus %7.2f %7.2f\n", key.c_str(), t.plain * 1e6,
                    t.lines * 1e6, t.load * 1e6, ratio, t.load / t.lines);
        if (max_ratio > 0 && ratio > max_ratio) {
            std::printf("  ^ loading costs more than %.1f times the plain read\n", max_ratio);
            within = false;
        }
    }
    return within;
}

}  // namespace tarnwick::bench
