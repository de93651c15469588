#pragma once
// A world file held in memory and read line by line, as the readers of
// every format need it. CR LF reads exactly like LF; a line of any length is
// read whole; a last line without a line break is still a line.

#include <string>
#include <string_view>

namespace tarnwick {

class Messages;

// Read error indicator values shared by the readers of one load.
enum ReadError { kNoReadError = 0, kExitLineError = 1, kStringTooLong = 2 };

// Longest text a tilde string may hold (the server's own limit).
constexpr size_t kMaxTildeString = 8191;

class TextSource {
public:
    TextSource() = default;
    explicit TextSource(std::string bytes);

    // Reads a whole file; false (with a reason) when it cannot be read.
    bool open(const std::string& path, std::string* reason = nullptr);

    bool at_end() const { return pos_ >= data_.size(); }
    void rewind() { pos_ = 0; }
    const std::string& data() const { return data_; }

    // Next physical line, without its line break; false at end of file.
    bool raw_line(std::string& out);

    // Next line that is neither empty nor a comment (first byte '*').
    // Answers the physical lines consumed, or 0 at end of file.
    int read_line(std::string& out);
    // The same line as a view into the buffer, valid while the source
    // lives; readers that only scan a line need no copy of it.
    int read_line(std::string_view& out);

    // Number of lines whose first byte is '#', over the whole file.
    int count_record_lines() const;

    // Text up to the next '~'; empty when the string is empty or the file
    // ends first. Sets `indicator` to kStringTooLong (after showing the
    // message) when the text exceeds kMaxTildeString bytes.
    std::string read_tilde_string(int& indicator, Messages& messages);

private:
    std::string data_;
    size_t pos_ = 0;
};

}  // namespace tarnwick
