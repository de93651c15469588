#include "world/text_source.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "world/file_path.h"
#include "world/messages.h"
#include "world/platform_files.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

// Text mode: every CR LF pair becomes LF. A lone CR stays. Files with LF
// line ends (the usual case) pass through untouched. `dropped` gets the
// text position of each LF that lost its CR.
std::string to_text_mode(std::string bytes, std::vector<size_t>* dropped = nullptr) {
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
        if (cr + 1 >= bytes.size() || bytes[cr + 1] != '\n')
            bytes[out++] = '\r';
        else if (dropped)
            dropped->push_back(out);
        in = cr + 1;
    }
    bytes.resize(out);
    return bytes;
}

// A UTF-8 byte-order mark is no part of the first line.
std::string without_bom(std::string bytes) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
    return bytes;
}

// The next line break at or after `from`. Most lines of a world file are a
// few bytes long ("S", "D0", "0 -1 3001"), where a plain loop beats the
// call to memchr that longer lines are left to.
size_t find_line_end(const std::string& data, size_t from) {
    const size_t near = std::min(data.size(), from + 16);
    for (size_t i = from; i < near; ++i)
        if (data[i] == '\n') return i;
    return near == data.size() ? std::string::npos : data.find('\n', near);
}

}  // namespace

TextSource::TextSource(std::string bytes) { take(std::move(bytes)); }

void TextSource::take(std::string bytes) {
    raw_.clear();
    dropped_.clear();
    bom_ = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    // The file's own bytes are held apart only when text mode changes them.
    if (bom_ || bytes.find('\r') != std::string::npos) raw_ = bytes;
    data_ = to_text_mode(without_bom(std::move(bytes)), &dropped_);
}

size_t TextSource::raw_offset(size_t offset) const {
    if (raw_.empty()) return offset;
    const auto before = std::lower_bound(dropped_.begin(), dropped_.end(), offset);
    return offset + bom_ + size_t(before - dropped_.begin());
}

bool TextSource::open(const std::string& path, std::string* reason) {
    // A directory is told apart only when opening or reading fails, which is
    // how it shows (opening refuses it on Windows, reading on Linux): the usual
    // open then costs no extra look-up of the path.
    const auto fail = [&](int error) {
        std::error_code ec;
        if (reason)
            *reason = std::filesystem::is_directory(native_path(path), ec) ? "is a directory"
                      : error != 0                             ? std::strerror(error)
                                                               : "read error";
        return false;
    };
    std::string bytes;
    int error = 0;
    if (!platform::read_whole_file(path, bytes, error)) return fail(error);
    take(std::move(bytes));
    name_ = std::filesystem::path(path).filename().string();
    pos_ = line_start_ = 0;
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
    std::string_view line;
    const int count = read_line(line);
    if (count) out.assign(line);
    return count;
}

int TextSource::read_line(std::string_view& out) {
    int count = 0;
    while (pos_ < data_.size()) {
        size_t end = find_line_end(data_, pos_);
        const size_t next = end == std::string::npos ? data_.size() : end + 1;
        if (end == std::string::npos) end = data_.size();
        ++count;
        const size_t start = pos_;
        pos_ = next;
        if (end == start || data_[start] == '*') continue;
        line_start_ = start;
        out = std::string_view(data_.data() + start, end - start);
        return count;
    }
    return 0;
}

int TextSource::line_at(size_t offset) const {
    const auto end = data_.begin() + std::ptrdiff_t(std::min(offset, data_.size()));
    return 1 + int(std::count(data_.begin(), end, '\n'));
}

std::string TextSource::unexpected_line_at(size_t offset, std::string_view line,
                                           std::string_view expecting) const {
    std::string text = "Unexpected line " + std::to_string(line_at(offset));
    if (!name_.empty()) text += " in " + name_;
    text += ": '";
    text += line;
    text += "' (expecting ";
    text += expecting;
    text += ")";
    return text;
}

int TextSource::count_record_lines() const {
    // Jumps from '#' to '#' (rare in a file) rather than from line to line.
    int count = 0;
    const char* const begin = data_.data();
    const char* const end = begin + data_.size();
    const char* p = begin;
    while (p < end) {
        const void* found = std::memchr(p, '#', size_t(end - p));
        if (!found) break;
        const char* hash = static_cast<const char*>(found);
        if (hash == begin || hash[-1] == '\n') ++count;
        p = hash + 1;
    }
    return count;
}

std::string TextSource::read_tilde_string(int& indicator, Messages& messages) {
    // The usual string: its tilde lies within the longest text allowed (and,
    // under the line-end rule, its first tilde ends its line). Lines are
    // joined by LF in the buffer just as in the result, so the text is one
    // copy of the bytes before the tilde.
    if (pos_ < data_.size()) {
        // An empty string (a lone "~" line) is the commonest of all.
        if (data_[pos_] == '~' && pos_ + 1 < data_.size() && data_[pos_ + 1] == '\n') {
            pos_ += 2;
            return {};
        }
        const size_t window = std::min(data_.size() - pos_, max_text_ + 1);
        const void* found = std::memchr(data_.data() + pos_, '~', window);
        const size_t tilde =
            found ? size_t(static_cast<const char*>(found) - data_.data()) : std::string::npos;
        const bool ends_line = found && (tilde + 1 == data_.size() || data_[tilde + 1] == '\n');
        if (found && (!tilde_at_line_end_ || ends_line)) {
            std::string text(data_, pos_, tilde - pos_);
            // The rest of the tilde's line is skipped; it is nearly always
            // just the line break.
            size_t end = tilde + 1;
            if (end < data_.size() && data_[end] != '\n') end = data_.find('\n', end);
            pos_ = end >= data_.size() ? data_.size() : end + 1;
            return text;
        }
    }
    // Otherwise line by line, to stop where the text grows too long. Under
    // the line-end rule only a '~' that ends its line ends the text.
    std::string text;
    for (;;) {
        if (pos_ >= data_.size()) return {};  // end of file inside the string
        size_t end = data_.find('\n', pos_);
        const bool last = end == std::string::npos;
        if (last) end = data_.size();
        const std::string_view line(data_.data() + pos_, end - pos_);
        const size_t tilde = tilde_at_line_end_
                                 ? (!line.empty() && line.back() == '~' ? line.size() - 1
                                                                        : std::string_view::npos)
                                 : line.find('~');
        const bool complete = tilde != std::string_view::npos;
        const std::string_view kept = complete ? line.substr(0, tilde) : line;
        const size_t added = kept.size() + (complete ? 0 : 1);
        pos_ = last ? data_.size() : end + 1;
        if (text.size() + added > max_text_) {
            messages.show("SYSERR: String too large - truncated");
            indicator = kStringTooLong;
            return text;  // the rest of the string stays unread
        }
        text.append(kept);
        if (complete) return text;
        text.push_back('\n');
    }
}

char TextSource::peek_letter() const {
    for (size_t p = pos_; p < data_.size(); ++p)
        if (!is_blank(data_[p])) return data_[p];
    return 0;
}

}  // namespace tarnwick
