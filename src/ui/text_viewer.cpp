#include "ui/text_viewer.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/apply_preferences.h"
#include "ui/cp1252.h"
#include "ui/fonts.h"

namespace tarnwick::ui {

TextViewer::TextViewer(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName("TTextViewer");
    setWindowTitle(tr("Tarnwick"));
    setModal(false);
    viewer_ = new QPlainTextEdit(this);
    viewer_->setObjectName("Viewer");
    viewer_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* select_all = new QPushButton(tr("Select &All"), this);
    select_all->setObjectName("SelectAllBtn");
    auto* copy = new QPushButton(tr("&Copy"), this);
    copy->setObjectName("CopyBtn");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("CloseBtn");
    connect(select_all, &QPushButton::clicked, this, &TextViewer::SelectAllClick);
    connect(copy, &QPushButton::clicked, this, &TextViewer::CopyClick);
    connect(close, &QPushButton::clicked, this, &TextViewer::CloseClick);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select_all);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(viewer_);
    layout->addLayout(buttons);
    resize(520, 360);
}

void TextViewer::set_text(const QString& text) { viewer_->setPlainText(text); }
QString TextViewer::text() const { return viewer_->toPlainText(); }
void TextViewer::apply_look(const TextAreaLook& look) { apply_text_look(viewer_, look); }
void TextViewer::SelectAllClick() { viewer_->selectAll(); }
void TextViewer::CopyClick() { viewer_->copy(); }
void TextViewer::CloseClick() { hide(); }

}  // namespace tarnwick::ui
