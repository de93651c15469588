#pragma once
// Widths, from font metrics, that let a text box or a list show its text
// whole: the editors size their windows with them so a record is seen
// without clipped lines whatever fonts the builder chose.

class QAbstractScrollArea;
class QPlainTextEdit;
class QSize;
class QTreeView;
class QWidget;

namespace tarnwick::ui {

// The width of one column of `memo`'s font: its average character, or an
// "x" when that is wider.
int column_width(const QPlainTextEdit* memo);
// The width `memo` needs to show `columns` characters on a line without
// wrapping: text, document margins, frame and vertical scroll bar.
int memo_width_for_columns(const QPlainTextEdit* memo, int columns);
// The width `tree` needs to show every column at its contents' width
// (indentation and icons included), with frame and vertical scroll bar.
int tree_width_for_contents(const QTreeView* tree);

// What a scroll area adds around its viewport: both frames and the
// vertical scroll bar, which long texts and lists show.
int scroll_chrome_width(const QAbstractScrollArea* area);

// The minimum size hint of a window whose default width shows a whole
// record: `minimum` widened to `wanted`'s width, as far as the window's
// screen allows.
QSize useful_size(const QWidget* window, QSize minimum, QSize wanted);

}  // namespace tarnwick::ui
