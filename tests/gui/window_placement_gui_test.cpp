// Windows shown for the first time, with no saved place, open on the screen
// and clear of the main window's menu bar.

#include <gtest/gtest.h>

#include <QDialog>
#include <QMenuBar>
#include <QScreen>

#include "gui_support.h"
#include "ui/dialog_messages.h"
#include "ui/editor_window.h"
#include "ui/map_window.h"
#include "ui/problems_window.h"
#include "ui/record_list_window.h"
#include "ui/reset_window.h"
#include "ui/text_viewer.h"

namespace tarnwick::test {
namespace window_placement_gui_test {

using WindowPlacementTest = MainFixture;

TEST_F(WindowPlacementTest, FirstShownWindowsStayOnScreenAndOffTheMenuBar) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const QRect screen = main->screen()->availableGeometry();
    const QRect menu(main->findChild<QMenuBar*>()->mapToGlobal(QPoint(0, 0)), main->findChild<QMenuBar*>()->size());
    for (const char* name : {"EditordeZonas1", "EditordeRooms1", "EditordeMobs1", "EditordeObjs1",
                             "EditordeShops1", "ListadeRooms1", "ListadeMobs1", "ListadeObjetos1",
                             "ListadeShops1", "Mapa1", "Find1", "CheckZone1"}) {
        SCOPED_TRACE(name);
        const QWidgetList before = QApplication::topLevelWidgets();
        QSet<QWidget*> shown_before;
        for (QWidget* w : before)
            if (w->isVisible()) shown_before.insert(w);
        trigger(name);
        QApplication::processEvents();
        int newly_shown = 0;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || shown_before.contains(w) || w == main.get()) continue;
            ++newly_shown;
            SCOPED_TRACE(w->objectName().toStdString());
            EXPECT_TRUE(screen.contains(w->frameGeometry()));
            EXPECT_FALSE(w->frameGeometry().intersects(menu));
        }
        // A window the sample's project shows already is not shown again.
        EXPECT_LE(newly_shown, 1);
    }
}

// Editors, lists and tool windows are windows of their own to the desktop:
// a dialog's type would keep them above the main window and minimise them
// with it.
TEST_F(WindowPlacementTest, EditorsAndListsAreWindowsNotDialogs) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    trigger("CheckZone1");
    trigger("SimulateReset1");
    QApplication::processEvents();
    const std::pair<const char*, QWidget*> windows[] = {
        {"zone editor", main->zone_editor()},     {"room editor", main->room_editor()},
        {"mob editor", main->mob_editor()},       {"object editor", main->object_editor()},
        {"shop editor", main->shop_editor()},     {"room list", main->list(ListKind::Room)},
        {"mob list", main->list(ListKind::Mob)},  {"object list", main->list(ListKind::Object)},
        {"shop list", main->list(ListKind::Shop)}, {"map", main->map_window()},
        {"viewer", main->viewer()},
        {"problems", main->problems()},
        {"resets", main->reset_window()},
    };
    for (const auto& [name, w] : windows) {
        SCOPED_TRACE(name);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowType(), Qt::Window);
        EXPECT_TRUE(w->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }
}

// Dialogs and message boxes open centred on the window they were asked
// from, each time anew; asked from the thin main window, just below it.
TEST_F(WindowPlacementTest, DialogsOpenOverTheWindowTheyWereAskedFrom) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    QWidget* editor = main->room_editor();
    QWidget* list = main->list(ListKind::Room);
    editor->show();
    list->show();
    QApplication::processEvents();
    ui::DialogMessages boxes(main.get());
    const QRect main_frame = main->frameGeometry();
    struct Case {
        const char* name;
        QWidget* asked_from;
        std::function<void()> ask;
    };
    const Case cases[] = {
        {"Go to Vnum from an editor", editor, [&] { trigger("GoToVnum1"); }},
        {"message from the list", list, [&] { boxes.show("Saved."); }},
        {"message from the editor", editor, [&] { boxes.show("Saved."); }},
        {"question from the main window", main.get(), [&] { boxes.ask("Save?"); }},
        {"About from the main window", main.get(), [&] { trigger("Acercade1"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QApplication::setActiveWindow(c.asked_from);
        QRect shown;
        on_next_modal([&shown](QWidget* d) {
            shown = d->frameGeometry();
            static_cast<QDialog*>(d)->reject();
        });
        c.ask();
        ASSERT_TRUE(shown.isValid());
        EXPECT_FALSE(shown.intersects(main_frame));
        const QRect owner = c.asked_from->frameGeometry();
        EXPECT_LE(std::abs(shown.center().x() - owner.center().x()), 1);
        if (c.asked_from == main.get())
            EXPECT_EQ(shown.top(), main_frame.bottom() + 1);
        else
            EXPECT_LE(std::abs(shown.center().y() - owner.center().y()), 1);
    }
}

}  // namespace window_placement_gui_test
}  // namespace tarnwick::test
