// Triggers through the windows (tbaMUD): the trigger list and editor, the
// script memo's indentation, line numbers and colours, the check on apply,
// undo, find and go to vnum; attaching from a room's trigger list; and a
// room trigger that blocks a direction made, attached, saved, reopened and
// booted by the real tbaMUD server.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTreeWidget>

#include <array>
#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

#include "analysis/find.h"
#include "editors/record_list_ops.h"
#include "gui_support.h"
#include "server_boot.h"
#include "ui/editor_window.h"
#include "ui/find_window.h"
#include "ui/record_list_window.h"
#include "ui/script_edit.h"
#include "ui/text_viewer.h"
#include "world/trigger_types.h"

namespace tarnwick::test {
namespace trigger_gui_test {

namespace fs = std::filesystem;

fs::path shared_dir() {
    if (const char* env = std::getenv("TARNWICK_SHARED")) return env;
    return fs::path(TARNWICK_EXAMPLES) / ".." / ".." / "shared";
}

// A small tbaMUD zone as a world folder: zone 100, a gatehouse with a gate
// north to a courtyard; no mobiles, objects or shops, no trigger file yet.
void write_gatehouse(const fs::path& world) {
    for (const char* kind : {"wld", "zon", "mob", "obj", "shp"}) fs::create_directories(world / kind);
    write_bytes((world / "zon" / "100.zon").string(),
                "#100\nTarnwick~\nThe Gatehouse~\n10000 10099 30 2 0 0 0 0 0 34\nS\n$\n");
    write_bytes((world / "wld" / "100.wld").string(),
                "#10000\nThe Gatehouse~\n   A narrow gatehouse.  A heavy gate leads north.\n~\n"
                "100 0 0 0 0 0\nD0\n~\n~\n0 -1 10001\nS\n"
                "#10001\nThe Courtyard~\n   A quiet courtyard.\n~\n100 0 0 0 0 0\nD2\n~\n~\n0 -1 10000\nS\n$~\n");
}


template <class W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(name);
    EXPECT_TRUE(w) << name;
    return w;
}

struct TriggerGui : MainFixture {
    TempDir dir;
    fs::path world = dir.path() / "world";

    void open_gatehouse() {
        write_gatehouse(world);
        ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string()), 100));
        ASSERT_EQ(state->world.dialect, Dialect::TbaMud);
    }
    ui::RecordListWindow* triggers() { return main->list(ListKind::Trigger); }
    ui::EditorWindow* editor() { return main->trigger_editor(); }
    ui::ScriptEdit* memo() { return child<ui::ScriptEdit>(editor(), "scriptMemo"); }
    void ok() { child<QPushButton>(editor(), "ApplyBtn")->click(); }
    // Types into the script memo as a builder does, Enter for each line break.
    void type_script(const QString& text) {
        memo()->setFocus();
        memo()->selectAll();
        QTest::keyClick(memo(), Qt::Key_Delete);
        const QStringList lines = text.split('\n');
        for (int i = 0; i < lines.size(); ++i) {
            QTest::keyClicks(memo(), lines[i]);
            if (i + 1 < lines.size()) QTest::keyClick(memo(), Qt::Key_Return);
        }
    }
    QStringList check_lines() {
        QStringList out;
        auto* list = child<QListWidget>(editor(), "checkList");
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }
};

TEST_F(TriggerGui, TriggerCommandsWorkInTbaMudZonesOnly) {
    SampleZone sample;
    ASSERT_TRUE(main->open_project(sample.project()));
    for (const char* name : {"NewTrigBtn", "TrigListBtn", "Agregar5", "ListadeTriggers1", "EditordeTriggers1"})
        EXPECT_FALSE(enabled(name)) << name;
    EXPECT_FALSE(main->findChild<QMenu*>("Triggers1")->menuAction()->isEnabled());
    open_gatehouse();
    for (const char* name : {"NewTrigBtn", "TrigListBtn", "Agregar5", "ListadeTriggers1", "EditordeTriggers1"})
        EXPECT_TRUE(enabled(name)) << name;
    EXPECT_TRUE(main->findChild<QMenu*>("Triggers1")->menuAction()->isEnabled());
    trigger("TrigListBtn");
    EXPECT_TRUE(triggers()->isVisible());
    EXPECT_TRUE(main->command("ListadeTriggers1")->isChecked());
    EXPECT_EQ(triggers()->windowTitle(), "0 Records.");
}

TEST_F(TriggerGui, AddEditApplyCheckAndTheListFollows) {
    open_gatehouse();
    trigger("NewTrigBtn");
    ASSERT_EQ(state->world.trigger_count(), 1);
    EXPECT_EQ(triggers()->lines(), QStringList{"#10000   ---   new trigger"});
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(child<QLineEdit>(editor(), "edvnum")->text(), "10000");
    EXPECT_EQ(child<QLineEdit>(editor(), "edname")->text(), "new trigger");
    auto* attach = child<QComboBox>(editor(), "attachCombo");
    auto* types = child<QListWidget>(editor(), "typeList");
    EXPECT_EQ(attach->currentText(), "Mobiles");
    ASSERT_EQ(types->count(), 21);
    EXPECT_EQ(types->item(6)->text(), "Greet");
    EXPECT_EQ(types->item(6)->checkState(), Qt::Checked);

    // A room trigger on the word "north".
    auto* name = child<QLineEdit>(editor(), "edname");
    name->selectAll();
    QTest::keyClicks(name, "Guard bars the gate");
    attach->setCurrentIndex(2);
    ASSERT_EQ(types->count(), 20);
    EXPECT_EQ(types->item(6)->text(), "Enter");
    EXPECT_EQ(types->item(6)->checkState(), Qt::Unchecked) << "Greet is not a room's";
    types->setCurrentRow(2);
    EXPECT_EQ(types->item(2)->text(), "Command");
    QTest::keyClick(types, Qt::Key_Space);
    EXPECT_EQ(types->item(2)->checkState(), Qt::Checked);
    QTest::keyClicks(child<QLineEdit>(editor(), "edarglist"), "north");

    // Typed line by line: the memo indents the blocks itself.
    type_script("if %actor.level% >= 31\nreturn 0\nend\n%send% %actor% The gate is barred.\n%load% obj 10050");
    EXPECT_EQ(memo()->toPlainText(), "if %actor.level% >= 31\n  return 0\nend\n"
                                     "%send% %actor% The gate is barred.\n%load% obj 10050");
    EXPECT_TRUE(editor()->isWindowModified());
    ok();
    const trig_data& t = state->world.triggers[0];
    EXPECT_EQ(t.name, "Guard bars the gate");
    EXPECT_EQ(t.attach_type, kAttachRoom);
    EXPECT_EQ(t.trigger_types, kTrigCommand);
    EXPECT_EQ(t.arglist, "north");
    EXPECT_EQ(t.script, "if %actor.level% >= 31\n  return 0\nend\n%send% %actor% The gate is barred.\n"
                        "%load% obj 10050\n");
    EXPECT_FALSE(editor()->isWindowModified());
    EXPECT_EQ(triggers()->lines(), QStringList{"#10000   ---   Guard bars the gate"});
    // The check ran on apply: the object is missing, nothing attaches it.
    const QStringList found = check_lines();
    ASSERT_EQ(found.size(), 2) << found.join("\n").toStdString();
    EXPECT_TRUE(found[0].startsWith("note: no room, mob, object, T command or script attaches"));
    EXPECT_EQ(found[1], "error: line 5: %load% obj: object #10050 does not exist: the command fails "
                        "when the trigger runs");
    // A double click on it goes to that line.
    auto* list = child<QListWidget>(editor(), "checkList");
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_EQ(memo()->textCursor().blockNumber(), 4);

    // View source shows the trigger as the file will hold it.
    triggers()->show();
    triggers()->list()->setCurrentRow(0);
    triggers()->VerFuente1Click();
    EXPECT_TRUE(main->viewer()->isVisible());
    EXPECT_TRUE(main->viewer()->text().startsWith("#10000\nGuard bars the gate~\n2 c 100\nnorth~\n"));

    // Clone, then remove the clone.
    triggers()->Clonar1Click();
    ASSERT_EQ(state->world.trigger_count(), 2);
    EXPECT_EQ(triggers()->lines()[1], "#10001   ---   Guard bars the gate");
    triggers()->list()->setCurrentRow(1);
    triggers()->Eliminar1Click();
    EXPECT_EQ(state->world.trigger_count(), 1);
}

TEST_F(TriggerGui, MemoShowsLineNumbersColoursAndReindentsClosingWords) {
    open_gatehouse();
    trigger("NewTrigBtn");
    ui::ScriptEdit* m = memo();
    // Measured, not asked: fontconfig calls some monospaced fonts (Noto Sans
    // Mono) proportional.
    const QFontMetrics metrics(m->font());
    EXPECT_EQ(metrics.horizontalAdvance(QLatin1Char('i')), metrics.horizontalAdvance(QLatin1Char('W')));
    EXPECT_GT(m->gutter_width(), 0);
    EXPECT_TRUE(m->findChild<QWidget*>("lineNumbers"));
    type_script("switch %random.2%\ncase 1\nmecho one\nbreak\ndone\n* a note\nwhile %x%\nsay %x\ndone");
    EXPECT_EQ(m->toPlainText(), "switch %random.2%\n  case 1\n    mecho one\n  break\ndone\n* a note\n"
                                "while %x%\n  say %x\ndone");
    // Colours: engine words, the mobile's commands, variables, an open
    // variable, comments.
    using K = ScriptTokenKind;
    const bool dark = m->dark();
    const QColor keyword = m->colour(K::Keyword, dark), command = m->colour(K::Command, dark),
                 variable = m->colour(K::Variable, dark), open = m->colour(K::OpenVariable, dark);
    EXPECT_EQ(m->format_at(1, 0).foreground().color(), keyword);   // switch
    EXPECT_EQ(m->format_at(1, 8).foreground().color(), variable);  // %random.2%
    EXPECT_EQ(m->format_at(3, 5).foreground().color(), command);   // mecho
    EXPECT_EQ(m->format_at(6, 2).foreground().color(), m->colour(K::Comment, dark));
    EXPECT_TRUE(m->format_at(6, 2).fontItalic());
    EXPECT_EQ(m->format_at(8, 2).foreground().color(), command);   // say
    EXPECT_EQ(m->format_at(8, 7).foreground().color(), open);      // %x left open
    EXPECT_EQ(m->format_at(8, 7).underlineStyle(), QTextCharFormat::WaveUnderline);
    // A room has no mecho: the colour follows the attach type.
    child<QComboBox>(editor(), "attachCombo")->setCurrentIndex(2);
    EXPECT_NE(m->format_at(3, 5).foreground().color(), command);
    // Undo takes the last typing back.
    EXPECT_TRUE(m->document()->isUndoAvailable());
}

TEST_F(TriggerGui, UndoFindAndGoToVnumReachTheTrigger) {
    open_gatehouse();
    trigger("NewTrigBtn");
    auto* name = child<QLineEdit>(editor(), "edname");
    name->selectAll();
    QTest::keyClicks(name, "Renamed");
    ok();
    ASSERT_EQ(state->world.triggers[0].name, "Renamed");
    auto* undo = main->findChild<QAction*>("EditUndo");
    ASSERT_TRUE(undo);
    EXPECT_EQ(undo->text(), "&Undo Rename trigger #10000");
    undo->trigger();
    EXPECT_EQ(state->world.triggers[0].name, "new trigger");
    EXPECT_EQ(name->text(), "new trigger");
    EXPECT_EQ(triggers()->lines(), QStringList{"#10000   ---   new trigger"});
    undo->trigger();  // the add itself
    EXPECT_EQ(state->world.trigger_count(), 0);
    EXPECT_FALSE(child<QLineEdit>(editor(), "edname")->isEnabled());
    main->findChild<QAction*>("EditRedo")->trigger();
    ASSERT_EQ(state->world.trigger_count(), 1);

    // Find the script's text: the hit opens the trigger with the match selected.
    editor()->hide();
    const auto hits = find_in_zone(state->world, "commandlist");
    ASSERT_EQ(hits.size(), 1u);
    ASSERT_TRUE(main->open_found(hits[0]));
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(memo()->textCursor().selectedText(), "commandlist");

    // Go to vnum: 10000 is a room and a trigger; both are listed.
    editor()->hide();
    EXPECT_TRUE(main->go_to_vnum(10000));
    EXPECT_TRUE(main->room_editor()->isVisible());
    EXPECT_EQ(main->find_window()->findChild<QTreeWidget*>("FindResults")->topLevelItemCount(), 2);
}

TEST_F(TriggerGui, TheRoomsTriggerListChoosesAmongTheZonesRoomTriggers) {
    open_gatehouse();
    // A mobile trigger and a room trigger.
    trigger("NewTrigBtn");
    trigger("NewTrigBtn");
    ASSERT_EQ(state->world.trigger_count(), 2);
    child<QComboBox>(editor(), "attachCombo")->setCurrentIndex(2);
    ok();
    ASSERT_EQ(state->world.triggers[1].attach_type, kAttachRoom);

    main->EditordeRooms1Click();
    ui::EditorWindow* rooms = main->room_editor();
    rooms->select_record(0);
    auto* list = child<QListWidget>(rooms, "triggerList");
    on_next_modal([](QWidget* modal) {
        EXPECT_EQ(modal->objectName(), "triggerChooser");
        auto* choices = modal->findChild<QListWidget*>("triggerChoices");
        ASSERT_TRUE(choices);
        ASSERT_EQ(choices->count(), 1) << "rooms take room triggers only";
        EXPECT_EQ(choices->item(0)->text(), "#10001  new trigger");
        EXPECT_EQ(modal->findChild<QLineEdit*>("triggerVnum")->text(), "10001");
        static_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(rooms, "addTrigger")->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "#10001  new trigger");
    // Attached now: the chooser has nothing more to offer, a typed vnum
    // (another zone's trigger) is still taken.
    on_next_modal([](QWidget* modal) {
        auto* choices = modal->findChild<QListWidget*>("triggerChoices");
        ASSERT_TRUE(choices);
        EXPECT_EQ(choices->count(), 0);
        modal->findChild<QLineEdit*>("triggerVnum")->setText("3016");
        static_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(rooms, "addTrigger")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), "#3016  (no such trigger)");
    child<QPushButton>(rooms, "ApplyBtn")->click();
    EXPECT_EQ(state->world.rooms[0].triggers, (TriggerList{10001, 3016}));
}

// A builder's whole way with a trigger: a room trigger that keeps mortals
// from going north, made in the trigger editor, attached in the room
// editor, saved, opened again, and booted by the real server.
TEST_F(TriggerGui, ARoomTriggerBlockingNorthIsSavedReopenedAndBooted) {
    open_gatehouse();
    trigger("NewTrigBtn");
    auto* name = child<QLineEdit>(editor(), "edname");
    name->selectAll();
    QTest::keyClicks(name, "Guard bars the gate");
    child<QComboBox>(editor(), "attachCombo")->setCurrentIndex(2);
    auto* types = child<QListWidget>(editor(), "typeList");
    types->setCurrentRow(2);
    QTest::keyClick(types, Qt::Key_Space);  // Command
    QTest::keyClicks(child<QLineEdit>(editor(), "edarglist"), "north");
    // Immortals pass (return 0 lets the command go on); anyone else is
    // told and stays: a command trigger that returns 1 takes the command.
    type_script("* Only immortals pass north.\nif %actor.level% >= 31\nreturn 0\nend\n"
                "%send% %actor% The guard steps in front of the gate: none shall pass north.\n"
                "%echoaround% %actor% The guard stops %actor.name% at the gate.");
    ok();
    ASSERT_EQ(state->world.trigger_count(), 1);
    const trig_data made = state->world.triggers[0];
    EXPECT_EQ(made.vnum, 10000);
    EXPECT_EQ(made.attach_type, kAttachRoom);
    EXPECT_EQ(made.trigger_types, kTrigCommand);
    // Nothing wrong but that nothing attaches it yet.
    EXPECT_EQ(check_lines(), QStringList{"note: no room, mob, object, T command or script attaches "
                                         "this trigger"});

    main->EditordeRooms1Click();
    ui::EditorWindow* rooms = main->room_editor();
    rooms->select_record(state->world.find_room(10000));
    on_next_modal([](QWidget* modal) {
        auto* choices = modal->findChild<QListWidget*>("triggerChoices");
        ASSERT_TRUE(choices && choices->count() == 1);
        choices->setCurrentRow(0);
        static_cast<QDialog*>(modal)->accept();
    });
    child<QPushButton>(rooms, "addTrigger")->click();
    child<QPushButton>(rooms, "ApplyBtn")->click();
    ASSERT_EQ(state->world.rooms[size_t(state->world.find_room(10000))].triggers, TriggerList{10000});
    // The trigger editor, still open, checks again: attached now.
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(check_lines(), QStringList{});

    messages.clear();
    trigger("Guardar1");
    EXPECT_FALSE(state->world.changed);
    for (const auto& m : messages.entries) ADD_FAILURE() << "saving said: " << m.text;
    const std::string trg = read_bytes((world / "trg" / "100.trg").string());
    EXPECT_EQ(trg, "#10000\nGuard bars the gate~\n2 c 100\nnorth~\n* Only immortals pass north.\n"
                   "if %actor.level% >= 31\n  return 0\nend\n"
                   "%send% %actor% The guard steps in front of the gate: none shall pass north.\n"
                   "%echoaround% %actor% The guard stops %actor.name% at the gate.\n~\n$~\n");
    EXPECT_NE(read_bytes((world / "wld" / "100.wld").string()).find("S\nT 10000\n"), std::string::npos);

    // Opened again: the trigger and its attachment are as made.
    ASSERT_TRUE(main->open_world_folder(QString::fromStdString(world.string()), 100));
    ASSERT_EQ(state->world.trigger_count(), 1);
    EXPECT_EQ(state->world.triggers[0], made);
    EXPECT_EQ(state->world.rooms[size_t(state->world.find_room(10000))].triggers, TriggerList{10000});
    trigger("TrigListBtn");
    EXPECT_EQ(triggers()->lines(), QStringList{"#10000   ---   Guard bars the gate"});

    const fs::path server = shared_dir() / "server-tbamud";
    if (!fs::exists(server / "check-world.sh")) {
        std::printf("[ NOTE     ] no tbaMUD server source: the saved zone was not booted\n");
        return;
    }
    const auto b = testkit::boot_server(server, "tbamud", world);
    EXPECT_EQ(b.exit, 0) << b.log;
    EXPECT_EQ(b.rewrote, 0);
    EXPECT_EQ(b.syserr, 0) << b.log;
    int naming = 0;
    std::istringstream lines(b.log);
    for (std::string line; std::getline(lines, line);)
        if (line.find("SYSERR") != std::string::npos && line.find("10000") != std::string::npos) ++naming;
    EXPECT_EQ(naming, 0) << b.log;
    EXPECT_NE(b.log.find("Loading triggers and generating index."), std::string::npos);
}

}  // namespace trigger_gui_test
}  // namespace tarnwick::test
