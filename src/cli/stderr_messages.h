#pragma once
// Messages of the command-line tool: every text goes to stderr exactly as
// the editor would show it, one after another; questions answer No.

#include <cstdio>

#include "world/messages.h"

namespace tarnwick::cli {

class StderrMessages : public Messages {
public:
    void show(const std::string& text) override { print(text); }
    void warn(const std::string& title, const std::string& text) override {
        print(title + ": " + text);
    }
    Answer ask(const std::string& text, bool) override {
        print(text + " [answered: " + (yes ? "Yes" : "No") + "]");
        return yes ? Answer::Yes : Answer::No;
    }
    std::optional<std::string> choose_file(const FileChoice&) override { return std::nullopt; }
    bool yes = false;  // the answer to every question

private:
    static void print(const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stderr);
        if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
    }
};

}  // namespace tarnwick::cli
