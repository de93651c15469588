#include "ui/script_edit.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QSyntaxHighlighter>
#include <QTextBlock>

#include "analysis/trigger_script.h"
#include "editors/trigger_editor.h"
#include "ui/editor_text.h"

namespace tarnwick::ui {

class LineNumberGutter : public QWidget {
public:
    explicit LineNumberGutter(ScriptEdit* edit) : QWidget(edit), edit_(edit) {
        setObjectName("lineNumbers");
    }
    QSize sizeHint() const override { return {edit_->gutter_width(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { edit_->paint_gutter(event); }

private:
    ScriptEdit* edit_;
};

namespace {

class ScriptHighlighter : public QSyntaxHighlighter {
public:
    ScriptHighlighter(QTextDocument* doc, const int& attach, const bool& dark)
        : QSyntaxHighlighter(doc), attach_(attach), dark_(dark) {}

protected:
    void highlightBlock(const QString& text) override {
        const std::string line = from_qt(text);
        for (const ScriptToken& t : script_tokens(line, attach_))
            setFormat(int(t.start), int(t.length), format(t.kind));
    }

private:
    QTextCharFormat format(ScriptTokenKind kind) const {
        QTextCharFormat f;
        f.setForeground(ScriptEdit::colour(kind, dark_));
        switch (kind) {
        case ScriptTokenKind::Comment: f.setFontItalic(true); break;
        case ScriptTokenKind::Keyword:
        case ScriptTokenKind::Command: f.setFontWeight(QFont::Bold); break;
        case ScriptTokenKind::Variable: break;
        case ScriptTokenKind::OpenVariable:
            f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
            f.setUnderlineColor(ScriptEdit::colour(kind, dark_));
            break;
        }
        return f;
    }
    const int& attach_;
    const bool& dark_;
};

int leading_blanks(const QString& line) {
    int n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
    return n;
}

}  // namespace

ScriptEdit::ScriptEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("scriptMemo");
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabChangesFocus(false);
    gutter_ = new LineNumberGutter(this);
    highlighter_ = new ScriptHighlighter(document(), attach_, dark_);
    set_memo_font(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(this, &QPlainTextEdit::blockCountChanged, this,
            [this] { setViewportMargins(gutter_width(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, &ScriptEdit::update_gutter);
    setViewportMargins(gutter_width(), 0, 0, 0);
}

void ScriptEdit::set_memo_font(const QFont& font) {
    QFont f = font;
    if (!QFontInfo(f).fixedPitch()) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        if (f.pointSize() > 0) fixed.setPointSize(f.pointSize());
        f = fixed;
    }
    f.setStyleHint(QFont::TypeWriter);
    setFont(f);
    gutter_->setFont(f);
    setTabStopDistance(QFontMetricsF(f).horizontalAdvance(' ') * kScriptIndent);
    setViewportMargins(gutter_width(), 0, 0, 0);
}

QColor ScriptEdit::colour(ScriptTokenKind kind, bool dark) {
    switch (kind) {
    case ScriptTokenKind::Comment: return dark ? QColor(150, 150, 150) : QColor(110, 110, 110);
    case ScriptTokenKind::Keyword: return dark ? QColor(235, 150, 255) : QColor(128, 0, 128);
    case ScriptTokenKind::Command: return dark ? QColor(120, 185, 255) : QColor(0, 0, 170);
    case ScriptTokenKind::Variable: return dark ? QColor(255, 205, 90) : QColor(150, 80, 0);
    case ScriptTokenKind::OpenVariable: return dark ? QColor(255, 90, 90) : QColor(200, 0, 0);
    }
    return {};
}

void ScriptEdit::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() != QEvent::PaletteChange) return;
    const bool dark = palette().color(QPalette::Base).lightness() < 128;
    if (dark == dark_) return;
    dark_ = dark;
    highlighter_->rehighlight();
}

void ScriptEdit::set_attach_type(int attach_type) {
    if (attach_type == attach_) return;
    attach_ = attach_type;
    highlighter_->rehighlight();
}

int ScriptEdit::gutter_width() const {
    int digits = 2;
    for (int n = std::max(1, blockCount()); n >= 100; n /= 10) ++digits;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

void ScriptEdit::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    gutter_->setGeometry(QRect(r.left(), r.top(), gutter_width(), r.height()));
}

void ScriptEdit::update_gutter(const QRect& rect, int dy) {
    if (dy)
        gutter_->scroll(0, dy);
    else
        gutter_->update(0, rect.y(), gutter_->width(), rect.height());
}

void ScriptEdit::paint_gutter(QPaintEvent* event) {
    QPainter p(gutter_);
    p.fillRect(event->rect(), palette().color(QPalette::AlternateBase).darker(104));
    p.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int number = block.blockNumber() + 1;
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    const int height = fontMetrics().height();
    while (block.isValid() && top <= event->rect().bottom()) {
        if (block.isVisible())
            p.drawText(0, top, gutter_->width() - 4, height, Qt::AlignRight, QString::number(number));
        top += qRound(blockBoundingRect(block).height());
        block = block.next();
        ++number;
    }
}

QString ScriptEdit::text_through_cursor_line() const {
    const QTextCursor c = textCursor();
    const QTextBlock block = c.block();
    QString text;
    for (QTextBlock b = document()->firstBlock(); b.isValid() && b != block; b = b.next())
        text += b.text() + '\n';
    return text + block.text();
}

void ScriptEdit::set_line_blanks(QTextCursor& cursor, int blanks) {
    const QTextBlock block = cursor.block();
    const int have = leading_blanks(block.text());
    const int in_line = cursor.positionInBlock();
    QTextCursor edit(block);
    edit.setPosition(block.position() + have, QTextCursor::KeepAnchor);
    edit.insertText(QString(blanks, ' '));
    cursor.setPosition(block.position() + std::max(blanks, in_line - have + blanks));
}

void ScriptEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                       !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    if (enter) {
        QTextCursor c = textCursor();
        c.beginEditBlock();
        // The line ends here: the part before the cursor takes its place first.
        const int retyped = retyped_line_blanks(from_qt(text_through_cursor_line()));
        if (retyped >= 0 && c.atBlockEnd()) set_line_blanks(c, retyped);
        QString before;
        for (QTextBlock b = document()->firstBlock(); b.isValid() && b != c.block(); b = b.next())
            before += b.text() + '\n';
        before += c.block().text().left(c.positionInBlock());
        const int blanks = next_line_blanks(from_qt(before));
        c.insertText("\n" + QString(blanks, ' '));
        c.endEditBlock();
        setTextCursor(c);
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
    // A word that closes or divides a block moves its line as it is typed.
    if (event->text().isEmpty() || !event->text()[0].isLetter()) return;
    QTextCursor c = textCursor();
    if (!c.atBlockEnd()) return;
    const int retyped = retyped_line_blanks(from_qt(text_through_cursor_line()));
    if (retyped < 0) return;
    c.joinPreviousEditBlock();
    set_line_blanks(c, retyped);
    c.endEditBlock();
    setTextCursor(c);
}

void ScriptEdit::go_to_line(int line) {
    const QTextBlock block = document()->findBlockByNumber(std::max(0, line - 1));
    if (!block.isValid()) return;
    QTextCursor c(block);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(c);
    centerCursor();
}

QTextCharFormat ScriptEdit::format_at(int line, int column) const {
    const QTextBlock block = document()->findBlockByNumber(line - 1);
    if (!block.isValid()) return {};
    for (const QTextLayout::FormatRange& r : block.layout()->formats())
        if (column >= r.start && column < r.start + r.length) return r.format;
    return {};
}

}  // namespace tarnwick::ui
