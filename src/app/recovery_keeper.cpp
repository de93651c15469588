#include "app/recovery_keeper.h"

#include <QStandardPaths>
#include <cstdio>
#include <ctime>

#include "app/app_state.h"
#include "project/recovery.h"
#include "ui/cp1252.h"

namespace tarnwick::app {

namespace {
constexpr int kIntervalMs = 3000;
}

RecoveryKeeper::RecoveryKeeper(AppState& state, const QString& path, QObject* parent)
    : QObject(parent), state_(state), path_(path) {
    timer_.setSingleShot(true);
    timer_.setInterval(kIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::write_now);
    connect(&state_.context, &ui::AppContext::changedMarkChanged, this,
            &RecoveryKeeper::world_changed);
    connect(&state_.context, &ui::AppContext::historyChanged, this,
            &RecoveryKeeper::world_changed);
}

RecoveryKeeper::~RecoveryKeeper() { discard(); }

QString RecoveryKeeper::default_path(const QString& settings_dir) {
    const QString dir =
        settings_dir.isEmpty()
            ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Tarnwick"
            : settings_dir;
    return dir + "/recovery.twr";
}

void RecoveryKeeper::world_changed() {
    if (!state_.world.changed || !state_.session.project_open()) {
        discard();
        return;
    }
    // A write already waiting covers this change too: at most one per interval.
    if (!timer_.isActive()) timer_.start();
}

void RecoveryKeeper::write_now() {
    if (!state_.world.changed || !state_.session.project_open()) return;
    std::string error;
    if (!write_recovery(ui::to_cp1252(path_), state_.world, state_.session.project_as_shown(),
                        state_.session.format_settings(), int64_t(std::time(nullptr)), error))
        std::fprintf(stderr, "Cannot write the recovery copy %s: %s\n", qPrintable(path_),
                     error.c_str());
}

void RecoveryKeeper::discard() {
    timer_.stop();
    remove_recovery(ui::to_cp1252(path_));
}

}  // namespace tarnwick::app
