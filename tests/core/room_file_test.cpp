#include <gtest/gtest.h>

#include <filesystem>

#include "formats/room_file.h"
#include "test_support.h"
#include "world/atomic_file.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;

namespace room_file_test {

const char* kTwoRooms =
    "#3001\n"
    "The Temple~\n"
    "A quiet temple.\n"
    "~\n"
    "30 abd 0\n"
    "D0\n"
    "North you see the square.\n"
    "~\n"
    "door~\n"
    "2 3050 3002\n"
    "E\n"
    "altar~\n"
    "A stone altar.\n"
    "~\n"
    "E\n"
    "statue~\n"
    "A marble statue.\n"
    "~\n"
    "S\n"
    "#3002\n"
    "~\n"
    "~\n"
    "30 0 1\n"
    "D2\n"
    "~\n"
    "~\n"
    "5 -1 3001\n"
    "S\n"
    "$\n";

struct Loaded {
    World world;
    MessageRecorder messages;
    bool ok = false;
};

Loaded load(const std::string& text, FormatSettings settings = {}) {
    Loaded l;
    l.ok = read_rooms(l.world, text, settings, l.messages);
    return l;
}

std::string save_text(const World& world, FormatSettings settings = {}) {
    settings.house_style = true;  // the writer's own layout
    return room_file_text(world, settings);
}

std::string without_banner(const std::string& file) {
    size_t pos = 0;
    for (int i = 0; i < 5; ++i) pos = file.find('\n', pos) + 1;
    return file.substr(pos);
}


TEST(RoomFile, ReadsRoomsExitsAndExtraDescriptions) {
    Loaded l = load(kTwoRooms);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    ASSERT_EQ(l.world.room_count(), 2);
    const room_data& r = l.world.rooms[0];
    EXPECT_EQ(r.name, "The Temple");
    EXPECT_EQ(r.description, "A quiet temple.\n");
    EXPECT_EQ(r.flags, 11);
    ASSERT_TRUE(r.exits[North]);
    EXPECT_EQ(r.exits[North]->door, 2);
    EXPECT_EQ(r.exits[North]->key_vnum, 3050);
    EXPECT_EQ(r.exits[North]->target_vnum, 3002);
    ASSERT_EQ(r.extra_descs.size(), 2u);
    EXPECT_EQ(r.extra_descs[0].keywords, "altar");  // file order
    EXPECT_EQ(l.world.rooms[1].exits[South]->door, 0);  // a door code of 5 becomes 0
    EXPECT_EQ(l.world.rooms[1].name, "");
    EXPECT_EQ(l.world.captions.rooms, "2 Records.");
}

TEST(RoomFile, WritesTheExactFileLayout) {
    Loaded l = load(kTwoRooms);
    l.world.project_zone_number = 31;
    FormatSettings settings;
    settings.zone_name = "Temple";
    settings.author = "Ana";
    std::string out = save_text(l.world, settings);
    EXPECT_EQ(out.substr(0, 82), std::string(81, '*') + "\n");
    EXPECT_NE(out.find("*** Zone : Temple\n*** Author : Ana\n"), std::string::npos);
    EXPECT_EQ(without_banner(out),
              "#3001\nThe Temple~\nA quiet temple.\n~\n31 11 0\n"
              "D0\nNorth you see the square.\n~\ndoor~\n2 3050 3002\n"
              "E\naltar~\nA stone altar.\n~\nE\nstatue~\nA marble statue.\n~\nS\n"
              "#3002\n~\n~\n31 0 1\nD2\n~\n~\n0 -1 3001\nS\n$\n");
    settings.alpha_bitvectors = true;
    EXPECT_NE(save_text(l.world, settings).find("\n31 abd 0\n"), std::string::npos);
}

TEST(RoomFile, SaveAndLoadKeepEveryField) {
    Loaded first = load(kTwoRooms);
    first.world.rooms[1].flags = INT32_MIN | 4;  // bit 31 survives in number form
    Loaded second = load(save_text(first.world));
    ASSERT_TRUE(second.ok);
    ASSERT_EQ(second.world.room_count(), 2);
    EXPECT_EQ(second.world.rooms[0], first.world.rooms[0]);
    EXPECT_EQ(second.world.rooms[1], first.world.rooms[1]);
}

TEST(RoomFile, ReadsCrLfAndAMissingLastLineBreak) {
    std::string text = kTwoRooms;
    std::string crlf;
    for (char c : text) c == '\n' ? crlf += "\r\n" : crlf += c;
    crlf.resize(crlf.size() - 2);  // "$" without a line break
    Loaded l = load(crlf);
    ASSERT_TRUE(l.ok) << l.messages.texts().size();
    EXPECT_EQ(l.world.rooms[0], load(kTwoRooms).world.rooms[0]);
}

TEST(RoomFile, EndsAtHighRecordNumberAndSortsByVnum) {
    Loaded l = load("#3005\nB~\n~\n0 0 0\nS\n#3001\nA~\n~\n0 0 0\nS\n#99999\ngarbage\n");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.world.room_count(), 2);
    EXPECT_EQ(l.world.rooms[0].vnum, 3001);
}

TEST(RoomFile, EmptyFileLoadsWithItsMessage) {
    Loaded l = load("* just a comment\n$\n");
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(l.messages.texts(), std::vector<std::string>{"No rooms in this file."});
}

// Each broken input and the one message it must give: the reader's own
// words, where the damage starts and how many records were lost; the rooms
// before the damage stay loaded.
TEST(RoomFile, BrokenInputsGiveTheirMessages) {
    const auto lost = [](int line, const std::string& said, const std::string& rest) {
        return "The file could not be read from line " + std::to_string(line) + " on: " + said +
               " " + rest;
    };
    const std::string none = "1 record could not be read; none came before.";
    const std::string dse = "Format error in room #3001 (expecting D/E/S).";
    struct Case {
        std::string text;
        std::string message;
        int rooms;
    } cases[] = {
        {"#3001\nA~\n~\n0 0 0\nS\n",
         lost(6, "(1) Format error after room #3001.",
              "No record was lost: the 1 room before line 6 was loaded."),
         1},
        {"#abc\n$\n", lost(1, "Unexpected line 1: '#abc' (expecting #vnum or $).", none), 0},
        // CircleMUD has exits D0 to D5 only; tbaMUD's diagonals D6 to D9 are refused.
        {"#3001\nA~\n~\n0 0 0\nD6\n~\n~\n0 0 0\nS\n$\n", lost(1, dse, none), 0},
        {"#3001\nA~\n~\n0 0 0\nD-1\n~\n~\n0 0 0\nS\n$\n", lost(1, dse, none), 0},
        {"#3001\nA~\n~\n0 0\nS\n$\n", lost(1, "Format error in room #3001.", none), 0},
        {"#3001\nA~\n~\n0 0 0\nX\n$\n", lost(1, dse, none), 0},
        {"#3001\nA~\n~\n0 0 0\n", lost(1, dse, none), 0},
        // A room cut short after a whole one: the whole one stays.
        {"#3000\nZ~\n~\n0 0 0\nS\n#3001\nA~\n~\n0 0 0\nD9\n~\n~\n0 0 0\nS\n#3002\nB~\n",
         lost(6, dse, "2 records could not be read; the 1 room before line 6 was loaded."), 1},
        // An exit line error fails the next room's name read.
        {"#3001\nA~\n~\n0 0 0\nD2\n~\n~\n0 -1\nS\n#3002\nB~\n~\n0 0 0\nS\n$\n",
         lost(10,
              "Format Error, room #3001, direction D2. Error reading name of room #3002.",
              "1 record could not be read; the 1 room before line 10 was loaded."),
         1},
        // ... or an extra description of the same room.
        {"#3001\nA~\n~\n0 0 0\nD2\n~\n~\n0\nE\nk~\nt~\nS\n$\n",
         lost(1,
              "Format Error, room #3001, direction D2. Error reading keyword for extra "
              "description (#3001).",
              none),
         0},
    };
    for (const auto& c : cases) {
        Loaded l = load(c.text);
        EXPECT_FALSE(l.ok) << c.text;
        EXPECT_EQ(l.messages.texts(), std::vector<std::string>{c.message}) << c.text;
        EXPECT_EQ(l.world.room_count(), c.rooms) << c.text;
    }
    // With no check after it, an exit error in the last room still loads.
    Loaded last = load("#3001\nA~\n~\n0 0 0\nD2\n~\n~\n0 -1\nS\n$\n");
    EXPECT_TRUE(last.ok);
    EXPECT_EQ(last.messages.texts(), std::vector<std::string>{"Format Error, room #3001, direction D2"});
}

TEST(RoomFile, TooManyRoomsAreRefusedWhole) {
    std::string text;
    for (int i = 0; i <= kRoomCapacity; ++i) text += "#" + std::to_string(i) + "\nR~\n~\n0 0 0\nS\n";
    Loaded l = load(text + "$\n");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.world.room_count(), 0);
    ASSERT_EQ(l.messages.entries.size(), 2u);
    EXPECT_NE(l.messages.entries[0].text.find("1000 rooms"), std::string::npos);
}

TEST(RoomFile, ColumnCheckWrapsDescriptionsAfterLoading) {
    FormatSettings settings;
    settings.column_check = true;
    settings.columns = 10;
    Loaded l = load("#1\nR~\nabcd efgh ijkl mnop\n~\n0 0 0\nE\nk~\nabcd efgh ijkl\n~\nS\n$\n", settings);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.world.rooms[0].description, "abcd efgh ijkl\nmnop \n");
    EXPECT_EQ(l.world.rooms[0].extra_descs[0].description, "abcd efgh ijkl\n\n");
}

TEST(RoomFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    const std::string path = dir.file("zone.wld");
    test::write_bytes(path, "old contents");
    Loaded l = load(kTwoRooms);
    MessageRecorder m;
    set_write_function_for_tests([](const void*, size_t, std::FILE*) { return size_t(10); });
    EXPECT_FALSE(save_room_file(l.world, path, {}, m));
    set_write_function_for_tests(nullptr);
    EXPECT_EQ(test::read_bytes(path), "old contents");
    ASSERT_EQ(m.entries.size(), 1u);
    EXPECT_EQ(m.entries[0].text.rfind("Could not write " + path, 0), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

    EXPECT_FALSE(save_room_file(l.world, dir.file("missing/zone.wld"), {}, m));
    EXPECT_EQ(m.entries.back().text, "Error al abrir archivo " + dir.file("missing/zone.wld"));
    EXPECT_TRUE(save_room_file(l.world, path, {}, m));
    EXPECT_EQ(test::read_bytes(path), room_file_text(l.world, {}));
}

TEST(RoomFile, CorpusFilesSurviveALoadAndASave) {
    auto folder = test::corpus_dir() / "circle30" / "wld";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        Loaded first;
        ASSERT_TRUE(load_room_file(first.world, entry.path().string(), {}, first.messages))
            << entry.path();
        EXPECT_TRUE(first.messages.entries.empty()) << entry.path();
        Loaded second = load(save_text(first.world));
        ASSERT_TRUE(second.ok) << entry.path();
        ASSERT_EQ(second.world.room_count(), first.world.room_count());
        for (int i = 0; i < first.world.room_count(); ++i)
            EXPECT_EQ(second.world.rooms[i], first.world.rooms[i])
                << entry.path() << " room #" << first.world.rooms[i].vnum;
        ++files;
    }
    EXPECT_GT(files, 0);
}
}  // namespace room_file_test
