// Every reader against input that is broken on purpose: cut short, garbage,
// NUL bytes, huge lines, numbers too big for 32 bits, more records than a
// table holds, folders and unreadable files. Whatever the input, a reader
// either loads or fails with a message, keeping only the records before the
// damage; it never crashes.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <regex>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "project/project_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/text_source.h"
#include "world/world.h"
#include "world_formats.h"


using namespace tarnwick;
using tarnwick::testkit::WorldFormat;
using tarnwick::testkit::world_formats;
namespace fs = std::filesystem;

namespace bad_input_test {

// What each world format's table holds, and how its files end.
struct Limits {
    const char* format;
    int capacity;         // 0: no table of records
    const char* trailer;  // the closing line of a file
};
const Limits kLimits[] = {
    {"room", kRoomCapacity, "$\n"},   {"mob", kMobCapacity, "$\n"},  {"object", kObjectCapacity, "$\n"},
    {"shop", kShopCapacity, "$~\n"}, {"zone", 0, "S\n$\n"},
};
const Limits& limits_of(const WorldFormat& f) {
    for (const auto& l : kLimits)
        if (std::string(l.format) == f.name) return l;
    throw std::logic_error(std::string("no limits for the ") + f.name + " format");
}

std::string sample_of(const WorldFormat& f) {
    return test::read_bytes(std::string(TARNWICK_EXAMPLES) + "/tarnwick" + f.extension);
}

struct Outcome {
    bool ok = false;
    int count = 0;
    std::vector<std::string> texts;
};

Outcome feed(const WorldFormat& f, const std::string& bytes) {
    World w;
    MessageRecorder m;
    Outcome o;
    o.ok = f.read(w, bytes, FormatSettings{}, m);
    o.count = f.count(w);
    o.texts = m.texts();
    return o;
}

// The rule every case checks: success, or failure with a message; a
// records file damaged in the middle keeps only records before the damage
// and says so in one message.
void expect_sound(const WorldFormat& f, const std::string& bytes, const std::string& what) {
    Outcome o = feed(f, bytes);
    if (o.ok) return;
    EXPECT_FALSE(o.texts.empty()) << f.name << ": " << what << " failed without a message";
    for (const auto& t : o.texts) EXPECT_FALSE(t.empty()) << f.name << ": " << what;
    if (std::string(f.name) == "zone") return;
    const int heads = int(std::count(bytes.begin(), bytes.end(), '#'));
    EXPECT_LE(o.count, heads) << f.name << ": " << what << " kept more records than it holds";
    const bool over_capacity = !o.texts.empty() && o.texts[0].find("the most a zone can hold") != std::string::npos;
    if (!over_capacity) {
        EXPECT_EQ(o.texts.size(), 1u) << f.name << ": " << what;
    }
}

class BadInput : public ::testing::TestWithParam<WorldFormat> {};

std::string format_name(const ::testing::TestParamInfo<WorldFormat>& info) { return info.param.name; }


TEST_P(BadInput, SampleLoadsCleanly) {
    const Outcome o = feed(GetParam(), sample_of(GetParam()));
    EXPECT_TRUE(o.ok);
    EXPECT_GT(o.count, 0);
}

TEST_P(BadInput, EveryTruncation) {
    const WorldFormat& f = GetParam();
    const std::string sample = sample_of(f);
    ASSERT_FALSE(sample.empty());
    for (size_t pos = 0; pos <= sample.size(); ++pos)
        if (pos == 0 || sample[pos - 1] == '\n') {
            expect_sound(f, sample.substr(0, pos), "cut at byte " + std::to_string(pos));
            // The same cut with the line break gone.
            if (pos > 0) expect_sound(f, sample.substr(0, pos - 1), "cut before byte " + std::to_string(pos));
        }
    for (int i = 1; i <= 12; ++i) {
        const size_t pos = sample.size() * i / 13 + i;
        expect_sound(f, sample.substr(0, pos), "cut at byte " + std::to_string(pos));
        expect_sound(f, sample.substr(0, pos) + "\r", "cut at byte " + std::to_string(pos) + " + CR");
    }
}

TEST_P(BadInput, BinaryGarbageAndNulBytes) {
    const WorldFormat& f = GetParam();
    std::mt19937 random(1234);
    for (size_t size : {1u, 7u, 512u, 4096u, 65536u}) {
        std::string garbage(size, '\0');
        for (auto& c : garbage) c = char(random());
        expect_sound(f, garbage, "garbage of " + std::to_string(size) + " bytes");
        // Garbage that starts like a record.
        expect_sound(f, "#1\n" + garbage, "a record head and garbage");
        expect_sound(f, "#1~\n" + garbage, "a shop head and garbage");
    }
    const std::string sample = sample_of(f);
    expect_sound(f, std::string(1000, '\0'), "only NUL bytes");
    for (size_t pos = 0; pos < sample.size(); pos += 37) {
        std::string with_nul = sample;
        with_nul.insert(pos, 1, '\0');
        expect_sound(f, with_nul, "a NUL at byte " + std::to_string(pos));
        std::string replaced = sample;
        replaced[pos] = '\0';
        expect_sound(f, replaced, "byte " + std::to_string(pos) + " replaced by NUL");
    }
}

TEST_P(BadInput, MegabyteLines) {
    const WorldFormat& f = GetParam();
    const std::string sample = sample_of(f);
    const std::string huge(1 << 20, 'x');
    const std::string huge_number(1 << 20, '7');
    std::vector<size_t> starts;  // where each line begins
    for (size_t pos = 0; pos < sample.size(); pos = sample.find('\n', pos) + 1) {
        starts.push_back(pos);
        if (sample.find('\n', pos) == std::string::npos) break;
    }
    // A dozen lines spread over the file: replaced by a huge line, by a huge
    // number, and with a huge line put before them.
    for (size_t i = 0; i < 12; ++i) {
        const size_t line = starts.size() * i / 12;
        const size_t pos = starts[line];
        const size_t end = std::min(sample.find('\n', pos), sample.size());
        const std::string where = "line " + std::to_string(line + 1);
        expect_sound(f, sample.substr(0, pos) + huge + sample.substr(end), where + " replaced");
        expect_sound(f, sample.substr(0, pos) + huge_number + sample.substr(end), where + " replaced by digits");
        expect_sound(f, sample.substr(0, pos) + huge + "\n" + sample.substr(pos), "a huge line before " + where);
    }
    expect_sound(f, huge, "one huge line");
}

TEST_P(BadInput, NumbersBeyond32Bits) {
    const WorldFormat& f = GetParam();
    const std::string sample = sample_of(f);
    const std::regex number("-?[0-9]+");
    for (const char* big : {"4294967296", "2147483648", "-2147483649", "99999999999999999999999"}) {
        int cases = 0;
        for (auto it = std::sregex_iterator(sample.begin(), sample.end(), number); it != std::sregex_iterator();
             ++it) {
            const std::string changed =
                sample.substr(0, it->position()) + big + sample.substr(it->position() + it->length());
            const std::string what = std::string(big) + " at byte " + std::to_string(it->position());
            expect_sound(f, changed, what);
            // A number that was taken is written back as a number the reader
            // takes again the same way: saving what was read is a fixed point.
            World w;
            SilentMessages m;
            if (f.read(w, changed, {}, m)) {
                const std::string saved = f.text(w, {}, m);
                World again;
                ASSERT_TRUE(f.read(again, saved, {}, m)) << f.name << ": " << what;
                EXPECT_EQ(f.text(again, {}, m), saved) << f.name << ": " << what;
            }
            ++cases;
        }
        EXPECT_GT(cases, 5) << f.name;
    }
}

TEST_P(BadInput, MoreRecordsThanTheTableHolds) {
    const WorldFormat& f = GetParam();
    const Limits& limits = limits_of(f);
    if (limits.capacity == 0) GTEST_SKIP() << f.name << " files fill no table of records";
    const std::string sample = sample_of(f);
    // The sample's first record, repeated with fresh numbers.
    const size_t first = sample[0] == '#' ? 0 : sample.find("\n#") + 1;
    const size_t head_end = sample.find('\n', first);
    const size_t next = sample.find("\n#", head_end) + 1;
    ASSERT_GT(next, head_end);
    const std::string head = sample.substr(first, head_end - first);
    const std::string body = sample.substr(head_end, next - head_end);
    const bool tilde_head = head.back() == '~';
    auto build = [&](int records) {
        std::string out = sample.substr(0, first);
        for (int i = 0; i < records; ++i)
            out += "#" + std::to_string(10000 + i) + (tilde_head ? "~" : "") + body;
        return out + limits.trailer;
    };
    const Outcome full = feed(f, build(limits.capacity));
    EXPECT_TRUE(full.ok) << f.name;
    EXPECT_EQ(full.count, limits.capacity) << f.name;
    const Outcome over = feed(f, build(limits.capacity + 1));
    EXPECT_LE(over.count, limits.capacity) << f.name;
    if (!over.ok) {
        ASSERT_FALSE(over.texts.empty()) << f.name;
        EXPECT_EQ(over.count, 0) << f.name;
    }
    expect_sound(f, build(limits.capacity * 3), "three times the capacity");
}

TEST_P(BadInput, FolderOrMissingFileGivenAsWorldFile) {
    const WorldFormat& f = GetParam();
    test::TempDir dir;
    World w;
    MessageRecorder m;
    fs::create_directory(dir.file(std::string("folder") + f.extension));
    EXPECT_FALSE(f.load(w, dir.file(std::string("folder") + f.extension), {}, m)) << f.name;
    EXPECT_EQ(f.count(w), 0);
    EXPECT_FALSE(f.load(w, dir.file(std::string("missing") + f.extension), {}, m)) << f.name;
    EXPECT_FALSE(f.load(w, dir.file(std::string("missing/sub") + f.extension), {}, m)) << f.name;
    EXPECT_EQ(f.count(w), 0);
}

TEST_P(BadInput, UnreadableFileGivenAsWorldFile) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files have no read permission bit: every file can be read";
#else
    const WorldFormat& f = GetParam();
    if (geteuid() == 0) GTEST_SKIP() << "running as root: a file without read permission is still readable";
    test::TempDir dir;
    World w;
    MessageRecorder m;
    const std::string locked = dir.file(std::string("locked") + f.extension);
    test::write_bytes(locked, sample_of(f));
    ::chmod(locked.c_str(), 0);
    EXPECT_FALSE(f.load(w, locked, {}, m)) << f.name;
    EXPECT_EQ(f.count(w), 0);
#endif
}

INSTANTIATE_TEST_SUITE_P(EveryReader, BadInput, ::testing::ValuesIn(world_formats()), format_name);

TEST(BadProjectFile, OnlyARecordOfExactly3684BytesIsRead) {
    test::TempDir dir;
    AreaProject project;
    project.zone_name = "Zone";
    project.zone_number = 186;
    std::string record, error;
    ASSERT_TRUE(encode_project_record(project, record, error)) << error;
    ASSERT_EQ(record.size(), 3684u);
    for (size_t size : {size_t(0), size_t(1), size_t(3500), size_t(3683), size_t(3685), size_t(1 << 20)}) {
        std::string bytes = record;
        bytes.resize(size, 'x');
        const std::string path = dir.file("p" + std::to_string(size) + ".qzp");
        test::write_bytes(path, bytes);
        AreaProject read;
        error.clear();
        EXPECT_FALSE(read_project_file(path, read, error)) << size;
        EXPECT_FALSE(error.empty()) << size;
        EXPECT_FALSE(decode_project_record(bytes, read)) << size;
    }
    AreaProject read;
    test::write_bytes(dir.file("ok.qzp"), record);
    EXPECT_TRUE(read_project_file(dir.file("ok.qzp"), read, error)) << error;
    EXPECT_EQ(read.zone_number, 186);
    EXPECT_FALSE(read_project_file(dir.path().string(), read, error));
    EXPECT_FALSE(error.empty());
}

TEST(BadProjectFile, TextsWithoutTheirEndingZeroAndGarbageReadSafely) {
    std::mt19937 random(99);
    for (int round = 0; round < 50; ++round) {
        std::string bytes(3684, '\0');
        for (auto& c : bytes) c = char(random());
        if (round == 0) bytes.assign(3684, 'A');
        AreaProject read;
        ASSERT_TRUE(decode_project_record(bytes, read));
        EXPECT_LE(read.zone_name.size(), 500u);
        EXPECT_LE(read.shop_file.size(), 500u);
    }
}

// A tilde string of exactly the longest length is read whole; one byte more
// is refused, whether the tilde is on the first line or a later one.
TEST(BadInputTildeStrings, TheLengthLimitHoldsOnEveryPath) {
    for (bool multi_line : {false, true}) {
        for (size_t length : {kMaxTildeString - 1, kMaxTildeString, kMaxTildeString + 1}) {
            std::string text(length, 'a');
            if (multi_line)
                for (size_t i = 70; i < length; i += 71) text[i] = '\n';
            TextSource in(text + "~ rest\nnext~\n");
            MessageRecorder m;
            int indicator = kNoReadError;
            const std::string got = in.read_tilde_string(indicator, m);
            if (length <= kMaxTildeString) {
                EXPECT_EQ(got, text) << length;
                EXPECT_EQ(indicator, kNoReadError);
                EXPECT_EQ(in.read_tilde_string(indicator, m), "next");
            } else {
                EXPECT_EQ(indicator, kStringTooLong) << length;
                EXPECT_EQ(m.texts(), std::vector<std::string>{"SYSERR: String too large - truncated"});
                EXPECT_LE(got.size(), kMaxTildeString);
                EXPECT_EQ(got, text.substr(0, got.size()));
            }
        }
    }
    // CR LF line ends read like LF inside a string.
    TextSource crlf(std::string("one\r\ntwo~\r\nthree~\r\n"));
    MessageRecorder m;
    int indicator = kNoReadError;
    EXPECT_EQ(crlf.read_tilde_string(indicator, m), "one\ntwo");
    EXPECT_EQ(crlf.read_tilde_string(indicator, m), "three");
    EXPECT_EQ(crlf.count_record_lines(), 0);
    TextSource lone(std::string("#1\r\n#2\rx\n\r\n#3"));
    EXPECT_EQ(lone.count_record_lines(), 3);
    std::string line;
    EXPECT_EQ(lone.read_line(line), 1);
    EXPECT_EQ(line, "#1");
    EXPECT_EQ(lone.read_line(line), 1);
    EXPECT_EQ(line, "#2\rx");
    EXPECT_EQ(lone.read_line(line), 2);
    EXPECT_EQ(line, "#3");
}

TEST(BadProjectFile, EveryCutOfTheSampleProjectIsRefusedWithAMessage) {
    const std::string sample = test::read_bytes(std::string(TARNWICK_EXAMPLES) + "/tarnwick.qzp");
    ASSERT_EQ(sample.size(), 3684u);
    test::TempDir dir;
    std::vector<size_t> cuts;
    for (size_t slot = 0; slot <= 3500; slot += 500) cuts.push_back(slot);
    for (int i = 1; i <= 12; ++i) cuts.push_back(3684 * i / 13 + i);
    cuts.push_back(3683);
    for (size_t cut : cuts) {
        const std::string path = dir.file("cut.qzp");
        test::write_bytes(path, sample.substr(0, cut));
        AreaProject read;
        std::string error;
        EXPECT_FALSE(read_project_file(path, read, error)) << cut;
        EXPECT_FALSE(error.empty()) << cut;
    }
}
}  // namespace bad_input_test
