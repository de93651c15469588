#include "token_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "world/bitvector.h"
#include "world/scan.h"
#include "world/shop_record.h"

namespace tarnwick::testkit {

namespace {

struct Token {
    std::string text;
    int line = 0;
};

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// The blank-separated words of one line, with every '~' a token of its own.
void split(const std::string& line, int number, std::vector<Token>& out) {
    std::string word;
    const auto flush = [&] {
        if (!word.empty()) out.push_back({word, number});
        word.clear();
    };
    for (char c : line) {
        if (blank(c)) {
            flush();
        } else if (c == '~') {
            flush();
            out.push_back({"~", number});
        } else {
            word += c;
        }
    }
    flush();
}

bool is_integer(const std::string& t) {
    size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) return false;
    for (; i < t.size(); ++i)
        if (t[i] < '0' || t[i] > '9') return false;
    return true;
}

// A zone command: its letter and the numbers the server reads; what
// follows is a comment. False at the end of the commands.
bool split_command(const std::string& line, int number, std::vector<Token>& out) {
    std::vector<Token> words;
    split(line, number, words);
    if (words.empty() || words[0].text[0] == '*') return true;
    const char letter = words[0].text[0];
    if (letter == 'S' || letter == '$') {
        out.push_back({"$", number});
        return false;
    }
    const bool four = letter == 'M' || letter == 'O' || letter == 'E' || letter == 'P' || letter == 'D';
    const size_t wanted = four ? 5 : 4;
    for (size_t i = 0; i < words.size() && i < wanted; ++i) {
        if (i > 0 && !is_integer(words[i].text)) break;
        out.push_back(words[i]);
    }
    return true;
}

// A shop line that starts with a buy type's name starts with its number.
std::string type_by_number(const std::string& line) {
    for (size_t t = 0; t < shop_type_names.size(); ++t)
        if (starts_with_nocase(line, shop_type_names[t]))
            return std::to_string(t) + " " + line.substr(std::string(shop_type_names[t]).size());
    return line;
}

// Rooms, section by section: the zone number of each room's flags line
// (the writer puts the project's there), and its exits in direction order
// before its extra descriptions, as the writer orders them.
class RoomTokens {
public:
    explicit RoomTokens(std::vector<Token>& out) : out_(out) {}

    // False at the end mark.
    bool line(const std::string& text, int number) {
        std::vector<Token> words;
        split(text, number, words);
        if (tildes_left_ > 0) {
            for (const auto& w : words)
                if (w.text == "~") --tildes_left_;
            take(words);
            if (tildes_left_ == 0 && section_ == &head_) flags_line_next_ = true;
            return true;
        }
        if (flags_line_next_) {
            flags_line_next_ = false;
            if (!words.empty()) words[0].text = "zone";
            take(words);
            return true;
        }
        if (exit_numbers_next_) {
            exit_numbers_next_ = false;
            take(words);
            return true;
        }
        const char first = text[0];
        if (first == '$') {
            out_.push_back({"$", number});
            return false;
        }
        if (first == '#') {
            head_.clear();
            exits_.clear();
            extras_.clear();
            section_ = &head_;
            tildes_left_ = 2;
        } else if (first == 'D') {
            exits_.push_back({std::atoi(text.c_str() + 1), {}});
            section_ = &exits_.back().second;
            tildes_left_ = 2;
            exit_numbers_next_ = true;
        } else if (first == 'E') {
            extras_.emplace_back();
            section_ = &extras_.back();
            tildes_left_ = 2;
        } else if (first == 'S') {
            std::stable_sort(exits_.begin(), exits_.end(),
                             [](const auto& a, const auto& b) { return a.first < b.first; });
            emit(head_);
            for (const auto& e : exits_) emit(e.second);
            for (const auto& e : extras_) emit(e);
            out_.push_back({"S", number});
            section_ = nullptr;
            return true;
        }
        take(words);
        return true;
    }

private:
    void take(std::vector<Token>& words) {
        auto& into = section_ ? *section_ : out_;
        for (auto& w : words) into.push_back(std::move(w));
    }
    void emit(const std::vector<Token>& tokens) { out_.insert(out_.end(), tokens.begin(), tokens.end()); }

    std::vector<Token>& out_;
    std::vector<Token> head_;
    std::vector<std::pair<int, std::vector<Token>>> exits_;
    std::vector<std::vector<Token>> extras_;
    std::vector<Token>* section_ = nullptr;
    int tildes_left_ = 0;
    bool flags_line_next_ = false, exit_numbers_next_ = false;
};

// Objects: each record's extra descriptions before its affects, as the
// writer orders them, whatever the original's order.
class ObjectTokens {
public:
    explicit ObjectTokens(std::vector<Token>& out) : out_(out) {}

    // False at the end mark.
    bool line(const std::string& text, int number) {
        std::vector<Token> words;
        split(text, number, words);
        if (tildes_left_ > 0) {
            for (const auto& w : words)
                if (w.text == "~") --tildes_left_;
        } else if (lines_left_ > 0) {
            --lines_left_;
        } else if (text[0] == '#' || text[0] == '$') {
            flush();
            if (text[0] == '$') {
                out_.push_back({"$", number});
                return false;
            }
            section_ = &out_;
            tildes_left_ = 4;
            lines_left_ = 3;
        } else if (text[0] == 'E') {
            section_ = &extras_;
            tildes_left_ = 2;
        } else if (text[0] == 'A') {
            section_ = &affects_;
            lines_left_ = 1;
        }
        for (auto& w : words) section_->push_back(std::move(w));
        return true;
    }

private:
    void flush() {
        out_.insert(out_.end(), extras_.begin(), extras_.end());
        out_.insert(out_.end(), affects_.begin(), affects_.end());
        extras_.clear();
        affects_.clear();
    }

    std::vector<Token>& out_;
    std::vector<Token> extras_, affects_;
    std::vector<Token>* section_ = &out_;
    int tildes_left_ = 0, lines_left_ = 0;
};

std::vector<Token> tokens_of(const std::string& bytes, const std::string& format) {
    const bool zone = format == "zone", shop = format == "shop";
    std::vector<Token> out;
    RoomTokens rooms(out);
    ObjectTokens objects(out);
    size_t pos = bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int number = 0, content_lines = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '*') continue;
        if (format == "room" || format == "object") {
            if (!(format == "room" ? rooms.line(line, number) : objects.line(line, number))) break;
            continue;
        }
        // The end mark ends the file for the server: "$" and "$~" alike.
        if (line[0] == '$') {
            out.push_back({"$", number});
            break;
        }
        // Zone files: three header lines, then one command per line.
        if (zone && ++content_lines > 3) {
            if (!split_command(line, number, out)) break;
        } else if (shop) {
            std::vector<Token> words;
            split(type_by_number(line), number, words);
            for (auto& w : words)
                if (w.text != "0" && w.text != "-1") out.push_back(std::move(w));
        } else {
            split(line, number, out);
        }
    }
    return out;
}

bool is_letters(const std::string& t) {
    for (char c : t)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    return true;
}

bool is_number(const std::string& t, double& value) {
    char* end = nullptr;
    value = std::strtod(t.c_str(), &end);
    return end && *end == '\0' && end != t.c_str();
}

bool same(const std::string& a, const std::string& b) {
    if (a == b) return true;
    double x = 0, y = 0;
    if (is_number(a, x) && is_number(b, y)) return std::fabs(x - y) < 1e-6;
    const bool flags_a = is_letters(a) || is_integer(a), flags_b = is_letters(b) || is_integer(b);
    return flags_a && flags_b && (is_letters(a) || is_letters(b)) &&
           flags_from_text(a) == flags_from_text(b);
}

}  // namespace

std::string compare_tokens(const std::string& original, const std::string& saved,
                           const std::string& format) {
    const std::vector<Token> a = tokens_of(original, format), b = tokens_of(saved, format);
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (same(a[i].text, b[i].text)) continue;
        return "token " + std::to_string(i + 1) + " differs: original line " +
               std::to_string(a[i].line) + " '" + a[i].text + "', saved line " +
               std::to_string(b[i].line) + " '" + b[i].text + "'";
    }
    if (a.size() == b.size()) return {};
    const bool shorter = b.size() < a.size();
    const Token& extra = shorter ? a[n] : b[n];
    return std::string(shorter ? "the saved file ends early: original line "
                               : "the saved file goes on: saved line ") +
           std::to_string(extra.line) + " '" + extra.text + "'";
}

}  // namespace tarnwick::testkit
