// tarnwick-cli: load, check, re-save and show world files without the editor.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "world/platform_files.h"

using namespace tarnwick::cli;

namespace {

const char* kUsage =
    "usage: tarnwick-cli COMMAND [ARGS]\n"
    "\n"
    "commands:\n"
    "  check FILE...                 load each file and report what the editor would show\n"
    "  format FILE -o OUT [OPTIONS]  load FILE and write it as the editor saves it\n"
    "  show FILE VNUM [OPTIONS]      print one record as the source viewer shows it\n"
    "  project ...                   create or describe a project file\n"
    "  renumber PROJECT.qzp [--base N]\n"
    "\n"
    "Run 'tarnwick-cli COMMAND --help' for the options of a command.\n";

}  // namespace

int main(int argc, char** argv) {
    tarnwick::platform::use_binary_standard_streams();
    std::vector<std::string> args = tarnwick::platform::utf8_arguments(argc, argv);
    if (args.empty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string command = args.front();
    args.erase(args.begin());
    if (command == "--help" || command == "-h" || command == "help") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    for (const auto& c : commands())
        if (command == c.name) return c.run(args);
    std::fprintf(stderr, "tarnwick-cli: unknown command '%s'\n\n%s", command.c_str(), kUsage);
    return 2;
}
