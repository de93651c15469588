// The walk's primitives: the server's line and text reading, with the
// findings each can give.

#include <cstdint>

#include "analysis/preflight_walk.h"
#include "world/scan.h"
#include "world/text_limits.h"

namespace tarnwick {

std::string quoted(std::string_view line) {
    std::string out = "'";
    for (char c : line) {
        if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out + "'";
}

std::string stray(std::string_view line, const char* expecting) {
    std::string text = std::string("expecting ") + expecting + ", found " + quoted(line);
    if (line == "\r") text += " (a lone CR: lines of this file end in CR LF)";
    return text;
}

int numbers_on(std::string_view line) {
    int32_t n[5] = {};
    return scan_numbers(line, n[0], n[1], n[2], n[3], n[4]);
}

void PreflightWalk::add(int line, std::string field, std::string message) {
    out_.push_back({file_, line, record, std::move(field), std::move(message)});
}

void PreflightWalk::warn(int line, std::string field, std::string message) {
    add(line, std::move(field), std::move(message));
    out_.back().warning = true;
}

bool PreflightWalk::fatal(int line, std::string field, std::string message) {
    add(line, std::move(field), std::move(message) + "; the server stops here");
    return false;
}

void PreflightWalk::report_long_lines() {
    for (auto [number, bytes] : in.take_long_lines())
        add(number, "", "line of " + std::to_string(bytes) + " bytes: the server reads at most " +
                            std::to_string(in.max_line_bytes()) +
                            " and takes the rest for the next line");
}

bool PreflightWalk::line(std::string_view& out, const char* field, const char* expected) {
    const bool got = in.get_line(out);
    report_long_lines();
    if (got) return true;
    if (in.unbroken())
        return fatal(in.line(), field,
                     std::string("the last line has no line break after it, and the server does "
                                 "not read a line without one (expecting ") +
                         expected + ")");
    return fatal(in.line(), field, std::string("the file ends where ") + expected + " is due");
}

bool PreflightWalk::text(const char* field, std::string_view* out) {
    std::string_view text;
    int start = 0;
    if (!in.tilde_text(text, start))
        return fatal(start, field, "the file ends inside this text (no '~')");
    if (out) *out = text;
    const bool tba = dialect() == Dialect::TbaMud;
    const TextLimitProblem problem = tba ? check_tba_text_limits(text) : check_text_limits(text);
    if (problem.kind == TextLimitProblem::Kind::line_too_long)
        add(start + int(problem.line) - 1, field,
            "text line of " + std::to_string(problem.length) + " bytes: the server keeps at most " +
                std::to_string(tba ? kTbaMaxTextLineBytes : kServerMaxTextLineBytes) +
                " and overruns its line buffer or reads the rest as more lines");
    else if (problem.kind == TextLimitProblem::Kind::text_too_long)
        return fatal(start, field,
                     "text of " + std::to_string(problem.length) +
                         " bytes once each line end is CR LF: the server's limit is " +
                         std::to_string(tba ? kTbaMaxTextBytes : kServerMaxTextBytes));
    return true;
}

bool PreflightWalk::record_number(std::string_view line, const char* what, int& vnum) {
    size_t at = 1;
    int32_t number = 0;
    if (!parse_int32(line, at, number))
        return fatal(in.line(), "", std::string("no ") + what + " number after '#': " + quoted(line));
    vnum = number;
    record = std::string(what) + " #" + std::to_string(number);
    if (number < 0)
        add(in.line(), "vnum", "a negative vnum, which the server cannot place");
    else if (dialect() == Dialect::TbaMud) {
        // tbaMUD's vnums are unsigned, 65535 meaning none.
        if (number >= UINT16_MAX && number < 99999)
            add(in.line(), "vnum",
                "the server holds vnums up to 65534 and reads this one as " +
                    std::to_string(uint16_t(number)));
    } else if (number > INT16_MAX && number < 99999)
        add(in.line(), "vnum",
            "the server holds vnums up to 32767 and reads this one as " +
                std::to_string(int16_t(uint16_t(number))));
    return true;
}

}  // namespace tarnwick
