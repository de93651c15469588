#pragma once
// A keywords-and-text dialog for the object editor's extra descriptions.

#include <QDialog>

#include "world/room_record.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnwick::ui {

class ObjectExtraDialog : public QDialog {
    Q_OBJECT
public:
    explicit ObjectExtraDialog(QWidget* parent);
    // Shows `entry`; true with the edited fields in `entry` on "&Ok".
    bool edit(extra_descr_data& entry);

private:
    QLineEdit* keywords_;
    QPlainTextEdit* description_;
};

}  // namespace tarnwick::ui
