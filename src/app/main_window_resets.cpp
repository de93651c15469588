// Zone > Simulate reset: the reset window, opening records through the same
// way as the Problems window's findings. A map coloured by a reset follows
// the reset its slider shows.

#include "app/main_window.h"
#include "app/window_placer.h"
#include "ui/map_window.h"
#include "ui/reset_window.h"

namespace tarnwick::app {

void MainWindow::SimulateReset1Click() {
    if (!reset_window_) {
        reset_window_ = new ui::ResetWindow(state_.context, this);
        placer_->watch(reset_window_);
        give_undo_keys(reset_window_);
        connect(reset_window_, &ui::ResetWindow::openRecord, this,
                [this](const Finding& f) { open_finding(f); });
        connect(reset_window_, &ui::ResetWindow::resetShown, this, [this](int n) {
            if (map_->colour_reset() && map_->colour_reset() != n) map_->colour_by_reset(n);
        });
    }
    reset_window_->refresh();
    reset_window_->show();
    reset_window_->raise();
}

}  // namespace tarnwick::app
