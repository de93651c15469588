#include "analysis/server_lines.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace tarnwick {

bool ServerLines::get_line(std::string_view& out) {
    if (dialect_ != Dialect::Circle30) return later_get_line(out);
    unbroken_ = false;
    while (pos_ < data_.size()) {
        const std::size_t end = data_.find('\n', pos_);
        const std::string_view line =
            data_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        ++line_;
        pos_ = end == std::string_view::npos ? data_.size() : end + 1;
        if (end == std::string_view::npos) {
            // fgets sets end-of-file on a last line with no line break, and
            // the server then drops that line.
            unbroken_ = true;
            return false;
        }
        if (line.size() > kMaxLineBytes) long_.emplace_back(line_, line.size());
        if (line.empty() || line[0] == '*') continue;
        out = line;
        return true;
    }
    return false;
}

bool ServerLines::raw_line(std::string_view& out) {
    if (pos_ >= data_.size()) return false;
    const std::size_t end = data_.find('\n', pos_);
    out = data_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
    pos_ = end == std::string_view::npos ? data_.size() : end + 1;
    ++line_;
    return true;
}

bool ServerLines::later_get_line(std::string_view& out) {
    unbroken_ = false;
    while (pos_ < data_.size()) {
        const std::size_t end = data_.find('\n', pos_);
        std::string_view line =
            data_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_);
        ++line_;
        pos_ = end == std::string_view::npos ? data_.size() : end + 1;
        if (line.empty() || line[0] == '*' || line[0] == '\r') {
            if (line.size() > kLaterMaxLineBytes) long_.emplace_back(line_, line.size());
            continue;
        }
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() > kLaterMaxLineBytes) long_.emplace_back(line_, line.size());
        out = line;
        return true;
    }
    return false;
}

char ServerLines::peek_letter() {
    while (pos_ < data_.size() && std::isspace(static_cast<unsigned char>(data_[pos_]))) {
        if (data_[pos_] == '\n') ++line_;
        ++pos_;
    }
    return pos_ < data_.size() ? data_[pos_] : '\0';
}

bool ServerLines::line_end_tilde_text(std::string_view& out, int& start_line) {
    start_line = line_ + 1;
    for (std::size_t at = pos_; at < data_.size();) {
        const std::size_t end = data_.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? data_.size() : end + 1;
        std::size_t last = (end == std::string_view::npos ? data_.size() : end);
        while (last > at + 1 && data_[last - 1] == '\r') --last;
        ++line_;
        if (last > at && data_[last - 1] == '~') {
            out = data_.substr(pos_, last - 1 - pos_);
            pos_ = next;
            return true;
        }
        at = next;
    }
    pos_ = data_.size();
    return false;
}

bool ServerLines::tilde_text(std::string_view& out, int& start_line) {
    if (dialect_ == Dialect::TbaMud) return line_end_tilde_text(out, start_line);
    start_line = line_ + 1;
    const std::size_t tilde = data_.find('~', pos_);
    if (tilde == std::string_view::npos) {
        pos_ = data_.size();
        return false;
    }
    out = data_.substr(pos_, tilde - pos_);
    // Lines are long next to their breaks: memchr skips to each one.
    const char* const text_end = out.data() + out.size();
    for (const char* p = out.data(); !out.empty() && p < text_end; ++p) {
        p = static_cast<const char*>(std::memchr(p, '\n', size_t(text_end - p)));
        if (!p) break;
        ++line_;
    }
    ++line_;
    const std::size_t end = data_.find('\n', tilde);
    pos_ = end == std::string_view::npos ? data_.size() : end + 1;
    return true;
}

}  // namespace tarnwick
