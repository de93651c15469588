// Undo and redo through the windows, and the recovery copy surviving a
// killed editor.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <thread>

#include "app/recovery_keeper.h"
#include "app/startup.h"
#include "editors/record_list_ops.h"
#include "gui_support.h"
#include "project/recovery.h"
#include "ui/editor_window.h"
#include "ui/history_window.h"
#include "ui/record_list_window.h"

namespace tarnwick::test {
namespace undo_gui_test {

using UndoGui = MainFixture;

QLineEdit* room_name(app::MainWindow& main) {
    return main.room_editor()->findChild<QLineEdit*>("Edit1");
}

// Renames room 0 in its editor as a builder does: type, then Ok.
void rename_first_room(app::MainWindow& main, const QString& name) {
    main.room_editor()->show();
    main.room_editor()->select_record(0);
    QLineEdit* field = room_name(main);
    field->selectAll();
    QTest::keyClicks(field, name);
    QTest::mouseClick(main.room_editor()->findChild<QWidget*>("ApplyBtn"), Qt::LeftButton);
}

TEST_F(UndoGui, CtrlZInTheRoomEditorRestoresScreenListAndFile) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const std::string original = state->world.rooms[0].name;
    const int32_t vnum = state->world.rooms[0].vnum;
    rename_first_room(*main, "Renamed by a test");
    ASSERT_EQ(state->world.rooms[0].name, "Renamed by a test");
    EXPECT_TRUE(main->windowTitle().endsWith(" *"));
    auto* undo = main->findChild<QAction*>("EditUndo");
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->text(), QString("&Undo Rename room #%1").arg(vnum));

    // Ctrl+Z while the name field still has the focus.
    room_name(*main)->setFocus();
    QTest::keyClick(room_name(*main), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(state->world.rooms[0].name, original);
    EXPECT_EQ(room_name(*main)->text().toStdString(), original);
    EXPECT_TRUE(main->list(ListKind::Room)->lines()[0].contains(QString::fromStdString(original)));
    // Back at the saved state: no mark, and closing asks nothing.
    EXPECT_FALSE(main->windowTitle().endsWith(" *"));

    // Ctrl+Y does it again; a second Ctrl+Z takes it back; the file follows.
    QTest::keyClick(room_name(*main), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(room_name(*main)->text(), "Renamed by a test");
    EXPECT_TRUE(main->windowTitle().endsWith(" *"));
    QTest::keyClick(room_name(*main), Qt::Key_Z, Qt::ControlModifier);
    trigger("Guardar1");
    const std::string saved = read_bytes(zone.file("tarnwick.wld"));
    EXPECT_NE(saved.find("#" + std::to_string(vnum) + "\n" + original + "~\n"), std::string::npos);
    EXPECT_EQ(saved.find("Renamed by a test"), std::string::npos);

    // Saving keeps the history: the rename can be redone after the save.
    EXPECT_TRUE(main->findChild<QAction*>("EditRedo")->isEnabled());
    messages.clear();
    trigger("Cerrar1");
    EXPECT_TRUE(messages.texts().empty());
}

TEST_F(UndoGui, HistoryWindowGoesToAStepAndEditorsNeverShowARemovedRecord) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const int rooms = state->world.room_count();
    trigger("Agregar1");  // a new room, shown in its editor
    ASSERT_EQ(state->world.room_count(), rooms + 1);
    main->room_editor()->select_record(rooms);
    rename_first_room(*main, "Second step");

    auto* history = main->history_window();
    ASSERT_EQ(history->list()->count(), 3);  // as opened, add, rename
    main->room_editor()->select_record(rooms);
    history->list()->setCurrentRow(0);
    EXPECT_EQ(state->world.room_count(), rooms);
    EXPECT_FALSE(state->world.changed);
    // The editor showed the room that is gone: it shows its neighbour.
    EXPECT_EQ(main->room_editor()->current_index(), rooms - 1);
    EXPECT_EQ(main->list(ListKind::Room)->lines().size(), rooms);

    history->list()->setCurrentRow(2);
    EXPECT_EQ(state->world.room_count(), rooms + 1);
    EXPECT_EQ(state->world.rooms[0].name, "Second step");
}

// A zone header edit is a step of the history the moment it is typed, with
// the zone editor still open; undone, the field shows the old name again.
TEST_F(UndoGui, AZoneHeaderEditEntersTheHistoryAsItIsTyped) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    const QString original = QString::fromStdString(state->world.zone.name);
    main->zone_editor()->show();
    auto* name = main->zone_editor()->findChild<QWidget*>("InfoPage")->findChild<QLineEdit*>("Edit1");
    name->selectAll();
    QTest::keyClicks(name, "The Drowned Mere");
    auto* history = main->history_window();
    ASSERT_EQ(history->list()->count(), 2);  // as opened, and the typing as one step
    EXPECT_EQ(history->list()->item(1)->text(), "Rename zone");
    EXPECT_EQ(state->world.zone.name, "The Drowned Mere");
    EXPECT_TRUE(main->zone_editor()->isVisible());

    main->findChild<QAction*>("EditUndo")->trigger();
    EXPECT_EQ(name->text(), original);
    EXPECT_EQ(QString::fromStdString(state->world.zone.name), original);
    EXPECT_FALSE(state->world.changed);
}

// A restored copy reopens the project's windows where they stood when it
// was kept, and those not shown stay closed.
TEST_F(UndoGui, RestoredWorkReopensTheWindowsWhereTheyStood) {
    SampleZone zone;
    TempDir dir;
    const QString copy = QString::fromStdString(dir.file("recovery.twr"));
    ASSERT_TRUE(main->open_project(zone.project()));
    const std::pair<QWidget*, QPoint> shown[] = {{main->list(ListKind::Room), {300, 420}},
                                                 {main->mob_editor(), {520, 180}},
                                                 {main->list(ListKind::Shop), {40, 600}}};
    for (const auto& [w, at] : shown) {
        w->show();
        w->move(at);
    }
    main->object_editor()->hide();
    QApplication::processEvents();
    state->world.rooms[0].name = "Unsaved";
    state->context.mark_changed();
    main->keep_recovery(copy);
    main->recovery_keeper()->write_now();
    // Closing this window discards the copy, as a clean exit does: kept aside.
    std::filesystem::copy_file(copy.toStdString(), dir.file("kept.twr"));
    state->world.changed = false;

    start();
    std::filesystem::copy_file(dir.file("kept.twr"), copy.toStdString(),
                               std::filesystem::copy_options::overwrite_existing);
    messages.answers = {Answer::Yes};
    ASSERT_TRUE(main->offer_recovery(copy)) << (messages.entries.empty() ? "" : messages.entries.back().text);
    QApplication::processEvents();
    const std::pair<QWidget*, QPoint> again[] = {{main->list(ListKind::Room), {300, 420}},
                                                 {main->mob_editor(), {520, 180}},
                                                 {main->list(ListKind::Shop), {40, 600}}};
    for (const auto& [w, at] : again) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->pos(), at);
    }
    EXPECT_FALSE(main->object_editor()->isVisible());
    EXPECT_EQ(state->world.rooms[0].name, "Unsaved");
}

// The editor that gets killed: run by the test below in a process of its own.
TEST(RecoveryCrash, ChildEditsAndWaitsToBeKilled) {
    const QString settings = qEnvironmentVariable("TARNWICK_CRASH_CHILD");
    if (settings.isEmpty()) GTEST_SKIP() << "runs only as the child of KilledEditorIsRestored";
    MessageRecorder messages;
    app::StartupOptions options;
    options.splash = false;
    options.messages = &messages;
    app::Startup startup(options);
    app::MainWindow& main = startup.run(qEnvironmentVariable("TARNWICK_CRASH_PROJECT"));
    main.recovery_keeper()->set_interval(100);
    rename_first_room(main, "Unsaved when killed");
    for (;;) QTest::qWait(50);  // until SIGKILL
}

TEST(RecoveryCrash, KilledEditorIsRestored) {
    SampleZone zone;
    TempDir settings;
    QProcess child;
    QStringList env = QProcess::systemEnvironment();
    env << "TARNWICK_CRASH_CHILD=" + QString::fromStdString(settings.path().string())
        << "TARNWICK_SETTINGS_DIR=" + QString::fromStdString(settings.path().string())
        << "TARNWICK_CRASH_PROJECT=" + zone.project() << "QT_QPA_PLATFORM=offscreen";
    child.setEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=RecoveryCrash.ChildEditsAndWaitsToBeKilled"});
    ASSERT_TRUE(child.waitForStarted());
    const std::string copy = app::RecoveryKeeper::default_path(
                                 QString::fromStdString(settings.path().string()))
                                 .toStdString();
    for (int i = 0; i < 300 && !std::filesystem::exists(copy); ++i) QTest::qWait(50);
    ASSERT_TRUE(std::filesystem::exists(copy)) << child.readAllStandardError().toStdString();
    ::kill(pid_t(child.processId()), SIGKILL);
    child.waitForFinished();
    ASSERT_TRUE(std::filesystem::exists(copy));

    qputenv("TARNWICK_SETTINGS_DIR", QByteArray::fromStdString(settings.path().string()));
    MessageRecorder messages;
    messages.answers = {Answer::Yes};
    app::StartupOptions options;
    options.splash = false;
    options.messages = &messages;
    {
        app::Startup startup(options);
        app::MainWindow& main = startup.run();
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_NE(messages.entries[0].text.find("\"The Tarnwick Mere\""), std::string::npos)
            << messages.entries[0].text;
        EXPECT_NE(messages.entries[0].text.find(" on 20"), std::string::npos);
        EXPECT_EQ(startup.state()->world.rooms[0].name, "Unsaved when killed");
        EXPECT_TRUE(main.windowTitle().endsWith(" *"));
        EXPECT_TRUE(main.list(ListKind::Room)->lines()[0].contains("Unsaved when killed"));
        // Saving puts it into the project's own files and removes the copy.
        main.command("Guardar1")->trigger();
        EXPECT_FALSE(std::filesystem::exists(copy));
        EXPECT_NE(read_bytes(zone.file("tarnwick.wld")).find("Unsaved when killed~"),
                  std::string::npos);
    }

    // Declined, the copy is removed; damaged, it is reported and kept aside.
    for (const char* what : {"declined", "damaged"}) {
        SCOPED_TRACE(what);
        std::string error;
        World world;
        AreaProject project;
        project.zone_name = "Mere";
        ASSERT_TRUE(write_recovery(copy, world, project, {}, 1, error));
        const bool damaged = std::string(what) == "damaged";
        if (damaged) write_bytes(copy, read_bytes(copy).substr(0, 40));
        messages.clear();
        messages.answers = {Answer::No};
        app::Startup startup(options);
        startup.run();
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].kind, damaged ? "show" : "ask");
        EXPECT_FALSE(std::filesystem::exists(copy));
        EXPECT_EQ(std::filesystem::exists(copy + ".damaged"), damaged);
        EXPECT_FALSE(startup.main_window()->project_commands_on());
    }
    qunsetenv("TARNWICK_SETTINGS_DIR");
}

}  // namespace undo_gui_test
}  // namespace tarnwick::test
