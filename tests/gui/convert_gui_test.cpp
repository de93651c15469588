// Tools > Convert zone to...: a new project beside the old one, never over a
// file, what the target cannot hold asked about first, the report shown.

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui_support.h"
#include "ui/text_viewer.h"

using namespace tarnwick;

namespace convert_gui_test {

// Picks `server` in the dialog and clicks Ok.
void choose(const QString& server) {
    test::on_next_modal([server](QWidget* dialog) {
        EXPECT_EQ(dialog->objectName(), "ConvertZoneDialog");
        auto* target = dialog->findChild<QComboBox*>("ConvertTarget");
        ASSERT_NE(target, nullptr);
        EXPECT_EQ(target->findText("CircleMUD 3.0"), -1) << "the zone's own server is not offered";
        target->setCurrentIndex(target->findText(server));
        dialog->findChild<QPushButton*>("OkBtn")->click();
    });
}

struct ConvertGuiTest : test::MainFixture {
    test::SampleZone zone;
    void open() {
        messages.file_answers.push_back(zone.project().toStdString());
        trigger("Abrir1");
        messages.clear();
    }
};


TEST_F(ConvertGuiTest, WritesANewProjectBesideTheOldOneAndShowsTheReport) {
    open();
    std::map<std::string, std::string> before;
    for (const char* ext : {"qzp", "zon", "wld", "mob", "obj", "shp"})
        before[ext] = test::read_bytes(zone.file(std::string("tarnwick.") + ext));
    choose("tbaMUD");
    trigger("ConvertZone1");
    for (const auto& [ext, bytes] : before) {
        EXPECT_EQ(test::read_bytes(zone.file("tarnwick." + ext)), bytes) << ext << " was written";
        EXPECT_TRUE(std::filesystem::exists(zone.file("tarnwick-tbamud." + ext))) << ext;
    }
    EXPECT_EQ(test::read_bytes(zone.file("tarnwick-tbamud.zon")).substr(0, 14), "#186\nTarnwick~");
    auto* report = main->findChild<ui::TextViewer*>("ConvertReport");
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    EXPECT_TRUE(report->text().contains("zone 186: header: builders line 'Tarnwick' added"));
    EXPECT_TRUE(report->text().contains("tarnwick-tbamud.qzp"));
    EXPECT_TRUE(messages.entries.empty());

    // A second conversion would write over the first: refused.
    const std::string first = test::read_bytes(zone.file("tarnwick-tbamud.zon"));
    choose("tbaMUD");
    trigger("ConvertZone1");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_NE(messages.entries[0].text.find("never written over"), std::string::npos);
    EXPECT_EQ(test::read_bytes(zone.file("tarnwick-tbamud.zon")), first);
}

TEST_F(ConvertGuiTest, AsksBeforeDroppingWhatTheOlderServerCannotHold) {
    open();
    choose("tbaMUD");
    trigger("ConvertZone1");
    messages.clear();
    messages.file_answers.push_back(zone.file("tarnwick-tbamud.qzp"));
    trigger("Abrir1");
    ASSERT_EQ(state->world.dialect, Dialect::TbaMud);
    state->world.rooms[0].triggers = {18600};
    state->world.rooms[0].exits.slot(0)->door = 3;
    messages.clear();
    for (Answer answer : {Answer::No, Answer::Yes}) {
        messages.answers = {answer};
        test::on_next_modal([](QWidget* dialog) {
            auto* target = dialog->findChild<QComboBox*>("ConvertTarget");
            target->setCurrentIndex(target->findText("CircleMUD 3.0"));
            dialog->findChild<QPushButton*>("OkBtn")->click();
        });
        trigger("ConvertZone1");
        ASSERT_EQ(messages.entries.size(), 1u);
        const std::string& asked = messages.entries[0].text;
        EXPECT_NE(asked.find("room 18600: triggers: 18600 dropped"), std::string::npos) << asked;
        EXPECT_NE(asked.find("room 18600: exit 0: door type 3 (hidden) made 1"), std::string::npos);
        EXPECT_EQ(std::filesystem::exists(zone.file("tarnwick-tbamud-circle30.wld")),
                  answer == Answer::Yes);
        // The whole list stands in the report, written or not.
        auto* report = main->findChild<ui::TextViewer*>("ConvertReport");
        ASSERT_NE(report, nullptr);
        EXPECT_TRUE(report->isVisible());
        EXPECT_TRUE(report->text().contains("room 18600: triggers: 18600 dropped"));
        EXPECT_EQ(report->text().startsWith("Written: "), answer == Answer::Yes);
        messages.clear();
    }
    // The converted world is a copy: the open zone keeps what it holds.
    EXPECT_EQ(state->world.rooms[0].triggers, TriggerList{18600});
}
}  // namespace convert_gui_test
