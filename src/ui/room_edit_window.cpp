#include "ui/room_edit_window.h"
#include "ui/interface_language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/app_context.h"
#include "ui/content_width.h"
#include "ui/dialect_page.h"
#include "ui/editor_factory.h"
#include "ui/editor_text.h"
#include "ui/exit_dialog.h"
#include "ui/extra_desc_dialog.h"
#include "ui/trigger_list_box.h"
#include "ui/dialog_buttons.h"

namespace tarnwick::ui {


TRoomEdit::TRoomEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent), editor_(context.world, context.list_sets, context.messages) {
    setObjectName("TRoomEdit");
    // "[*]" marks where Qt shows the modified state ("*" while edits are pending).
    setWindowTitle(tr("Edición de Room[*]"));
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName("PageControl1");
    layout->addWidget(pages);

    // Page "Name and description".
    auto* main = new QWidget(pages);
    auto* g = new QGridLayout(main);
    name_ = new QLineEdit(main);
    name_->setObjectName("Edit1");
    vnum_ = new QLineEdit(main);
    vnum_->setObjectName("Edit2");
    vnum_->setReadOnly(true);
    sector_ = new QComboBox(main);
    sector_->setObjectName("SectorTypeCombo");
    sector_->setToolTip(tr("Sector type"));
    description_ = new QPlainTextEdit(main);
    description_->setObjectName("Memo1");
    insert_descr_ = named_button(tr("Insert exit &descriptions"), "InsertDescrBtn", main);
    exits_ = new QTreeWidget(main);
    exits_->setObjectName("ExitBox");
    exits_->setRootIsDecorated(false);
    exits_->setHeaderLabels({tr("Direction"), tr("VNum"),
                             QStringLiteral("Description")});
    // Direction and vnum take their text's width; the room name the rest.
    exits_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    exits_->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    exit_add_ = named_button(tr("&Add"), "ExAdd", main);
    auto* directions = new QMenu(exit_add_);
    directions->setObjectName("ExAddMenu");
    // Menu order: North, South, East, West, Up, Down, then tbaMUD's
    // diagonals, shown in its zones only.
    for (int d : {North, South, East, West, Up, Down, Northwest, Northeast, Southeast, Southwest}) {
        QAction* a = directions->addAction(to_qt(kDirectionMenuItems[size_t(d)]));
        a->setObjectName(QStringLiteral("ExAdd%1").arg(d));
        connect(a, &QAction::triggered, this, [this, d] { add_exit(d); });
    }
    exit_add_->setMenu(directions);
    exit_edit_ = named_button(tr("&Edit"), "ExEdit", main);
    exit_delete_ = named_button(tr("&Remove"), "ExDelete", main);
    g->addWidget(new QLabel(tr("Name:"), main), 0, 0);
    g->addWidget(name_, 0, 1, 1, 2);
    g->addWidget(new QLabel(tr("VNum:"), main), 1, 0);
    g->addWidget(vnum_, 1, 1);
    g->addWidget(sector_, 1, 2);
    g->addWidget(description_, 2, 0, 1, 3);
    g->addWidget(insert_descr_, 3, 0, 1, 3);
    auto* exit_buttons = new QVBoxLayout;
    exit_buttons->addWidget(exit_add_);
    exit_buttons->addWidget(exit_edit_);
    exit_buttons->addWidget(exit_delete_);
    exit_buttons->addStretch();
    g->addWidget(exits_, 4, 0, 1, 2);
    g->addLayout(exit_buttons, 4, 2);
    g->setRowStretch(2, 2);
    g->setRowStretch(4, 1);
    pages->addTab(main, tr("Name and description"));

    flags_ = new QListWidget(pages);
    flags_->setObjectName("RoomFlags");
    pages->addTab(flags_, tr("Room Flags"));

    auto* extra = new QWidget(pages);
    auto* e = new QGridLayout(extra);
    extras_ = new QListWidget(extra);
    extras_->setObjectName("DescBox");
    extra_text_ = new QPlainTextEdit(extra);
    extra_text_->setObjectName("DescMemo");
    extra_text_->setReadOnly(true);
    extra_add_ = named_button(tr("&Add"), "AgregarExtra", extra);
    extra_modify_ = named_button(tr("&Modify"), "ModificarExtra", extra);
    extra_remove_ = named_button(tr("&Remove"), "EliminarExtra", extra);
    e->addWidget(extras_, 0, 0, 3, 1);
    e->addWidget(extra_add_, 0, 1);
    e->addWidget(extra_modify_, 1, 1);
    e->addWidget(extra_remove_, 2, 1);
    e->addWidget(extra_text_, 3, 0, 1, 2);
    pages->addTab(extra, tr("Descripciones Extra"));

    // tbaMUD's flag words 2 to 4 and the room's triggers.
    pages_ = pages;
    dialect_ = new DialectPage(context.world, context.messages, pages);
    dialect_->add_row(QStringLiteral("Room flags, words 2-4"), QStringLiteral("roomFlagWord"), 2, 3);
    pages->addTab(dialect_, tr("Triggers"));
    connect(dialect_, &DialectPage::edited, this, [this] {
        if (loading_) return;
        dialect_->read_row(0, editor_.form.flags_more.data());
        edited();
    });

    auto* bottom = new QHBoxLayout;
    auto_apply_ = new QCheckBox(tr("Auto apply"), this);
    auto_apply_->setObjectName("CheckBox1");
    auto_apply_->setChecked(true);
    auto* ok = named_button(tr("&Ok"), "ApplyBtn", this);
    auto* close = named_button(tr("&Close"), "Button1", this);
    bottom->addWidget(auto_apply_);
    bottom->addStretch();
    bottom->addWidget(ok);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    exit_dialog_ = new TDirectionData(context, this);
    extra_dialog_ = new TExtraDescForm(this);

    connect(name_, &QLineEdit::textChanged, this, [this](const QString& t) {
        editor_.form.name = from_qt(t);
        edited();
    });
    connect(description_, &QPlainTextEdit::textChanged, this, [this] {
        if (loading_) return;
        editor_.form.description = memo_from_qt(description_->toPlainText());
        edited();
    });
    connect(sector_, &QComboBox::currentIndexChanged, this, [this](int index) {
        editor_.form.sector = index;
        edited();
    });
    connect(flags_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        // Filling the list changes its items too; only the user's clicks are edits.
        if (loading_) return;
        int row = flags_->row(item);
        if (row < 0 || size_t(row) >= editor_.form.flags.size()) return;
        editor_.form.flags[size_t(row)] = item->checkState() == Qt::Checked;
        edited();
    });
    connect(extras_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (loading_ || row < 0) return;
        editor_.choose_extra(row);
        extra_text_->setPlainText(memo_to_qt(editor_.form.extra_text));
        extra_modify_->setEnabled(true);
        extra_remove_->setEnabled(true);
    });
    connect(auto_apply_, &QCheckBox::toggled, this, [this](bool on) { editor_.auto_apply = on; });
    connect(insert_descr_, &QPushButton::clicked, this, &TRoomEdit::insert_exit_descriptions);
    connect(exit_edit_, &QPushButton::clicked, this, &TRoomEdit::edit_exit);
    connect(exit_delete_, &QPushButton::clicked, this, &TRoomEdit::remove_exit);
    connect(exits_, &QTreeWidget::itemDoubleClicked, this, [this] { follow_exit(); });
    connect(extra_add_, &QPushButton::clicked, this, &TRoomEdit::add_extra);
    connect(extra_modify_, &QPushButton::clicked, this, &TRoomEdit::modify_extra);
    connect(extra_remove_, &QPushButton::clicked, this, &TRoomEdit::remove_extra);
    connect(ok, &QPushButton::clicked, this, &TRoomEdit::apply);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);

    connect(&context_, &AppContext::tableChanged, this, [this](RecordKind kind) {
        if (kind != RecordKind::Room) return;
        editor_.table_changed();
        show_form();
        emit recordShown(editor_.current());
    });
    connect(&context_, &AppContext::otherZonesChanged, this, [this] {
        editor_.refresh_names();
        const auto& exits = editor_.form.exits;
        for (int i = 0; i < exits_->topLevelItemCount() && size_t(i) < exits.size(); ++i)
            exits_->topLevelItem(i)->setText(2, to_qt(exits[size_t(i)].name));
    });
    connect(&context_, &AppContext::listsLoaded, this, &TRoomEdit::lists_loaded);
    connect(&context_, &AppContext::preferencesApplied, this, &TRoomEdit::preferences_applied);
    lists_loaded();
    show_form();
}

QSize TRoomEdit::sizeHint() const {
    // The memo spans its page's grid, so the page widens by what the grid
    // lacks for it; the exit list, beside its buttons, by what it lacks.
    QSize hint = EditorWindow::sizeHint();
    const QLayout* grid = description_->parentWidget()->layout();
    const QMargins m = grid->contentsMargins();
    const int memo_short = memo_width_for_columns(description_, kDescriptionColumns) + m.left() +
                           m.right() - grid->sizeHint().width();
    const int exits_short = tree_width_for_contents(exits_) - exits_->sizeHint().width();
    hint.rwidth() += std::max({0, memo_short, exits_short});
    return hint;
}

QSize TRoomEdit::minimumSizeHint() const {
    return useful_size(this, EditorWindow::minimumSizeHint(), sizeHint());
}

void TRoomEdit::edited() {
    if (!loading_) set_modified(true);
}

void TRoomEdit::set_modified(bool modified) {
    editor_.modified = modified;
    setWindowModified(modified);
}

void TRoomEdit::lists_loaded() {
    loading_ = true;
    sector_->clear();
    for (const std::string& s : context_.lists().sector_types) sector_->addItem(to_qt(s));
    loading_ = false;
    // The flag list's length follows the list; show the room again.
    select_record(editor_.current());
}

void TRoomEdit::preferences_applied() {
    const Preferences& p = context_.preferences;
    const QFont font = font_from_setting(p.memo_font);
    const QColor text = color_from_setting(p.memo_font.color);
    const QColor back = color_from_setting(p.memo_back);
    description_->setFont(font);
    QPalette pal = description_->palette();
    pal.setColor(QPalette::Text, text);
    pal.setColor(QPalette::Base, back);
    description_->setPalette(pal);
    show_as_read_only(extra_text_, font);
    exit_dialog_->set_memo_style(font, text, back);
    extra_dialog_->set_memo_style(font, text, back);
}

void TRoomEdit::select_record(int index) {
    const int before = editor_.current();
    const bool stores = editor_.has_room() && editor_.auto_apply && editor_.modified;
    editor_.show_room(index);
    if (stores) {
        emit context_.recordChanged(RecordKind::Room, before);
        context_.mark_changed();
    }
    show_form();
    first_page_for_new_record(before);
    emit recordShown(editor_.current());
}

void TRoomEdit::show_form() {
    loading_ = true;
    const RoomForm& f = editor_.form;
    name_->setText(to_qt(f.name));
    vnum_->setText(to_qt(f.vnum));
    description_->setPlainText(memo_to_qt(f.description));
    sector_->setCurrentIndex(f.sector);
    flags_->clear();
    for (size_t j = 0; j < context_.lists().room_flags.size(); ++j) {
        auto* item = new QListWidgetItem(to_qt(context_.lists().room_flags[j]), flags_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(j < f.flags.size() && f.flags[j] ? Qt::Checked : Qt::Unchecked);
    }
    flags_->setEnabled(f.enabled);
    dialect_->set_row(0, f.flags_more.data());
    dialect_->set_enabled_fields(f.enabled);
    dialect_->triggers()->show_list(&editor_.form.triggers, f.enabled);
    pages_->setTabVisible(pages_->indexOf(dialect_), DialectPage::shown_for(context_.world.dialect));
    for (QAction* a : exit_add_->menu()->actions())
        a->setVisible(a->objectName().mid(5).toInt() < direction_count(context_.world.dialect));
    for (QWidget* w : std::initializer_list<QWidget*>{name_, sector_, description_, insert_descr_,
                                                      exit_add_, exit_edit_, exit_delete_, extra_add_})
        w->setEnabled(f.enabled);
    loading_ = false;
    show_lists();
    set_modified(editor_.modified);
}

void TRoomEdit::changeEvent(QEvent* event) {
    EditorWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) show_lists();
}

void TRoomEdit::show_lists() {
    loading_ = true;
    const RoomForm& f = editor_.form;
    exits_->clear();
    for (const ExitLine& line : f.exits)
        new QTreeWidgetItem(exits_, {shown(line.caption), to_qt(line.vnum), to_qt(line.name)});
    extras_->clear();
    for (const std::string& k : f.extras) extras_->addItem(to_qt(k));
    extra_text_->setPlainText(memo_to_qt(f.extra_text));
    extra_modify_->setEnabled(f.enabled && f.chosen_extra >= 0);
    extra_remove_->setEnabled(f.enabled && f.chosen_extra >= 0);
    loading_ = false;
}

void TRoomEdit::apply() {
    if (!editor_.apply()) return;
    set_modified(editor_.modified);  // a refused text stays pending
    emit context_.recordChanged(RecordKind::Room, editor_.current());
    context_.mark_changed();
}

void TRoomEdit::apply_pending() {
    if (editor_.modified) apply();
}

void TRoomEdit::discard_pending() {
    editor_.discard();
    show_form();
}

void TRoomEdit::focus_field(const std::string& field) {
    if (field.rfind("exit.", 0) != 0) {
        name_->setFocus();
        return;
    }
    const std::string dir = field.substr(5, field.find('.', 5) - 5);
    const auto& lines = editor_.form.exits;
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i].direction >= 0 && lines[i].direction < kDirectionCount &&
            dir == kDirectionWords[lines[i].direction])
            exits_->setCurrentItem(exits_->topLevelItem(int(i)));
    exits_->setFocus();
}

int TRoomEdit::exit_line() const {
    QTreeWidgetItem* item = exits_->currentItem();
    return item ? exits_->indexOfTopLevelItem(item) : -1;
}

void TRoomEdit::add_exit(int direction) {
    if (!editor_.can_add_exit(direction)) return;
    ExitForm form = RoomEditor::new_exit_form();
    if (!exit_dialog_->edit(form, direction)) return;
    if (editor_.add_exit(direction, form)) context_.mark_changed();
    show_lists();
}

void TRoomEdit::edit_exit() {
    const int line = exit_line();
    std::optional<ExitForm> form = editor_.edit_exit_form(line);
    if (!form || !exit_dialog_->edit(*form, editor_.line_direction(line))) return;
    if (editor_.finish_edit_exit(line, *form)) context_.mark_changed();
    show_lists();
}

void TRoomEdit::remove_exit() {
    if (editor_.remove_exit(exit_line())) context_.mark_changed();
    show_lists();
}

void TRoomEdit::follow_exit() {
    const int target = editor_.exit_target(exit_line());
    if (target >= 0) select_record(target);
}

void TRoomEdit::insert_exit_descriptions() {
    const std::string before = editor_.form.description;
    editor_.insert_exit_descriptions();
    if (editor_.form.description == before) return;
    loading_ = true;
    description_->setPlainText(memo_to_qt(editor_.form.description));
    loading_ = false;
    set_modified(true);
}

void TRoomEdit::add_extra() {
    if (!editor_.has_room()) return;
    ExtraDescForm form;
    if (!extra_dialog_->edit(form)) return;
    if (editor_.add_extra(form)) context_.mark_changed();
    show_lists();
}

void TRoomEdit::modify_extra() {
    std::optional<ExtraDescForm> form = editor_.extra_form();
    if (!form || !extra_dialog_->edit(*form)) return;
    if (editor_.modify_extra(*form)) context_.mark_changed();
    show_lists();
}

void TRoomEdit::remove_extra() {
    if (editor_.remove_extra()) context_.mark_changed();
    show_lists();
}

EditorWindow* create_room_editor(AppContext& context, QWidget* parent) {
    return new TRoomEdit(context, parent);
}

}  // namespace tarnwick::ui
