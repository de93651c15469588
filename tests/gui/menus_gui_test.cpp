// Every command of the main window can be found in its menu bar: each
// toolbar button and each shortcut has a menu entry doing the same.

#include <gtest/gtest.h>

#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <QToolButton>

#include "gui_support.h"

namespace tarnwick::test {
namespace menus_gui_test {

using MenusTest = MainFixture;

void collect(const QList<QAction*>& actions, QSet<QAction*>& into) {
    for (QAction* a : actions) {
        into.insert(a);
        if (a->menu()) collect(a->menu()->actions(), into);
    }
}

// The top-level window an action belongs to, through the menus it is in.
QWidget* owner_window(QAction* a) {
    for (QObject* o = a->parent(); o; o = o->parent())
        if (auto* w = qobject_cast<QWidget*>(o); w && !qobject_cast<QMenu*>(w)) return w->window();
    return nullptr;
}

TEST_F(MenusTest, EveryToolbarButtonAndShortcutHasAMenuEntry) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    QSet<QAction*> in_menus;
    collect(main->findChild<QMenuBar*>()->actions(), in_menus);
    QSet<QByteArray> handlers;
    QSet<QKeySequence> shortcuts;
    for (QAction* a : in_menus) {
        if (!a->property("handler").toByteArray().isEmpty())
            handlers.insert(a->property("handler").toByteArray());
        if (!a->shortcut().isEmpty()) shortcuts.insert(a->shortcut());
    }
    int buttons = 0;
    for (QToolBar* bar : main->findChildren<QToolBar*>()) {
        for (QAction* a : bar->actions()) {
            if (a->isSeparator()) continue;
            SCOPED_TRACE(a->objectName().toStdString());
            ++buttons;
            auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a));
            ASSERT_NE(button, nullptr);
            if (button->menu())
                EXPECT_TRUE(in_menus.contains(button->menu()->menuAction()));
            else
                EXPECT_TRUE(handlers.contains(a->property("handler").toByteArray()));
        }
    }
    EXPECT_EQ(buttons, 15);
    int keys = 0;
    for (QAction* a : main->findChildren<QAction*>()) {
        if (a->shortcut().isEmpty() || owner_window(a) != main.get()) continue;
        SCOPED_TRACE(a->objectName().toStdString() + " " + a->shortcut().toString().toStdString());
        ++keys;
        EXPECT_TRUE(in_menus.contains(a) || shortcuts.contains(a->shortcut()));
    }
    EXPECT_GE(keys, 8);
}

TEST_F(MenusTest, ToolsMenuOffersWhatTheToolsButtonOffers) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    auto* tools = main->findChild<QMenu*>("ToolsMenu");
    ASSERT_NE(tools, nullptr);
    EXPECT_TRUE(main->findChild<QMenuBar*>()->actions().contains(tools->menuAction()));
    auto* bar = main->findChild<QToolBar*>("GeneralTB");
    EXPECT_EQ(qobject_cast<QToolButton*>(bar->widgetForAction(main->command("ToolsBtn")))->menu(),
              tools);
    EXPECT_TRUE(tools->menuAction()->isEnabled());
    QStringList entries;
    for (QAction* a : tools->actions()) entries << a->objectName();
    EXPECT_EQ(entries, (QStringList{"EditarProyecto2", "RenumerarMundo1",
                                    "AjustarColumnadenDesripciones1", "CheckZone1",
                                    "ReformatZone1", "ConvertZone1"}));
    // F7 is one shortcut, not two that cancel each other.
    int f7 = 0;
    for (QAction* a : main->findChildren<QAction*>()) f7 += a->shortcut() == QKeySequence("F7");
    EXPECT_EQ(f7, 1);
}

}  // namespace menus_gui_test
}  // namespace tarnwick::test
