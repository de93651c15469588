#include "project/project_session.h"

#include <algorithm>

#include <filesystem>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "project/damaged_files.h"
#include "project/file_names.h"
#include "project/preferences.h"
#include "project/save_preflight.h"
#include "project/world_zones.h"
#include "project/zone_scripts.h"
#include "project/zone_top.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

const char* kProjectFilter = "Tarnwick Area Projects (*.qzp)|*.qzp";

bool file_exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(native_path(path), ec);
}

// The four tables a project loads before its zone file, in loading order.
enum class Table { Rooms, Mobs, Objects, Shops };
// A new zone resets every 30 minutes, and only when no player is in it.
constexpr int32_t kNewZoneLifespan = 30;
constexpr int32_t kNewZoneResetMode = 2;

const Table kTables[] = {Table::Rooms, Table::Mobs, Table::Objects, Table::Shops};

// The caption of a project not opened from a file: its zone's name.
std::string zone_caption(const AreaProject& project) {
    return project.zone_name.empty() ? "Untitled Zone" : project.zone_name;
}

std::string AreaProject::*file_of(Table t) {
    switch (t) {
    case Table::Rooms: return &AreaProject::room_file;
    case Table::Mobs: return &AreaProject::mob_file;
    case Table::Objects: return &AreaProject::object_file;
    case Table::Shops: break;
    }
    return &AreaProject::shop_file;
}

std::string ProjectPropertiesForm::*field_of(Table t) {
    switch (t) {
    case Table::Rooms: return &ProjectPropertiesForm::room_file;
    case Table::Mobs: return &ProjectPropertiesForm::mob_file;
    case Table::Objects: return &ProjectPropertiesForm::object_file;
    case Table::Shops: break;
    }
    return &ProjectPropertiesForm::shop_file;
}

bool load_table(Table t, World& world, const std::string& path, const FormatSettings& settings,
                Messages& messages) {
    switch (t) {
    case Table::Rooms: return load_room_file(world, path, settings, messages);
    case Table::Mobs: return load_mob_file(world, path, settings, messages);
    case Table::Objects: return load_object_file(world, path, settings, messages);
    case Table::Shops: break;
    }
    return load_shop_file(world, path, messages);
}

// What ensure_file_names asks for an empty name, in asking order.
struct NameRequest {
    std::string AreaProject::*field;
    const char* message;
    const char* default_ext;
    const char* filter;
    const char* title;
    const char* extension;
};
const NameRequest kNameRequests[] = {
    {&AreaProject::room_file, "Must specify a world file.", "WLD",
     "Archivos de Rooms (*.wld)|*.WLD|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Guardar Archivo de Rooms...", "wld"},
    {&AreaProject::mob_file, "Debe especificar un archivo de Mobs.", "MOB",
     "Archivos de Mobs (*.mob)|*.MOB|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Guardar Archivo de Mobs...", "mob"},
    {&AreaProject::object_file, "Debe especificar un archivo de Objetos.", "OBJ",
     "Archivos de Objetos (*.obj)|*.OBJ|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Guardar Archivo de Objs...", "obj"},
    {&AreaProject::shop_file, "Debe especificar un archivo de Shops.", "SHP",
     "Archivos de Objetos (*.shp)|*.SHP|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Guardar Archivo de Shops...", "shp"},
    {&AreaProject::zone_file, "Debe especificar un archivo de Zonas.", "ZON",
     "Archivos de Objetos (*.zon)|*.ZON|Archivos de Texto (*.txt)|*.TXT|Todos los Archivos (*.*)|*.*",
     "Guardar Archivo de Zonas...", "zon"},
};

}  // namespace

FileChoice project_open_choice() {
    FileChoice c;
    c.save = false;
    c.title = "Abrir Archivo de Zonas...";
    c.filter = kProjectFilter;
    c.default_ext = "QZP";
    return c;
}

FileChoice project_save_choice() {
    FileChoice c;
    c.save = true;
    c.title = "Save Project";
    c.filter = kProjectFilter;
    c.default_ext = "QZP";
    return c;
}

ProjectSession::ProjectSession(World& world, AreaProject& project, const Preferences& preferences,
                               Messages& messages)
    : world_(world), project_(project), preferences_(preferences), messages_(messages) {}

FormatSettings ProjectSession::format_settings() const {
    FormatSettings settings = preferences_.format_settings(project_.zone_name, project_.author);
    settings.house_style = world_.reformat;
    return settings;
}

std::string ProjectSession::resolve(const std::string& name) const {
    return resolve_world_file(name, project_.project_path);
}

void ProjectSession::set_caption(const std::string& text) {
    caption_ = text;
    if (view_) view_->caption_changed(text);
}

void ProjectSession::set_project_open(bool on) {
    project_open_ = on;
    if (view_) view_->project_commands_enabled(on);
}

void ProjectSession::clear_world() {
    // The other zones go with the world, and any read still under way for
    // them is outdated.
    ++generation_;
    other_read_.reset();
    world_.clear_world();
    world_.changed = false;
    set_caption("");
    if (view_) view_->world_cleared();
}

bool ProjectSession::new_project(const std::function<bool(ProjectPropertiesForm&)>& show_dialog) {
    // A fresh dialog: empty names and zone name, zone number 300; the author
    // field keeps the author.
    ProjectPropertiesForm form;
    form.author = project_.author;
    form.ask_dialect = true;
    if (!show_dialog(form)) return false;

    clear_world();
    load_failures_.clear();
    project_.project_path.clear();
    take_properties(form, false);
    set_caption(zone_caption(project_));
    const FormatSettings settings = format_settings();
    const std::string zone_path = resolve(project_.zone_file);
    if (file_exists(zone_path))
        take_zone_dialect(world_, zone_path);
    else
        world_.dialect = form.dialect;
    for (Table t : kTables) {
        std::string path = resolve(project_.*file_of(t));
        if (file_exists(path) && !load_table(t, world_, path, settings, messages_))
            load_failures_.push_back(path);
    }
    // The new zone's header is what the dialog asked for, with the usual
    // lifespan and reset mode; an existing zone file replaces it.
    world_.clear_zone_header();
    world_.zone.zone_number = project_.zone_number;
    world_.zone.name = project_.zone_name;
    world_.zone.top = int32_t(std::clamp<int64_t>(int64_t(project_.zone_number) * 100 + 99,
                                                  INT32_MIN, INT32_MAX));
    world_.zone.lifespan = kNewZoneLifespan;
    world_.zone.reset_mode = kNewZoneResetMode;
    // The later dialects' headers name the zone's lowest room too.
    if (world_.dialect != Dialect::Circle30)
        world_.zone.bot = int32_t(std::clamp<int64_t>(int64_t(project_.zone_number) * 100,
                                                      INT32_MIN, INT32_MAX));
    if (file_exists(zone_path) && !load_zone_file(world_, zone_path, messages_))
        load_failures_.push_back(zone_path);
    if (file_exists(zone_path) && !load_zone_scripts(world_, zone_path, messages_))
        load_failures_.push_back(trigger_path_for(zone_path));
    world_.changed = false;
    if (view_) view_->tables_loaded();
    set_project_open(true);
    return true;
}

bool ProjectSession::open_world_zone(const AreaProject& record) {
    clear_world();
    load_failures_.clear();
    missing_files_.clear();
    in_world_folder_ = true;
    project_ = record;
    project_.project_path.clear();
    // Absolute names keep naming the folder's files after Save Project As
    // puts a project file somewhere else.
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file}) {
        std::error_code ec;
        const auto absolute = std::filesystem::absolute(native_path(project_.*field), ec);
        if (!ec) project_.*field = utf8_name(absolute.lexically_normal());
    }
    set_caption(project_.zone_name);
    world_.project_zone_number = project_.zone_number;
    const FormatSettings settings = format_settings();
    take_zone_dialect(world_, project_.zone_file);
    for (Table t : kTables) {
        const std::string& file = project_.*file_of(t);
        if (!file_exists(file)) {
            missing_files_.push_back(file);
        } else if (!load_table(t, world_, file, settings, messages_)) {
            // A file read up to a damaged record has said so already.
            if (!part_read(world_, file)) messages_.show("Error while opening file " + file);
            load_failures_.push_back(file);
        }
    }
    if (!load_zone_file(world_, project_.zone_file, messages_))
        load_failures_.push_back(project_.zone_file);
    if (!load_zone_scripts(world_, project_.zone_file, messages_))
        load_failures_.push_back(trigger_path_for(project_.zone_file));
    world_.changed = false;
    // DIR/zon/N.zon: the rest of DIR is read later, away from this thread.
    const std::string folder =
        utf8_name(native_path(project_.zone_file).parent_path().parent_path());
    other_read_ = OtherZonesRead{folder, project_.zone_number, generation_};
    if (view_) {
        view_->tables_loaded();
        view_->recent_file_added(project_.zone_file);
    }
    set_project_open(true);
    return true;
}

bool ProjectSession::open_project(const std::string& path) {
    if (is_zone_file_path(path)) {
        AreaProject zone;
        if (project_for_zone_file(path, zone)) return open_world_zone(zone);
        messages_.show("Error while opening file " + path);
        set_project_open(false);
        return false;
    }
    clear_world();
    load_failures_.clear();
    in_world_folder_ = false;
    missing_files_.clear();
    AreaProject record;
    std::string error;
    if (!read_project_file(path, record, error)) {
        messages_.show(error);
        set_project_open(false);
        return false;
    }
    set_caption(record.zone_name);
    record.project_path = path;
    project_ = record;
    world_.project_zone_number = project_.zone_number;

    const FormatSettings settings = format_settings();
    take_zone_dialect(world_, resolve(project_.zone_file));
    for (Table t : kTables) {
        std::string file = resolve(project_.*file_of(t));
        if (!load_table(t, world_, file, settings, messages_)) {
            // A file read up to a damaged record has said so already.
            if (!part_read(world_, file)) messages_.show("Error while opening file " + file);
            load_failures_.push_back(file);
        }
    }
    // The zone reader reports its own errors.
    std::string zone_path = resolve(project_.zone_file);
    if (!load_zone_file(world_, zone_path, messages_)) load_failures_.push_back(zone_path);
    if (!load_zone_scripts(world_, zone_path, messages_))
        load_failures_.push_back(trigger_path_for(zone_path));

    world_.changed = false;
    if (view_) {
        view_->tables_loaded();
        view_->recent_file_added(project_.project_path);
        view_->place_windows(project_.windows);
    }
    set_project_open(true);
    return true;
}

bool ProjectSession::ensure_file_names() {
    for (const auto& request : kNameRequests) {
        std::string& name = project_.*request.field;
        if (!name.empty()) continue;
        messages_.show(request.message);
        FileChoice choice;
        choice.save = true;
        choice.title = request.title;
        choice.filter = request.filter;
        choice.default_ext = request.default_ext;
        auto chosen = messages_.choose_file(choice);
        if (!chosen) return false;
        name = *chosen;
    }
    for (const auto& request : kNameRequests) {
        std::string& name = project_.*request.field;
        name = normalize_file_name(name, request.extension, project_.zone_number);
    }
    return true;
}

bool ProjectSession::save_project(const std::optional<ZoneHeaderFields>& zone_fields) {
    if (!ensure_file_names()) return false;
    // A zone of a world folder is saved in place; the folder gains a
    // project file only through Save Project As.
    const bool with_project_file = !(in_world_folder_ && project_.project_path.empty());
    if (with_project_file && project_.project_path.empty()) {
        // A new project's file is proposed beside its zone file, named after
        // it: in the folder chosen for the new zone, not the last project's.
        FileChoice choice = project_save_choice();
        const std::string zone_path = resolve(project_.zone_file);
        if (bare_file_name(zone_path) != zone_path)
            choice.initial = normalize_file_name(zone_path, "qzp", project_.zone_number);
        auto chosen = messages_.choose_file(choice);
        if (!chosen) return false;
        project_.project_path = *chosen;
    }
    // What the server would refuse or damage is shown before anything is
    // written; the user may save all the same.
    const auto findings = preflight_save(world_, project_, format_settings(),
                                         zone_fields ? *zone_fields : zone_header_fields(world_));
    if (!findings.empty() && messages_.ask(preflight_question(findings, world_.dialect)) != Answer::Yes)
        return false;
    if (view_) {
        WindowLayouts live = project_.windows;
        view_->capture_windows(live);
        store_window_layout(live, project_.windows);
    }
    if (with_project_file && !write_project_file(project_.project_path, project_, messages_))
        return false;

    const FormatSettings settings = format_settings();
    // A file that could not be read at opening still holds the builder's
    // work; its table does not, so it is replaced only when the user says so.
    bool skipped = false;
    auto save = [&](const std::string& name, auto&& write) {
        const std::string path = resolve(name);
        if (!may_overwrite(path)) {
            skipped = true;
            return true;
        }
        if (!write(path)) return false;
        std::erase(load_failures_, path);
        return true;
    };
    ZoneHeaderFields header = zone_fields ? *zone_fields : zone_header_fields(world_);
    // A top reaching into another zone of the world folder would take that
    // zone's rooms out of its resets.
    if (header.top != world_.zone.top) {
        const std::string clash = zone_top_clash(world_, header.zone_number, header.top);
        if (!clash.empty()) {
            messages_.show(clash);
            header.top = world_.zone.top;
        }
    }
    bool rooms = save(project_.room_file, [&](const std::string& path) {
        return save_room_file(world_, path, settings, messages_);
    });
    bool mobs = save(project_.mob_file, [&](const std::string& path) {
        return save_mob_file(world_, path, settings, messages_);
    });
    bool objects = save(project_.object_file, [&](const std::string& path) {
        return save_object_file(world_, path, settings, messages_);
    });
    bool shops = save(project_.shop_file, [&](const std::string& path) {
        return save_shop_file(world_, path, settings, messages_);
    });
    bool zone = save(project_.zone_file, [&](const std::string& path) {
        return save_zone_file(world_, path, header, settings, messages_);
    });
    // A tbaMUD zone's triggers and quests go beside its zone file.
    const bool scripts = zone && save_zone_scripts(world_, resolve(project_.zone_file), settings,
                                                   messages_);
    bool all = rooms && mobs && objects && shops && zone && scripts;
    if (!all) {
        std::string text = "Se ha producido un error al grabar archivo de ";
        if (!mobs) text += "Mobs ";
        if (!objects) text += "Objetos ";
        if (!rooms) text += "Cuartos ";
        if (!zone) text += "Zonas ";
        if (!shops) text += "Shops.";
        messages_.show(text);
    }
    // Files the zone lacked now exist; each joins its folder's index only
    // when the user says so.
    for (const auto& path : missing_files_)
        if (file_exists(path)) offer_index_entry(path, messages_);
    missing_files_.clear();
    const std::string& shown = with_project_file ? project_.project_path : project_.zone_file;
    set_caption(with_project_file ? shown : project_.zone_name);
    if (view_) view_->recent_file_added(shown);
    // Unsaved changes stay marked until every file is on disk.
    if (all && !skipped) {
        world_.changed = false;
        world_.reformat = false;  // the files are in the house style now
    }
    return all;
}

bool ProjectSession::install_other_zones(uint64_t generation,
                                         std::shared_ptr<const OtherZones> zones) {
    if (!other_read_ || other_read_->generation != generation || !zones) return false;
    world_.other_zones = std::move(zones);
    return true;
}

void ProjectSession::adopt_restored() {
    load_failures_.clear();
    world_.project_zone_number = project_.zone_number;
    set_caption(zone_caption(project_));
    if (view_) {
        view_->tables_loaded();
        view_->place_windows(project_.windows);
    }
    set_project_open(true);
    world_.changed = true;
}

AreaProject ProjectSession::project_as_shown() const {
    AreaProject shown = project_;
    if (view_) {
        WindowLayouts live = project_.windows;
        view_->capture_windows(live);
        store_window_layout(live, shown.windows);
    }
    return shown;
}

bool ProjectSession::may_overwrite(const std::string& path) {
    if (std::find(load_failures_.begin(), load_failures_.end(), path) == load_failures_.end() ||
        !file_exists(path))
        return true;
    return replace_unread_file(world_, path, messages_);
}

bool ProjectSession::save_project_as(const std::optional<ZoneHeaderFields>& zone_fields) {
    auto chosen = messages_.choose_file(project_save_choice());
    if (!chosen) return false;
    project_.project_path = *chosen;
    return save_project(zone_fields);
}

void ProjectSession::close_project() {
    clear_world();
    set_project_open(false);
    set_caption("No Project");
}

ProjectPropertiesForm ProjectSession::load_project_properties() const {
    return tarnwick::load_project_properties(project_);
}

void ProjectSession::apply_project_properties(const ProjectPropertiesForm& form) {
    AreaProject before = project_;
    take_properties(form, true);
    if (!(project_ == before)) world_.changed = true;
}

void ProjectSession::take_properties(const ProjectPropertiesForm& form, bool reload_changed) {
    project_.zone_name = form.zone_name;
    project_.author = form.author;
    project_.zone_file = form.zone_file;  // the zone file is not reloaded
    bool loaded = false;
    const FormatSettings settings = format_settings();
    for (Table t : kTables) {
        std::string& name = project_.*file_of(t);
        const std::string& wanted = form.*field_of(t);
        if (wanted == name) continue;
        name = wanted;
        if (!reload_changed) continue;
        // A name of no existing file keeps the table, which the next save
        // writes there; a reader's own messages still reach the user.
        std::string path = resolve(name);
        if (file_exists(path)) {
            load_table(t, world_, path, settings, messages_);
            loaded = true;
        }
    }
    project_.zone_number = form_zone_number(form);
    world_.project_zone_number = project_.zone_number;
    if (loaded && view_) view_->tables_loaded();
}

}  // namespace tarnwick
