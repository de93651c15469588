// The map window's mouse and keys: a press on a room's side or up/down
// corner starts an exit, on its middle a move; a click on an exit selects
// it; the arrow keys walk and, with Shift, dig.

#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QPen>
#include <cmath>

#include "analysis/map_placement.h"
#include "editors/map_dig.h"
#include "ui/app_context.h"
#include "ui/map_view.h"
#include "ui/map_window.h"

namespace tarnwick::ui {

namespace {

// How far outside its box a press still counts as on the room's side, and
// how deep inside; the up and down corners are squares of twice kCorner.
constexpr double kSideOut = 6, kSideIn = 8, kCorner = 9;
// The up and down triangles' centres, from the box's top corners.
constexpr double kCornerX = 10, kCornerY = 8;

const QColor kDragColour(230, 120, 0);

}  // namespace

int MapWindow::room_at(QPointF at) const {
    // The cell under the point, and its neighbours for a press just outside
    // a box.
    for (const auto& [dx, dy] : {std::pair{0.0, 0.0}, {kSideOut, 0.0}, {-kSideOut, 0.0},
                                {0.0, kSideOut}, {0.0, -kSideOut}}) {
        const int i = room_in_cell(layout_, cell_at(layout_, level_, at.x() + dx, at.y() + dy));
        if (i < 0) continue;
        double cx = 0, cy = 0;
        cell_centre(layout_, layout_.rooms[size_t(i)].pos, cx, cy);
        if (std::abs(at.x() - cx) <= kBoxWidth / 2 + kSideOut &&
            std::abs(at.y() - cy) <= kBoxHeight / 2 + kSideOut)
            return i;
    }
    return -1;
}

int MapWindow::grip_at(int room, QPointF at) const {
    double cx = 0, cy = 0;
    cell_centre(layout_, layout_.rooms[size_t(room)].pos, cx, cy);
    const double x = at.x() - cx, y = at.y() - cy;
    const double w = kBoxWidth / 2, h = kBoxHeight / 2;
    if (std::abs(y - (-h + kCornerY)) <= kCorner) {
        if (std::abs(x - (w - kCornerX)) <= kCorner) return Up;
        if (std::abs(x - (-w + kCornerX)) <= kCorner) return Down;
    }
    // The nearest side, when the press is close enough to it.
    const double to_side[4] = {y + h, w - x, h - y, x + w};  // north, east, south, west
    int best = North;
    for (int d = East; d <= West; ++d)
        if (to_side[d] < to_side[best]) best = d;
    return to_side[best] <= kSideIn ? best : -1;
}

std::optional<QPointF> MapWindow::grip_point(int32_t vnum, int direction) const {
    const int i = layout_.find(vnum);
    if (i < 0 || layout_.rooms[size_t(i)].pos.level != level_) return std::nullopt;
    double cx = 0, cy = 0;
    cell_centre(layout_, layout_.rooms[size_t(i)].pos, cx, cy);
    const double w = kBoxWidth / 2, h = kBoxHeight / 2;
    switch (direction) {
    case North: return QPointF(cx, cy - h + 2);
    case East: return QPointF(cx + w - 2, cy);
    case South: return QPointF(cx, cy + h - 2);
    case West: return QPointF(cx - w + 2, cy);
    case Up: return QPointF(cx + w - kCornerX, cy - h + kCornerY);
    case Down: return QPointF(cx - w + kCornerX, cy - h + kCornerY);
    }
    return std::nullopt;
}

std::optional<QPointF> MapWindow::cell_beside(int32_t vnum, int dx, int dy) const {
    const int i = layout_.find(vnum);
    if (i < 0) return std::nullopt;
    GridPos cell = layout_.rooms[size_t(i)].pos;
    cell.x += dx;
    cell.y += dy;
    double x = 0, y = 0;
    cell_centre(layout_, cell, x, y);
    return QPointF(x, y);
}

bool MapWindow::pressed(QPointF at, bool twice) {
    finish_naming(true);
    const int room = room_at(at);
    if (room < 0) {
        for (QGraphicsItem* item : scene_->items(at)) {
            const int role = item->data(kRoleKey).toInt();
            if (role != role_key(ShapeRole::Exit) && role != role_key(ShapeRole::Stub) &&
                role != role_key(ShapeRole::Door))
                continue;
            const int32_t vnum = item->data(kVnumKey).toInt();
            const int direction = item->data(kDirectionKey).toInt();
            mark_exit(vnum, direction);
            if (twice) open_exit_dialog(vnum, direction);
            return true;
        }
        view_touched_ = true;  // the press pans the view
        return false;
    }
    const int32_t vnum = layout_.rooms[size_t(room)].vnum;
    room_pressed(vnum, twice);
    if (twice) return true;
    drag_room_ = room;
    drag_grip_ = grip_at(room, at);
    return true;
}

void MapWindow::dragged(QPointF at) {
    if (drag_room_ < 0) return;
    const int32_t vnum = layout_.rooms[size_t(drag_room_)].vnum;
    QPen pen(kDragColour, 2, Qt::DashLine);
    if (drag_grip_ >= 0) {
        const QPointF from = grip_point(vnum, drag_grip_).value_or(at);
        if (!drag_item_) drag_item_ = scene_->addLine(QLineF(from, at), pen);
        static_cast<QGraphicsLineItem*>(drag_item_)->setLine(QLineF(from, at));
    } else {
        double x = 0, y = 0;
        cell_centre(layout_, cell_at(layout_, level_, at.x(), at.y()), x, y);
        const QRectF box(x - kBoxWidth / 2, y - kBoxHeight / 2, kBoxWidth, kBoxHeight);
        if (!drag_item_) drag_item_ = scene_->addRect(box, pen);
        static_cast<QGraphicsRectItem*>(drag_item_)->setRect(box);
    }
    drag_item_->setZValue(2);
}

void MapWindow::clear_drag() {
    delete drag_item_;
    drag_item_ = nullptr;
}

void MapWindow::released(QPointF at, bool was_drag) {
    clear_drag();
    const int room = drag_room_, grip = drag_grip_;
    drag_room_ = -1;
    if (room < 0 || room >= int(layout_.rooms.size())) return;
    const int32_t vnum = layout_.rooms[size_t(room)].vnum;
    const int index = context_.world.find_room(vnum);
    if (index < 0) return;
    if (!was_drag) {
        // A click on the side an exit leaves by selects that exit.
        if (grip >= 0 && context_.world.rooms[size_t(index)].exits[size_t(grip)]) mark_exit(vnum, grip);
        return;
    }
    const int target = room_at(at);
    GridPos cell = cell_at(layout_, level_, at.x(), at.y());
    if (grip < 0) {
        if (target < 0) move_room(vnum, cell);
        return;
    }
    if (target == room) return;
    if (target >= 0) {
        link(vnum, grip, layout_.rooms[size_t(target)].vnum);
        return;
    }
    if (grip == Up) ++cell.level;
    if (grip == Down) --cell.level;
    if (room_in_cell(layout_, cell) >= 0) cell = step(layout_.rooms[size_t(room)].pos, grip);
    dig_from(vnum, grip, cell);
}

bool MapWindow::key_pressed(int key, Qt::KeyboardModifiers modifiers) {
    int direction = -1;
    switch (key) {
    case Qt::Key_Up: direction = North; break;
    case Qt::Key_Right: direction = East; break;
    case Qt::Key_Down: direction = South; break;
    case Qt::Key_Left: direction = West; break;
    case Qt::Key_PageUp: direction = Up; break;
    case Qt::Key_PageDown: direction = Down; break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (exit_room_ >= 0)
            open_exit_dialog(exit_room_, exit_direction_);
        else if (marked_ >= 0)
            open_room(marked_);
        return true;
    case Qt::Key_Delete: remove_selected(); return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal: view_->zoom_by(1.2); view_touched_ = true; return true;
    case Qt::Key_Minus: view_->zoom_by(1 / 1.2); view_touched_ = true; return true;
    default: return false;
    }
    if (marked_ < 0 && exit_room_ >= 0) select_room(exit_room_);
    if (marked_ < 0) {
        // Nothing selected yet: the keys start from the level's lowest room.
        for (const MapRoom& r : layout_.rooms)
            if (r.pos.level == level_) {
                select_room(r.vnum);
                break;
            }
        return true;
    }
    walk(direction, direction >= Up || (modifiers & Qt::ShiftModifier));
    return true;
}

}  // namespace tarnwick::ui
