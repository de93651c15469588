#include "world/messages.h"

namespace tarnwick {

void MessageRecorder::show(const std::string& text) { entries.push_back({"show", "", text}); }

void MessageRecorder::warn(const std::string& title, const std::string& text) {
    entries.push_back({"warn", title, text});
}

Answer MessageRecorder::ask(const std::string& text, bool) {
    entries.push_back({"ask", "", text});
    if (answers.empty()) return default_answer;
    Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
}

Answer MessageRecorder::ask_titled(const std::string& title, const std::string& text) {
    Answer a = ask(text, false);
    entries.back().title = title;
    return a;
}

std::optional<std::string> MessageRecorder::choose_file(const FileChoice& choice) {
    entries.push_back({"file", choice.title, choice.filter});
    if (file_answers.empty()) return std::nullopt;
    auto a = file_answers.front();
    file_answers.erase(file_answers.begin());
    return a;
}

std::vector<std::string> MessageRecorder::texts() const {
    std::vector<std::string> out;
    for (const auto& e : entries) out.push_back(e.text);
    return out;
}

}  // namespace tarnwick
