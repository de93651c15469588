#include "ui/help_window.h"

#include <QDir>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarnwick::ui {

QString user_guide_path(const QString& program_dir) {
    return QDir(program_dir).absoluteFilePath("../share/doc/tarnwick/user-guide.md");
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName("THelpWindow");
    setWindowTitle(tr("Tarnwick Help"));
    browser_->setObjectName("GuideBrowser");
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(820, 680);
}

bool HelpWindow::open_guide(const QString& path) {
    const QFileInfo info(path);
    if (!info.isReadable()) return false;
    // Images in the guide are named relative to its folder.
    browser_->setSearchPaths({info.absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(info.absoluteFilePath()),
                        QTextDocument::MarkdownResource);
    return !browser_->document()->isEmpty();
}

}  // namespace tarnwick::ui
