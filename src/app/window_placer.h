#pragma once
// Puts the editor, list and tool windows in a free spot the first time they
// are shown, when no saved layout placed them: beside or below the main
// window, cascaded, inside the screen's available area.

#include <QObject>
#include <QSet>

class QWidget;

namespace tarnwick::app {

class WindowPlacer : public QObject {
public:
    explicit WindowPlacer(QWidget* main_window);

    // Places `w` when it is first shown, unless placed() came first.
    void watch(QWidget* w);
    // `w` stands where a saved layout put it: leave it there.
    void placed(QWidget* w) { done_.insert(w); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place(QWidget* w);

    QWidget* main_;
    QSet<QWidget*> done_;
    int order_ = 0;
};

}  // namespace tarnwick::app
