#pragma once
// The editor's start-up from a running QApplication to the main window
// shown: splash window, application name, title and help file, the two
// settings stores, the program state, the main window with every other
// window created hidden, then the main window shown (which reads and
// applies the preferences) and the project given on the command line
// opened. The program and the start-up benchmark both run it.

#include <QString>
#include <memory>
#include <optional>

#include "app/app_state.h"
#include "ui/dialog_messages.h"
#include "ui/qt_settings_store.h"

namespace tarnwick::app {

class MainWindow;
class SplashWindow;

struct StartupOptions {
    // Show the splash window while the windows are created.
    bool splash = true;
    // Where messages go; null means message boxes over the main window.
    Messages* messages = nullptr;
};

class Startup {
public:
    // Shows the splash window (when asked) and names the application.
    explicit Startup(const StartupOptions& options);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Creates the state and the windows, removes the splash window, shows the
    // main window and opens `project` unless it is empty. Settings live in
    // $TARNWICK_SETTINGS_DIR when set, else in the user's usual place.
    MainWindow& run(const QString& project = QString());

    MainWindow* main_window() const { return main_.get(); }
    AppState* state() const { return state_.get(); }

private:
    void remove_splash();

    StartupOptions options_;
    std::unique_ptr<SplashWindow> splash_;
    std::optional<ui::QtSettingsStore> prefs_store_;
    std::optional<ui::QtSettingsStore> recent_store_;
    ui::DialogMessages dialog_messages_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<MainWindow> main_;
};

}  // namespace tarnwick::app
