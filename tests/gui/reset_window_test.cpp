// Zone > Simulate reset on the sample zone: the slider picks the reset, the
// command list says what each command did, the tree shows who stands where
// with what, and a double-click opens the record's editor.

#include <gtest/gtest.h>

#include <QLabel>
#include <QSlider>
#include <QTreeWidget>

#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/reset_window.h"

namespace tarnwick::test {
namespace reset_window_test {

using ResetWindowTest = MainFixture;

QTreeWidgetItem* find_row(QTreeWidget* tree, const QString& text, int column = 0) {
    const auto found = tree->findItems(text, Qt::MatchStartsWith | Qt::MatchRecursive, column);
    return found.isEmpty() ? nullptr : found.first();
}

TEST_F(ResetWindowTest, ShowsOutcomesAndPopulationAndOpensTheRoom) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    ASSERT_TRUE(enabled("SimulateReset1"));
    trigger("SimulateReset1");
    ui::ResetWindow* window = main->reset_window();
    ASSERT_TRUE(window && window->isVisible());
    auto* slider = window->findChild<QSlider*>("ResetSlider");
    auto* commands = window->findChild<QTreeWidget*>("CommandOutcomes");
    auto* tree = window->findChild<QTreeWidget*>("PopulationTree");
    ASSERT_TRUE(slider && commands && tree);
    EXPECT_EQ(slider->maximum(), 3);

    // After the boot's reset the ferryman carries his tankard; after the
    // second his M finds him there, so the tankard's G is skipped.
    slider->setValue(1);
    EXPECT_EQ(commands->topLevelItem(1)->text(2), "loaded");
    QTreeWidgetItem* ferryman = find_row(tree, "mob #18600");
    ASSERT_TRUE(ferryman);
    EXPECT_EQ(ferryman->parent()->text(0), "room #18600 The Ferry Landing");
    ASSERT_EQ(ferryman->childCount(), 1);
    EXPECT_EQ(ferryman->child(0)->text(0), "object #18603 a tankard of ale (carried)");
    slider->setValue(2);
    EXPECT_EQ(commands->topLevelItem(0)->text(2), "skipped: 1 of max 1 already in the world");
    EXPECT_EQ(commands->topLevelItem(1)->text(2), "skipped: the command before it failed");
    EXPECT_TRUE(window->findChild<QLabel*>("ResetSummary")->text().startsWith("2 of 3"));

    QTreeWidgetItem* room = find_row(tree, "room #18605");
    ASSERT_TRUE(room);
    emit tree->itemDoubleClicked(room, 0);
    EXPECT_TRUE(main->room_editor()->isVisible());
    EXPECT_EQ(main->room_editor()->current_index(), state->world.find_room(18605));
}

}  // namespace reset_window_test
}  // namespace tarnwick::test
