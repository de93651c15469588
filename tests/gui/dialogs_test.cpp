// The selection dialogs, the project properties and preferences dialogs,
// Windows-1252 conversion, file filters and the QSettings store.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "gui_support.h"
#include "ui/cp1252.h"
#include "ui/dialog_messages.h"
#include "ui/prefs_form.h"
#include "ui/project_form.h"
#include "ui/qt_settings_store.h"
#include "ui/selection_dialogs.h"

namespace tarnwick::test {
namespace dialogs_test {

TEST(Cp1252, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(char(b));
    const QString text = ui::from_cp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(ui::to_cp1252(text), all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0x9F], QChar(0x0178));
    EXPECT_EQ(text[0x81], QChar(0x81));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_EQ(ui::to_cp1252(QString::fromUtf8("a\u4E2Dz")), "a?z");
}

TEST(FileFilter, BarsBecomeQtFilters) {
    EXPECT_EQ(ui::qt_file_filter("Tarnwick Area Projects (*.qzp)|*.qzp"),
              "Tarnwick Area Projects (*.qzp *.QZP)");
    EXPECT_EQ(ui::qt_file_filter("Zone Files (*.zon)|*.ZON|All Files (*.*)|*.*"),
              "Zone Files (*.zon *.ZON);;All Files (*.*)");
    EXPECT_EQ(ui::qt_file_filter("Plain|*.a;*.b"), "Plain (*.a *.A *.b *.B)");
}

// A message box opens over the window the builder works in; with none
// active, over the main window it was given.
TEST(DialogMessagesTest, BoxesOpenOverTheActiveWindow) {
    QWidget main_window, editor;
    ui::DialogMessages messages(&main_window);
    main_window.show();
    editor.show();
    for (QWidget* active : {&editor, static_cast<QWidget*>(nullptr)}) {
        QApplication::setActiveWindow(active);
        QWidget* owner = nullptr;
        on_next_modal([&owner](QWidget* box) {
            owner = box->parentWidget();
            static_cast<QDialog*>(box)->reject();
        });
        messages.show("Saved.");
        EXPECT_EQ(owner, active ? active : &main_window);
    }
}

TEST(QtSettings, IniFileKeepsSectionsAndValues) {
    TempDir dir;
    {
        ui::QtSettingsStore store("TarnwickZoneEditor", QString::fromStdString(dir.path().string()));
        EXPECT_EQ(store.read_string("Fonts", "MemoBack", "dflt"), "dflt");
        store.write_string("Fonts", "MemoBack", "0xFF");
        store.write_string("FileHistory", "File1", "C:\\mud\\caf\xE9.qzp");
    }
    ui::QtSettingsStore again("TarnwickZoneEditor", QString::fromStdString(dir.path().string()));
    EXPECT_EQ(again.read_string("Fonts", "MemoBack", ""), "0xFF");
    EXPECT_EQ(again.read_string("FileHistory", "File1", ""), "C:\\mud\\caf\xE9.qzp");
    again.delete_key("FileHistory");
    EXPECT_EQ(again.read_string("FileHistory", "File1", "gone"), "gone");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "TarnwickZoneEditor.ini"));
}

struct SelectionTest : MainFixture {
    SampleZone zone;
    void SetUp() override {
        MainFixture::SetUp();
        ASSERT_TRUE(main->open_project(zone.project()));
    }
};

TEST_F(SelectionTest, PickFromListGivesTheLinePosition) {
    on_next_modal([](QWidget* d) {
        auto* list = d->findChild<QListWidget*>("ListBox1");
        list->setCurrentRow(2);
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    EXPECT_EQ(pick_object_vnum(state->chooser, state->world), state->world.objects[2].vnum);
    on_next_modal([](QWidget* d) { d->findChild<QPushButton*>("OkBtn")->click(); });
    EXPECT_EQ(pick_room_vnum(state->chooser, state->world), -1);
    on_next_modal([](QWidget* d) {
        d->findChild<QListWidget*>("ListBox1")->setCurrentRow(0);
        d->findChild<QPushButton*>("CancelBtn")->click();
    });
    EXPECT_EQ(pick_mob_vnum(state->chooser, state->world), -1);
}

TEST_F(SelectionTest, SelFormKeepsItsLastNumber) {
    on_next_modal([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Select Object:");
        d->findChild<QLineEdit*>("Number")->setText("3005");
        // Browse, then Cancel in the list: the field keeps 3005.
        on_next_modal([](QWidget* list) {
            EXPECT_EQ(list->windowTitle(), "Select Item");
            list->findChild<QPushButton*>("CancelBtn")->click();
        });
        d->findChild<QPushButton*>("BrowseBtn")->click();
        EXPECT_EQ(d->findChild<QLineEdit*>("Number")->text(), "3005");
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    // The chooser asks for objects with its own list dialog; the form still
    // serves rooms, and its number is shared between both kinds.
    EXPECT_EQ(main->sel_form()->ask_object_vnum(), 3005);

    on_next_modal([](QWidget* d) {
        EXPECT_EQ(d->windowTitle(), "Select Room:");
        EXPECT_EQ(d->findChild<QLineEdit*>("Number")->text(), "3005");
        on_next_modal([](QWidget* list) {
            list->findChild<QListWidget*>("ListBox1")->setCurrentRow(1);
            list->findChild<QPushButton*>("OkBtn")->click();
        });
        d->findChild<QPushButton*>("BrowseBtn")->click();
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    EXPECT_EQ(state->chooser.ask_room_vnum(), state->world.rooms[1].vnum);
    on_next_modal([](QWidget* d) { d->findChild<QPushButton*>("CancelBtn")->click(); });
    EXPECT_EQ(state->chooser.ask_room_vnum(), -1);
}

TEST(ProjectFormTest, SameNameDerivesTheOtherFiles) {
    MessageRecorder messages;
    messages.file_answers.push_back("C:\\mud\\castle.zon");
    ui::ProjectForm dialog(messages);
    ProjectPropertiesForm form;
    dialog.load(form);
    EXPECT_EQ(dialog.windowTitle(), "Editar Proyecto");
    EXPECT_EQ(dialog.findChild<QLineEdit*>("edzonenum")->text(), "300");
    // The server is asked of new projects only: a project's zone file says it.
    EXPECT_TRUE(dialog.findChild<QComboBox*>("dialectCombo")->isHidden());
    dialog.findChild<QCheckBox*>("CheckBox1")->click();
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("edworld")->isReadOnly());
    dialog.findChild<QPushButton*>("edzonBtn")->click();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "Select Zone file");
    EXPECT_EQ(messages.entries[0].text,
              "Zone Files (*.zon)|*.ZON|Text Files (*.txt)|*.TXT|All Files (*.*)|*.*");
    const ProjectPropertiesForm taken = dialog.take();
    EXPECT_EQ(taken.zone_file, "C:\\mud\\castle.zon");
    EXPECT_EQ(taken.room_file, "C:\\mud\\castle.wld");
    EXPECT_EQ(taken.mob_file, "C:\\mud\\castle.mob");
    EXPECT_EQ(taken.shop_file, "C:\\mud\\castle.shp");
    EXPECT_EQ(taken.object_file, "C:\\mud\\castle.obj");

    // A typed name gets its standard extension when the field is left.
    dialog.findChild<QCheckBox*>("CheckBox1")->click();
    auto* mob = dialog.findChild<QLineEdit*>("edmob");
    mob->setText("area.txt");
    emit mob->editingFinished();
    EXPECT_EQ(mob->text(), "area.mob");
}

// "&Ok" refuses a zone name or author holding a line break and stays open.
TEST(ProjectFormTest, OkRefusesLineBreaksInNameAndAuthor) {
    const struct {
        QString name, author, message;
    } cases[] = {{"Tarnwick\nMere", "Ana", "The zone name cannot hold a line break."},
                 {"Tarnwick Mere", "Ana\r\nBeth", "The author cannot hold a line break."},
                 {"Tarnwick Mere", "Ana", ""}};
    for (const auto& c : cases) {
        MessageRecorder messages;
        ui::ProjectForm dialog(messages);
        dialog.load(ProjectPropertiesForm{});
        dialog.show();
        dialog.findChild<QLineEdit*>("Edit1")->setText(c.name);
        dialog.findChild<QLineEdit*>("edauthor")->setText(c.author);
        dialog.accept();
        EXPECT_EQ(dialog.result(), c.message.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_EQ(dialog.isVisible(), !c.message.isEmpty());
        EXPECT_EQ(messages.texts(), c.message.isEmpty() ? std::vector<std::string>{}
                                                        : std::vector<std::string>{c.message.toStdString()});
    }
}

TEST(PrefsFormTest, ControlsCarryTheForm) {
    ui::PrefsForm dialog;
    PreferencesDialogForm form;
    form.column_check = false;
    form.columns_text = "70";
    form.alpha_bitvectors = true;
    form.dialog_font = {"Courier New", 9, 0};
    dialog.load(form);
    EXPECT_FALSE(dialog.findChild<QLineEdit*>("Columns")->isEnabled());
    EXPECT_FALSE(dialog.findChild<QCheckBox*>("AnsiCheck")->isEnabled());
    dialog.findChild<QCheckBox*>("ColumnCheck")->click();
    EXPECT_TRUE(dialog.findChild<QLineEdit*>("Columns")->isEnabled());
    dialog.findChild<QLineEdit*>("Columns")->setText("151");
    dialog.findChild<QCheckBox*>("NewFormat")->click();
    const PreferencesDialogForm taken = dialog.take();
    EXPECT_TRUE(taken.column_check);
    EXPECT_EQ(taken.columns_text, "151");
    EXPECT_TRUE(taken.alpha_bitvectors);
    EXPECT_EQ(taken.new_format, !form.new_format);
    EXPECT_EQ(dialog.findChild<QLabel*>("DialogFontPanel")->text(), "Courier New");
}

TEST_F(SelectionTest, OptionsWithARangeErrorUseSeventyFive) {
    on_next_modal([](QWidget* d) {
        d->findChild<QCheckBox*>("ColumnCheck")->setChecked(true);
        d->findChild<QLineEdit*>("Columns")->setText("24");
        d->findChild<QPushButton*>("OkBtn")->click();
    });
    messages.clear();
    main->command("Opciones1")->trigger();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].title, "Range Error");
    EXPECT_EQ(state->preferences.columns, 75);
    EXPECT_EQ(prefs_store.value("General", "Columns"), "75");
}

}  // namespace dialogs_test
}  // namespace tarnwick::test
