#pragma once
// The trigger editor window (tbaMUD): one trigger of the zone's table bound
// to the core's TriggerEditor - vnum, name, attach type, the events of that
// attach type as a check list named as the server names them, the numeric
// argument, the argument list and the script in its memo (ScriptEdit).
// Edits are pending until "&Ok" or Auto apply; applying checks the trigger
// and lists what the checker found under the memo (a double click goes to
// the line).

#include "editors/trigger_editor.h"
#include "ui/editor_window.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace tarnwick::ui {

class ScriptEdit;

class TTrigEdit : public EditorWindow {
    Q_OBJECT
public:
    TTrigEdit(AppContext& context, QWidget* parent);

    void select_record(int index) override;
    int current_index() const override { return editor_.current(); }
    void apply_pending() override;
    void discard_pending() override;
    void preferences_applied() override;
    // "script.N" puts the cursor on script line N; "arglist", "name" and
    // "vnum" their fields.
    void focus_field(const std::string& field) override;
    QSize sizeHint() const override;

    TriggerEditor& editor() { return editor_; }
    ScriptEdit* script() const { return script_; }
    // Stores the fields (as "&Ok" does).
    void apply();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Checks the trigger as stored again (no pending edits, window shown).
    void recheck();
    void show_form();
    void show_types();
    void show_findings();
    void edited();
    void set_modified(bool modified);

    TriggerEditor editor_;
    bool loading_ = false;
    QLineEdit* vnum_;
    QLineEdit* name_;
    QComboBox* attach_;
    QListWidget* types_;
    QLineEdit* narg_;
    QLineEdit* arglist_;
    ScriptEdit* script_;
    QLabel* check_label_;
    QListWidget* findings_;
    QCheckBox* auto_apply_;
};

}  // namespace tarnwick::ui
