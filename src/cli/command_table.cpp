#include "cli/commands.h"

namespace tarnwick::cli {

const std::vector<Command>& commands() {
    static const std::vector<Command> table = {
        {"check", run_check},
        {"format", run_format},
        {"save", run_save},
        {"show", run_show},
        {"project", run_project},
        {"renumber", run_renumber},
        {"lint", run_lint},
        {"zones", run_zones},
        {"map", run_map},
        {"simulate", run_simulate},
        {"convert", run_convert},
    };
    return table;
}

}  // namespace tarnwick::cli
