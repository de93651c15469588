// The conformance checker itself: it must name the file, the record and the
// field of whatever did not survive, and pass the real corpus.

#include <gtest/gtest.h>

#include <filesystem>

#include "conformance.h"
#include "record_diff.h"
#include "test_support.h"
#include "world/world.h"

using namespace tarnwick;
using namespace tarnwick::testkit;
namespace fs = std::filesystem;

namespace corpus_conformance_test {

bool any_failure_has(const ConformanceReport& r, std::initializer_list<std::string> parts) {
    for (const auto& f : r.failures) {
        bool all = true;
        for (const auto& p : parts) all = all && f.find(p) != std::string::npos;
        if (all) return true;
    }
    return false;
}

std::string all_failures(const ConformanceReport& r) {
    std::string out;
    for (const auto& f : r.failures) out += f + "\n";
    return out;
}

const char* kRooms =
    "#3001\nThe Temple~\nA quiet temple.\n~\n30 abd 0\nD0\nNorth.\n~\ndoor~\n2 3050 3002\n"
    "E\naltar~\nA stone altar.\n~\nS\n"
    "#3002\nThe Square~\nA wide square.\n~\n30 0 1\nS\n$\n";


TEST(CorpusConformance, RealCorpusSurvivesEveryRoundTrip) {
    const fs::path corpus = test::corpus_dir();
    if (!fs::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    const auto report = check_corpus(corpus);
    EXPECT_TRUE(report.ok()) << all_failures(report);
    EXPECT_GT(report.files, 50);
    EXPECT_GT(report.zones, 10);
}

TEST(CorpusConformance, SampleZoneSurvivesAsFilesAndAsAProject) {
    const auto report = check_corpus(TARNWICK_EXAMPLES);
    EXPECT_TRUE(report.ok()) << all_failures(report);
    EXPECT_EQ(report.files, 5);
    EXPECT_EQ(report.zones, 1);
}

TEST(CorpusConformance, BrokenCopyOfACorpusFileFailsNamingFileAndRecord) {
    const fs::path source = test::corpus_dir() / "circle30" / "wld" / "30.wld";
    if (!fs::exists(source)) GTEST_SKIP() << "no corpus at " << source;
    test::TempDir dir;
    fs::create_directories(dir.path() / "w" / "wld");
    std::string bytes = test::read_bytes(source.string());
    // Room 3001's flags line loses its sector type.
    const size_t room = bytes.find("#3001\n");
    ASSERT_NE(room, std::string::npos);
    const size_t flags = bytes.find("\n30 ", room);
    ASSERT_NE(flags, std::string::npos);
    const size_t end = bytes.find('\n', flags + 1);
    bytes.replace(flags + 1, end - flags - 1, "30 broken");
    const std::string copy = (dir.path() / "w" / "wld" / "30.wld").string();
    test::write_bytes(copy, bytes);

    const auto report = check_corpus(dir.path() / "w");
    ASSERT_FALSE(report.ok());
    EXPECT_TRUE(any_failure_has(report, {copy, "Format error in room #3001"})) << all_failures(report);
}

TEST(CorpusConformance, AWriterThatLosesAFieldIsCaughtWithRecordAndField) {
    test::TempDir dir;
    fs::create_directories(dir.path() / "wld");
    const std::string file = (dir.path() / "wld" / "1.wld").string();
    test::write_bytes(file, kRooms);

    // A room format whose writer drops the last exit's key.
    std::vector<WorldFormat> formats = {*format_named("room")};
    formats[0].save = [](World& w, const std::string& p, const FormatSettings& s, Messages& m) {
        World copy = w;
        for (auto& r : copy.rooms)
            for (auto& e : r.exits)
                if (e) e->key_vnum = -1;
        return format_named("room")->save(copy, p, s, m);
    };
    const auto report = check_corpus(dir.path(), formats);
    ASSERT_FALSE(report.ok());
    EXPECT_TRUE(any_failure_has(report, {file, "room #3001", "exits[0].key_vnum", "3050", "-1"}))
        << all_failures(report);
    EXPECT_FALSE(any_failure_has(report, {"room #3002"})) << all_failures(report);
}

TEST(CorpusConformance, ListsAreComparedInFileOrder) {
    World a, b;
    room_data r;
    r.vnum = 10;
    r.extra_descs = {{"a", "first\n"}, {"b", "second\n"}};
    a.rooms.push_back(r);
    std::swap(r.extra_descs[0], r.extra_descs[1]);
    b.rooms.push_back(r);
    std::vector<Difference> diffs;
    diff_rooms(a, b, diffs);
    ASSERT_EQ(diffs.size(), 4u);
    EXPECT_EQ(describe(diffs[0]), "room #10, field extra_descs[0].keywords: \"a\" became \"b\"");
}

TEST(CorpusConformance, ZoneCommandsAreComparedOneByOne) {
    World a, b;
    zCommand c;
    c.command = 'M';
    c.line = 7;
    c.arg1 = 3001;
    a.zone.commands.push_back(c);
    c.arg1 = 3002;
    b.zone.commands.push_back(c);
    std::vector<Difference> diffs;
    diff_zone(a, b, diffs);
    ASSERT_EQ(diffs.size(), 1u);
    EXPECT_EQ(describe(diffs[0]), "command 0 (M, line 7), field arg1: 3001 became 3002");
}
}  // namespace corpus_conformance_test
