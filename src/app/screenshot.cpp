#include "app/screenshot.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <vector>

#include "app/main_window.h"
#include "ui/editor_window.h"
#include "ui/record_list_window.h"
#include "ui/zone_edit_window.h"

namespace tarnwick::app {

namespace {

// The title as a window frame shows it: "[*]" becomes "*" while the window
// holds unsaved edits, and nothing otherwise.
QString shown_title(const QWidget& window) {
    QString title = window.windowTitle();
    return title.replace(QStringLiteral("[*]"), window.isWindowModified() ? QStringLiteral("*") : QString());
}

// Windows drawn offscreen have no frame: their title goes on a strip above.
QPixmap with_title(QWidget& window) {
    const QPixmap body = window.grab();
    const int strip = window.fontMetrics().height() + 6;
    QPixmap out(body.width(), body.height() + strip);
    out.fill(QColor(0, 0, 128));
    QPainter p(&out);
    p.setPen(Qt::white);
    p.drawText(QRect(6, 0, body.width() - 12, strip), Qt::AlignVCenter | Qt::AlignLeft,
               shown_title(window));
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

QWidget* screenshot_window(MainWindow& main, const QString& name) {
    const std::pair<const char*, ListKind> lists[] = {{"rooms", ListKind::Room},
                                                      {"mobs", ListKind::Mob},
                                                      {"objects", ListKind::Object},
                                                      {"shops", ListKind::Shop},
                                                      {"triggers", ListKind::Trigger}};
    for (const auto& [list_name, kind] : lists)
        if (name == list_name) return main.list(kind);
    const std::pair<const char*, ui::EditorWindow*> editors[] = {
        {"room", main.room_editor()},     {"mob", main.mob_editor()},
        {"object", main.object_editor()}, {"shop", main.shop_editor()},
        {"zone", main.zone_editor()},     {"trigger", main.trigger_editor()}};
    for (const auto& [editor_name, editor] : editors) {
        if (name != editor_name) continue;
        if (editor->current_index() < 0) editor->select_record(0);
        // The zone's commands are what its editor is for: draw their page.
        if (auto* zone = qobject_cast<ui::TZoneEdit*>(editor)) zone->show_commands_page();
        return editor;
    }
    return nullptr;
}

QString screenshot_window_names() {
    return "rooms mobs objects shops triggers room mob object shop zone trigger";
}

bool save_window_screenshot(QWidget& window, const QString& path) {
    window.show();
    window.raise();
    QApplication::processEvents();
    return with_title(window).save(path, "PNG");
}

}  // namespace tarnwick::app
