#pragma once
// Zone > Simulate reset: what the open zone holds after reset 1, 2, ... N
// as the server would run them (a slider picks the reset), every room with
// its mobs, their inventory and equipment, the objects on the floor and in
// containers and the doors' states, and each zone command with its outcome.
// Double-clicking a room, mob, object or command asks for its editor.

#include <QDialog>
#include <vector>

#include "analysis/finding.h"
#include "analysis/reset_sim.h"

class QLabel;
class QSlider;
class QSpinBox;
class QTreeWidget;

namespace tarnwick::ui {

class AppContext;

class ResetWindow : public QDialog {
    Q_OBJECT
public:
    explicit ResetWindow(AppContext& context, QWidget* parent = nullptr);

    // Runs the resets again on the zone as it is now. A simulation the
    // builder cancels leaves the resets shown before.
    void refresh();
    const std::vector<ResetRecord>& resets() const { return resets_; }

signals:
    // The record to open, as the Problems window names one.
    void openRecord(const tarnwick::Finding& record);
    // The slider shows reset `n` (1 is the boot's).
    void resetShown(int n);

protected:
    // The report names wear places in the world's language.
    void changeEvent(QEvent* event) override;

private:
    void show_reset();
    void refresh_if_open();

    AppContext& context_;
    std::vector<ResetRecord> resets_;
    QSlider* slider_;
    QSpinBox* count_;
    QLabel* summary_;
    QTreeWidget* population_;
    QTreeWidget* commands_;
    // A simulation under way, and whether the world changed during it.
    bool simulating_ = false, again_ = false;
};

}  // namespace tarnwick::ui
