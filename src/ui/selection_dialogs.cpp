#include "ui/dialog_buttons.h"
#include "ui/selection_dialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "editors/record_lines.h"
#include "ui/app_context.h"
#include "ui/cp1252.h"
#include "ui/object_choice_dialog.h"
#include "world/scan.h"

namespace tarnwick::ui {

namespace {

QStringList to_qt_lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const auto& l : lines) out << from_cp1252(l);
    return out;
}

}  // namespace

SelectItemDialog::SelectItemDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("TSelectItem");
    setModal(true);
    header_ = new QLabel(this);
    header_->setObjectName("Header");
    header_->setAutoFillBackground(true);
    QPalette pal = header_->palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    header_->setPalette(pal);
    QFont f = header_->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    f.setItalic(true);
    header_->setFont(f);
    header_->setMargin(6);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    auto* buttons = ok_cancel_buttons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header_);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(380, 420);
}

int SelectItemDialog::pick_from_list(const QString& title, const QStringList& lines) {
    list_->clear();
    list_->addItems(lines);
    header_->setText(title);
    setWindowTitle(title);
    if (exec() != QDialog::Accepted) return -1;
    QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->row(item) : -1;
}

SelForm::SelForm(AppContext& context, SelectItemDialog& picker, QWidget* parent)
    : QDialog(parent), context_(context), picker_(picker) {
    setObjectName("TSelForm");
    setModal(true);
    auto* label = new QLabel(tr("Number"), this);
    number_ = new QLineEdit("0", this);
    number_->setObjectName("Number");
    number_->setValidator(new QIntValidator(number_));
    label->setBuddy(number_);
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("CancelBtn");
    browse_ = new QPushButton(tr("&Browse..."), this);
    browse_->setObjectName("BrowseBtn");
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(number_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(browse_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void SelForm::browse_lines(const QString& title, const PickLines& pick) {
    const int32_t vnum = pick.vnum_at(picker_.pick_from_list(title, to_qt_lines(pick.lines)));
    if (vnum >= 0) number_->setText(QString::number(vnum));
}

void SelForm::GetRoom() { browse_lines("Select Room", room_pick_lines(context_.world)); }
void SelForm::GetObjectA() { browse_lines("Select Item", object_pick_lines(context_.world)); }
void SelForm::GetMob() { browse_lines("Select Mob", mob_pick_lines(context_.world)); }

int32_t SelForm::ask(const QString& title, void (SelForm::*browse)()) {
    setWindowTitle(title);
    disconnect(browse_binding_);
    browse_binding_ = connect(browse_, &QPushButton::clicked, this, browse);
    if (exec() != QDialog::Accepted) return -1;
    int32_t value = 0;
    return to_int32(to_cp1252(number_->text()), value) ? value : -1;
}

int32_t SelForm::ask_object_vnum() { return ask("Select Object:", &SelForm::GetObjectA); }
int32_t SelForm::ask_room_vnum() { return ask("Select Room:", &SelForm::GetRoom); }

int32_t QtChooser::ask_object_vnum() { return objects_.ask_object_vnum(); }

int QtChooser::pick_from_list(const std::string& title, const std::vector<std::string>& lines) {
    return picker_.pick_from_list(from_cp1252(title), to_qt_lines(lines));
}

}  // namespace tarnwick::ui
