#pragma once
// A world file's bytes read the way the server's loader reads them: its
// get_line (256-byte buffer, blank and '*' lines skipped, a last line without
// a line break not read at all) and its fread_string (text up to '~').
// CircleMUD 3.1 and tbaMUD read lines with a later get_line (a line starting
// with CR is blank too, trailing CRs are dropped, a last line without a line
// break is read); tbaMUD ends a text only at a '~' that ends its line.

#include <string_view>
#include <utility>
#include <vector>

#include "world/dialect.h"

namespace tarnwick {

class ServerLines {
public:
    explicit ServerLines(std::string_view bytes, Dialect dialect = Dialect::Circle30)
        : data_(bytes), dialect_(dialect) {}

    // The server's line buffer holds 255 bytes with the line break.
    static constexpr std::size_t kMaxLineBytes = 254;
    // The later get_line reads 255 bytes at a time and skips what is left
    // of a line when it is only its line break.
    static constexpr std::size_t kLaterMaxLineBytes = 255;
    std::size_t max_line_bytes() const {
        return dialect_ == Dialect::Circle30 ? kMaxLineBytes : kLaterMaxLineBytes;
    }
    Dialect dialect() const { return dialect_; }
    std::string_view bytes() const { return data_; }

    // The next line that is neither empty nor a '*' comment, without its line
    // break. False at the end of the file, and for a last line with no line
    // break (the server stops reading there); `unbroken` then tells which.
    bool get_line(std::string_view& out);
    // The next physical line, whatever it holds; false at the end of the file.
    bool raw_line(std::string_view& out);
    int line() const { return line_; }  // 1-based line of the last line read
    bool unbroken() const { return unbroken_; }

    // Lines read by get_line (comments included) longer than the server's
    // buffer, as (line, bytes): the server reads the rest as another line.
    std::vector<std::pair<int, std::size_t>> take_long_lines() { return std::exchange(long_, {}); }

    // The bytes up to the next '~' and the line the text starts on; false
    // when the file ends first. The rest of the '~' line is skipped.
    // tbaMUD: up to the first '~' that is the last byte of its line (line
    // breaks and CRs after it aside).
    bool tilde_text(std::string_view& out, int& start_line);

    // tbaMUD's fread_letter: skips white space (line breaks included) and
    // answers the next byte, left unread; '\0' at the end of the file.
    char peek_letter();

private:
    bool later_get_line(std::string_view& out);
    bool line_end_tilde_text(std::string_view& out, int& start_line);

    std::string_view data_;
    Dialect dialect_;
    std::size_t pos_ = 0;
    int line_ = 0;
    bool unbroken_ = false;
    std::vector<std::pair<int, std::size_t>> long_;
};

}  // namespace tarnwick
