// Saves that keep what the builder did not change, over every real zone of
// the corpus: a save with no edit writes no file, and one edit of each kind
// changes only the lines of the record edited.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/zone_file.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "project/project_file.h"
#include "project/project_session.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
namespace fs = std::filesystem;

namespace kept_saves_test {

const char* const kKinds[] = {"wld", "mob", "obj", "shp", "zon"};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < text.size()) {
        const size_t end = text.find('\n', at);
        out.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return out;
}

// The lines [first, last) of `before` that a save replaced: what lies
// between the lines both texts start and end with.
struct Changed {
    size_t first = 0, last = 0;
};
Changed changed_lines(const std::string& before, const std::string& after) {
    const auto a = lines_of(before), b = lines_of(after);
    size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head &&
           a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return {head, a.size() - tail};
}

// Lines [first, last) of the record whose "#vnum" line opens it, up to the
// next record or end line.
Changed record_lines(const std::string& text, const std::string& head) {
    const auto a = lines_of(text);
    Changed r;
    while (r.first < a.size() && a[r.first] != head) ++r.first;
    r.last = r.first + 1;
    while (r.last < a.size() && (a[r.last].empty() || (a[r.last][0] != '#' && a[r.last][0] != '$')))
        ++r.last;
    return r;
}

struct Opened {
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;
    ProjectSession session{world, project, preferences, messages};
};


TEST(KeptSaves, EveryCorpusZoneSavesOnlyWhatChanged) {
    const fs::path corpus = test::corpus_dir() / "circle30";
    if (!fs::is_directory(corpus / "zon")) GTEST_SKIP() << "no corpus at " << corpus;
    int zones = 0;
    for (const auto& entry : fs::directory_iterator(corpus / "zon")) {
        const std::string n = entry.path().stem().string();
        SCOPED_TRACE("zone " + n);
        test::TempDir dir;
        AreaProject p;
        p.zone_number = std::stoi(n);
        std::vector<std::string> original(5);
        for (int k = 0; k < 5; ++k) {
            const fs::path from = corpus / kKinds[k] / (n + "." + kKinds[k]);
            const std::string name = n + "." + kKinds[k];
            if (fs::exists(from)) {
                original[size_t(k)] = test::read_bytes(from.string());
                test::write_bytes(dir.file(name), original[size_t(k)]);
            }
        }
        p.room_file = n + ".wld";
        p.mob_file = n + ".mob";
        p.object_file = n + ".obj";
        p.shop_file = n + ".shp";
        p.zone_file = n + ".zon";
        MessageRecorder m;
        ASSERT_TRUE(write_project_file(dir.file(n + ".qzp"), p, m));
        // Old times, read back as the file system keeps them (Windows rounds
        // them to 100 ns).
        const auto old = fs::file_time_type::clock::now() - std::chrono::hours(48);
        std::vector<fs::file_time_type> stamps(5);
        for (int k = 0; k < 5; ++k) {
            const std::string path = dir.file(n + "." + kKinds[k]);
            if (!fs::exists(path)) continue;
            fs::last_write_time(path, old);
            stamps[size_t(k)] = fs::last_write_time(path);
        }

        Opened o;
        ASSERT_TRUE(o.session.open_project(dir.file(n + ".qzp")));
        // Only the files the zone lacks (zone 0 has no shops) fail to load.
        for (const auto& failed : o.session.load_failures()) ASSERT_FALSE(fs::exists(failed)) << failed;
        ASSERT_TRUE(o.session.save_project());
        for (int k = 0; k < 5; ++k) {
            // A file the zone lacks is made by the first save, as in the editor.
            if (original[size_t(k)].empty()) continue;
            const std::string path = dir.file(n + "." + kKinds[k]);
            EXPECT_EQ(fs::last_write_time(path), stamps[size_t(k)])
                << kKinds[k] << " was written with no edit";
        }

        // One edit of each kind; each file changes in that record alone.
        World& w = o.world;
        std::vector<Changed> allowed(5);
        if (!w.rooms.empty()) {
            w.rooms[0].name += " (renamed)";
            allowed[0] = record_lines(original[0], "#" + std::to_string(w.rooms[0].vnum));
        }
        if (!w.mobs.empty()) {
            w.mobs[0].level += 1;
            allowed[1] = record_lines(original[1], "#" + std::to_string(w.mobs[0].vnum));
        }
        if (!w.objects.empty()) {
            w.objects[0].cost += 1;
            allowed[2] = record_lines(original[2], "#" + std::to_string(w.objects[0].vnum));
        }
        if (!w.shops.empty()) {
            w.shops[0].profit_sell += 0.25f;
            allowed[3] = record_lines(original[3], "#" + std::to_string(w.shops[0].vnum) + "~");
        }
        for (zCommand& c : w.zone.commands) {
            if (c.command != 'M' && c.command != 'O') continue;
            c.arg2 += 1;  // the max existing
            allowed[4] = {size_t(c.line - 1), size_t(c.line)};
            break;
        }
        w.changed = true;
        ASSERT_TRUE(o.session.save_project());
        for (int k = 0; k < 5; ++k) {
            const std::string path = dir.file(n + "." + kKinds[k]);
            if (original[size_t(k)].empty()) continue;
            const Changed got = changed_lines(original[size_t(k)], test::read_bytes(path));
            const Changed want = allowed[size_t(k)];
            if (want.last == 0) {
                EXPECT_EQ(got.first, got.last) << kKinds[k] << " changed with no edit in it";
                continue;
            }
            EXPECT_GE(got.first, want.first) << kKinds[k];
            EXPECT_LE(got.last, want.last) << kKinds[k];
            EXPECT_LT(got.first, got.last) << kKinds[k] << " kept an edited record";
        }
        // The server check boots the edited zones: it names a folder here.
        if (const char* out = std::getenv("TARNWICK_EDITED_CORPUS")) {
            for (int k = 0; k < 5; ++k) {
                if (original[size_t(k)].empty()) continue;
                const fs::path to = fs::path(out) / kKinds[k];
                fs::create_directories(to);
                fs::copy_file(dir.file(n + "." + kKinds[k]), to / (n + "." + kKinds[k]),
                              fs::copy_options::overwrite_existing);
            }
        }
        ++zones;
    }
    EXPECT_GT(zones, 10);
}

// Every comment of a zone file stays when one command changes, and the
// house style still replaces them all.
TEST(KeptSaves, ZoneCommentsStayWithTheirCommands) {
    const fs::path corpus = test::corpus_dir() / "circle30";
    if (!fs::is_directory(corpus / "zon")) GTEST_SKIP() << "no corpus at " << corpus;
    for (const auto& entry : fs::directory_iterator(corpus / "zon")) {
        SCOPED_TRACE(entry.path().string());
        const std::string bytes = test::read_bytes(entry.path().string());
        World w;
        MessageRecorder m;
        ASSERT_TRUE(load_zone_file(w, entry.path().string(), m));
        // The last command moves to the front: its comment lines go with it.
        std::vector<std::string> comments;
        for (const auto& line : lines_of(bytes))
            if (!line.empty() && line[0] == '*') comments.push_back(line);
        auto last = std::prev(w.zone.commands.end(), w.zone.commands.size() > 1 ? 2 : 1);
        if (last->command != 'S') {
            last->arg1 += 1;
            w.zone.commands.splice(w.zone.commands.begin(), w.zone.commands, last);
        }
        const std::string text = zone_file_text(w, {});
        for (const auto& c : comments) EXPECT_NE(text.find(c), std::string::npos) << c;
        FormatSettings anew;
        anew.house_style = true;
        EXPECT_EQ(zone_file_text(w, anew).rfind("*****", 0), 0u);
    }
}
}  // namespace kept_saves_test
