// The main window: start-up, which commands respond when, opening the
// sample zone, the list entries, the recent-files list and unsaved changes.

#include <gtest/gtest.h>

#include <algorithm>

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QTextBrowser>
#include <QToolBar>
#include <QTest>
#include <functional>

#include "app/commands.h"
#include "app/screenshot.h"
#include "ui/caption_bar.h"
#include <QImage>
#include "gui_support.h"
#include "ui/editor_window.h"
#include "ui/record_list_window.h"
#include "ui/editor_window.h"

namespace tarnwick::test {
namespace main_window_test {

using MainWindowTest = MainFixture;

TEST_F(MainWindowTest, StartUpCreatesWindowsAndStoresEveryPreference) {
    EXPECT_EQ(main->creation_order(),
              (QStringList{"TMainForm", "TZoneEdit", "TFormRoomList", "TProjectForm", "TRoomEdit",
                           "TFormMobList", "TFormObjList", "TMobEdit", "TObjEdit", "TSelectItem",
                           "TFormShopList", "TShopEdit", "TSelForm", "TFormPrefs", "TAboutBox",
                           "TTextViewer"}));
    EXPECT_EQ(prefs_store.value_count(), 20u);
    EXPECT_EQ(prefs_store.value("Fonts", "MemoFontFace"), "Courier New");
    EXPECT_EQ(prefs_store.value("Fonts", "FontFace"), "MS Sans Serif");
    EXPECT_EQ(prefs_store.value("Fonts", "ViewerFontColor"), "32768");
    EXPECT_EQ(prefs_store.value("General", "Columns"), "70");
    EXPECT_EQ(prefs_store.value("Shops", "NewFormat"), "1");
    EXPECT_EQ(prefs_store.value("Format", "AlphaBitvectors"), "0");
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - Sin Proyecto");
    EXPECT_EQ(main->height(), 73);
    EXPECT_EQ(main->minimumWidth(), 400);
    for (const char* name : {"TFormRoomList", "TTextViewer", "TRoomEdit"})
        EXPECT_FALSE(main->findChild<QWidget*>(name)->isVisible()) << name;
}

TEST_F(MainWindowTest, OnlyTheAlwaysEnabledCommandsRespondWithoutAProject) {
    for (const char* name : {"NuevoProyecto1", "Abrir1", "RecentFiles1", "Salir1", "Acercade1",
                             "NewBtn", "OpenBtn"})
        EXPECT_TRUE(enabled(name)) << name;
    for (const char* name : {"Guardar1", "GuardarComo1", "Cerrar1", "EditarProyecto1", "SaveBtn",
                             "EditPrjBtn", "ToolsBtn", "NewMonsterBtn", "DeleteMonsterBtn",
                             "NewRoomBtn", "DeleteRoomBtn", "AddObjBtn", "DeleteObjBtn", "NewShop",
                             "DeleteShop", "Opciones1", "Agregar1", "ListadeRooms1",
                             "RenumerarMundo1"})
        EXPECT_FALSE(enabled(name)) << name;
    for (const char* menu : {"Ver1", "Rooms1", "Mobs1", "Objetos1", "Shops1"})
        EXPECT_FALSE(main->findChild<QMenu*>(menu)->menuAction()->isEnabled()) << menu;
    // Every table entry names a slot that exists.
    for (const auto& c : app::menu_commands()) {
        if (!*c.handler) continue;
        EXPECT_GE(main->metaObject()->indexOfSlot((std::string(c.handler) + "()").c_str()), 0)
            << c.handler;
    }
}

TEST_F(MainWindowTest, OpeningTheSampleFillsTheListsAndEnablesTheProject) {
    SampleZone zone;
    messages.file_answers.push_back(zone.project().toStdString());
    trigger("Abrir1");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "Abrir Archivo de Zonas...");
    EXPECT_EQ(messages.entries[0].text, "Tarnwick Area Projects (*.qzp)|*.qzp");
    EXPECT_TRUE(main->project_commands_on());
    for (const char* name : {"Guardar1", "Opciones1", "NewRoomBtn", "DeleteShop", "RenumerarMundo1"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - The Tarnwick Mere");
    const QStringList rooms = main->list(ListKind::Room)->lines();
    ASSERT_EQ(rooms.size(), 12);
    EXPECT_EQ(rooms[0], "#18600   ---   The Ferry Landing");
    EXPECT_EQ(main->list(ListKind::Mob)->lines().size(), 5);
    EXPECT_EQ(main->list(ListKind::Mob)->lines()[0], "#18600   ---   the old ferryman");
    EXPECT_EQ(main->list(ListKind::Object)->lines().size(), 9);
    EXPECT_EQ(main->list(ListKind::Object)->lines()[0], "#18600   ---   an eel-oil lantern");
    EXPECT_FALSE(main->list(ListKind::Shop)->lines().isEmpty());
    // The sample keeps no window open: its rooms are shown all the same.
    EXPECT_TRUE(main->list(ListKind::Room)->isVisible());
    EXPECT_FALSE(main->list(ListKind::Mob)->isVisible());
    ASSERT_FALSE(main->recent_files().entries().empty());
    EXPECT_EQ(main->recent_files().entries()[0], zone.project().toStdString());
    // The zone editor was hidden while the zone opened: shown, its tree
    // holds the root and every command but the closing S.
    ASSERT_FALSE(main->zone_editor()->isVisible());
    main->zone_editor()->show();
    int items = 0;
    for (QTreeWidgetItemIterator it(main->zone_editor()->findChild<QTreeWidget*>("TreeView1")); *it; ++it)
        ++items;
    const auto& commands = state->world.zone.commands;
    EXPECT_EQ(items, 1 + std::count_if(commands.begin(), commands.end(),
                                       [](const zCommand& c) { return c.command != 'S'; }));

    trigger("Cerrar1");
    EXPECT_FALSE(main->project_commands_on());
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - No Project");
    EXPECT_TRUE(main->list(ListKind::Room)->lines().isEmpty());
}

TEST_F(MainWindowTest, AFailedOpenLeavesNoProject) {
    SampleZone zone;
    test::write_bytes(zone.file("short.qzp"), "too short");
    EXPECT_FALSE(main->open_project(QString::fromStdString(zone.file("short.qzp"))));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text.substr(0, 6), "Error!");
    EXPECT_FALSE(main->project_commands_on());
}

// A folder named with letters beyond ASCII: the chosen name reaches the disk
// as it is, and the recent-files menu shows it as it was chosen.
TEST_F(MainWindowTest, AProjectInAFolderWithNonAsciiLettersOpens) {
    SampleZone zone;
    const std::string folder = zone.file("Ærø Ŝtåd");
    std::filesystem::create_directory(folder);
    for (const char* e : {".qzp", ".wld", ".mob", ".obj", ".shp", ".zon"})
        std::filesystem::copy_file(zone.file(std::string("tarnwick") + e), folder + "/tarnwick" + e);
    const std::string project = folder + "/tarnwick.qzp";
    messages.file_answers.push_back(project);
    trigger("Abrir1");
    ASSERT_TRUE(main->project_commands_on());
    EXPECT_EQ(main->list(ListKind::Room)->lines().size(), 12);
    ASSERT_FALSE(main->recent_files().entries().empty());
    EXPECT_EQ(main->recent_files().entries()[0], project);
    auto* recent = main->findChild<QMenu*>("RecentFiles1");
    ASSERT_TRUE(recent && !recent->actions().isEmpty());
    EXPECT_TRUE(recent->actions()[0]->text().endsWith(QString::fromUtf8(project.c_str())))
        << recent->actions()[0]->text().toStdString();
}

TEST_F(MainWindowTest, ListEntriesFollowTheListWindow) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    auto* rooms = main->list(ListKind::Room);
    ASSERT_TRUE(rooms->isVisible());  // shown at opening: the sample keeps no window open
    trigger("ListadeRooms1");
    EXPECT_FALSE(rooms->isVisible());
    trigger("ListadeRooms1");
    EXPECT_TRUE(rooms->isVisible());
    EXPECT_TRUE(main->command("ListadeRooms1")->isChecked());
    EXPECT_TRUE(main->command("ListadeRooms2")->isChecked());
    trigger("ListadeRooms1");
    EXPECT_FALSE(rooms->isVisible());
    EXPECT_FALSE(main->command("ListadeRooms2")->isChecked());
    trigger("ListadeRooms2");
    EXPECT_TRUE(main->command("ListadeRooms1")->isChecked());
    rooms->findChild<QPushButton*>("Button1")->click();
    EXPECT_FALSE(rooms->isVisible());
    EXPECT_FALSE(main->command("ListadeRooms1")->isChecked());
    EXPECT_FALSE(main->command("ListadeRooms2")->isChecked());

    // Toolbars: the View entries hide and show them.
    auto* general = main->findChild<QToolBar*>("GeneralTB");
    EXPECT_TRUE(main->command("Genera1")->isChecked());
    EXPECT_TRUE(main->command("Edicin1")->isChecked());
    trigger("Genera1");
    EXPECT_FALSE(general->isVisible());
    trigger("Genera1");
    EXPECT_TRUE(general->isVisible());
    auto* edit = main->findChild<QToolBar*>("EditTB");
    EXPECT_EQ(edit->windowTitle(), QString::fromUtf8("Edición"));
    edit->hide();  // closed by its own close box when floating
    EXPECT_FALSE(main->command("Edicin1")->isChecked());
    EXPECT_TRUE(main->command("Genera1")->isChecked());
}

TEST_F(MainWindowTest, RecentFilesSurviveExitButNotAPlainClose) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    main->close();
    EXPECT_FALSE(recent_store.value("FileHistory", "File1"));
    EXPECT_TRUE(prefs_store.value("General", "Columns"));

    start();
    ASSERT_TRUE(main->open_project(zone.project()));
    trigger("Salir1");
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(recent_store.value("FileHistory", "File1"), zone.project().toStdString());

    // The next start reads it into "&Reopen".
    start();
    auto* reopen = main->findChild<QMenu*>("RecentFiles1");
    ASSERT_EQ(reopen->actions().size(), 1);
    reopen->actions()[0]->trigger();
    EXPECT_TRUE(main->project_commands_on());
}

TEST_F(MainWindowTest, UnsavedChangesAreNeverDroppedSilently) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    messages.clear();
    trigger("Agregar1");
    EXPECT_TRUE(state->world.changed);
    EXPECT_TRUE(main->windowTitle().endsWith(" *"));

    messages.answers = {Answer::Cancel};
    trigger("Cerrar1");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Save changes to the zone?"});
    EXPECT_TRUE(main->project_commands_on());
    EXPECT_EQ(state->world.room_count(), 13);

    // Closing the window asks too; Cancel keeps it open.
    messages.answers = {Answer::Cancel};
    main->close();
    EXPECT_TRUE(main->isVisible());

    // Yes saves first: the new room reaches the file.
    messages.clear();
    messages.answers = {Answer::Yes};
    trigger("Cerrar1");
    EXPECT_FALSE(main->project_commands_on());
    EXPECT_NE(test::read_bytes(zone.file("tarnwick.wld")).find("#18612\n"), std::string::npos);

    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(state->world.room_count(), 13);
    trigger("Agregar1");
    messages.clear();
    messages.answers = {Answer::No};
    trigger("Cerrar1");
    EXPECT_FALSE(main->project_commands_on());
    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(state->world.room_count(), 13);
}

// Edits typed into an editor but not applied are changes too: every command
// that ends or replaces the project asks about them, and Yes saves them.
TEST_F(MainWindowTest, PendingEditsAreCoveredByTheSaveQuestion) {
    SampleZone zone;
    const struct {
        const char* editor;
        const char* field;
    } fields[] = {{"TRoomEdit", "Edit1"}, {"TZoneEdit", "Edit1"}, {"TZoneEdit", "EditN2"}};
    const std::function<void()> commands[] = {
        [&] { trigger("Cerrar1"); },
        [&] { trigger("NuevoProyecto1"); },
        [&] { trigger("Abrir1"); },
        [&] { main->RecentFiles1Click(zone.project()); },
        [&] { trigger("Salir1"); },
        [&] { main->close(); },
    };
    for (const auto& f : fields) {
        for (size_t c = 0; c < std::size(commands); ++c) {
            SCOPED_TRACE(std::string(f.editor) + "." + f.field + " then command " + std::to_string(c));
            ASSERT_TRUE(main->open_project(zone.project()));
            main->room_editor()->select_record(0);
            QWidget* editor = main->findChild<QWidget*>(f.editor);
            editor->show();
            auto* edit = editor->findChild<QLineEdit*>(f.field);
            ASSERT_NE(edit, nullptr);
            QTest::keyClicks(edit, "7");
            messages.clear();
            messages.answers = {Answer::Cancel};
            commands[c]();
            EXPECT_EQ(messages.texts(), std::vector<std::string>{"Save changes to the zone?"});
            EXPECT_TRUE(main->project_commands_on());
            EXPECT_TRUE(main->isVisible());
            EXPECT_TRUE(main->windowTitle().endsWith(" *"));
            // Yes saves what was typed.
            messages.answers = {Answer::Yes};
            trigger("Cerrar1");
            EXPECT_FALSE(main->project_commands_on());
        }
    }
    EXPECT_NE(test::read_bytes(zone.file("tarnwick.wld")).find("The Ferry Landing777777~"),
              std::string::npos);
    EXPECT_NE(test::read_bytes(zone.file("tarnwick.zon")).find("777777"), std::string::npos);
}

TEST_F(MainWindowTest, ZoneEditorOpensTheProjectPropertiesAndKeepsItsEditsOnRenumber) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    QString opened;
    on_next_modal([&opened](QWidget* d) {
        opened = d->objectName();
        d->findChild<QPushButton*>("CancelBtn")->click();
    });
    main->zone_editor()->findChild<QPushButton*>("ProjectPropertiesBtn")->click();
    EXPECT_EQ(opened, "TProjectForm");

    auto* name = main->zone_editor()->findChild<QLineEdit*>("Edit1");
    name->setText("Renamed Mere");
    messages.answers = {Answer::Yes};
    trigger("RenumerarMundo1");
    EXPECT_EQ(name->text(), "Renamed Mere");
    EXPECT_TRUE(state->world.changed);
}

// The list's Remove and Clone act on its selected line: it must be the
// record the editor shows, whoever pointed the editor at it.
TEST_F(MainWindowTest, ListSelectionFollowsTheRecordTheEditorShows) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const struct {
        ListKind kind;
        ui::EditorWindow* editor;
    } cases[] = {{ListKind::Room, main->room_editor()},
                 {ListKind::Mob, main->mob_editor()},
                 {ListKind::Object, main->object_editor()}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.kind));
        ui::RecordListWindow* list = main->list(c.kind);
        c.editor->select_record(2);
        EXPECT_EQ(list->selected(), 2);
        list->Agregar1Click();
        EXPECT_EQ(list->selected(), list->lines().size() - 1);
        EXPECT_EQ(c.editor->current_index(), list->selected());
        c.editor->select_record(1);
        list->Eliminar1Click();  // removes record 1, the one on screen
        EXPECT_EQ(c.editor->current_index(), list->selected());
    }
}

TEST_F(MainWindowTest, SavedWindowLayoutComesBackOnOpen) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    auto* rooms = main->list(ListKind::Room);
    trigger("ListadeRooms1");
    rooms->move(40, 150);
    rooms->resize(320, 260);
    messages.clear();
    trigger("Guardar1");
    EXPECT_FALSE(state->world.changed);
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - " + zone.project());
    trigger("Cerrar1");
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(rooms->isVisible());

    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_TRUE(rooms->isVisible());
    EXPECT_TRUE(main->command("ListadeRooms2")->isChecked());
    EXPECT_EQ(rooms->pos(), QPoint(40, 150));
    EXPECT_EQ(rooms->size(), QSize(320, 260));
    EXPECT_FALSE(main->list(ListKind::Mob)->isVisible());
}

TEST_F(MainWindowTest, RenumberAsksFirst) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    state->project.zone_number = 7;
    messages.clear();
    messages.answers = {Answer::No};
    trigger("RenumerarMundo1");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "Renumerar");
    EXPECT_EQ(messages.entries[0].text, "\xBF" "Desea renumerar la zona?");
    EXPECT_EQ(state->world.rooms[0].vnum, 18600);
    messages.answers = {Answer::Yes};
    trigger("RenumerarMundo1");
    EXPECT_EQ(state->world.rooms[0].vnum, 700);
    EXPECT_EQ(main->list(ListKind::Room)->lines()[0], "#700   ---   The Ferry Landing");
    EXPECT_TRUE(state->world.changed);
}

// Names picked in the file chooser are absolute; the saved project names its
// files from its folder, so a copy of the folder opened and saved in the
// editor writes the copy's files and not the original's.
TEST_F(MainWindowTest, ACopiedProjectFolderSavesIntoTheCopy) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        state->project.*field = zone.file(state->project.*field);
    state->context.mark_changed();
    trigger("Guardar1");
    ASSERT_FALSE(state->world.changed);
    const std::string original_rooms = read_bytes(zone.file("tarnwick.wld"));

    TempDir copy;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(zone.file(""))))
        std::filesystem::copy_file(e.path(), copy.path() / e.path().filename());
    ASSERT_TRUE(main->open_project(QString::fromStdString(copy.file("tarnwick.qzp"))));
    ui::EditorWindow* rooms = main->room_editor();
    rooms->select_record(0);
    rooms->show();
    auto* name = rooms->findChild<QLineEdit*>("Edit1");
    name->selectAll();
    QTest::keyClicks(name, "The Copied Landing");
    rooms->apply_pending();
    trigger("Guardar1");
    EXPECT_FALSE(state->world.changed);
    EXPECT_EQ(read_bytes(zone.file("tarnwick.wld")), original_rooms);
    EXPECT_NE(read_bytes(copy.file("tarnwick.wld")).find("The Copied Landing~"), std::string::npos);
}


TEST_F(MainWindowTest, ScreenshotShowsTheMainWindowAndVisibleLists) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));  // the room list shows
    const std::string png = zone.file("shot.png");
    ASSERT_TRUE(app::save_screenshot(*main, QString::fromStdString(png)));
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(image.width(), main->width() + main->list(ListKind::Room)->width());
    EXPECT_GE(image.height(), main->list(ListKind::Room)->height());
}

TEST_F(MainWindowTest, ScreenshotOfOneWindowShowsThatWindowOnItsFirstRecord) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    EXPECT_EQ(app::screenshot_window(*main, "nowhere"), nullptr);
    QWidget* room = app::screenshot_window(*main, "room");
    ASSERT_EQ(room, static_cast<QWidget*>(main->room_editor()));
    EXPECT_EQ(main->room_editor()->current_index(), 0);
    const std::string png = zone.file("room.png");
    ASSERT_TRUE(app::save_window_screenshot(*room, QString::fromStdString(png)));
    QImage image(QString::fromStdString(png));
    EXPECT_EQ(image.width(), room->width());
    EXPECT_GT(image.height(), room->height());
}

TEST_F(MainWindowTest, HelpContentsShowsTheUserGuide) {
    // The build folder holds the guide where an install does.
    trigger("Contenido1");
    EXPECT_TRUE(messages.texts().empty());
    auto* help = main->findChild<QWidget*>("THelpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    auto* browser = help->findChild<QTextBrowser*>("GuideBrowser");
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().startsWith("Tarnwick user guide"));
}

TEST_F(MainWindowTest, GradientCaptionFollowsThePreference) {
    auto* caption = main->findChild<ui::CaptionBar*>("CaptionBar");
    ASSERT_NE(caption, nullptr);
    EXPECT_FALSE(caption->gradient());
    prefs_store.write_string("Caption", "Gradient", "1");
    start();
    caption = main->findChild<ui::CaptionBar*>("CaptionBar");
    EXPECT_TRUE(caption->gradient());
    EXPECT_EQ(caption->full_text(), "Tarnwick v1.0a - Sin Proyecto");
}


TEST_F(MainWindowTest, NewProjectGoesThroughThePropertiesDialog) {
    // Cancelled: nothing changes.
    on_next_modal([](QWidget* d) {
        EXPECT_EQ(d->objectName(), "TProjectForm");
        d->findChild<QPushButton*>("CancelBtn")->click();
    });
    trigger("NuevoProyecto1");
    EXPECT_FALSE(main->project_commands_on());

    on_next_modal([](QWidget* d) {
        d->findChild<QLineEdit*>("Edit1")->setText("Sunken Keep");
        d->findChild<QLineEdit*>("edzonenum")->setText("42");
        // A new project asks for its server, CircleMUD 3.0 unless chosen.
        auto* server = d->findChild<QComboBox*>("dialectCombo");
        ASSERT_TRUE(server && server->isVisible());
        EXPECT_EQ(server->currentText(), "CircleMUD 3.0");
        server->setCurrentIndex(server->findText("tbaMUD"));
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    trigger("NewBtn");
    EXPECT_TRUE(main->project_commands_on());
    EXPECT_EQ(main->windowTitle(), "Tarnwick v1.0a - Sunken Keep");
    EXPECT_EQ(state->project.zone_name, "Sunken Keep");
    EXPECT_EQ(state->project.zone_number, 42);
    EXPECT_EQ(state->world.dialect, Dialect::TbaMud);
    EXPECT_EQ(state->world.zone.bot, 4200);
    trigger("NewRoomBtn");
    EXPECT_EQ(state->world.rooms.at(0).vnum, 4200);

    on_next_modal([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Acerca de Tarnwick...");
        QPushButton* close = d->findChild<QPushButton*>("OKButton");
        EXPECT_EQ(close->text(), "&Cerrar");
        close->click();
    });
    trigger("Acercade1");
}

}  // namespace main_window_test
}  // namespace tarnwick::test
