#include "ui/zone_edit_window.h"

#include <QEvent>
#include "ui/interface_language.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <QVBoxLayout>

#include "ui/app_context.h"
#include "ui/content_width.h"
#include "ui/editor_factory.h"
#include "ui/editor_text.h"
#include "ui/zone_command_dialog.h"
#include "ui/zone_header_extras.h"

namespace tarnwick::ui {

namespace {

constexpr int kNodeRole = Qt::UserRole + 1;

// A round badge with the command letter, one colour per image index.
QIcon command_icon(int image) {
    static const char* letters = "MOGEPDR?TV";
    static const QColor colors[10] = {QColor(200, 60, 50),  QColor(50, 120, 200), QColor(60, 160, 80),
                                      QColor(210, 150, 30), QColor(140, 80, 180), QColor(120, 90, 60),
                                      QColor(90, 90, 90),   QColor(180, 180, 180), QColor(30, 150, 150),
                                      QColor(170, 60, 120)};
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colors[image]);
    p.setPen(colors[image].darker());
    p.drawEllipse(1, 1, 14, 14);
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(QChar(letters[image])));
    return QIcon(pixmap);
}

}  // namespace

TZoneEdit::TZoneEdit(AppContext& context, QWidget* parent)
    : EditorWindow(context, parent), editor_(context.world, context.messages) {
    setObjectName("TZoneEdit");
    setWindowTitle(tr("Zone Editor"));
    for (int i = 0; i < int(icons_.size()); ++i) icons_[size_t(i)] = command_icon(i);
    auto* layout = new QVBoxLayout(this);
    auto* pages = new QTabWidget(this);
    pages->setObjectName("PageControl1");
    layout->addWidget(pages);

    auto* info = new QWidget(pages);
    info->setObjectName("InfoPage");
    auto* form = new QFormLayout(info);
    vnum_ = new QLineEdit(info);
    vnum_->setObjectName("EditVNum");
    vnum_->setValidator(new QIntValidator(vnum_));
    name_ = new QLineEdit(info);
    name_->setObjectName("Edit1");
    top_ = new QLineEdit(info);
    top_->setObjectName("EditTop");
    top_->setValidator(new QIntValidator(top_));
    lifespan_ = new QLineEdit(info);
    lifespan_->setObjectName("EditN2");
    lifespan_->setValidator(new QIntValidator(lifespan_));
    reset_mode_ = new QComboBox(info);
    reset_mode_->setObjectName("ComboBox1");
    for (const char* m : kResetModeNames) reset_mode_->addItem(shown(m));
    auto* properties = new QPushButton(tr("Project Properties..."), info);
    properties->setObjectName("ProjectPropertiesBtn");
    form->addRow(tr("Zone Number:"), vnum_);
    form->addRow(tr("Name:"), name_);
    form->addRow(tr("Top Room"), top_);
    form->addRow(tr("Lifespan:"), lifespan_);
    form->addRow(tr("Reset Mode:"), reset_mode_);
    extras_ = new ZoneHeaderExtras(info, form);
    form->addRow(properties);
    pages->addTab(info, tr("Info"));

    tree_ = new QTreeWidget(pages);
    tree_->setObjectName("TreeView1");
    tree_->setHeaderHidden(true);
    tree_->setContextMenuPolicy(Qt::CustomContextMenu);
    pages->addTab(tree_, tr("Zone Reset (Zone Commands)"));

    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName("Button1");
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    menu_ = new QMenu(this);
    menu_->setObjectName("PopupMenu1");
    QMenu* add = menu_->addMenu(tr("&Add"));
    add->setObjectName("Agregar1");
    for (size_t i = 0; i < kAddLetters.size(); ++i) {
        const char letter = kAddLetters[i];
        add_actions_[i] = add->addAction(icons_[size_t(command_image(letter))], to_qt(kAddCaptions[i]));
        add_actions_[i]->setObjectName(QStringLiteral("Add") + QChar(letter));
        connect(add_actions_[i], &QAction::triggered, this, [this, letter] { add_command(letter); });
    }
    remove_action_ = menu_->addAction(tr("&Remove"), this, &TZoneEdit::remove_selected);
    remove_action_->setObjectName("Eliminar1");
    edit_action_ = menu_->addAction(tr("&Edit"), this, &TZoneEdit::edit_selected);
    edit_action_->setObjectName("Editar1");
    copy_action_ = menu_->addAction(tr("&Copy"), this, &TZoneEdit::copy_selected);
    copy_action_->setObjectName("Copiar1");
    paste_action_ = menu_->addAction(tr("&Paste"), this, &TZoneEdit::paste);
    paste_action_->setObjectName("Pegar1");

    dialog_ = new TEditCommandForm(context, this);

    connect(tree_, &QTreeWidget::customContextMenuRequested, this, &TZoneEdit::show_menu);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this] { edit_selected(); });
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    connect(properties, &QPushButton::clicked, this, &TZoneEdit::projectPropertiesRequested);
    // A header edit is a change of the zone: the unsaved mark follows it.
    auto text_field = [this](QLineEdit* edit, std::string ZoneHeaderForm::*field) {
        connect(edit, &QLineEdit::textChanged, this, [this, field](const QString& text) {
            if (loading_) return;
            editor_.header.*field = from_qt(text);
            header_edited();
        });
    };
    text_field(vnum_, &ZoneHeaderForm::vnum);
    text_field(name_, &ZoneHeaderForm::name);
    text_field(top_, &ZoneHeaderForm::top);
    text_field(lifespan_, &ZoneHeaderForm::lifespan);
    connect(reset_mode_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (loading_) return;
        editor_.header.reset_mode = index;
        header_edited();
    });
    connect(extras_, &ZoneHeaderExtras::edited, this, [this] {
        if (loading_) return;
        extras_->read_form(editor_.header);
        header_edited();
    });
    // Names shown in the tree follow the other editors.
    connect(&context_, &AppContext::recordChanged, this, &TZoneEdit::names_changed);
    connect(&context_, &AppContext::tableChanged, this, &TZoneEdit::names_changed);
    connect(&context_, &AppContext::otherZonesChanged, this, &TZoneEdit::names_changed);
    show_zone_header();
}

bool TZoneEdit::tree_current() {
    if (editor_.in_sync()) return true;
    show_zone_header();
    return false;
}

void TZoneEdit::names_changed() {
    if (!tree_current()) return;
    if (!isVisible()) {
        texts_stale_ = true;
        view_stale_ = true;
        return;
    }
    editor_.refresh_texts();
    rebuild_tree(selected_node());
}

void TZoneEdit::showEvent(QShowEvent* event) {
    EditorWindow::showEvent(event);
    if (texts_stale_ && tree_current()) editor_.refresh_texts();
    texts_stale_ = false;
    if (view_stale_) fill_tree(nullptr);
}

void TZoneEdit::changeEvent(QEvent* event) {
    EditorWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) names_changed();
}

void TZoneEdit::select_record(int) { show_zone_header(); }

QSize TZoneEdit::sizeHint() const {
    // The tree shares its tab with the header page: it widens the window by
    // what it lacks for its longest line, measured on the command tree the
    // view shows (the view itself may not be filled yet).
    QSize hint = EditorWindow::sizeHint();
    hint.rwidth() += std::max(0, commands_width() - tree_->sizeHint().width());
    return hint;
}

int TZoneEdit::commands_width() const {
    const QStyle* style = tree_->style();
    const QFontMetrics fm(tree_->font());
    const int icon = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, tree_);
    // Text margins on both sides of the icon and of the text.
    const int pad = 4 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, tree_) + 1);
    int widest = 0;
    const std::function<void(const ZoneTreeNode&, int)> walk = [&](const ZoneTreeNode& node,
                                                                   int depth) {
        // Every level is indented once more, the top one too (its branch mark).
        widest = std::max(widest, (depth + 1) * tree_->indentation() + icon + pad +
                                      fm.horizontalAdvance(to_qt(node.text)));
        for (const auto& child : node.children) walk(*child, depth + 1);
    };
    walk(editor_.tree().root(), 0);
    return widest + scroll_chrome_width(tree_);
}

QSize TZoneEdit::minimumSizeHint() const {
    return useful_size(this, EditorWindow::minimumSizeHint(), sizeHint());
}

void TZoneEdit::show_commands_page() {
    if (auto* pages = findChild<QTabWidget*>(QStringLiteral("PageControl1"))) pages->setCurrentWidget(tree_);
}

void TZoneEdit::header_edited() {
    // The edit reaches the zone header at once, so the history records it as
    // it is made (typing on in the same field grows the same step).
    editor_.header_edited = true;
    editor_.apply_header_edits();
    context_.mark_changed();
}

void TZoneEdit::show_zone_header() {
    editor_.show_zone_header();
    loading_ = true;
    vnum_->setText(to_qt(editor_.header.vnum));
    name_->setText(to_qt(editor_.header.name));
    top_->setText(to_qt(editor_.header.top));
    lifespan_->setText(to_qt(editor_.header.lifespan));
    reset_mode_->setCurrentIndex(editor_.header.reset_mode);
    extras_->show_form(editor_.header, context_.world.dialect);
    loading_ = false;
    rebuild_tree(nullptr);
}

void TZoneEdit::add_items(QTreeWidgetItem* parent, const ZoneTreeNode& node,
                          const ZoneTreeNode* select) {
    for (const auto& child : node.children) {
        auto* item = new QTreeWidgetItem(parent, QStringList(to_qt(child->text)));
        item->setIcon(0, icons_[size_t(child->image)]);
        item->setData(0, kNodeRole, QVariant::fromValue(quintptr(child.get())));
        if (child.get() == select) tree_->setCurrentItem(item);
        add_items(item, *child, select);
    }
}

void TZoneEdit::focus_field(const std::string& field) {
    if (field.rfind("command:", 0) != 0) {
        top_->setFocus();
        return;
    }
    auto& commands = context_.world.zone.commands;
    const int n = std::atoi(field.c_str() + 8);
    if (n < 0 || n >= int(commands.size())) return;
    const zCommand* wanted = &*std::next(commands.begin(), n);
    tree_current();  // the tree is rebuilt when the commands were replaced
    if (view_stale_) fill_tree(nullptr);
    for (QTreeWidgetItemIterator it(tree_); *it; ++it) {
        auto* node = reinterpret_cast<const ZoneTreeNode*>((*it)->data(0, kNodeRole).value<quintptr>());
        if (node && node->command == wanted) {
            tree_->setCurrentItem(*it);
            break;
        }
    }
    tree_->setFocus();
}

void TZoneEdit::rebuild_tree(const ZoneTreeNode* select) {
    if (isVisible()) {
        fill_tree(select);
        return;
    }
    // Items of the old view point at nodes the command tree may drop.
    tree_->clear();
    view_stale_ = true;
}

void TZoneEdit::fill_tree(const ZoneTreeNode* select) {
    view_stale_ = false;
    tree_->clear();
    const ZoneTreeNode& root = editor_.tree().root();
    auto* top = new QTreeWidgetItem(tree_, QStringList(to_qt(root.text)));
    top->setData(0, kNodeRole, QVariant::fromValue(quintptr(&root)));
    if (!select || select == &root) tree_->setCurrentItem(top);
    add_items(top, root, select);
    tree_->expandAll();
    // A new tree starts scrolled to its top: the command just added, edited
    // or pasted is brought back into view.
    if (QTreeWidgetItem* current = tree_->currentItem()) tree_->scrollToItem(current);
}

ZoneTreeNode* TZoneEdit::selected_node() const {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item) return nullptr;
    return reinterpret_cast<ZoneTreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

void TZoneEdit::update_menu() {
    tree_current();
    ZoneMenuState s = editor_.menu_state(selected_node());
    for (size_t i = 0; i < add_actions_.size(); ++i) {
        add_actions_[i]->setEnabled(s.add[i]);
        // T and V are offered in tbaMUD zones only.
        if (kAddLetters[i] == 'T' || kAddLetters[i] == 'V')
            add_actions_[i]->setVisible(context_.world.dialect == Dialect::TbaMud);
    }
    copy_action_->setEnabled(s.copy);
    paste_action_->setEnabled(s.paste);
}

void TZoneEdit::show_menu(const QPoint& pos) {
    if (!tree_current()) return;
    QTreeWidgetItem* item = tree_->itemAt(pos);
    if (!item) return;  // empty space opens no menu
    tree_->setCurrentItem(item);
    update_menu();
    menu_->popup(tree_->viewport()->mapToGlobal(pos));
}

void TZoneEdit::changed_commands(const ZoneTreeNode* select) {
    rebuild_tree(select);
    context_.mark_changed();
}

void TZoneEdit::add_command(char letter) {
    if (!tree_current()) return;
    ZoneTreeNode* selected = selected_node();
    if (!selected) return;
    zCommand command = ZoneEditor::new_command(letter, selected);
    if (!dialog_->edit(command)) return;
    changed_commands(editor_.place(selected, command));
}

void TZoneEdit::edit_selected() {
    if (!tree_current()) return;
    ZoneTreeNode* node = selected_node();
    if (!node || !node->command) return;
    bool changed = dialog_->edit(*node->command);
    editor_.refresh(node);
    if (changed)
        changed_commands(node);
    else
        tree_->currentItem()->setText(0, to_qt(node->text));
}

void TZoneEdit::remove_selected() {
    if (!tree_current()) return;
    ZoneTreeNode* node = selected_node();
    if (!node || !node->command) return;
    ZoneTreeNode* parent = node->parent;
    editor_.remove(node);
    changed_commands(parent);
}

void TZoneEdit::copy_selected() {
    if (tree_current()) editor_.copy(selected_node());
}

void TZoneEdit::paste() {
    if (!tree_current()) return;
    ZoneTreeNode* selected = selected_node();
    if (!selected) return;
    if (ZoneTreeNode* node = editor_.paste(selected)) changed_commands(node);
}

EditorWindow* create_zone_editor(AppContext& context, QWidget* parent) {
    return new TZoneEdit(context, parent);
}

}  // namespace tarnwick::ui
