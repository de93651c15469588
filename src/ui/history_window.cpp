#include "ui/history_window.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/cp1252.h"

namespace tarnwick::ui {

HistoryWindow::HistoryWindow(AppContext& context, std::function<void(int)> go_to, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context), go_to_(std::move(go_to)) {
    setObjectName("HistoryWindow");
    setWindowTitle(tr("History"));
    list_ = new QListWidget(this);
    list_->setObjectName("HistoryList");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("HistoryClose");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(close, 0, Qt::AlignRight);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0 && row != context_.history.position()) go_to_(row);
    });
    connect(&context_, &AppContext::historyChanged, this, &HistoryWindow::refresh);
    resize(320, 360);
    refresh();
}

void HistoryWindow::refresh() {
    filling_ = true;
    const History& h = context_.history;
    list_->clear();
    for (int i = 0; i <= h.size(); ++i) {
        QString text = i == 0 ? QString("(as opened)") : from_cp1252(h.step(i - 1).label);
        if (i == h.saved_position()) text += "  - saved";
        auto* item = new QListWidgetItem(text, list_);
        if (i > h.position()) item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
    }
    list_->setCurrentRow(h.position());
    filling_ = false;
}

}  // namespace tarnwick::ui
