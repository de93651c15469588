// The map's colours: rooms by their sector, as usual, or by what a
// simulated reset leaves in them (mobs, objects only, nothing), after the
// reset the spin box names, with a legend counting the rooms of each kind.

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "analysis/reset_rooms.h"
#include "ui/app_context.h"
#include "ui/map_window.h"

namespace tarnwick::ui {

void MapWindow::add_colour_controls(QHBoxLayout* bar) {
    colour_by_ = new QComboBox(this);
    colour_by_->setObjectName("colourByBox");
    colour_by_->addItem("Sector");
    colour_by_->addItem("After reset");
    colour_by_->setFocusPolicy(Qt::NoFocus);
    colour_reset_ = new QSpinBox(this);
    colour_reset_->setObjectName("colourResetSpin");
    colour_reset_->setRange(1, 100);
    colour_reset_->setValue(1);
    colour_reset_->setEnabled(false);
    colour_reset_->setToolTip(tr("The reset after which the rooms are coloured (1 is the boot's)"));
    legend_ = new QLabel(this);
    legend_->setObjectName("holdingLegend");
    legend_->hide();
    auto* label = new QLabel(tr("&Colour:"), this);
    label->setBuddy(colour_by_);
    bar->addWidget(label);
    bar->addWidget(colour_by_);
    bar->addWidget(colour_reset_);
    bar->addWidget(legend_);
    auto recolour = [this] {
        colour_reset_->setEnabled(colour_by_->currentIndex() == 1);
        colour_rooms();
        redraw();
    };
    connect(colour_by_, &QComboBox::currentIndexChanged, this, recolour);
    connect(colour_reset_, &QSpinBox::valueChanged, this, recolour);
    connect(&context_, &AppContext::otherZonesChanged, this, [this] {
        if (colour_reset()) refresh_soon();
    });
}

int MapWindow::colour_reset() const {
    return colour_by_->currentIndex() == 1 ? colour_reset_->value() : 0;
}

void MapWindow::colour_by_reset(int n) {
    colour_reset_->setValue(std::max(1, n));
    colour_by_->setCurrentIndex(n > 0 ? 1 : 0);
}

const RoomFills* MapWindow::fills() const { return colour_reset() ? &fills_ : nullptr; }

void MapWindow::colour_rooms() {
    fills_.clear();
    const int n = colour_reset();
    legend_->setVisible(n > 0);
    if (!n) return;
    if (colouring_) {
        // Asked again while a simulation runs (the world folder arrived):
        // once it ends, the map is drawn again from the world as it is then.
        colour_again_ = true;
        return;
    }
    colouring_ = true;
    const World& world = context_.world;
    const auto others = world.other_zones;  // the zones simulated live until it ends
    std::optional<Population> population;
    const bool finished = context_.run_work("Simulating resets", [&](WorkProgress& progress) {
        population = population_after(world, n, &progress);
    });
    colouring_ = false;
    if (!finished || !population) {
        // Cancelled: the map goes back to its sector colours.
        const QSignalBlocker block(colour_by_);
        colour_by_->setCurrentIndex(0);
        colour_reset_->setEnabled(false);
        legend_->hide();
        return;
    }
    if (colour_again_) {
        colour_again_ = false;
        refresh_soon();
    }
    int count[3] = {};
    for (const auto& [vnum, holding] : room_holdings(world, *population)) {
        fills_[vnum] = holding_colour(holding);
        ++count[int(holding)];
    }
    QString text;
    for (RoomHolding h : kRoomHoldings)
        text += QString("<span style='background:%1'>&nbsp;&nbsp;&nbsp;&nbsp;</span> %2 %3&nbsp;&nbsp; ")
                    .arg(holding_colour(h))
                    .arg(holding_words(h))
                    .arg(count[int(h)]);
    legend_->setText(text.trimmed());
}

}  // namespace tarnwick::ui
