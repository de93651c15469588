#include "app/window_placer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "project/window_placement.h"

namespace tarnwick::app {

namespace {

PlacementRect to_placement(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

WindowPlacer::WindowPlacer(QWidget* main_window) : QObject(main_window), main_(main_window) {}

void WindowPlacer::watch(QWidget* w) { w->installEventFilter(this); }

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    // The show event comes before the window is mapped, so moving it here
    // shows it in its place at once.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* w = static_cast<QWidget*>(watched);
        if (w->isWindow() && !done_.contains(w)) {
            done_.insert(w);
            place(w);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacer::place(QWidget* w) {
    QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window nobody sized takes the size it asks for, to show a whole
    // record, bounded below by the available area rather than by Qt's two
    // thirds of the screen.
    if (!w->testAttribute(Qt::WA_Resized)) w->resize(w->sizeHint().expandedTo(w->minimumSize()));
    // A window not yet shown has no frame: reckon with the main window's.
    const QRect main_frame = main_->frameGeometry();
    const QSize margins = main_->isVisible() ? main_frame.size() - main_->size() : QSize(0, 0);
    const QSize frame = w->size() + margins;
    const PlacementRect r = place_new_window(to_placement(screen->availableGeometry()),
                                             to_placement(main_frame), frame.width(),
                                             frame.height(), order_++);
    w->move(r.x, r.y);
    const QSize inside(r.width - margins.width(), r.height - margins.height());
    if (inside.width() < w->width() || inside.height() < w->height())
        w->resize(inside.boundedTo(w->size()).expandedTo(w->minimumSize()));
}

}  // namespace tarnwick::app
