// Zone > Simulate reset: the reset window, opening records through the same
// way as the Problems window's findings.

#include "app/main_window.h"
#include "app/window_placer.h"
#include "ui/reset_window.h"

namespace tarnwick::app {

void MainWindow::SimulateReset1Click() {
    if (!reset_window_) {
        reset_window_ = new ui::ResetWindow(state_.context, this);
        placer_->watch(reset_window_);
        connect(reset_window_, &ui::ResetWindow::openRecord, this,
                [this](const Finding& f) { open_finding(f); });
    }
    reset_window_->refresh();
    reset_window_->show();
    reset_window_->raise();
}

}  // namespace tarnwick::app
