#pragma once
// The state shared by the per-format walks of the preflight check: where the
// server's reading stands, which record it is in, and what was found.

#include <string>
#include <vector>

#include "analysis/preflight.h"
#include "analysis/server_lines.h"

namespace tarnwick {

class PreflightWalk {
public:
    PreflightWalk(const PreflightInput& input, std::vector<PreflightFinding>& out)
        : in(input.bytes), file_(input.file), out_(out) {}

    ServerLines in;
    std::string record;  // the record being read, as findings name it

    void add(int line, std::string field, std::string message);
    // A finding after which the server stops booting: the walk stops too.
    bool fatal(int line, std::string field, std::string message);

    // The server's get_line; at the end of the file a fatal finding saying
    // that `expected` was due there.
    bool line(std::string_view& out, const char* field, const char* expected);
    // The server's fread_string with its limits; false (after a fatal
    // finding) when the file ends inside the text.
    bool text(const char* field, std::string_view* out = nullptr);
    // "#N" at the start of a record line; false (after a fatal finding) when
    // the line holds no number. Vnums the server cannot hold are reported.
    bool record_number(std::string_view line, const char* what, int& vnum);

private:
    void report_long_lines();
    std::string file_;
    std::vector<PreflightFinding>& out_;
};

// Quotes a line as the server's own messages do: 'LINE', a CR shown as \r.
std::string quoted(std::string_view line);

// The walks of each format; false when the server would stop in the file.
// The rooms walk also answers the highest room vnum it read.
bool walk_rooms(PreflightWalk& walk, int& highest_vnum);
bool walk_mobiles(PreflightWalk& walk);
bool walk_objects(PreflightWalk& walk);
bool walk_zone(PreflightWalk& walk);
bool walk_shops(PreflightWalk& walk);

}  // namespace tarnwick
