#include "ui/record_list_window.h"
#include "ui/interface_language.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "ui/cp1252.h"
#include "ui/editor_window.h"
#include "ui/text_viewer.h"
#include "world/world.h"

namespace tarnwick::ui {

namespace {

struct ListLook {
    const char* object_name;
    const char* label;
    const char* first_title;
    const char* edit, *add, *remove, *on_top;
    bool clone, source;
};

ListLook look_of(ListKind kind) {
    switch (kind) {
    case ListKind::Room:
        return {"TFormRoomList", "Defined Rooms:", "Room List", "Edit", "Add", "Remove",
                "Always on top", true, true};
    case ListKind::Mob:
        return {"TFormMobList", "Defined Mobs:", "0 Records.", "&Edit", "&Add", "&Remove",
                "Always on top", true, true};
    case ListKind::Object:
        return {"TFormObjList", "Defined Objects:", "0 Objects", "&Edit", "&Add", "&Remove",
                "Always on top", false, true};
    case ListKind::Shop:
        return {"TFormShopList", "Defined Shops:", "Shop List", "&Edit", "&Add", "&Remove",
                "&Always on top", false, false};
    case ListKind::Trigger:
        return {"TFormTrigList", "Defined Triggers:", "Trigger List", "&Edit", "&Add", "&Remove",
                "Always on top", true, true};
    }
    return {};
}

// Makes the page holding `widget` current in every page control above it
// (a tab widget keeps its pages in a stacked widget).
void bring_forward(QWidget* widget) {
    for (QWidget* w = widget; w && w->parentWidget(); w = w->parentWidget()) {
        if (auto* stack = qobject_cast<QStackedWidget*>(w->parentWidget())) stack->setCurrentWidget(w);
    }
}

}  // namespace

RecordKind record_kind_of(ListKind kind) {
    switch (kind) {
    case ListKind::Room: return RecordKind::Room;
    case ListKind::Mob: return RecordKind::Mob;
    case ListKind::Object: return RecordKind::Object;
    case ListKind::Shop: return RecordKind::Shop;
    case ListKind::Trigger: return RecordKind::Trigger;
    }
    return RecordKind::Room;
}

RecordListWindow::RecordListWindow(AppContext& context, ListKind kind, EditorWindow* editor,
                                   TextViewer* viewer, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context), kind_(kind), viewer_(viewer) {
    set_editor(editor);
    const ListLook look = look_of(kind);
    setObjectName(look.object_name);
    setWindowTitle(look.first_title);
    setModal(false);

    label_ = new QLabel(look.label, this);
    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName("Button1");
    on_top_ = new QCheckBox(look.on_top, this);
    on_top_->setObjectName("CheckBox1");

    menu_ = new QMenu(this);
    QAction* edit = menu_->addAction(look.edit, this, &RecordListWindow::Editar1Click);
    edit->setObjectName("Editar1");
    menu_->setDefaultAction(edit);
    menu_->addAction(look.add, this, &RecordListWindow::Agregar1Click)->setObjectName("Agregar1");
    menu_->addAction(look.remove, this, &RecordListWindow::Eliminar1Click)->setObjectName("Eliminar1");
    if (look.clone)
        menu_->addAction("&Clone", this, &RecordListWindow::Clonar1Click)->setObjectName("Clonar1");
    if (look.source)
        menu_->addAction("&View source", this, &RecordListWindow::VerFuente1Click)
            ->setObjectName("VerFuente1");

    connect(list_, &QListWidget::itemClicked, this, &RecordListWindow::ListBox1Click);
    connect(list_, &QListWidget::itemDoubleClicked, this, &RecordListWindow::ListBox1DblClick);
    connect(list_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(list_->viewport()->mapToGlobal(at)); });
    connect(close, &QPushButton::clicked, this, &RecordListWindow::Button1Click);
    connect(on_top_, &QCheckBox::clicked, this, &RecordListWindow::CheckBox1Click);
    connect(&context_, &AppContext::recordChanged, this, &RecordListWindow::record_changed);
    connect(&context_, &AppContext::tableChanged, this, [this](RecordKind k) {
        if (k == record_kind_of(kind_)) refresh_list();
    });
    // A shop's line names its keeper, who may live in another zone.
    connect(&context_, &AppContext::otherZonesChanged, this, [this] {
        if (record_kind_of(kind_) == RecordKind::Shop) refresh_list();
    });

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(on_top_);
    bottom->addStretch();
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(list_);
    layout->addLayout(bottom);
    resize(360, 300);
}

QStringList RecordListWindow::lines() const {
    QStringList out;
    for (int i = 0; i < list_->count(); ++i) out << list_->item(i)->text();
    return out;
}

int RecordListWindow::selected() const {
    QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? list_->row(item) : -1;
}

void RecordListWindow::set_editor(EditorWindow* editor) {
    if (editor_) disconnect(editor_, &EditorWindow::recordShown, this, nullptr);
    editor_ = editor;
    if (editor_) connect(editor_, &EditorWindow::recordShown, this, &RecordListWindow::select_row);
}

// Remove and Clone act on the selected line, so it must be the record on
// screen; no record shown leaves no line selected.
void RecordListWindow::select_row(int index) {
    if (index >= 0 && index < list_->count()) {
        list_->setCurrentRow(index);
    } else {
        list_->setCurrentItem(nullptr);
        list_->clearSelection();
    }
}

void RecordListWindow::refresh_list() {
    list_->clear();
    const int count = record_count(context_.world, kind_);
    for (int i = 0; i < count; ++i) list_->addItem(from_cp1252(list_line(context_.world, kind_, i)));
    setWindowTitle(from_cp1252(records_title(count)));
    if (editor_) select_row(editor_->current_index());
}

void RecordListWindow::fill_after_load(const std::string& caption) {
    refresh_list();
    setWindowTitle(shown(caption));
}

void RecordListWindow::clear_list() {
    list_->clear();
    setWindowTitle(QString());
}

void RecordListWindow::record_changed(RecordKind kind, int index) {
    if (kind != record_kind_of(kind_)) return;
    if (index < 0 || index >= list_->count() || index >= record_count(context_.world, kind_)) {
        refresh_list();
        return;
    }
    list_->item(index)->setText(from_cp1252(list_line(context_.world, kind_, index)));
}

void RecordListWindow::show_editor() {
    if (editor_) {
        editor_->show();
        editor_->raise();
    }
}

void RecordListWindow::ListBox1Click() {
    const int row = selected();
    if (editor_ && (kind_ != ListKind::Room || (row >= 0 && row < context_.world.room_count())))
        editor_->select_record(row);
    if (kind_ != ListKind::Shop && viewer_ && viewer_->isVisible() && row >= 0) VerFuente1Click();
}

void RecordListWindow::ListBox1DblClick() {
    show_editor();
    if (editor_ && (kind_ == ListKind::Mob || kind_ == ListKind::Object || kind_ == ListKind::Trigger))
        editor_->select_record(selected());
}

void RecordListWindow::Editar1Click() { show_editor(); }

void RecordListWindow::appended(int index) {
    QString line = from_cp1252(list_line(context_.world, kind_, index));
    if (kind_ == ListKind::Shop)  // the keeper is looked up at the next refresh
        line = tr("#%1   ---   Sin Keeper").arg(context_.world.shops[index].vnum);
    if (kind_ == ListKind::Trigger)  // in vnum order, maybe not last
        list_->insertItem(index, line);
    else
        list_->addItem(line);
    if (editor_) select_row(editor_->current_index());
    setWindowTitle(from_cp1252(records_title(record_count(context_.world, kind_))));
    context_.mark_changed();
    show_editor();
    if (kind_ == ListKind::Object && editor_) {
        if (auto* field = editor_->findChild<QWidget*>("edshortdescription")) {
            bring_forward(field);
            field->setFocus();
        }
    }
}

void RecordListWindow::Agregar1Click() {
    const int index = add_record(context_.world, kind_, context_.messages, editor_);
    if (index >= 0) appended(index);
}

void RecordListWindow::Clonar1Click() {
    const int index = clone_record(context_.world, kind_, selected(), context_.messages, editor_);
    if (index >= 0) appended(index);
}

void RecordListWindow::Eliminar1Click() {
    if (!confirm_removal(context_.world, kind_, selected(), context_.messages)) return;
    if (!remove_record(context_.world, kind_, selected(), editor_)) return;
    refresh_list();
    context_.mark_changed();
    emit context_.tableChanged(record_kind_of(kind_));
}

void RecordListWindow::VerFuente1Click() {
    const int row = selected();
    if (kind_ == ListKind::Shop || row < 0 || row >= record_count(context_.world, kind_)) return;
    const auto settings =
        context_.preferences.format_settings(context_.project.zone_name, context_.project.author);
    const std::string text =
        record_source(context_.world, kind_, row, settings, context_.messages, source_warned_);
    if (!viewer_) return;
    viewer_->set_text(from_cp1252(text));
    viewer_->show();
    viewer_->raise();
}

void RecordListWindow::Button1Click() { hide(); }

void RecordListWindow::CheckBox1Click() {
    const bool was_visible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on_top_->isChecked());
    if (was_visible) show();  // changing a window flag hides the window
}

void RecordListWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    emit visibilityChanged(true);
}

void RecordListWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}

}  // namespace tarnwick::ui
