#include "ui/map_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>
#include <cmath>

#include "ui/map_paint.h"

namespace tarnwick::ui {

namespace {

// Room names are left out below this scale: they would be unreadable.
constexpr double kNameScale = 0.55;

}  // namespace

ShapeItem::ShapeItem(MapShape shape) : shape_(std::move(shape)), bounds_(map_shape_bounds(shape_)) {
    setData(kRoleKey, role_key(shape_.role));
    setData(kVnumKey, shape_.room_vnum);
    setData(kDirectionKey, shape_.direction);
}

QPainterPath ShapeItem::shape() const {
    QPainterPath path;
    if (shape_.kind != ShapeKind::Polyline || shape_.points.empty()) {
        path.addRect(bounds_);
        return path;
    }
    path.moveTo(shape_.points[0].x, shape_.points[0].y);
    for (size_t i = 1; i < shape_.points.size(); ++i) path.lineTo(shape_.points[i].x, shape_.points[i].y);
    QPainterPathStroker stroker;
    stroker.setWidth(8);
    return stroker.createStroke(path);
}

void ShapeItem::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) {
    if (shape_.role == ShapeRole::RoomName &&
        option->levelOfDetailFromTransform(painter->worldTransform()) < kNameScale)
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    paint_map_shape(*painter, shape_);
}

MapView::MapView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
    setDragMode(QGraphicsView::ScrollHandDrag);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    setFocusPolicy(Qt::StrongFocus);
}

void MapView::zoom_by(double factor) {
    const double now = transform().m11();
    if (now * factor < 0.05 || now * factor > 8) return;
    scale(factor, factor);
}

void MapView::wheelEvent(QWheelEvent* event) {
    zoom_by(std::pow(1.2, event->angleDelta().y() / 120.0));
    event->accept();
}

void MapView::mousePressEvent(QMouseEvent* event) {
    setFocus();
    if (event->button() == Qt::LeftButton && handlers.press &&
        handlers.press(mapToScene(event->position().toPoint()), false)) {
        taken_ = true;
        dragged_ = false;
        pressed_at_ = event->position().toPoint();
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
}

void MapView::mouseMoveEvent(QMouseEvent* event) {
    if (!taken_) {
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (!dragged_ && (at - pressed_at_).manhattanLength() < QApplication::startDragDistance()) return;
    dragged_ = true;
    if (handlers.drag) handlers.drag(mapToScene(at));
}

void MapView::mouseReleaseEvent(QMouseEvent* event) {
    if (!taken_ || event->button() != Qt::LeftButton) {
        QGraphicsView::mouseReleaseEvent(event);
        return;
    }
    taken_ = false;
    if (handlers.release) handlers.release(mapToScene(event->position().toPoint()), dragged_);
}

void MapView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && handlers.press &&
        handlers.press(mapToScene(event->position().toPoint()), true)) {
        // The second release ends no drag.
        taken_ = false;
        event->accept();
        return;
    }
    QGraphicsView::mouseDoubleClickEvent(event);
}

void MapView::contextMenuEvent(QContextMenuEvent* event) {
    if (!handlers.context_menu) return;
    handlers.context_menu(mapToScene(event->pos()), event->globalPos());
    event->accept();
}

void MapView::keyPressEvent(QKeyEvent* event) {
    if (handlers.key && handlers.key(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QGraphicsView::keyPressEvent(event);
}

}  // namespace tarnwick::ui
