#include "world/banner.h"

namespace tarnwick {

void write_banner(std::string& out, const std::string& zone_name, const std::string& author) {
    const std::string stars(81, '*');
    out += stars + "\n";
    out += "*** Zone : " + zone_name + "\n";
    out += "*** Author : " + author + "\n";
    out += "*** Zone formatted by Tarnwick - mailto:builders@tarnwick.invalid\n";
    out += stars + "\n";
}

}  // namespace tarnwick
