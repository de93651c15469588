// The mob, object and shop windows: an edit made through the widgets reaches
// the saved world file.
#include <QApplication>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <clocale>
#include <functional>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

#include "editors/selection.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/shop_file.h"
#include "ui/app_context.h"
#include "ui/editor_factory.h"
#include "ui/editor_window.h"
#include "ui/editor_text.h"
#include "ui/record_text.h"
#include "world/lookup_lists.h"

using namespace tarnwick;

namespace record_editors_gui_test {

struct NoChooser : Chooser {
    int pick = -1;
    int32_t vnum = -1;
    int pick_from_list(const std::string&, const std::vector<std::string>&) override { return pick; }
    int32_t ask_object_vnum() override { return vnum; }
    int32_t ask_room_vnum() override { return vnum; }
};

std::string read_all(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs `handle` on the next modal dialog; a dialog still open after two
// seconds is rejected so a test fails instead of hanging.
void on_next_dialog(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer;
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, started, handle] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            handle(dialog);
            if (auto* d = qobject_cast<QDialog*>(dialog); d && d->isVisible()) {
                ADD_FAILURE() << "dialog left open";
                d->reject();
            }
        } else if (started->elapsed() > 2000) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no dialog appeared";
        }
    });
    timer->start();
}

struct EditorWindows : ::testing::Test {
    World world;
    AreaProject project;
    Preferences prefs;
    LookupLists lists;
    MessageRecorder messages;
    NoChooser chooser;
    ui::AppContext context{world, project, prefs, lists, messages, chooser};
    std::string folder;

    void SetUp() override {
        load_lookup_lists(lists, {TARNWICK_SOURCE_DATA}, messages);
        ASSERT_TRUE(messages.entries.empty());
        folder = (std::filesystem::temp_directory_path() /
                  ("tarnwick-gui-" + std::to_string(::getpid())))
                     .string();
        std::filesystem::create_directories(folder);

        char_data m;
        m.vnum = 3000;
        m.alias = "guard";
        m.short_name = "the guard";
        m.long_name = "A guard stands here.";
        m.descr = "He looks bored.\r\n";
        m.level = 5;
        world.mobs.push_back(m);
        obj_record o;
        o.vnum = 3010;
        o.alias = "bread";
        o.short_description = "a loaf of bread";
        o.long_description = "A loaf of bread lies here.";
        o.type = 19;
        o.weight = 1;
        o.cost = 5;
        o.cost_per_day = 1;
        world.objects.push_back(o);
        shop_data s = new_shop(world);
        s.vnum = 3000;
        s.keeper = 3000;
        world.shops.push_back(s);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    template <class T>
    T* find(QWidget* w, const char* name) {
        T* child = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void type_into(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Typed one key event per character, so non-ASCII letters arrive too.
        for (QChar ch : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
            QApplication::sendEvent(edit, &press);
        }
    }
};

TEST_F(EditorWindows, MobEditSavesAChangedNameAndAutolevelsDice) {
    std::unique_ptr<ui::EditorWindow> window(ui::create_mob_editor(context, nullptr));
    EXPECT_EQ(window->windowTitle(), "Mob Edition");
    world.mobs[0].gold = 12345678;  // longer than the field lets anyone type
    world.mobs[0].level = 100;
    window->select_record(0);
    EXPECT_EQ(find<QLineEdit>(window.get(), "edgold")->text(), "12345678");
    auto* name = find<QLineEdit>(window.get(), "edshortname");
    ASSERT_EQ(name->text(), "the guard");
    type_into(name, QString::fromUtf8("the caf\u00e9 guard"));
    auto* apply = find<QPushButton>(window.get(), "ApplyBtn");
    EXPECT_TRUE(apply->isEnabled());
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(world.mobs[0].short_name, "the caf\xe9 guard");
    EXPECT_EQ(world.mobs[0].gold, 12345678);
    EXPECT_EQ(world.mobs[0].level, 100);
    EXPECT_TRUE(world.changed);

    const std::string path = folder + "/zone.mob";
    ASSERT_TRUE(save_mob_file(world, path, prefs.format_settings("", ""), messages));
    EXPECT_NE(read_all(path).find("the caf\xe9 guard~\n"), std::string::npos);

    // Autolevel through the widgets.
    type_into(find<QLineEdit>(window.get(), "edlevel"), "10");
    find<QCheckBox>(window.get(), "CheckBox1")->click();
    EXPECT_TRUE(world.mobs[0].autolevel);
    find<QSlider>(window.get(), "EnduranceBar")->setValue(5);
    EXPECT_EQ(find<QLineEdit>(window.get(), "edhitdices")->text(), "11");
    EXPECT_EQ(find<QLabel>(window.get(), "HitLabel")->text(), "Hitpoints : 171 -- 325");

    // A bad number stops the apply with the conversion message.
    type_into(find<QLineEdit>(window.get(), "edgold"), "");
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(messages.texts().back(), "Gold: '' is not a valid integer value");
    EXPECT_EQ(world.mobs[0].level, 10);
    EXPECT_TRUE(apply->isEnabled());
}

TEST_F(EditorWindows, ObjectEditSavesAChangedWeight) {
    std::unique_ptr<ui::EditorWindow> window(ui::create_object_editor(context, nullptr));
    EXPECT_EQ(window->windowTitle(), "Object Edition");
    EXPECT_EQ(find<QComboBox>(window.get(), "ComboBox1")->count(), 23);
    window->select_record(0);
    EXPECT_EQ(find<QComboBox>(window.get(), "ComboBox1")->currentIndex(), 18);
    EXPECT_FALSE(find<QLineEdit>(window.get(), "EditLevel")->isEnabled());
    prefs.save_obj_levels = true;
    window->preferences_applied();
    EXPECT_TRUE(find<QLineEdit>(window.get(), "EditLevel")->isEnabled());

    type_into(find<QLineEdit>(window.get(), "edpeso"), "33");
    QTest::mouseClick(find<QPushButton>(window.get(), "ApplyBtn"), Qt::LeftButton);
    EXPECT_EQ(world.objects[0].weight, 33);
    const std::string path = folder + "/zone.obj";
    ASSERT_TRUE(save_object_file(world, path, prefs.format_settings("", ""), messages));
    EXPECT_NE(read_all(path).find("\n33 5 1\n"), std::string::npos);

    // An affect slot set through its own Apply.
    auto* box = find<QListWidget>(window.get(), "AffectBox");
    ASSERT_EQ(box->count(), 6);
    box->setCurrentRow(0);
    find<QComboBox>(window.get(), "comboAff")->setCurrentIndex(1);
    type_into(find<QLineEdit>(window.get(), "edAff"), "2");
    auto* aff_apply = find<QPushButton>(window.get(), "AffApply");
    ASSERT_TRUE(aff_apply->isEnabled());
    QTest::mouseClick(aff_apply, Qt::LeftButton);
    EXPECT_EQ(world.objects[0].affects[0], (obj_affect{1, 2}));
    EXPECT_EQ(box->item(0)->text(),
              QString::fromStdString(lists.item_affects[1]) + " modified 2");
}

TEST_F(EditorWindows, ShopEditStoresFieldsWhenLeavingTheShop) {
    std::unique_ptr<ui::EditorWindow> window(ui::create_shop_editor(context, nullptr));
    EXPECT_EQ(window->windowTitle(), "Shop Edit");
    window->select_record(0);
    EXPECT_EQ(find<QLineEdit>(window.get(), "edkeepername")->text(), "the guard");
    type_into(find<QLineEdit>(window.get(), "edprofitsell"), "1.5");
    type_into(find<QLineEdit>(window.get(), "Edit7"), "%s Here, %d coins.");
    auto* end2 = find<QLineEdit>(window.get(), "end2");
    for (int i = 0; i < 30; ++i) QTest::mouseClick(find<QWidget>(window.get(), "end2Up"), Qt::LeftButton);
    EXPECT_EQ(end2->text(), "24");

    chooser.vnum = 3010;
    find<QPushButton>(window.get(), "addSellItem")->click();  // on a page not in view
    auto* sell = find<QListWidget>(window.get(), "SellBox");
    ASSERT_EQ(sell->count(), 1);
    EXPECT_EQ(sell->item(0)->text(), "#3010 - a loaf of bread");

    // Browse picks a keeper: the name shows at once and the shop list is told.
    char_data baker;
    baker.vnum = 3001;
    baker.short_name = "the baker";
    world.mobs.push_back(baker);
    QSignalSpy lists_changed(&context, &ui::AppContext::tableChanged);
    chooser.pick = 1;
    find<QPushButton>(window.get(), "Button1")->click();
    EXPECT_EQ(find<QLineEdit>(window.get(), "edkeepername")->text(), "the baker");
    EXPECT_EQ(world.shops[0].keeper, 3001);
    EXPECT_EQ(lists_changed.count(), 1);
    // A typed keeper is named as it is typed.
    auto* keeper = find<QLineEdit>(window.get(), "edkeepernum");
    keeper->selectAll();
    QTest::keyClicks(keeper, "3000");
    EXPECT_EQ(find<QLineEdit>(window.get(), "edkeepername")->text(), "the guard");
    // ...and keeps that name when the fields are shown again, as adding a
    // product does, before the shop is applied.
    find<QPushButton>(window.get(), "addSellItem")->click();
    EXPECT_EQ(find<QLineEdit>(window.get(), "edkeepername")->text(), "the guard");
    keeper->selectAll();
    QTest::keyClicks(keeper, "3001");

    window->select_record(-1);
    const std::string path = folder + "/zone.shp";
    ASSERT_TRUE(save_shop_file(world, path, prefs.format_settings("", ""), messages));
    const std::string text = read_all(path);
    EXPECT_NE(text.find("\n1.50\n"), std::string::npos);
    EXPECT_NE(text.find("%s Here, %d coins.~\n"), std::string::npos);
    EXPECT_EQ(world.shops[0].end2, 24);
    EXPECT_FALSE(find<QWidget>(window.get(), "PageControl1")->findChild<QLineEdit*>("edprofitsell")->isEnabled());
}

// Qt takes the process locale from the environment; CI runs these tests once
// more under a comma-decimal one, and this test switches to it when it can.
TEST_F(EditorWindows, ShopProfitsKeepTheirDecimalPointAndEveryDigit) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    shop_data second = world.shops[0];
    second.vnum = 3001;
    second.profit_sell = 2.25f;
    second.profit_buy = 1.15f;
    world.shops.push_back(second);
    std::unique_ptr<ui::EditorWindow> window(ui::create_shop_editor(context, nullptr));
    window->select_record(1);
    EXPECT_EQ(find<QLineEdit>(window.get(), "edprofitsell")->text(), "2.25");
    EXPECT_EQ(find<QLineEdit>(window.get(), "edprofitbuy")->text(), "1.15");
    window->select_record(0);  // looking changes nothing
    EXPECT_EQ(world.shops[1].profit_sell, 2.25f);
    EXPECT_EQ(world.shops[1].profit_buy, 1.15f);
    EXPECT_EQ(find<QLineEdit>(window.get(), "edprofitbuy")->text(), "0.9");
    type_into(find<QLineEdit>(window.get(), "edprofitsell"), "1.35");
    type_into(find<QLineEdit>(window.get(), "Edit1"), "No such thing here.");
    window->select_record(-1);
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_TRUE(messages.entries.empty()) << messages.entries[0].text;
    EXPECT_EQ(world.shops[0].profit_sell, 1.35f);
    EXPECT_EQ(world.shops[0].profit_buy, 0.9f);
    EXPECT_EQ(world.shops[0].msg_buy_missing, "No such thing here.");
}

TEST_F(EditorWindows, EspecAndValuesDialogsChangeTheRecord) {
    std::unique_ptr<ui::EditorWindow> mobs(ui::create_mob_editor(context, nullptr));
    mobs->select_record(0);
    on_next_dialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Enhanced Mob Specifications");
        dialog->findChild<QComboBox*>("SpecCombo")->setEditText("Str");
        dialog->findChild<QLineEdit*>("SpecEdit")->setText("18");
        dialog->findChild<QPushButton*>("AddBtn")->click();
        EXPECT_EQ(dialog->findChild<QTreeWidget*>("SpecList")->topLevelItemCount(), 1);
        dialog->findChild<QPushButton*>("OkBtn")->click();
    });
    find<QPushButton>(mobs.get(), "ESpecBtn")->click();
    ASSERT_EQ(world.mobs[0].especs.size(), 1u);
    EXPECT_EQ(world.mobs[0].especs[0], (extra_descr_data{"Str", "18"}));
    EXPECT_TRUE(world.mobs[0].enhanced);

    std::unique_ptr<ui::EditorWindow> objects(ui::create_object_editor(context, nullptr));
    objects->select_record(0);
    world.objects[0].values = {6, 1, 2, 1};
    on_next_dialog([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Object Values");
        EXPECT_EQ(dialog->findChild<QLabel*>("ValueCaption0")->text(), "Hours");
        dialog->findChild<QLineEdit*>("ValueEdit0")->setText("12");
        dialog->findChild<QPushButton*>("Button1")->click();
    });
    find<QPushButton>(objects.get(), "ValueBtn")->click();
    // Food: hours and poison keep meaning; values 1 and 2 are zeroed.
    EXPECT_EQ(world.objects[0].values, (std::array<int32_t, 4>{12, 0, 0, 1}));
    EXPECT_TRUE(find<QPushButton>(objects.get(), "ApplyBtn")->isEnabled());
}

TEST(RecordText, EveryByteSurvivesTheWidgetBoundary) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(char(b));
    EXPECT_EQ(ui::fields::from_widget(ui::fields::to_widget(all)), all);
    EXPECT_EQ(ui::fields::to_widget("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(ui::fields::from_widget(QString(QChar(0x4E00))), "?");
    // Memo text gives back LF line ends, whatever it was shown from.
    EXPECT_EQ(ui::fields::memo_from_widget("a\nb"), "a\nb");
    EXPECT_EQ(ui::fields::memo_from_widget(ui::fields::memo_to_widget("a\r\nb\r\n")), "a\nb\n");
    EXPECT_EQ(ui::memo_from_qt(ui::memo_to_qt("a\r\nb\n")), "a\nb\n");
}
}  // namespace record_editors_gui_test

