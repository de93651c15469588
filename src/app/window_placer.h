#pragma once
// Puts the editor, list and tool windows in a free spot the first time they
// are shown, when no saved layout placed them: beside or below the main
// window, cascaded, inside the screen's available area. Dialogs and message
// boxes open centred on the window they were asked from, never over the
// main window's menu bar and toolbars.
//
// A window manager frames a window only after it is mapped, so the frame a
// window will get is guessed from the main window's; while the desktop is
// still framing the windows just shown, one that turns out to cover the
// main window is placed again.

#include <QElapsedTimer>
#include <QHash>
#include <QMargins>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

class QTimer;
class QWidget;

namespace tarnwick::app {

class WindowPlacer : public QObject {
public:
    explicit WindowPlacer(QWidget* main_window);

    // Places `w` when it is first shown, unless placed() came first.
    void watch(QWidget* w);
    // `w` stands where a saved layout put it: leave it there.
    void placed(QWidget* w) {
        done_.insert(w);
        settling_.remove(w);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Settling {
        int order = 0;
        QElapsedTimer since;
    };
    // The main window's frame, as drawn around it; none before it is framed.
    QMargins main_margins() const;
    void place(QWidget* w, int order);
    void centre_dialog(QWidget* dialog);
    // Places again the windows just shown that now cover the main window.
    void recheck();

    QWidget* main_;
    QSet<QWidget*> watched_;
    QSet<QWidget*> done_;
    QHash<QWidget*, Settling> settling_;
    // Looks again while windows settle: a frame the window manager adds
    // around a window that stays where it is comes with no event to see.
    QTimer* settle_timer_;
    // The windows last activated, the latest last.
    QList<QPointer<QWidget>> activated_;
    int order_ = 0;
    bool main_shown_ = false;
};

}  // namespace tarnwick::app
