#pragma once

#include <string>

namespace tarnwick {

// The five comment lines at the top of every world file but the shop file;
// line breaks in the zone name or author are written as blanks.
void write_banner(std::string& out, const std::string& zone_name, const std::string& author);

}  // namespace tarnwick
