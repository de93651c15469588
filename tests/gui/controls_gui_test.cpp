// Controls that do what they look like: a memo that takes no typing looks
// read-only, the extra-description dialog shows a player's line, the exit
// dialog names its direction, Enter presses Ok in Select Object, every page
// of the options opens, and the Problems window wraps its messages and takes
// Ctrl+Z.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

#include "editor_gui_support.h"
#include "gui_support.h"
#include "ui/editor_factory.h"
#include "ui/editor_window.h"
#include "ui/object_choice_dialog.h"
#include "ui/problems_window.h"

namespace tarnwick::test {
namespace controls_gui_test {

struct EditorControls : ::testing::Test, EditorFixture {
    std::unique_ptr<ui::EditorWindow> rooms, objects;
    void SetUp() override {
        room_data square;
        square.vnum = 3000;
        square.name = "Square";
        square.description = "A square.\r\n";
        square.extra_descs = {{"fountain", "Clear water.\n"}};
        room_direction_data south;
        south.target_vnum = 3000;
        square.exits.slot(2) = south;
        world.rooms = {square};
        obj_record sword;
        sword.vnum = 3001;
        sword.alias = "sword";
        sword.extra_descs = {{"sword", "Sharp.\n"}};
        world.objects = {sword};
        rooms.reset(ui::create_room_editor(context, nullptr));
        objects.reset(ui::create_object_editor(context, nullptr));
        for (ui::EditorWindow* w : {rooms.get(), objects.get()}) {
            w->preferences_applied();
            w->show();
            w->select_record(0);
        }
    }
};

// The extra description under the list is changed through Modify...: it
// takes no typing and so does not look like a field that would.
TEST_F(EditorControls, ExtraDescriptionMemosLookReadOnly) {
    for (ui::EditorWindow* w : {rooms.get(), objects.get()}) {
        SCOPED_TRACE(w->objectName().toStdString());
        auto* memo = child<QPlainTextEdit>(w, "DescMemo");
        ASSERT_NE(memo, nullptr);
        EXPECT_TRUE(memo->isReadOnly());
        EXPECT_EQ(memo->palette().color(QPalette::Base), memo->palette().color(QPalette::Window));
        EXPECT_FALSE(memo->toolTip().isEmpty());
    }
}

// Add and Modify open the dialog with room for 80 columns of the memo font
// and its whole title, in both editors.
TEST_F(EditorControls, ExtraDescriptionDialogShowsEightyColumns) {
    for (auto [w, button] : {std::pair{rooms.get(), "ModificarExtra"}, {rooms.get(), "AgregarExtra"},
                             {objects.get(), "AgregarExtra"}}) {
        SCOPED_TRACE(button);
        if (std::string(button) == "ModificarExtra")
            child<QListWidget>(w, "DescBox")->setCurrentRow(0);
        int usable = 0, needed = 0, title_room = 0;
        on_next_dialog([&](QDialog* dialog) {
            auto* memo = child<QPlainTextEdit>(dialog, "MemoDesc");
            const QFontMetrics metrics(memo->font());
            usable = memo->viewport()->width() - 2 * int(memo->document()->documentMargin());
            needed = metrics.horizontalAdvance(QString(80, QLatin1Char('m')));
            title_room = dialog->width() - QFontMetrics(dialog->font()).horizontalAdvance(dialog->windowTitle());
            dialog->reject();
        });
        click(w, button);
        EXPECT_GE(usable, needed);
        EXPECT_GT(title_room, 100);
    }
}

// The exit dialog says which exit it edits, for a new exit and an old one.
TEST_F(EditorControls, ExitDialogNamesItsDirection) {
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { child<QAction>(rooms.get(), "ExAdd0")->trigger(); }, "North"},
        {[&] { child<QAction>(rooms.get(), "ExAdd5")->trigger(); }, "Down"},
        {[&] {
             auto* exits = child<QTreeWidget>(rooms.get(), "ExitBox");
             exits->setCurrentItem(exits->topLevelItem(0));
             click(rooms.get(), "ExEdit");
         },
         "South"},
    };
    for (const auto& [open, direction] : cases) {
        SCOPED_TRACE(direction.toStdString());
        QString shown;
        on_next_dialog([&shown](QDialog* dialog) {
            auto* label = child<QLabel>(dialog, "DirectionLabel");
            if (label && label->isVisible()) shown = label->text();
            dialog->reject();
        });
        open();
        EXPECT_TRUE(shown.contains(direction)) << shown.toStdString();
    }
}

using MainControls = MainFixture;

// Enter in Select Object's field presses Ok with what was typed or chosen.
TEST_F(MainControls, EnterInSelectObjectPressesOk) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const int32_t first = state->world.objects[0].vnum;
    const std::pair<QString, int32_t> cases[] = {
        {QString::number(first), first},
        {QString::number(first + 1), first + 1},
        {QString(), -1},
    };
    for (const auto& [typed, expected] : cases) {
        SCOPED_TRACE(typed.toStdString());
        on_next_modal(std::function<void(QWidget*)>([typed = typed](QWidget* d) {
            auto* combo = d->findChild<QComboBox*>("ObjectCombo");
            combo->setEditText(typed);
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
            if (d->isVisible()) static_cast<QDialog*>(d)->reject();
        }));
        EXPECT_EQ(main->object_choice()->ask_object_vnum(), expected);
    }
}

// Every page of the options opens; the extension switches show greyed.
TEST_F(MainControls, EveryOptionsPageCanBeSelected) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    on_next_modal(std::function<void(QWidget*)>([](QWidget* d) {
        auto* pages = d->findChild<QTabWidget*>("PageControl1");
        ASSERT_NE(pages, nullptr);
        for (int i = 0; i < pages->count(); ++i) {
            SCOPED_TRACE(pages->tabText(i).toStdString());
            EXPECT_TRUE(pages->isTabEnabled(i));
            pages->setCurrentIndex(i);
            EXPECT_EQ(pages->currentIndex(), i);
        }
        for (const char* name : {"SaveMatSpecs", "SaveObjLevels"}) {
            auto* box = d->findChild<QCheckBox*>(name);
            ASSERT_NE(box, nullptr) << name;
            EXPECT_TRUE(box->isVisible()) << name;
            EXPECT_FALSE(box->isEnabled()) << name;
        }
        static_cast<QDialog*>(d)->reject();
    }));
    trigger("Opciones1");
}

// A long message wraps to the column and wraps anew as the window widens;
// Ctrl+Z in the window takes back the last change.
TEST_F(MainControls, ProblemsWindowWrapsMessagesAndUndoes) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const size_t rooms = state->world.rooms.size();
    trigger("Agregar1");
    ASSERT_EQ(state->world.rooms.size(), rooms + 1);
    trigger("CheckZone1");
    ui::ProblemsWindow* problems = main->problems();
    ASSERT_NE(problems, nullptr);
    auto* list = problems->findChild<QTreeWidget*>("ProblemList");
    ASSERT_GT(list->topLevelItemCount(), 0);
    QTreeWidgetItem* longest = list->topLevelItem(0);
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(3).size() > longest->text(3).size()) longest = list->topLevelItem(i);
    auto row_height = [&](int width) {
        problems->resize(width, problems->height());
        QApplication::processEvents();
        return list->visualItemRect(longest).height();
    };
    const int narrow = row_height(500), wide = row_height(1600);
    EXPECT_GT(narrow, wide);
    EXPECT_EQ(longest->toolTip(3), longest->text(3));
    problems->activateWindow();
    QApplication::setActiveWindow(problems);
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state->world.rooms.size(), rooms);
}

}  // namespace controls_gui_test
}  // namespace tarnwick::test
