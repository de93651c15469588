#include "world/text_source.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "world/messages.h"

namespace tarnwick {

namespace {

// Text mode: every CR LF pair becomes LF. A lone CR stays.
std::string to_text_mode(std::string bytes) {
    size_t out = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        bytes[out++] = bytes[i];
    }
    bytes.resize(out);
    return bytes;
}

}  // namespace

TextSource::TextSource(std::string bytes) : data_(to_text_mode(std::move(bytes))) {}

bool TextSource::open(const std::string& path, std::string* reason) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        if (reason) *reason = "is a directory";
        return false;
    }
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (reason) *reason = std::strerror(errno);
        return false;
    }
    std::string bytes;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    bool failed = std::ferror(f);
    std::fclose(f);
    if (failed) {
        if (reason) *reason = "read error";
        return false;
    }
    data_ = to_text_mode(std::move(bytes));
    pos_ = 0;
    return true;
}

bool TextSource::raw_line(std::string& out) {
    if (pos_ >= data_.size()) return false;
    size_t end = data_.find('\n', pos_);
    if (end == std::string::npos) {
        out.assign(data_, pos_, std::string::npos);
        pos_ = data_.size();
    } else {
        out.assign(data_, pos_, end - pos_);
        pos_ = end + 1;
    }
    return true;
}

int TextSource::read_line(std::string& out) {
    int count = 0;
    std::string line;
    while (raw_line(line)) {
        ++count;
        if (line.empty() || line[0] == '*') continue;
        out = std::move(line);
        return count;
    }
    return 0;
}

int TextSource::count_record_lines() const {
    int count = 0;
    bool line_start = true;
    for (char c : data_) {
        if (line_start && c == '#') ++count;
        line_start = c == '\n';
    }
    return count;
}

std::string TextSource::read_tilde_string(int& indicator, Messages& messages) {
    std::string text;
    std::string line;
    for (;;) {
        if (!raw_line(line)) return {};  // end of file inside the string
        size_t tilde = line.find('~');
        bool complete = tilde != std::string::npos;
        if (complete)
            line.resize(tilde);
        else
            line.push_back('\n');
        if (text.size() + line.size() > kMaxTildeString) {
            messages.show("SYSERR: String too large - truncated");
            indicator = kStringTooLong;
            return text;  // the rest of the string stays unread
        }
        text += line;
        if (complete) return text;
    }
}

}  // namespace tarnwick
