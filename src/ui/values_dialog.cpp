#include "ui/values_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/record_text.h"

namespace tarnwick::ui {

using fields::from_widget;
using fields::to_widget;

TFormValues::TFormValues(QWidget* parent) : QDialog(parent), caption_(new QLabel(this)) {
    setObjectName(QStringLiteral("FormValues"));
    setWindowTitle(tr("Object Values"));
    caption_->setObjectName(QStringLiteral("CaptionLabel"));
    QFont bold = caption_->font();
    bold.setBold(true);
    caption_->setFont(bold);
    auto* grid = new QGridLayout;
    for (int v = 0; v < 4; ++v) {
        const QString n = QString::number(v);
        captions_[v] = new QLabel(this);
        captions_[v]->setObjectName(QStringLiteral("ValueCaption") + n);
        helps_[v] = new QLabel(this);
        helps_[v]->setObjectName(QStringLiteral("ValueHelp") + n);
        helps_[v]->setWordWrap(true);
        numbers_[v] = new QLineEdit(this);
        numbers_[v]->setObjectName(QStringLiteral("ValueEdit") + n);
        lists_[v] = new QComboBox(this);
        lists_[v]->setObjectName(QStringLiteral("ValueCombo") + n);
        grid->addWidget(captions_[v], v * 2, 0);
        grid->addWidget(numbers_[v], v * 2, 1);
        grid->addWidget(lists_[v], v * 2, 1);
        grid->addWidget(helps_[v], v * 2 + 1, 0, 1, 2);
    }
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("Button2"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &TFormValues::Button1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormValues::edit(ValuesDialogForm& form,
                       const std::function<bool(ValuesDialogForm&)>& confirm) {
    form_ = &form;
    confirm_ = confirm;
    caption_->setText(to_widget(form.caption));
    for (int v = 0; v < 4; ++v) {
        const ValuesDialogForm::Value& f = form.fields[v];
        captions_[v]->setText(to_widget(f.caption));
        helps_[v]->setText(to_widget(f.help));
        numbers_[v]->setVisible(f.kind == ValueKind::Number);
        numbers_[v]->setText(to_widget(f.text));
        lists_[v]->setVisible(f.kind == ValueKind::List);
        lists_[v]->clear();
        for (const std::string& n : f.names) lists_[v]->addItem(to_widget(n));
        lists_[v]->setCurrentIndex(f.selected);
    }
    exec();
    form_ = nullptr;
}

void TFormValues::Button1Click() {
    if (!form_) return;
    for (int v = 0; v < 4; ++v) {
        form_->fields[v].text = from_widget(numbers_[v]->text());
        form_->fields[v].selected = lists_[v]->currentIndex();
    }
    if (confirm_(*form_)) accept();
}

}  // namespace tarnwick::ui
