// The map's selection: a room (framed) or an exit (its shapes outlined),
// and the room list and editor following a room pressed on the map.

#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QListWidget>
#include <QPainterPath>
#include <QPen>

#include "ui/app_context.h"
#include "ui/editor_window.h"
#include "ui/map_view.h"
#include "ui/map_window.h"
#include "ui/record_list_window.h"

namespace tarnwick::ui {

void MapWindow::mark(int32_t vnum) {
    marked_ = vnum;
    exit_room_ = -1;
    exit_direction_ = -1;
    delete marker_;
    marker_ = nullptr;
    const auto centre = room_centre(vnum);
    if (!centre) return;
    marker_ = scene_->addRect(QRectF(*centre - QPointF(kBoxWidth / 2 + 4, kBoxHeight / 2 + 4),
                                     QSizeF(kBoxWidth + 8, kBoxHeight + 8)),
                              QPen(QColor(230, 120, 0), 3));
    marker_->setZValue(1);
}

void MapWindow::mark_exit(int32_t vnum, int direction) {
    delete marker_;
    marker_ = nullptr;
    marked_ = -1;
    exit_room_ = vnum;
    exit_direction_ = direction;
    QPainterPath path;
    for (QGraphicsItem* item : scene_->items())
        if (auto* shape = dynamic_cast<ShapeItem*>(item);
            shape && shape->map_shape().room_vnum == vnum && shape->map_shape().direction == direction)
            path.addPath(shape->shape());
    if (path.isEmpty()) return;
    auto* mark = scene_->addPath(path, QPen(QColor(230, 120, 0), 2), QColor(230, 120, 0, 90));
    mark->setZValue(1);
    marker_ = mark;
}

std::optional<std::pair<int32_t, int>> MapWindow::selected_exit() const {
    if (exit_room_ < 0) return std::nullopt;
    return std::pair{exit_room_, exit_direction_};
}

bool MapWindow::select_room(int32_t vnum) {
    const int i = layout_.find(vnum);
    if (i < 0) return false;
    if (layout_.rooms[size_t(i)].pos.level != level_) set_level(layout_.rooms[size_t(i)].pos.level);
    mark(vnum);
    if (const auto centre = room_centre(vnum)) view_->ensureVisible(QRectF(*centre, QSizeF(1, 1)), 90, 60);
    return true;
}

void MapWindow::room_pressed(int32_t vnum, bool twice) {
    const int i = layout_.find(vnum);
    if (i < 0) return;
    const int index = layout_.rooms[size_t(i)].room_index;
    if (index >= context_.world.room_count()) return;
    mark(vnum);
    if (room_list_) {
        room_list_->list()->setCurrentRow(index);
        room_list_->ListBox1Click();
    }
    if (twice && room_editor_) {
        room_editor_->select_record(index);
        room_editor_->show();
        room_editor_->raise();
    }
    if (twice)
        emit roomActivated(index);
    else
        emit roomClicked(index);
}

}  // namespace tarnwick::ui
