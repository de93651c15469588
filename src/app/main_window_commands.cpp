// The main window's command handlers: start-up and shut-down, the project,
// view, record and tools commands.

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>

#include "app/about_box.h"
#include "app/main_window.h"
#include "ui/interface_language.h"
#include "app/other_zones_reader.h"
#include "app/recovery_keeper.h"
#include "ui/map_window.h"
#include "ui/file_name_text.h"
#include "ui/zone_edit_window.h"
#include "editors/record_list_ops.h"
#include "project/preferences_dialog_form.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "ui/world_zones_dialog.h"
#include "project/preferences_io.h"
#include "project/renumber.h"
#include "ui/caption_bar.h"
#include "ui/cp1252.h"
#include "ui/editor_window.h"
#include "ui/fonts.h"
#include "ui/help_window.h"
#include "ui/prefs_form.h"
#include "ui/progress_area.h"
#include "ui/project_form.h"
#include "ui/record_list_window.h"
#include "ui/text_viewer.h"
#include "world/wrap.h"

namespace tarnwick::app {

using ui::RecordKind;

// ---- Start-up and shut-down

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_once_) return;
    shown_once_ = true;
    read_preferences(state_.preferences, state_.prefs_store);
    apply_preference_effects(apply_preferences(state_.preferences, state_.prefs_store));
    apply_language();
}

void MainWindow::apply_language() {
    state_.world.language = state_.preferences.language;
    ui::set_interface_language(state_.preferences.language);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    update_caption();
    caption_->update();
}

void MainWindow::apply_preference_effects(const PreferenceEffects& fx) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             this, room_list_, mob_list_, object_list_, shop_list_, prefs_form_, project_form_,
             room_editor_, mob_editor_, object_editor_, shop_editor_, zone_editor_, trigger_list_,
             trigger_editor_})
        ui::apply_general_font(w, fx.general_font);
    caption_->set_gradient(fx.gradient);
    viewer_->apply_look(fx.viewer);
    for (ui::EditorWindow* e : editors()) e->preferences_applied();
    emit state_.context.preferencesApplied();
    caption_->update();  // drawn again in the new font
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!exiting_ && !settle_changes()) {
        event->ignore();
        return;
    }
    exiting_ = false;
    if (keeper_) keeper_->discard();  // the builder chose not to keep the changes
    store_preferences(state_.preferences, state_.prefs_store);
    for (QWidget* w : std::initializer_list<QWidget*>{
             zone_editor_, room_editor_, mob_editor_, object_editor_, shop_editor_, trigger_editor_,
             room_list_, mob_list_, object_list_, shop_list_, trigger_list_, viewer_})
        w->hide();
    event->accept();
}

// The zone editor's header fields, which every save commits to the zone.
static std::optional<ZoneHeaderFields> zone_fields(ui::EditorWindow* editor) {
    if (auto* zone = dynamic_cast<ui::TZoneEdit*>(editor)) return zone->header_fields();
    return std::nullopt;
}

void MainWindow::apply_all_pending() {
    for (ui::EditorWindow* e : editors()) e->apply_pending();
}

bool MainWindow::settle_changes() {
    // Edits typed but not applied count as changes: they go into the world
    // first, as Save would take them, so the question covers them.
    if (project_on_) apply_all_pending();
    if (!state_.world.changed) return true;
    switch (state_.messages.ask("Save changes to the zone?", true)) {
    case Answer::Yes: {
        const bool saved = state_.session.save_project(zone_fields(zone_editor_));
        after_save(saved);
        return saved && !state_.world.changed;
    }
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

void MainWindow::after_save(bool) {
    for (auto* l : {room_list_, mob_list_, object_list_, trigger_list_}) l->reset_source_warning();
    if (!state_.world.changed) {
        state_.context.history.mark_saved();
        state_.context.clear_changed();
    }
    update_caption();
}

// ---- Project menu

void MainWindow::NuevoProyecto1Click() {
    if (!settle_changes()) return;
    state_.session.new_project([this](ProjectPropertiesForm& form) {
        return project_form_->edit(form, state_.project.zone_number);
    });
    reset_history();
    update_caption();
}
void MainWindow::NewBtnClick() { NuevoProyecto1Click(); }

bool MainWindow::open_project(const QString& path) {
    const bool ok = state_.session.open_project(ui::file_name_bytes(path));
    read_other_zones();
    reset_history();
    if (!ok) set_project_commands(false);
    update_caption();
    if (ok) show_rooms_if_nothing_shown();
    return ok;
}

// A zone of a world folder has no window layout, and a project may have been
// saved with every window closed: the thin main window alone would give no
// hint of where the records are.
void MainWindow::show_rooms_if_nothing_shown() {
    for (int i = 0; i < kProjectWindowCount; ++i)
        if (ProjectWindow(i) != ProjectWindow::Main && layout_window(ProjectWindow(i))->isVisible())
            return;
    if (zone_editor_->isVisible()) return;
    list(ListKind::Room)->show();
    sync_checks();
}

void MainWindow::Abrir1Click() {
    if (!settle_changes()) return;
    auto chosen = state_.messages.choose_file(project_open_choice());
    if (chosen) open_project(ui::file_name_text(*chosen));
}
void MainWindow::OpenBtnClick() { Abrir1Click(); }

bool MainWindow::open_world_folder(const QString& dir, int zone) {
    const std::string folder = ui::to_cp1252(dir);
    if (!is_world_folder(folder)) {
        state_.messages.show(folder + " is not a world folder (it holds no wld/ or zon/ folder).");
        return false;
    }
    std::vector<WorldZone> zones;
    if (!state_.context.run_work("Listing the zones of " + folder,
                                 [&](WorkProgress& p) { zones = list_world_zones(folder, &p); }))
        return false;
    if (zone < 0) {
        ui::WorldZonesDialog dialog(this);
        dialog.set_zones(dir, std::move(zones));
        if (dialog.exec() != QDialog::Accepted || !dialog.chosen()) return false;
        zone = dialog.chosen()->number;
        zones = {*dialog.chosen()};
    }
    const auto found = find_world_zone(zones, zone);
    if (!found) {
        state_.messages.show(folder + " has no zone " + std::to_string(zone) + ".");
        return false;
    }
    const bool ok = state_.session.open_world_zone(project_for_zone(*found));
    read_other_zones();
    if (!ok) set_project_commands(false);
    update_caption();
    if (ok) show_rooms_if_nothing_shown();
    return ok;
}

void MainWindow::read_other_zones() {
    const auto& read = state_.session.other_zones_read();
    if (!read) return;
    auto progress = std::make_shared<SharedProgress>();
    progress_->watch(progress, "Reading the world folder");
    other_reader_->start(*read, progress);
}

void MainWindow::OpenWorldFolder1Click() {
    if (!settle_changes()) return;
    const QString dir = QFileDialog::getExistingDirectory(this, "Open World Folder");
    if (!dir.isEmpty()) open_world_folder(dir);
}

void MainWindow::RecentFiles1Click(const QString& path) {
    if (!settle_changes()) return;
    open_project(path);
}

void MainWindow::Guardar1Click() {
    apply_all_pending();
    after_save(state_.session.save_project(zone_fields(zone_editor_)));
}
void MainWindow::SaveBtnClick() { Guardar1Click(); }

void MainWindow::GuardarComo1Click() {
    apply_all_pending();
    after_save(state_.session.save_project_as(zone_fields(zone_editor_)));
}

void MainWindow::Cerrar1Click() {
    if (!settle_changes()) return;
    state_.session.close_project();
    reset_history();
    state_.context.clear_changed();
    caption_->set_text(QString::fromUtf8(QT_TR_NOOP("No Project")), true);
    set_project_commands(false);
    update_caption();
}

void MainWindow::EditarProyecto1Click() {
    ProjectPropertiesForm form = state_.session.load_project_properties();
    if (!project_form_->edit(form, state_.project.zone_number)) return;
    state_.session.apply_project_properties(form);
    state_.world.project_zone_number = state_.project.zone_number;
    refresh_all_lists();
    if (state_.world.changed) state_.context.mark_changed();
}
void MainWindow::EditPrjBtnClick() { EditarProyecto1Click(); }

void MainWindow::Salir1Click() {
    if (!settle_changes()) return;
    recent_.store(state_.recent_files_store);
    exiting_ = true;
    close();
}

// ---- View menu

void MainWindow::show_editor(ui::EditorWindow* editor) {
    editor->show();
    editor->raise();
}

void MainWindow::toggle_editor(ui::EditorWindow* editor) {
    editor->setVisible(!editor->isVisible());
    sync_checks();
}

void MainWindow::EditordeZonas1Click() { toggle_editor(zone_editor_); }
void MainWindow::EditordeMobs1Click() { toggle_editor(mob_editor_); }
void MainWindow::EditordeRooms1Click() { toggle_editor(room_editor_); }
void MainWindow::EditordeObjs1Click() { toggle_editor(object_editor_); }
void MainWindow::EditordeShops1Click() { toggle_editor(shop_editor_); }
void MainWindow::EditordeTriggers1Click() { toggle_editor(trigger_editor_); }

void MainWindow::Genera1Click() {
    general_tb_->setVisible(command("Genera1")->isChecked());
}
void MainWindow::Edicin1Click() { edit_tb_->setVisible(command("Edicin1")->isChecked()); }
void MainWindow::GeneralTBClose() { command("Genera1")->setChecked(false); }
void MainWindow::EditTBClose() { command("Edicin1")->setChecked(false); }

void MainWindow::toggle_list(ListKind kind) {
    ui::RecordListWindow* l = list(kind);
    l->setVisible(!l->isVisible());
    sync_checks();
}

void MainWindow::ListadeRooms2Click() { toggle_list(ListKind::Room); }
void MainWindow::ListadeMobs2Click() { toggle_list(ListKind::Mob); }
void MainWindow::ListadeObjetos2Click() { toggle_list(ListKind::Object); }
void MainWindow::ListadeShops2Click() { toggle_list(ListKind::Shop); }
void MainWindow::ListadeTriggers2Click() { toggle_list(ListKind::Trigger); }
void MainWindow::ListadeRooms1Click() { toggle_list(ListKind::Room); }
void MainWindow::Mapa1Click() {
    map_->show();
    map_->raise();
}
void MainWindow::ListadeMobs1Click() { toggle_list(ListKind::Mob); }
void MainWindow::ListadeObjetos1Click() { toggle_list(ListKind::Object); }
void MainWindow::ListadeShops1Click() { toggle_list(ListKind::Shop); }
void MainWindow::ListadeTriggers1Click() { toggle_list(ListKind::Trigger); }

void MainWindow::show_options() {
    PreferencesDialogForm form;
    load_preferences_dialog(state_.preferences, form);
    if (!prefs_form_->edit(form)) return;
    // A new column count re-wraps every description at once: the editors'
    // edits go in first and the editors show the wrapped text after.
    const std::vector<int> shown = settle_editors();
    const bool wrapped = take_preferences_dialog(form, state_.preferences, state_.world, state_.messages);
    apply_preference_effects(apply_preferences(state_.preferences, state_.prefs_store));
    apply_language();
    reshow_editors(shown);
    if (wrapped) {
        refresh_all_lists();
        state_.context.mark_changed("Re-wrap descriptions");
    }
}

std::vector<int> MainWindow::settle_editors() {
    std::vector<int> shown;
    for (ui::EditorWindow* e : {room_editor_, mob_editor_, object_editor_}) {
        e->apply_pending();
        shown.push_back(e->current_index());
        e->discard_pending();
    }
    return shown;
}

void MainWindow::reshow_editors(const std::vector<int>& shown) {
    int i = 0;
    for (ui::EditorWindow* e : {room_editor_, mob_editor_, object_editor_}) e->select_record(shown[i++]);
}

void MainWindow::Opciones1Click() { show_options(); }
void MainWindow::EditarProyecto2Click() { show_options(); }

// ---- Record menus

void MainWindow::Agregar1Click() { room_list_->Agregar1Click(); }
void MainWindow::NewRoomBtnClick() { Agregar1Click(); }
void MainWindow::Editar2Click() { show_editor(room_editor_); }
void MainWindow::Eliminar1Click() { room_list_->Eliminar1Click(); }
void MainWindow::DeleteRoomBtnClick() { Eliminar1Click(); }
void MainWindow::Agregar2Click() { mob_list_->Agregar1Click(); }
void MainWindow::NewMonsterBtnClick() { Agregar2Click(); }
void MainWindow::Editar1Click() { show_editor(mob_editor_); }
void MainWindow::N5Click() { mob_list_->Eliminar1Click(); }
void MainWindow::DeleteMonsterBtnClick() { N5Click(); }
void MainWindow::Agregar3Click() { object_list_->Agregar1Click(); }
void MainWindow::AddObjBtnClick() { Agregar3Click(); }
void MainWindow::Editar3Click() { show_editor(object_editor_); }
void MainWindow::Eliminar2Click() { object_list_->Eliminar1Click(); }
void MainWindow::DeleteObjBtnClick() { Eliminar2Click(); }
void MainWindow::NewShopClick() { shop_list_->Agregar1Click(); }
void MainWindow::Editar4Click() { show_editor(shop_editor_); }
void MainWindow::DeleteShopClick() { shop_list_->Eliminar1Click(); }
void MainWindow::NewTrigClick() { trigger_list_->Agregar1Click(); }
void MainWindow::Editar5Click() { show_editor(trigger_editor_); }
void MainWindow::DeleteTrigClick() { trigger_list_->Eliminar1Click(); }

void MainWindow::Contenido1Click() {
    const QString path = ui::user_guide_path(QCoreApplication::applicationDirPath());
    if (!help_) help_ = new ui::HelpWindow(this);
    if (!help_->open_guide(path)) {
        state_.messages.show("The user guide was not found: " +
                             QDir::toNativeSeparators(path).toStdString());
        return;
    }
    help_->show();
    help_->raise();
}

void MainWindow::Acercade1Click() {
    about_->adjustSize();
    about_->exec();
}

// ---- Tools

void MainWindow::refresh_all_lists() {
    // Mobs first: the shop lines name their keepers.
    for (auto* l : {mob_list_, room_list_, object_list_, shop_list_, trigger_list_}) l->refresh_list();
}

void MainWindow::RenumerarMundo1Click() {
    if (state_.messages.ask_titled("Renumerar", "\xBF" "Desea renumerar la zona?") != Answer::Yes) return;
    for (ui::EditorWindow* e : editors()) {
        e->apply_pending();
        e->discard_pending();
    }
    if (!renumber_world(state_.world, state_.project.zone_number * 100, state_.messages)) return;
    for (RecordKind k : {RecordKind::Mob, RecordKind::Room, RecordKind::Object, RecordKind::Shop})
        emit state_.context.tableChanged(k);
    refresh_all_lists();
    state_.context.mark_changed("Renumber zone to " + std::to_string(state_.project.zone_number) + "xx");
}

// The next save writes the five files anew in the house style: one step
// that Undo takes back before the save.
void MainWindow::ReformatZone1Click() {
    if (state_.world.reformat) return;
    if (state_.messages.ask("Re-format the zone's five files? The next save writes every record "
                            "anew with the current preferences, with a banner and generated "
                            "comments; the files' own layout and comments are not kept.") !=
        Answer::Yes)
        return;
    apply_all_pending();
    state_.world.reformat = true;
    state_.context.mark_changed("Re-format zone files");
}

void MainWindow::AjustarColumnadenDesripciones1Click() {
    const std::vector<int> shown = settle_editors();
    wrap_all_descriptions(state_.world, state_.preferences.columns);
    reshow_editors(shown);
    state_.context.mark_changed("Re-wrap descriptions");
}

}  // namespace tarnwick::app
