// The zone map window over the sample zone: opened from the Rooms menu, a
// double-click on a room opens it in the room editor, an exit added in the
// room editor shows up as a new line, the level shown exports as files, and
// a zone built from the map by keyboard and mouse saves and boots.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>
#include <QDialog>
#include <QGraphicsView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cstdio>
#include <filesystem>

#include "analysis/reset_rooms.h"
#include "editors/map_dig.h"
#include "project/map_memory.h"
#include "gui_support.h"
#include "server_boot.h"
#include "ui/editor_window.h"
#include "ui/map_view.h"
#include "ui/map_window.h"
#include "ui/record_list_window.h"
#include "ui/reset_window.h"

namespace tarnwick::test {
namespace map_window_test {

struct MapWindowTest : MainFixture {
    SampleZone zone;
    ui::MapWindow* map = nullptr;

    void SetUp() override {
        MainFixture::SetUp();
        ASSERT_TRUE(main->open_project(zone.project()));
        trigger("Mapa1");
        map = main->map_window();
        ASSERT_TRUE(map->isVisible());
        QApplication::processEvents();
    }
    int room_index(int32_t vnum) const { return state->world.find_room(vnum); }
    QPoint on_screen(int32_t vnum) const {
        const auto centre = map->room_centre(vnum);
        EXPECT_TRUE(centre) << vnum;
        return map->view()->mapFromScene(centre.value_or(QPointF()));
    }
    int lines() const { return map->item_count(ShapeRole::Exit); }
};

TEST_F(MapWindowTest, ClickSelectsAndDoubleClickOpensTheRoomEditor) {
    EXPECT_EQ(map->layout().rooms.size(), 12u);
    int on_level = 0;
    for (const MapRoom& r : map->layout().rooms) on_level += r.pos.level == map->level();
    EXPECT_EQ(map->item_count(ShapeRole::Room), on_level);
    QWidget* viewport = map->view()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, on_screen(18602));
    EXPECT_EQ(main->list(ListKind::Room)->list()->currentRow(), room_index(18602));
    EXPECT_FALSE(main->room_editor()->isVisible());

    QTest::mouseDClick(viewport, Qt::LeftButton, {}, on_screen(18603));
    EXPECT_TRUE(main->room_editor()->isVisible());
    EXPECT_EQ(main->room_editor()->current_index(), room_index(18603));
    EXPECT_EQ(main->list(ListKind::Room)->list()->currentRow(), room_index(18603));
}

TEST_F(MapWindowTest, AnExitAddedInTheRoomEditorShowsAsANewLine) {
    const int before = lines();
    QTest::mouseDClick(map->view()->viewport(), Qt::LeftButton, {}, on_screen(18601));
    ui::EditorWindow* editor = main->room_editor();
    ASSERT_EQ(editor->current_index(), room_index(18601));
    messages.answers = {Answer::No};  // not symmetric: a one-way exit
    on_next_modal([](QWidget* w) {
        auto* dialog = qobject_cast<QDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QLineEdit*>("EdVNum")->setText("18606");
        dialog->findChild<QPushButton*>("OkBtn")->click();
    });
    editor->findChild<QAction*>("ExAdd1")->trigger();  // east
    editor->findChild<QPushButton*>("ApplyBtn")->click();
    // The map redraws once the events of the edit are through.
    for (int waited = 0; lines() <= before && waited < 2000; waited += 10) QTest::qWait(10);
    EXPECT_GT(lines(), before);

    bool found = false;
    for (const MapExit& e : map->layout().exits)
        if (map->layout().rooms[size_t(e.from)].vnum == 18601 && e.direction == East) {
            found = true;
            EXPECT_EQ(e.target_vnum, 18606);
            EXPECT_FALSE(e.two_way);
        }
    EXPECT_TRUE(found);
}

TEST_F(MapWindowTest, ExportsTheLevelShownAsPngAndSvg) {
    const QString png = QString::fromStdString(zone.file("map.png"));
    const QString svg = QString::fromStdString(zone.file("map.svg"));
    ASSERT_TRUE(map->export_to(png));
    ASSERT_TRUE(map->export_to(svg));
    const QImage image(png);
    EXPECT_EQ(image.width(), int(map->scene()->sceneRect().width() + 0.5));
    EXPECT_NE(read_bytes(svg.toStdString()).find(">Reed Lane<"), std::string::npos);
}

// Coloured by what a reset leaves: each box takes its room's class colour,
// the legend counts the classes, and the reset window's slider moves the
// reset coloured by.
TEST_F(MapWindowTest, ColoursRoomsByWhatAResetLeaves) {
    auto* by = map->findChild<QComboBox*>("colourByBox");
    auto* spin = map->findChild<QSpinBox*>("colourResetSpin");
    auto* legend = map->findChild<QLabel*>("holdingLegend");
    ASSERT_TRUE(by && spin && legend);
    EXPECT_FALSE(spin->isEnabled());
    EXPECT_TRUE(legend->isHidden());
    auto box_fill = [&](int32_t vnum) -> std::string {
        map->set_level(map->layout().rooms[size_t(map->layout().find(vnum))].pos.level);
        for (QGraphicsItem* item : map->scene()->items())
            if (auto* s = dynamic_cast<ui::ShapeItem*>(item);
                s && s->map_shape().role == ShapeRole::Room && s->map_shape().room_vnum == vnum)
                return s->map_shape().fill;
        return "no box";
    };
    const std::pair<int32_t, RoomHolding> rooms[] = {
        {18600, RoomHolding::Mobs},         // the ferryman with his tankard
        {18604, RoomHolding::Mobs},         // the innkeeper; her lantern's R follows its O
        {18605, RoomHolding::ObjectsOnly},  // the chest, gold inside
        {18610, RoomHolding::ObjectsOnly},
        {18607, RoomHolding::Empty},        // a locked trapdoor only
    };
    by->setCurrentIndex(1);
    EXPECT_TRUE(spin->isEnabled());
    EXPECT_FALSE(legend->isHidden());
    EXPECT_TRUE(legend->text().contains("mobs 5")) << legend->text().toStdString();
    EXPECT_TRUE(legend->text().contains("objects only 2"));
    EXPECT_TRUE(legend->text().contains("empty 5"));
    for (const auto& [vnum, holding] : rooms) EXPECT_EQ(box_fill(vnum), holding_colour(holding)) << vnum;

    trigger("SimulateReset1");
    main->reset_window()->findChild<QSlider*>("ResetSlider")->setValue(2);
    EXPECT_EQ(spin->value(), 2);
    EXPECT_EQ(map->colour_reset(), 2);
    EXPECT_EQ(box_fill(18600), holding_colour(RoomHolding::Mobs));

    by->setCurrentIndex(0);
    EXPECT_TRUE(legend->isHidden());
    const int room = state->world.find_room(18600);
    EXPECT_EQ(box_fill(18600), sector_colour(state->world.rooms[size_t(room)].sector));
}

TEST_F(MapWindowTest, AMovedRoomStaysUntilLaidOutAgainAndDeleteRemovesTheSelectedExit) {
    // A room dragged by its middle to a free cell two columns east of the
    // rightmost room.
    const MapRoom moved = map->layout().rooms.front();
    int east = moved.pos.x;
    for (const MapRoom& r : map->layout().rooms)
        if (r.pos.level == moved.pos.level) east = std::max(east, r.pos.x);
    map->view()->setTransform(QTransform::fromScale(0.5, 0.5));
    const QPoint from = on_screen(moved.vnum);
    const QPoint to = map->view()->mapFromScene(*map->cell_beside(moved.vnum, east - moved.pos.x + 2, 0));
    QWidget* viewport = map->view()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    const GridPos kept = map->layout().rooms.front().pos;
    EXPECT_EQ(kept.x, east + 2);
    EXPECT_EQ(kept.y, moved.pos.y);
    // It stays there through a change of the zone and in the file beside
    // the project, and the world files know nothing of it.
    EXPECT_FALSE(state->world.changed);
    map->refresh();
    EXPECT_EQ(map->layout().rooms.front().pos, kept);
    const MapMemory file = load_map_memory(zone.file("tarnwick.map"));
    ASSERT_TRUE(file.placement.count(moved.vnum));
    EXPECT_EQ(file.placement.at(moved.vnum), kept);
    main->findChild<QAction*>("LayOutAgain")->trigger();
    EXPECT_EQ(map->layout().rooms.front().pos, moved.pos);
    EXPECT_TRUE(load_map_memory(zone.file("tarnwick.map")).placement.empty());

    // A click on the side an exit leaves by selects it; Delete removes it
    // as one step.
    int32_t vnum = -1;
    int direction = -1;
    for (const MapExit& e : map->layout().exits)
        if (e.direction < Up && e.target == ExitTarget::InZone &&
            map->layout().rooms[size_t(e.from)].pos.level == map->level()) {
            vnum = map->layout().rooms[size_t(e.from)].vnum;
            direction = e.direction;
            break;
        }
    ASSERT_GE(vnum, 0);
    map->fit();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, map->view()->mapFromScene(*map->grip_point(vnum, direction)));
    ASSERT_EQ(map->selected_exit(), (std::pair{vnum, direction}));
    QTest::keyClick(map->view(), Qt::Key_Delete);
    EXPECT_FALSE(state->world.rooms[size_t(room_index(vnum))].exits[size_t(direction)]);
    EXPECT_EQ(main->findChild<QAction*>("EditUndo")->text(),
              QString("&Undo Remove exit %1 of #%2").arg(direction_word(direction)).arg(vnum));
}

// Every exit of the rooms from `first` on, as "from direction to" lines.
std::vector<std::string> exits_from(const World& w, int32_t first) {
    std::vector<std::string> out;
    for (const room_data& r : w.rooms)
        for (int d = 0; d < kDirectionCount; ++d)
            if (r.exits[size_t(d)] && (r.vnum >= first || r.exits[size_t(d)]->target_vnum >= first))
                out.push_back(std::to_string(r.vnum) + " " + direction_word(d) + " " +
                              std::to_string(r.exits[size_t(d)]->target_vnum));
    std::sort(out.begin(), out.end());
    return out;
}

TEST_F(MapWindowTest, ARowDugFromTheKeyboardAndLinkedByDraggingSavesAndBoots) {
    // The walk starts at a room with no exit east.
    int32_t start = -1;
    for (const MapRoom& r : map->layout().rooms)
        if (r.pos.level == map->level() && !state->world.rooms[size_t(r.room_index)].exits[East]) {
            start = r.vnum;
            break;
        }
    ASSERT_GE(start, 0);
    const int32_t a = state->world.next_room_vnum(), b = a + 1, c = a + 2;
    const int rooms_before = state->world.room_count();
    QGraphicsView* view = map->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, on_screen(start));
    ASSERT_EQ(map->selected_room(), start);

    // Three rooms east; the first is named as it is dug, the others keep
    // the default name (Escape).
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    ASSERT_EQ(map->selected_room(), a);
    ASSERT_TRUE(map->name_editor() && map->name_editor()->isVisible());
    map->name_editor()->selectAll();
    QTest::keyClicks(map->name_editor(), "Reed Corner");
    QTest::keyClick(map->name_editor(), Qt::Key_Return);
    for (int32_t next : {b, c}) {
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        ASSERT_EQ(map->selected_room(), next);
        QTest::keyClick(map->name_editor(), Qt::Key_Escape);
        EXPECT_TRUE(map->isVisible());  // Escape closed the name field only
    }
    // Walking back west along the exits dug, then east again.
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(map->selected_room(), b);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(map->selected_room(), c);
    EXPECT_EQ(main->findChild<QAction*>("EditUndo")->text(),
              QString("&Undo Dig east from #%1").arg(b));

    // The last room linked north to the first by a drag, the exit back
    // accepted.
    view->setTransform(QTransform::fromScale(0.5, 0.5));
    view->centerOn(*map->room_centre(b));
    messages.answers = {Answer::Yes};
    const QPoint from = view->mapFromScene(*map->grip_point(c, North));
    const QPoint to = on_screen(a);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view->viewport(), (from + to) / 2);
    QTest::mouseMove(view->viewport(), to);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, to);
    const auto linked = exits_from(state->world, a);
    EXPECT_NE(std::find(linked.begin(), linked.end(), std::to_string(c) + " north " + std::to_string(a)),
              linked.end());
    EXPECT_NE(std::find(linked.begin(), linked.end(), std::to_string(a) + " south " + std::to_string(c)),
              linked.end());

    // Undo the link and the third room, redo the room.
    QAction* undo = main->findChild<QAction*>("EditUndo");
    QAction* redo = main->findChild<QAction*>("EditRedo");
    ASSERT_TRUE(undo && redo);
    undo->trigger();
    undo->trigger();
    EXPECT_EQ(state->world.find_room(c), -1);
    redo->trigger();
    ASSERT_EQ(state->world.room_count(), rooms_before + 3);
    const std::vector<std::string> expected = {
        std::to_string(start) + " east " + std::to_string(a), std::to_string(a) + " east " + std::to_string(b),
        std::to_string(a) + " west " + std::to_string(start), std::to_string(b) + " east " + std::to_string(c),
        std::to_string(b) + " west " + std::to_string(a),     std::to_string(c) + " west " + std::to_string(b)};
    std::vector<std::string> sorted = expected;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(exits_from(state->world, a), sorted);
    // The map follows the history.
    for (int waited = 0; map->layout().rooms.size() != size_t(rooms_before + 3) && waited < 2000; waited += 10)
        QTest::qWait(10);
    EXPECT_EQ(map->layout().rooms.size(), size_t(rooms_before + 3));

    // Saved and opened again, the zone holds exactly those rooms and exits.
    trigger("Guardar1");
    ASSERT_FALSE(state->world.changed) << (messages.texts().empty() ? "" : messages.texts().back());
    ASSERT_TRUE(main->open_project(zone.project()));
    ASSERT_EQ(state->world.room_count(), rooms_before + 3);
    EXPECT_EQ(exits_from(state->world, a), sorted);
    EXPECT_EQ(state->world.rooms[size_t(state->world.find_room(a))].name, "Reed Corner");
    EXPECT_EQ(state->world.rooms[size_t(state->world.find_room(c))].sector,
              state->world.rooms[size_t(state->world.find_room(start))].sector);

    // The real server boots the saved zone without complaint.
    const std::filesystem::path server = TARNWICK_SERVER_DEFAULT;
    if (!std::filesystem::exists(server / "check-world.sh")) GTEST_SKIP() << "no server at " << server;
    TempDir world;
    for (const char* ext : {"wld", "mob", "obj", "zon", "shp"}) {
        std::filesystem::create_directories(world.path() / ext);
        std::filesystem::copy_file(zone.file(std::string("tarnwick.") + ext),
                                   world.path() / ext / (std::string("tarnwick.") + ext));
    }
    const auto boot = testkit::boot_server(server, "circle30", world.path());
    EXPECT_EQ(boot.exit, 0) << boot.log;
    EXPECT_EQ(boot.syserr, 0) << boot.log;
}

}  // namespace map_window_test
}  // namespace tarnwick::test
