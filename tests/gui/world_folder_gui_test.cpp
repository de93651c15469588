// Open World Folder on a copy of the corpus: the zone table lists every
// zone with its counts, zone 30 opens in place, the rest of the folder
// arrives in the background to name, offer and resolve what zone 30 points
// to, and saving it changes only zone 30's files.

#include <gtest/gtest.h>

#include <QDialog>
#include <QListWidget>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTreeWidget>

#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/other_zones_reader.h"
#include "editors/record_lines.h"
#include "gui_support.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "ui/editor_window.h"
#include "ui/problems_window.h"
#include "ui/record_list_window.h"
#include "ui/selection_dialogs.h"
#include "ui/world_zones_dialog.h"
#include "world/other_zones.h"

namespace tarnwick::test {
namespace world_folder_gui_test {

namespace fs = std::filesystem;

fs::path corpus_world() {
    if (const char* env = std::getenv("TARNWICK_CORPUS")) return fs::path(env) / "circle30";
    return fs::path(TARNWICK_EXAMPLES) / ".." / ".." / "shared" / "corpus" / "circle30";
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        if (e.is_regular_file())
            files[fs::relative(e.path(), dir).string()] = read_bytes(e.path().string());
    return files;
}

using WorldFolderTest = MainFixture;

TEST_F(WorldFolderTest, ListsEveryZoneOpensZone30AndSavesOnlyItsFiles) {
    if (!fs::is_directory(corpus_world() / "zon")) GTEST_SKIP() << "no corpus";
    TempDir copy;
    fs::copy(corpus_world(), copy.path() / "world", fs::copy_options::recursive);
    const fs::path world = copy.path() / "world";
    const auto before = snapshot(world);
    const auto expected = list_world_zones(world.string());

    std::vector<QString> shown;
    on_next_modal([&](QWidget* modal) {
        auto* dialog = qobject_cast<ui::WorldZonesDialog*>(modal);
        ASSERT_TRUE(dialog);
        QTableWidget* table = dialog->table();
        ASSERT_EQ(table->rowCount(), int(expected.size()));
        for (int r = 0; r < table->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < 8; ++c) cells << table->item(r, c)->text();
            shown.push_back(cells.join('|'));
            if (table->item(r, 0)->text() == "30") table->selectRow(r);
        }
        dialog->accept();
    });
    ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string())));
    QSignalSpy arrived(&state->context, &ui::AppContext::otherZonesChanged);
    // The zone has no window layout: its room list shows.
    EXPECT_TRUE(main->list(ListKind::Room)->isVisible());

    ASSERT_EQ(shown.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const WorldZone& z = expected[i];
        EXPECT_TRUE(z.problem.empty()) << z.problem;
        EXPECT_EQ(shown[i], QString("%1|%2|%3|%4|%5|%6|%7|%8")
                                .arg(z.number).arg(QString::fromStdString(z.name)).arg(z.top)
                                .arg(z.rooms).arg(z.mobs).arg(z.objects).arg(z.shops)
                                .arg(z.commands));
    }
    EXPECT_EQ(state->project.zone_number, 30);
    EXPECT_EQ(state->world.room_count(), 59);
    ASSERT_GE(state->world.find_room(3001), 0);

    // A room of zone 30 with an exit into zone 31, shown before the rest of
    // the folder arrives and named once it has.
    const World& w = state->world;
    int room = -1, exit_line = 0;
    int32_t target = -1;
    for (size_t i = 0; i < w.rooms.size() && room < 0; ++i) {
        exit_line = 0;
        for (const auto& e : w.rooms[i].exits) {
            if (e && e->target_vnum / 100 == 31) {
                room = int(i), target = e->target_vnum;
                break;
            }
            exit_line += e ? 1 : 0;
        }
    }
    ASSERT_GE(room, 0) << "zone 30 has no exit into zone 31";
    WorldFolder folder;
    SilentMessages silent;
    ASSERT_TRUE(read_world_folder(world.string(), folder, silent));
    std::string target_name;
    for (const World& z : folder.zones)
        if (int i = z.find_room(target); i >= 0) target_name = z.rooms[size_t(i)].name;
    const QString named = QString::fromStdString(target_name + " (zone 31)");

    main->Editar2Click();
    main->room_editor()->select_record(room);
    auto* exits = main->room_editor()->findChild<QTreeWidget*>("ExitBox");
    ASSERT_TRUE(exits);
    ASSERT_GT(exits->topLevelItemCount(), exit_line);
    if (arrived.isEmpty()) {
        EXPECT_EQ(exits->topLevelItem(exit_line)->text(2), kNoRoomName) << "named before it was read";
        ASSERT_TRUE(arrived.wait(10000)) << "the rest of the folder never arrived";
    }
    EXPECT_EQ(exits->topLevelItem(exit_line)->text(1), QString::number(target));
    EXPECT_EQ(exits->topLevelItem(exit_line)->text(2), named);
    EXPECT_EQ(main->other_zones_reader()->running(), 0);

    // The room chooser offers zone 31's rooms after zone 30's own.
    const PickLines rooms = room_pick_lines(w);
    on_next_modal([&](QWidget* modal) {
        auto* list = modal->findChild<QListWidget*>("ListBox1");
        ASSERT_TRUE(list);
        EXPECT_EQ(list->count(), int(rooms.lines.size()));
        EXPECT_GT(list->count(), w.room_count());
        const auto found = list->findItems(QString("#%1   ---   ").arg(target) + named,
                                           Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        EXPECT_GE(list->row(found[0]), w.room_count()) << "other zones come after the zone's own";
        list->setCurrentItem(found[0]);
        static_cast<QDialog*>(modal)->accept();
    });
    EXPECT_EQ(pick_room_vnum(state->context.chooser, w), target);

    // The checker resolves the exits into the other zones.
    main->CheckZone1Click();
    for (const Finding& f : main->problems()->findings()) {
        EXPECT_EQ(f.check.find("elsewhere"), std::string::npos) << f.message;
        EXPECT_FALSE(f.check == "exit-target" && f.vnum == w.rooms[size_t(room)].vnum) << f.message;
    }

    state->world.rooms[size_t(state->world.find_room(3001))].name = "The Temple, renamed";
    state->world.changed = true;
    main->Guardar1Click();
    EXPECT_FALSE(state->world.changed);
    auto after = snapshot(world);
    EXPECT_EQ(after.size(), before.size()) << "no project file and no other new file";
    for (const auto& [name, bytes] : before) {
        if (fs::path(name).stem() == "30") continue;
        EXPECT_EQ(after[name], bytes) << name << " changed";
    }
    EXPECT_NE(after["wld/30.wld"].find("The Temple, renamed~"), std::string::npos);
}

}  // namespace world_folder_gui_test
}  // namespace tarnwick::test
