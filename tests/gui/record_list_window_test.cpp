// The record list windows over the sample zone: lines, titles, Add, Clone,
// Remove, and the source viewer following the selection.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

#include "formats/mob_file.h"
#include "formats/room_file.h"
#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/record_list_window.h"
#include "ui/text_viewer.h"

namespace tarnwick::test {
namespace record_list_window_test {

struct RecordListWindowTest : MainFixture {
    SampleZone zone;
    void SetUp() override {
        MainFixture::SetUp();
        ASSERT_TRUE(main->open_project(zone.project()));
        messages.clear();
    }
    ui::RecordListWindow* list(ListKind k) { return main->list(k); }
    void select(ListKind k, int row) {
        QListWidget* l = list(k)->list();
        l->setCurrentRow(row);
        list(k)->ListBox1Click();
    }
};

TEST_F(RecordListWindowTest, TitlesAndLinesFollowAddAndRemove) {
    auto* rooms = list(ListKind::Room);
    EXPECT_EQ(rooms->windowTitle(), QString::fromStdString(state->world.captions.rooms));
    rooms->Agregar1Click();
    EXPECT_EQ(rooms->lines().size(), 13);
    EXPECT_EQ(rooms->lines().last(), "#18612   ---   An empty room");
    EXPECT_EQ(rooms->windowTitle(), "13 Records.");
    EXPECT_EQ(main->room_editor()->current_index(), 12);
    EXPECT_TRUE(main->room_editor()->isVisible());

    // Remove without a selection does nothing and says nothing.
    rooms->list()->clearSelection();
    rooms->Eliminar1Click();
    EXPECT_EQ(state->world.room_count(), 13);
    EXPECT_TRUE(messages.entries.empty());

    select(ListKind::Room, 1);
    rooms->Eliminar1Click();
    EXPECT_EQ(rooms->lines().size(), 12);
    EXPECT_EQ(rooms->windowTitle(), "12 Records.");
    EXPECT_EQ(rooms->lines()[1], "#18602   ---   The Village Square");
    EXPECT_EQ(main->room_editor()->current_index(), -1);
    // Exits led there: the removal was asked first (and answered Yes).
    EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                    "Room #18601 is the target of 2 exits. Remove it anyway?"});
}

TEST_F(RecordListWindowTest, NewShopLineNamesNoKeeperUntilRefreshed) {
    auto* shops = list(ListKind::Shop);
    main->NewShopClick();
    const QString last = shops->lines().last();
    EXPECT_TRUE(last.endsWith("   ---   Sin Keeper")) << last.toStdString();
    // The editor shows the new shop open all day (the server's day runs 0 to 23).
    ui::EditorWindow* editor = main->shop_editor();
    EXPECT_EQ(editor->current_index(), state->world.shop_count() - 1);
    QStringList hours;
    for (const char* name : {"start1", "end1", "start2", "end2"})
        hours << editor->findChild<QLineEdit*>(name)->text();
    EXPECT_EQ(hours.join(' '), "0 28 0 0");
    shops->refresh_list();
    EXPECT_TRUE(shops->lines().last().endsWith("   ---   (no existente)"));
    EXPECT_FALSE(shops->findChild<QAction*>("Clonar1"));
    EXPECT_FALSE(shops->findChild<QAction*>("VerFuente1"));
}

TEST_F(RecordListWindowTest, CloneAppendsACopy) {
    auto* mobs = list(ListKind::Mob);
    select(ListKind::Mob, 0);
    mobs->Clonar1Click();
    EXPECT_EQ(mobs->lines().size(), 6);
    EXPECT_EQ(mobs->lines().last(), "#18605   ---   the old ferryman");
    EXPECT_EQ(mobs->windowTitle(), "6 Records.");
    // Nothing selected: nothing cloned.
    mobs->list()->clearSelection();
    mobs->Clonar1Click();
    EXPECT_EQ(state->world.mob_count(), 6);
}

TEST_F(RecordListWindowTest, ViewSourceShowsTheFileTextAndFollowsClicks) {
    auto* rooms = list(ListKind::Room);
    ui::TextViewer* viewer = main->viewer();
    rooms->list()->clearSelection();
    rooms->VerFuente1Click();
    EXPECT_FALSE(viewer->isVisible());

    select(ListKind::Room, 0);
    rooms->VerFuente1Click();
    ASSERT_TRUE(viewer->isVisible());
    std::string expected;
    write_room_record(state->world, 0, state->preferences.format_settings("", ""), expected);
    EXPECT_EQ(viewer->text().toStdString(), expected);
    EXPECT_EQ(viewer->windowTitle(), "Tarnwick");

    // A click on another line, also of another list, replaces the text.
    select(ListKind::Room, 3);
    EXPECT_TRUE(viewer->text().startsWith("#18603\n"));
    select(ListKind::Mob, 1);
    std::string mob;
    write_mob_record(state->world, 1, state->preferences.format_settings("", ""), mob);
    EXPECT_EQ(viewer->text().toStdString(), mob);

    viewer->findChild<QPushButton*>("CloseBtn")->click();
    EXPECT_FALSE(viewer->isVisible());
    select(ListKind::Room, 2);
    EXPECT_FALSE(viewer->isVisible());
}

TEST_F(RecordListWindowTest, PopUpMenusCarryTheirCaptions) {
    auto captions = [](ui::RecordListWindow* w) {
        QStringList out;
        for (QAction* a : w->findChild<QMenu*>()->actions()) out << a->text();
        return out;
    };
    EXPECT_EQ(captions(list(ListKind::Room)),
              (QStringList{"Edit", "Add", "Remove", "&Clone", "&View source"}));
    EXPECT_EQ(captions(list(ListKind::Object)),
              (QStringList{"&Edit", "&Add", "&Remove", "&View source"}));
    EXPECT_EQ(list(ListKind::Shop)->findChild<QCheckBox*>("CheckBox1")->text(), "&Always on top");
}

}  // namespace record_list_window_test
}  // namespace tarnwick::test
