#include "app/window_placer.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "project/window_placement.h"

namespace tarnwick::app {

namespace {

// How long after its first showing a window may still be placed again when
// the desktop's frames make it cover the main window. Under a window
// manager a window not framed yet stays settling past that: on a busy
// machine its frame can come later, and only then does it cover the bars.
constexpr qint64 kSettleMs = 3000;
// Marks a dialog this placer moved, until it is hidden.
constexpr const char* kCentred = "tarnwickCentred";

PlacementRect to_placement(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

bool framed(const QWidget* w) { return w->frameGeometry() != w->geometry(); }

// Puts the corner of `w`'s frame at `corner`. Qt takes move() as the frame's
// corner once the window is framed; before, as the inside's, which the frame
// then grows around.
void move_frame(QWidget* w, QPoint corner, const QMargins& guess) {
    w->move(framed(w) ? corner : corner + QPoint(guess.left(), guess.top()));
}

QRect frame_of(const QWidget* w, const QMargins& guess) {
    const QRect frame = w->frameGeometry();
    // A window not yet framed is reckoned with the frame it is going to get.
    return framed(w) ? frame : frame.marginsAdded(guess);
}

}  // namespace

WindowPlacer::WindowPlacer(QWidget* main_window)
    : QObject(main_window), main_(main_window), settle_timer_(new QTimer(this)) {
    settle_timer_->setInterval(200);
    connect(settle_timer_, &QTimer::timeout, this, &WindowPlacer::recheck);
    // Sees every window's events: the watched ones, the main window's moves
    // and every dialog of the program, message boxes and choosers included.
    qApp->installEventFilter(this);
}

void WindowPlacer::watch(QWidget* w) { watched_.insert(w); }

QMargins WindowPlacer::main_margins() const {
    const QRect frame = main_->frameGeometry(), inside = main_->geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

bool WindowPlacer::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Show && type != QEvent::Hide && type != QEvent::Move &&
        type != QEvent::Resize && type != QEvent::WindowActivate)
        return QObject::eventFilter(watched, event);
    if (!watched->isWidgetType()) return QObject::eventFilter(watched, event);
    auto* w = static_cast<QWidget*>(watched);
    if (!w->isWindow()) return QObject::eventFilter(watched, event);
    if (type == QEvent::WindowActivate) {
        activated_.removeAll(w);
        activated_.append(w);
        if (activated_.size() > 8) activated_.removeFirst();
        return QObject::eventFilter(watched, event);
    }
    if (w == main_) {
        // The thin main window starts at the top of the screen unless a
        // layout put it somewhere: the editors then have the room below it.
        if (type == QEvent::Show && !main_shown_) {
            main_shown_ = true;
            QScreen* screen = w->screen();
            // Asked for through the native window: the corner (0,0) is where
            // the window stands already to Qt, which then asks for no place.
            if (screen && !w->testAttribute(Qt::WA_Moved) && w->windowHandle())
                w->windowHandle()->setFramePosition(screen->availableGeometry().topLeft());
        }
        if (type != QEvent::Show) recheck();
    } else if (watched_.contains(w)) {
        // The show event comes before the window is mapped, so moving it
        // here shows it in its place at once.
        if (type == QEvent::Show && !done_.contains(w)) {
            done_.insert(w);
            settling_[w].order = order_;
            settling_[w].since.start();
            place(w, order_++);
            settle_timer_->start();
        } else if (type == QEvent::Move && settling_.contains(w)) {
            recheck();
        }
    } else if (type == QEvent::Show && w->windowType() == Qt::Dialog && qobject_cast<QDialog*>(w) &&
               !w->testAttribute(Qt::WA_Moved)) {
        // A dialog settles its size in its own show handler (a message box
        // fits its text there) and centres itself on its parent: it runs
        // first, then the dialog goes over the window it was asked from.
        static_cast<QObject*>(w)->event(event);
        centre_dialog(w);
        return true;
    } else if (type == QEvent::Hide && w->property(kCentred).toBool()) {
        // Placed anew the next time it opens, over whichever window asks then.
        w->setProperty(kCentred, false);
        w->setAttribute(Qt::WA_Moved, false);
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacer::place(QWidget* w, int order) {
    QScreen* screen = main_->screen() ? main_->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    // A window nobody sized takes the size it asks for, to show a whole
    // record, bounded below by the available area rather than by Qt's two
    // thirds of the screen.
    if (!w->testAttribute(Qt::WA_Resized)) w->resize(w->sizeHint().expandedTo(w->minimumSize()));
    const QMargins guess = main_margins();
    const QRect own = frame_of(w, guess);
    const QRect inside_now = w->geometry();
    const QMargins margins(inside_now.left() - own.left(), inside_now.top() - own.top(),
                           own.right() - inside_now.right(), own.bottom() - inside_now.bottom());
    const PlacementRect r =
        place_new_window(to_placement(screen->availableGeometry()),
                         to_placement(frame_of(main_, QMargins())), own.width(), own.height(), order);
    move_frame(w, QPoint(r.x, r.y), guess);
    const QSize inside(r.width - margins.left() - margins.right(),
                       r.height - margins.top() - margins.bottom());
    if (inside.width() < w->width() || inside.height() < w->height())
        w->resize(inside.boundedTo(w->size()).expandedTo(w->minimumSize()));
}

void WindowPlacer::recheck() {
    const QRect main_frame = main_->frameGeometry();
    for (auto it = settling_.begin(); it != settling_.end();) {
        QWidget* w = it.key();
        // A frame that has not come in ten times the usual wait never will.
        const qint64 age = it->since.elapsed();
        const bool awaits_frame = framed(main_) && !framed(w) && age < 10 * kSettleMs;
        if (!w->isVisible() || (age > kSettleMs && !awaits_frame)) {
            it = settling_.erase(it);
            continue;
        }
        if (frame_of(w, main_margins()).intersects(main_frame)) place(w, it->order);
        ++it;
    }
    if (settling_.isEmpty()) settle_timer_->stop();
}

void WindowPlacer::centre_dialog(QWidget* dialog) {
    // The window active when it was asked for; when a dialog just closed
    // (a message after Go to Vnum), the window active before it.
    QWidget* owner = QApplication::activeWindow();
    for (int i = int(activated_.size()) - 1; i >= 0 && (!owner || owner == dialog || !owner->isVisible());
         --i)
        owner = activated_[i];
    if (!owner || owner == dialog || !owner->isVisible())
        owner = dialog->parentWidget() ? dialog->parentWidget()->window() : main_;
    QScreen* screen = owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen || !main_->isVisible()) return;
    const QMargins guess = main_margins();
    const QRect own = frame_of(dialog, guess);
    const PlacementRect r = place_dialog(
        to_placement(screen->availableGeometry()), to_placement(frame_of(owner, guess)),
        to_placement(frame_of(main_, QMargins())), own.width(), own.height());
    move_frame(dialog, QPoint(r.x, r.y), guess);
    dialog->setProperty(kCentred, true);
}

}  // namespace tarnwick::app
