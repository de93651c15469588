#pragma once
// The trigger editor's script memo: a fixed-pitch plain text editor with
// line numbers in a gutter, the blocks indented as the builder types (Enter
// starts the next line at its block's depth; end, else, done, case... move
// to theirs as they are typed), and colours for the engine's words, the
// commands of the trigger's attach type, %variables% (a red underline for
// one left open) and comments. What is a command comes from the core's
// script reading (analysis/trigger_script.h).

#include <QPlainTextEdit>

#include "analysis/trigger_script.h"

class QSyntaxHighlighter;

namespace tarnwick::ui {

class ScriptEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ScriptEdit(QWidget* parent = nullptr);

    // The attach type whose commands are coloured (kAttachMobile...).
    void set_attach_type(int attach_type);
    int attach_type() const { return attach_; }
    // Puts the cursor at the start of line `line` (1-based) and shows it.
    void go_to_line(int line);
    // The width of the line number gutter.
    int gutter_width() const;
    // The colours of the kinds of script parts, for tests: the format the
    // highlighter gives position `column` of line `line` (1-based).
    QTextCharFormat format_at(int line, int column) const;
    // Fixed pitch whatever the font asked for: a font without a fixed pitch
    // gives way to the system's fixed font, at its size.
    void set_memo_font(const QFont& font);
    // The colour of each kind of script part, on a dark background (the
    // memo colours a builder may choose) or a light one.
    static QColor colour(ScriptTokenKind kind, bool dark);
    bool dark() const { return dark_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class LineNumberGutter;
    void paint_gutter(QPaintEvent* event);
    void update_gutter(const QRect& rect, int dy);
    // Sets the blanks the cursor's line starts with, keeping the cursor
    // where it was in the line's text.
    void set_line_blanks(QTextCursor& cursor, int blanks);
    QString text_through_cursor_line() const;

    QWidget* gutter_;
    QSyntaxHighlighter* highlighter_;
    int attach_ = 0;
    bool dark_ = false;
};

}  // namespace tarnwick::ui
