// The zone editor window driven through its menu and command dialog: a mob
// with an equip command, saved to a zone file.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>
#include <functional>

#include "../core/test_support.h"
#include "editor_gui_support.h"
#include "formats/zone_file.h"
#include "ui/zone_edit_window.h"

namespace tarnwick::test {
namespace zone_editor_gui_test {

struct ZoneEditorGui : ::testing::Test, EditorFixture {
    std::unique_ptr<ui::TZoneEdit> window;
    QTreeWidget* tree = nullptr;
    void SetUp() override {
        world.project_zone_number = 30;
        world.zone.zone_number = 30;
        world.zone.name = "Mere";
        world.zone.lifespan = 20;
        world.zone.top = 3099;
        room_data room;
        room.vnum = 3001;
        room.name = "Jetty";
        world.rooms.push_back(room);
        char_data mob;
        mob.vnum = 3005;
        mob.short_name = "the ferryman";
        world.mobs.push_back(mob);
        obj_record pole;
        pole.vnum = 3010;
        pole.short_description = "a long pole";
        world.objects.push_back(pole);
        window = std::make_unique<ui::TZoneEdit>(context, nullptr);
        window->show();
        window->select_record(0);
        tree = child<QTreeWidget>(window.get(), "TreeView1");
    }
    QAction* action(const char* name) { return child<QAction>(window.get(), name); }
};

TEST_F(ZoneEditorGui, AddMobWithEquipmentAndSave) {
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditTop")->text(), "3099");  // as read
    ASSERT_EQ(tree->currentItem(), tree->topLevelItem(0));  // the root
    window->update_menu();
    EXPECT_TRUE(action("AddM")->isEnabled());
    EXPECT_FALSE(action("AddE")->isEnabled());

    chooser.picks = {0};  // browse mobs: the ferryman
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Load Mobile in Room...");
        click(dialog, "Browse1");
        EXPECT_EQ(child<QLineEdit>(dialog, "Edit1")->text(), "3005");
        child<QLineEdit>(dialog, "Edit3")->setText("3001");
        click(dialog, "OkBtn");
    });
    action("AddM")->trigger();
    QTreeWidgetItem* mob = tree->currentItem();
    ASSERT_NE(mob, nullptr);
    EXPECT_EQ(mob->text(0), "Load mob #3005 - the ferryman in room 3001 - Jetty: if_flag: false Max: 1");

    window->update_menu();
    EXPECT_TRUE(action("AddE")->isEnabled());
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Equip Mobile with Object...");
        EXPECT_FALSE(child<QLineEdit>(dialog, "Edit3")->isVisible());
        child<QLineEdit>(dialog, "Edit1")->setText("3010");
        auto* position = child<QComboBox>(dialog, "Choice3");
        EXPECT_TRUE(position->isVisible());
        position->setCurrentIndex(16);
        emit position->activated(16);  // "Wielded as a weapon"
        click(dialog, "OkBtn");
    });
    action("AddE")->trigger();
    // Every change rebuilds the tree: items taken before it are gone.
    mob = tree->topLevelItem(0)->child(0);
    ASSERT_EQ(mob->childCount(), 1);
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(0)->child(0)->child(0));

    // A cancelled dialog adds nothing.
    on_next_dialog([](QDialog* dialog) { click(dialog, "CancelBtn"); });
    action("AddG")->trigger();
    EXPECT_EQ(world.zone.commands.size(), 2u);

    QLineEdit* name = child<QLineEdit>(window.get(), "Edit1");
    name->clear();
    QTest::keyClicks(name, "The Mere");
    // The top is the builder's to set, and the save keeps it.
    QLineEdit* top = child<QLineEdit>(window.get(), "EditTop");
    EXPECT_FALSE(top->isReadOnly());
    top->clear();
    QTest::keyClicks(top, "3050");
    TempDir dir;
    ASSERT_TRUE(save_zone_file(world, dir.file("zone.zon"), window->header_fields(), FormatSettings{},
                               messages));
    const std::string text = read_bytes(dir.file("zone.zon"));
    EXPECT_NE(text.find("#30\nThe Mere~\n 3050 20 0 \n"), std::string::npos) << text;
    // The mob stands alone; its equipment depends on it.
    const size_t m = text.find("M     0  3005     1  3001\t* Load the ferryman in Jetty");
    const size_t e = text.find("E     1  3010     1    16\t* Equip with a long pole");
    ASSERT_NE(m, std::string::npos) << text;
    ASSERT_NE(e, std::string::npos) << text;
    EXPECT_LT(m, e);
}

TEST_F(ZoneEditorGui, CopyPasteAndRemoveThroughTheMenu) {
    world.zone.commands.push_back(ZoneEditor::new_command('M'));
    world.zone.commands.push_back(ZoneEditor::new_command('G'));
    window->select_record(0);
    QTreeWidgetItem* mob = tree->topLevelItem(0)->child(0);
    tree->setCurrentItem(mob);
    action("Copiar1")->trigger();
    window->update_menu();
    EXPECT_TRUE(action("Pegar1")->isEnabled());
    action("Pegar1")->trigger();  // before the selected mob
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(world.zone.commands.size(), 3u);

    tree->setCurrentItem(tree->topLevelItem(0)->child(1));  // the mob with the give
    action("Eliminar1")->trigger();
    EXPECT_EQ(tree->topLevelItem(0)->childCount(), 1);
    EXPECT_EQ(world.zone.commands.size(), 1u);
}

// An object loaded between a mob and its give (the server accepts it): the
// tree still matches the list, so every command can be edited and removed.
TEST_F(ZoneEditorGui, CommandsBetweenAMobAndItsGiveStayEditable) {
    world.zone.commands.push_back(ZoneEditor::new_command('M'));
    world.zone.commands.push_back(ZoneEditor::new_command('O'));
    world.zone.commands.push_back(ZoneEditor::new_command('G'));
    window->select_record(0);
    QTreeWidgetItem* root = tree->topLevelItem(0);
    ASSERT_EQ(root->childCount(), 3);
    tree->setCurrentItem(root->child(2));  // the give
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Give Obj to Mob...");
        child<QLineEdit>(dialog, "Edit1")->setText("3010");
        click(dialog, "OkBtn");
    });
    action("Editar1")->trigger();
    EXPECT_EQ(world.zone.commands.back().arg1, 3010);
    tree->setCurrentItem(tree->topLevelItem(0)->child(1));  // the object
    action("Eliminar1")->trigger();
    EXPECT_EQ(world.zone.commands.size(), 2u);
}

// Header edits are changes of the zone: they set the unsaved mark, and a
// rebuild of the page (as after renumbering) keeps them once applied.
TEST_F(ZoneEditorGui, HeaderEditsMarkTheZoneChangedAndSurviveARebuild) {
    auto* reset_mode = child<QComboBox>(window.get(), "ComboBox1");
    const std::function<void()> edits[] = {
        [&] { QTest::keyClicks(child<QLineEdit>(window.get(), "EditVNum"), "1"); },
        [&] { QTest::keyClicks(child<QLineEdit>(window.get(), "Edit1"), " Deep"); },
        [&] { QTest::keyClicks(child<QLineEdit>(window.get(), "EditN2"), "5"); },
        [&] { reset_mode->setCurrentIndex(2); },
    };
    for (const auto& edit : edits) {
        world.changed = false;
        edit();
        EXPECT_TRUE(world.changed);
    }
    window->apply_pending();
    window->discard_pending();  // what renumbering does
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditVNum")->text(), "301");
    EXPECT_EQ(child<QLineEdit>(window.get(), "Edit1")->text(), "Mere Deep");
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditN2")->text(), "205");
    EXPECT_EQ(reset_mode->currentIndex(), 2);
    EXPECT_EQ(world.zone.name, "Mere Deep");
}

// The tree is rebuilt after every change: the command just added, at the
// end of a long zone, is scrolled into view, and so is one edited there.
TEST_F(ZoneEditorGui, TheCommandJustChangedStaysInView) {
    for (int i = 0; i < 60; ++i) {
        zCommand c;
        c.command = 'M';
        c.if_flag = 0;
        c.arg1 = 3005;
        c.arg2 = 1;
        c.arg3 = 3001;
        world.zone.commands.push_back(c);
    }
    window->select_record(0);
    window->resize(600, 320);
    QApplication::processEvents();
    const std::pair<const char*, std::function<void(QDialog*)>> steps[] = {
        {"AddM", [](QDialog* d) {
             child<QLineEdit>(d, "Edit1")->setText("3005");
             child<QLineEdit>(d, "Edit3")->setText("3001");
             click(d, "OkBtn");
         }},
        {"Editar1", [](QDialog* d) {
             child<QLineEdit>(d, "Edit3")->setText("3001");
             click(d, "OkBtn");
         }},
    };
    tree->setCurrentItem(tree->topLevelItem(0));
    for (const auto& [name, answer] : steps) {
        SCOPED_TRACE(name);
        window->update_menu();
        on_next_dialog(answer);
        action(name)->trigger();
        QApplication::processEvents();
        QTreeWidgetItem* current = tree->currentItem();
        ASSERT_NE(current, nullptr);
        ASSERT_NE(current, tree->topLevelItem(0));
        EXPECT_TRUE(tree->viewport()->rect().intersects(tree->visualItemRect(current)));
    }
    EXPECT_EQ(world.zone.commands.size(), 61u);
}

}  // namespace zone_editor_gui_test
}  // namespace tarnwick::test
