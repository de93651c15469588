#include "ui/undo_actions.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "ui/app_context.h"
#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

const char* const kHasUndo = "tarnwickHasUndo";

bool is_history_key(QKeyEvent* e) {
    const QKeySequence pressed(e->keyCombination());
    for (const QKeySequence& k : {QKeySequence(QKeySequence::Undo), QKeySequence(QKeySequence::Redo),
                                  QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")})
        if (pressed == k) return true;
    return false;
}

// Keeps text fields from taking Ctrl+Z for their own undo in the windows
// that have the history's actions.
class HistoryKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || !w->window()->property(kHasUndo).toBool()) return false;
        return is_history_key(static_cast<QKeyEvent*>(event));
    }
};

void install_key_filter() {
    static HistoryKeyFilter* filter = nullptr;
    if (filter) return;
    filter = new HistoryKeyFilter(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace

UndoActions::UndoActions(AppContext& context, QWidget* window, std::function<void(int)> step)
    : QObject(window), context_(context) {
    undo_ = new QAction("&Undo", window);
    undo_->setObjectName("EditUndo");
    undo_->setShortcut(QKeySequence::Undo);
    redo_ = new QAction("&Redo", window);
    redo_->setObjectName("EditRedo");
    redo_->setShortcuts({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")});
    for (QAction* a : {undo_, redo_}) {
        a->setShortcutContext(Qt::WindowShortcut);
        window->addAction(a);
    }
    window->setProperty(kHasUndo, true);
    install_key_filter();
    connect(undo_, &QAction::triggered, this,
            [step] { step(-1); });
    connect(redo_, &QAction::triggered, this,
            [step] { step(+1); });
    connect(&context_, &AppContext::historyChanged, this, &UndoActions::refresh);
    refresh();
}

void UndoActions::refresh() {
    const History& h = context_.history;
    // The world may hold a change not yet recorded (typing being applied):
    // Undo stays on so that it can be taken back.
    undo_->setEnabled(h.can_undo() || context_.world.changed);
    redo_->setEnabled(h.can_redo());
    undo_->setText(h.can_undo() ? "&Undo " + from_cp1252(h.undo_label()) : QString("&Undo"));
    redo_->setText(h.can_redo() ? "&Redo " + from_cp1252(h.redo_label()) : QString("&Redo"));
}

}  // namespace tarnwick::ui
