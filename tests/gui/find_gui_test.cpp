// Find in zone, go to vnum and the main window's shortcuts, used from the
// editor windows as a builder would: keys pressed in another window.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/find_window.h"

namespace tarnwick::test {
namespace find_gui_test {

using FindGui = MainFixture;

// Makes `window` the active one, as a click on it would.
void activate(QWidget* window) {
    window->show();
    window->raise();
    QApplication::setActiveWindow(window);
    window->setFocus();
    QApplication::processEvents();
}

TEST_F(FindGui, CtrlFInAnEditorFindsAnObjectsExtraDescriptionAndEnterOpensIt) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    activate(main->mob_editor());
    QTest::keyClick(main->mob_editor(), Qt::Key_F, Qt::ControlModifier);
    ui::FindWindow* find = main->find_window();
    ASSERT_TRUE(find->isVisible());
    auto* box = find->findChild<QLineEdit*>("FindEdit");
    QTest::keyClicks(box, "steady yellow");
    ASSERT_EQ(find->hits().size(), 1u);
    EXPECT_EQ(find->hits()[0].field, "extra description 'lantern eel-oil'");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(main->object_editor()->isVisible());
    const int lantern = state->world.find_object(18600);
    EXPECT_EQ(main->object_editor()->current_index(), lantern);
    // The field that holds the text is brought forward.
    EXPECT_EQ(main->object_editor()->focusWidget(),
              main->object_editor()->findChild<QWidget*>("DescBox"));
}

TEST_F(FindGui, CtrlGOpensTheRecordWithThatVnum) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(main->command("GoToVnum1")->shortcut(), QKeySequence("Ctrl+G"));
    EXPECT_EQ(main->command("GoToVnum1")->shortcutContext(), Qt::ApplicationShortcut);
    ASSERT_TRUE(main->go_to_vnum(18605));
    EXPECT_TRUE(main->room_editor()->isVisible());
    EXPECT_EQ(main->room_editor()->current_index(), state->world.find_room(18605));
    EXPECT_FALSE(main->go_to_vnum(99999));
    EXPECT_EQ(messages.texts().back(), "No room, mob, object, shop or trigger has vnum 99999.");
    // Several kinds with one number: the room opens, the find window lists
    // the others for another choice.
    ASSERT_TRUE(main->go_to_vnum(18600));
    EXPECT_EQ(main->room_editor()->current_index(), state->world.find_room(18600));
    EXPECT_TRUE(main->find_window()->isVisible());
    EXPECT_GE(main->find_window()->hits().size(), 2u);
}

TEST_F(FindGui, CtrlSInTheRoomEditorSaves) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    main->room_editor()->select_record(0);
    activate(main->room_editor());
    auto* name = main->room_editor()->findChild<QLineEdit*>("Edit1");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Saved By Keyboard");
    QTest::keyClick(name, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(state->world.changed);
    std::ifstream in(zone.file("tarnwick.wld"));
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Saved By Keyboard~"), std::string::npos);
}

}  // namespace find_gui_test
}  // namespace tarnwick::test
