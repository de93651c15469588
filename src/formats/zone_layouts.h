#pragma once
// The zone file lines of the dialects with a bottom room: CircleMUD 3.1's
// header, and tbaMUD's header and command lines as its own writer lays them
// out (so a zone written anew reads like one its server saved).

#include <string>

namespace tarnwick {

class World;
struct zCommand;
struct zone_header;

// The text with its line breaks made blanks: a line break inside a name or
// a comment would start a line that the server reads as a command.
std::string one_line(std::string text);

// `#N`, the name, `bot top lifespan reset_mode`.
void write_bottom_header(const zone_header& zone, std::string& out);

// `#N`, the builders, the name, `bot top lifespan reset_mode`, with the
// four words of zone flags and the level range when any is set.
void write_builders_header(const zone_header& zone, std::string& out);

// `M 0 3011 1 3000 \t(the saleswoman)`: four numbers for every command (a
// G's and an R's last is -1), the name of what it loads as a comment; a V
// command ends with its variable's name and value instead.
void write_four_number_command(const World& world, const zCommand& command, std::string& out);

}  // namespace tarnwick
