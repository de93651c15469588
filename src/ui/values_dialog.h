#pragma once
// The values dialog ("Object Values"): the four values of an object laid
// out for its type, as numbers, choices from a list, or nothing.

#include <QDialog>
#include <functional>

#include "editors/object_editor.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace tarnwick::ui {

class TFormValues : public QDialog {
    Q_OBJECT
public:
    explicit TFormValues(QWidget* parent);
    // Shows `form`; "&Ok" runs `confirm`, which closes the dialog when it
    // answers true.
    void edit(ValuesDialogForm& form, const std::function<bool(ValuesDialogForm&)>& confirm);

private:
    void Button1Click();

    QLabel* caption_;
    QLabel* captions_[4];
    QLabel* helps_[4];
    QLineEdit* numbers_[4];
    QComboBox* lists_[4];
    ValuesDialogForm* form_ = nullptr;
    std::function<bool(ValuesDialogForm&)> confirm_;
};

}  // namespace tarnwick::ui
