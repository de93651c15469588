#pragma once
// Help > Contents: the user guide, a Markdown file with its screenshots,
// shown in a browser window of its own.

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace tarnwick::ui {

// Where the guide is: PREFIX/share/doc/tarnwick/user-guide.md beside the
// program's bin/ folder (the build folder is laid out the same way).
QString user_guide_path(const QString& program_dir);

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the guide at `path`; false when it cannot be read.
    bool open_guide(const QString& path);
    QTextBrowser* browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

}  // namespace tarnwick::ui
