#pragma once
// The zone header and its reset commands.

#include <cstdint>
#include <list>
#include <array>
#include <string>

namespace tarnwick {

struct zCommand {
    void* tree_node = nullptr;  // the zone editor's view of this command; not in the file
    int32_t line = 0;           // physical line in the file it came from; 0 when made in the editor
    char command = 0;
    uint8_t if_flag = 1;
    int32_t arg1 = 0, arg2 = 0, arg3 = 0;
    // A V command's variable name and value (tbaMUD).
    std::string var_name{}, var_value{};
    // Equality over what the file holds.
    bool same_command(const zCommand& o) const {
        return command == o.command && if_flag == o.if_flag && arg1 == o.arg1 && arg2 == o.arg2 &&
               arg3 == o.arg3 && var_name == o.var_name && var_value == o.var_value;
    }
};

// std::list keeps every node's address while others are linked or removed,
// which the zone editor's tree relies on.
using CommandList = std::list<zCommand>;

struct zone_header {
    CommandList commands;  // the command count is commands.size()
    int32_t zone_number = 0;
    std::string name;
    int32_t top = 0;
    int32_t lifespan = 0;
    int32_t reset_mode = 0;
    // CircleMUD 3.1 and tbaMUD: the lowest room vnum of the zone.
    int32_t bot = 0;
    // tbaMUD: who built it, its flags and the levels it is meant for; the
    // flags and levels are written when set or when the file had them.
    std::string builders{};
    std::array<int32_t, 4> flags{};
    int32_t min_level = -1, max_level = -1;
    bool has_flags_line = false;
};

}  // namespace tarnwick
