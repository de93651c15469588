#include <gtest/gtest.h>

#include <filesystem>

#include "formats/zone_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;

namespace zone_file_test {

const char* kBanner =
    "*********************************************************************************\n"
    "*** Zone : Mere\n"
    "*** Author : someone\n"
    "*** Zone formatted by hand\n"
    "*********************************************************************************\n";

// Banner (lines 1-5), header (6-8), commands from line 9 on.
std::string zone_text(const std::string& commands) {
    return std::string(kBanner) + "#186\nThe Tarnwick Mere~\n18699 20 2\n" + commands;
}

struct Loaded {
    World world;
    MessageRecorder messages;
    bool ok = false;
};

Loaded load(const std::string& text) {
    Loaded l;
    l.ok = read_zone(l.world, text, l.messages);
    return l;
}

std::vector<zCommand> commands_of(const World& w) { return {w.zone.commands.begin(), w.zone.commands.end()}; }

zCommand cmd(char letter, int if_flag, int a1, int a2, int a3 = 0) {
    zCommand c;
    c.command = letter;
    c.if_flag = uint8_t(if_flag);
    c.arg1 = a1;
    c.arg2 = a2;
    c.arg3 = a3;
    return c;
}


TEST(ZoneFile, ReadsHeaderAndCommandsWithPhysicalLineNumbers) {
    Loaded l = load(zone_text(
        "* mobiles\n"
        "M 0 18600 1 18605 \t* the ferryman\n"
        "\n"
        "G 1 3001 10\n"
        "   * an indented comment\n"
        "\tE 5 18601 1 16\n"
        "R 0 18604 18600\n"
        "S\n"
        "M 0 1 1 1\n"));
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    const zone_header& z = l.world.zone;
    EXPECT_EQ(z.zone_number, 186);
    EXPECT_EQ(z.name, "The Tarnwick Mere");
    EXPECT_EQ(z.top, 18699);
    EXPECT_EQ(z.lifespan, 20);
    EXPECT_EQ(z.reset_mode, 2);
    auto c = commands_of(l.world);
    ASSERT_EQ(c.size(), 5u);  // reading stops at the S line, which becomes a command
    EXPECT_TRUE(c[0].same_command(cmd('M', 0, 18600, 1, 18605)));
    EXPECT_EQ(c[0].line, 10);
    EXPECT_TRUE(c[1].same_command(cmd('G', 1, 3001, 10, 0)));
    EXPECT_EQ(c[1].line, 12);
    EXPECT_TRUE(c[2].same_command(cmd('E', 1, 18601, 1, 16)));  // if_flag 5 reads as 1
    EXPECT_EQ(c[2].line, 14);
    EXPECT_TRUE(c[3].same_command(cmd('R', 0, 18604, 18600)));
    EXPECT_EQ(c[4].command, 'S');
}

TEST(ZoneFile, NameIsCutAtTheTildeOrTakenWhole) {
    Loaded a = load("#1\nTwo words~ and more\n1 2 3\n$\n");
    ASSERT_TRUE(a.ok);
    EXPECT_EQ(a.world.zone.name, "Two words");
    Loaded b = load("#1\nNo tilde here\n1 2 3\n$\n");
    ASSERT_TRUE(b.ok);
    EXPECT_EQ(b.world.zone.name, "No tilde here");
    ASSERT_EQ(b.world.zone.commands.size(), 1u);
    EXPECT_EQ(b.world.zone.commands.front().command, 'S');
}

TEST(ZoneFile, ReadFailuresReportWhereAndClearCommandsAndName) {
    struct Case {
        std::string text;
        std::string message;
    };
    const Case cases[] = {
        {kBanner, "Zone file is empty."},
        {std::string(kBanner) + "\n186\nName~\n1 2 3\nS\n", "Format error in zone, line 7\n"},
        {std::string(kBanner) + "#186\n", "Format error in zone, line 7\n"},
        {zone_text("").replace(zone_text("").find("18699 20 2"), 10, "18699 20"),
         "Format error in 3-constant line of The Tarnwick Mere"},
        {zone_text("M 0 1 1 1\n"), "Format error in The Tarnwick Mere - premature end of file\n"},
        {zone_text("* c\n\nO 0 18605 1\nS\n"),
         "Format error in The Tarnwick Mere, line 11: 'O 0 18605 1'\n"},
        {zone_text("   \nS\n"), "Format error in The Tarnwick Mere, line 9: '   '\n"},
    };
    for (const Case& c : cases) {
        Loaded l;
        l.world.zone.commands.push_back(cmd('M', 1, 1, 1, 1));
        l.world.zone.name = "old";
        EXPECT_FALSE(read_zone(l.world, c.text, l.messages)) << c.text;
        EXPECT_EQ(l.messages.texts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_TRUE(l.world.zone.commands.empty());
        EXPECT_EQ(l.world.zone.name, "");
    }
    // The numbers read before the failure stay.
    Loaded l = load(zone_text("G 1\n"));
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.world.zone.zone_number, 186);
    EXPECT_EQ(l.world.zone.top, 18699);
}

TEST(ZoneFile, LoadingReplacesTheCommandsAndAMissingFileKeepsThem) {
    TempDir dir;
    const std::string path = dir.file("z.zon");
    test::write_bytes(path, zone_text("M 0 1 1 1\r\nS\r\n"));
    World w;
    MessageRecorder m;
    ASSERT_TRUE(load_zone_file(w, path, m));
    ASSERT_TRUE(load_zone_file(w, path, m));
    EXPECT_EQ(w.zone.commands.size(), 2u);
    EXPECT_FALSE(load_zone_file(w, dir.file("none.zon"), m));
    EXPECT_EQ(w.zone.commands.size(), 2u);
    EXPECT_TRUE(m.entries.empty());
}

TEST(ZoneFile, WritesLfLinesWithoutAnSLineAndEndsWithDollarTilde) {
    World w;
    w.zone.zone_number = 186;
    w.zone.name = "The Mere";
    w.zone.top = 18699;
    w.zone.lifespan = 20;
    w.zone.reset_mode = 2;
    room_data room;
    room.vnum = 18605;
    room.name = "The Quay";
    w.rooms.push_back(room);
    w.zone.commands = {cmd('M', 0, 18600, 1, 18605), cmd('G', 1, 3001, 10), cmd('R', 0, 18605, 7),
                       cmd('X', 1, -1, 123456), cmd('S', 1, 0, 0)};
    FormatSettings s;
    s.zone_name = "Mere";
    s.author = "Ann";
    const std::string text = zone_file_text(w, s);
    const std::string stars(81, '*');
    EXPECT_EQ(text,
              stars + "\n"
              "*** Zone : Mere\n"
              "*** Author : Ann\n"
              "*** Zone formatted by Tarnwick - mailto:builders@tarnwick.invalid\n" +
              stars + "\n"
              "#186\n"
              "The Mere~\n"
              " 18699 20 2 \n"
              "\n"
              "M     0 18600     1 18605\t* Load (no existente) in The Quay\n"
              "G     1  3001    10\t\t* Give it Not existing or outside of zone\n"
              "R     0 18605     7\t\t* Remove Not existing or outside of zone from The Quay\n"
              "X     1    -1 123456\t\t* Invalid or unknown command\n"
              "$~\n");
    // What was written reads back as the same commands, S included.
    Loaded back = load(text);
    ASSERT_TRUE(back.ok);
    auto c = commands_of(back.world);
    ASSERT_EQ(c.size(), 5u);
    for (size_t i = 0; i < 4; ++i) EXPECT_TRUE(c[i].same_command(*std::next(w.zone.commands.begin(), long(i))));
    EXPECT_EQ(c[4].command, 'S');
}

TEST(ZoneFile, CommentsStayOnTheirLineWhateverTheNames) {
    World w;
    w.zone.name = "Two\nlines";
    room_data room;
    room.vnum = 5;
    room.name = "A name\r\nover two lines";
    w.rooms.push_back(room);
    w.zone.commands = {cmd('D', 1, 5, 0, 1)};
    const std::string text = zone_file_text(w, {});
    EXPECT_NE(text.find("Two lines~\n"), std::string::npos);
    EXPECT_NE(text.find("\t* Close door Norte     of room A name  over two lines\n"),
              std::string::npos);
    Loaded back = load(text);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.world.zone.commands.size(), 2u);

    // The server reads 254 bytes of a zone line: a long name's comment is cut.
    w.rooms[0].name = std::string(300, 'n');
    const std::string long_text = zone_file_text(w, {});
    const size_t start = long_text.find("D     1");
    ASSERT_NE(start, std::string::npos);
    EXPECT_EQ(long_text.find('\n', start) - start, 254u);
}

TEST(ZoneFile, SavingCommitsTheHeaderFieldsAndTheTop) {
    TempDir dir;
    const std::string path = dir.file("z.zon");
    World w;
    w.zone.top = 4242;
    MessageRecorder m;
    ZoneHeaderFields f;
    f.zone_number = 30;
    f.name = "Midgaard";
    f.lifespan = 15;
    f.reset_mode = 1;
    f.top = 3000;
    ASSERT_TRUE(save_zone_file(w, path, f, {}, m));
    EXPECT_EQ(w.zone.zone_number, 30);
    EXPECT_EQ(w.zone.name, "Midgaard");
    EXPECT_EQ(w.zone.lifespan, 15);
    EXPECT_EQ(w.zone.reset_mode, 1);
    EXPECT_EQ(w.zone.top, 3000);
    // The top is the builder's: rooms above it do not move it.
    w.rooms.resize(2);
    w.rooms[0].vnum = 3001;
    w.rooms[1].vnum = 3142;
    ASSERT_TRUE(save_zone_file(w, path, f, {}, m));
    EXPECT_EQ(w.zone.top, 3000);
    f.top = 3099;
    ASSERT_TRUE(save_zone_file(w, path, f, {}, m));
    EXPECT_EQ(w.zone.top, 3099);
    EXPECT_NE(test::read_bytes(path).find("~\n 3099 15 1 \n"), std::string::npos);
    EXPECT_TRUE(m.entries.empty());

    // A file that cannot be written: the header is committed all the same,
    // the caller learns of the failure.
    f.name = "Renamed";
    EXPECT_FALSE(save_zone_file(w, dir.file("missing/z.zon"), f, {}, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Imposible abrir zona."});
    EXPECT_EQ(w.zone.name, "Renamed");
    EXPECT_EQ(zone_header_fields(w).name, "Renamed");
}

TEST(ZoneFile, CorpusFilesReadBackTheSameAfterSaving) {
    auto folder = test::corpus_dir() / "circle30" / "zon";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        World first;
        MessageRecorder m;
        ASSERT_TRUE(load_zone_file(first, entry.path().string(), m)) << entry.path();
        EXPECT_TRUE(m.entries.empty()) << entry.path();
        FormatSettings anew;
        anew.house_style = true;
        EXPECT_EQ(zone_file_text(first, {}), test::read_bytes(entry.path().string())) << entry.path();
        const std::string text = zone_file_text(first, anew);
        EXPECT_EQ(text.find("\nS "), std::string::npos) << entry.path();
        EXPECT_EQ(text.substr(text.size() - 4), "\n$~\n");
        EXPECT_EQ(text.find('\r'), std::string::npos) << entry.path();
        Loaded second = load(text);
        ASSERT_TRUE(second.ok) << entry.path();
        EXPECT_EQ(second.world.zone.zone_number, first.zone.zone_number);
        EXPECT_EQ(second.world.zone.name, first.zone.name);
        EXPECT_EQ(second.world.zone.top, first.zone.top);
        EXPECT_EQ(second.world.zone.lifespan, first.zone.lifespan);
        EXPECT_EQ(second.world.zone.reset_mode, first.zone.reset_mode);
        auto a = commands_of(first), b = commands_of(second.world);
        ASSERT_EQ(a.size(), b.size()) << entry.path();
        for (size_t i = 0; i < a.size(); ++i)
            EXPECT_TRUE(a[i].same_command(b[i])) << entry.path() << " command " << i;
        ++files;
    }
    EXPECT_GT(files, 0);
}

// Every door state of a D command survives reading and writing.
TEST(ZoneFile, DoorStatesSurviveReadAndWrite) {
    const std::vector<zCommand> doors = {cmd('D', 0, 18600, 0, 0), cmd('D', 0, 18601, 1, 1),
                                         cmd('D', 1, 18602, 5, 2)};
    Loaded l = load(zone_text("D 0 18600 0 0\nD 0 18601 1 1\nD 1 18602 5 2\nS\n$\n"));
    ASSERT_TRUE(l.ok);
    Loaded again = load(zone_file_text(l.world, FormatSettings{}));
    ASSERT_TRUE(again.ok);
    for (const Loaded* z : {&l, &again}) {
        const auto got = commands_of(z->world);
        ASSERT_EQ(got.size(), doors.size() + 1);
        for (size_t i = 0; i < doors.size(); ++i)
            EXPECT_TRUE(got[i].same_command(doors[i])) << i << ": state " << got[i].arg3;
        EXPECT_EQ(got.back().command, 'S');
    }
}
}  // namespace zone_file_test
