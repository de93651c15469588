#include "app/screenshot.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "app/main_window.h"

namespace tarnwick::app {

namespace {

// Windows drawn offscreen have no frame: their title goes on a strip above.
QPixmap with_title(QWidget& window) {
    const QPixmap body = window.grab();
    const int strip = window.fontMetrics().height() + 6;
    QPixmap out(body.width(), body.height() + strip);
    out.fill(QColor(0, 0, 128));
    QPainter p(&out);
    p.setPen(Qt::white);
    p.drawText(QRect(6, 0, body.width() - 12, strip), Qt::AlignVCenter | Qt::AlignLeft,
               window.windowTitle());
    p.drawPixmap(0, strip, body);
    return out;
}

}  // namespace

bool save_screenshot(MainWindow& main, const QString& path) {
    QApplication::processEvents();
    std::vector<QPixmap> shots{main.grab()};
    for (const QString& name : main.creation_order()) {
        if (name == "TMainForm") continue;
        auto* w = main.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (w && w->isVisible()) shots.push_back(with_title(*w));
    }
    const int gap = 8;
    int width = gap, height = 0;
    for (const QPixmap& p : shots) {
        width += p.width() + gap;
        height = std::max(height, p.height());
    }
    QPixmap sheet(width, height + 2 * gap);
    sheet.fill(QColor(96, 96, 96));
    QPainter painter(&sheet);
    int x = gap;
    for (const QPixmap& p : shots) {
        painter.drawPixmap(x, gap, p);
        x += p.width() + gap;
    }
    painter.end();
    return sheet.save(path, "PNG");
}

}  // namespace tarnwick::app
