#pragma once
// The one way the core talks to the user: every message box, question and
// file chooser goes through this interface. The editor implements it with
// dialogs, the command-line tool with stderr, the tests with a recorder.

#include <optional>
#include <string>
#include <vector>

namespace tarnwick {

enum class Answer { Yes, No, Cancel };

struct FileChoice {
    bool save = false;        // a save chooser rather than an open chooser
    std::string title;        // chooser caption
    std::string filter;       // "Text|*.x|Other|*.y" form
    std::string default_ext;  // appended when the user types none
    std::string initial;      // proposed file name
};

class Messages {
public:
    virtual ~Messages() = default;
    // A plain message box.
    virtual void show(const std::string& text) = 0;
    // A warning box with its own title.
    virtual void warn(const std::string& title, const std::string& text) = 0;
    // A Yes/No question (with_cancel adds Cancel).
    virtual Answer ask(const std::string& text, bool with_cancel = false) = 0;
    // A Yes/No question box with its own title; plain ask() where no title
    // can be shown.
    virtual Answer ask_titled(const std::string& title, const std::string& text) {
        (void)title;
        return ask(text, false);
    }
    // A question whose two buttons say what each does ("Save anyway",
    // "Keep the file"): Yes for the first. Plain ask() where buttons cannot
    // be named.
    virtual Answer ask_buttons(const std::string& text, const std::string& yes,
                               const std::string& no) {
        (void)yes;
        (void)no;
        return ask(text, false);
    }
    // A file chooser; nullopt when the user cancels.
    virtual std::optional<std::string> choose_file(const FileChoice& choice) = 0;
};

// Records every message and answers from queues; used by tests and by
// callers that want to collect messages before printing them.
class MessageRecorder : public Messages {
public:
    struct Entry {
        std::string kind;  // "show", "warn", "ask", "file"
        std::string title;
        std::string text;
    };
    std::vector<Entry> entries;
    std::vector<Answer> answers;                          // consumed front first
    std::vector<std::optional<std::string>> file_answers; // consumed front first
    Answer default_answer = Answer::Yes;

    void show(const std::string& text) override;
    void warn(const std::string& title, const std::string& text) override;
    Answer ask(const std::string& text, bool with_cancel = false) override;
    Answer ask_titled(const std::string& title, const std::string& text) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;

    // The texts alone, in order.
    std::vector<std::string> texts() const;
    void clear() { entries.clear(); }
};

// Discards everything and answers No; for callers that want silence.
class SilentMessages : public Messages {
public:
    void show(const std::string&) override {}
    void warn(const std::string&, const std::string&) override {}
    Answer ask(const std::string&, bool) override { return Answer::No; }
    std::optional<std::string> choose_file(const FileChoice&) override { return std::nullopt; }
};

}  // namespace tarnwick
