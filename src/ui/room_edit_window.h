#pragma once
// The room editor window ("Edición de Room"): three pages over one room of
// the table, bound to the core's RoomEditor. Field edits are pending until
// "&Ok" or Auto apply; exit and extra description commands change the room
// at once.

#include "editors/room_editor.h"
#include "ui/editor_window.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace tarnwick::ui {

class DialectPage;
class TDirectionData;
class TExtraDescForm;

class TRoomEdit : public EditorWindow {
    Q_OBJECT
public:
    TRoomEdit(AppContext& context, QWidget* parent);

    void select_record(int index) override;
    int current_index() const override { return editor_.current(); }
    void apply_pending() override;
    void discard_pending() override;
    void lists_loaded() override;
    void preferences_applied() override;
    // "exit.DIR..." selects that exit's line; "name" the name field.
    void focus_field(const std::string& field) override;

    // Wide enough for a description line of 80 memo-font columns and for
    // the exit list's lines, whole.
    QSize sizeHint() const override;
    // The same width (up to the screen's): a saved layout narrower than
    // that is not restored.
    QSize minimumSizeHint() const override;
    static constexpr int kDescriptionColumns = 80;

    RoomEditor& editor() { return editor_; }
    TDirectionData* exit_dialog() const { return exit_dialog_; }
    TExtraDescForm* extra_dialog() const { return extra_dialog_; }

    // The commands, as their buttons and menu items call them.
    void apply();
    void add_exit(int direction);
    void edit_exit();
    void remove_exit();
    void follow_exit();
    void insert_exit_descriptions();
    void add_extra();
    void modify_extra();
    void remove_extra();

protected:
    // The exit list's directions are shown in the interface language.
    void changeEvent(QEvent* event) override;

private:
    void show_form();
    void show_lists();
    void set_modified(bool modified);
    void edited();
    int exit_line() const;

    RoomEditor editor_;
    bool loading_ = false;
    QLineEdit* name_;
    QLineEdit* vnum_;
    QComboBox* sector_;
    QPlainTextEdit* description_;
    QTreeWidget* exits_;
    QPushButton* exit_add_;
    QPushButton* exit_edit_;
    QPushButton* exit_delete_;
    QPushButton* insert_descr_;
    QListWidget* flags_;
    QListWidget* extras_;
    QPlainTextEdit* extra_text_;
    QPushButton* extra_add_;
    QPushButton* extra_modify_;
    QPushButton* extra_remove_;
    QCheckBox* auto_apply_;
    QTabWidget* pages_ = nullptr;
    DialectPage* dialect_ = nullptr;
    TDirectionData* exit_dialog_;
    TExtraDescForm* extra_dialog_;
};

}  // namespace tarnwick::ui
