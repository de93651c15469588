// lint: the zone checker over a project, a set of world files or a whole
// world folder, in the compiler form editors and CI tools jump from.

#include <cstdio>
#include <filesystem>

#include "analysis/checker.h"
#include "analysis/reference_index.h"
#include "cli/commands.h"
#include "cli/json_text.h"
#include "cli/progress.h"
#include "cli/stderr_messages.h"
#include "formats/dialect_sniff.h"
#include "project/world_folder.h"
#include "project/world_lint.h"
#include "world/file_path.h"
#include "world/platform_files.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

const char* kLintHelp =
    "usage: tarnwick-cli lint PROJECT.qzp | FILE... | WORLD_DIR [--json] [--min-severity LEVEL]\n"
    "Checks a zone (a project, or its .wld .mob .obj .zon .shp files and a tbaMUD zone's\n"
    ".trg triggers) or every zone of a server's world folder (wld/ mob/ obj/ zon/ shp/ trg/)\n"
    "for broken references, doors, loads, trigger scripts and values the server or the\n"
    "game will trip over. One finding a line:\n"
    "  FILE:LINE: error|warning|note: MESSAGE [check-name]\n"
    "  --json               one JSON array of findings instead\n"
    "  --min-severity L     show only findings at L or worse (error, warning, note)\n"
    "Exit status: 0 when no error was found, 1 when one was (or a file did not load),\n"
    "2 for a usage error.\n";

void print_json(const std::vector<Finding>& findings) {
    std::printf("[");
    const char* sep = "\n";
    for (const auto& f : findings) {
        std::printf("%s  {\"file\": %s, \"line\": %d, \"severity\": \"%s\", \"kind\": \"%s\", "
                    "\"vnum\": %d, \"command\": %d, \"field\": %s, \"message\": %s, "
                    "\"check\": \"%s\"}",
                    sep, json_string(f.file).c_str(), f.line, severity_name(f.severity),
                    record_kind_name(f.kind), f.vnum, f.command_index, json_string(f.field).c_str(),
                    json_string(f.message).c_str(), f.check.c_str());
        sep = ",\n";
    }
    std::printf("\n]\n");
}

void print_lines(const std::vector<Finding>& findings, const std::string& fallback) {
    for (const auto& f : findings) {
        const std::string& file = f.file.empty() ? fallback : f.file;
        const std::string where = f.line > 0 ? file + ":" + std::to_string(f.line) : file;
        std::printf("%s: %s: %s: %s [%s]\n", where.c_str(), severity_name(f.severity),
                    record_label(f).c_str(), f.message.c_str(), f.check.c_str());
    }
}

// Appends the records of `from` to `into`; a zone file's header replaces it.
void merge_world(World& into, World& from) {
    for (auto& r : from.rooms) into.rooms.push_back(std::move(r));
    for (auto& m : from.mobs) into.mobs.push_back(std::move(m));
    for (auto& o : from.objects) into.objects.push_back(std::move(o));
    for (auto& s : from.shops) into.shops.push_back(std::move(s));
    for (auto& t : from.triggers) into.triggers.push_back(std::move(t));
    if (has_zone_header(from)) into.zone = std::move(from.zone);
    // The later dialects' files say so; the zone is checked as theirs.
    if (from.dialect != Dialect::Circle30) into.dialect = from.dialect;
}

RecordKind kind_of_extension(const std::string& ext) {
    if (ext == ".wld") return RecordKind::Room;
    if (ext == ".mob") return RecordKind::Mob;
    if (ext == ".obj") return RecordKind::Object;
    if (ext == ".shp") return RecordKind::Shop;
    if (ext == ".trg") return RecordKind::Trigger;
    return RecordKind::Zone;
}

}  // namespace

bool load_zone_files(const std::vector<std::string>& paths, World& world, RecordPlaces& places,
                     Messages& messages) {
    bool ok = true;
    Options options;
    for (const auto& path : paths) {
        const FileKind* kind = kind_of(path);
        World file;
        if (!kind || !kind->load(file, path, options, messages)) {
            std::fprintf(stderr, "tarnwick-cli: %s: did not load\n", path.c_str());
            ok = false;
            continue;
        }
        places.index_file(path, kind_of_extension(kind->extension));
        merge_world(world, file);
    }
    world.sort_rooms();
    return ok;
}

int run_lint(const std::vector<std::string>& args) {
    if (wants_help(args, kLintHelp)) return 0;
    bool json = false;
    Severity min_severity = Severity::Note;
    std::vector<std::string> inputs;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--json") {
            json = true;
        } else if (args[i] == "--min-severity") {
            if (i + 1 >= args.size() || !parse_severity(args[i + 1], min_severity)) {
                std::fprintf(stderr, "tarnwick-cli: --min-severity takes error, warning or note\n");
                return 2;
            }
            ++i;
        } else if (args[i].rfind("--", 0) == 0) {
            std::fprintf(stderr, "tarnwick-cli: unknown option '%s'\n\n%s", args[i].c_str(),
                         kLintHelp);
            return 2;
        } else {
            inputs.push_back(args[i]);
        }
    }
    if (inputs.empty()) {
        std::fputs(kLintHelp, stderr);
        return 2;
    }

    StderrMessages messages;
    std::vector<Finding> findings;
    bool loaded = true;
    std::error_code ec;
    if (inputs.size() == 1 && std::filesystem::is_directory(inputs[0], ec)) {
        if (!is_world_folder(inputs[0])) {
            std::fprintf(stderr, "tarnwick-cli: %s: no wld/ or zon/ folder: not a world folder\n",
                         inputs[0].c_str());
            return 2;
        }
        platform::use_large_pages_for_heap();
        Progress progress("reading " + inputs[0]);
        // Left to the process's exit: freeing a large world's records one by
        // one costs more than checking some of them. (Held by a static, so
        // leak checkers see it reachable.)
        static WorldFolder* const kept = new WorldFolder;
        WorldFolder& folder = *kept;
        if (!lint_world_folder(inputs[0], folder, findings, messages, &progress)) {
            std::fprintf(stderr, "tarnwick-cli: %s: no zone file loaded\n", inputs[0].c_str());
            return 1;
        }
        for (const auto& f : folder.failures)
            std::fprintf(stderr, "tarnwick-cli: %s: did not load\n", f.c_str());
        loaded = folder.failures.empty();
    } else {
        std::vector<std::string> files = inputs;
        if (inputs.size() == 1 && is_project_file(inputs[0]) &&
            !project_world_files(inputs[0], files))
            return 1;
        for (const auto& f : files)
            if (!std::filesystem::exists(f, ec) || !kind_of(f)) {
                std::fprintf(stderr, "tarnwick-cli: %s: no such world file\n", f.c_str());
                return 2;
            }
        World world;
        RecordPlaces places;
        loaded = load_zone_files(files, world, places, messages);
        findings = check_zone(world, nullptr, TextWalk::ByCaller);
        std::vector<WorldFolder::Text> texts;
        for (const auto& f : files) {
            WorldFolder::Text t{f, world_file_dialect(f), {}};
            if (read_file_bytes(f, t.bytes)) texts.push_back(std::move(t));
        }
        auto walked = walk_files_as_read(texts, false, world.zone.zone_number);
        findings.insert(findings.end(), walked.begin(), walked.end());
        sort_findings(findings);
        places.locate(findings);
    }

    std::vector<Finding> shown;
    for (const auto& f : findings)
        if (f.severity <= min_severity) shown.push_back(f);
    if (json)
        print_json(shown);
    else
        print_lines(shown, inputs[0]);
    const bool error = count_by_severity(findings).errors > 0;
    return error || !loaded ? 1 : 0;
}

}  // namespace tarnwick::cli
