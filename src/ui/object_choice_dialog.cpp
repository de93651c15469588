#include "ui/object_choice_dialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "editors/object_choices.h"
#include "ui/cp1252.h"
#include "ui/dialog_buttons.h"

namespace tarnwick::ui {

ObjectChoiceDialog::ObjectChoiceDialog(const World& world, QWidget* parent)
    : QDialog(parent), world_(world), choices_(new QComboBox(this)) {
    setObjectName(QStringLiteral("ObjectChoice"));
    setWindowTitle(tr("Select Object:"));
    setModal(true);
    choices_->setObjectName(QStringLiteral("ObjectCombo"));
    choices_->setEditable(true);
    choices_->setInsertPolicy(QComboBox::NoInsert);
    // Typing part of a description finds its line, not only its start.
    choices_->completer()->setFilterMode(Qt::MatchContains);
    choices_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    choices_->setMinimumContentsLength(40);
    auto* label = new QLabel(tr("&Object (pick one, or type a vnum):"), this);
    label->setBuddy(choices_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(choices_);
    layout->addLayout(ok_cancel_buttons(this));
    // An editable combo box keeps Enter to itself, so the default button
    // never sees it: Enter in the field (a completion taken included) is Ok.
    connect(choices_->lineEdit(), &QLineEdit::returnPressed, this, &QDialog::accept);
}

int32_t ObjectChoiceDialog::ask_object_vnum() {
    choices_->clear();
    for (const std::string& line : object_choice_lines(world_)) choices_->addItem(from_cp1252(line));
    choices_->setCurrentIndex(-1);
    choices_->clearEditText();
    choices_->setFocus();
    if (exec() != QDialog::Accepted) return -1;
    return vnum_of_choice(to_cp1252(choices_->currentText()));
}

}  // namespace tarnwick::ui
