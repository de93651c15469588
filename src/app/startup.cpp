#include "app/startup.h"

#include <QApplication>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/recovery_keeper.h"
#include "project/preferences_io.h"
#include "project/world_folder.h"
#include "ui/cp1252.h"

namespace tarnwick::app {

Startup::Startup(const StartupOptions& options)
    : options_(options), splash_(std::make_unique<SplashWindow>()) {
    if (options_.splash) {
        splash_->show();
        splash_->repaint();
        QApplication::processEvents();
    }
    QApplication::setApplicationName("Tarnwick");
    QApplication::setApplicationDisplayName("Tarnwick");
    qApp->setProperty("helpFile", "tarnwick.hlp");
}

// Members go in reverse order: the main window before the state it shows,
// the state before the messages and stores it refers to.
Startup::~Startup() = default;

MainWindow& Startup::run(const QString& project) {
    const QString settings_dir = qEnvironmentVariable("TARNWICK_SETTINGS_DIR");
    prefs_store_.emplace(kPreferencesRoot, settings_dir);
    recent_store_.emplace(ui::kRecentFilesRoot, settings_dir);
    Messages& messages = options_.messages ? *options_.messages : dialog_messages_;
    state_ = std::make_unique<AppState>(messages, *prefs_store_, *recent_store_);
    main_ = std::make_unique<MainWindow>(*state_);
    dialog_messages_.set_parent(main_.get());

    remove_splash();

    main_->show();
    // Unsaved work a crash left behind comes before the project asked for; a
    // server's world folder on the command line lists its zones.
    const QString recovery = RecoveryKeeper::default_path(settings_dir);
    const bool restored = main_->offer_recovery(recovery);
    if (!restored && !project.isEmpty() && is_world_folder(ui::to_cp1252(project)))
        main_->open_world_folder(project);
    else if (!restored && !project.isEmpty())
        main_->open_project(project);
    main_->keep_recovery(recovery);
    return *main_;
}

void Startup::remove_splash() {
    if (!splash_) return;
    splash_->hide();
    splash_->close();
    splash_.reset();
}

}  // namespace tarnwick::app
