#include "bench_data.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "world_formats.h"

namespace tarnwick::bench {

namespace fs = std::filesystem;

fs::path corpus_dir() {
    if (const char* env = std::getenv("TARNWICK_CORPUS")) return env;
    return TARNWICK_CORPUS_DEFAULT;
}

namespace {

std::vector<fs::path> files_under(const fs::path& root) {
    std::vector<fs::path> out;
    std::error_code ec;
    if (!fs::is_directory(root, ec)) return out;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

std::map<std::string, fs::path> roots() {
    std::map<std::string, fs::path> r{{"sample", TARNWICK_EXAMPLES}};
    std::error_code ec;
    if (fs::is_directory(corpus_dir(), ec)) r["corpus"] = corpus_dir();
    return r;
}

}  // namespace

const std::map<std::string, std::map<std::string, FileSet>>& sources() {
    static const auto all = [] {
        std::map<std::string, std::map<std::string, FileSet>> out;
        for (const auto& [source, root] : roots())
            for (const auto& path : files_under(root)) {
                const testkit::WorldFormat* f = testkit::format_of(path.string());
                if (!f) continue;
                FileSet& set = out[source][f->name];
                std::ifstream in(path, std::ios::binary);
                std::ostringstream s;
                s << in.rdbuf();
                set.paths.push_back(path.string());
                set.bytes.push_back(s.str());
                set.total += set.bytes.back().size();
            }
        return out;
    }();
    return all;
}

std::map<std::string, std::map<std::string, std::string>> zones_of(const std::string& source) {
    std::map<std::string, std::map<std::string, std::string>> zones;
    auto it = sources().find(source);
    if (it == sources().end()) return zones;
    for (const auto& [format, set] : it->second)
        for (const auto& p : set.paths) {
            const fs::path path(p);
            // Zones of the old shop dialect's folder are not whole zones.
            zones[(path.parent_path().parent_path() / path.stem()).string()][format] = p;
        }
    std::erase_if(zones, [](const auto& z) { return z.second.size() < 2; });
    return zones;
}

}  // namespace tarnwick::bench
