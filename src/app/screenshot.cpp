#include "app/screenshot.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "app/main_window.h"

namespace tarnwick::app {

bool save_screenshot(MainWindow& main, const QString& path) {
    QApplication::processEvents();
    std::vector<QPixmap> shots{main.grab()};
    for (const QString& name : main.creation_order()) {
        if (name == "TMainForm") continue;
        auto* w = main.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (w && w->isVisible()) shots.push_back(w->grab());
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
