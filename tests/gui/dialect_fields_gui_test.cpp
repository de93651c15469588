// A tbaMUD zone edited through the editors' own fields: zone 30 of the
// tbaMUD corpus opened from a world folder, a room's fourth flag word and a
// mob's trigger list changed through the widgets and saved (the exit dialog
// offering hidden doors on the way). Only the two records change, the rest
// of every file stays byte for byte, and the real server boots the saved
// folder as well as it boots the zone unedited.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

#include "gui_support.h"
#include "server_boot.h"
#include "ui/editor_window.h"

namespace tarnwick::test {
namespace dialect_fields_gui_test {

namespace fs = std::filesystem;

fs::path shared_dir() {
    if (const char* env = std::getenv("TARNWICK_SHARED")) return env;
    return fs::path(TARNWICK_EXAMPLES) / ".." / ".." / "shared";
}

// The records of a world file by their "#vnum" line, each with its text up
// to the next record; "" holds what comes before the first.
std::map<std::string, std::string> records(const std::string& text) {
    std::map<std::string, std::string> out;
    std::string key;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        if (text[at] == '#') key = text.substr(at, text.find_first_of("\r\n", at) - at);
        out[key] += text.substr(at, end - at);
        at = end;
    }
    return out;
}

template <class W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_TRUE(w) << name;
    return w;
}

using DialectFieldsTest = MainFixture;

TEST_F(DialectFieldsTest, RoomFlagWordAndMobTriggersSaveOnlyThoseRecords) {
    const fs::path corpus = shared_dir() / "corpus-tbamud";
    if (!fs::is_regular_file(corpus / "zon" / "30.zon")) GTEST_SKIP() << "no tbaMUD corpus";
    TempDir copy;
    const fs::path world = copy.path() / "world";
    for (const char* kind : {"wld", "mob", "obj", "zon", "shp", "trg", "qst"}) {
        fs::create_directories(world / kind);
        const fs::path file = corpus / kind / (std::string("30.") + kind);
        if (fs::exists(file)) fs::copy_file(file, world / kind / file.filename());
    }
    const fs::path unedited = copy.path() / "unedited";
    fs::copy(world, unedited, fs::copy_options::recursive);

    ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string()), 30));
    World& w = state->world;
    ASSERT_EQ(w.dialect, Dialect::TbaMud);
    const int room = w.find_room(3001), mob = w.find_mob(3012);
    ASSERT_GE(room, 0);
    ASSERT_GE(mob, 0);
    ASSERT_EQ(w.mobs[size_t(mob)].triggers, TriggerList{3016});

    // The room: its fourth flag word, on the page a tbaMUD zone shows.
    main->EditordeRooms1Click();
    ui::EditorWindow* rooms = main->room_editor();
    rooms->select_record(room);
    auto* room_pages = child<QTabWidget>(rooms, "PageControl1");
    QWidget* room_page = child<QWidget>(rooms, "dialectPage");
    ASSERT_TRUE(room_pages && room_page);
    EXPECT_TRUE(room_pages->isTabVisible(room_pages->indexOf(room_page)));
    room_pages->setCurrentWidget(room_page);
    auto* word4 = child<QSpinBox>(rooms, "roomFlagWord4");
    ASSERT_TRUE(word4);
    word4->selectAll();
    QTest::keyClicks(word4, "8");
    child<QPushButton>(rooms, "ApplyBtn")->click();
    EXPECT_EQ(w.rooms[size_t(room)].flags_more, (MoreFlags{0, 0, 8}));
    // Its exit dialog offers tbaMUD's hidden doors.
    auto* exits = child<QTreeWidget>(rooms, "ExitBox");
    ASSERT_TRUE(exits && exits->topLevelItemCount() > 0);
    exits->setCurrentItem(exits->topLevelItem(0));
    on_next_modal([](QWidget* modal) {
        auto* doors = modal->findChild<QComboBox*>("ComboBox1");
        ASSERT_TRUE(doors);
        EXPECT_EQ(doors->count(), 5);
        EXPECT_EQ(doors->itemText(3), "Hidden door");
        EXPECT_EQ(doors->itemText(4), "Hidden pick-proof door");
        static_cast<QDialog*>(modal)->reject();
    });
    child<QPushButton>(rooms, "ExEdit")->click();

    // The mob: attach 3005 (a mobile trigger of the zone), remove 3016.
    main->EditordeMobs1Click();
    ui::EditorWindow* mobs = main->mob_editor();
    mobs->select_record(mob);
    auto* list = child<QListWidget>(mobs, "triggerList");
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "#3016  Kind Soul Gives Newbie Equipment");
    on_next_modal([](QWidget* modal) {
        // The chooser offers the zone's mobile triggers but the one attached.
        auto* choices = modal->findChild<QListWidget*>("triggerChoices");
        ASSERT_TRUE(choices);
        QListWidgetItem* thief = nullptr;
        for (int i = 0; i < choices->count(); ++i) {
            EXPECT_FALSE(choices->item(i)->text().startsWith("#3016")) << "attached already";
            if (choices->item(i)->text() == "#3005  Stock Thief") thief = choices->item(i);
        }
        ASSERT_TRUE(thief);
        choices->setCurrentItem(thief);
        EXPECT_EQ(modal->findChild<QLineEdit*>("triggerVnum")->text(), "3005");
        static_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(mobs, "addTrigger")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "#3005  Stock Thief");
    list->setCurrentRow(0);
    child<QPushButton>(mobs, "removeTrigger")->click();
    ASSERT_EQ(list->count(), 1);
    child<QPushButton>(mobs, "ApplyBtn")->click();
    EXPECT_EQ(w.mobs[size_t(mob)].triggers, TriggerList{3005});

    messages.clear();
    main->Guardar1Click();
    EXPECT_FALSE(w.changed);
    for (const auto& m : messages.entries) ADD_FAILURE() << "saving said: " << m.text;

    // Every file but the two edited ones is as it was; in those, only the
    // edited record changed.
    for (const auto& e : fs::recursive_directory_iterator(unedited)) {
        if (!e.is_regular_file()) continue;
        const fs::path rel = fs::relative(e.path(), unedited);
        const std::string before = read_bytes(e.path().string());
        const std::string after = read_bytes((world / rel).string());
        const char* edited = rel == "wld/30.wld" ? "#3001" : rel == "mob/30.mob" ? "#3012" : nullptr;
        if (!edited) {
            EXPECT_EQ(after, before) << rel << " changed";
            continue;
        }
        auto old_records = records(before), new_records = records(after);
        ASSERT_EQ(old_records.size(), new_records.size()) << rel;
        for (const auto& [key, text] : old_records)
            if (key == edited)
                EXPECT_NE(new_records[key], text) << rel << " " << key << " did not change";
            else
                EXPECT_EQ(new_records[key], text) << rel << " " << key << " changed";
    }

    // Opened again, the zone shows the edits.
    ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string()), 30));
    const int saved_room = w.find_room(3001), saved_mob = w.find_mob(3012);
    ASSERT_GE(saved_room, 0);
    ASSERT_GE(saved_mob, 0);
    EXPECT_EQ(w.rooms[size_t(saved_room)].flags_more, (MoreFlags{0, 0, 8}));
    EXPECT_EQ(w.mobs[size_t(saved_mob)].triggers, TriggerList{3005});

    const fs::path server = shared_dir() / "server-tbamud";
    if (!fs::exists(server / "check-world.sh")) {
        std::printf("[ NOTE     ] no tbaMUD server source: the saved zone was not booted\n");
        return;
    }
    const auto base = testkit::boot_server(server, "tbamud", unedited, true);
    const auto edited = testkit::boot_server(server, "tbamud", world, true);
    EXPECT_EQ(base.exit, 0) << base.log;
    EXPECT_EQ(edited.exit, 0) << edited.log;
    EXPECT_LE(edited.syserr, base.syserr);
    EXPECT_EQ(edited.rewrote, 0);
}

}  // namespace dialect_fields_gui_test
}  // namespace tarnwick::test
