#include "ui/convert_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialog_buttons.h"

namespace tarnwick::ui {

ConvertDialog::ConvertDialog(Dialect current, const QString& beside, QWidget* parent)
    : QDialog(parent) {
    setObjectName("ConvertZoneDialog");
    setWindowTitle(tr("Convert zone"));
    auto* prompt = new QLabel(
        QString("Convert this %1 zone for:").arg(QString::fromUtf8(dialect_name(current).data())),
        this);
    target_ = new QComboBox(this);
    target_->setObjectName("ConvertTarget");
    for (Dialect d : {Dialect::Circle30, Dialect::Circle31, Dialect::TbaMud})
        if (d != current) target_->addItem(QString::fromUtf8(dialect_name(d).data()), int(d));
    auto* where =
        new QLabel("A new project and its files are written beside the old ones, in\n" + beside +
                       "\nnamed with the server's key; no file that exists is written over.",
                   this);
    where->setObjectName("ConvertWhere");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(target_);
    layout->addWidget(where);
    layout->addLayout(ok_cancel_buttons(this));
}

Dialect ConvertDialog::target() const {
    return Dialect(target_->currentData().toInt());
}

}  // namespace tarnwick::ui
