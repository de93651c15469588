#pragma once
// The main window: a thin bar with the caption, the menus and the two
// toolbars, from which projects are created, opened, saved and closed, the
// editors and lists shown, records added and removed, the preferences set
// and the zone renumbered. It creates every other window once, in the
// start-up order, as a hidden sibling window.

#include <QMainWindow>
#include <QStringList>
#include <map>
#include <vector>

#include "analysis/find.h"
#include "analysis/finding.h"
#include "app/app_state.h"
#include "editors/recent_files.h"
#include "editors/record_list_ops.h"
#include "project/apply_preferences.h"

class QMenu;
class QToolBar;

namespace tarnwick::ui {
class CaptionBar;
class EditorWindow;
class HelpWindow;
class FindWindow;
class MapWindow;
class PrefsForm;
class ProblemsWindow;
class ResetWindow;
class ProjectForm;
class RecordListWindow;
class SelectItemDialog;
class SelForm;
class ObjectChoiceDialog;
class TextViewer;
class QtChooser;
class HistoryWindow;
class ProgressArea;
class UndoActions;
}  // namespace tarnwick::ui

namespace tarnwick::app {

class WindowPlacer;
class OtherZonesReader;

class AboutBox;
class RecoveryKeeper;

// The main window is a thin bar: fixed height, width from 400 pixels to the
// screen's width.
inline constexpr int kMainHeight = 73;
inline constexpr int kMainMinWidth = 400;

class MainWindow : public QMainWindow, private ProjectView {
    Q_OBJECT
public:
    explicit MainWindow(AppState& state, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Window names in the order they were created.
    const QStringList& creation_order() const { return creation_order_; }
    QString caption_text() const;
    bool project_commands_on() const { return project_on_; }
    const RecentFiles& recent_files() const { return recent_; }
    ui::RecordListWindow* list(ListKind kind) const;
    ui::EditorWindow* room_editor() const { return room_editor_; }
    ui::EditorWindow* mob_editor() const { return mob_editor_; }
    ui::EditorWindow* object_editor() const { return object_editor_; }
    ui::EditorWindow* shop_editor() const { return shop_editor_; }
    ui::EditorWindow* zone_editor() const { return zone_editor_; }
    ui::EditorWindow* trigger_editor() const { return trigger_editor_; }
    // Every editor window, the zone editor first, and every record list.
    std::vector<ui::EditorWindow*> editors() const;
    std::vector<ui::RecordListWindow*> lists() const;
    ui::TextViewer* viewer() const { return viewer_; }
    // Created by the first Check zone; nullptr before.
    ui::ProblemsWindow* problems() const { return problems_; }
    ui::ResetWindow* reset_window() const { return reset_window_; }
    ui::MapWindow* map_window() const { return map_; }
    ui::ProjectForm* project_form() const { return project_form_; }
    ui::PrefsForm* prefs_form() const { return prefs_form_; }
    ui::SelectItemDialog* select_item() const { return select_item_; }
    ui::SelForm* sel_form() const { return sel_form_; }
    ui::ObjectChoiceDialog* object_choice() const { return object_choice_; }
    QAction* command(const QString& object_name) const;
    // Opens a project as "&Open" does after its chooser.
    bool open_project(const QString& path);
    // Lists the zones of a server's world folder and opens the one chosen
    // (`zone` picks it without asking; -1 asks). False when none opened.
    bool open_world_folder(const QString& dir, int zone = -1);
    // Opens the editor of the record with `vnum` (a room before a mob, an
    // object or a shop; the find window lists them all when several kinds
    // have it); false, after a message, when none has it.
    bool go_to_vnum(int32_t vnum);
    // Shows a found record in its editor with the field focused.
    bool open_found(const tarnwick::FindHit& hit);
    ui::FindWindow* find_window();

    // Undo history: Edit > Undo / Redo / History... here and Undo / Redo in
    // every editor window.
    ui::HistoryWindow* history_window() const { return history_window_; }
    // Settles the editors' pending edits, then undoes (-1) or redoes (+1).
    void step_history(int delta);
    // Settles, then moves the history to `position`; every window follows.
    void go_to_history(int position);
    // Keeps a recovery copy of unsaved work at `path`; at start-up, offers
    // to restore a copy a crash left there. True when it was restored.
    bool offer_recovery(const QString& path);
    void keep_recovery(const QString& path);
    RecoveryKeeper* recovery_keeper() const { return keeper_; }
    // Reads the rest of the world folder of a zone opened from one, in the
    // background.
    OtherZonesReader* other_zones_reader() const { return other_reader_; }
    // The progress of long work, at the right of the menu bar.
    ui::ProgressArea* progress_area() const { return progress_; }

public slots:
    void NuevoProyecto1Click();
    void NewBtnClick();
    void Abrir1Click();
    void OpenWorldFolder1Click();
    void OpenBtnClick();
    void RecentFiles1Click(const QString& path);
    void Guardar1Click();
    void SaveBtnClick();
    void GuardarComo1Click();
    void Cerrar1Click();
    void EditarProyecto1Click();
    void EditPrjBtnClick();
    void Salir1Click();
    void EditordeZonas1Click();
    void EditordeMobs1Click();
    void EditordeRooms1Click();
    void EditordeObjs1Click();
    void EditordeShops1Click();
    void EditordeTriggers1Click();
    void Genera1Click();
    void Edicin1Click();
    void ListadeRooms2Click();
    void ListadeMobs2Click();
    void ListadeObjetos2Click();
    void ListadeShops2Click();
    void ListadeTriggers2Click();
    void Opciones1Click();
    void EditarProyecto2Click();
    void Agregar1Click();
    void NewRoomBtnClick();
    void Editar2Click();
    void Eliminar1Click();
    void DeleteRoomBtnClick();
    void ListadeRooms1Click();
    void Mapa1Click();
    void Agregar2Click();
    void NewMonsterBtnClick();
    void Editar1Click();
    void N5Click();
    void DeleteMonsterBtnClick();
    void ListadeMobs1Click();
    void Agregar3Click();
    void AddObjBtnClick();
    void Editar3Click();
    void Eliminar2Click();
    void DeleteObjBtnClick();
    void ListadeObjetos1Click();
    void NewShopClick();
    void Editar4Click();
    void DeleteShopClick();
    void ListadeShops1Click();
    void NewTrigClick();
    void Editar5Click();
    void DeleteTrigClick();
    void ListadeTriggers1Click();
    void Find1Click();
    void GoToVnum1Click();
    void Contenido1Click();
    void Acercade1Click();
    void RenumerarMundo1Click();
    void AjustarColumnadenDesripciones1Click();
    void CheckZone1Click();
    void ReformatZone1Click();
    void ConvertZone1Click();
    void SimulateReset1Click();
    void GeneralTBClose();
    void EditTBClose();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The preferences' language for the windows and for the texts written
    // into the world.
    void apply_language();
    // ProjectView
    void caption_changed(const std::string& text) override;
    void project_commands_enabled(bool on) override;
    void recent_file_added(const std::string& path) override;
    void world_cleared() override;
    void tables_loaded() override;
    void capture_windows(WindowLayouts& live) override;
    void place_windows(const WindowLayouts& record) override;

    void create_windows();
    // The editors fill their lists and check lists again from the open
    // zone's lookup lists.
    void show_zone_lists();
    void build_menus();
    void build_toolbars();
    void rebuild_recent_menu();
    void set_project_commands(bool on);
    void update_caption();
    void apply_preference_effects(const PreferenceEffects& effects);
    void sync_checks();
    // The trigger commands work in a tbaMUD zone only.
    void sync_trigger_commands();
    void toggle_list(ListKind kind);
    void toggle_editor(ui::EditorWindow* editor);
    void show_editor(ui::EditorWindow* editor);
    // Stores every editor's pending edits into the world, as saving does.
    void apply_all_pending();
    // "Save changes to the zone?" when the world changed: false stops the command.
    bool settle_changes();
    void show_options();
    // Applies the editors' pending edits and detaches them, answering the
    // records they showed; reshow_editors points them back.
    std::vector<int> settle_editors();
    void reshow_editors(const std::vector<int>& shown);
    void refresh_all_lists();
    void after_save(bool saved);
    // Shows the finding's record in its editor, with the field in focus.
    void open_finding(const Finding& finding);
    QWidget* layout_window(ProjectWindow w) const;
    void build_history();
    // Ctrl+Z and Ctrl+Y in a window made later than the history, such as
    // the Problems window: every window of the editor takes them.
    void give_undo_keys(QWidget* window);
    // The history starts again from what the world holds now.
    void reset_history(bool saved = true);
    void show_restored_state();
    // After an open: reads the other zones of a world-folder zone.
    void read_other_zones();
    // Shows the room list when an opened project shows no window of its own.
    void show_rooms_if_nothing_shown();

    AppState& state_;
    ui::CaptionBar* caption_ = nullptr;
    QToolBar* general_tb_ = nullptr;
    QToolBar* edit_tb_ = nullptr;
    QMenu* recent_menu_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<QString, QMenu*> menus_;
    QStringList creation_order_;
    RecentFiles recent_;
    bool project_on_ = false;
    // The dialect whose lookup lists the editors show.
    Dialect lists_dialect_ = Dialect::Circle30;
    bool shown_once_ = false;
    bool exiting_ = false;

    ui::EditorWindow *zone_editor_ = nullptr, *room_editor_ = nullptr, *mob_editor_ = nullptr,
                     *object_editor_ = nullptr, *shop_editor_ = nullptr, *trigger_editor_ = nullptr;
    ui::RecordListWindow *room_list_ = nullptr, *mob_list_ = nullptr, *object_list_ = nullptr,
                         *shop_list_ = nullptr, *trigger_list_ = nullptr;
    ui::ProjectForm* project_form_ = nullptr;
    ui::PrefsForm* prefs_form_ = nullptr;
    ui::SelectItemDialog* select_item_ = nullptr;
    ui::SelForm* sel_form_ = nullptr;
    ui::ObjectChoiceDialog* object_choice_ = nullptr;
    ui::TextViewer* viewer_ = nullptr;
    ui::ProblemsWindow* problems_ = nullptr;
    ui::ResetWindow* reset_window_ = nullptr;
    ui::MapWindow* map_ = nullptr;
    AboutBox* about_ = nullptr;
    // The report of the last conversion (Tools > Convert zone to...).
    ui::TextViewer* convert_report_ = nullptr;
    ui::HelpWindow* help_ = nullptr;
    ui::FindWindow* find_ = nullptr;
    int32_t last_goto_vnum_ = 0;
    std::unique_ptr<ui::QtChooser> qt_chooser_;
    ui::HistoryWindow* history_window_ = nullptr;
    RecoveryKeeper* keeper_ = nullptr;
    WindowPlacer* placer_ = nullptr;
    OtherZonesReader* other_reader_ = nullptr;
    ui::ProgressArea* progress_ = nullptr;
};

}  // namespace tarnwick::app
