#pragma once
// The project's life cycle: new, open, save, save as, close and the
// properties dialog, over the one world and the project values. The main
// window calls these operations and learns through a ProjectView what to show
// (caption text, whether the project commands are enabled, the recent-files
// list, where the windows stand).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/zone_file.h"
#include "project/area_project.h"
#include "project/project_file.h"
#include "project/project_properties.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;
class OtherZones;
struct Preferences;

// What the main window shows of the project. Every call has a default that
// does nothing, so a caller overrides only what it shows.
class ProjectView {
public:
    virtual ~ProjectView() = default;
    virtual void caption_changed(const std::string& /*text*/) {}
    virtual void project_commands_enabled(bool /*on*/) {}
    virtual void recent_file_added(const std::string& /*path*/) {}
    // The world was emptied: editors show no record, lists are emptied, the
    // editors and lists are hidden.
    virtual void world_cleared() {}
    // Tables were (re)loaded from files: the lists are rebuilt.
    virtual void tables_loaded() {}
    // Just before a save: the windows' current places and visibility.
    virtual void capture_windows(WindowLayouts& /*live*/) {}
    // After an open: place the windows as the project file says
    // (apply_window_layout does the arithmetic).
    virtual void place_windows(const WindowLayouts& /*record*/) {}
};

// Where the rest of an open world-folder zone's folder is to be read from:
// the folder, the open zone to leave out, and the opening it belongs to.
struct OtherZonesRead {
    std::string folder;
    int32_t open_zone = 0;
    uint64_t generation = 0;
};

// The choosers of the main window's Open and Save As commands.
FileChoice project_open_choice();
FileChoice project_save_choice();

class ProjectSession {
public:
    ProjectSession(World& world, AreaProject& project, const Preferences& preferences,
                   Messages& messages);

    void set_view(ProjectView* view) { view_ = view; }

    // Shows the properties dialog through `show_dialog` (true when confirmed)
    // for a new project. Confirmed: the world is emptied and filled from the
    // files the dialog names, when they exist. Cancelled: nothing changes,
    // neither the world nor the project values nor the project commands.
    // The main window's New calls this alone: emptying the world first would
    // lose it to a cancelled dialog.
    bool new_project(const std::function<bool(ProjectPropertiesForm&)>& show_dialog);
    // Empties the world and loads the project file and its five world files.
    // False when the project file itself could not be read. A world file that
    // fails to load is reported and leaves its table empty; opening goes on.
    bool open_project(const std::string& path);
    // Opens one zone of a server's world folder: the project names its five
    // files in place and has no project file until Save Project As. A file
    // the zone lacks is an empty table, created at the first save (and
    // added to its folder's index only when the user says so). A zone file
    // path given to open_project opens its zone this way.
    bool open_world_zone(const AreaProject& record);
    bool in_world_folder() const { return in_world_folder_; }
    // What to read in the background after open_world_zone; nullopt once
    // anything else was opened, made or closed.
    const std::optional<OtherZonesRead>& other_zones_read() const { return other_read_; }
    // Gives the world the other zones read for `generation`. False, and
    // nothing changes, when that opening is no longer the open one (a
    // read for an earlier folder finishing late).
    bool install_other_zones(uint64_t generation, std::shared_ptr<const OtherZones> zones);
    // Saves the project file and the five world files. `zone_fields` are the
    // zone editor's header fields (default: the header as it is). False when
    // the user cancelled, nothing could be saved, or any world file failed.
    bool save_project(const std::optional<ZoneHeaderFields>& zone_fields = std::nullopt);
    // Asks for the project file's path, then saves.
    bool save_project_as(const std::optional<ZoneHeaderFields>& zone_fields = std::nullopt);
    // Empties the world; the project values stay.
    void close_project();
    // The world and the project values were put in place from a copy of
    // unsaved work: the project counts as open and changed, the lists fill.
    // The windows are placed as the copy kept them.
    void adopt_restored();
    // The project with its window layout taken from the windows as they
    // stand, as a save would write it: what a copy of unsaved work keeps.
    AreaProject project_as_shown() const;

    // Asks for each empty world file name (rooms, mobs, objects, shops,
    // zone), then gives all five their standard extensions. False when the
    // user cancels a chooser.
    bool ensure_file_names();

    ProjectPropertiesForm load_project_properties() const;
    // Takes the dialog's fields into the project. A room, mob, object or
    // shop file name that changed is loaded into its table, when the file
    // exists; a name of no existing file keeps the table, to be saved there.
    void apply_project_properties(const ProjectPropertiesForm& form);

    // Where the project's world file `name` is on this machine.
    std::string resolve(const std::string& name) const;
    FormatSettings format_settings() const;

    const std::string& caption() const { return caption_; }
    bool project_open() const { return project_open_; }
    // The world files (resolved paths) that failed to load at the last open.
    const std::vector<std::string>& load_failures() const { return load_failures_; }

    World& world() { return world_; }
    AreaProject& project() { return project_; }

private:
    void clear_world();
    void set_caption(const std::string& text);
    void set_project_open(bool on);
    void take_properties(const ProjectPropertiesForm& form, bool reload_changed);
    // False when `path` failed to load at opening and the user keeps it.
    bool may_overwrite(const std::string& path);

    World& world_;
    AreaProject& project_;
    const Preferences& preferences_;
    Messages& messages_;
    ProjectView* view_ = nullptr;
    std::string caption_;
    bool project_open_ = false;
    bool in_world_folder_ = false;
    // World-folder files that did not exist when the zone was opened.
    std::vector<std::string> missing_files_;
    std::vector<std::string> load_failures_;
    // Counts openings and closings, so a background read knows its own.
    uint64_t generation_ = 0;
    std::optional<OtherZonesRead> other_read_;
};

}  // namespace tarnwick
