// Windows shown for the first time, with no saved place, open on the screen
// and clear of the main window's menu bar.

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>

#include "gui_support.h"

namespace tarnwick::test {
namespace {

using WindowPlacementTest = MainFixture;

TEST_F(WindowPlacementTest, FirstShownWindowsStayOnScreenAndOffTheMenuBar) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const QRect screen = main->screen()->availableGeometry();
    const QRect menu(main->menuBar()->mapToGlobal(QPoint(0, 0)), main->menuBar()->size());
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

}  // namespace
}  // namespace tarnwick::test
