// Project files from the command line: check and format a whole project,
// create one, print one, renumber its zone.

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "formats/dialect_sniff.h"
#include "formats/trigger_file.h"
#include "project/file_names.h"
#include "project/project_file.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/renumber.h"
#include "project/world_folder.h"
#include "project/world_zones.h"
#include "world/file_path.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

namespace fs = std::filesystem;

const char* kProjectHelp =
    "usage: tarnwick-cli project create OUT.qzp [OPTIONS]\n"
    "       tarnwick-cli project info PROJECT.qzp\n"
    "create writes a new project file naming a zone's five world files:\n"
    "  --zone-number N   the project zone number (default 300)\n"
    "  --name TEXT       the zone's display name\n"
    "  --author TEXT     the zone's author\n"
    "  --zon F --wld F --mob F --obj F --shp F\n"
    "                    the world files (default: the zone number with the extension);\n"
    "                    each gets its standard extension\n"
    "  --world-dir DIR --zone N\n"
    "                    name zone N's five files in the server world folder DIR\n"
    "                    (name and zone number from its zone file)\n"
    "  --force           replace OUT.qzp when it exists\n"
    "info prints every value of a project file, one 'name: value' per line.\n";

const char* kRenumberHelp =
    "usage: tarnwick-cli renumber PROJECT.qzp [--base N] [--yes] [FORMAT OPTIONS]\n"
    "Opens the project, gives every room, mobile, object and shop the numbers from\n"
    "N on (default: the project zone number x 100) with every reference following,\n"
    "and saves the project and its five files in place.\n"
    "A table of more than 100 records leaves the zone's hundred: renumbering then\n"
    "goes on only with --yes. Takes the options of 'format'.\n";

const char* kWindowNames[kProjectWindowCount] = {
    "main_window", "room_list", "room_editor", "mob_list", "mob_editor",
    "object_list", "object_editor", "shop_list", "shop_editor"};

Preferences preferences_from(const Options& options) {
    Preferences p;
    p.alpha_bitvectors = options.settings.alpha_bitvectors;
    p.column_check = options.settings.column_check;
    p.columns = options.settings.columns;
    p.new_format = options.settings.new_format;
    p.save_obj_levels = options.settings.save_obj_levels;
    p.save_mat_specs = options.settings.save_mat_specs;
    return p;
}

// One opened project with everything a command needs around it.
struct OpenProject {
    World world;
    AreaProject project;
    Preferences preferences;
    StderrMessages messages;
    ProjectSession session{world, project, preferences, messages};
    explicit OpenProject(const Options& options) : preferences(preferences_from(options)) {}
};

// Files that exist but did not load: saving would replace them with what
// little was read, so a command that saves refuses.
bool refuse_unreadable(const ProjectSession& session) {
    bool refused = false;
    for (const auto& file : session.load_failures()) {
        std::error_code ec;
        if (!fs::exists(native_path(file), ec)) continue;
        std::fprintf(stderr, "tarnwick-cli: %s did not load; nothing was saved\n", file.c_str());
        refused = true;
    }
    return refused;
}

// Takes "--NAME VALUE" at args[i]; false (after a message) without a value.
bool take_value(const std::vector<std::string>& args, size_t& i, std::string& out) {
    if (i + 1 >= args.size()) {
        std::fprintf(stderr, "tarnwick-cli: %s needs a value\n", args[i].c_str());
        return false;
    }
    out = args[++i];
    return true;
}

// Fills the project from zone `number` of a world folder: its five files by
// absolute path, its name and number; --name and --author still apply.
bool project_from_world_folder(const std::string& dir, int32_t number, AreaProject& project) {
    if (!is_world_folder(dir)) {
        std::fprintf(stderr, "tarnwick-cli: %s is not a world folder (no wld/ or zon/ in it)\n",
                     dir.c_str());
        return false;
    }
    const auto zone = find_world_zone(list_world_zones(dir), number);
    if (!zone) {
        std::fprintf(stderr, "tarnwick-cli: %s has no zone %d\n", dir.c_str(), number);
        return false;
    }
    AreaProject found = project_for_zone(*zone);
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        found.*field = fs::absolute(found.*field).lexically_normal().string();
    if (!project.zone_name.empty()) found.zone_name = project.zone_name;
    found.author = project.author;
    project = found;
    return true;
}

int project_create(const std::vector<std::string>& args) {
    AreaProject project;
    project.zone_number = 300;
    std::string out, number, world_dir, world_zone;
    bool force = false;
    struct FileOption {
        const char* name;
        std::string AreaProject::*field;
        const char* extension;
    };
    const FileOption files[] = {{"--zon", &AreaProject::zone_file, "zon"},
                                {"--wld", &AreaProject::room_file, "wld"},
                                {"--mob", &AreaProject::mob_file, "mob"},
                                {"--obj", &AreaProject::object_file, "obj"},
                                {"--shp", &AreaProject::shop_file, "shp"}};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        bool ok = true, known = true;
        if (a == "--zone-number") ok = take_value(args, i, number);
        else if (a == "--name") ok = take_value(args, i, project.zone_name);
        else if (a == "--author") ok = take_value(args, i, project.author);
        else if (a == "--world-dir") ok = take_value(args, i, world_dir);
        else if (a == "--zone") ok = take_value(args, i, world_zone);
        else if (a == "--force") force = true;
        else {
            known = false;
            for (const auto& f : files)
                if (a == f.name) {
                    known = true;
                    ok = take_value(args, i, project.*f.field);
                }
        }
        if (!ok) return 2;
        if (known) continue;
        if (a.size() > 1 && a[0] == '-') {
            std::fprintf(stderr, "tarnwick-cli: unknown option '%s'\n", a.c_str());
            return 2;
        }
        if (!out.empty()) {
            std::fputs(kProjectHelp, stderr);
            return 2;
        }
        out = a;
    }
    if (out.empty()) {
        std::fputs(kProjectHelp, stderr);
        return 2;
    }
    if (const std::string problem = project_names_problem(project.zone_name, project.author);
        !problem.empty()) {
        std::fprintf(stderr, "tarnwick-cli: %s\n", problem.c_str());
        return 2;
    }
    if (!number.empty() && !to_int32(number, project.zone_number)) {
        std::fprintf(stderr, "tarnwick-cli: --zone-number needs a number\n");
        return 2;
    }
    if (world_dir.empty() != world_zone.empty()) {
        std::fprintf(stderr, "tarnwick-cli: --world-dir and --zone go together\n");
        return 2;
    }
    std::error_code ec;
    if (!force && fs::exists(native_path(out), ec)) {
        std::fprintf(stderr, "tarnwick-cli: %s exists (use --force to replace it)\n", out.c_str());
        return 1;
    }
    if (!world_dir.empty()) {
        int32_t zone_number = 0;
        if (!to_int32(world_zone, zone_number)) {
            std::fprintf(stderr, "tarnwick-cli: --zone needs a number\n");
            return 2;
        }
        if (!project_from_world_folder(world_dir, zone_number, project)) return 1;
    } else {
        for (const auto& f : files)
            project.*f.field =
                normalize_file_name(project.*f.field, f.extension, project.zone_number);
    }
    StderrMessages messages;
    return write_project_file(out, project, messages) ? 0 : 1;
}

int project_info(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fputs(kProjectHelp, stderr);
        return 2;
    }
    AreaProject p;
    std::string error;
    if (!read_project_file(args[0], p, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::printf("zone_name: %s\nauthor: %s\nzone_file: %s\nroom_file: %s\nmob_file: %s\n"
                "object_file: %s\nshop_file: %s\nzone_number: %d\n",
                p.zone_name.c_str(), p.author.c_str(), p.zone_file.c_str(), p.room_file.c_str(),
                p.mob_file.c_str(), p.object_file.c_str(), p.shop_file.c_str(), p.zone_number);
    for (int w = 0; w < kProjectWindowCount; ++w) {
        const window_layout& l = p.windows[w];
        std::printf("%s: visible %d, left %d, top %d", kWindowNames[w], l.visible ? 1 : 0, l.left,
                    l.top);
        if (!is_fixed_size_window(ProjectWindow(w)))
            std::printf(", width %d, height %d", l.width, l.height);
        std::printf("\n");
    }
    return 0;
}

// Splits off "--NAME VALUE" options that the shared parser does not know.
bool extract_option(std::vector<std::string>& args, const std::string& name,
                    std::optional<std::string>& value) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] != name) continue;
        if (i + 1 >= args.size()) {
            std::fprintf(stderr, "tarnwick-cli: %s needs a value\n", name.c_str());
            return false;
        }
        value = args[i + 1];
        args.erase(args.begin() + long(i), args.begin() + long(i) + 2);
        return true;
    }
    return true;
}

bool extract_flag(std::vector<std::string>& args, const std::string& name) {
    for (size_t i = 0; i < args.size(); ++i)
        if (args[i] == name) {
            args.erase(args.begin() + long(i));
            return true;
        }
    return false;
}

// The shared options minus --zone-number, which a project holds itself.
bool parse_project_options(const std::vector<std::string>& args, Options& options,
                           std::vector<std::string>& rest) {
    if (!parse_options(args, options, rest, nullptr)) return false;
    if (options.zone_number) {
        std::fprintf(stderr, "tarnwick-cli: a project holds its own zone number\n");
        return false;
    }
    return true;
}

}  // namespace

bool is_project_file(const std::string& path) {
    std::string ext = utf8_name(native_path(path).extension());
    for (auto& c : ext) c = char(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".qzp";
}

int check_project(const std::string& path) {
    Options options;
    OpenProject open(options);
    if (!open.session.open_project(path)) {
        std::printf("%s: failed\n", path.c_str());
        return 1;
    }
    const World& w = open.world;
    std::printf("%s: %d rooms, %d mobiles, %d objects, %d shops, %d commands\n", path.c_str(),
                w.room_count(), w.mob_count(), w.object_count(), w.shop_count(),
                zone_command_count(w));
    for (const auto& file : open.session.load_failures())
        std::printf("%s: %s did not load\n", path.c_str(), file.c_str());
    return open.session.load_failures().empty() ? 0 : 1;
}

namespace {

// Opens a project and saves it as the editor's Save does: in place, or with
// `out_dir` every file into DIR. `reformat` writes every file anew in the
// house style.
int save_opened_project(const std::vector<std::string>& all_args, bool reformat,
                        const char* usage) {
    std::vector<std::string> args = all_args;
    std::optional<std::string> out_dir;
    if (!extract_option(args, "--out-dir", out_dir)) return 2;
    Options options;
    std::vector<std::string> rest;
    if (!parse_project_options(args, options, rest)) return 2;
    if (rest.size() != 1 || (reformat && !out_dir)) {
        std::fputs(usage, stderr);
        return 2;
    }
    OpenProject open(options);
    if (!open.session.open_project(rest[0])) return 1;
    if (refuse_unreadable(open.session)) return 1;
    open.world.reformat = reformat;
    if (!out_dir) return open.session.save_project() ? 0 : 1;
    std::error_code ec;
    fs::create_directories(native_path(*out_dir), ec);
    // The copies go into DIR under the project's file names, and the new
    // project file names them so that they are found beside it.
    AreaProject& p = open.project;
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        p.*field = bare_file_name(p.*field);
    p.project_path = utf8_name(native_path(*out_dir) / native_path(bare_file_name(rest[0])));
    return open.session.save_project() ? 0 : 1;
}

}  // namespace

int format_project(const std::vector<std::string>& args) {
    return save_opened_project(args, true,
                               "usage: tarnwick-cli format PROJECT.qzp --out-dir DIR [OPTIONS]\n");
}

const char* const kSaveHelp =
    "usage: tarnwick-cli save PROJECT.qzp [--out-dir DIR] [OPTIONS]\n"
    "Opens the project and saves it exactly as the editor's Save does: records,\n"
    "zone commands and comments that did not change keep their bytes, and a file\n"
    "in which nothing changed is not written. With --out-dir the project file and\n"
    "all five world files are written into DIR. Takes the options of 'format'.\n";

int run_save(const std::vector<std::string>& args) {
    if (wants_help(args, kSaveHelp)) return 0;
    return save_opened_project(args, false, kSaveHelp);
}

int run_project(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kProjectHelp, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    std::vector<std::string> rest(args.begin() + 1, args.end());
    if (wants_help(rest, kProjectHelp)) return 0;
    if (args[0] == "create") return project_create(rest);
    if (args[0] == "info") return project_info(rest);
    std::fprintf(stderr, "tarnwick-cli: unknown project command '%s'\n", args[0].c_str());
    return 2;
}

int run_renumber(const std::vector<std::string>& all_args) {
    if (wants_help(all_args, kRenumberHelp)) return 0;
    std::vector<std::string> args = all_args;
    std::optional<std::string> base_text;
    if (!extract_option(args, "--base", base_text)) return 2;
    const bool yes = extract_flag(args, "--yes");
    Options options;
    std::vector<std::string> rest;
    if (!parse_project_options(args, options, rest)) return 2;
    int32_t base = 0;
    if (rest.size() != 1 || (base_text && !to_int32(*base_text, base))) {
        std::fputs(kRenumberHelp, stderr);
        return 2;
    }
    OpenProject open(options);
    open.messages.yes = yes;
    if (!open.session.open_project(rest[0])) return 1;
    if (refuse_unreadable(open.session)) return 1;
    if (!base_text) {
        int64_t b = int64_t(open.project.zone_number) * 100;
        if (b < INT32_MIN || b > INT32_MAX) {
            std::fprintf(stderr, "tarnwick-cli: zone number %d gives no valid base; use --base\n",
                         open.project.zone_number);
            return 1;
        }
        base = int32_t(b);
    }
    if (!renumber_world(open.world, base, open.messages)) {
        std::fprintf(stderr, "tarnwick-cli: not renumbered; nothing was saved%s\n",
                     yes ? "" : " (--yes answers Yes)");
        return 1;
    }
    return open.session.save_project() ? 0 : 1;
}

}  // namespace tarnwick::cli

namespace tarnwick::cli {

bool project_world_files(const std::string& path, std::vector<std::string>& files) {
    AreaProject project;
    std::string error;
    if (!read_project_file(path, project, error)) {
        std::fprintf(stderr, "tarnwick-cli: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    files.clear();
    for (const std::string* name : {&project.zone_file, &project.room_file, &project.mob_file,
                                    &project.object_file, &project.shop_file}) {
        if (name->empty()) continue;
        const std::string resolved = resolve_world_file(*name, path);
        std::error_code ec;
        if (fs::exists(resolved, ec)) files.push_back(resolved);
    }
    // A tbaMUD zone's triggers lie beside its zone file.
    if (!project.zone_file.empty()) {
        const std::string zone = resolve_world_file(project.zone_file, path);
        const std::string triggers = trigger_path_for(zone);
        std::error_code ec;
        if (zone_file_dialect(zone) == Dialect::TbaMud && fs::exists(triggers, ec))
            files.push_back(triggers);
    }
    return true;
}

}  // namespace tarnwick::cli
