#include "ui/reset_window.h"

#include <QEvent>

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/reset_report.h"
#include "formats/zone_file.h"
#include "ui/app_context.h"
#include "ui/cp1252.h"
#include "world/other_zones.h"

namespace tarnwick::ui {

namespace {

// What a row opens: its record kind and vnum, or the command's index.
constexpr int kKindRole = Qt::UserRole;
constexpr int kVnumRole = Qt::UserRole + 1;

void mark(QTreeWidgetItem* item, tarnwick::RecordKind kind, int value) {
    item->setData(0, kKindRole, int(kind));
    item->setData(0, kVnumRole, value);
}

}  // namespace

ResetWindow::ResetWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context) {
    setObjectName("ResetWindow");
    setWindowTitle(tr("Simulate reset"));
    setModal(false);
    auto* after = new QLabel(tr("After reset"), this);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setRange(1, 1);  // until the first simulation ends
    slider_->setObjectName("ResetSlider");
    slider_->setPageStep(1);
    auto* count_label = new QLabel(tr("&Resets"), this);
    count_ = new QSpinBox(this);
    count_->setObjectName("ResetCount");
    count_->setRange(1, 100);
    count_->setValue(kDefaultResets);
    count_label->setBuddy(count_);
    summary_ = new QLabel(this);
    summary_->setObjectName("ResetSummary");

    population_ = new QTreeWidget(this);
    population_->setObjectName("PopulationTree");
    population_->setHeaderLabels({"What the zone holds"});
    commands_ = new QTreeWidget(this);
    commands_->setObjectName("CommandOutcomes");
    commands_->setRootIsDecorated(false);
    commands_->setHeaderLabels({"#", "Command", "Outcome"});
    commands_->header()->setStretchLastSection(true);
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(population_);
    split->addWidget(commands_);

    auto* again = new QPushButton(tr("&Simulate again"), this);
    again->setObjectName("SimulateAgainBtn");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("CloseBtn");

    auto* top = new QHBoxLayout;
    top->addWidget(after);
    top->addWidget(slider_, 1);
    top->addWidget(summary_);
    top->addWidget(count_label);
    top->addWidget(count_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(again);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);
    resize(900, 480);

    connect(slider_, &QSlider::valueChanged, this, &ResetWindow::show_reset);
    connect(count_, &QSpinBox::valueChanged, this, &ResetWindow::refresh);
    connect(again, &QPushButton::clicked, this, &ResetWindow::refresh);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    auto open = [this](QTreeWidgetItem* item) {
        if (!item || item->data(0, kKindRole).isNull()) return;
        Finding f;
        f.kind = tarnwick::RecordKind(item->data(0, kKindRole).toInt());
        f.vnum = item->data(0, kVnumRole).toInt();
        if (f.kind == tarnwick::RecordKind::ZoneCommand) {
            f.command_index = f.vnum;
            f.vnum = context_.world.zone.zone_number;
        }
        emit openRecord(f);
    };
    connect(population_, &QTreeWidget::itemDoubleClicked, this, open);
    connect(commands_, &QTreeWidget::itemDoubleClicked, this, open);
    connect(&context_, &AppContext::recordChanged, this, &ResetWindow::refresh_if_open);
    connect(&context_, &AppContext::tableChanged, this, &ResetWindow::refresh_if_open);
    connect(&context_, &AppContext::otherZonesChanged, this, &ResetWindow::refresh_if_open);
}

void ResetWindow::refresh() {
    if (simulating_) {
        again_ = true;
        return;
    }
    // With the rest of the world folder read, the max counts are the whole world's.
    const World& w = context_.world;
    const auto others = w.other_zones;  // the zones simulated live until it ends
    SimOptions options;
    options.resets = count_->value();
    options.whole_world = others != nullptr;
    std::vector<ResetRecord> result;
    simulating_ = true;
    const bool finished = context_.run_work("Simulating resets", [&](WorkProgress& progress) {
        options.progress = &progress;
        result = simulate_resets(zones_around(w), options);
    });
    simulating_ = false;
    if (!finished) {
        // Cancelled: the resets shown stay, and so does their count.
        again_ = false;
        if (!resets_.empty()) {
            const QSignalBlocker block(count_);
            count_->setValue(int(resets_.size()));
        } else {
            summary_->setText(tr("Cancelled: Simulate again runs it"));
        }
        return;
    }
    resets_ = std::move(result);
    const int shown = slider_->value();
    slider_->blockSignals(true);
    slider_->setRange(1, options.resets);
    slider_->setValue(std::clamp(shown, 1, options.resets));
    slider_->blockSignals(false);
    show_reset();
    if (again_) {
        again_ = false;
        refresh();
    }
}

void ResetWindow::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) refresh_if_open();
}

void ResetWindow::refresh_if_open() {
    if (isVisible()) refresh();
}

void ResetWindow::show_reset() {
    const int n = slider_->value();
    if (n < 1 || n > int(resets_.size())) return;
    const ResetRecord& rec = resets_[size_t(n - 1)];
    const World& w = context_.world;
    summary_->setText(QString("%1 of %2: %3 mobs, %4 objects in the world")
                          .arg(n)
                          .arg(resets_.size())
                          .arg(rec.population.mobs_in_world())
                          .arg(rec.population.objects_in_world()));

    population_->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const PopulationLine& line : population_lines({&w}, rec.population, true)) {
        parents.resize(size_t(line.depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(population_)
                                     : new QTreeWidgetItem(parents.back());
        item->setText(0, from_cp1252(line.text));
        switch (line.kind) {
        case PopulationLine::Kind::Room: mark(item, tarnwick::RecordKind::Room, line.vnum); break;
        case PopulationLine::Kind::Mob: mark(item, tarnwick::RecordKind::Mob, line.vnum); break;
        case PopulationLine::Kind::Object:
            mark(item, tarnwick::RecordKind::Object, line.vnum);
            break;
        default: break;
        }
        parents.push_back(item);
    }
    population_->expandAll();

    commands_->clear();
    std::vector<const zCommand*> list;
    for (const auto& c : w.zone.commands)
        if (c.command != 'S') list.push_back(&c);
    for (const CommandOutcome& o : rec.commands) {
        if (o.zone != w.zone.zone_number || o.index >= int(list.size())) continue;
        auto* item = new QTreeWidgetItem(
            commands_, {QString::number(o.index + 1),
                        from_cp1252(short_description(w, *list[size_t(o.index)])),
                        from_cp1252(o.why)});
        mark(item, tarnwick::RecordKind::ZoneCommand, o.index);
        item->setForeground(2, o.done ? palette().text() : palette().placeholderText());
    }
    commands_->resizeColumnToContents(0);
    commands_->resizeColumnToContents(1);    emit resetShown(n);
}

}  // namespace tarnwick::ui
