#include "ui/content_width.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTreeView>
#include <algorithm>
#include <cmath>

namespace tarnwick::ui {

int scroll_chrome_width(const QAbstractScrollArea* area) {
    const int bar = area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
    return 2 * area->frameWidth() + bar;
}

int column_width(const QPlainTextEdit* memo) {
    const QFontMetrics fm(memo->font());
    return std::max(fm.averageCharWidth(), fm.horizontalAdvance(QLatin1Char('x')));
}

int memo_width_for_columns(const QPlainTextEdit* memo, int columns) {
    const int margin = int(std::ceil(memo->document()->documentMargin()));
    // The cursor sits after the last character; give it room too.
    return columns * column_width(memo) + 2 * margin + memo->cursorWidth() + scroll_chrome_width(memo);
}

int tree_width_for_contents(const QTreeView* tree) {
    int width = 0;
    const int count = tree->model() ? tree->model()->columnCount() : 0;
    // QTreeView's measure (public through its base) counts indentation and icons.
    const QAbstractItemView* view = tree;
    for (int c = 0; c < count; ++c) {
        const int header = tree->header()->isHidden() ? 0 : tree->header()->sectionSizeHint(c);
        width += std::max(view->sizeHintForColumn(c), header);
    }
    return width + scroll_chrome_width(tree);
}

QSize useful_size(const QWidget* window, QSize minimum, QSize wanted) {
    int width = wanted.width();
    if (const QScreen* screen = window->screen()) width = std::min(width, screen->availableGeometry().width());
    minimum.setWidth(std::max(minimum.width(), width));
    return minimum;
}

}  // namespace tarnwick::ui
