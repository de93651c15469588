#pragma once
// The preferences dialog, bound to the plain PreferencesDialogForm.

#include <QDialog>

#include "project/preferences_dialog_form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;

namespace tarnwick::ui {

class PrefsForm : public QDialog {
    Q_OBJECT
public:
    explicit PrefsForm(QWidget* parent = nullptr);
    // Shows `form`; on "&Ok" the controls go back into it and true is returned.
    bool edit(PreferencesDialogForm& form);
    void load(const PreferencesDialogForm& form);
    PreferencesDialogForm take() const;

public slots:
    void FontBtnClick();
    void BackBtnClick();
    void DialogFontBtnClick();
    void ColumnCheckClick();

private:
    void show_sample();

    PreferencesDialogForm form_;
    QTabWidget* pages_;
    QCheckBox *ansi_, *column_check_, *gradient_, *new_format_, *alpha_, *mat_specs_, *obj_levels_;
    QLabel *columns_label_, *characters_label_, *dialog_font_panel_;
    QLineEdit* columns_;
    QComboBox* language_;
    QPlainTextEdit* sample_;
};

}  // namespace tarnwick::ui
