// Typing into number fields, the one-dialog product choice, and editor
// windows whose default size shows a whole record, opening a newly shown
// record on its first page.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include "editor_gui_support.h"
#include "formats/shop_file.h"
#include "gui_support.h"
#include "ui/content_width.h"
#include "ui/editor_window.h"
#include "ui/room_edit_window.h"

namespace tarnwick::test {
namespace input_layout_gui_test {

using InputLayoutGui = MainFixture;

// Every column of `tree` is at least as wide as its widest line.
void expect_columns_whole(QTreeView* tree, const char* what) {
    const QAbstractItemView* view = tree;
    for (int c = 0; c < tree->model()->columnCount(); ++c)
        EXPECT_GE(tree->header()->sectionSize(c), view->sizeHintForColumn(c)) << what << " column " << c;
    EXPECT_GE(tree->viewport()->width(), tree->header()->length()) << what;
}

void show_at_default_size(QWidget* w) {
    w->resize(w->sizeHint());
    w->show();
    QApplication::processEvents();
}

TEST_F(InputLayoutGui, ATypedHourAndAChosenProductReachTheSavedShopFile) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    ui::EditorWindow* shop = main->shop_editor();
    shop->select_record(0);
    shop->show();
    auto* start1 = shop->findChild<QLineEdit*>("start1");
    ASSERT_NE(start1, nullptr);
    start1->setFocus();
    start1->selectAll();
    QTest::keyClicks(start1, "7x");  // the letter is refused
    EXPECT_EQ(start1->text(), "7");
    auto* end1 = shop->findChild<QLineEdit*>("end1");
    end1->selectAll();
    QTest::keyClicks(end1, "23");
    QTest::mouseClick(shop->findChild<QToolButton*>("end1Up"), Qt::LeftButton);
    EXPECT_EQ(end1->text(), "24");

    // One dialog: the zone's objects by vnum and short description, or a typed vnum.
    on_next_dialog([](QDialog* d) {
        auto* box = d->findChild<QComboBox*>("ObjectCombo");
        EXPECT_EQ(box->itemText(0), "18600 - an eel-oil lantern");
        box->setEditText("4711");
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    shop->findChild<QPushButton*>("addSellItem")->click();

    trigger("Guardar1");
    World saved;
    ASSERT_TRUE(load_shop_file(saved, zone.file("tarnwick.shp"), messages));
    EXPECT_EQ(saved.shops[0].start1, 7);
    EXPECT_EQ(saved.shops[0].end1, 24);
    ASSERT_FALSE(saved.shops[0].products.empty());
    EXPECT_EQ(saved.shops[0].products.front(), 4711);
}

TEST_F(InputLayoutGui, DefaultSizesShowAWholeRoomAndEveryZoneCommand) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    auto* room = main->room_editor();
    room->select_record(state->world.find_room(18605));
    show_at_default_size(room);
    auto* memo = room->findChild<QPlainTextEdit*>("Memo1");
    const int columns = ui::TRoomEdit::kDescriptionColumns;
    EXPECT_GE(memo->viewport()->width() - 2 * memo->document()->documentMargin(),
              columns * ui::column_width(memo));
    auto* exits = room->findChild<QTreeWidget*>("ExitBox");
    ASSERT_GT(exits->topLevelItemCount(), 0);
    expect_columns_whole(exits, "exit list");

    auto* zone_window = main->zone_editor();
    zone_window->select_record(0);
    auto* pages = zone_window->findChild<QTabWidget*>("PageControl1");
    auto* commands = zone_window->findChild<QTreeWidget*>("TreeView1");
    pages->setCurrentWidget(commands);
    show_at_default_size(zone_window);
    expect_columns_whole(commands, "zone commands");
}

TEST_F(InputLayoutGui, ANewlyShownRecordOpensOnTheFirstPage) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    for (ui::EditorWindow* editor : {main->room_editor(), main->mob_editor(),
                                     main->object_editor(), main->shop_editor()}) {
        const std::string name = editor->objectName().toStdString();
        editor->select_record(0);
        editor->show();
        auto* pages = editor->findChild<QTabWidget*>("PageControl1");
        ASSERT_NE(pages, nullptr) << name;
        pages->setCurrentIndex(1);
        editor->apply_pending();
        editor->select_record(0);  // the same record again: the page stays
        EXPECT_EQ(pages->currentIndex(), 1) << name;
        editor->select_record(1);
        EXPECT_EQ(pages->currentIndex(), 0) << name;
    }
}

}  // namespace input_layout_gui_test
}  // namespace tarnwick::test
