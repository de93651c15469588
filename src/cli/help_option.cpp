// --help and -h for every command, in a file of its own so the PNG map
// program can share the map command without the rest of the tool.

#include <cstdio>

#include "cli/commands.h"

namespace tarnwick::cli {

bool wants_help(const std::vector<std::string>& args, const char* help) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(help, stdout);
            return true;
        }
    return false;
}

}  // namespace tarnwick::cli
