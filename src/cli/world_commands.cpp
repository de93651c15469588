// check, format and show over single world files.

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "cli/stderr_messages.h"
#include "world/file_path.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

const char* kCheckHelp =
    "usage: tarnwick-cli check FILE...\n"
    "       tarnwick-cli check --server FILE...|PROJECT.qzp\n"
    "Loads each file (.wld .mob .obj .zon .shp, or a .qzp project with its five files)\n"
    "as the editor does. Every message the\n"
    "editor would show goes to stderr; one line per file goes to stdout.\n"
    "Exit status: 0 when every file loaded, 1 when any failed, 2 for a usage error.\n"
    "With --server, reads the files as the CircleMUD 3.0 server does instead and prints\n"
    "what it would refuse or damage, each with file, line and record; a zone file given\n"
    "with its rooms file (or a project) also has its top checked against the rooms.\n"
    "Exit status: 0 when nothing was found, 1 when anything was, 2 when a file cannot be read.\n";

const char* kFormatHelp =
    "usage: tarnwick-cli format FILE -o OUT [OPTIONS]\n"
    "       tarnwick-cli format PROJECT.qzp --out-dir DIR [OPTIONS]\n"
    "Loads FILE and writes it to OUT anew in the house style, every option applied,\n"
    "as the editor's Tools > Re-format zone files does; a project is saved into DIR,\n"
    "its five files under their own names beside the project file. ('save' keeps\n"
    "what did not change as it was.)\n"
    "  --alpha-bitvectors   write bitvectors as letters\n"
    "  --zone-number N      the project zone number (default: first vnum / 100)\n"
    "  --wrap N             re-wrap descriptions to N columns after loading\n"
    "  --old-shops          write shops in the old dialect\n"
    "  --obj-levels         write object levels\n"
    "  --mat-specs          write material specifications (with --obj-levels)\n"
    "  --world FILE...      for a zone file: the zone's .wld, .mob and .obj files\n";

const char* kShowHelp =
    "usage: tarnwick-cli show FILE VNUM [OPTIONS]\n"
    "Prints the room, mobile, object or trigger VNUM of FILE (.wld .mob .obj .trg) as the\n"
    "source viewer shows it.\n"
    "Takes the options of 'format'.\n";

// Checks existence and extension; prints the reason when unusable.
const FileKind* usable_file(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(native_path(path), ec)) {
        std::fprintf(stderr, "tarnwick-cli: %s: no such file\n", path.c_str());
        return nullptr;
    }
    const FileKind* kind = kind_of(path);
    if (!kind)
        std::fprintf(stderr, "tarnwick-cli: %s: unknown file type (known: %s)\n", path.c_str(),
                     known_extensions().c_str());
    return kind;
}

bool load_with_zone_number(World& world, const FileKind& kind, const std::string& path,
                           const Options& options, Messages& messages) {
    world.project_zone_number = options.zone_number.value_or(0);
    if (!kind.load(world, path, options, messages)) return false;
    if (!options.zone_number) {
        auto first = kind.first_vnum(world);
        world.project_zone_number = first ? *first / 100 : 0;
    }
    return true;
}

}  // namespace

bool parse_options(const std::vector<std::string>& args, Options& options,
                   std::vector<std::string>& rest, std::string* out_path) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto number = [&](int& target) {
            int32_t v = 0;
            if (i + 1 >= args.size() || !to_int32(args[i + 1], v)) {
                std::fprintf(stderr, "tarnwick-cli: %s needs a number\n", a.c_str());
                return false;
            }
            target = v;
            ++i;
            return true;
        };
        if (a == "-o" && out_path) {
            if (i + 1 >= args.size()) {
                std::fprintf(stderr, "tarnwick-cli: -o needs a file name\n");
                return false;
            }
            *out_path = args[++i];
        } else if (a == "--alpha-bitvectors") {
            options.settings.alpha_bitvectors = true;
        } else if (a == "--zone-number") {
            int n = 0;
            if (!number(n)) return false;
            options.zone_number = n;
        } else if (a == "--wrap") {
            if (!number(options.settings.columns)) return false;
            options.settings.column_check = true;
        } else if (a == "--old-shops") {
            options.settings.new_format = false;
        } else if (a == "--obj-levels") {
            options.settings.save_obj_levels = true;
        } else if (a == "--mat-specs") {
            options.settings.save_mat_specs = true;
        } else if (a == "--world") {
            while (i + 1 < args.size() && args[i + 1].rfind("-", 0) != 0)
                options.world_files.push_back(args[++i]);
        } else if (a.size() > 1 && a[0] == '-') {
            std::fprintf(stderr, "tarnwick-cli: unknown option '%s'\n", a.c_str());
            return false;
        } else {
            rest.push_back(a);
        }
    }
    return true;
}

int run_check(const std::vector<std::string>& args) {
    if (wants_help(args, kCheckHelp)) return 0;
    if (args.empty()) {
        std::fputs(kCheckHelp, stderr);
        return 2;
    }
    if (std::find(args.begin(), args.end(), "--server") != args.end()) {
        std::vector<std::string> files;
        for (const auto& a : args)
            if (a != "--server") files.push_back(a);
        if (files.empty()) {
            std::fputs(kCheckHelp, stderr);
            return 2;
        }
        return check_server(files);
    }
    StderrMessages messages;
    int status = 0;
    for (const auto& path : args) {
        if (is_project_file(path)) {
            status = std::max(status, check_project(path));
            continue;
        }
        const FileKind* kind = usable_file(path);
        if (!kind) {
            status = 1;
            continue;
        }
        World world;
        Options options;
        if (!load_with_zone_number(world, *kind, path, options, messages)) {
            std::printf("%s: failed\n", path.c_str());
            status = 1;
            continue;
        }
        std::printf("%s: %d %s\n", path.c_str(), kind->count(world), kind->noun);
    }
    return status;
}

int run_format(const std::vector<std::string>& args) {
    if (wants_help(args, kFormatHelp)) return 0;
    for (const auto& a : args)
        if (is_project_file(a)) return format_project(args);
    Options options;
    std::vector<std::string> rest;
    std::string out;
    if (!parse_options(args, options, rest, &out)) return 2;
    if (rest.size() != 1 || out.empty()) {
        std::fputs(kFormatHelp, stderr);
        return 2;
    }
    options.settings.house_style = true;  // the whole file anew, every option applied
    const FileKind* kind = usable_file(rest[0]);
    if (!kind) return 1;
    StderrMessages messages;
    World world;
    if (!load_with_zone_number(world, *kind, rest[0], options, messages)) return 1;
    return kind->save(world, out, options, messages) ? 0 : 1;
}

int run_show(const std::vector<std::string>& args) {
    if (wants_help(args, kShowHelp)) return 0;
    Options options;
    std::vector<std::string> rest;
    int32_t vnum = 0;
    if (!parse_options(args, options, rest, nullptr)) return 2;
    if (rest.size() != 2 || !to_int32(rest[1], vnum)) {
        std::fputs(kShowHelp, stderr);
        return 2;
    }
    const FileKind* kind = usable_file(rest[0]);
    if (!kind) return 1;
    if (!kind->show) {
        std::fprintf(stderr, "tarnwick-cli: show reads rooms, mobiles, objects and triggers only\n");
        return 2;
    }
    StderrMessages messages;
    World world;
    if (!load_with_zone_number(world, *kind, rest[0], options, messages)) return 1;
    std::string text;
    if (!kind->show(world, vnum, options, messages, text)) {
        std::fprintf(stderr, "tarnwick-cli: %s: no record #%d\n", rest[0].c_str(), vnum);
        return 1;
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

}  // namespace tarnwick::cli
