// Removing a room that exits lead to: asked first, then the Problems window
// (Tools > Check zone) lists the dangling exits, and a double-click opens
// the room that holds them with its exit line chosen.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>

#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/problems_window.h"
#include "ui/record_list_window.h"

namespace tarnwick::test {
namespace problems_window_test {

using ProblemsWindowTest = MainFixture;

TEST_F(ProblemsWindowTest, RemovedRoomLeavesDanglingExitsThatLeadToTheirRoom) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    messages.clear();
    auto* rooms = main->list(ListKind::Room);
    const int row = state->world.find_room(18604);
    ASSERT_GE(row, 0);
    rooms->list()->setCurrentRow(row);
    messages.answers = {Answer::No};
    rooms->Eliminar1Click();
    EXPECT_EQ(messages.texts(), std::vector<std::string>{
                                    "Room #18604 is the target of 2 exits, 3 zone commands and 1 "
                                    "shop. Remove it anyway?"});
    EXPECT_GE(state->world.find_room(18604), 0) << "No keeps the room";
    messages.answers = {Answer::Yes};
    rooms->Eliminar1Click();
    ASSERT_LT(state->world.find_room(18604), 0);

    ASSERT_TRUE(enabled("CheckZone1"));
    EXPECT_EQ(main->command("CheckZone1")->shortcut(), QKeySequence(Qt::Key_F7));
    trigger("CheckZone1");
    ui::ProblemsWindow* problems = main->problems();
    ASSERT_TRUE(problems && problems->isVisible());
    auto* list = problems->findChild<QTreeWidget*>("ProblemList");
    std::vector<int32_t> holders;
    int first_row = -1;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const Finding f = problems->shown()[size_t(r)];
        if (f.check != "exit-target") continue;
        holders.push_back(f.vnum);
        if (first_row < 0) first_row = r;
    }
    EXPECT_EQ(holders, (std::vector<int32_t>{18602, 18605}));
    EXPECT_TRUE(problems->findChild<QLabel*>("ProblemCounts")->text().contains("errors"));

    // Errors alone still hold the dangling exits; notes are gone.
    problems->findChild<QComboBox*>("SeverityFilter")->setCurrentIndex(2);
    for (const auto& f : problems->shown()) EXPECT_EQ(f.severity, Severity::Error);
    problems->findChild<QComboBox*>("SeverityFilter")->setCurrentIndex(0);

    QTreeWidgetItem* item = list->topLevelItem(first_row);
    emit list->itemDoubleClicked(item, 0);
    ui::EditorWindow* editor = main->room_editor();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->current_index(), state->world.find_room(18602));
    auto* exits = editor->findChild<QTreeWidget*>("ExitBox");
    ASSERT_TRUE(exits->currentItem());
    EXPECT_EQ(exits->currentItem()->text(1), "18604");

    // Putting the room back clears the finding: the window follows the table.
    rooms->Agregar1Click();
    const int before = list->topLevelItemCount();
    state->world.rooms.back().vnum = 18604;
    emit state->context.tableChanged(ui::RecordKind::Room);
    EXPECT_LT(list->topLevelItemCount(), before);
    for (const auto& f : problems->shown()) EXPECT_NE(f.check, "exit-target");
}

}  // namespace problems_window_test
}  // namespace tarnwick::test
