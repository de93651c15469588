// The room editor window driven through its controls: an exit with the
// symmetric offer, a rename, "&Ok", and the saved room file.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

#include "../core/test_support.h"
#include "editor_gui_support.h"
#include "formats/room_file.h"
#include "ui/editor_factory.h"
#include "ui/editor_window.h"
#include "ui/fonts.h"

namespace tarnwick::test {
namespace room_editor_gui_test {

room_data make_room(int32_t vnum, const std::string& name) {
    room_data r;
    r.vnum = vnum;
    r.name = name;
    r.description = "A room.\r\n";
    return r;
}

struct RoomEditorGui : ::testing::Test, EditorFixture {
    std::unique_ptr<ui::EditorWindow> window;
    void SetUp() override {
        lists.sector_types = {"Inside", "City"};
        lists.room_flags = {"DARK", "DEATH"};
        world.project_zone_number = 30;
        world.rooms = {make_room(3000, "Square"), make_room(3001, "Temple")};
        window.reset(ui::create_room_editor(context, nullptr));
        window->show();
        window->select_record(0);
    }
};

TEST_F(RoomEditorGui, AddSymmetricExitRenameOkAndSave) {
    QSignalSpy changed(&context, &ui::AppContext::recordChanged);
    messages.answers = {Answer::Yes};
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Room Direction Data");
        child<QLineEdit>(dialog, "EdVNum")->setText("3001");
        auto* keywords = child<QLineEdit>(dialog, "edkeywords");
        EXPECT_FALSE(keywords->isEnabled());  // "Sin Puerta"
        click(dialog, "OkBtn");
    });
    child<QAction>(window.get(), "ExAdd0")->trigger();  // "&North"
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Existing room. Do you want to make this exit simmetric?"});
    auto* exits = child<QTreeWidget>(window.get(), "ExitBox");
    ASSERT_EQ(exits->topLevelItemCount(), 1);
    EXPECT_EQ(exits->topLevelItem(0)->text(2), "Temple");

    auto* name = child<QLineEdit>(window.get(), "Edit1");
    name->selectAll();
    QTest::keyClicks(name, "Market square");
    EXPECT_TRUE(window->isWindowModified());
    click(window.get(), "ApplyBtn");
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(world.rooms[0].name, "Market square");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(1).toInt(), 0);

    TempDir dir;
    ASSERT_TRUE(save_room_file(world, dir.file("zone.wld"), FormatSettings{}, messages));
    const std::string text = read_bytes(dir.file("zone.wld"));
    const size_t square = text.find("#3000\nMarket square~\n");
    const size_t temple = text.find("#3001\nTemple~\n");
    ASSERT_NE(square, std::string::npos);
    ASSERT_NE(temple, std::string::npos);
    const size_t north = text.find("D0\n", square);
    const size_t south = text.find("D2\n", temple);
    EXPECT_LT(north, temple);
    EXPECT_NE(south, std::string::npos);
    EXPECT_NE(text.find("3001\n", north), std::string::npos);
    EXPECT_NE(text.find(" 3000\n", south), std::string::npos);
}

TEST_F(RoomEditorGui, AutoApplyFlagsAndExitSentence) {
    world.rooms[0].flags = 1 << 5;  // no list line for bit 5
    window->select_record(0);
    auto* flags = child<QListWidget>(window.get(), "RoomFlags");
    ASSERT_EQ(flags->count(), 2);
    flags->item(0)->setCheckState(Qt::Checked);
    auto* name = child<QLineEdit>(window.get(), "Edit1");
    name->setText("Plaza");
    window->select_record(1);  // Auto apply stores the pending edits
    EXPECT_EQ(world.rooms[0].name, "Plaza");
    EXPECT_EQ(world.rooms[0].flags, 1);
    EXPECT_EQ(name->text(), "Temple");

    world.rooms[1].exits.slot(North) = room_direction_data{};
    world.rooms[1].exits.slot(North)->target_vnum = 3000;
    window->select_record(1);
    click(window.get(), "InsertDescrBtn");
    EXPECT_EQ(child<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(),
              "A room.\n  Your only exit is to the north, where you see Plaza.\n");
    EXPECT_EQ(world.rooms[1].description, "A room.\r\n");
    click(window.get(), "ApplyBtn");
    // Edited, the whole text is stored with the LF line ends the server sends on.
    EXPECT_EQ(world.rooms[1].description,
              "A room.\n  Your only exit is to the north, where you see Plaza.\n");
}

TEST_F(RoomEditorGui, ExtraDescriptionThroughTheDialog) {
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Extra Descriptions");
        child<QLineEdit>(dialog, "EdKeywords")->setText("fountain");
        child<QPlainTextEdit>(dialog, "MemoDesc")->setPlainText("Clear water.\n");
        click(dialog, "OkBtn");
    });
    click(window.get(), "AgregarExtra");
    ASSERT_EQ(world.rooms[0].extra_descs.size(), 1u);
    EXPECT_EQ(world.rooms[0].extra_descs[0], (extra_descr_data{"fountain", "Clear water.\n"}));
    auto* box = child<QListWidget>(window.get(), "DescBox");
    ASSERT_EQ(box->count(), 1);
    box->setCurrentRow(0);
    EXPECT_EQ(child<QPlainTextEdit>(window.get(), "DescMemo")->toPlainText(), "Clear water.\n");
    click(window.get(), "EliminarExtra");
    EXPECT_TRUE(world.rooms[0].extra_descs.empty());
}

// The editors' dialogs are windows of their own; they must still take the
// general font and colour their editor was given. Rooms and objects share
// one extra-description dialog.
TEST_F(RoomEditorGui, DialogsFollowTheGeneralFontAndColour) {
    std::unique_ptr<ui::EditorWindow> objects(ui::create_object_editor(context, nullptr));
    EXPECT_EQ(objects->findChild<QDialog*>("ExtraDescForm"), nullptr);
    FontSetting general{"DejaVu Serif", 13, 0x0000FF};  // red, as 0x00BBGGRR
    for (QWidget* editor : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(objects.get())})
        ui::apply_general_font(editor, general);
    const std::pair<QWidget*, const char*> dialogs[] = {
        {window.get(), "TDirectionData"}, {window.get(), "TExtraDescForm"}, {objects.get(), "TExtraDescForm"}};
    for (const auto& [editor, name] : dialogs) {
        auto* dialog = child<QDialog>(editor, name);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->font().pointSize(), 13) << name;
        EXPECT_EQ(dialog->palette().color(QPalette::WindowText), QColor(255, 0, 0)) << name;
    }
}

// The modified state shows in the title the way Qt places it, without the
// warning Qt prints for a title that has no place for it.
TEST_F(RoomEditorGui, ModifiedStateShowsInTheTitleWithoutWarnings) {
    static QStringList warnings;
    warnings.clear();
    QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    QTest::keyClicks(child<QLineEdit>(window.get(), "Edit1"), "x");
    EXPECT_EQ(window->windowHandle()->title(), QString::fromUtf8("Edición de Room*"));
    click(window.get(), "ApplyBtn");  // "&Ok"
    EXPECT_EQ(window->windowHandle()->title(), QString::fromUtf8("Edición de Room"));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
}


TEST_F(RoomEditorGui, EditExitThroughBothPages) {
    obj_record key;
    key.vnum = 3050;
    world.objects.push_back(key);
    world.rooms[0].exits.slot(East) = room_direction_data{};
    world.rooms[0].exits.slot(East)->target_vnum = 3001;
    window->select_record(0);
    auto* exits = child<QTreeWidget>(window.get(), "ExitBox");
    exits->setCurrentItem(exits->topLevelItem(0));
    chooser.picks = {0};
    on_next_dialog([](QDialog* dialog) {
        EXPECT_EQ(child<QLineEdit>(dialog, "EdTitle")->text(), "Temple");
        auto* door = child<QComboBox>(dialog, "ComboBox1");
        auto* aliases = child<QLineEdit>(dialog, "edkeywords");
        door->setCurrentIndex(1);  // "Puerta Normal"
        EXPECT_TRUE(aliases->isEnabled());
        aliases->setText("door oak");
        click(dialog, "BrowseKeyBtn");
        EXPECT_EQ(child<QLineEdit>(dialog, "EdKey")->text(), "3050");
        child<QPlainTextEdit>(dialog, "EdDesc")->setPlainText("An oak door.\n");
        click(dialog, "OkBtn");
    });
    click(window.get(), "ExEdit");
    EXPECT_EQ(*world.rooms[0].exits[East],
              (room_direction_data{"An oak door.\n", "door oak", 1, 3050, 3001}));

    // A target below 0 removes the exit.
    exits->setCurrentItem(exits->topLevelItem(0));
    on_next_dialog([](QDialog* dialog) {
        child<QLineEdit>(dialog, "EdVNum")->setText("-5");
        click(dialog, "OkBtn");
    });
    click(window.get(), "ExEdit");
    EXPECT_EQ(messages.texts().back(), "Room VNUM must be greater than zero.");
    EXPECT_FALSE(world.rooms[0].exits[East]);
    EXPECT_EQ(exits->topLevelItemCount(), 0);
}

// tbaMUD's diagonals are offered, listed and made both ways in its zones
// only; a CircleMUD zone's menu keeps its six directions.
TEST_F(RoomEditorGui, DiagonalExitsInTbaMudZonesOnly) {
    auto* northwest = child<QAction>(window.get(), "ExAdd6");
    EXPECT_FALSE(northwest->isVisible());
    EXPECT_TRUE(child<QAction>(window.get(), "ExAdd5")->isVisible());
    world.dialect = Dialect::TbaMud;
    window->select_record(0);
    EXPECT_TRUE(northwest->isVisible());
    messages.answers = {Answer::Yes};
    on_next_dialog([](QDialog* dialog) {
        child<QLineEdit>(dialog, "EdVNum")->setText("3001");
        click(dialog, "OkBtn");
    });
    northwest->trigger();
    auto* exits = child<QTreeWidget>(window.get(), "ExitBox");
    ASSERT_EQ(exits->topLevelItemCount(), 1);
    EXPECT_EQ(exits->topLevelItem(0)->text(0).trimmed(), "Noroeste");
    ASSERT_TRUE(world.rooms[0].exits[Northwest]);
    ASSERT_TRUE(world.rooms[1].exits[Southeast]);
    EXPECT_EQ(world.rooms[1].exits[Southeast]->target_vnum, 3000);
    exits->setCurrentItem(exits->topLevelItem(0));
    click(window.get(), "ExDelete");
    EXPECT_FALSE(world.rooms[0].exits[Northwest]);
}

}  // namespace room_editor_gui_test
}  // namespace tarnwick::test
