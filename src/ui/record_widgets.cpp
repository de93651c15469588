#include "ui/record_widgets.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/record_text.h"
#include "world/scan.h"

namespace tarnwick::ui::fields {

namespace {

class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit* edit, int max_length, const QString& pattern)
        : QValidator(edit), edit_(edit), max_(max_length),
          pattern_(QRegularExpression::anchoredPattern(pattern)) {}
    State validate(QString& input, int&) const override {
        if (!pattern_.match(input).hasMatch()) return Invalid;
        // Only growth beyond the limit is refused, so a long value put in by
        // the program can still be shortened.
        if (input.size() > max_ && input.size() > edit_->text().size()) return Invalid;
        return Acceptable;
    }

private:
    QLineEdit* edit_;
    int max_;
    QRegularExpression pattern_;
};

}  // namespace

void limit_typing(QLineEdit* edit, int max_length, const QString& pattern) {
    edit->setValidator(new TypingLimit(edit, max_length, pattern));
}

SpinField::SpinField(const QString& name, int max_length, int min, int max, QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), min_(min), max_(max) {
    edit_->setObjectName(name);
    limit_typing(edit_, max_length, QString::fromLatin1(kIntegerPattern));
    auto* up = new QToolButton(this);
    auto* down = new QToolButton(this);
    up->setObjectName(name + QStringLiteral("Up"));
    down->setObjectName(name + QStringLiteral("Down"));
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up, down}) {
        b->setAutoRepeat(true);
        b->setFixedSize(16, 11);
        b->setFocusPolicy(Qt::NoFocus);
    }
    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(up);
    arrows->addWidget(down);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(edit_, 1);
    row->addLayout(arrows);
    connect(edit_, &QLineEdit::textEdited, this, &SpinField::edited);
    connect(up, &QToolButton::clicked, this, [this] { step(1); });
    connect(down, &QToolButton::clicked, this, [this] { step(-1); });
}

void SpinField::step(int delta) {
    int32_t v = 0;
    if (!to_int32(edit_->text().toStdString(), v)) v = 0;
    int64_t next = int64_t(v) + delta;
    if (next < min_) next = min_;
    if (next > max_) next = max_;
    edit_->setText(QString::number(next));
    emit edited();
}

void set_text(QLineEdit* edit, const std::string& bytes) {
    const QString t = to_widget(bytes);
    if (edit->text() != t) edit->setText(t);
}

void set_memo(QPlainTextEdit* memo, const std::string& bytes) {
    const QString t = memo_to_widget(bytes);
    if (memo->toPlainText() != t) memo->setPlainText(t);
}

std::string text_of(const QLineEdit* edit) { return from_widget(edit->text()); }
std::string memo_of(const QPlainTextEdit* memo) { return memo_from_widget(memo->toPlainText()); }

void fill_check_list(QListWidget* list, const std::vector<std::string>& names) {
    list->clear();
    for (const std::string& n : names) {
        auto* item = new QListWidgetItem(to_widget(n), list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
}

void set_checks(QListWidget* list, const std::vector<bool>& checks) {
    for (int i = 0; i < list->count() && i < int(checks.size()); ++i) {
        const Qt::CheckState want = checks[i] ? Qt::Checked : Qt::Unchecked;
        if (list->item(i)->checkState() != want) list->item(i)->setCheckState(want);
    }
}

std::vector<bool> checks_of(const QListWidget* list) {
    std::vector<bool> out;
    for (int i = 0; i < list->count(); ++i) out.push_back(list->item(i)->checkState() == Qt::Checked);
    return out;
}

void fill_lines(QListWidget* list, const std::vector<std::string>& lines) {
    bool same = list->count() == int(lines.size());
    for (int i = 0; same && i < list->count(); ++i) same = list->item(i)->text() == to_widget(lines[i]);
    if (same) return;
    list->clear();
    for (const std::string& l : lines) list->addItem(to_widget(l));
}

void fill_combo(QComboBox* combo, const std::vector<std::string>& names) {
    combo->clear();
    for (const std::string& n : names) combo->addItem(to_widget(n));
    combo->setCurrentIndex(-1);
}

}  // namespace tarnwick::ui::fields
