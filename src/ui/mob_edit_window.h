#pragma once
// The mob editor window ("Mob Edition"): binds its widgets to the mob
// editor's fields and operations.

#include "editors/mob_editor.h"
#include "ui/editor_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QWidget;

namespace tarnwick::ui {

class DialectPage;
class TFormSpecs;

class TMobEdit : public EditorWindow {
    Q_OBJECT
public:
    TMobEdit(AppContext& context, QWidget* parent);

    void select_record(int index) override;
    int current_index() const override { return editor_.current(); }
    void apply_pending() override;
    void discard_pending() override;
    void lists_loaded() override;

    MobEditor& editor() { return editor_; }

private:
    QLineEdit* number_field(const QString& name, int max_length, int min, int max);
    void show_fields();
    void read_fields();
    void field_changed(bool number_field);
    void ApplyBtnClick();
    void ESpecBtnClick();

    MobEditor editor_;
    bool filling_ = false;
    QLineEdit *edvnum_, *edalias_, *edshortname_, *edlongname_;
    QPlainTextEdit* eddescr_;
    QLineEdit *edlevel_, *edalign_, *edAC_, *edthaco_;
    QLineEdit *edhitdices_, *edhitsides_, *edhitadd_, *edBHDdices_, *edBHDsides_, *edBHDadd_;
    QLineEdit *edgold_, *edexp_;
    QComboBox *type_combo_, *loadposcombo_, *defaultposcombo_;
    QListWidget *mob_flags_, *mob_actions_;
    QRadioButton *male_, *female_, *neutral_;
    QCheckBox *autolevel_, *auto_apply_;
    QWidget* autolevel_panel_;
    QSlider *power_bar_, *endurance_bar_, *reward_bar_;
    QLabel *hit_label_, *damage_label_;
    QPushButton *apply_btn_, *espec_btn_;
    TFormSpecs* specs_;
    QTabWidget* tabs_;
    DialectPage* dialect_ = nullptr;  // tbaMUD: flag words 2-4 and triggers
};

}  // namespace tarnwick::ui
