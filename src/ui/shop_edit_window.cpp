#include "ui/shop_edit_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "formats/shop_file.h"
#include "ui/app_context.h"
#include "ui/editor_factory.h"
#include "ui/record_text.h"
#include "ui/record_widgets.h"

namespace tarnwick::ui {

using namespace fields;

namespace {

const char* const kShopBitNames[kShopBitCount] = {
    "Players can to try to kill this shopkeeper",
    "Shopkeeper will put money over 15000 coins in the bank"};
const char* const kWithWhoNames[kWithWhoBitCount] = {
    "NOGOOD", "NOEVIL", "NONEUTRAL", "NOMAGIC_USER", "NOCLERIC", "NOTHIEF", "NOWARRIOR"};
const char* const kMessageLabels[7] = {
    "Item to buy is non existing",   "Item trying to sell is non existing",
    "Shop does not buy offered item", "Shop can't afford item",
    "Player can't afford item",       QT_TRANSLATE_NOOP("TShopEdit", "Succesfully buying an item"),
    "Selling an item"};

QListWidget* check_list(const char* name, const char* const* names, int count, QWidget* parent) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    std::vector<std::string> items(names, names + count);
    fill_check_list(l, items);
    return l;
}

}  // namespace

EditorWindow* create_shop_editor(AppContext& context, QWidget* parent) {
    return new TShopEdit(context, parent);
}

QLineEdit* TShopEdit::hour_field(const char* name, std::string ShopFields::*field,
                                 QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    // An hour is typed or stepped; the shop takes it when the editor leaves
    // the shop or the zone is saved.
    limit_typing(edit, 2, QStringLiteral("[0-9]*"));
    for (int delta : {1, -1}) {
        auto* b = new QToolButton(parent);
        b->setObjectName(QString::fromLatin1(name) +
                         (delta > 0 ? QStringLiteral("Up") : QStringLiteral("Down")));
        b->setArrowType(delta > 0 ? Qt::UpArrow : Qt::DownArrow);
        connect(b, &QToolButton::clicked, this, [this, field, delta] {
            read_fields();
            editor_.step_hour(editor_.fields.*field, delta);
            show_fields();
        });
        edit->setProperty(delta > 0 ? "upButton" : "downButton", QVariant::fromValue<QObject*>(b));
    }
    return edit;
}

TShopEdit::TShopEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent), editor_(context.world, context.messages, context.chooser) {
    setObjectName(QStringLiteral("ShopEdit"));
    setWindowTitle(tr("Shop Edit"));
    auto named = [](auto* w, const char* name) {
        w->setObjectName(QString::fromLatin1(name));
        return w;
    };
    auto button = [&](const char* text, const char* name, void (TShopEdit::*slot)()) {
        auto* b = named(new QPushButton(QString::fromLatin1(text), this), name);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    auto list_op = [this](void (ShopEditor::*op)()) {
        return [this, op] {
            read_fields();
            (editor_.*op)();
            show_fields();
        };
    };

    // "General".
    edvnum_ = named(new QLineEdit(this), "edvnum");
    edkeepernum_ = named(new QLineEdit(this), "edkeepernum");
    edkeepername_ = named(new QLineEdit(this), "edkeepername");
    for (QLineEdit* e : {edvnum_, edkeepername_}) e->setReadOnly(true);
    // A keeper from another zone is typed; Browse lists this zone's mobs.
    limit_typing(edkeepernum_, 11, QString::fromLatin1(kIntegerPattern));
    // The keeper's name follows a typed vnum at once.
    connect(edkeepernum_, &QLineEdit::textEdited, this, [this] {
        editor_.type_keeper(text_of(edkeepernum_));
        edkeepername_->setText(to_widget(editor_.fields.keeper_name));
    });
    auto* browse = button("&Browse...", "Button1", &TShopEdit::Button1Click);
    sell_box_ = named(new QListWidget(this), "SellBox");
    buy_box_ = named(new QListWidget(this), "BuyBox");
    room_box_ = named(new QListWidget(this), "RoomBox");
    type_combo_ = named(new QComboBox(this), "TypeCombo");
    for (const char* n : shop_type_names) type_combo_->addItem(QString::fromLatin1(n));
    type_combo_->setCurrentIndex(-1);
    keyword_label_ = named(new QLabel(tr("Keywords:"), this), "KeywordLabel");
    keyword_ed_ = named(new QLineEdit(this), "KeywordEd");
    connect(type_combo_, &QComboBox::currentIndexChanged, this, [this](int entry) {
        if (filling_) return;
        read_fields();
        editor_.type_chosen(entry);
        show_fields();
    });
    auto* add_sell = named(new QPushButton(tr("&Add"), this), "addSellItem");
    auto* remove_sell = named(new QPushButton(tr("&Remove"), this), "removeSellItem");
    auto* add_buy = named(new QPushButton(tr("&Add"), this), "addBuyItem");
    auto* remove_buy = named(new QPushButton(tr("&Remove"), this), "removeBuyItem");
    auto* add_room = named(new QPushButton(tr("&Add"), this), "addRoomShop");
    auto* remove_room = named(new QPushButton(tr("&Remove"), this), "removeRoomShop");
    connect(add_sell, &QPushButton::clicked, this, list_op(&ShopEditor::add_product));
    connect(remove_sell, &QPushButton::clicked, this, list_op(&ShopEditor::remove_product));
    connect(add_buy, &QPushButton::clicked, this, list_op(&ShopEditor::add_buy_type));
    connect(remove_buy, &QPushButton::clicked, this, list_op(&ShopEditor::remove_buy_type));
    connect(add_room, &QPushButton::clicked, this, list_op(&ShopEditor::add_room));
    connect(remove_room, &QPushButton::clicked, this, list_op(&ShopEditor::remove_room));

    auto list_page = [&](const char* label, QListWidget* list, QPushButton* add, QPushButton* remove,
                         QLayout* extra) {
        auto* page = new QWidget(this);
        auto* l = new QVBoxLayout(page);
        l->addWidget(new QLabel(QString::fromLatin1(label), page));
        if (extra) l->addLayout(extra);
        l->addWidget(list);
        auto* row = new QHBoxLayout;
        row->addStretch();
        row->addWidget(add);
        row->addWidget(remove);
        l->addLayout(row);
        return page;
    };
    auto* buy_entry = new QFormLayout;
    buy_entry->addRow(tr("Type"), type_combo_);
    buy_entry->addRow(keyword_label_, keyword_ed_);
    auto* lists = named(new QTabWidget(this), "ListPages");
    lists->addTab(list_page("Items that this shop produces:", sell_box_, add_sell, remove_sell, nullptr),
                  QStringLiteral("Sell"));
    lists->addTab(list_page("Kind of items that this shopkeeper buys", buy_box_, add_buy, remove_buy,
                            buy_entry),
                  QStringLiteral("Buy"));
    lists->addTab(list_page("Rooms in where this shopkeepers sell", room_box_, add_room, remove_room,
                            nullptr),
                  QStringLiteral("Rooms"));
    auto* general = new QWidget(this);
    auto* keeper = new QHBoxLayout;
    keeper->addWidget(edkeepernum_);
    keeper->addWidget(edkeepername_, 1);
    keeper->addWidget(browse);
    auto* head = new QFormLayout;
    head->addRow(tr("VNum:"), edvnum_);
    head->addRow(tr("Shopkeeper:"), keeper);
    auto* general_layout = new QVBoxLayout(general);
    general_layout->addLayout(head);
    general_layout->addWidget(lists);

    // "Options".
    edprofitsell_ = named(new QLineEdit(QStringLiteral("1.1"), this), "edprofitsell");
    edprofitbuy_ = named(new QLineEdit(QStringLiteral("0.9"), this), "edprofitbuy");
    for (QLineEdit* e : {edprofitsell_, edprofitbuy_})
        limit_typing(e, 3, QStringLiteral("[0-9.Ee+-]*"));
    temper_combo_ = named(new QComboBox(this), "TemperCombo");
    for (const char* t : kTemperNames) temper_combo_->addItem(QString::fromLatin1(t));
    shop_bitvector_ = check_list("ShopBitvector", kShopBitNames, kShopBitCount, this);
    with_who_bitvector_ = check_list("WithWhoBitvector", kWithWhoNames, kWithWhoBitCount, this);
    auto* options = new QWidget(this);
    auto* prices = new QGroupBox(tr("Prices"), options);
    auto* prices_layout = new QFormLayout(prices);
    prices_layout->addRow(tr("Profit when selling: "), edprofitsell_);
    prices_layout->addRow(new QLabel(
        tr("The object value is miltiplied by this value when sold. Must be greater "
           "or equal than 1.0"),
        prices));
    prices_layout->addRow(tr("Profit when buying"), edprofitbuy_);
    prices_layout->addRow(new QLabel(
        QStringLiteral("The object value is multiplied by this value when bought. Must be lower "
                       "or equal than 1.0"),
        prices));
    auto* options_layout = new QVBoxLayout(options);
    options_layout->addWidget(prices);
    auto* temper_row = new QFormLayout;
    temper_row->addRow(tr("Temper: "), temper_combo_);
    options_layout->addLayout(temper_row);
    options_layout->addWidget(new QLabel(tr("Shop Bitvector"), options));
    options_layout->addWidget(shop_bitvector_);
    options_layout->addWidget(new QLabel(tr("With Who Bitvector"), options));
    options_layout->addWidget(with_who_bitvector_);

    // "Messages and Times".
    auto* texts = new QWidget(this);
    auto* texts_layout = new QFormLayout(texts);
    for (int i = 0; i < 7; ++i) {
        messages_[i] = new QLineEdit(texts);
        messages_[i]->setObjectName(QStringLiteral("Edit") + QString::number(i + 1));
        texts_layout->addRow(QString::fromLatin1(kMessageLabels[i]), messages_[i]);
    }
    texts_layout->addRow(new QLabel(tr("Note: Price is represented by a %d"), texts));
    const std::pair<const char*, std::string ShopFields::*> hours[] = {
        {"start1", &ShopFields::start1}, {"end1", &ShopFields::end1},
        {"start2", &ShopFields::start2}, {"end2", &ShopFields::end2}};
    const char* hour_labels[] = {"Time when open start 1", "Time when open end 1",
                                 "Time when open start 2", "Time when open end 2"};
    QLineEdit** hour_edits[] = {&start1_, &end1_, &start2_, &end2_};
    for (int i = 0; i < 4; ++i) {
        QLineEdit* e = hour_field(hours[i].first, hours[i].second, texts);
        *hour_edits[i] = e;
        auto* row = new QHBoxLayout;
        row->addWidget(e);
        row->addWidget(qobject_cast<QWidget*>(e->property("upButton").value<QObject*>()));
        row->addWidget(qobject_cast<QWidget*>(e->property("downButton").value<QObject*>()));
        texts_layout->addRow(QString::fromLatin1(hour_labels[i]), row);
    }

    tabs_ = named(new QTabWidget(this), "PageControl1");
    tabs_->addTab(general, tr("General"));
    tabs_->addTab(options, tr("Options"));
    tabs_->addTab(texts, tr("Messages and Times"));
    auto* close_btn = named(new QPushButton(tr("&Close"), this), "CerrarBtn");
    connect(close_btn, &QPushButton::clicked, this, &QDialog::hide);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close_btn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);

    editor_.on_world_changed = [this] { context_.mark_changed(); };
    connect(&context_, &AppContext::otherZonesChanged, this, [this] {
        read_fields();
        editor_.refresh_names();
        show_fields();
    });
    show_fields();
}

void TShopEdit::show_fields() {
    filling_ = true;
    const ShopFields& f = editor_.fields;
    set_text(edvnum_, f.vnum);
    set_text(edkeepernum_, f.keeper_vnum);
    set_text(edkeepername_, f.keeper_name);
    fill_lines(sell_box_, f.sell_lines);
    fill_lines(buy_box_, f.buy_lines);
    fill_lines(room_box_, f.room_lines);
    sell_box_->setCurrentRow(f.sell_selected);
    buy_box_->setCurrentRow(f.buy_selected);
    room_box_->setCurrentRow(f.room_selected);
    type_combo_->setCurrentIndex(f.type_entry);
    keyword_label_->setEnabled(f.keywords_enabled);
    keyword_ed_->setEnabled(f.keywords_enabled);
    set_text(keyword_ed_, f.keywords);
    set_text(edprofitsell_, f.profit_sell);
    set_text(edprofitbuy_, f.profit_buy);
    temper_combo_->setCurrentIndex(f.temper);
    // A disabled temper box shows the button face, an enabled one the window colour.
    temper_combo_->setBackgroundRole(f.pages_enabled ? QPalette::Base : QPalette::Button);
    set_checks(shop_bitvector_, std::vector<bool>(f.shop_bits.begin(), f.shop_bits.end()));
    set_checks(with_who_bitvector_, std::vector<bool>(f.with_who.begin(), f.with_who.end()));
    for (int i = 0; i < 7; ++i) set_text(messages_[i], f.messages[i]);
    set_text(start1_, f.start1);
    set_text(end1_, f.end1);
    set_text(start2_, f.start2);
    set_text(end2_, f.end2);
    for (int i = 0; i < tabs_->count(); ++i) tabs_->widget(i)->setEnabled(f.pages_enabled);
    filling_ = false;
}

void TShopEdit::read_fields() {
    ShopFields& f = editor_.fields;
    editor_.type_keeper(text_of(edkeepernum_));
    f.sell_selected = sell_box_->currentItem() && sell_box_->currentItem()->isSelected()
                          ? sell_box_->currentRow() : -1;
    f.buy_selected = buy_box_->currentItem() && buy_box_->currentItem()->isSelected()
                         ? buy_box_->currentRow() : -1;
    f.room_selected = room_box_->currentItem() && room_box_->currentItem()->isSelected()
                          ? room_box_->currentRow() : -1;
    f.type_entry = type_combo_->currentIndex();
    f.keywords = text_of(keyword_ed_);
    f.profit_sell = text_of(edprofitsell_);
    f.profit_buy = text_of(edprofitbuy_);
    f.temper = temper_combo_->currentIndex();
    const std::vector<bool> bits = checks_of(shop_bitvector_), who = checks_of(with_who_bitvector_);
    for (int i = 0; i < kShopBitCount; ++i) f.shop_bits[i] = bits[i];
    for (int i = 0; i < kWithWhoBitCount; ++i) f.with_who[i] = who[i];
    for (int i = 0; i < 7; ++i) f.messages[i] = text_of(messages_[i]);
    f.start1 = text_of(start1_);
    f.end1 = text_of(end1_);
    f.start2 = text_of(start2_);
    f.end2 = text_of(end2_);
}

void TShopEdit::select_record(int index) {
    const int before = editor_.current();
    read_fields();
    editor_.show_shop(index);
    show_fields();
    first_page_for_new_record(before);
    emit recordShown(editor_.current());
}

void TShopEdit::apply_pending() {
    read_fields();
    editor_.apply_shop();
    show_fields();
}

void TShopEdit::discard_pending() {
    editor_.drop_pending();
    show_fields();
}

void TShopEdit::prepare_removal(int removed) {
    read_fields();
    editor_.leave_before_removal(removed);
    show_fields();
}

void TShopEdit::Button1Click() {
    read_fields();
    if (editor_.browse_keeper()) emit context_.tableChanged(RecordKind::Shop);
    show_fields();
}

}  // namespace tarnwick::ui
