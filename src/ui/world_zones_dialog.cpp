#include "ui/world_zones_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/cp1252.h"

namespace tarnwick::ui {

WorldZonesDialog::WorldZonesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("WorldZonesDialog");
    setWindowTitle(tr("Open World Folder"));
    resize(820, 480);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(this);
    label->setObjectName("FolderLabel");
    layout->addWidget(label);
    table_ = new QTableWidget(this);
    table_->setObjectName("ZoneTable");
    table_->setColumnCount(9);
    table_->setHorizontalHeaderLabels(
        {"Zone", "Name", "Top", "Rooms", "Mobs", "Objects", "Shops", "Commands", "Problem"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    buttons->setObjectName("Buttons");
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
}

void WorldZonesDialog::set_zones(const QString& folder, std::vector<WorldZone> zones) {
    findChild<QLabel*>("FolderLabel")->setText(folder);
    zones_ = std::move(zones);
    table_->setRowCount(int(zones_.size()));
    int first_good = -1;
    for (int r = 0; r < int(zones_.size()); ++r) {
        const WorldZone& z = zones_[size_t(r)];
        const QString cells[] = {QString::number(z.number), from_cp1252(z.name),
                                 QString::number(z.top), QString::number(z.rooms),
                                 QString::number(z.mobs), QString::number(z.objects),
                                 QString::number(z.shops), QString::number(z.commands),
                                 from_cp1252(z.problem)};
        for (int c = 0; c < 9; ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c != 1 && c != 8) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, c, item);
        }
        if (first_good < 0 && z.problem.empty()) first_good = r;
    }
    table_->resizeColumnsToContents();
    if (first_good >= 0) table_->selectRow(first_good);
}

const WorldZone* WorldZonesDialog::chosen() const {
    const int row = table_->currentRow();
    if (row < 0 || row >= int(zones_.size())) return nullptr;
    return &zones_[size_t(row)];
}

}  // namespace tarnwick::ui
