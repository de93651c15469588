// The zone map window over the sample zone: opened from the Rooms menu, a
// double-click on a room opens it in the room editor, an exit added in the
// room editor shows up as a new line, and the level shown exports as files.

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QGraphicsView>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/map_window.h"
#include "ui/record_list_window.h"

namespace tarnwick::test {
namespace {

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

}  // namespace
}  // namespace tarnwick::test
