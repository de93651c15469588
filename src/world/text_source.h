#pragma once
// A world file held in memory and read line by line, as the readers of
// every format need it. CR LF reads exactly like LF; a line of any length is
// read whole; a last line without a line break is still a line. A UTF-8
// byte-order mark at the very start (Windows editors write one) is skipped.

#include <string>
#include <string_view>
#include <vector>

#include "world/dialect.h"

namespace tarnwick {

class Messages;

// Read error indicator values shared by the readers of one load.
enum ReadError { kNoReadError = 0, kExitLineError = 1, kStringTooLong = 2 };

// Longest text a tilde string may hold (the server's own limit); tbaMUD
// reads texts six times longer.
constexpr size_t kMaxTildeString = 8191;
constexpr size_t kMaxTbaMudString = 49151;

class TextSource {
public:
    TextSource() = default;
    explicit TextSource(std::string bytes);

    // Reads a whole file; false (with a reason) when it cannot be read.
    // Messages name the file by its last path component.
    bool open(const std::string& path, std::string* reason = nullptr);

    // The file name that messages about this source give ("30.wld"), or empty.
    const std::string& name() const { return name_; }
    void set_name(std::string name) { name_ = std::move(name); }

    bool at_end() const { return pos_ >= data_.size(); }
    void rewind() { pos_ = 0; }
    // The first byte after white space from the read position, without
    // reading it, as the server peeks for a record's trigger lines; 0 at
    // the end of the file.
    char peek_letter() const;
    const std::string& data() const { return data_; }
    // The file's own bytes, before text mode (CR LF, a byte-order mark),
    // and where a position of data() lies in them.
    const std::string& raw() const { return raw_.empty() ? data_ : raw_; }
    size_t raw_offset(size_t offset) const;

    // Next physical line, without its line break; false at end of file.
    bool raw_line(std::string& out);

    // Next line that is neither empty nor a comment (first byte '*').
    // Answers the physical lines consumed, or 0 at end of file.
    int read_line(std::string& out);
    // The same line as a view into the buffer, valid while the source
    // lives; readers that only scan a line need no copy of it.
    int read_line(std::string_view& out);

    // Read position, and the 1-based physical line of any position; lines
    // are counted only when a message needs the number.
    size_t position() const { return pos_; }
    int line_at(size_t offset) const;
    // Where the line last answered by read_line starts.
    size_t line_start() const { return line_start_; }
    // "Unexpected line 57 in 30.wld: 'xyz' (expecting #vnum or $)" for the
    // line last answered by read_line.
    std::string unexpected_line(std::string_view line, std::string_view expecting) const {
        return unexpected_line_at(line_start_, line, expecting);
    }
    // The same for the line that starts at `offset`.
    std::string unexpected_line_at(size_t offset, std::string_view line,
                                   std::string_view expecting) const;

    // Number of lines whose first byte is '#', over the whole file.
    int count_record_lines() const;

    // Text up to the next '~'; empty when the string is empty or the file
    // ends first. Sets `indicator` to kStringTooLong (after showing the
    // message) when the text exceeds kMaxTildeString bytes.
    std::string read_tilde_string(int& indicator, Messages& messages);

    // How texts end and how long they may be. tbaMUD's rule: a '~' ends a
    // text only as the last byte of its line, one anywhere else is part of
    // the text, and a text may hold kMaxTbaMudString bytes. CircleMUD's
    // (until set): the first '~' ends it, the rest of its line is skipped.
    void set_text_rules(Dialect dialect) {
        tilde_at_line_end_ = dialect == Dialect::TbaMud;
        max_text_ = tilde_at_line_end_ ? kMaxTbaMudString : kMaxTildeString;
    }

private:
    void take(std::string bytes);

    std::string data_;
    std::string raw_;               // empty when the same as data_
    std::vector<size_t> dropped_;   // positions of LFs whose CR text mode dropped
    size_t bom_ = 0;
    std::string name_;
    size_t pos_ = 0;
    size_t line_start_ = 0;
    bool tilde_at_line_end_ = false;
    size_t max_text_ = kMaxTildeString;
};

}  // namespace tarnwick
