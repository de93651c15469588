#pragma once
// The zone map: one level of the zone's rooms as boxes and their exits as
// lines, in a view that zooms with the mouse wheel and pans by dragging the
// background. The zone is built from it as well: dragging from a room's
// side (north, east, south, west; up and down from the triangles' corners)
// to another room makes an exit, to an empty cell a new room there; the
// arrow keys walk along exits, Shift+arrow and Page Up / Page Down dig;
// dragging a room's middle moves it to another cell, and the map keeps it
// there. Every change goes through the history and reaches every window.

#include <QDialog>
#include <optional>

#include "analysis/map_layout.h"
#include "analysis/map_picture.h"
#include "project/map_memory.h"

class QComboBox;
class QHBoxLayout;
class QSpinBox;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace tarnwick {
struct MapEdit;
}

namespace tarnwick::ui {

class AppContext;
class EditorWindow;
class MapView;
class RecordListWindow;

class MapWindow : public QDialog {
    Q_OBJECT
public:
    MapWindow(AppContext& context, QWidget* parent);
    ~MapWindow() override;

    // The room list and editor that follow clicks on the map.
    void set_targets(RecordListWindow* room_list, EditorWindow* room_editor);

    int level() const { return level_; }
    void set_level(int level);
    QGraphicsView* view() const;
    QGraphicsScene* scene() const { return scene_; }
    const MapLayout& layout() const { return layout_; }
    // The centre of a room's box in scene coordinates, when it is on the
    // level shown.
    std::optional<QPointF> room_centre(int32_t vnum) const;
    // Where a drag from a room's side (or up/down corner) starts.
    std::optional<QPointF> grip_point(int32_t vnum, int direction) const;
    // The centre of the cell `dx`, `dy` steps from a room's cell.
    std::optional<QPointF> cell_beside(int32_t vnum, int dx, int dy) const;
    // How many items of the scene show shapes of `role`.
    int item_count(ShapeRole role) const;
    // Writes the level shown as PNG or SVG, by the file's extension.
    bool export_to(const QString& path, QString* error = nullptr);

    int32_t selected_room() const { return marked_; }
    // Selects a room (shows its level); false when it is no room of the map.
    bool select_room(int32_t vnum);
    // The selected exit: its room and direction.
    std::optional<std::pair<int32_t, int>> selected_exit() const;
    // The field in which a newly dug room's name is typed, while it is open.
    QLineEdit* name_editor() const { return name_edit_; }
    const MapMemory& memory() const { return memory_; }
    // Colours the rooms by what they hold after reset `n` (1 is the boot's),
    // by their sector for 0; and the reset coloured by, 0 for sector colours.
    void colour_by_reset(int n);
    int colour_reset() const;

public slots:
    // Lays the zone out again and redraws it, keeping the level and zoom.
    void refresh();
    // Zooms so the whole level fits the view, but no smaller than a zoom at
    // which the rooms' texts can be read: a larger level gets scroll bars.
    void fit();
    // Forgets where the builder placed rooms and lays the zone out anew.
    void lay_out_again();
    void ExportPngClick();
    void ExportSvgClick();

signals:
    void roomClicked(int room_index);
    void roomActivated(int room_index);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // map_window.cpp
    void refresh_soon();
    void redraw();
    void fill_levels();
    void room_pressed(int32_t vnum, bool twice);
    void mark(int32_t vnum);
    void mark_exit(int32_t vnum, int direction);
    void export_chosen(const char* filter, const char* suffix);
    // map_mouse.cpp: presses, drags and keys.
    bool pressed(QPointF at, bool twice);
    void dragged(QPointF at);
    void released(QPointF at, bool was_drag);
    bool key_pressed(int key, Qt::KeyboardModifiers modifiers);
    int room_at(QPointF at) const;  // index in layout_.rooms, or -1
    // -1 for the middle of the box, a direction for a side or corner.
    int grip_at(int room, QPointF at) const;
    void clear_drag();
    // map_edit.cpp: the changes.
    void dig_from(int32_t from, int direction, std::optional<GridPos> cell);
    void walk(int direction, bool dig);
    void link(int32_t from, int direction, int32_t to);
    void exit_command(MapEdit (*command)(World&, int32_t, int), int32_t from, int direction);
    void remove_selected();
    void remove_room(int32_t vnum);
    void open_exit_dialog(int32_t vnum, int direction);
    void move_room(int32_t vnum, const GridPos& cell);
    void new_room_at(const GridPos& cell);
    bool changed(const MapEdit& edit);
    void settle_editor();
    void start_naming(int32_t vnum);
    void finish_naming(bool keep);
    void open_room(int32_t vnum);
    // map_colours.cpp
    void add_colour_controls(QHBoxLayout* bar);
    void colour_rooms();
    const RoomFills* fills() const;  // nullptr for sector colours
    // map_menu.cpp
    void context_menu(QPointF at, QPoint global);
    void fill_room_menu(QMenu& menu, int32_t vnum);
    void fill_exit_menu(QMenu& menu, int32_t vnum, int direction);
    // map_memory: the view and the kept cells of the project shown.
    void follow_project();
    void save_memory();
    void remember_view();
    bool apply_view();

    AppContext& context_;
    RecordListWindow* room_list_ = nullptr;
    EditorWindow* room_editor_ = nullptr;
    MapLayout layout_;
    int level_ = 0;
    int32_t marked_ = -1;
    int32_t exit_room_ = -1;
    int exit_direction_ = -1;
    bool stale_ = true;
    bool fitted_ = false;
    bool sized_ = false;
    bool view_touched_ = false;
    std::string memory_path_;
    MapMemory memory_;
    // The press being dragged: its room (layout index), grip and the item
    // that shows the drag.
    int drag_room_ = -1;
    int drag_grip_ = -1;
    QGraphicsItem* drag_item_ = nullptr;
    int32_t naming_ = -1;
    QComboBox* levels_;
    QLabel* summary_;
    MapView* view_;
    QGraphicsScene* scene_;
    QGraphicsItem* marker_ = nullptr;
    QLineEdit* name_edit_ = nullptr;
    QTimer* refresh_timer_;
    QComboBox* colour_by_ = nullptr;
    QSpinBox* colour_reset_ = nullptr;
    QLabel* legend_ = nullptr;
    RoomFills fills_;
    bool colouring_ = false, colour_again_ = false;
};

}  // namespace tarnwick::ui
