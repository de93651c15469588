#include "world/text_source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "world/messages.h"

namespace tarnwick {

namespace {

// Text mode: every CR LF pair becomes LF. A lone CR stays. Files with LF
// line ends (the usual case) pass through untouched.
std::string to_text_mode(std::string bytes) {
    size_t in = bytes.find('\r');
    if (in == std::string::npos) return bytes;
    size_t out = in;
    while (in < bytes.size()) {
        const size_t cr = bytes.find('\r', in);
        const size_t end = cr == std::string::npos ? bytes.size() : cr;
        if (end > in) {
            std::memmove(&bytes[out], &bytes[in], end - in);
            out += end - in;
        }
        if (cr == std::string::npos) break;
        if (cr + 1 >= bytes.size() || bytes[cr + 1] != '\n') bytes[out++] = '\r';
        in = cr + 1;
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
    // Skipped lines are never copied; the line returned is copied once.
    int count = 0;
    while (pos_ < data_.size()) {
        size_t end = data_.find('\n', pos_);
        const size_t next = end == std::string::npos ? data_.size() : end + 1;
        if (end == std::string::npos) end = data_.size();
        ++count;
        const size_t start = pos_;
        pos_ = next;
        if (end == start || data_[start] == '*') continue;
        out.assign(data_, start, end - start);
        return count;
    }
    return 0;
}

int TextSource::count_record_lines() const {
    int count = 0;
    const char* p = data_.data();
    const char* const end = p + data_.size();
    while (p < end) {
        if (*p == '#') ++count;
        const void* nl = std::memchr(p, '\n', size_t(end - p));
        if (!nl) break;
        p = static_cast<const char*>(nl) + 1;
    }
    return count;
}

std::string TextSource::read_tilde_string(int& indicator, Messages& messages) {
    // The usual string: its tilde lies within the longest text allowed.
    // Lines are joined by LF in the buffer just as in the result, so the
    // text is one copy of the bytes before the tilde.
    if (pos_ < data_.size()) {
        const size_t window = std::min(data_.size() - pos_, kMaxTildeString + 1);
        const void* found = std::memchr(data_.data() + pos_, '~', window);
        if (found) {
            const size_t tilde = size_t(static_cast<const char*>(found) - data_.data());
            std::string text(data_, pos_, tilde - pos_);
            const size_t end = data_.find('\n', tilde);
            pos_ = end == std::string::npos ? data_.size() : end + 1;
            return text;
        }
    }
    // Otherwise line by line, to stop where the text grows too long.
    std::string text;
    for (;;) {
        if (pos_ >= data_.size()) return {};  // end of file inside the string
        size_t end = data_.find('\n', pos_);
        const bool last = end == std::string::npos;
        if (last) end = data_.size();
        const std::string_view line(data_.data() + pos_, end - pos_);
        const size_t tilde = line.find('~');
        const bool complete = tilde != std::string_view::npos;
        const std::string_view kept = complete ? line.substr(0, tilde) : line;
        const size_t added = kept.size() + (complete ? 0 : 1);
        pos_ = last ? data_.size() : end + 1;
        if (text.size() + added > kMaxTildeString) {
            messages.show("SYSERR: String too large - truncated");
            indicator = kStringTooLong;
            return text;  // the rest of the string stays unread
        }
        text.append(kept);
        if (complete) return text;
        text.push_back('\n');
    }
}

}  // namespace tarnwick
