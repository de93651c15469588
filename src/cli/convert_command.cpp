// convert: a project, a set of world files or a whole world folder moved to
// another dialect, written anew into a folder of its own, with the report of
// every change. What the target cannot hold is listed before anything is
// written and dropped only with --yes.

#include <cstdio>
#include <filesystem>
#include <optional>

#include "cli/commands.h"
#include "cli/convert_parts.h"
#include "cli/stderr_messages.h"
#include "convert/convert.h"
#include "formats/dialect_sniff.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "project/converted_zone.h"
#include "project/file_names.h"
#include "project/project_file.h"
#include "project/world_folder.h"
#include "project/zone_scripts.h"
#include "world/file_path.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

namespace fs = std::filesystem;

const char* kConvertHelp =
    "usage: tarnwick-cli convert IN... --to circle30|circle31|tbamud -o OUT [--yes]\n"
    "                            [--author TEXT]\n"
    "Moves a zone or a world to another server's layout so that every value keeps\n"
    "its meaning there: flags to their new bits (tbaMUD's affects one bit up), item\n"
    "types by name, the zone header's bottom room and builders line, G's fourth\n"
    "number, texts the new server would read differently. Every record is written\n"
    "anew into OUT; the files read are never written.\n"
    "IN is a project (.qzp: OUT is a folder for the new project and its files), a\n"
    "set of one zone's world files (written into the folder OUT under their names),\n"
    "or a world folder laid out as lib/world (OUT becomes one, index files included).\n"
    "Prints the report of every change, record by record. What the target server\n"
    "cannot hold (flags it lacks, triggers, T and V commands, zone flags and levels,\n"
    "E-specs, hidden doors...) is listed first, one line per record and field, and\n"
    "nothing is written unless --yes agrees to drop it.\n"
    "  --author TEXT   tbaMUD's builders line (default: the project's author, else None.)\n"
    "Exit status: 0 when written, 1 when something did not load, was refused or could\n"
    "not be written, 2 for a usage error.\n";

bool parse(const std::vector<std::string>& args, ConvertArgs& a) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        const bool has_value = i + 1 < args.size();
        if (s == "--to" && has_value) {
            Dialect d;
            if (!dialect_from_key(args[++i], d)) {
                std::fprintf(stderr, "tarnwick-cli: --to takes circle30, circle31 or tbamud\n");
                return false;
            }
            a.to = d;
        } else if (s == "-o" && has_value) {
            a.out = args[++i];
        } else if (s == "--author" && has_value) {
            a.author = args[++i];
        } else if (s == "--yes") {
            a.yes = true;
        } else if (s.size() > 1 && s[0] == '-') {
            std::fprintf(stderr, "tarnwick-cli: unknown option or missing value '%s'\n", s.c_str());
            return false;
        } else {
            a.inputs.push_back(s);
        }
    }
    if (a.inputs.empty() || !a.to || a.out.empty()) {
        std::fputs(kConvertHelp, stderr);
        return false;
    }
    return true;
}

// The files of one zone into one World, as a project opens them: the zone
// file first (its header names the dialect), its triggers beside it.
bool load_zone(const std::vector<std::string>& paths, World& world, ZoneFiles& files,
               Messages& messages) {
    std::vector<std::string> order;
    for (const auto& p : paths) {
        const FileKind* kind = kind_of(p);
        if (!kind || std::string(kind->extension) == ".trg") {
            std::fprintf(stderr,
                         "tarnwick-cli: %s: not a zone, room, mobile, object or shop file\n",
                         p.c_str());
            return false;
        }
        std::string* slot = nullptr;
        const std::string ext = kind->extension;
        if (ext == ".zon") slot = &files.zone;
        if (ext == ".wld") slot = &files.rooms;
        if (ext == ".mob") slot = &files.mobs;
        if (ext == ".obj") slot = &files.objects;
        if (ext == ".shp") slot = &files.shops;
        if (!slot->empty()) {
            std::fprintf(stderr, "tarnwick-cli: two %s files given; one zone has one\n",
                         ext.c_str());
            return false;
        }
        *slot = p;
        if (ext == ".zon")
            order.insert(order.begin(), p);
        else
            order.push_back(p);
    }
    // Every file of the zone is read in its zone file's dialect.
    const Dialect dialect =
        files.zone.empty() ? world_file_dialect(order.front()) : zone_file_dialect(files.zone);
    FormatSettings settings;
    bool ok = true;
    for (const auto& p : order) {
        world.dialect = dialect;
        const std::string ext = kind_of(p)->extension;
        const bool loaded = ext == ".zon"   ? load_zone_file(world, p, messages)
                            : ext == ".wld" ? load_room_file(world, p, settings, messages)
                            : ext == ".mob" ? load_mob_file(world, p, settings, messages)
                            : ext == ".obj" ? load_object_file(world, p, settings, messages)
                                            : load_shop_file(world, p, messages);
        if (!loaded) {
            std::fprintf(stderr, "tarnwick-cli: %s: did not load\n", p.c_str());
            ok = false;
        }
    }
    world.dialect = dialect;
    if (!files.zone.empty() && world.dialect == Dialect::TbaMud &&
        !load_zone_scripts(world, files.zone, messages))
        ok = false;
    world.changed = false;
    return ok;
}

// The names of `files` moved into `dir`.
ZoneFiles into_folder(const ZoneFiles& files, const std::string& dir) {
    const auto at = [&](const std::string& p) {
        return p.empty() ? p : in_folder(dir, bare_file_name(p));
    };
    return {at(files.zone), at(files.rooms), at(files.mobs), at(files.objects), at(files.shops)};
}

bool from_files(const ConvertArgs& a, const std::vector<std::string>& paths,
                const std::string& author, std::vector<Converted>& out, Messages& messages) {
    Converted c;
    World world;
    ZoneFiles in;
    if (!load_zone(paths, world, in, messages)) return false;
    // A zone file at DIR/zon/N.zon of a world folder has its neighbours
    // there, for the bottom room.
    const fs::path zone_path = native_path(in.zone);
    if (!in.zone.empty() && zone_path.parent_path().filename() == "zon") {
        const std::string dir = utf8_name(zone_path.parent_path().parent_path());
        if (is_world_folder(dir)) world.other_zones = read_other_zones(dir, world.zone.zone_number);
    }
    ConvertContext context{author, neighbour_spans(world)};
    c.world = convert_world(world, *a.to, context, c.report);
    c.files = into_folder(in, a.out);
    out.push_back(std::move(c));
    return true;
}

bool same_file(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(native_path(a), native_path(b), ec);
}

}  // namespace

int run_convert(const std::vector<std::string>& args) {
    if (wants_help(args, kConvertHelp)) return 0;
    ConvertArgs a;
    if (!parse(args, a)) return 2;
    StderrMessages messages;
    std::error_code ec;
    std::vector<Converted> zones;
    std::optional<AreaProject> project;
    std::vector<std::string> read_paths = a.inputs;
    const bool folder = a.inputs.size() == 1 && fs::is_directory(native_path(a.inputs[0]), ec);
    if (folder) {
        if (!is_world_folder(a.inputs[0])) {
            std::fprintf(stderr, "tarnwick-cli: %s: no wld/ or zon/ folder: not a world folder\n",
                         a.inputs[0].c_str());
            return 2;
        }
        if (same_file(a.inputs[0], a.out)) {
            std::fprintf(stderr, "tarnwick-cli: OUT is the folder read; nothing written\n");
            return 1;
        }
        if (!from_folder(a, zones, messages)) return 1;
    } else if (a.inputs.size() == 1 && is_project_file(a.inputs[0])) {
        AreaProject p;
        std::string error;
        if (!read_project_file(a.inputs[0], p, error)) {
            std::fprintf(stderr, "tarnwick-cli: %s: %s\n", a.inputs[0].c_str(), error.c_str());
            return 1;
        }
        p.project_path = a.inputs[0];
        std::vector<std::string> files;
        if (!project_world_files(a.inputs[0], files)) return 1;
        read_paths.insert(read_paths.end(), files.begin(), files.end());
        if (!from_files(a, files, a.author.value_or(p.author), zones, messages)) return 1;
        // The new project names its files beside it in OUT.
        for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                           &AreaProject::object_file, &AreaProject::shop_file})
            if (!(p.*field).empty()) p.*field = bare_file_name(p.*field);
        p.project_path = in_folder(a.out, bare_file_name(a.inputs[0]));
        project = p;
    } else {
        for (const auto& p : a.inputs)
            if (!fs::is_regular_file(native_path(p), ec)) {
                std::fprintf(stderr, "tarnwick-cli: %s: no such file\n", p.c_str());
                return 1;
            }
        if (!from_files(a, a.inputs, a.author.value_or(""), zones, messages)) return 1;
    }

    int losses = 0;
    for (const Converted& c : zones) losses += c.report.loss_count();
    if (losses && !a.yes) {
        std::printf("%d value(s) %s cannot hold; nothing was written:\n", losses,
                    std::string(dialect_name(*a.to)).c_str());
        for (const Converted& c : zones)
            for (const std::string& line : c.report.lines(true))
                std::printf("  %s\n", line.c_str());
        std::fprintf(stderr, "tarnwick-cli: not converted (--yes drops what is listed)\n");
        return 1;
    }
    for (const Converted& c : zones)
        for (const std::string* out :
             {&c.files.zone, &c.files.rooms, &c.files.mobs, &c.files.objects, &c.files.shops})
            for (const std::string& in : read_paths)
                if (!out->empty() && same_file(*out, in)) {
                    std::fprintf(stderr, "tarnwick-cli: %s is a file read; nothing written\n",
                                 out->c_str());
                    return 1;
                }

    bool ok = true;
    fs::create_directories(native_path(a.out), ec);
    for (Converted& c : zones) {
        if (c.report.left_out) continue;
        FormatSettings settings;
        if (project) {
            settings.zone_name = project->zone_name;
            settings.author = project->author;
        }
        ok = save_zone_files(c.world, c.files, settings, messages) && ok;
    }
    if (ok && project) ok = write_project_file(project->project_path, *project, messages);
    if (ok && folder) ok = write_indexes(a.out, zones, *a.to, messages);
    for (const Converted& c : zones) {
        if (zones.size() > 1) std::printf("== zone %d\n", c.world.zone.zone_number);
        std::fputs(c.report.text().c_str(), stdout);
    }
    size_t changes = 0;
    int left_out = 0;
    for (const Converted& c : zones) {
        changes += c.report.notes.size();
        left_out += c.report.left_out ? 1 : 0;
    }
    std::printf("%zu zone(s) converted to %s: %zu change(s), %d of them value(s) dropped, "
                "%d zone(s) left out\n",
                zones.size() - size_t(left_out), std::string(dialect_name(*a.to)).c_str(), changes,
                losses, left_out);
    if (!ok) std::fprintf(stderr, "tarnwick-cli: not every file was written\n");
    return ok ? 0 : 1;
}

}  // namespace tarnwick::cli
