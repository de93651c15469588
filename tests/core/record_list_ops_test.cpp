// Add, clone, remove and view source of the record lists, and where an
// editor's pending edits go when the table changes under it.

#include <gtest/gtest.h>

#include "editors/recent_files.h"
#include "editors/record_editor.h"
#include "editors/record_list_ops.h"
#include "formats/room_file.h"
#include "project/memory_settings_store.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace record_list_ops_test {

// An editor that logs what the lists ask of it.
class LogEditor : public RecordEditor {
public:
    explicit LogEditor(int shown) : shown_(shown) {}
    void select_record(int index) override {
        log.push_back("select " + std::to_string(index));
        shown_ = index;
    }
    int current_index() const override { return shown_; }
    void apply_pending() override { log.push_back("apply " + std::to_string(shown_)); }
    void discard_pending() override {
        log.push_back("discard " + std::to_string(shown_));
        shown_ = -1;
    }
    std::vector<std::string> log;

private:
    int shown_;
};

World rooms_with(std::initializer_list<int32_t> vnums) {
    World w;
    for (int32_t v : vnums) {
        room_data r;
        r.vnum = v;
        r.name = "Room " + std::to_string(v);
        w.rooms.push_back(r);
    }
    return w;
}

std::vector<int32_t> room_vnums(const World& w) {
    std::vector<int32_t> out;
    for (const auto& r : w.rooms) out.push_back(r.vnum);
    return out;
}

TEST(RecordListOps, AddGivesNextVnumAndDefaults) {
    MessageRecorder msgs;
    World empty;
    empty.project_zone_number = 186;
    ASSERT_EQ(add_record(empty, ListKind::Room, msgs, nullptr), 0);
    EXPECT_EQ(empty.rooms[0].vnum, 18600);
    EXPECT_EQ(empty.rooms[0].name, "An empty room");
    EXPECT_EQ(empty.rooms[0].description, "You are standing in an empty room.\n");
    EXPECT_TRUE(empty.changed);

    World two = rooms_with({3001, 3010});
    EXPECT_EQ(add_record(two, ListKind::Room, msgs, nullptr), 2);
    EXPECT_EQ(two.rooms[2].vnum, 3011);

    World zero = rooms_with({0});
    add_record(zero, ListKind::Room, msgs, nullptr);
    EXPECT_EQ(zero.rooms[1].vnum, 1);

    add_record(empty, ListKind::Mob, msgs, nullptr);
    const char_data& m = empty.mobs[0];
    EXPECT_EQ(m.short_name, "A dummy mob");
    EXPECT_EQ(m.ac, 10);
    EXPECT_EQ(m.hit_dices * 100 + m.hit_sides * 10 + m.hit_add, 181);
    EXPECT_EQ(m.load_pos, 8);
    add_record(empty, ListKind::Object, msgs, nullptr);
    EXPECT_EQ(empty.objects[0].short_description, "a thing");
    EXPECT_EQ(empty.objects[0].type, 12);
    add_record(empty, ListKind::Shop, msgs, nullptr);
    EXPECT_EQ(empty.shops[0].vnum, 18600);
    // Open at every hour of the server's day (0 to 23), as the server tests
    // the hours: closed before open1, or after close1 and outside open2-close2.
    const shop_data& s = empty.shops[0];
    for (int hour = 0; hour < 24; ++hour) {
        const bool closed = s.start1 > hour || (s.end1 < hour && (s.start2 > hour || s.end2 < hour));
        EXPECT_FALSE(closed) << "hour " << hour;
    }
    EXPECT_TRUE(msgs.entries.empty());
}

TEST(RecordListOps, AddAndCloneRefusedOneShortOfCapacity) {
    MessageRecorder msgs;
    World w;
    w.rooms.resize(kRoomCapacity - 2);
    for (int i = 0; i < w.room_count(); ++i) w.rooms[i].vnum = i;
    EXPECT_GE(add_record(w, ListKind::Room, msgs, nullptr), 0);
    EXPECT_EQ(w.room_count(), kRoomCapacity - 1);
    EXPECT_EQ(add_record(w, ListKind::Room, msgs, nullptr), -1);
    EXPECT_EQ(clone_record(w, ListKind::Room, 0, msgs, nullptr), -1);
    EXPECT_EQ(w.room_count(), kRoomCapacity - 1);
    EXPECT_EQ(msgs.texts(), (std::vector<std::string>{"Maximum number of rooms reached",
                                                      "Maximum numer of rooms reached."}));

    msgs.clear();
    World m;
    m.mobs.resize(kMobCapacity - 1);
    EXPECT_EQ(add_record(m, ListKind::Mob, msgs, nullptr), -1);
    EXPECT_EQ(clone_record(m, ListKind::Mob, 0, msgs, nullptr), -1);
    m.objects.resize(kObjectCapacity - 1);
    EXPECT_EQ(add_record(m, ListKind::Object, msgs, nullptr), -1);
    m.shops.resize(kShopCapacity - 1);
    EXPECT_EQ(add_record(m, ListKind::Shop, msgs, nullptr), -1);
    EXPECT_EQ(msgs.texts(), (std::vector<std::string>{
                                "Maximum mobs reached!\nWhy more, you wildman??",
                                "Maximum number of mobs reached", "Maximum number of objects reached",
                                "Maximum number of shops reached"}));
}

TEST(RecordListOps, CloneCopiesWhatARecordMayShare) {
    MessageRecorder msgs;
    World w = rooms_with({100});
    w.rooms[0].description = "Wet.\n";
    w.rooms[0].flags = 9;
    w.rooms[0].sector = 6;
    w.rooms[0].extra_descs.push_back({"sign", "It reads: keep out.\n"});
    w.rooms[0].exits.slot(North) = room_direction_data{};
    ASSERT_EQ(clone_record(w, ListKind::Room, 0, msgs, nullptr), 1);
    const room_data& c = w.rooms[1];
    EXPECT_EQ(c.vnum, 101);
    EXPECT_EQ(c.name, "Room 100");
    EXPECT_EQ(c.description, "Wet.\n");
    EXPECT_EQ(c.flags, 9);
    EXPECT_EQ(c.sector, 6);
    EXPECT_TRUE(c.extra_descs.empty());
    EXPECT_FALSE(c.exits[North]);

    char_data m;
    m.vnum = 50;
    m.short_name = "a guard";
    m.level = 12;
    m.thaco = 7;
    m.sex = 2;
    m.enhanced = true;
    m.especs.push_back({"Str", "18"});
    w.mobs.push_back(m);
    ASSERT_EQ(clone_record(w, ListKind::Mob, 0, msgs, nullptr), 1);
    EXPECT_EQ(w.mobs[1].vnum, 51);
    EXPECT_EQ(w.mobs[1].short_name, "a guard");
    EXPECT_EQ(w.mobs[1].level, 12);
    EXPECT_TRUE(w.mobs[1].enhanced);
    EXPECT_EQ(w.mobs[1].thaco, 0);
    EXPECT_EQ(w.mobs[1].sex, 0);
    EXPECT_TRUE(w.mobs[1].especs.empty());

    // No selection, or a table without Clone: nothing, silently.
    EXPECT_EQ(clone_record(w, ListKind::Room, -1, msgs, nullptr), -1);
    EXPECT_EQ(clone_record(w, ListKind::Object, 0, msgs, nullptr), -1);
    EXPECT_EQ(w.room_count(), 2);
    EXPECT_TRUE(msgs.entries.empty());
}

TEST(RecordListOps, RemoveMovesLastIntoHoleAndSorts) {
    World w = rooms_with({10, 20, 30});
    w.changed = false;
    EXPECT_FALSE(remove_record(w, ListKind::Room, -1, nullptr));
    EXPECT_FALSE(remove_record(w, ListKind::Room, 3, nullptr));
    EXPECT_FALSE(w.changed);
    ASSERT_TRUE(remove_record(w, ListKind::Room, 1, nullptr));
    EXPECT_EQ(room_vnums(w), (std::vector<int32_t>{10, 30}));
    EXPECT_TRUE(w.changed);
    ASSERT_TRUE(remove_record(w, ListKind::Room, 1, nullptr));
    EXPECT_EQ(room_vnums(w), (std::vector<int32_t>{10}));
}

TEST(RecordListOps, PendingEditsStayWithTheirRecord) {
    MessageRecorder msgs;
    // The editor shows 30 (index 2); removing 10 moves 30 into slot 0 and
    // the sort puts it at 1: the editor follows it there.
    World w = rooms_with({10, 20, 30});
    LogEditor follows(2);
    remove_record(w, ListKind::Room, 0, &follows);
    EXPECT_EQ(follows.log, (std::vector<std::string>{"apply 2", "discard 2", "select 1"}));
    EXPECT_EQ(w.rooms[1].vnum, 30);

    // The editor shows the record removed: its edits are dropped.
    World v = rooms_with({10, 20, 30});
    LogEditor dropped(1);
    remove_record(v, ListKind::Room, 1, &dropped);
    EXPECT_EQ(dropped.log, (std::vector<std::string>{"discard 1", "select -1"}));

    // Add and Clone apply the edits to the record shown before the new one.
    World u = rooms_with({10, 20});
    LogEditor adds(0);
    add_record(u, ListKind::Room, msgs, &adds);
    clone_record(u, ListKind::Room, 1, msgs, &adds);
    EXPECT_EQ(adds.log,
              (std::vector<std::string>{"apply 0", "select 2", "apply 2", "select 3"}));
}

TEST(RecordListOps, SourceIsTheRecordAsItsFileHoldsIt) {
    MessageRecorder msgs;
    World w = rooms_with({18600, 18601});
    w.rooms[1].description = "Plain.\n";
    FormatSettings settings;
    std::string expected;
    write_room_record(w, 1, settings, expected);
    bool warned = false;
    const std::string text = record_source(w, ListKind::Room, 1, settings, msgs, warned);
    EXPECT_EQ(text, expected);
    EXPECT_EQ(text.substr(0, 7), "#18601\n");
    EXPECT_EQ(text.substr(text.size() - 2), "S\n");
    EXPECT_EQ(text.find("\nD"), std::string::npos);
    EXPECT_TRUE(record_source(w, ListKind::Room, 2, settings, msgs, warned).empty());
    EXPECT_TRUE(record_source(w, ListKind::Room, -1, settings, msgs, warned).empty());
    EXPECT_EQ(records_title(12), "12 Records.");
}

TEST(RecentFilesTest, KeepsNineMostRecentFirstAndStoresInMenuOrder) {
    RecentFiles recent;
    for (int i = 1; i <= 10; ++i) recent.add("/z/" + std::to_string(i) + ".qzp");
    recent.add("/z/5.qzp");
    ASSERT_EQ(recent.entries().size(), 9u);
    EXPECT_EQ(recent.entries()[0], "/z/5.qzp");
    EXPECT_EQ(recent.entries()[1], "/z/10.qzp");
    EXPECT_EQ(recent.entries()[8], "/z/2.qzp");

    MemorySettingsStore store;
    store.write_string("FileHistory", "File12", "stale");
    recent.store(store);
    EXPECT_FALSE(store.value("FileHistory", "File12"));
    EXPECT_EQ(store.value("FileHistory", "File1"), "/z/5.qzp");
    EXPECT_EQ(store.value("FileHistory", "File9"), "/z/2.qzp");

    RecentFiles back;
    back.read(store);
    EXPECT_EQ(back.entries(), recent.entries());
}

}  // namespace record_list_ops_test
}  // namespace tarnwick
