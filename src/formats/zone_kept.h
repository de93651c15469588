#pragma once
// Writing a zone file over the file as read. The header and every command
// that did not change are copied; a command's comment and blank lines before
// it travel with it wherever it moved and go only when it goes; a changed
// command keeps those lines and gets its own line written anew; the lines
// before the header and after the last command stay.

#include <functional>
#include <string>
#include <vector>

#include "formats/zone_file.h"

namespace tarnwick {

// For each command of `now` (S and empty letters left out, as the file has
// no line for them), the index of the command as read that it stands for,
// or -1 for a new command. A command is known by the line it was read from;
// commands without one (made anew, or from a copy that lost it) are matched
// to unclaimed equal commands as read, in file order.
std::vector<int> match_kept_commands(const std::vector<const zCommand*>& now,
                                     const std::vector<zCommand>& kept);

using CommandWriter = std::function<void(const zCommand&, std::string&)>;
using HeaderWriter = std::function<void(const zone_header&, std::string&)>;

WrittenZone write_over(const World& world, const KeptZoneFile& kept, const CommandWriter& command,
                       const HeaderWriter& header);

}  // namespace tarnwick
