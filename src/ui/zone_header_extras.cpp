#include "ui/zone_header_extras.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <limits>

#include "editors/zone_editor.h"
#include "ui/editor_text.h"

namespace tarnwick::ui {

namespace {
QLineEdit* number_edit(const char* name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setValidator(new QIntValidator(e));
    return e;
}
}  // namespace

ZoneHeaderExtras::ZoneHeaderExtras(QWidget* page, QFormLayout* form) : QObject(page), form_(form) {
    bot_ = number_edit("zoneBot", page);
    bot_->setToolTip(tr("The lowest room vnum of the zone"));
    builders_ = new QLineEdit(page);
    builders_->setObjectName("zoneBuilders");
    builders_->setToolTip(tr("Who built the zone"));

    flags_row_ = new QWidget(page);
    auto* flags = new QHBoxLayout(flags_row_);
    flags->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QSpinBox(flags_row_);
        box->setObjectName(QStringLiteral("zoneFlagWord%1").arg(i + 1));
        box->setRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
        box->setToolTip(tr("Zone flags, word %1").arg(i + 1));
        flags->addWidget(box);
        flags_[size_t(i)] = box;
        connect(box, &QSpinBox::valueChanged, this, [this] {
            if (!loading_) emit edited();
        });
    }
    flags->addStretch();

    levels_row_ = new QWidget(page);
    auto* levels = new QHBoxLayout(levels_row_);
    levels->setContentsMargins(0, 0, 0, 0);
    min_level_ = number_edit("zoneMinLevel", levels_row_);
    max_level_ = number_edit("zoneMaxLevel", levels_row_);
    // Levels are short numbers: the fields need not span the page.
    for (QLineEdit* e : {min_level_, max_level_})
        e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("-99999")) + 24);
    levels->addWidget(min_level_);
    levels->addWidget(new QLabel(tr("to"), levels_row_));
    levels->addWidget(max_level_);
    levels->addWidget(new QLabel(tr("(-1: no limit)"), levels_row_));
    levels->addStretch();

    form->addRow(tr("Bottom Room:"), bot_);
    form->addRow(tr("Builders:"), builders_);
    form->addRow(tr("Zone Flags:"), flags_row_);
    form->addRow(tr("Levels:"), levels_row_);
    for (QLineEdit* e : {bot_, builders_, min_level_, max_level_})
        connect(e, &QLineEdit::textEdited, this, &ZoneHeaderExtras::edited);
}

void ZoneHeaderExtras::show_form(const ZoneHeaderForm& header, Dialect d) {
    loading_ = true;
    bot_->setText(to_qt(header.bot));
    builders_->setText(to_qt(header.builders));
    for (size_t i = 0; i < flags_.size(); ++i) flags_[i]->setValue(header.flags[i]);
    min_level_->setText(to_qt(header.min_level));
    max_level_->setText(to_qt(header.max_level));
    loading_ = false;
    const bool tba = d == Dialect::TbaMud;
    form_->setRowVisible(bot_, d != Dialect::Circle30);
    form_->setRowVisible(builders_, tba);
    form_->setRowVisible(flags_row_, tba);
    form_->setRowVisible(levels_row_, tba);
}

void ZoneHeaderExtras::read_form(ZoneHeaderForm& header) const {
    header.bot = from_qt(bot_->text());
    header.builders = from_qt(builders_->text());
    for (size_t i = 0; i < flags_.size(); ++i) header.flags[i] = flags_[i]->value();
    header.min_level = from_qt(min_level_->text());
    header.max_level = from_qt(max_level_->text());
}

}  // namespace tarnwick::ui
