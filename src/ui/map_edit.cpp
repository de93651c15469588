// The map window's changes to the zone: dig, link, walk, the exit commands,
// removing, moving rooms and naming a room just dug. Each goes through the
// core operations the room list and editor use, becomes one undo step and
// is announced as a change of the room table, so every window follows.

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "analysis/map_placement.h"
#include "editors/map_dig.h"
#include "editors/record_list_ops.h"
#include "editors/typed_text.h"
#include "ui/app_context.h"
#include "ui/cp1252.h"
#include "ui/editor_window.h"
#include "ui/map_view.h"
#include "ui/map_window.h"

namespace tarnwick::ui {

void MapWindow::settle_editor() {
    finish_naming(true);
    if (room_editor_) room_editor_->apply_pending();
}

bool MapWindow::changed(const MapEdit& edit) {
    if (!edit.changed()) return false;
    context_.mark_changed(edit.label);
    emit context_.tableChanged(RecordKind::Room);
    refresh();
    return true;
}

void MapWindow::dig_from(int32_t from, int direction, std::optional<GridPos> cell) {
    settle_editor();
    const int i = layout_.find(from);
    const MapEdit edit = dig(context_.world, from, direction, context_.messages, room_editor_);
    if (edit.kind == MapEdit::Kind::Walked) {
        select_room(edit.vnum);
        return;
    }
    if (!edit.changed()) return;
    // A room dug into a cell of the builder's choosing stays there; one dug
    // beside its room goes where the layout puts it.
    if (cell && i >= 0 && !(*cell == step(layout_.rooms[size_t(i)].pos, direction))) {
        if (memory_.placement.empty()) memory_.placement = placement_of(layout_);
        memory_.placement[edit.vnum] = *cell;
        save_memory();
    }
    changed(edit);
    select_room(edit.vnum);
    start_naming(edit.vnum);
}

void MapWindow::walk(int direction, bool dig) {
    if (marked_ < 0) return;
    if (dig) {
        dig_from(marked_, direction, std::nullopt);
        return;
    }
    const int32_t to = tarnwick::walk(context_.world, marked_, direction);
    if (to >= 0) select_room(to);
}

void MapWindow::link(int32_t from, int direction, int32_t to) {
    settle_editor();
    if (changed(link_rooms(context_.world, from, direction, to, context_.messages)))
        mark_exit(from, direction);
}

void MapWindow::exit_command(MapEdit (*command)(World&, int32_t, int), int32_t from, int direction) {
    settle_editor();
    if (changed(command(context_.world, from, direction)) && context_.world.find_room(from) >= 0 &&
        context_.world.rooms[size_t(context_.world.find_room(from))].exits[size_t(direction)])
        mark_exit(from, direction);
}

void MapWindow::remove_selected() {
    if (exit_room_ >= 0)
        exit_command(&tarnwick::remove_exit, exit_room_, exit_direction_);
    else if (marked_ >= 0)
        remove_room(marked_);
}

void MapWindow::remove_room(int32_t vnum) {
    finish_naming(true);
    const int index = context_.world.find_room(vnum);
    if (index < 0 || !confirm_removal(context_.world, ListKind::Room, index, context_.messages)) return;
    if (!remove_record(context_.world, ListKind::Room, index, room_editor_)) return;
    context_.mark_changed();
    emit context_.tableChanged(RecordKind::Room);
    marked_ = -1;
    refresh();
}

void MapWindow::open_room(int32_t vnum) {
    const int index = context_.world.find_room(vnum);
    if (index >= 0) room_pressed(vnum, true);
}

void MapWindow::open_exit_dialog(int32_t vnum, int direction) {
    const int index = context_.world.find_room(vnum);
    if (!room_editor_ || index < 0 || !context_.world.rooms[size_t(index)].exits[size_t(direction)]) return;
    open_room(vnum);
    // The room editor's own Edit command, on the exit's line.
    room_editor_->focus_field(std::string("exit.") + direction_word(direction));
    if (auto* edit = room_editor_->findChild<QPushButton*>("ExEdit")) edit->click();
}

void MapWindow::move_room(int32_t vnum, const GridPos& cell) {
    const int i = layout_.find(vnum);
    if (i < 0 || room_in_cell(layout_, cell) >= 0) return;
    if (memory_.placement.empty()) memory_.placement = placement_of(layout_);
    memory_.placement[vnum] = cell;
    save_memory();
    // The scroll position stays: the picture's origin may move with the room.
    const QPoint scroll(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value());
    refresh();
    view_->horizontalScrollBar()->setValue(scroll.x());
    view_->verticalScrollBar()->setValue(scroll.y());
    mark(vnum);
}

void MapWindow::lay_out_again() {
    memory_.placement.clear();
    save_memory();
    refresh();
    fit();
}

void MapWindow::start_naming(int32_t vnum) {
    const auto centre = room_centre(vnum);
    const int index = context_.world.find_room(vnum);
    if (!centre || index < 0) return;
    if (!name_edit_) {
        name_edit_ = new QLineEdit(view_->viewport());
        name_edit_->setObjectName("mapNameEdit");
        connect(name_edit_, &QLineEdit::editingFinished, this, [this] {
            // Focus gone elsewhere: what was typed counts.
            if (naming_ >= 0 && !name_edit_->hasFocus()) finish_naming(true);
        });
        name_edit_->installEventFilter(this);
    }
    naming_ = vnum;
    const QPoint at = view_->mapFromScene(*centre);
    const int width = std::max(160, int(kBoxWidth * view_->transform().m11()) + 40);
    name_edit_->setGeometry(at.x() - width / 2, at.y() - 12, width, 24);
    name_edit_->setText(from_cp1252(context_.world.rooms[size_t(index)].name));
    name_edit_->selectAll();
    name_edit_->show();
    name_edit_->setFocus();
}

void MapWindow::finish_naming(bool keep) {
    if (naming_ < 0 || !name_edit_) return;
    const int32_t vnum = naming_;
    naming_ = -1;
    view_->setFocus();
    name_edit_->hide();
    const int index = context_.world.find_room(vnum);
    if (!keep || index < 0) return;
    std::string& name = context_.world.rooms[size_t(index)].name;
    const std::string typed = to_cp1252(name_edit_->text());
    if (typed.empty() || typed == name) return;
    // Pending edits of the room editor go first, so they cannot overwrite
    // the new name later.
    if (room_editor_) room_editor_->apply_pending();
    if (!store_text(name, typed, "Room name", TextKind::one_line, context_.messages)) return;
    context_.mark_changed();
    emit context_.recordChanged(RecordKind::Room, index);
    emit context_.tableChanged(RecordKind::Room);
    refresh();
}

bool MapWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter keeps the name typed, Escape the name as it was; neither goes
    // on to the window, which would close or press a button.
    if (watched == name_edit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            finish_naming(key != Qt::Key_Escape);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tarnwick::ui
