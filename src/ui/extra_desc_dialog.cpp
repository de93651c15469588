#include "ui/extra_desc_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <QFontMetrics>
#include <QVBoxLayout>

#include "ui/editor_text.h"

namespace tarnwick::ui {

TExtraDescForm::TExtraDescForm(QWidget* parent) : QDialog(parent) {
    setObjectName("TExtraDescForm");
    setWindowTitle(tr("Extra Descriptions"));
    setModal(true);
    // Takes the general font and colour of the editor that owns it.
    setAttribute(Qt::WA_WindowPropagation);
    auto* layout = new QVBoxLayout(this);
    keywords_ = new QLineEdit(this);
    keywords_->setObjectName("EdKeywords");
    auto* keywords_label = new QLabel(tr("Keywords (separated by spaces):"), this);
    keywords_label->setBuddy(keywords_);
    description_ = new QPlainTextEdit(this);
    description_->setObjectName("MemoDesc");
    auto* description_label = new QLabel(tr("De&scription"), this);
    description_label->setBuddy(description_);
    layout->addWidget(keywords_label);
    layout->addWidget(keywords_);
    layout->addWidget(description_label);
    layout->addWidget(description_, 1);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName("OkBtn");
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("CancelBtn");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TExtraDescForm::edit(ExtraDescForm& form) {
    keywords_->setText(to_qt(form.keywords));
    description_->setPlainText(memo_to_qt(form.description));
    keywords_->setFocus();
    // Room for 80 columns of the memo font, as wide as a player's screen,
    // so the text wraps where it will be read.
    const QFontMetrics metrics(description_->font());
    const int inside = 2 * (description_->frameWidth() +
                            int(description_->document()->documentMargin()) + 1);
    description_->setMinimumWidth(metrics.horizontalAdvance(QString(80, QLatin1Char('m'))) + inside +
                                  style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    description_->setMinimumHeight(metrics.lineSpacing() * 8 + inside);
    if (exec() != QDialog::Accepted) return false;
    form.keywords = from_qt(keywords_->text());
    form.description = memo_from_qt(description_->toPlainText());
    return true;
}

void TExtraDescForm::set_memo_style(const QFont& font, const QColor& text, const QColor& back) {
    description_->setFont(font);
    QPalette p = description_->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, back);
    description_->setPalette(p);
}

}  // namespace tarnwick::ui
