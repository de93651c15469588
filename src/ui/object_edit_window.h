#pragma once
// The object editor window ("Object Edition"): binds its widgets to the
// object editor's fields and operations.

#include "editors/object_editor.h"
#include "ui/editor_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace tarnwick::ui {

class DialectPage;
class TExtraDescForm;
class TFormValues;

class TObjEdit : public EditorWindow {
    Q_OBJECT
public:
    TObjEdit(AppContext& context, QWidget* parent);

    void select_record(int index) override;
    int current_index() const override { return editor_.current(); }
    void apply_pending() override;
    void discard_pending() override;
    void lists_loaded() override;
    void preferences_applied() override;

    // After the object list added an object: the "General" page, with the
    // cursor in the short description.
    void focus_new_record();

    ObjectEditor& editor() { return editor_; }

private:
    void show_fields();
    void read_fields();
    void field_changed();
    void ApplyBtnClick();
    void ValueBtnClick();
    void AgregarExtraClick();
    void ModificarExtraClick();
    void EliminarExtraClick();
    void AffApplyClick();

    ObjectEditor editor_;
    bool filling_ = false;
    QTabWidget* tabs_;
    DialectPage* dialect_ = nullptr;  // tbaMUD: flag words, timer and triggers
    QLineEdit *edvnum_, *edalias_, *edshortdescription_, *edlongdescription_,
        *edactiondescription_;
    QComboBox* type_combo_;
    QLineEdit *edpeso_, *edcosto_, *edcostperday_;
    QLineEdit *edit_level_, *edit_material_, *edit_durability_, *edit_initial_durability_;
    QListWidget *extra_check_, *wear_check_;
    QPlainTextEdit* quick_info_;
    QListWidget* desc_box_;
    QPlainTextEdit* desc_memo_;
    QPushButton *add_extra_, *modify_extra_, *remove_extra_;
    QListWidget* affect_box_;
    QComboBox* combo_aff_;
    QLineEdit* ed_aff_;
    QPushButton *aff_apply_, *apply_btn_, *value_btn_;
    QCheckBox* auto_apply_;
    TFormValues* values_;
    TExtraDescForm* extra_dialog_;
};

}  // namespace tarnwick::ui
