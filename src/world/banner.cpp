#include "world/banner.h"

namespace tarnwick {

namespace {

// Every banner line must start with '*': a line break inside the zone name
// or the author would begin a line that readers and the server take for a
// record. The server also reads these lines 255 bytes at a time and takes
// the rest of a longer one for a record line: a long name is cut to fit.
std::string comment_line(std::string line) {
    for (char& c : line)
        if (c == '\n' || c == '\r') c = ' ';
    constexpr size_t kMaxCommentBytes = 254;
    if (line.size() > kMaxCommentBytes) line.resize(kMaxCommentBytes);
    return line + "\n";
}

}  // namespace

void write_banner(std::string& out, const std::string& zone_name, const std::string& author) {
    const std::string stars(81, '*');
    out += stars + "\n";
    out += comment_line("*** Zone : " + zone_name);
    out += comment_line("*** Author : " + author);
    out += "*** Zone formatted by Tarnwick - mailto:builders@tarnwick.invalid\n";
    out += stars + "\n";
}

}  // namespace tarnwick
