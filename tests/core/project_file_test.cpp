#include <gtest/gtest.h>

#include <filesystem>

#include "project/project_file.h"
#include "test_support.h"
#include "world/atomic_file.h"
#include "world/messages.h"

using namespace tarnwick;
using tarnwick::test::read_bytes;
using tarnwick::test::TempDir;
using tarnwick::test::write_bytes;

namespace project_file_test {

AreaProject sample_project() {
    AreaProject p;
    p.zone_name = "Tarnwick Mere";
    p.author = "Ana";
    p.zone_file = "mere.zon";
    p.room_file = "C:\\mud\\mere.wld";
    p.mob_file = "mere.mob";
    p.object_file = "mere.obj";
    p.shop_file = "mere.shp";
    p.zone_number = 186;
    for (int w = 0; w < kProjectWindowCount; ++w)
        p.windows[w] = {w % 2 == 0, 10 + w, 20 + w, 300 + w, 400 + w};
    return p;
}

int32_t int_at(const std::string& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(uint8_t(bytes[offset + i])) << (8 * i);
    return int32_t(v);
}

std::string encode(const AreaProject& p) {
    std::string out, error;
    EXPECT_TRUE(encode_project_record(p, out, error)) << error;
    return out;
}

bool all_zero(const std::string& bytes, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (bytes[i] != 0) return false;
    return true;
}


TEST(ProjectFile, RecordLayoutIsLittleEndianWithZeroFill) {
    AreaProject p = sample_project();
    p.zone_number = 0x01020304;
    std::string bytes = encode(p);
    ASSERT_EQ(bytes.size(), 3684u);
    const std::string texts[] = {p.zone_name,   p.author,      p.zone_file, p.room_file,
                                 p.mob_file,    p.object_file, p.shop_file};
    for (int i = 0; i < 7; ++i) {
        size_t at = size_t(i) * 500;
        EXPECT_EQ(bytes.substr(at, texts[i].size()), texts[i]) << i;
        EXPECT_TRUE(all_zero(bytes, at + texts[i].size(), at + 500)) << i;
    }
    EXPECT_EQ(bytes.substr(3500, 4), std::string("\x04\x03\x02\x01", 4));
    for (int w = 0; w < kProjectWindowCount; ++w) {
        size_t at = 3504 + size_t(w) * 20;
        EXPECT_EQ(bytes[at], w % 2 == 0 ? 1 : 0) << w;
        EXPECT_TRUE(all_zero(bytes, at + 1, at + 4)) << w;
        EXPECT_EQ(int_at(bytes, at + 4), 10 + w);
        EXPECT_EQ(int_at(bytes, at + 8), 20 + w);
        bool editor = w == 2 || w == 4 || w == 6 || w == 8;
        EXPECT_EQ(int_at(bytes, at + 12), editor ? 0 : 300 + w) << w;
        EXPECT_EQ(int_at(bytes, at + 16), editor ? 0 : 400 + w) << w;
    }
    p.zone_number = -2;
    EXPECT_EQ(encode(p).substr(3500, 4), std::string("\xFE\xFF\xFF\xFF", 4));
}

TEST(ProjectFile, DecodingIgnoresUnusedBytesAndEndsFullSlots) {
    std::string bytes = encode(sample_project());
    bytes[13 + 1] = 'X';                  // after the zone name's zero byte
    bytes[3504 + 1] = 7;                  // padding after the main window's visible byte
    bytes[3504 + 2 * 20 + 12] = 9;        // the room editor's width
    bytes[3504 + 1 * 20] = 2;             // any non-zero visible byte means shown
    bytes.replace(500, 500, std::string(500, 'a'));  // an author with no zero byte
    AreaProject p;
    p.project_path = "kept";
    ASSERT_TRUE(decode_project_record(bytes, p));
    EXPECT_EQ(p.project_path, "kept");
    EXPECT_EQ(p.zone_name, "Tarnwick Mere");
    EXPECT_EQ(p.author, std::string(500, 'a'));
    EXPECT_EQ(p.zone_file, "mere.zon");  // the full slot did not run into the next one
    EXPECT_EQ(p.windows[int(ProjectWindow::RoomEditor)].width, 0);
    EXPECT_TRUE(p.windows[int(ProjectWindow::RoomList)].visible);
    EXPECT_EQ(p.windows[int(ProjectWindow::Main)].height, 400);  // read, though not restored
    EXPECT_FALSE(decode_project_record(bytes.substr(1), p));
}

TEST(ProjectFile, WriteAndReadRoundTripByteIdentically) {
    TempDir dir;
    AreaProject p = sample_project();
    MessageRecorder messages;
    ASSERT_TRUE(write_project_file(dir.file("a.qzp"), p, messages));
    EXPECT_TRUE(messages.entries.empty());
    std::string first = read_bytes(dir.file("a.qzp"));
    AreaProject back;
    std::string error;
    ASSERT_TRUE(read_project_file(dir.file("a.qzp"), back, error)) << error;
    for (int w : {2, 4, 6, 8}) p.windows[w].width = p.windows[w].height = 0;
    EXPECT_EQ(back, p);
    ASSERT_TRUE(write_project_file(dir.file("b.qzp"), back, messages));
    EXPECT_EQ(read_bytes(dir.file("b.qzp")), first);
}

TEST(ProjectFile, RefusesFilesThatAreNotOneRecord) {
    TempDir dir;
    std::string bytes = encode(sample_project());
    AreaProject p;
    std::string error;
    write_bytes(dir.file("short.qzp"), bytes.substr(0, 3683));
    EXPECT_FALSE(read_project_file(dir.file("short.qzp"), p, error));
    EXPECT_EQ(error, "Error!\n" + dir.file("short.qzp") +
                         " is not a project file: it is shorter than the 3684 bytes of a "
                         "project file.");
    write_bytes(dir.file("long.qzp"), bytes + "x");
    EXPECT_FALSE(read_project_file(dir.file("long.qzp"), p, error));
    EXPECT_NE(error.find("it is longer than"), std::string::npos);
    EXPECT_FALSE(read_project_file(dir.file("none.qzp"), p, error));
    EXPECT_EQ(error.rfind("Error while opening file.\n" + dir.file("none.qzp") + ": ", 0), 0u);
    EXPECT_FALSE(read_project_file(dir.path().string(), p, error));
    EXPECT_EQ(error, "Error while opening file.\n" + dir.path().string() +
                         " is a folder, not a project file.");
    EXPECT_EQ(p, AreaProject{});  // nothing was taken from a refused file
}

TEST(ProjectFile, TooLongTextIsRefusedAndNothingWritten) {
    TempDir dir;
    AreaProject p = sample_project();
    p.author = std::string(499, 'x');  // the longest that fits
    MessageRecorder messages;
    ASSERT_TRUE(write_project_file(dir.file("a.qzp"), p, messages));
    const std::string before = read_bytes(dir.file("a.qzp"));
    EXPECT_EQ(before.substr(500, 499), p.author);
    EXPECT_EQ(before[999], '\0');

    p.object_file = std::string(500, 'o');
    EXPECT_FALSE(write_project_file(dir.file("a.qzp"), p, messages));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"The Objects File is 500 bytes long; a project file holds "
                                       "at most 499. Shorten it and save again. Nothing was "
                                       "saved."});
    EXPECT_EQ(read_bytes(dir.file("a.qzp")), before);
}

TEST(ProjectFile, WriteFailuresKeepThePreviousFile) {
    TempDir dir;
    MessageRecorder messages;
    EXPECT_FALSE(write_project_file(dir.file("nodir/a.qzp"), sample_project(), messages));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Error al abrir archivo.\nAseg\xFArese de que el disco no "
                                       "este protegido contra escritura"});
    ASSERT_TRUE(write_project_file(dir.file("a.qzp"), sample_project(), messages));
    const std::string before = read_bytes(dir.file("a.qzp"));
    messages.clear();
    set_write_function_for_tests([](const void*, size_t, std::FILE*) { return size_t(0); });
    AreaProject changed = sample_project();
    changed.zone_name = "Other";
    EXPECT_FALSE(write_project_file(dir.file("a.qzp"), changed, messages));
    set_write_function_for_tests(nullptr);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error writing file!"});
    EXPECT_EQ(read_bytes(dir.file("a.qzp")), before);
}

TEST(WindowLayout, StoreDropsEditorSizesAndApplyFollowsTheRecord) {
    WindowLayouts live{};
    for (int w = 0; w < kProjectWindowCount; ++w) live[w] = {true, w, w, 100 + w, 200 + w};
    WindowLayouts record{};
    store_window_layout(live, record);
    EXPECT_EQ(record[int(ProjectWindow::MobList)], live[int(ProjectWindow::MobList)]);
    EXPECT_EQ(record[int(ProjectWindow::MobEditor)], (window_layout{true, 4, 4, 0, 0}));
    EXPECT_EQ(record[int(ProjectWindow::Main)].height, 200);  // written

    WindowLayouts now{};
    now[int(ProjectWindow::Main)] = {true, 0, 0, 800, 73};
    now[int(ProjectWindow::ShopList)] = {false, 1, 1, 50, 60};
    record[int(ProjectWindow::ShopList)] = {false, 5, 6, 0, 0};  // no size stored
    apply_window_layout(record, now);
    EXPECT_EQ(now[int(ProjectWindow::Main)], (window_layout{true, 0, 0, 100, 73}));
    EXPECT_EQ(now[int(ProjectWindow::RoomList)], (window_layout{true, 1, 1, 101, 201}));
    EXPECT_EQ(now[int(ProjectWindow::RoomEditor)], (window_layout{true, 2, 2, 0, 0}));
    EXPECT_EQ(now[int(ProjectWindow::ShopList)], (window_layout{false, 5, 6, 50, 60}));
}
}  // namespace project_file_test
