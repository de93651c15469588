#pragma once
// The exit dialog ("Room Direction Data"): page "General" with the target
// room and the exit's description, page "Exit Type" with key, door type and
// aliases.

#include <QDialog>

#include "editors/exit_form.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace tarnwick::ui {

class AppContext;

class TDirectionData : public QDialog {
    Q_OBJECT
public:
    TDirectionData(AppContext& context, QWidget* parent);
    // Shows `form` on the first page; true with the edited form when confirmed.
    // Edits the exit leading in `direction` (0 north ... 5 down), which the
    // dialog names above its pages.
    bool edit(ExitForm& form, int direction);
    void set_memo_style(const QFont& font, const QColor& text, const QColor& back);

private:
    void show_form();
    void read_form();
    void door_changed(int index);

    AppContext& context_;
    ExitForm form_;
    QLabel* direction_ = nullptr;
    QTabWidget* pages_;
    QLineEdit* target_;
    QLineEdit* title_;
    QPlainTextEdit* description_;
    QLineEdit* key_;
    QComboBox* door_;
    QLineEdit* keywords_;
};

}  // namespace tarnwick::ui
