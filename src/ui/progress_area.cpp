#include "ui/progress_area.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QToolButton>

#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

using Clock = std::chrono::steady_clock;

// How often foreground work lets the windows paint and Cancel be clicked,
// and how often the background work's progress is read.
constexpr auto kPumpEvery = std::chrono::milliseconds(50);
constexpr int kPollMs = 100;

// The input held back while foreground work runs. Releases pass: a press
// that started the work (a spin box's arrow) must see its release, or its
// auto-repeat would go on stepping after the work.
bool is_input(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default: return false;
    }
}

}  // namespace

// The foreground work's progress: shows the bar once the work has run long
// enough, then lets events through now and then.
class ProgressArea::Foreground : public WorkProgress {
public:
    Foreground(ProgressArea& area, std::string what)
        : area_(area), what_(std::move(what)), start_(Clock::now()) {}

    bool advance(int done, int total, const std::string& what) override {
        if (area_.cancelled_) return false;
        const auto now = Clock::now();
        if (now - start_ < area_.show_after_) return true;
        if (shown_ && now - pumped_ < kPumpEvery) return true;
        shown_ = true;
        pumped_ = now;
        area_.show_report(done, total, what_, what);
        QCoreApplication::processEvents();
        return !area_.cancelled_;
    }

private:
    ProgressArea& area_;
    std::string what_;
    Clock::time_point start_, pumped_;
    bool shown_ = false;
};

ProgressArea::ProgressArea(QWidget* parent) : QWidget(parent) {
    setObjectName("WorkProgress");
    label_ = new QLabel(this);
    label_->setObjectName("WorkProgressLabel");
    label_->setFixedWidth(label_->fontMetrics().horizontalAdvance("Simulating reset 100 of 100") + 8);
    label_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar_ = new QProgressBar(this);
    bar_->setObjectName("WorkProgressBar");
    bar_->setFixedWidth(90);
    bar_->setTextVisible(false);
    cancel_ = new QToolButton(this);
    cancel_->setObjectName("WorkCancelBtn");
    cancel_->setText(tr("Cancel"));
    cancel_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(label_);
    layout->addWidget(bar_);
    layout->addWidget(cancel_);
    connect(cancel_, &QToolButton::clicked, this, &ProgressArea::cancel);
    poll_ = new QTimer(this);
    poll_->setInterval(kPollMs);
    connect(poll_, &QTimer::timeout, this, &ProgressArea::poll);
    hide();
}

ProgressArea::~ProgressArea() {
    if (background_) background_->stop();
}

bool ProgressArea::run(const std::string& what, const AppContext::Work& work) {
    if (running_) {
        struct Inner : WorkProgress {
            const bool& cancelled;
            explicit Inner(const bool& c) : cancelled(c) {}
            bool advance(int, int, const std::string&) override { return !cancelled; }
        } inner(cancelled_);
        work(inner);
        return !cancelled_;
    }
    running_ = true;
    cancelled_ = false;
    // Removed however the work ends, a throw included.
    struct Guard {
        ProgressArea& area;
        ~Guard() {
            qApp->removeEventFilter(&area);
            area.running_ = false;
            area.hide();
            area.poll();
        }
    } guard{*this};
    qApp->installEventFilter(this);
    Foreground progress(*this, what);
    work(progress);
    return !cancelled_;
}

void ProgressArea::watch(std::shared_ptr<SharedProgress> work, const std::string& what) {
    if (background_) background_->stop();
    background_ = std::move(work);
    background_what_ = what;
    background_start_ = Clock::now();
    poll_->start();
}

void ProgressArea::cancel() {
    if (running_)
        cancelled_ = true;
    else if (background_)
        background_->stop();
}

// The step under way in the label ("Simulating reset 14 of 99"), the work
// as a whole in the tooltip: the menu bar keeps room for its menus.
void ProgressArea::show_report(int done, int total, const std::string& work,
                               const std::string& step) {
    bar_->setRange(0, std::max(total, 1));
    bar_->setValue(std::clamp(done, 0, std::max(total, 1)));
    QString text = from_cp1252(step.empty() ? work : step);
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    // The menu bar lays its corner out once: the label keeps its width.
    label_->setText(label_->fontMetrics().elidedText(text, Qt::ElideMiddle, label_->width()));
    setToolTip(from_cp1252(work) + (running_ ? " (Escape stops it)" : ""));
    show();
}

void ProgressArea::poll() {
    if (!background_) {
        poll_->stop();
        return;
    }
    if (background_->finished() || background_->stopping()) {
        background_.reset();
        poll_->stop();
        if (!running_) hide();
        return;
    }
    if (running_ || Clock::now() - background_start_ < show_after_) return;
    const SharedProgress::Report r = background_->report();
    show_report(r.done, r.total, background_what_, r.what);
}

bool ProgressArea::eventFilter(QObject* watched, QEvent* event) {
    // Only widgets are held back: a window passes its input on to its
    // widgets, and the Cancel button is one of them.
    if (!running_ || !watched->isWidgetType() || !is_input(event->type()))
        return QWidget::eventFilter(watched, event);
    if (watched == cancel_ && event->type() != QEvent::Close) return false;
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        cancelled_ = true;
    // Taken, so no shortcut fires; then the key itself is held back.
    if (event->type() == QEvent::ShortcutOverride) event->accept();
    if (event->type() == QEvent::Close) event->ignore();
    return true;
}

}  // namespace tarnwick::ui
