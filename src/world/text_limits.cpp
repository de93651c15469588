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
        // The server reads 511 bytes at a time: a line break or the `~`
        // within them ends the line whole.
        const std::size_t length = (last ? text.size() : end) - start;
        if (length > kServerMaxLineBytes) {
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

}  // namespace tarnwick
