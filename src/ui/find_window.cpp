#include "ui/find_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

constexpr int kHitRole = Qt::UserRole + 1;

QString hit_context_html(const FindHit& hit) {
    const QString before = from_cp1252(hit.context.substr(0, hit.match_start)).toHtmlEscaped();
    const QString match =
        from_cp1252(hit.context.substr(hit.match_start, hit.match_length)).toHtmlEscaped();
    const QString after =
        from_cp1252(hit.context.substr(hit.match_start + hit.match_length)).toHtmlEscaped();
    return before + "<b>" + match + "</b>" + after;
}

}  // namespace

FindWindow::FindWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context) {
    setObjectName("TFindWindow");
    setWindowTitle(tr("Find in Zone"));
    query_ = new QLineEdit(this);
    query_->setObjectName("FindEdit");
    query_->setPlaceholderText(tr("Word, text or vnum"));
    query_->setClearButtonEnabled(true);
    match_case_ = new QCheckBox(tr("Match &case"), this);
    match_case_->setObjectName("MatchCase");
    whole_word_ = new QCheckBox(tr("&Whole words"), this);
    whole_word_->setObjectName("WholeWord");
    summary_ = new QLabel(this);
    summary_->setObjectName("FindSummary");
    results_ = new QTreeWidget(this);
    results_->setObjectName("FindResults");
    results_->setColumnCount(3);
    results_->setHeaderLabels({"Record", "Field", "Text"});
    results_->setRootIsDecorated(true);
    results_->setUniformRowHeights(true);
    results_->header()->setStretchLastSection(true);

    auto* options = new QHBoxLayout;
    options->addWidget(match_case_);
    options->addWidget(whole_word_);
    options->addStretch();
    options->addWidget(summary_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(query_);
    layout->addLayout(options);
    layout->addWidget(results_);
    resize(720, 420);

    connect(query_, &QLineEdit::textChanged, this, &FindWindow::rerun);
    connect(match_case_, &QCheckBox::toggled, this, &FindWindow::rerun);
    connect(whole_word_, &QCheckBox::toggled, this, &FindWindow::rerun);
    connect(query_, &QLineEdit::returnPressed, this, [this] {
        QTreeWidgetItem* item = results_->currentItem();
        if (!item || !item->data(0, kHitRole).isValid()) {
            // The first hit when none is chosen yet.
            for (int i = 0; i < results_->topLevelItemCount() && !item; ++i)
                if (results_->topLevelItem(i)->childCount() > 0)
                    item = results_->topLevelItem(i)->child(0);
        }
        open_item(item);
    });
    connect(results_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { open_item(item); });
    // The results follow the zone while the window is open.
    connect(&context_, &AppContext::recordChanged, this, [this] {
        if (isVisible() && !query_->text().isEmpty()) rerun();
    });
    connect(&context_, &AppContext::tableChanged, this, [this] {
        if (isVisible() && !query_->text().isEmpty()) rerun();
    });
}

void FindWindow::search(const QString& text) {
    if (query_->text() == text) rerun();
    else query_->setText(text);  // reruns through textChanged
}

void FindWindow::rerun() {
    FindOptions options;
    options.match_case = match_case_->isChecked();
    options.whole_word = whole_word_->isChecked();
    hits_ = find_in_zone(context_.world, to_cp1252(query_->text()), options);
    fill();
}

void FindWindow::show_hits(const QString& title, const std::vector<FindHit>& hits) {
    const QSignalBlocker block(query_);
    query_->setText(title);
    hits_ = hits;
    fill();
}

void FindWindow::fill() {
    results_->clear();
    QTreeWidgetItem* group = nullptr;
    FindKind group_kind{};
    for (std::size_t i = 0; i < hits_.size(); ++i) {
        const FindHit& hit = hits_[i];
        if (!group || hit.kind != group_kind) {
            group = new QTreeWidgetItem(results_, {QString(find_kind_name(hit.kind))});
            group->setFirstColumnSpanned(true);
            group->setExpanded(true);
            group_kind = hit.kind;
        }
        QString record = "#" + QString::number(hit.vnum);
        if (hit.command_index >= 0) record += " command " + QString::number(hit.command_index + 1);
        auto* item = new QTreeWidgetItem(group, {record, from_cp1252(hit.field), QString()});
        item->setData(0, kHitRole, int(i));
        auto* text = new QLabel(hit_context_html(hit));
        text->setTextFormat(Qt::RichText);
        results_->setItemWidget(item, 2, text);
    }
    for (int i = 0; i < results_->topLevelItemCount(); ++i) {
        QTreeWidgetItem* g = results_->topLevelItem(i);
        g->setText(0, g->text(0) + " (" + QString::number(g->childCount()) + ")");
    }
    results_->resizeColumnToContents(0);
    results_->resizeColumnToContents(1);
    summary_->setText(query_->text().isEmpty() ? QString()
                      : hits_.empty()          ? QString("Not found")
                                               : QString::number(hits_.size()) + " found");
}

void FindWindow::open_item(QTreeWidgetItem* item) {
    if (!item) return;
    const QVariant index = item->data(0, kHitRole);
    if (!index.isValid()) return;
    const int i = index.toInt();
    if (i >= 0 && std::size_t(i) < hits_.size()) emit openRequested(hits_[std::size_t(i)]);
}

void FindWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    query_->setFocus();
    query_->selectAll();
}

void FindWindow::keyPressEvent(QKeyEvent* event) {
    // Enter opens the chosen hit instead of closing the window.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        results_->hasFocus()) {
        open_item(results_->currentItem());
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarnwick::ui
