// Progress of long work in the main window: the bar appears only once the
// work has run half a second, Cancel and Escape stop it, and a cancelled
// check or simulation leaves what its window showed before.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QToolButton>
#include <thread>

#include "gui_support.h"
#include "ui/problems_window.h"
#include "ui/progress_area.h"
#include "ui/reset_window.h"

namespace tarnwick::test {
namespace progress_gui_test {

using namespace std::chrono_literals;

struct ProgressTest : MainFixture {
    ui::ProgressArea* area() const { return main->progress_area(); }
    QToolButton* cancel_button() const { return area()->findChild<QToolButton*>("WorkCancelBtn"); }
    void post_escape(QWidget* to) {
        QCoreApplication::postEvent(to, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    }
};

// Work of `parts` parts of 10 ms each that reports after every part; the
// time the bar was first seen, how many parts ran, and whether it finished.
struct Work {
    int parts = 0, ran = 0;
    qint64 seen_at = -1;
    std::function<void()> when_seen;
    void operator()(WorkProgress& progress, const ui::ProgressArea& area) {
        QElapsedTimer clock;
        clock.start();
        for (ran = 0; ran < parts; ++ran) {
            if (!progress.advance(ran, parts, "part")) return;
            if (seen_at < 0 && !area.isHidden()) {
                seen_at = clock.elapsed();
                if (when_seen) when_seen();
            }
            std::this_thread::sleep_for(10ms);
        }
    }
};

TEST_F(ProgressTest, TheBarAppearsForLongWorkOnlyAndCancelStopsIt) {
    ASSERT_TRUE(area() && cancel_button());
    struct Case {
        const char* name;
        int parts;
        bool click_cancel;
        bool finishes;
    };
    const Case cases[] = {
        {"short work shows no bar", 10, false, true},
        {"long work shows it after half a second", 80, false, true},
        {"Cancel stops long work", 400, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Work work;
        work.parts = c.parts;
        if (c.click_cancel)
            work.when_seen = [this] { QTest::mouseClick(cancel_button(), Qt::LeftButton); };
        const bool finished =
            area()->run("Testing", [&](WorkProgress& p) { work(p, *area()); });
        EXPECT_EQ(finished, c.finishes);
        EXPECT_EQ(work.ran == c.parts, c.finishes);
        if (c.parts * 10 < 400) {
            EXPECT_EQ(work.seen_at, -1);
        } else {
            EXPECT_GE(work.seen_at, 450);
        }
        if (c.click_cancel) {
            EXPECT_LT(work.ran, 100);  // stopped at once, not at the end
        }
        EXPECT_TRUE(area()->isHidden());
    }
}

TEST_F(ProgressTest, EscapeCancelsAndOtherInputWaits) {
    area()->set_show_after(0ms);
    // A click elsewhere does nothing while the work runs.
    QPushButton elsewhere("Elsewhere");
    elsewhere.show();
    int clicks = 0;
    QObject::connect(&elsewhere, &QPushButton::clicked, [&] { ++clicks; });
    Work work;
    work.parts = 1000;
    work.when_seen = [&] {
        QTest::mouseClick(&elsewhere, Qt::LeftButton);
        post_escape(&elsewhere);
    };
    EXPECT_FALSE(area()->run("Testing", [&](WorkProgress& p) { work(p, *area()); }));
    EXPECT_LT(work.ran, 10);
    EXPECT_EQ(clicks, 0);
    QTest::mouseClick(&elsewhere, Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
    // Work asked for inside other work runs there and stops with it.
    int inner = -1;
    EXPECT_TRUE(area()->run("Outer", [&](WorkProgress&) {
        EXPECT_TRUE(area()->run("Inner", [&](WorkProgress& p) { inner = p.advance(0, 1, "x"); }));
    }));
    EXPECT_EQ(inner, 1);
}

// Work on another thread (the rest of a world folder being read) shows its
// progress while the editor goes on; Cancel asks it to stop, and a newer
// read supersedes an older one.
TEST_F(ProgressTest, BackgroundWorkShowsUntilItEndsAndCancelAsksItToStop) {
    area()->set_show_after(0ms);
    auto label = [this] { return area()->findChild<QLabel*>("WorkProgressLabel")->text(); };
    auto wait_for = [](const std::function<bool()>& done) {
        for (int waited = 0; !done() && waited < 2000; waited += 10) QTest::qWait(10);
        return done();
    };
    auto first = std::make_shared<SharedProgress>();
    area()->watch(first, "Reading the world folder");
    first->advance(3, 10, "reading 30.wld");
    ASSERT_TRUE(wait_for([&] { return !area()->isHidden(); }));
    EXPECT_EQ(label(), "Reading 30.wld");
    QTest::mouseClick(cancel_button(), Qt::LeftButton);
    EXPECT_TRUE(first->stopping());
    EXPECT_FALSE(first->advance(4, 10, "reading 31.wld"));
    EXPECT_TRUE(wait_for([&] { return area()->isHidden(); }));

    auto older = std::make_shared<SharedProgress>(), newer = std::make_shared<SharedProgress>();
    area()->watch(older, "Reading the world folder");
    area()->watch(newer, "Reading the world folder");
    EXPECT_TRUE(older->stopping());
    EXPECT_FALSE(newer->stopping());
    newer->advance(1, 2, "reading 12.zon");
    ASSERT_TRUE(wait_for([&] { return !area()->isHidden(); }));
    newer->finish();
    EXPECT_TRUE(wait_for([&] { return area()->isHidden(); }));
    EXPECT_FALSE(newer->stopping());
}

TEST_F(ProgressTest, ACancelledCheckOrSimulationKeepsWhatItShowed) {
    SampleZone zone;
    ASSERT_TRUE(main->open_project(zone.project()));
    area()->set_show_after(0ms);

    trigger("CheckZone1");
    ui::ProblemsWindow* problems = main->problems();
    ASSERT_TRUE(problems);
    const size_t found = problems->findings().size();
    // An exit to a room that does not exist: a finding more, once checked.
    room_direction_data exit;
    exit.target_vnum = 18698;
    state->world.rooms[0].exits.slot(Up) = exit;
    auto* check_again = problems->findChild<QPushButton*>("RefreshBtn");
    post_escape(problems);
    check_again->click();
    EXPECT_EQ(problems->findings().size(), found);
    check_again->click();
    EXPECT_GT(problems->findings().size(), found);

    // The first simulation cancelled: the window says so rather than show
    // an empty zone.
    post_escape(main.get());
    trigger("SimulateReset1");
    ui::ResetWindow* resets = main->reset_window();
    ASSERT_TRUE(resets && resets->isVisible());
    EXPECT_TRUE(resets->resets().empty());
    EXPECT_TRUE(resets->findChild<QLabel*>("ResetSummary")->text().startsWith("Cancelled"));
    resets->findChild<QPushButton*>("SimulateAgainBtn")->click();
    auto* count = resets->findChild<QSpinBox*>("ResetCount");
    auto* slider = resets->findChild<QSlider*>("ResetSlider");
    ASSERT_EQ(resets->resets().size(), 3u);
    post_escape(resets);
    count->setValue(5);
    EXPECT_EQ(resets->resets().size(), 3u);
    EXPECT_EQ(slider->maximum(), 3);
    EXPECT_EQ(count->value(), 3);
    EXPECT_TRUE(resets->isVisible());  // the Escape stopped the work, not the window
    count->setValue(5);
    EXPECT_EQ(resets->resets().size(), 5u);
    EXPECT_EQ(slider->maximum(), 5);

    // A press on the spin box's arrow starts a simulation; the release that
    // comes while it runs still ends the arrow's auto-repeat.
    QStyleOptionSpinBox option;
    option.initFrom(count);
    option.subControls = QStyle::SC_SpinBoxUp;
    const QPoint up =
        count->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, count).center();
    QCoreApplication::postEvent(count, new QMouseEvent(QEvent::MouseButtonRelease, up, count->mapToGlobal(up),
                                                       Qt::LeftButton, Qt::NoButton, {}));
    QTest::mousePress(count, Qt::LeftButton, {}, up);
    QTest::qWait(1000);
    EXPECT_EQ(count->value(), 6);
    EXPECT_EQ(resets->resets().size(), 6u);
}

}  // namespace progress_gui_test
}  // namespace tarnwick::test
