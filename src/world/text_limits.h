#pragma once
// How long a `~`-ended text may be. The server reads each text line into a
// 512-byte buffer (a longer line is cut into pieces, each losing a byte, and
// the buffer overrun) and builds the text in an 8,192-byte one, turning every
// line end into CR LF; a text that reaches that size stops the boot.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarnwick {

// The most bytes our own readers take for one text.
constexpr std::size_t kReaderMaxTextBytes = 8191;
// The most bytes of one text line, not counting its line break or the `~`
// that ends the text (a CR before the line break counts: the server reads
// it too). The server puts CR LF in place of a line break inside a 512-byte
// buffer, so a line of 510 bytes overruns it; on the last line the `~`
// takes the place the CR LF would need.
constexpr std::size_t kServerMaxTextLineBytes = 509;
// The most bytes of a line that ends a text with its `~`.
constexpr std::size_t kServerMaxLineBytes = kServerMaxTextLineBytes + 1;
// The most bytes of a text once every line end counts as two.
constexpr std::size_t kServerMaxTextBytes = 8191;

struct TextLimitProblem {
    enum class Kind { none, line_too_long, text_too_long };
    Kind kind = Kind::none;
    std::size_t line = 0;    // 1-based line of the text (line_too_long)
    std::size_t length = 0;  // that line's bytes, or the whole text's
    explicit operator bool() const { return kind != Kind::none; }
};

// The first limit the text breaks when written as "TEXT~", or none.
TextLimitProblem check_text_limits(std::string_view text);

// What a builder is told when `field` (as "Room name") breaks a limit.
std::string text_limit_message(std::string_view field, const TextLimitProblem& problem);

}  // namespace tarnwick
