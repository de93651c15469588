#pragma once
// The zone map: one level of the zone's rooms as boxes and their exits as
// lines, in a view that zooms with the mouse wheel and pans by dragging.
// A click on a room selects it in the room list; a double-click opens it in
// the room editor. The map follows every change of the rooms.

#include <QDialog>
#include <optional>

#include "analysis/map_layout.h"
#include "analysis/map_picture.h"

class QComboBox;
class QGraphicsRectItem;
class QGraphicsScene;
class QGraphicsView;
class QLabel;
class QTimer;

namespace tarnwick::ui {

class AppContext;
class EditorWindow;
class RecordListWindow;

class MapWindow : public QDialog {
    Q_OBJECT
public:
    MapWindow(AppContext& context, QWidget* parent);

    // The room list and editor that follow clicks on the map.
    void set_targets(RecordListWindow* room_list, EditorWindow* room_editor);

    int level() const { return level_; }
    void set_level(int level);
    QGraphicsView* view() const { return view_; }
    QGraphicsScene* scene() const { return scene_; }
    const MapLayout& layout() const { return layout_; }
    // The centre of a room's box in scene coordinates, when it is on the
    // level shown.
    std::optional<QPointF> room_centre(int32_t vnum) const;
    // How many items of the scene show shapes of `role`.
    int item_count(ShapeRole role) const;
    // Writes the level shown as PNG or SVG, by the file's extension.
    bool export_to(const QString& path, QString* error = nullptr);

public slots:
    // Lays the zone out again and redraws it, keeping the level and zoom.
    void refresh();
    // Zooms so the whole level fits the view.
    void fit();
    void ExportPngClick();
    void ExportSvgClick();

signals:
    void roomClicked(int room_index);
    void roomActivated(int room_index);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh_soon();
    void redraw();
    void fill_levels();
    void room_pressed(int32_t vnum, bool twice);
    void mark(int32_t vnum);
    void export_chosen(const char* filter, const char* suffix);

    AppContext& context_;
    RecordListWindow* room_list_ = nullptr;
    EditorWindow* room_editor_ = nullptr;
    MapLayout layout_;
    int level_ = 0;
    int32_t marked_ = -1;
    bool stale_ = true;
    bool fitted_ = false;
    QComboBox* levels_;
    QLabel* summary_;
    QGraphicsView* view_;
    QGraphicsScene* scene_;
    QGraphicsRectItem* marker_ = nullptr;
    QTimer* refresh_timer_;
};

}  // namespace tarnwick::ui
