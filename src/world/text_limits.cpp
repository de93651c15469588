// Measuring a text against the server's buffers.

#include "world/text_limits.h"

namespace tarnwick {

TextLimitProblem check_text_limits(std::string_view text) {
    TextLimitProblem problem;
    std::size_t line_ends = 0;
    std::size_t line = 1;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        // The server reads 511 bytes at a time and writes CR LF over the
        // line break: a longer line is read in pieces, and a line of 510
        // overruns the buffer. A CR before the line break is a byte of the
        // line; on the last line the `~` stands where the CR LF would go.
        const std::size_t length = (last ? text.size() : end) - start;
        if (length > kServerMaxTextLineBytes) {
            problem.kind = TextLimitProblem::Kind::line_too_long;
            problem.line = line;
            problem.length = length;
            return problem;
        }
        if (last) break;
        ++line_ends;
        ++line;
        start = end + 1;
    }
    const std::size_t bytes = text.size() + line_ends;
    if (bytes > kServerMaxTextBytes) {
        problem.kind = TextLimitProblem::Kind::text_too_long;
        problem.length = bytes;
    }
    return problem;
}

std::string text_limit_message(std::string_view field, const TextLimitProblem& problem) {
    std::string text(field);
    if (problem.kind == TextLimitProblem::Kind::line_too_long)
        return text + " is too long: its line " + std::to_string(problem.line) + " has " +
               std::to_string(problem.length) + " characters; a line may have at most " +
               std::to_string(kServerMaxTextLineBytes) + ".";
    return text + " is too long: " + std::to_string(problem.length) +
           " characters, each line break counted as two; a text may have at most " +
           std::to_string(kServerMaxTextBytes) + ".";
}

}  // namespace tarnwick
