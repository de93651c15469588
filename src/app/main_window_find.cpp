// Edit > Find and Edit > Go to vnum: the find window and opening the editor
// of a found record with the field focused.

#include <QApplication>
#include <QInputDialog>

#include "analysis/find.h"
#include "app/main_window.h"
#include "app/window_placer.h"
#include "ui/editor_window.h"
#include "ui/field_focus.h"
#include "ui/find_window.h"

namespace tarnwick::app {

namespace {

int shop_index(const World& world, int32_t vnum) {
    for (int i = 0; i < world.shop_count(); ++i)
        if (world.shops[i].vnum == vnum) return i;
    return -1;
}

}  // namespace

ui::FindWindow* MainWindow::find_window() {
    if (!find_) {
        find_ = new ui::FindWindow(state_.context, this);
        placer_->watch(find_);
        give_undo_keys(find_);
        connect(find_, &ui::FindWindow::openRequested, this, &MainWindow::open_found);
    }
    return find_;
}

void MainWindow::Find1Click() {
    ui::FindWindow* w = find_window();
    w->show();
    w->raise();
    w->activateWindow();
}

void MainWindow::GoToVnum1Click() {
    bool ok = false;
    // Centred over the window Ctrl+G was pressed in: over the thin main
    // window it would cover the menu bar.
    QWidget* over = QApplication::activeWindow() ? QApplication::activeWindow() : this;
    const int vnum = QInputDialog::getInt(over, "Go to Vnum", "Vnum of a room, mob, object, shop or trigger:",
                                          last_goto_vnum_, 0, 2147483647, 1, &ok);
    if (ok) go_to_vnum(vnum);
}

bool MainWindow::go_to_vnum(int32_t vnum) {
    last_goto_vnum_ = vnum;
    const std::vector<FindHit> hits = records_with_vnum(state_.world, vnum);
    if (hits.empty()) {
        state_.messages.show("No room, mob, object, shop or trigger has vnum " + std::to_string(vnum) + ".");
        return false;
    }
    // Rooms first, then mobs, objects, shops and triggers; when several kinds share
    // the number the find window lists them all for another choice.
    if (hits.size() > 1) {
        ui::FindWindow* w = find_window();
        w->show_hits(QString::number(vnum), hits);
        w->show();
    }
    return open_found(hits.front());
}

bool MainWindow::open_found(const FindHit& hit) {
    const World& world = state_.world;
    ui::EditorWindow* editor = nullptr;
    int index = -1;
    switch (hit.kind) {
        case FindKind::Room: editor = room_editor_; index = world.find_room(hit.vnum); break;
        case FindKind::Mob: editor = mob_editor_; index = world.find_mob(hit.vnum); break;
        case FindKind::Object: editor = object_editor_; index = world.find_object(hit.vnum); break;
        case FindKind::Shop: editor = shop_editor_; index = shop_index(world, hit.vnum); break;
        case FindKind::Zone: editor = zone_editor_; break;
        case FindKind::Trigger:
            editor = trigger_editor_;
            index = world.find_trigger_index(hit.vnum);
            break;
    }
    if (!editor || (hit.kind != FindKind::Zone && index < 0)) return false;
    if (hit.kind != FindKind::Zone) editor->select_record(index);
    show_editor(editor);
    editor->activateWindow();
    ui::focus_found_field(*editor, hit);
    return true;
}

}  // namespace tarnwick::app
