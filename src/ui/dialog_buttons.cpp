#include "ui/dialog_buttons.h"

#include <QPushButton>

namespace tarnwick::ui {

QHBoxLayout* ok_cancel_buttons(QDialog* dialog) {
    auto* ok = new QPushButton("&Ok", dialog);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton("&Cancel", dialog);
    cancel->setObjectName("CancelBtn");
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    return buttons;
}

QPushButton* named_button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

}  // namespace tarnwick::ui
