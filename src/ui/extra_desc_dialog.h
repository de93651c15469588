#pragma once
// The extra description dialog ("Extra Descriptions"), shared by the room
// and object editors: keywords and a description.

#include <QDialog>

#include "editors/extra_desc_form.h"

class QLineEdit;
class QPlainTextEdit;

namespace tarnwick::ui {

class TExtraDescForm : public QDialog {
    Q_OBJECT
public:
    explicit TExtraDescForm(QWidget* parent);
    // Shows `form`; true with the edited fields in `form` when confirmed.
    bool edit(ExtraDescForm& form);
    // Fonts and colours of the description memo.
    void set_memo_style(const QFont& font, const QColor& text, const QColor& back);

private:
    QLineEdit* keywords_;
    QPlainTextEdit* description_;
};

}  // namespace tarnwick::ui
