#include "ui/exit_dialog.h"
#include "ui/interface_language.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/editor_text.h"

namespace tarnwick::ui {

TDirectionData::TDirectionData(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName("TDirectionData");
    setWindowTitle(tr("Room Direction Data"));
    setModal(true);
    // A dialog is a window of its own: without this it would not take the
    // editor's general font and colour.
    setAttribute(Qt::WA_WindowPropagation);
    auto* layout = new QVBoxLayout(this);
    direction_ = new QLabel(this);
    direction_->setObjectName("DirectionLabel");
    QFont bold = direction_->font();
    bold.setBold(true);
    direction_->setFont(bold);
    layout->addWidget(direction_);
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    layout->addWidget(pages_);

    auto* general = new QWidget(pages_);
    auto* g = new QGridLayout(general);
    target_ = new QLineEdit(general);
    target_->setObjectName("EdVNum");
    target_->setValidator(new QIntValidator(target_));
    auto* browse_room = new QPushButton(tr("Browse..."), general);
    browse_room->setObjectName("BrowseRoomBtn");
    title_ = new QLineEdit(general);
    title_->setObjectName("EdTitle");
    title_->setReadOnly(true);
    description_ = new QPlainTextEdit(general);
    description_->setObjectName("EdDesc");
    g->addWidget(new QLabel(tr("Exit To Room:"), general), 0, 0);
    g->addWidget(target_, 0, 1);
    g->addWidget(browse_room, 0, 2);
    g->addWidget(title_, 1, 1, 1, 2);
    g->addWidget(new QLabel(tr("Extra Description:"), general), 2, 0, 1, 3);
    g->addWidget(description_, 3, 0, 1, 3);
    pages_->addTab(general, tr("General"));

    auto* type = new QWidget(pages_);
    auto* t = new QGridLayout(type);
    key_ = new QLineEdit(type);
    key_->setObjectName("EdKey");
    // A key from another zone is typed; Browse lists this zone's objects.
    key_->setValidator(new QIntValidator(key_));
    auto* browse_key = new QPushButton(tr("Browse..."), type);
    browse_key->setObjectName("BrowseKeyBtn");
    auto* no_key = new QPushButton(tr("No Key"), type);
    no_key->setObjectName("NoKeyBtn");
    door_ = new QComboBox(type);
    door_->setObjectName("ComboBox1");
    for (const char* d : kDoorTypes) door_->addItem(shown(d));
    keywords_ = new QLineEdit(type);
    keywords_->setObjectName("edkeywords");
    t->addWidget(new QLabel(tr("Key Number:"), type), 0, 0);
    t->addWidget(key_, 0, 1);
    t->addWidget(browse_key, 0, 2);
    t->addWidget(no_key, 0, 3);
    t->addWidget(new QLabel(tr("Door Type:"), type), 1, 0);
    t->addWidget(door_, 1, 1, 1, 3);
    t->addWidget(new QLabel(tr("Alias List (separated by spaces)"), type), 2, 0, 1, 4);
    t->addWidget(keywords_, 3, 0, 1, 4);
    t->setRowStretch(4, 1);
    pages_->addTab(type, tr("Exit Type"));

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(tr("&Ok"), this);
    ok->setObjectName("OkBtn");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("&Cancel"), this);
    cancel->setObjectName("CancelBtn");
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(browse_room, &QPushButton::clicked, this, [this] {
        read_form();
        form_.browse_target(context_.chooser, context_.world);
        show_form();
    });
    connect(browse_key, &QPushButton::clicked, this, [this] {
        read_form();
        form_.browse_key(context_.chooser, context_.world);
        show_form();
    });
    connect(no_key, &QPushButton::clicked, this, [this] { key_->setText(QStringLiteral("-1")); });
    connect(door_, &QComboBox::currentIndexChanged, this, &TDirectionData::door_changed);
}

void TDirectionData::door_changed(int index) {
    // Without a door the aliases mean nothing: the field greys out.
    const bool enabled = index > 0;
    keywords_->setEnabled(enabled);
    QPalette p = keywords_->palette();
    p.setColor(QPalette::Base, palette().color(enabled ? QPalette::Base : QPalette::Button));
    keywords_->setPalette(p);
}

void TDirectionData::show_form() {
    // The door types follow the zone's dialect: tbaMUD adds hidden doors.
    const int types = door_type_count(context_.world);
    if (door_->count() != types) {
        const QSignalBlocker quiet(door_);
        door_->clear();
        for (const char* d : kDoorTypes) door_->addItem(shown(d));
        for (int i = int(kDoorTypes.size()); i < types; ++i)
            door_->addItem(shown(kHiddenDoorTypes[size_t(i) - kDoorTypes.size()]));
    }
    target_->setText(to_qt(form_.target));
    title_->setText(to_qt(form_.target_name));
    description_->setPlainText(memo_to_qt(form_.description));
    key_->setText(to_qt(form_.key));
    door_->setCurrentIndex(form_.door);
    door_changed(form_.door);
    keywords_->setText(to_qt(form_.keywords));
}

void TDirectionData::read_form() {
    form_.target = from_qt(target_->text());
    form_.description = memo_from_qt(description_->toPlainText());
    form_.key = from_qt(key_->text());
    form_.door = door_->currentIndex();
    form_.keywords = from_qt(keywords_->text());
}

bool TDirectionData::edit(ExitForm& form, int direction) {
    QString name;
    if (direction >= 0 && direction < int(kDirectionMenuItems.size()))
        name = QString::fromLatin1(kDirectionMenuItems[size_t(direction)]).remove(QLatin1Char('&'));
    direction_->setText(tr("Exit to the ") + name);
    direction_->setVisible(!name.isEmpty());
    form_ = form;
    show_form();
    pages_->setCurrentIndex(0);
    target_->setFocus();
    if (exec() != QDialog::Accepted) return false;
    read_form();
    form = form_;
    return true;
}

void TDirectionData::set_memo_style(const QFont& font, const QColor& text, const QColor& back) {
    description_->setFont(font);
    QPalette p = description_->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, back);
    description_->setPalette(p);
}

}  // namespace tarnwick::ui
