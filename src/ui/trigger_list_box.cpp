#include "ui/trigger_list_box.h"

#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "editors/trigger_attachments.h"
#include "ui/dialog_buttons.h"
#include "ui/editor_text.h"

namespace tarnwick::ui {


TriggerListBox::TriggerListBox(const World& world, Messages& messages, QWidget* parent)
    : QGroupBox(QStringLiteral("Triggers"), parent), world_(world), messages_(messages) {
    setObjectName("triggerBox");
    lines_ = new QListWidget(this);
    lines_->setObjectName("triggerList");
    add_ = named_button(tr("A&dd..."), "addTrigger", this);
    remove_ = named_button(tr("Remo&ve"), "removeTrigger", this);
    up_ = named_button(tr("Move &up"), "triggerUp", this);
    down_ = named_button(tr("Move do&wn"), "triggerDown", this);
    auto* g = new QGridLayout(this);
    g->addWidget(lines_, 0, 0, 5, 1);
    g->addWidget(add_, 0, 1);
    g->addWidget(remove_, 1, 1);
    g->addWidget(up_, 2, 1);
    g->addWidget(down_, 3, 1);
    g->setRowStretch(4, 1);

    connect(lines_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!list_) return;
        list_->choose(row);
        remove_->setEnabled(enabled_ && list_->chosen() >= 0);
        up_->setEnabled(enabled_ && list_->chosen() > 0);
        down_->setEnabled(enabled_ && list_->chosen() >= 0 &&
                          size_t(list_->chosen()) + 1 < list_->vnums().size());
    });
    connect(add_, &QPushButton::clicked, this, &TriggerListBox::add);
    connect(remove_, &QPushButton::clicked, this, &TriggerListBox::remove);
    connect(up_, &QPushButton::clicked, this, [this] { move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { move(+1); });
    refresh();
}

void TriggerListBox::show_list(TriggerAttachments* list, bool enabled) {
    list_ = list;
    enabled_ = enabled && list;
    refresh();
}

void TriggerListBox::refresh() {
    {
        const QSignalBlocker quiet(lines_);
        lines_->clear();
        if (list_)
            for (const std::string& line : list_->lines(world_)) lines_->addItem(to_qt(line));
        lines_->setCurrentRow(list_ ? list_->chosen() : -1);
    }
    const int chosen = list_ ? list_->chosen() : -1;
    const size_t count = list_ ? list_->vnums().size() : 0;
    lines_->setEnabled(enabled_);
    add_->setEnabled(enabled_);
    remove_->setEnabled(enabled_ && chosen >= 0);
    up_->setEnabled(enabled_ && chosen > 0);
    down_->setEnabled(enabled_ && chosen >= 0 && size_t(chosen) + 1 < count);
}

void TriggerListBox::add() {
    if (!list_ || !enabled_) return;
    QDialog chooser(this);
    chooser.setObjectName("triggerChooser");
    chooser.setWindowTitle(tr("Attach trigger"));
    auto* choices = new QListWidget(&chooser);
    choices->setObjectName("triggerChoices");
    const auto offered = list_->choices(world_);
    for (const auto& c : offered) {
        auto* item = new QListWidgetItem(to_qt(c.line), choices);
        item->setData(Qt::UserRole, c.vnum);
    }
    auto* vnum = new QLineEdit(&chooser);
    vnum->setObjectName("triggerVnum");
    auto* layout = new QVBoxLayout(&chooser);
    const QString kind = QString::fromLatin1(attach_kind_name(list_->attach()));
    layout->addWidget(new QLabel(offered.empty() ? tr("The zone has no other triggers for ") + kind + "."
                                                 : QStringLiteral("The zone's triggers for ") + kind + ":",
                                 &chooser));
    layout->addWidget(choices);
    layout->addWidget(new QLabel(tr("Trigger vnum (one of another zone's, too):"), &chooser));
    layout->addWidget(vnum);
    layout->addLayout(ok_cancel_buttons(&chooser));
    connect(choices, &QListWidget::currentItemChanged, &chooser, [vnum](QListWidgetItem* item) {
        if (item) vnum->setText(QString::number(item->data(Qt::UserRole).toInt()));
    });
    connect(choices, &QListWidget::itemDoubleClicked, &chooser, &QDialog::accept);
    if (!offered.empty()) choices->setCurrentRow(0);
    else vnum->setFocus();
    // Wide enough for its title under a window manager's frame and the names.
    chooser.setMinimumWidth(std::max(chooser.fontMetrics().horizontalAdvance(chooser.windowTitle()) * 2 + 120,
                                     choices->sizeHintForColumn(0) + 60));
    if (chooser.exec() != QDialog::Accepted) return;
    if (!list_->add(from_qt(vnum->text().trimmed()), world_, messages_)) return;
    refresh();
    emit edited();
}

void TriggerListBox::remove() {
    if (!list_ || !enabled_ || !list_->remove()) return;
    refresh();
    emit edited();
}

void TriggerListBox::move(int delta) {
    if (!list_ || !enabled_ || !list_->move(delta)) return;
    refresh();
    emit edited();
}

}  // namespace tarnwick::ui
