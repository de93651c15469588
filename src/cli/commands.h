#pragma once

#include <string>
#include <vector>

#include "cli/file_kinds.h"
#include "project/record_places.h"

namespace tarnwick::cli {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
};

// Every command of the tool; main dispatches by name.
const std::vector<Command>& commands();

// Parses the options shared by format and show; answers false (after a
// message on stderr) on a usage error. Positional arguments land in `rest`.
bool parse_options(const std::vector<std::string>& args, Options& options,
                   std::vector<std::string>& rest, std::string* out_path);

// Prints `help` on stdout when the arguments ask for it.
bool wants_help(const std::vector<std::string>& args, const char* help);

int run_check(const std::vector<std::string>& args);
// check --server: the preflight findings of world files or projects.
int check_server(const std::vector<std::string>& args);
int run_format(const std::vector<std::string>& args);
// save PROJECT.qzp: open and save as the editor does.
int run_save(const std::vector<std::string>& args);
int run_show(const std::vector<std::string>& args);
int run_project(const std::vector<std::string>& args);
int run_renumber(const std::vector<std::string>& args);
int run_lint(const std::vector<std::string>& args);
int run_zones(const std::vector<std::string>& args);
int run_map(const std::vector<std::string>& args);
int run_simulate(const std::vector<std::string>& args);
// convert IN --to DIALECT -o OUT: a zone or world moved to another dialect.
int run_convert(const std::vector<std::string>& args);

// Project files (.qzp) for check and format.
bool is_project_file(const std::string& path);
int check_project(const std::string& path);
int format_project(const std::vector<std::string>& args);
// The project's world files that exist (resolved paths); false, after a
// message, when the project file cannot be read.
bool project_world_files(const std::string& path, std::vector<std::string>& files);
// Loads world files (a project's, or any set) into one zone, naming each
// file in `places`; false, after a message, when one did not load.
bool load_zone_files(const std::vector<std::string>& paths, World& world, RecordPlaces& places,
                     Messages& messages);

}  // namespace tarnwick::cli
