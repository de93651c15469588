// The map's context menus: on a room (open, dig in a free direction,
// remove, copy its vnum), on an exit (its dialog, two-way, one-way, remove,
// a door) and on an empty cell (a new room there).

#include <QAction>
#include <QClipboard>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QMenu>

#include "analysis/map_placement.h"
#include "editors/exit_form.h"
#include "editors/map_dig.h"
#include "editors/record_list_ops.h"
#include "ui/app_context.h"
#include "ui/editor_window.h"
#include "ui/map_view.h"
#include "ui/map_window.h"

namespace tarnwick::ui {

namespace {

QAction* add(QMenu& menu, const QString& text, const char* name) {
    QAction* a = menu.addAction(text);
    a->setObjectName(name);
    return a;
}

}  // namespace

void MapWindow::fill_room_menu(QMenu& menu, int32_t vnum) {
    const int index = context_.world.find_room(vnum);
    if (index < 0) return;
    connect(add(menu, "&Open room", "MapOpenRoom"), &QAction::triggered, this,
            [this, vnum] { open_room(vnum); });
    QMenu* dig_menu = menu.addMenu("&Dig");
    dig_menu->setObjectName("MapDigMenu");
    const room_data& room = context_.world.rooms[size_t(index)];
    for (int d = 0; d < direction_count(context_.world.dialect); ++d) {
        QAction* a = add(*dig_menu, kDirectionMenuItems[size_t(d)], "MapDig");
        a->setObjectName(QStringLiteral("MapDig%1").arg(d));
        a->setEnabled(!room.exits[size_t(d)]);
        connect(a, &QAction::triggered, this, [this, vnum, d] { dig_from(vnum, d, std::nullopt); });
    }
    connect(add(menu, "&Remove room", "MapRemoveRoom"), &QAction::triggered, this,
            [this, vnum] { remove_room(vnum); });
    connect(add(menu, "&Copy vnum", "MapCopyVnum"), &QAction::triggered, this,
            [vnum] { QGuiApplication::clipboard()->setText(QString::number(vnum)); });
}

void MapWindow::fill_exit_menu(QMenu& menu, int32_t vnum, int direction) {
    const int index = context_.world.find_room(vnum);
    if (index < 0 || !context_.world.rooms[size_t(index)].exits[size_t(direction)]) return;
    const room_direction_data& exit = *context_.world.rooms[size_t(index)].exits[size_t(direction)];
    const int target = context_.world.find_room(exit.target_vnum);
    const auto& back = target >= 0 ? context_.world.rooms[size_t(target)].exits[size_t(reverse_direction(direction))]
                                   : std::optional<room_direction_data>{};
    const bool two_way = back && back->target_vnum == vnum;
    connect(add(menu, "&Edit exit...", "MapEditExit"), &QAction::triggered, this,
            [this, vnum, direction] { open_exit_dialog(vnum, direction); });
    QAction* two = add(menu, "Make &two-way", "MapTwoWay");
    two->setEnabled(target >= 0 && !two_way);
    connect(two, &QAction::triggered, this,
            [this, vnum, direction] { exit_command(&make_two_way, vnum, direction); });
    QAction* one = add(menu, "Make &one-way", "MapOneWay");
    one->setEnabled(two_way);
    connect(one, &QAction::triggered, this,
            [this, vnum, direction] { exit_command(&make_one_way, vnum, direction); });
    connect(add(menu, "&Remove exit", "MapRemoveExit"), &QAction::triggered, this,
            [this, vnum, direction] { exit_command(&tarnwick::remove_exit, vnum, direction); });
    QAction* door = add(menu, "Add &door", "MapAddDoor");
    door->setEnabled(exit.door == 0);
    connect(door, &QAction::triggered, this,
            [this, vnum, direction] { exit_command(&add_door, vnum, direction); });
}

void MapWindow::context_menu(QPointF at, QPoint global) {
    finish_naming(true);
    QMenu menu(this);
    menu.setObjectName("MapContextMenu");
    const int room = room_at(at);
    if (room >= 0) {
        const int32_t vnum = layout_.rooms[size_t(room)].vnum;
        mark(vnum);
        fill_room_menu(menu, vnum);
    } else {
        for (QGraphicsItem* item : scene_->items(at)) {
            const int role = item->data(kRoleKey).toInt();
            if (role == role_key(ShapeRole::Exit) || role == role_key(ShapeRole::Stub) ||
                role == role_key(ShapeRole::Door)) {
                const int32_t vnum = item->data(kVnumKey).toInt();
                const int direction = item->data(kDirectionKey).toInt();
                mark_exit(vnum, direction);
                fill_exit_menu(menu, vnum, direction);
                break;
            }
        }
    }
    if (menu.isEmpty()) {
        const GridPos cell = cell_at(layout_, level_, at.x(), at.y());
        connect(add(menu, "&New room here", "MapNewRoom"), &QAction::triggered, this,
                [this, cell] { new_room_at(cell); });
    }
    menu.exec(global);
}

void MapWindow::new_room_at(const GridPos& cell) {
    settle_editor();
    const int index = add_record(context_.world, ListKind::Room, context_.messages, room_editor_);
    if (index < 0) return;
    const int32_t vnum = context_.world.rooms[size_t(index)].vnum;
    // A room without exits would land wherever the layout finds room: the
    // cell clicked is kept for it.
    if (memory_.placement.empty()) memory_.placement = placement_of(layout_);
    memory_.placement[vnum] = cell;
    save_memory();
    MapEdit edit;
    edit.kind = MapEdit::Kind::Changed;
    edit.vnum = vnum;
    edit.label = "Add room #" + std::to_string(vnum);
    changed(edit);
    select_room(vnum);
    start_naming(vnum);
}

}  // namespace tarnwick::ui
