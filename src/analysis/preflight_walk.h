#pragma once
// The state shared by the per-format walks of the preflight check: where the
// server's reading stands, which record it is in, and what was found.

#include <string>
#include <vector>

#include "analysis/preflight.h"
#include "analysis/server_lines.h"
#include "world/text_limits.h"

namespace tarnwick {

constexpr int kServerEndVnum = 99999;  // a record number that ends the file
constexpr int kServerMaxAffects = 6;

class PreflightWalk {
public:
    PreflightWalk(const PreflightInput& input, std::vector<PreflightFinding>& out)
        : in(input.bytes, input.dialect), file_(input.file), out_(out) {}

    ServerLines in;
    std::string record;  // the record being read, as findings name it

    void add(int line, std::string field, std::string message);
    // A finding that holds only under some of the server's settings.
    void warn(int line, std::string field, std::string message);
    // A finding after which the server stops booting: the walk stops too.
    bool fatal(int line, std::string field, std::string message);

    // The server's get_line; at the end of the file a fatal finding saying
    // that `expected` was due there.
    bool line(std::string_view& out, const char* field, const char* expected);
    Dialect dialect() const { return in.dialect(); }

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
// "expecting WHAT, found 'LINE'", with a word on a lone CR.
std::string stray(std::string_view line, const char* expecting);
// How many numbers start the line, up to five.
int numbers_on(std::string_view line);

// The walks of each format; false when the server would stop in the file.
// The rooms walk also answers the lowest and highest room vnums it read.
bool walk_rooms(PreflightWalk& walk, int& lowest_vnum, int& highest_vnum);
bool walk_mobiles(PreflightWalk& walk);
bool walk_objects(PreflightWalk& walk);
bool walk_zone(PreflightWalk& walk);
bool walk_shops(PreflightWalk& walk);

// tbaMUD's own layouts of rooms, mobiles and objects (trigger lines, four
// flag words); its zone file and CircleMUD 3.1's (a bot before the top, the
// command lines counted before they are read) go through walk_later_zone.
bool walk_tba_rooms(PreflightWalk& walk, int& lowest_vnum, int& highest_vnum);
bool walk_tba_mobiles(PreflightWalk& walk);
bool walk_tba_objects(PreflightWalk& walk);

// What the zone header gave, for the checks against the rooms file.
struct ZoneHeader {
    int number = 0;
    int bot = 0;
    int top = 0;
    int top_line = 0;
    bool read = false;
};
bool walk_later_zone(PreflightWalk& walk, ZoneHeader& header);

// tbaMUD's fread_string limits on a text (the bytes before its last '~'):
// 510 bytes a line and 49,151 in all once each line end is CR LF.
constexpr std::size_t kTbaMaxTextLineBytes = 510;
constexpr std::size_t kTbaMaxTextBytes = 49151;
TextLimitProblem check_tba_text_limits(std::string_view text);

}  // namespace tarnwick
