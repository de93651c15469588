// Tools > Check zone: the Problems window, and the way from a finding to
// the record's editor.

#include "app/main_window.h"
#include "app/window_placer.h"
#include "ui/editor_window.h"
#include "ui/problems_window.h"
#include "world/world.h"

namespace tarnwick::app {

void MainWindow::CheckZone1Click() {
    if (!problems_) {
        problems_ = new ui::ProblemsWindow(state_.context, this);
        placer_->watch(problems_);
        give_undo_keys(problems_);
        connect(problems_, &ui::ProblemsWindow::openFinding, this,
                [this](const Finding& f) { open_finding(f); });
    }
    problems_->refresh();
    problems_->show();
    problems_->raise();
}

void MainWindow::open_finding(const Finding& f) {
    const World& w = state_.context.world;
    ui::EditorWindow* editor = nullptr;
    int index = -1;
    switch (f.kind) {
    case tarnwick::RecordKind::Room: editor = room_editor_, index = w.find_room(f.vnum); break;
    case tarnwick::RecordKind::Mob: editor = mob_editor_, index = w.find_mob(f.vnum); break;
    case tarnwick::RecordKind::Object: editor = object_editor_, index = w.find_object(f.vnum); break;
    case tarnwick::RecordKind::Shop:
        editor = shop_editor_;
        for (size_t i = 0; i < w.shops.size(); ++i)
            if (w.shops[i].vnum == f.vnum) index = int(i);
        break;
    case tarnwick::RecordKind::Zone:
    case tarnwick::RecordKind::ZoneCommand: editor = zone_editor_; break;
    case tarnwick::RecordKind::Trigger: editor = trigger_editor_, index = w.find_trigger_index(f.vnum); break;
    }
    if (!editor) return;
    if (editor != zone_editor_) {
        if (index < 0) return;  // the record is gone since the check
        if (editor->current_index() != index) {
            editor->apply_pending();
            editor->select_record(index);
        }
    }
    show_editor(editor);
    sync_checks();
    editor->focus_field(f.kind == tarnwick::RecordKind::ZoneCommand
                            ? "command:" + std::to_string(f.command_index)
                            : f.field);
}

}  // namespace tarnwick::app
