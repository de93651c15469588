#include "conformance.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "project/preferences.h"
#include "project/project_file.h"
#include "project/project_session.h"
#include "record_diff.h"
#include "token_compare.h"
#include "scratch_folder.h"
#include "world/messages.h"
#include "world/text_source.h"
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

// The zone number in the first room's flags line, or 0.
int32_t stated_zone_number(const std::string& bytes) {
    TextSource in(bytes);
    std::string line;
    while (in.read_line(line) && line[0] != '#') {
    }
    int indicator = kNoReadError;
    MessageRecorder ignored;
    in.read_tilde_string(indicator, ignored);
    in.read_tilde_string(indicator, ignored);
    return in.read_line(line) ? std::atoi(line.c_str()) : 0;
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

// The project of one zone, its world files copied beside it under their
// bare names, opened, saved into another folder and opened again.
void check_zone_project(const std::string& zone, const std::string& base,
                        const std::map<std::string, fs::path>& members,
                        const std::vector<WorldFormat>& formats, const fs::path& scratch,
                        ConformanceReport& report) {
    auto fail = [&](const std::string& what) { report.failures.push_back("zone " + zone + ": " + what); };
    const fs::path first_dir = scratch / "first", second_dir = scratch / "second";
    fs::create_directories(first_dir);
    fs::create_directories(second_dir);
    AreaProject project;
    project.zone_name = "Zone " + base;
    project.author = "conformance";
    project.zone_number = std::atoi(base.c_str());
    std::string AreaProject::*names[] = {&AreaProject::room_file, &AreaProject::mob_file,
                                        &AreaProject::object_file, &AreaProject::shop_file,
                                        &AreaProject::zone_file};
    const char* kinds[] = {"room", "mob", "object", "shop", "zone"};
    for (int i = 0; i < 5; ++i) {
        const WorldFormat* f = format_named(kinds[i]);
        project.*names[i] = base + f->extension;
        auto it = members.find(kinds[i]);
        if (it != members.end()) fs::copy_file(it->second, first_dir / (base + f->extension));
    }
    MessageRecorder m;
    if (!write_project_file((first_dir / (base + ".qzp")).string(), project, m)) {
        fail("project file not written: " + joined(m));
        return;
    }

    Preferences preferences;
    World first;
    AreaProject first_project;
    ProjectSession session(first, first_project, preferences, m);
    if (!session.open_project((first_dir / (base + ".qzp")).string())) {
        fail("project does not open: " + joined(m));
        return;
    }
    // Only the files the zone lacks may fail to load.
    if (session.load_failures().size() != 5 - members.size()) fail("files failed to load: " + joined(m));
    m.answers = {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes};
    m.file_answers = {(second_dir / (base + ".qzp")).string()};
    if (!session.save_project_as()) {
        fail("Save As fails: " + joined(m));
        return;
    }
    if (first.changed) fail("the world still counts as changed after a save");

    World second;
    AreaProject second_project;
    MessageRecorder m2;
    ProjectSession reopened(second, second_project, preferences, m2);
    if (!reopened.open_project((second_dir / (base + ".qzp")).string()) || !reopened.load_failures().empty()) {
        fail("saved project does not open: " + joined(m2));
        return;
    }
    std::vector<Difference> diffs;
    for (const auto& f : formats) f.diff(first, second, diffs);
    diff_project(first_project, second_project, diffs);
    for (const auto& d : diffs) {
        // Saving a zone sets its top to the greatest room vnum.
        if (d.record == "zone header" && d.field == "top" && !second.rooms.empty() &&
            second.zone.top == second.rooms.back().vnum)
            continue;
        fail(describe(d));
    }
    report.records += record_count(formats, second);
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
        // Rooms are written with the project's zone number: take the one
        // the file states, as a project of this zone would hold it.
        first.project_zone_number = stated_zone_number(bytes);
        const fs::path saved = scratch / ("first" + std::string(format.extension));
        MessageRecorder m2;
        if (!format.save(first, saved.string(), settings, m2)) {
            fail("does not save: " + joined(m2));
            continue;
        }
        // The saved file holds the original's numbers and texts, unless the
        // shop dialect was changed on purpose.
        const bool v3_original = bytes.rfind("CircleMUD v3.0", 0) == 0;
        if (std::string(format.name) != "shop" || settings.new_format == v3_original) {
            const std::string parted = compare_tokens(bytes, read_all(saved), format.name);
            if (!parted.empty()) fail("saved file differs from the original: " + parted);
        }
        World second;
        second.project_zone_number = first.project_zone_number;
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
    const fs::path scratch = make_scratch_folder("tarnwick-conformance-");

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

    // Each zone as a builder has it: a project naming its files opens, is
    // saved with "Save As" into another folder and opens again from there.
    for (const auto& [key, members] : zones) {
        if (members.size() < 2) continue;
        ++report.zones;
        check_zone_project((key.first / key.second).string(), key.second, members, formats,
                           scratch / ("zone-" + std::to_string(report.zones)), report);
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    return report;
}

}  // namespace tarnwick::testkit
