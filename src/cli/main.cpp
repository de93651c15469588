// tarnwick-cli: load, check, re-save and show world files without the editor.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "world/lookup_lists.h"
#include "world/platform_files.h"

using namespace tarnwick::cli;

namespace {

const char* kUsage =
    "usage: tarnwick-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  check FILE...                 load each file and report what the editor would show\n"
    "  check --server FILE...|PROJECT.qzp   what the real server would refuse or damage\n"
    "  format FILE -o OUT [OPTIONS]  load FILE and write it anew in the house style\n"
    "  save PROJECT.qzp [--out-dir DIR]   open and save a project as the editor's Save does\n"
    "  show FILE VNUM [OPTIONS]      print one record as the source viewer shows it\n"
    "  project ...                   create or describe a project file\n"
    "  renumber PROJECT.qzp [--base N]\n"
    "  lint PROJECT.qzp | FILE... | WORLD_DIR   find broken references and doubtful doors\n"
    "  zones WORLD_DIR [--json]   list the zones of a server's world folder\n"
    "  map PROJECT.qzp -o OUT.svg|OUT.png [--level N]   draw the zone map\n"
    "  simulate PROJECT.qzp|WORLD_DIR [--resets N]   run the zone resets as the server does\n"
    "  convert IN... --to circle30|circle31|tbamud -o OUT [--yes]   move a zone or world\n"
    "                                to another server's layout, with a report of every change\n"
    "\n"
    "Run 'tarnwick-cli COMMAND --help' for the options of a command;\n"
    "'tarnwick-cli --version' for the version and where the lookup lists are.\n";

int print_version(const char* argv0) {
    std::printf("tarnwick-cli %s\n", TARNWICK_VERSION);
    const std::string lists = tarnwick::find_list_folder(tarnwick::platform::program_folder(argv0));
    if (lists.empty()) {
        std::printf("lookup lists: not found\n");
        return 1;
    }
    std::printf("lookup lists: %s\n", lists.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    tarnwick::platform::use_binary_standard_streams();
    tarnwick::platform::keep_freed_memory();
    std::vector<std::string> args = tarnwick::platform::utf8_arguments(argc, argv);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--version") return print_version(argv[0]);
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    for (const auto& c : commands())
        if (command == c.name) return c.run(args);
    std::fprintf(stderr, "tarnwick-cli: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}
