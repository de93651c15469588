#pragma once
// Undo and Redo as actions of one window (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y),
// their texts naming the step they take back or do again. The keys work in
// every window that has them, even while a text field has the focus: the
// project's history takes the place of the field's own undo, since pending
// typing is applied as a step before it is undone.

#include <QObject>
#include <functional>

class QAction;
class QWidget;

namespace tarnwick::ui {

class AppContext;

class UndoActions : public QObject {
    Q_OBJECT
public:
    // `step(-1)` undoes and `step(+1)` redoes, settling and refreshing the
    // windows around it (the main window's job).
    UndoActions(AppContext& context, QWidget* window, std::function<void(int)> step);

    QAction* undo_action() const { return undo_; }
    QAction* redo_action() const { return redo_; }
    void refresh();

private:
    AppContext& context_;
    QAction* undo_;
    QAction* redo_;
};

}  // namespace tarnwick::ui
