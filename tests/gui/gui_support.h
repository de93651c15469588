#pragma once
// Helpers of the widget tests: a main window over a recorder and an
// in-memory settings store, a copy of the sample zone, and a handler for
// modal dialogs that fails instead of hanging.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QString>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>

#include "../core/test_support.h"
#include "app/app_state.h"
#include "app/main_window.h"
#include "project/memory_settings_store.h"

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace tarnwick::test {

// Runs `handle` on the next modal dialog; fails the test and rejects the
// dialog when none turns up or it is still open two seconds later.
inline void on_next_modal(std::function<void(QWidget*)> handle) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName("modal-handler");
    auto started = std::make_shared<int>(0);
    auto handled = std::make_shared<bool>(false);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, started, handled, handle] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && !*handled) {
            *handled = true;
            timer->setObjectName("modal-handler-used");
            handle(modal);
        } else if (modal && *handled && ++*started > 200) {
            ADD_FAILURE() << "modal dialog still open";
            if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
        } else if (!modal && *handled) {
            timer->stop();
            timer->deleteLater();
        } else if (++*started > 200) {
            ADD_FAILURE() << "no modal dialog appeared";
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// The sample zone copied into a fresh folder, so saving there harms nothing.
class SampleZone {
public:
    SampleZone() {
        for (const auto& e : std::filesystem::directory_iterator(TARNWICK_EXAMPLES))
            std::filesystem::copy_file(e.path(), dir_.path() / e.path().filename());
    }
    QString project() const { return QString::fromStdString(dir_.file("tarnwick.qzp")); }
    std::string file(const std::string& name) const { return dir_.file(name); }

private:
    TempDir dir_;
};

struct MainFixture : ::testing::Test {
    MessageRecorder messages;
    MemorySettingsStore prefs_store;
    MemorySettingsStore recent_store;
    std::unique_ptr<app::AppState> state;
    std::unique_ptr<app::MainWindow> main;

    void start() {
        main.reset();  // the window refers to the state
        state = std::make_unique<app::AppState>(messages, prefs_store, recent_store);
        main = std::make_unique<app::MainWindow>(*state);
        main->show();
        QApplication::processEvents();
    }
    void SetUp() override { start(); }
    void TearDown() override {
        state->world.changed = false;
        main.reset();
        state.reset();
    }
    void trigger(const char* name) {
        QAction* a = main->command(name);
        ASSERT_NE(a, nullptr) << name;
        a->trigger();
    }
    bool enabled(const char* name) const { return main->command(name)->isEnabled(); }
};

}  // namespace tarnwick::test
