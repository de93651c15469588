#pragma once
// Messages shown to the user as message boxes and file choosers.

#include <QString>
#include <QWidget>
#include <QPointer>

#include "world/messages.h"

namespace tarnwick::ui {

// "A|*.x|B|*.y" as Qt's ";;"-separated filter "A (*.x);;B (*.y)".
QString qt_file_filter(const std::string& filter);

class DialogMessages : public Messages {
public:
    explicit DialogMessages(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }

    void show(const std::string& text) override;
    void warn(const std::string& title, const std::string& text) override;
    Answer ask(const std::string& text, bool with_cancel = false) override;
    Answer ask_titled(const std::string& title, const std::string& text) override;
    Answer ask_buttons(const std::string& text, const std::string& yes,
                       const std::string& no) override;
    std::optional<std::string> choose_file(const FileChoice& choice) override;

private:
    // The window the builder is working in, else the parent: a box over
    // the thin main window would cover its menu bar and sit far from the
    // editor that asked.
    QWidget* owner() const;
    QPointer<QWidget> parent_;
};

}  // namespace tarnwick::ui
