#include "world/banner.h"

namespace tarnwick {

namespace {

// Every banner line must start with '*': a line break inside the zone name
// or the author would begin a line that readers and the server take for a
// record.
std::string on_one_line(std::string text) {
    for (char& c : text)
        if (c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

void write_banner(std::string& out, const std::string& zone_name, const std::string& author) {
    const std::string stars(81, '*');
    out += stars + "\n";
    out += "*** Zone : " + on_one_line(zone_name) + "\n";
    out += "*** Author : " + on_one_line(author) + "\n";
    out += "*** Zone formatted by Tarnwick - mailto:builders@tarnwick.invalid\n";
    out += stars + "\n";
}

}  // namespace tarnwick
