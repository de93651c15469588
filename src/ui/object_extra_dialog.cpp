#include "ui/object_extra_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/record_widgets.h"

namespace tarnwick::ui {

ObjectExtraDialog::ObjectExtraDialog(QWidget* parent)
    : QDialog(parent), keywords_(new QLineEdit(this)), description_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("ExtraDescForm"));
    setWindowTitle(QStringLiteral("Extra Descriptions"));
    keywords_->setObjectName(QStringLiteral("Keywords"));
    description_->setObjectName(QStringLiteral("Description"));
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Keywords (separated by spaces):"), this));
    layout->addWidget(keywords_);
    layout->addWidget(new QLabel(QStringLiteral("Description:"), this));
    layout->addWidget(description_);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool ObjectExtraDialog::edit(extra_descr_data& entry) {
    keywords_->clear();
    description_->clear();
    fields::set_text(keywords_, entry.keywords);
    fields::set_memo(description_, entry.description);
    keywords_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    entry.keywords = fields::text_of(keywords_);
    entry.description = fields::memo_of(description_);
    return true;
}

}  // namespace tarnwick::ui
