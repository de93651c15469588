#pragma once
// The "&Ok" (default, accepts) and "&Cancel" (rejects) pair that closes a
// dialog, right-aligned in a row; tests find them as OkBtn and CancelBtn.

#include <QDialog>
#include <QHBoxLayout>

namespace tarnwick::ui {

QHBoxLayout* ok_cancel_buttons(QDialog* dialog);

}  // namespace tarnwick::ui
