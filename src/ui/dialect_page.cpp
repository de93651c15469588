#include "ui/dialect_page.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "ui/trigger_list_box.h"

namespace tarnwick::ui {

DialectPage::DialectPage(const World& world, Messages& messages, QWidget* parent)
    : QWidget(parent) {
    setObjectName("dialectPage");
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    triggers_ = new TriggerListBox(world, messages, this);
    layout->addWidget(triggers_, 1);
    connect(triggers_, &TriggerListBox::edited, this, &DialectPage::edited);
}

int DialectPage::add_row(const QString& label, const QString& prefix, int first, int count) {
    auto* row = new QHBoxLayout;
    std::vector<QSpinBox*> fields;
    for (int i = 0; i < count; ++i) {
        auto* box = new QSpinBox(this);
        box->setObjectName(count > 1 ? prefix + QString::number(first + i) : prefix);
        // A flag word is 32 bits; the top bit makes it negative in the file.
        box->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        box->setToolTip(count > 1 ? tr("%1, word %2").arg(label).arg(first + i) : label);
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("-2147483648")) + 40);
        connect(box, &QSpinBox::valueChanged, this, &DialectPage::edited);
        row->addWidget(box);
        fields.push_back(box);
    }
    row->addStretch();
    form_->addRow(label + QLatin1Char(':'), row);
    rows_.push_back(std::move(fields));
    return int(rows_.size()) - 1;
}

void DialectPage::set_row(int row, const int32_t* values) {
    for (size_t i = 0; i < rows_[size_t(row)].size(); ++i) {
        QSpinBox* box = rows_[size_t(row)][i];
        const QSignalBlocker quiet(box);
        box->setValue(values[i]);
    }
}

void DialectPage::read_row(int row, int32_t* out) const {
    for (size_t i = 0; i < rows_[size_t(row)].size(); ++i) out[i] = rows_[size_t(row)][i]->value();
}

void DialectPage::set_enabled_fields(bool enabled) {
    for (const auto& row : rows_)
        for (QSpinBox* box : row) box->setEnabled(enabled);
}

}  // namespace tarnwick::ui
