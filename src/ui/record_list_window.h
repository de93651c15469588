#pragma once
// One of the record lists: a line per record in table order, so a
// line's position is the record's table index. Records are added, cloned,
// removed, picked for their editor and shown as their file text from here.

#include <QDialog>

#include "editors/record_list_ops.h"
#include "ui/app_context.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QMenu;

namespace tarnwick::ui {

class EditorWindow;
class TextViewer;

class RecordListWindow : public QDialog {
    Q_OBJECT
public:
    RecordListWindow(AppContext& context, ListKind kind, EditorWindow* editor, TextViewer* viewer,
                     QWidget* parent);

    ListKind kind() const { return kind_; }
    QListWidget* list() const { return list_; }
    QStringList lines() const;
    // Rebuilds the lines and sets the title to the record count.
    void refresh_list();
    // Rebuilds the lines after a file was read, with the reader's title.
    void fill_after_load(const std::string& caption);
    // Empties the list and the title (the world was cleared).
    void clear_list();
    // The editor and the viewer may be created after the list at start-up.
    // The list's selection follows the record this editor shows.
    void set_editor(EditorWindow* editor);
    // The selected line's index, or -1.
    int selected() const;
    void set_viewer(TextViewer* viewer) { viewer_ = viewer; }
    // A new save starts: the object writer's material warning may show again.
    void reset_source_warning() { source_warned_ = false; }

public slots:
    void ListBox1Click();
    void ListBox1DblClick();
    void Editar1Click();
    void Agregar1Click();
    void Eliminar1Click();
    void Clonar1Click();
    void VerFuente1Click();
    void Button1Click();
    void CheckBox1Click();

signals:
    // Shown or hidden: the main window's two entries for this list follow.
    void visibilityChanged(bool visible);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void record_changed(RecordKind kind, int index);
    void show_editor();
    void select_row(int index);
    void appended(int index);

    AppContext& context_;
    ListKind kind_;
    EditorWindow* editor_ = nullptr;
    TextViewer* viewer_;
    QLabel* label_;
    QListWidget* list_;
    QCheckBox* on_top_;
    QMenu* menu_;
    bool source_warned_ = false;
};

RecordKind record_kind_of(ListKind kind);

}  // namespace tarnwick::ui
