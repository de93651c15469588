#pragma once
// The map's scene items and view. An item draws one shape of the map
// picture and carries its role, room and exit direction as item data. The
// view zooms with the wheel around the mouse and hands presses, drags,
// releases, context menu requests and keys to its window's handlers; a
// press the handlers do not take pans the view.

#include <QGraphicsItem>
#include <QGraphicsView>
#include <functional>

#include "analysis/map_picture.h"

namespace tarnwick::ui {

// Item data keys, and the role key of a shape role (other items answer 0).
inline constexpr int kRoleKey = 0, kVnumKey = 1, kDirectionKey = 2;
inline int role_key(ShapeRole role) { return int(role) + 1; }

class ShapeItem : public QGraphicsItem {
public:
    explicit ShapeItem(MapShape shape);
    QRectF boundingRect() const override { return bounds_; }
    // Lines answer clicks a few pixels either side of them, not over their
    // whole bounding box.
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override;
    const MapShape& map_shape() const { return shape_; }

private:
    MapShape shape_;
    QRectF bounds_;
};

struct MapViewHandlers {
    // A left press (`twice` for a double-click) at a scene point: true when
    // the window takes the press, so the moves and the release go to it.
    std::function<bool(QPointF, bool twice)> press;
    // The mouse moved with a taken press, past the drag distance.
    std::function<void(QPointF)> drag;
    // The taken press ended; `dragged` when it moved past the drag distance.
    std::function<void(QPointF, bool dragged)> release;
    std::function<void(QPointF, QPoint global)> context_menu;
    // True when the window handled the key.
    std::function<bool(int key, Qt::KeyboardModifiers)> key;
};

class MapView : public QGraphicsView {
public:
    MapView(QGraphicsScene* scene, QWidget* parent);
    MapViewHandlers handlers;
    // Zooms by `factor` (kept between 5 % and 800 %).
    void zoom_by(double factor);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool taken_ = false, dragged_ = false;
    QPoint pressed_at_;
};

}  // namespace tarnwick::ui
