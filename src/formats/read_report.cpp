#include "formats/read_report.h"

#include "world/text_source.h"

namespace tarnwick {

void ReadReport::pass_on() {
    for (const auto& e : held_.entries) {
        if (e.kind == "warn")
            out_.warn(e.title, e.text);
        else
            out_.show(e.text);
    }
    held_.clear();
}

int ReadReport::damaged(const TextSource& in, size_t damaged_at, int loaded, const char* kind) {
    const std::string& bytes = in.data();
    int unread = 0;
    for (size_t at = damaged_at; at < bytes.size();) {
        if (bytes[at] == '#') ++unread;
        const size_t next = bytes.find('\n', at);
        if (next == std::string::npos) break;
        at = next + 1;
    }
    std::string said;
    for (const auto& e : held_.entries) {
        std::string text = e.text;
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
        if (text.empty()) continue;
        if (!said.empty()) said += ' ';
        said += text;
        if (said.back() != '.' && said.back() != '!' && said.back() != '?') said += '.';
    }
    held_.clear();
    const std::string file = in.name().empty() ? std::string("The file") : in.name();
    std::string what = kind;
    if (loaded == 1 && !what.empty() && what.back() == 's') what.pop_back();
    const std::string detail = said.empty() ? std::string(".") : ": " + said;
    const int line = in.line_at(damaged_at);
    std::string text = file + " could not be read from line " + std::to_string(line) + " on" +
                       detail + " ";
    if (unread == 0)
        text += "No record was lost";
    else
        text += std::to_string(unread) + (unread == 1 ? " record" : " records") +
                " could not be read";
    text += loaded == 0 ? std::string("; none came before.")
                        : (unread == 0 ? ": the " : "; the ") + std::to_string(loaded) + " " +
                              what + " before line " + std::to_string(line) +
                              (loaded == 1 ? " was" : " were") + " loaded.";
    out_.show(text);
    return unread;
}

}  // namespace tarnwick
