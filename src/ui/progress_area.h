#pragma once
// The progress of long work, in the main window's bar: what is under way,
// how far it got and a Cancel button, shown only once the work has taken
// more than half a second. Work run in the foreground (checking, simulating)
// runs on the GUI thread: while it runs the windows paint but take no input
// other than Cancel and Escape, so nothing can change the world under it.
// Work watched in the background (the rest of a world folder) goes on while
// the builder works; Cancel asks it to stop.

#include <QWidget>
#include <chrono>
#include <memory>
#include <string>

#include "ui/app_context.h"
#include "world/shared_progress.h"

class QLabel;
class QProgressBar;
class QTimer;
class QToolButton;

namespace tarnwick::ui {

class ProgressArea : public QWidget {
    Q_OBJECT
public:
    explicit ProgressArea(QWidget* parent = nullptr);
    ~ProgressArea() override;

    // Runs `work` now; false when the builder cancelled it. Work asked for
    // while other work runs (a window refreshing as the world folder
    // arrives) runs at once inside it, without a bar of its own, and is
    // cancelled with it.
    bool run(const std::string& what, const AppContext::Work& work);
    // Shows the progress of work on another thread until it finishes. A
    // watched work not finished yet is asked to stop: it is superseded.
    void watch(std::shared_ptr<SharedProgress> work, const std::string& what);
    bool running() const { return running_; }

    // How long work runs before the bar appears.
    void set_show_after(std::chrono::milliseconds after) { show_after_ = after; }

public slots:
    // Stops the work shown: the foreground work, else the background one.
    void cancel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Foreground;
    void show_report(int done, int total, const std::string& work, const std::string& step);
    void poll();

    QLabel* label_;
    QProgressBar* bar_;
    QToolButton* cancel_;
    QTimer* poll_;
    std::chrono::milliseconds show_after_{500};
    bool running_ = false, cancelled_ = false;
    std::shared_ptr<SharedProgress> background_;
    std::string background_what_;
    std::chrono::steady_clock::time_point background_start_;
};

}  // namespace tarnwick::ui
