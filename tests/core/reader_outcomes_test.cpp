// Every record reader over the same damaged inputs: a byte-order mark, a
// stray line before, between and after the records, a vnum used twice and a
// text too long in each text field. Each input either loads every record or
// fails naming the line or the record, with nothing loaded.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "../support/world_formats.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/text_source.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::testkit::format_named;

namespace reader_outcomes_test {

using Texts = std::vector<std::string>;

struct RecordReader {
    const char* format;
    const char* kind;                   // plural, as in the duplicate message
    std::string head, end;              // what the file holds before and after its records
    std::string expecting_after;        // what a stray line after a record is told to be
    std::string failure;                // the load's closing message
    Texts fields;                       // the record's text fields, in file order
    std::function<std::string(int, const Texts&)> record;
    // The message naming a too-long field of record `vnum`.
    std::function<std::string(size_t field, int vnum)> too_long;
};

void PrintTo(const RecordReader& r, std::ostream* os) { *os << r.format; }

std::string room(int v, const Texts& t) {
    return "#" + std::to_string(v) + "\n" + t[0] + "~\n" + t[1] + "~\n30 0 0\nD0\n" + t[2] +
           "~\n" + t[3] + "~\n0 -1 3001\nE\n" + t[4] + "~\n" + t[5] + "~\nS\n";
}

std::string mob(int v, const Texts& t) {
    return "#" + std::to_string(v) + "\n" + t[0] + "~\n" + t[1] + "~\n" + t[2] + "\n~\n" + t[3] +
           "~\n0 0 0 S\n1 20 10 1d1+1 1d1+0\n0 0\n8 8 0\n";
}

std::string object(int v, const Texts& t) {
    return "#" + std::to_string(v) + "\n" + t[0] + "~\n" + t[1] + "~\n" + t[2] + "~\n" + t[3] +
           "~\n1 0 0\n1 2 3 4\n1 2 3\nE\n" + t[4] + "~\n" + t[5] + "~\n";
}

std::string shop(int v, const Texts& t) {
    std::string out = "#" + std::to_string(v) + "~\n3010\n-1\n1.2\n.8\n5\n-1\n";
    for (const auto& m : t) out += m + "~\n";
    return out + "2\n1\n18601\n3\n18604\n-1\n6\n22\n23\n24\n";
}

std::string named(const char* what, const char* kind, size_t field, const Texts& names, int v) {
    return std::string("Error reading ") + names[field] + what + kind + " #" + std::to_string(v);
}

const std::vector<RecordReader>& readers() {
    static const Texts room_fields = {"name", "description", "exit description",
                                      "exit keywords", "extra keywords", "extra description"};
    static const Texts mob_fields = {"alias", "short description", "long description",
                                     "description"};
    static const Texts object_fields = {"alias", "short description", "long description",
                                        "action description", "extra description keywords",
                                        "extra description"};
    static const Texts shop_fields = {
        "the message for an item the keeper lacks", "the message for an item the player lacks",
        "the message for an item the shop does not buy", "the message for a keeper without money",
        "the message for a player without money", "the message for a sale",
        "the message for a purchase"};
    static const std::vector<RecordReader> list = {
        {"room", "rooms", "* banner\n", "$\n", "#vnum or $", "An error has ocurred while opening file!",
         room_fields, room,
         [](size_t f, int v) {
             const std::string n = std::to_string(v);
             const std::string texts[] = {
                 "Error reading name of room #" + n,
                 "Error reading description of room #" + n,
                 "Error reading description of exit D0 of room #" + n,
                 "Error reading keywords of exit D0 of room #" + n,
                 "Error reading keyword for extra description (#" + n + ")",
                 "Error reading extra description - " + n};
             return texts[f];
         }},
        {"mob", "mobiles", "* banner\n", "$\n", "#vnum or $",
         "Se ha producido un error al leer Archivo de Mobs!", mob_fields, mob,
         [](size_t f, int v) { return named("", " of mob", f, mob_fields, v); }},
        {"object", "objects", "* banner\n", "$\n", "E, A, #vnum or $",
         "An error has ocurred while reading objects file!", object_fields, object,
         [](size_t f, int v) { return named("", " of object", f, object_fields, v); }},
        {"shop", "shops", "CircleMUD v3.0 Shop File~\n", "$~\n", "#vnum~ or $~",
         "Se ha producido un error al leer Archivo de Shops!", shop_fields, shop,
         [](size_t f, int v) { return named("", " of shop", f, shop_fields, v); }},
    };
    return list;
}

int lines(const std::string& text) { return int(std::count(text.begin(), text.end(), '\n')); }

struct Outcome {
    bool ok = false;
    std::vector<int32_t> vnums;
    std::vector<std::string> messages;
};

// Loads `bytes` from a file named 30.<ext>, as a project does.
Outcome load(const RecordReader& r, const std::string& bytes) {
    const auto* format = format_named(r.format);
    test::TempDir dir;
    const std::string path = dir.file(std::string("30") + format->extension);
    test::write_bytes(path, bytes);
    World world;
    MessageRecorder messages;
    Outcome out;
    out.ok = format->load(world, path, FormatSettings{}, messages);
    out.messages = messages.texts();
    for (const auto& room : world.rooms) out.vnums.push_back(room.vnum);
    for (const auto& m : world.mobs) out.vnums.push_back(m.vnum);
    for (const auto& o : world.objects) out.vnums.push_back(o.vnum);
    for (const auto& s : world.shops) out.vnums.push_back(s.vnum);
    return out;
}

class ReaderOutcomes : public ::testing::TestWithParam<RecordReader> {};

TEST_P(ReaderOutcomes, EveryRecordLoadsOrTheLoadFailsNamingWhere) {
    const RecordReader& r = GetParam();
    const Texts plain(r.fields.size(), "text");
    const std::string first = r.record(5001, plain), second = r.record(5002, plain);
    const std::string file = "30" + std::string(format_named(r.format)->extension);
    const auto stray = [&](int line) {
        return "Unexpected line " + std::to_string(line) + " in " + file + ": 'xyz' (expecting ";
    };
    const std::vector<int32_t> both = {5001, 5002};
    // An object reads on to the next '#' line, so a stray line after one
    // is damage inside that object.
    const bool reads_on = std::string(r.format) == "object";
    const std::vector<int32_t> first_only = reads_on ? std::vector<int32_t>{} : std::vector<int32_t>{5001};
    const std::vector<int32_t> before_last = reads_on ? std::vector<int32_t>{5001} : both;
    struct Case {
        std::string name, bytes;
        Outcome want;
    };
    std::vector<Case> cases = {
        {"byte-order mark", "\xEF\xBB\xBF" + r.head + first + second + r.end, {true, both, {}}},
        {"stray line at the start", r.head + "xyz\n" + first + second + r.end,
         {false, {}, {stray(lines(r.head) + 1) + "#vnum" + (r.end == "$~\n" ? "~ or $~)" : " or $)")}}},
        {"stray line between records", r.head + first + "xyz\n" + second + r.end,
         {false, first_only, {stray(lines(r.head + first) + 1) + r.expecting_after + ")"}}},
        {"stray line after the last record", r.head + first + second + "xyz\n" + r.end,
         {false, before_last, {stray(lines(r.head + first + second) + 1) + r.expecting_after + ")"}}},
        // The server reads nothing after the end mark either.
        {"text after the end mark", r.head + first + second + r.end + "xyz\n", {true, both, {}}},
        {"vnum used twice", r.head + first + first + r.end,
         {true, {5001, 5001},
          {std::string("Two ") + r.kind + " hold vnum #5001 in " + file + ": lines " +
           std::to_string(lines(r.head) + 1) + " and " + std::to_string(lines(r.head + first) + 1) +
           "."}}},
    };
    for (size_t f = 0; f < r.fields.size(); ++f) {
        Texts texts = plain;
        texts[f] = std::string(kMaxTildeString + 1, 'x');
        cases.push_back({r.fields[f] + " too long", r.head + first + r.record(5002, texts) + r.end,
                         {false, {5001}, {"SYSERR: String too large - truncated", r.too_long(f, 5002)}}});
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome got = load(r, c.bytes);
        EXPECT_EQ(got.ok, c.want.ok);
        EXPECT_EQ(got.vnums, c.want.vnums);
        if (c.want.ok) {
            EXPECT_EQ(got.messages, c.want.messages);
            continue;
        }
        // A damaged file is told once: the file, and the reader's own words.
        ASSERT_EQ(got.messages.size(), 1u) << ::testing::PrintToString(got.messages);
        EXPECT_EQ(got.messages[0].rfind(file + " could not be read from line ", 0), 0u) << got.messages[0];
        for (const auto& said : c.want.messages)
            EXPECT_NE(got.messages[0].find(said), std::string::npos) << said << "\n" << got.messages[0];
    }
}

// The list window's caption counts the records read, not the lines that
// start with '#': a description may hold such a line, and text after the end
// mark is no record.
TEST_P(ReaderOutcomes, TheCaptionCountsTheRecordsRead) {
    const RecordReader& r = GetParam();
    Texts texts(r.fields.size(), "text");
    for (size_t f = 0; f < texts.size(); ++f)
        if (r.fields[f] == "description" || r.fields[f] == "extra description")
            texts[f] = "A plaque on the wall reads:\n#1 in the realm";
    const std::string bytes = r.head + r.record(5001, texts) + r.record(5002, texts) + r.end +
                              "#5003 notes after the end\n";
    World world;
    MessageRecorder messages;
    ASSERT_TRUE(format_named(r.format)->read(world, bytes, FormatSettings{}, messages));
    const ListCaptions& c = world.captions;
    EXPECT_EQ(c.rooms + c.mobs + c.objects + c.shops,
              std::string(r.format) == "room" ? "2 Records." : "2 Registros.");
}

INSTANTIATE_TEST_SUITE_P(AllReaders, ReaderOutcomes, ::testing::ValuesIn(readers()),
                         [](const auto& p) { return std::string(p.param.format); });

// A byte-order mark changes nothing: every example file loads the same with
// one; a save keeps it, as it keeps every byte of what did not change, and
// re-formatting drops it.
TEST(ByteOrderMark, IsSkippedByEveryReaderAndNeverWritten) {
    test::TempDir dir;
    for (const auto& f : testkit::world_formats()) {
        SCOPED_TRACE(f.name);
        const std::string example = std::string(TARNWICK_EXAMPLES) + "/tarnwick" + f.extension;
        const std::string marked = dir.file(std::string("marked") + f.extension);
        test::write_bytes(marked, "\xEF\xBB\xBF" + test::read_bytes(example));
        World plain, with_mark;
        MessageRecorder m1, m2;
        ASSERT_TRUE(f.load(plain, example, FormatSettings{}, m1));
        ASSERT_TRUE(f.load(with_mark, marked, FormatSettings{}, m2));
        EXPECT_EQ(m2.texts(), m1.texts());
        std::vector<testkit::Difference> diffs;
        f.diff(plain, with_mark, diffs);
        EXPECT_TRUE(diffs.empty()) << (diffs.empty() ? "" : testkit::describe(diffs[0]));
        EXPECT_GT(f.count(with_mark), 0);
        MessageRecorder m3;
        EXPECT_EQ(f.text(with_mark, FormatSettings{}, m3), test::read_bytes(marked));
        FormatSettings anew;
        anew.house_style = true;
        EXPECT_EQ(f.text(with_mark, anew, m3).rfind("\xEF\xBB\xBF", 0), std::string::npos);
    }
}



// A zone name or author holding line breaks stays inside the banner's
// comment lines: every file reads back equal.
TEST(Banner, LineBreaksInNamesStayInComments) {
    FormatSettings settings;
    settings.zone_name = "Tarnwick\nMere";
    settings.author = "Ana\r\n\rBeth\n";
    settings.house_style = true;
    for (const auto& f : testkit::world_formats()) {
        SCOPED_TRACE(f.name);
        World plain;
        MessageRecorder m;
        ASSERT_TRUE(f.load(plain, std::string(TARNWICK_EXAMPLES) + "/tarnwick" + f.extension,
                           settings, m));
        const std::string text = f.text(plain, settings, m);
        World again;
        ASSERT_TRUE(f.read(again, text, settings, m)) << text.substr(0, 400);
        std::vector<testkit::Difference> diffs;
        f.diff(plain, again, diffs);
        EXPECT_TRUE(diffs.empty()) << (diffs.empty() ? "" : testkit::describe(diffs[0]));
        if (std::string(f.name) != "shop") {
            EXPECT_NE(text.find("*** Zone : Tarnwick Mere"), std::string::npos);
        }
        EXPECT_EQ(text.find("\nMere"), std::string::npos);
        EXPECT_EQ(text.find("\nBeth"), std::string::npos);
    }
}
}  // namespace reader_outcomes_test

