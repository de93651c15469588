#include "conformance.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "record_diff.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick::testkit {

namespace fs = std::filesystem;

namespace {

std::string read_all(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string joined(const MessageRecorder& m) {
    std::string out;
    for (const auto& t : m.texts()) {
        std::string line = t;
        while (!line.empty() && line.back() == '\n') line.pop_back();
        for (auto& c : line)
            if (c == '\n') c = ' ';
        out += (out.empty() ? "" : " | ") + line;
    }
    return out;
}

// The settings a file is written back with: the defaults, letters for
// bitvectors, and for shops of the old dialect that dialect too.
std::vector<std::pair<std::string, FormatSettings>> variants(const WorldFormat& format,
                                                             const std::string& bytes) {
    std::vector<std::pair<std::string, FormatSettings>> out;
    out.push_back({"default settings", FormatSettings{}});
    FormatSettings letters;
    letters.alpha_bitvectors = true;
    out.push_back({"letter bitvectors", letters});
    if (std::string(format.name) == "shop" && bytes.rfind("CircleMUD v3.0", 0) != 0) {
        FormatSettings old;
        old.new_format = false;
        out.push_back({"old shop dialect", old});
    }
    return out;
}

int record_count(const std::vector<WorldFormat>& formats, const World& w) {
    int n = 0;
    for (const auto& f : formats) n += f.count(w);
    return n;
}

}  // namespace

void check_file(const WorldFormat& format, const fs::path& file, const fs::path& scratch,
                ConformanceReport& report) {
    const std::string name = file.string();
    const std::string bytes = read_all(file);
    ++report.files;
    for (const auto& variant : variants(format, bytes)) {
        const std::string& label = variant.first;
        const FormatSettings& settings = variant.second;
        auto fail = [&](const std::string& what) {
            report.failures.push_back(name + " (" + label + "): " + what);
        };
        World first;
        MessageRecorder m1;
        if (!format.load(first, name, settings, m1)) {
            fail("does not load: " + joined(m1));
            return;
        }
        const fs::path saved = scratch / ("first" + std::string(format.extension));
        MessageRecorder m2;
        if (!format.save(first, saved.string(), settings, m2)) {
            fail("does not save: " + joined(m2));
            continue;
        }
        World second;
        MessageRecorder m3;
        if (!format.load(second, saved.string(), settings, m3)) {
            fail("saved copy does not load: " + joined(m3));
            continue;
        }
        std::vector<Difference> diffs;
        format.diff(first, second, diffs);
        for (const auto& d : diffs) fail(describe(d));
        report.records += format.count(first);
        // A second save of what was read back writes the same bytes.
        const fs::path again = scratch / ("second" + std::string(format.extension));
        MessageRecorder m4;
        if (diffs.empty() && format.save(second, again.string(), settings, m4) &&
            read_all(saved) != read_all(again))
            fail("a second save writes different bytes");
    }
}

ConformanceReport check_corpus(const fs::path& corpus, const std::vector<WorldFormat>& formats) {
    ConformanceReport report;
    std::string pattern = (fs::temp_directory_path() / "tarnwick-conformance-XXXXXX").string();
    const fs::path scratch = mkdtemp(pattern.data());

    // Zones: parent of the format folder + base name -> files by format.
    std::map<std::pair<fs::path, std::string>, std::map<std::string, fs::path>> zones;
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(corpus))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& path : files) {
        for (const auto& f : formats) {
            if (path.extension() != f.extension) continue;
            check_file(f, path, scratch, report);
            zones[{path.parent_path().parent_path(), path.stem().string()}][f.name] = path;
        }
    }

    // Each zone opened as a whole, in the order a project loads its files,
    // saved together and opened again.
    for (const auto& [key, members] : zones) {
        if (members.size() < 2) continue;
        ++report.zones;
        const std::string zone = (key.first / key.second).string();
        World first, second;
        MessageRecorder m;
        const fs::path out = scratch / "zone";
        fs::create_directories(out);
        bool ok = true;
        for (const auto& f : formats) {
            auto it = members.find(f.name);
            if (it == members.end()) continue;
            if (!f.load(first, it->second.string(), {}, m)) ok = false;
        }
        for (const auto& f : formats)
            if (members.count(f.name) && !f.save(first, (out / (key.second + f.extension)).string(), {}, m))
                ok = false;
        for (const auto& f : formats)
            if (members.count(f.name) && !f.load(second, (out / (key.second + f.extension)).string(), {}, m))
                ok = false;
        if (!ok) {
            report.failures.push_back("zone " + zone + ": " + joined(m));
            continue;
        }
        std::vector<Difference> diffs;
        for (const auto& f : formats)
            if (members.count(f.name)) f.diff(first, second, diffs);
        for (const auto& d : diffs) report.failures.push_back("zone " + zone + ": " + describe(d));
        if (record_count(formats, first) != record_count(formats, second))
            report.failures.push_back("zone " + zone + ": record count changed");
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return report;
}

}  // namespace tarnwick::testkit
