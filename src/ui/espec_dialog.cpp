#include "ui/espec_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/record_text.h"

namespace tarnwick::ui {

using fields::from_widget;
using fields::to_widget;

TFormSpecs::TFormSpecs(QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget(this)), spec_combo_(new QComboBox(this)),
      spec_edit_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("FormSpecs"));
    setWindowTitle(tr("Enhanced Mob Specifications"));
    list_->setObjectName(QStringLiteral("SpecList"));
    list_->setHeaderLabels({tr("Id"), tr("Value")});
    list_->setRootIsDecorated(false);
    spec_combo_->setObjectName(QStringLiteral("SpecCombo"));
    spec_combo_->setEditable(true);
    spec_edit_->setObjectName(QStringLiteral("SpecEdit"));

    auto* add = new QPushButton(tr("A&dd"), this);
    add->setObjectName(QStringLiteral("AddBtn"));
    auto* remove = new QPushButton(tr("&Remove"), this);
    remove->setObjectName(QStringLiteral("EditBtn"));
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));

    auto* entry = new QFormLayout;
    entry->addRow(tr("Id:"), spec_combo_);
    entry->addRow(tr("Value:"), spec_edit_);
    auto* edit_buttons = new QHBoxLayout;
    edit_buttons->addWidget(add);
    edit_buttons->addWidget(remove);
    edit_buttons->addStretch();
    auto* close_buttons = new QHBoxLayout;
    close_buttons->addStretch();
    close_buttons->addWidget(ok);
    close_buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(entry);
    layout->addLayout(edit_buttons);
    layout->addLayout(close_buttons);

    connect(add, &QPushButton::clicked, this, &TFormSpecs::AddBtnClick);
    connect(remove, &QPushButton::clicked, this, &TFormSpecs::EditBtnClick);
    // Additions and removals are in the mob already; both buttons just close.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSpecs::edit(World& world, Messages& messages, const std::vector<std::string>& names,
                      int index, std::function<void()> on_world_changed) {
    EspecDialogForm form(world, messages, index);
    form.on_world_changed = std::move(on_world_changed);
    form_ = &form;
    spec_combo_->clear();
    for (const std::string& n : names) spec_combo_->addItem(to_widget(n));
    spec_combo_->setEditText(QString());
    spec_edit_->clear();
    refill();
    exec();
    form_ = nullptr;
}

void TFormSpecs::refill() {
    list_->clear();
    if (!form_) return;
    for (const auto& [id, value] : form_->lines())
        list_->addTopLevelItem(new QTreeWidgetItem({to_widget(id), to_widget(value)}));
}

void TFormSpecs::AddBtnClick() {
    if (!form_) return;
    form_->id = from_widget(spec_combo_->currentText());
    form_->value = from_widget(spec_edit_->text());
    form_->add();
    refill();
}

void TFormSpecs::EditBtnClick() {
    if (!form_) return;
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    form_->selected = list_->indexOfTopLevelItem(item);
    form_->remove();
    refill();
}

}  // namespace tarnwick::ui
