#pragma once
// The "&Ok" (default, accepts) and "&Cancel" (rejects) pair that closes a
// dialog, right-aligned in a row; tests find them as OkBtn and CancelBtn.

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace tarnwick::ui {

QHBoxLayout* ok_cancel_buttons(QDialog* dialog);

// A push button that tests find by its object name.
QPushButton* named_button(const QString& text, const char* name, QWidget* parent);

}  // namespace tarnwick::ui
