#pragma once
// Keeps the recovery copy of unsaved work up to date: a few seconds after
// the world changed it writes the copy (at most once per interval), and it
// removes the copy when nothing is unsaved any more (saved, undone back to
// the saved state, closed) and when the program ends normally. Only a crash
// leaves a copy behind for the next start to offer.

#include <QObject>
#include <QString>
#include <QTimer>

namespace tarnwick::app {

struct AppState;

class RecoveryKeeper : public QObject {
    Q_OBJECT
public:
    RecoveryKeeper(AppState& state, const QString& path, QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    const QString& path() const { return path_; }
    void set_interval(int milliseconds) { timer_.setInterval(milliseconds); }
    // Writes the copy now when there is unsaved work (the timer's job).
    void write_now();
    // Removes the copy and forgets any pending write.
    void discard();

    // Where the copy lives: beside the settings.
    static QString default_path(const QString& settings_dir);

private:
    void world_changed();

    AppState& state_;
    QString path_;
    QTimer timer_;
};

}  // namespace tarnwick::app
