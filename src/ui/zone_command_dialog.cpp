#include "ui/zone_command_dialog.h"
#include "ui/interface_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/editor_text.h"

namespace tarnwick::ui {

TEditCommandForm::TEditCommandForm(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("TEditCommandForm");
    setWindowTitle(tr("Comando de Zona"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    action_ = new QComboBox(this);
    action_->setObjectName("ComboBox1");
    for (const char* a : kCommandActions) action_->addItem(shown(a));
    action_->setEnabled(false);  // shows the kind; the kind is the command's letter
    if_flag_ = new QCheckBox(tr("if_flag"), this);
    if_flag_->setObjectName("CheckBox1");
    auto* top = new QHBoxLayout;
    top->addWidget(action_, 1);
    top->addWidget(if_flag_);
    layout->addLayout(top);

    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const QString n = QString::number(i + 1);
        labels_[size_t(i)] = new QLabel(this);
        labels_[size_t(i)]->setObjectName("Label" + n);
        edits_[size_t(i)] = new QLineEdit(this);
        edits_[size_t(i)]->setObjectName("Edit" + n);
        edits_[size_t(i)]->setValidator(new QIntValidator(edits_[size_t(i)]));
        choices_[size_t(i)] = new QComboBox(this);
        choices_[size_t(i)]->setObjectName("Choice" + n);
        browse_[size_t(i)] = new QPushButton(tr("Browse..."), this);
        browse_[size_t(i)]->setObjectName("Browse" + n);
        labels_[size_t(i)]->setBuddy(edits_[size_t(i)]);
        grid->addWidget(labels_[size_t(i)], i, 0);
        grid->addWidget(edits_[size_t(i)], i, 1);
        grid->addWidget(choices_[size_t(i)], i, 1);
        grid->addWidget(browse_[size_t(i)], i, 2);
        connect(browse_[size_t(i)], &QPushButton::clicked, this, [this, i] { browse(i); });
        connect(choices_[size_t(i)], &QComboBox::activated, this, [this, i](int index) {
            form_.choose(i, index);
            edits_[size_t(i)]->setText(to_qt(form_.fields[size_t(i)]));
        });
    }
    var_name_label_ = new QLabel(tr("Variable:"), this);
    var_name_ = new QLineEdit(this);
    var_name_->setObjectName("VarName");
    var_name_->setMaxLength(79);
    var_value_label_ = new QLabel(tr("Value:"), this);
    var_value_ = new QLineEdit(this);
    var_value_->setObjectName("VarValue");
    var_value_->setMaxLength(79);
    var_name_label_->setBuddy(var_name_);
    var_value_label_->setBuddy(var_value_);
    grid->addWidget(var_name_label_, 3, 0);
    grid->addWidget(var_name_, 3, 1, 1, 2);
    grid->addWidget(var_value_label_, 4, 0);
    grid->addWidget(var_value_, 4, 1, 1, 2);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("CancelBtn");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TEditCommandForm::show_form() {
    const CommandLayout& l = *form_.layout;
    setWindowTitle(to_qt(l.caption));
    action_->setCurrentIndex(l.action);
    if_flag_->setChecked(form_.if_flag);
    for (size_t i = 0; i < 3; ++i) {
        const CommandField& f = l.fields[i];
        const auto& entries = choice_entries(f.choice, form_.dialect);
        labels_[i]->setText(to_qt(f.label));
        labels_[i]->setVisible(f.visible);
        edits_[i]->setText(to_qt(form_.fields[i]));
        edits_[i]->setVisible(f.visible && entries.empty());
        browse_[i]->setVisible(f.visible && f.browse != BrowseKind::None);
        choices_[i]->clear();
        for (const std::string& e : entries) choices_[i]->addItem(to_qt(e));
        choices_[i]->setCurrentIndex(form_.choice[i]);
        choices_[i]->setVisible(f.visible && !entries.empty());
    }
    for (QWidget* w : std::initializer_list<QWidget*>{var_name_label_, var_name_, var_value_label_,
                                                      var_value_})
        w->setVisible(form_.has_variable);
    var_name_->setText(to_qt(form_.var_name));
    var_value_->setText(to_qt(form_.var_value));
}

void TEditCommandForm::read_form() {
    form_.if_flag = if_flag_->isChecked();
    for (size_t i = 0; i < 3; ++i) form_.fields[i] = from_qt(edits_[i]->text());
    form_.var_name = from_qt(var_name_->text().trimmed());
    form_.var_value = from_qt(var_value_->text().trimmed());
}

void TEditCommandForm::browse(int field) {
    read_form();
    form_.browse(field, context_.chooser, context_.world);
    edits_[size_t(field)]->setText(to_qt(form_.fields[size_t(field)]));
}

bool TEditCommandForm::edit(zCommand& command) {
    form_.dialect = context_.world.dialect;
    if (!form_.open(command, context_.messages)) return false;
    show_form();
    if (exec() != QDialog::Accepted) return false;
    read_form();
    form_.apply(command);
    return true;
}

}  // namespace tarnwick::ui
