#include <gtest/gtest.h>

#include "test_support.h"
#include "world/bitvector.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/scan.h"
#include "world/text_source.h"
#include "world/wrap.h"

using namespace tarnwick;

TEST(Bitvector, FromTextAcceptsLettersAndNumbers) {
    EXPECT_EQ(flags_from_text("abd"), 11);
    EXPECT_EQ(flags_from_text("131072"), 131072);
    EXPECT_EQ(flags_from_text("aF"), int32_t(0x80000001u));
    EXPECT_EQ(flags_from_text(""), 0);
    EXPECT_EQ(flags_from_text("-1"), 0);
    EXPECT_EQ(flags_from_text("G"), 1);  // wraps to bit 0
    // Bit 31 in number form reads back when written unsigned.
    EXPECT_EQ(flags_from_text("2147483648"), INT32_MIN);
    EXPECT_EQ(flags_from_text("99999999999999999999999"), -1);
}

TEST(Bitvector, ToTextWritesLettersAndABlank) {
    std::string out;
    flags_to_text(out, 0);
    flags_to_text(out, 11);
    flags_to_text(out, INT32_MIN);
    EXPECT_EQ(out, "0 abd F ");
    out.clear();
    flags_to_number(out, INT32_MIN);
    EXPECT_EQ(out, "2147483648");
}

// Each of the 32 bits has its own letter, a-z then A-F, both ways.
TEST(Bitvector, EveryBitHasItsLetter) {
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEF";
    for (int bit = 0; bit < 32; ++bit) {
        SCOPED_TRACE(bit);
        const int32_t bits = int32_t(1u << bit);
        std::string out;
        flags_to_text(out, bits);
        EXPECT_EQ(out, std::string(1, letters[size_t(bit)]) + " ");
        EXPECT_EQ(flags_from_text(letters.substr(size_t(bit), 1)), bits);
    }
    std::string all;
    flags_to_text(all, -1);
    EXPECT_EQ(all, letters + " ");
    EXPECT_EQ(flags_from_text(letters), -1);
}

TEST(Scan, FollowsScanfPatternsWithRangeChecks) {
    int32_t a = 0, b = 0, c = 0;
    std::string word;
    EXPECT_EQ(scan(" 30 abd 0 ", " %d %s %d ", a, word, b), 3);
    EXPECT_EQ(word, "abd");
    int32_t d[9] = {};
    EXPECT_EQ(scan("1 20 -3 2d8+-2 1d4+0", " %d %d %d %dd%d+%d %dd%d+%d ", d[0], d[1], d[2], d[3],
                   d[4], d[5], d[6], d[7], d[8]),
              9);
    EXPECT_EQ(d[5], -2);
    EXPECT_EQ(scan("1 99999999999 3", "%d %d %d", a, b, c), 1);  // out of range stops
    EXPECT_EQ(scan("", "%d", a), 0);
    float f = 0;
    EXPECT_EQ(scan("1.10", "%f", f), 1);
    EXPECT_FLOAT_EQ(f, 1.1f);
    EXPECT_FALSE(to_int32("12x", a));
    EXPECT_TRUE(to_int32(" -7 ", a));
    EXPECT_EQ(a, -7);
}

TEST(Scan, NumbersAtThe32BitLimits) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    };
    const Case cases[] = {
        {"2147483647", true, INT32_MAX},   {"-2147483648", true, INT32_MIN},
        {"2147483648", false, 0},          {"-2147483649", false, 0},
        {"00000000000000000042", true, 42}, {"-0000000000002147483648", true, INT32_MIN},
        {"12345678901", false, 0},         {"+17", true, 17},
        {"-", false, 0},                   {" \t-0", true, 0},
    };
    for (const Case& c : cases) {
        int32_t v = 0;
        size_t pos = 0;
        EXPECT_EQ(parse_int32(c.text, pos, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        } else {
            EXPECT_EQ(pos, 0u) << c.text;  // a failed number consumes nothing
        }
    }
    int32_t a = 0, b = 0, c = 0;
    EXPECT_EQ(scan_numbers(" 1 -1 3001 ", a, b, c), 3);
    EXPECT_EQ(c, 3001);
    EXPECT_EQ(scan_numbers("1 x 3", a, b, c), 1);
}

TEST(TextSource, ReadLineSkipsBlankAndCommentLinesAndCountsThem) {
    TextSource in("* banner\n\nfirst\r\n*x\nsecond");
    std::string line;
    EXPECT_EQ(in.read_line(line), 3);
    EXPECT_EQ(line, "first");
    EXPECT_EQ(in.read_line(line), 2);
    EXPECT_EQ(line, "second");  // a last line without a break is still read
    EXPECT_EQ(in.read_line(line), 0);
}

TEST(TextSource, LongLinesAreReadWhole) {
    std::string long_line(100000, 'x');
    TextSource in(long_line + "\n$\n");
    std::string line;
    in.read_line(line);
    EXPECT_EQ(line.size(), 100000u);
    MessageRecorder m;
    int indicator = 0;
    TextSource text(std::string(600, 'y') + "~\n");
    EXPECT_EQ(text.read_tilde_string(indicator, m).size(), 600u);
}

// Files are read whole in one read of their size: the sizes around the
// reader's own block and a file with CR LF line ends come back byte for
// byte; a missing file and a folder fail with their reason.
TEST(TextSource, OpenReadsWholeFilesAndNamesWhyOneCannotBeRead) {
    test::TempDir dir;
    for (const size_t size : {size_t(0), size_t(1), size_t(16383), size_t(16384), size_t(200001)}) {
        std::string bytes(size, 'a');
        for (size_t i = 0; i < size; i += 97) bytes[i] = i % 2 ? '\r' : '\n';
        const std::string path = dir.file("f" + std::to_string(size) + ".wld");
        test::write_bytes(path, bytes);
        std::string read;
        ASSERT_TRUE(read_file_bytes(path, read)) << size;
        EXPECT_EQ(read, bytes) << size;
        TextSource in;
        ASSERT_TRUE(in.open(path)) << size;
        EXPECT_EQ(in.raw(), bytes) << size;
        EXPECT_EQ(in.name(), "f" + std::to_string(size) + ".wld");
    }
    std::string reason, read = "kept";
    TextSource in;
    EXPECT_FALSE(in.open(dir.file("missing.wld"), &reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(read_file_bytes(dir.file("missing.wld"), read));
    EXPECT_EQ(read, "kept");
    EXPECT_FALSE(in.open(dir.path().string(), &reason));
    EXPECT_EQ(reason, "is a directory");
}

TEST(TextSource, CountRecordLinesCountsLineStartsOnly) {
    TextSource in("#1\nfoo #2\n#3\r\n");
    EXPECT_EQ(in.count_record_lines(), 2);
}

TEST(TildeString, CutsAtTildeAndKeepsLineFeeds) {
    MessageRecorder m;
    int indicator = 0;
    TextSource in("~\nabc~def\nabc\n~\nline\r\ntwo\r\n~\n");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "abc");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "abc\n");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "line\ntwo\n");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "");  // end of file
    EXPECT_EQ(indicator, 0);
    EXPECT_TRUE(m.entries.empty());
}

TEST(TildeString, TheRestOfTheTildeLineIsSkippedUpToTheEndOfFile) {
    MessageRecorder m;
    int indicator = 0;
    TextSource in("name~ ignored\n~\nlast~");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "name");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "");
    EXPECT_EQ(in.read_tilde_string(indicator, m), "last");
    EXPECT_TRUE(in.at_end());
    TextSource lone("~");
    EXPECT_EQ(lone.read_tilde_string(indicator, m), "");
    EXPECT_TRUE(lone.at_end());
    EXPECT_EQ(indicator, 0);
}

TEST(TildeString, TooLongSetsTheIndicatorWithItsMessage) {
    MessageRecorder m;
    int indicator = 0;
    std::string text;
    for (int i = 0; i < 200; ++i) text += std::string(60, 'a') + "\n";
    TextSource in(text + "~\n");
    std::string got = in.read_tilde_string(indicator, m);
    EXPECT_EQ(indicator, kStringTooLong);
    EXPECT_LE(got.size(), kMaxTildeString);
    EXPECT_EQ(m.texts(), std::vector<std::string>{"SYSERR: String too large - truncated"});
}

TEST(WrapColumns, BreaksAtTheFirstBlankPastTheWidth) {
    EXPECT_EQ(wrap_columns("abcd efgh ijkl mnop qrst", 10), "abcd efgh ijkl\nmnop qrst\n");
    EXPECT_EQ(wrap_columns("one\r\ntwo\n\nthree", 75), "one two three\n");
    // Wrapping again adds one more blank before the final line feed.
    EXPECT_EQ(wrap_columns(wrap_columns("a b\n", 75), 75), "a b  \n");
    EXPECT_EQ(wrap_columns(std::string(30, 'x') + " y", 10), std::string(30, 'x') + "\ny\n");
}
