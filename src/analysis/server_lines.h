#pragma once
// A world file's bytes read the way the server's loader reads them: its
// get_line (256-byte buffer, blank and '*' lines skipped, a last line without
// a line break not read at all) and its fread_string (text up to '~').

#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick {

class ServerLines {
public:
    explicit ServerLines(std::string_view bytes) : data_(bytes) {}

    // The server's line buffer holds 255 bytes with the line break.
    static constexpr std::size_t kMaxLineBytes = 254;

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
    bool tilde_text(std::string_view& out, int& start_line);

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    int line_ = 0;
    bool unbroken_ = false;
    std::vector<std::pair<int, std::size_t>> long_;
};

}  // namespace tarnwick
