#pragma once
// The zone editor window ("Zone Editor"): page "Info" with the zone header,
// page "Zone Reset (Zone Commands)" with the command tree and its context
// menu. The tree is redrawn from the core's tree after every command.

#include <QIcon>
#include <array>

#include "editors/zone_editor.h"
#include "ui/editor_window.h"

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

namespace tarnwick::ui {

class TEditCommandForm;
class ZoneHeaderExtras;

class TZoneEdit : public EditorWindow {
    Q_OBJECT
public:
    TZoneEdit(AppContext& context, QWidget* parent);

    // Rebuilds the tree and the header fields from the zone header (after
    // loading the zone file and after renumbering). Any index shows it.
    void select_record(int index) override;
    int current_index() const override { return -1; }
    // Wide enough for the longest command line, comment included.
    QSize sizeHint() const override;
    // The same width (up to the screen's): a saved layout narrower than
    // that is not restored.
    QSize minimumSizeHint() const override;
    // Shows the command tree's page (the screenshot mode draws it).
    void show_commands_page();
    // Header edits go into the zone header, so a rebuild shows them again.
    void apply_pending() override { editor_.apply_header_edits(); }
    void discard_pending() override { show_zone_header(); }
    // "command:N" selects the tree line of command N; "top" the top field.
    void focus_field(const std::string& field) override;

    void show_zone_header();
    // The header fields as the save commits them.
    ZoneHeaderFields header_fields() const { return editor_.header_fields(); }
    ZoneEditor& editor() { return editor_; }
    TEditCommandForm* command_dialog() const { return dialog_; }

    // The context menu's commands on the selected node.
    void add_command(char letter);
    void edit_selected();
    void remove_selected();
    void copy_selected();
    void paste();
    // Enables the menu items for the selected node (as the menu opens).
    void update_menu();
    QMenu* context_menu() const { return menu_; }

signals:
    // "Project Properties...": the main window owns that dialog.
    void projectPropertiesRequested();

private:
    ZoneTreeNode* selected_node() const;
    // Rebuilds the tree when the command list was replaced meanwhile;
    // false then, and the command at hand is dropped.
    bool tree_current();
    void names_changed();
    void header_edited();
    // Fills the tree view from the command tree when the window is shown;
    // while it is hidden, only notes that the view is out of date: a zone
    // of thousands of commands would otherwise be drawn into an unseen tree
    // at every load and every edit elsewhere.
    void rebuild_tree(const ZoneTreeNode* select);
    void fill_tree(const ZoneTreeNode* select);
    // The width the tree view needs for the longest command line, reckoned
    // from the command tree: the view is filled only once the window shows,
    // after its size was chosen.
    int commands_width() const;
    void showEvent(QShowEvent* event) override;
    // The commands' descriptions name directions and wear places in the
    // world's language.
    void changeEvent(QEvent* event) override;
    void add_items(QTreeWidgetItem* parent, const ZoneTreeNode& node, const ZoneTreeNode* select);
    void show_menu(const QPoint& pos);
    void changed_commands(const ZoneTreeNode* select);

    ZoneEditor editor_;
    bool loading_ = false;
    bool view_stale_ = false;   // the tree view lags the command tree
    bool texts_stale_ = false;  // record names changed while hidden
    QLineEdit* vnum_;
    QLineEdit* name_;
    QLineEdit* top_;
    QLineEdit* lifespan_;
    QComboBox* reset_mode_;
    ZoneHeaderExtras* extras_;  // bottom, builders, flags, levels
    QTreeWidget* tree_;
    QMenu* menu_;
    std::array<QAction*, 9> add_actions_{};
    QAction* remove_action_;
    QAction* edit_action_;
    QAction* copy_action_;
    QAction* paste_action_;
    std::array<QIcon, 10> icons_;
    TEditCommandForm* dialog_;
};

}  // namespace tarnwick::ui
