// The main window's part of undo and crash recovery: the Edit menu, moving
// the history with every window following, and the recovery copy.

#include <QFile>
#include <QListWidget>
#include <QMenuBar>

#include "app/main_window.h"
#include "ui/map_window.h"
#include "app/window_placer.h"
#include "app/recovery_keeper.h"
#include "project/recovery.h"
#include "ui/cp1252.h"
#include "ui/editor_window.h"
#include "ui/history_window.h"
#include "ui/record_list_window.h"
#include "ui/text_viewer.h"
#include "ui/undo_actions.h"

namespace tarnwick::app {

namespace {

int32_t vnum_at(const World& w, ListKind kind, int i) {
    if (i < 0 || i >= record_count(w, kind)) return INT32_MIN;
    switch (kind) {
    case ListKind::Room: return w.rooms[size_t(i)].vnum;
    case ListKind::Mob: return w.mobs[size_t(i)].vnum;
    case ListKind::Object: return w.objects[size_t(i)].vnum;
    case ListKind::Shop: return w.shops[size_t(i)].vnum;
    case ListKind::Trigger: return w.triggers[size_t(i)].vnum;
    }
    return INT32_MIN;
}

// Where a record shown before a move through the history is now: the same
// vnum, or when it is gone its neighbour at the old place; -1 for none.
int index_after(const World& w, ListKind kind, int old_index, int32_t vnum) {
    if (old_index < 0) return -1;
    const int count = record_count(w, kind);
    for (int i = 0; i < count; ++i)
        if (vnum_at(w, kind, i) == vnum) return i;
    return std::min(old_index, count - 1);
}

}  // namespace

void MainWindow::give_undo_keys(QWidget* window) {
    new ui::UndoActions(state_.context, window, [this](int delta) { step_history(delta); });
}

void MainWindow::build_history() {
    // Undo and Redo head the Edit menu that Find and Go to are in.
    QMenu* edit = menus_["Edit"];
    QAction* first = edit->actions().isEmpty() ? nullptr : edit->actions().first();
    auto step = [this](int delta) { step_history(delta); };
    auto* own = new ui::UndoActions(state_.context, this, step);
    edit->insertAction(first, own->undo_action());
    edit->insertAction(first, own->redo_action());
    edit->insertSeparator(first);
    edit->addSeparator();
    history_window_ = new ui::HistoryWindow(state_.context, [this](int p) { go_to_history(p); }, this);
    if (placer_) placer_->watch(history_window_);
    QAction* history = edit->addAction("&History...", history_window_, [this] {
        history_window_->show();
        history_window_->raise();
    });
    history->setObjectName("EditHistory");
    for (ui::EditorWindow* e : editors()) new ui::UndoActions(state_.context, e, step);
    for (ui::RecordListWindow* l : lists()) new ui::UndoActions(state_.context, l, step);
    give_undo_keys(map_);
    // A fresh history after every open, new and close: those call here
    // through the caption, which each of them sets.
}

void MainWindow::reset_history(bool saved) {
    state_.context.history.reset(saved);
    emit state_.context.historyChanged();
}

void MainWindow::step_history(int delta) {
    for (ui::EditorWindow* e : editors()) e->apply_pending();
    state_.context.history.record();
    go_to_history(state_.context.history.position() + delta);
}

void MainWindow::go_to_history(int position) {
    History& history = state_.context.history;
    for (ui::EditorWindow* e : editors()) e->apply_pending();
    history.record();
    if (position < 0 || position > history.size() || position == history.position()) {
        emit state_.context.historyChanged();
        return;
    }
    // What each editor and list showed, by vnum, to show it again after.
    struct Shown {
        ListKind kind;
        ui::EditorWindow* editor;
        ui::RecordListWindow* list;
        int editor_index, list_row;
        int32_t editor_vnum, list_vnum;
    };
    std::vector<Shown> shown;
    for (auto [kind, editor, list] :
         {std::tuple{ListKind::Room, room_editor_, room_list_}, {ListKind::Mob, mob_editor_, mob_list_},
          {ListKind::Object, object_editor_, object_list_}, {ListKind::Shop, shop_editor_, shop_list_},
          {ListKind::Trigger, trigger_editor_, trigger_list_}}) {
        const int e = editor->current_index(), l = list->list()->currentRow();
        shown.push_back({kind, editor, list, e, l, vnum_at(state_.world, kind, e),
                         vnum_at(state_.world, kind, l)});
    }
    history.go_to(position);
    show_restored_state();
    for (const Shown& s : shown) {
        s.editor->discard_pending();
        s.editor->select_record(index_after(state_.world, s.kind, s.editor_index, s.editor_vnum));
        const int row = index_after(state_.world, s.kind, s.list_row, s.list_vnum);
        if (row >= 0) s.list->list()->setCurrentRow(row);
    }
    zone_editor_->discard_pending();  // rebuilds the zone tree from the commands
    if (viewer_->isVisible())
        for (auto* l : {room_list_, mob_list_, object_list_, trigger_list_})
            if (l->list()->currentRow() >= 0) {
                l->VerFuente1Click();
                break;
            }
    emit state_.context.changedMarkChanged(state_.world.changed);
    emit state_.context.historyChanged();
}

void MainWindow::show_restored_state() {
    using ui::RecordKind;
    for (RecordKind k :
         {RecordKind::Mob, RecordKind::Room, RecordKind::Object, RecordKind::Shop, RecordKind::Trigger})
        emit state_.context.tableChanged(k);
    update_caption();
}

bool MainWindow::offer_recovery(const QString& path) {
    const std::string file = ui::to_cp1252(path);
    RecoveryInfo info;
    std::string error;
    RecoveryState state = peek_recovery(file, info, error);
    if (state == RecoveryState::Ready) {
        const std::string name = info.project_name.empty() ? "an unnamed project" : "\"" + info.project_name + "\"";
        const std::string question = "Tarnwick closed without saving the changes to " + name +
                                     ". A copy of them was kept at " +
                                     recovery_time_text(info.written_at) + ".\nRestore them?";
        if (state_.messages.ask(question) != Answer::Yes) {
            remove_recovery(file);
            return false;
        }
        World world;
        AreaProject project = state_.project;
        state = read_recovery(file, state_.session.format_settings(), world, project, info, error);
        if (state == RecoveryState::Ready) {
            state_.world = std::move(world);
            state_.project = std::move(project);
            state_.session.adopt_restored();
            reset_history(false);
            state_.context.mark_changed();
            return true;
        }
    }
    if (state == RecoveryState::Damaged) {
        // Kept for the builder to look at, out of the way of the next copy.
        const QString aside = path + ".damaged";
        QFile::remove(aside);
        QFile::rename(path, aside);
        state_.messages.show("The copy of unsaved work in " + file + " cannot be restored: " +
                             error + ". It was left as it is, renamed to " +
                             ui::to_cp1252(aside) + ".");
    }
    return false;
}

void MainWindow::keep_recovery(const QString& path) {
    delete keeper_;
    keeper_ = new RecoveryKeeper(state_, path, this);
}

}  // namespace tarnwick::app
