#pragma once
// Edit > History...: the steps of the undo history, oldest first, after a
// first line for the state the project was opened in. The current state is
// selected, steps undone are greyed, the saved state is marked; clicking a
// line goes back or forward to it.

#include <QDialog>
#include <functional>

class QListWidget;

namespace tarnwick::ui {

class AppContext;

class HistoryWindow : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(AppContext& context, std::function<void(int)> go_to, QWidget* parent);
    QListWidget* list() const { return list_; }
    void refresh();

private:
    AppContext& context_;
    std::function<void(int)> go_to_;
    QListWidget* list_;
    bool filling_ = false;
};

}  // namespace tarnwick::ui
