#include "analysis/server_lines.h"

#include <algorithm>
#include <cstring>

namespace tarnwick {

bool ServerLines::get_line(std::string_view& out) {
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

bool ServerLines::tilde_text(std::string_view& out, int& start_line) {
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
