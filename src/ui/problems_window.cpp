#include "ui/problems_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "analysis/checker.h"
#include "ui/app_context.h"
#include "ui/cp1252.h"
#include "world/other_zones.h"

namespace tarnwick::ui {

namespace {

constexpr int kFindingRole = Qt::UserRole;

// Sizes a row for its text wrapped to the width its column has now: the
// tree view asks its delegate with no width, which wraps nothing.
class WrappingDelegate : public QStyledItemDelegate {
public:
    explicit WrappingDelegate(QTreeView* view) : QStyledItemDelegate(view), view_(view) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        o.features |= QStyleOptionViewItem::WrapText;
        o.rect = QRect(0, 0, view_->header()->sectionSize(index.column()), 1);
        return view_->style()->sizeFromContents(QStyle::CT_ItemViewItem, &o, QSize(), view_);
    }

private:
    QTreeView* view_;
};

QString counts_text(const SeverityCounts& c) {
    auto n = [](int count, const char* one, const char* many) {
        return QString("%1 %2").arg(count).arg(count == 1 ? one : many);
    };
    return n(c.errors, "error", "errors") + ", " + n(c.warnings, "warning", "warnings") + ", " +
           n(c.notes, "note", "notes");
}

}  // namespace

ProblemsWindow::ProblemsWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context) {
    setObjectName("ProblemsWindow");
    setWindowTitle(tr("Problems"));
    setModal(false);
    counts_ = new QLabel(this);
    counts_->setObjectName("ProblemCounts");
    severity_ = new QComboBox(this);
    severity_->setObjectName("SeverityFilter");
    severity_->addItems({"All", "Errors and warnings", "Errors"});
    filter_ = new QLineEdit(this);
    filter_->setObjectName("ProblemFilter");
    filter_->setPlaceholderText(tr("Filter"));
    list_ = new QTreeWidget(this);
    list_->setObjectName("ProblemList");
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({"Severity", "Record", "Field", "Message", "Check"});
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    // A long message wraps in its column instead of ending in "...", and
    // wraps anew whenever the window, and so the column, changes width.
    list_->setWordWrap(true);
    list_->setItemDelegateForColumn(3, new WrappingDelegate(list_));
    list_->setUniformRowHeights(false);
    list_->setTextElideMode(Qt::ElideNone);
    connect(list_->header(), &QHeaderView::sectionResized, list_, [this](int section) {
        if (section == 3) list_->doItemsLayout();
    });
    auto* refresh_btn = new QPushButton(tr("&Check again"), this);
    refresh_btn->setObjectName("RefreshBtn");
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("CloseBtn");

    auto* top = new QHBoxLayout;
    top->addWidget(counts_);
    top->addStretch();
    top->addWidget(severity_);
    top->addWidget(filter_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(refresh_btn);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(760, 360);

    connect(refresh_btn, &QPushButton::clicked, this, &ProblemsWindow::refresh);
    connect(close, &QPushButton::clicked, this, &QDialog::hide);
    connect(severity_, &QComboBox::currentIndexChanged, this, &ProblemsWindow::show_list);
    connect(filter_, &QLineEdit::textChanged, this, &ProblemsWindow::show_list);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const int i = item->data(0, kFindingRole).toInt();
        if (i >= 0 && i < int(findings_.size())) emit openFinding(findings_[size_t(i)]);
    });
    // Apply, add, remove and save all end in one of these signals.
    connect(&context_, &AppContext::recordChanged, this, &ProblemsWindow::refresh_if_open);
    connect(&context_, &AppContext::tableChanged, this, &ProblemsWindow::refresh_if_open);
    connect(&context_, &AppContext::changedMarkChanged, this, &ProblemsWindow::refresh_if_open);
    connect(&context_, &AppContext::otherZonesChanged, this, &ProblemsWindow::refresh_if_open);
}

void ProblemsWindow::refresh() {
    if (checking_) {
        again_ = true;
        return;
    }
    // With the rest of its world folder read, references resolve across it.
    const World& w = context_.world;
    const auto others = w.other_zones;  // the zones checked live until the check ends
    std::vector<Finding> found;
    checking_ = true;
    const bool finished = context_.run_work(
        "Checking zone " + std::to_string(w.zone.zone_number), [&](WorkProgress& progress) {
            found = others ? check_zone_among(w, others->zone_list(), &progress) : check_zone(w, &progress);
        });
    checking_ = false;
    if (!finished) {
        again_ = false;
        if (!checked_) counts_->setText(tr("Check cancelled: Check again runs it"));
        return;
    }
    checked_ = true;
    findings_ = std::move(found);
    counts_->setText(counts_text(count_by_severity(findings_)));
    show_list();
    if (again_) {
        again_ = false;
        refresh();
    }
}

void ProblemsWindow::refresh_if_open() {
    if (isVisible()) refresh();
}

std::vector<Finding> ProblemsWindow::shown() const {
    std::vector<Finding> out;
    for (int r = 0; r < list_->topLevelItemCount(); ++r)
        out.push_back(findings_[size_t(list_->topLevelItem(r)->data(0, kFindingRole).toInt())]);
    return out;
}

void ProblemsWindow::show_list() {
    // Index 0 shows notes too, 1 stops at warnings, 2 shows errors alone.
    const int worst_shown = 2 - severity_->currentIndex();
    const QString text = filter_->text();
    list_->clear();
    for (size_t i = 0; i < findings_.size(); ++i) {
        const Finding& f = findings_[i];
        if (int(f.severity) > worst_shown) continue;
        const QStringList columns = {severity_name(f.severity), from_cp1252(record_label(f)),
                                     from_cp1252(f.field), from_cp1252(f.message),
                                     from_cp1252(f.check)};
        if (!text.isEmpty() && !columns.join(' ').contains(text, Qt::CaseInsensitive)) continue;
        auto* item = new QTreeWidgetItem(list_, columns);
        item->setToolTip(3, columns[3]);
        item->setData(0, kFindingRole, int(i));
    }
    for (int c = 0; c < 3; ++c) list_->resizeColumnToContents(c);
}

}  // namespace tarnwick::ui
