#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/about_box.h"
#include "app/commands.h"
#include "app/other_zones_reader.h"
#include "app/window_placer.h"
#include "editors/record_list_ops.h"
#include "project/preferences_io.h"
#include "project/renumber.h"
#include "ui/caption_bar.h"
#include "ui/file_name_text.h"
#include "ui/fonts.h"
#include "ui/map_window.h"
#include "ui/object_choice_dialog.h"
#include "ui/cp1252.h"
#include "ui/editor_factory.h"
#include "ui/editor_window.h"
#include "ui/prefs_form.h"
#include "ui/progress_area.h"
#include "ui/project_form.h"
#include "ui/record_list_window.h"
#include "ui/selection_dialogs.h"
#include "ui/text_viewer.h"
#include "ui/zone_edit_window.h"
#include "world/dialect_lists.h"
#include "world/wrap.h"

namespace tarnwick::app {

using ui::RecordKind;

namespace {

// A record button: the record's letter on green (new) or red (remove).
QIcon record_icon(QChar letter, bool add) {
    QPixmap pix(16, 16);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(add ? QColor(40, 150, 60) : QColor(190, 50, 40));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont f;
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QString(letter) + (add ? "+" : "-"));
    return QIcon(pix);
}

QIcon tool_icon(const QStyle* style, const char* name) {
    const QString n = QString::fromLatin1(name);
    if (n == "NewBtn") return style->standardIcon(QStyle::SP_FileIcon);
    if (n == "OpenBtn") return style->standardIcon(QStyle::SP_DialogOpenButton);
    if (n == "SaveBtn") return style->standardIcon(QStyle::SP_DialogSaveButton);
    if (n == "EditPrjBtn") return style->standardIcon(QStyle::SP_FileDialogDetailedView);
    if (n == "ToolsBtn") return style->standardIcon(QStyle::SP_ComputerIcon);
    if (n == "TrigListBtn") return style->standardIcon(QStyle::SP_FileDialogListView);
    const bool add = n.startsWith("New") || n.startsWith("Add");
    QChar letter = n.contains("Monster") ? 'M'
                   : n.contains("Room")  ? 'R'
                   : n.contains("Obj")   ? 'O'
                   : n.contains("Trig")  ? 'T'
                                         : 'S';
    return record_icon(letter, add);
}

}  // namespace

MainWindow::MainWindow(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
    setObjectName("TMainForm");
    state_.session.set_view(this);
    caption_ = new ui::CaptionBar(this);
    caption_->set_text(QString::fromUtf8(QT_TR_NOOP("Sin Proyecto")), true);
    setMenuWidget(nullptr);
    build_menus();
    build_toolbars();
    ui::apply_general_font(this, state_.preferences.font);
    command("Genera1")->setChecked(true);
    command("Edicin1")->setChecked(true);
    // The caption above the menus, as a title bar.
    auto* top = new QWidget(this);
    auto* top_layout = new QVBoxLayout(top);
    top_layout->setContentsMargins(0, 0, 0, 0);
    top_layout->setSpacing(0);
    QMenuBar* menus = menuBar();  // asked for before the caption widget replaces it
    top_layout->addWidget(caption_);
    top_layout->addWidget(menus);
    // Long work shows its progress at the right of the menu bar, the only
    // free space the thin main window has.
    progress_ = new ui::ProgressArea(menus);
    menus->setCornerWidget(progress_, Qt::TopRightCorner);
    setMenuWidget(top);
    state_.context.work_runner = [this](const std::string& what, const ui::AppContext::Work& work) {
        return progress_->run(what, work);
    };
    setCentralWidget(new QWidget(this));
    centralWidget()->setMaximumHeight(0);

    setFixedHeight(kMainHeight);
    setMinimumWidth(kMainMinWidth);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        setMaximumWidth(std::max(kMainMinWidth, screen->geometry().width()));
    resize(std::max(kMainMinWidth, 760), kMainHeight);

    set_project_commands(false);
    creation_order_ << "TMainForm";
    create_windows();
    build_history();
    // The rest of a world folder arrives while the builder works; a read
    // for a zone no longer open is dropped by the session.
    other_reader_ = new OtherZonesReader(
        [this](uint64_t generation, std::shared_ptr<const OtherZones> zones) {
            if (state_.session.install_other_zones(generation, std::move(zones)))
                emit state_.context.otherZonesChanged();
        },
        this);
    connect(&state_.context, &ui::AppContext::changedMarkChanged, this, [this] { update_caption(); });
    update_caption();
}

MainWindow::~MainWindow() {
    state_.context.work_runner = nullptr;
    state_.session.set_view(nullptr);
}

void MainWindow::create_windows() {
    auto& ctx = state_.context;
    auto note = [this](QWidget* w) {
        w->hide();
        creation_order_ << w->objectName();
    };
    // Each window is created hidden, in the order the program has always
    // used: later windows may rely on earlier ones.
    zone_editor_ = ui::create_zone_editor(ctx, this);
    zone_editor_->setObjectName("TZoneEdit");
    note(zone_editor_);
    room_list_ = new ui::RecordListWindow(ctx, ListKind::Room, nullptr, nullptr, this);
    note(room_list_);
    project_form_ = new ui::ProjectForm(state_.messages, this);
    note(project_form_);
    room_editor_ = ui::create_room_editor(ctx, this);
    room_editor_->setObjectName("TRoomEdit");
    note(room_editor_);
    mob_list_ = new ui::RecordListWindow(ctx, ListKind::Mob, nullptr, nullptr, this);
    note(mob_list_);
    object_list_ = new ui::RecordListWindow(ctx, ListKind::Object, nullptr, nullptr, this);
    note(object_list_);
    mob_editor_ = ui::create_mob_editor(ctx, this);
    mob_editor_->setObjectName("TMobEdit");
    note(mob_editor_);
    object_editor_ = ui::create_object_editor(ctx, this);
    object_editor_->setObjectName("TObjEdit");
    note(object_editor_);
    select_item_ = new ui::SelectItemDialog(this);
    note(select_item_);
    shop_list_ = new ui::RecordListWindow(ctx, ListKind::Shop, nullptr, nullptr, this);
    note(shop_list_);
    shop_editor_ = ui::create_shop_editor(ctx, this);
    shop_editor_->setObjectName("TShopEdit");
    note(shop_editor_);
    // tbaMUD's triggers: not among the project's remembered windows (nor in
    // the start-up order of the others).
    trigger_list_ = new ui::RecordListWindow(ctx, ListKind::Trigger, nullptr, nullptr, this);
    trigger_list_->hide();
    trigger_editor_ = ui::create_trigger_editor(ctx, this);
    trigger_editor_->hide();

    sel_form_ = new ui::SelForm(ctx, *select_item_, this);
    note(sel_form_);
    object_choice_ = new ui::ObjectChoiceDialog(ctx.world, this);
    qt_chooser_ = std::make_unique<ui::QtChooser>(*select_item_, *sel_form_, *object_choice_);
    state_.chooser.set_target(qt_chooser_.get());

    // The preferences window loads the lookup lists into the editors and
    // reads the recent-files list.
    prefs_form_ = new ui::PrefsForm(this);
    note(prefs_form_);
    load_dialect_lists(state_.lists,
                       default_list_folders(QCoreApplication::applicationDirPath().toStdString()),
                       state_.messages);
    show_zone_lists();
    ui::apply_general_font(prefs_form_, state_.preferences.font);
    recent_.read(state_.recent_files_store);
    rebuild_recent_menu();

    about_ = new AboutBox(this);
    note(about_);
    viewer_ = new ui::TextViewer(this);
    note(viewer_);

    // The map is not one of the project's remembered windows.
    map_ = new ui::MapWindow(ctx, this);
    map_->hide();
    map_->set_targets(room_list_, room_editor_);

    room_list_->set_viewer(viewer_);
    mob_list_->set_viewer(viewer_);
    object_list_->set_viewer(viewer_);
    trigger_list_->set_viewer(viewer_);
    // The lists point the editors at records; they were created before them.
    room_list_->set_editor(room_editor_);
    mob_list_->set_editor(mob_editor_);
    object_list_->set_editor(object_editor_);
    shop_list_->set_editor(shop_editor_);
    trigger_list_->set_editor(trigger_editor_);
    if (auto* zone = dynamic_cast<ui::TZoneEdit*>(zone_editor_))
        connect(zone, &ui::TZoneEdit::projectPropertiesRequested, this, &MainWindow::EditarProyecto1Click);
    for (auto* l : lists()) {
        connect(l, &ui::RecordListWindow::visibilityChanged, this, [this] { sync_checks(); });
    }
    for (auto* w : editors()) w->installEventFilter(this);
    placer_ = new WindowPlacer(this);
    for (QWidget* w : editors()) placer_->watch(w);
    for (QWidget* w : lists()) placer_->watch(w);
    placer_->watch(map_);
}

std::vector<ui::EditorWindow*> MainWindow::editors() const {
    return {zone_editor_, room_editor_, mob_editor_, object_editor_, shop_editor_, trigger_editor_};
}

std::vector<ui::RecordListWindow*> MainWindow::lists() const {
    return {room_list_, mob_list_, object_list_, shop_list_, trigger_list_};
}

ui::RecordListWindow* MainWindow::list(ListKind kind) const {
    switch (kind) {
    case ListKind::Room: return room_list_;
    case ListKind::Mob: return mob_list_;
    case ListKind::Object: return object_list_;
    case ListKind::Shop: return shop_list_;
    case ListKind::Trigger: return trigger_list_;
    }
    return nullptr;
}

QAction* MainWindow::command(const QString& object_name) const {
    auto it = actions_.find(object_name);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::build_menus() {
    for (const MenuInfo& m : menus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(m.caption));
        menu->setObjectName(m.object_name);
        menus_[m.key] = menu;
    }
    for (const MenuCommand& c : menu_commands()) {
        QString key = QString::fromUtf8(c.menu);
        if (!menus_.count(key)) {
            // A sub-menu such as "View/Toolbars".
            QMenu* parent = menus_[key.section('/', 0, 0)];
            QMenu* sub = parent->addMenu(key.section('/', 1));
            sub->setObjectName(key.section('/', 1).remove('.') + "Menu");
            menus_[key] = sub;
        }
        QMenu* menu = menus_[key];
        if (QString(c.object_name) == "-") {
            menu->addSeparator();
            continue;
        }
        if (QString(c.object_name) == "RecentFiles1") {
            recent_menu_ = menu->addMenu(QString::fromUtf8(c.caption));
            recent_menu_->setObjectName("RecentFiles1");
            actions_["RecentFiles1"] = recent_menu_->menuAction();
            continue;
        }
        QAction* a = menu->addAction(QString::fromUtf8(c.caption));
        a->setObjectName(c.object_name);
        a->setCheckable(c.checkable);
        if (*c.shortcut) {
            a->setShortcut(QKeySequence(QString::fromLatin1(c.shortcut)));
            // Every window of the editor takes the main window's shortcuts.
            a->setShortcutContext(Qt::ApplicationShortcut);
        }
        const QByteArray handler(c.handler);
        a->setProperty("handler", handler);
        connect(a, &QAction::triggered, this,
                [this, handler] { QMetaObject::invokeMethod(this, handler.constData()); });
        actions_[c.object_name] = a;
    }
}

void MainWindow::build_toolbars() {
    general_tb_ = new QToolBar(tr("Tools"), this);
    general_tb_->setObjectName("GeneralTB");
    edit_tb_ = new QToolBar(tr("Edición"), this);
    edit_tb_->setObjectName("EditTB");
    for (QToolBar* tb : {general_tb_, edit_tb_}) {
        tb->setIconSize(QSize(16, 16));
        tb->setMovable(true);
        tb->setFloatable(true);
        addToolBar(Qt::TopToolBarArea, tb);
    }
    // Hiding the main window hides the toolbars too; only a toolbar hidden
    // by itself unchecks its entry.
    for (const ToolCommand& t : tool_commands()) {
        QToolBar* tb = QString::fromUtf8(t.toolbar) == "Tools" ? general_tb_ : edit_tb_;
        QAction* a = tb->addAction(tool_icon(style(), t.object_name), QString::fromUtf8(t.hint));
        a->setObjectName(t.object_name);
        a->setToolTip(QString::fromUtf8(t.hint));
        if (*t.handler) {
            const QByteArray handler(t.handler);
            a->setProperty("handler", handler);
            connect(a, &QAction::triggered, this,
                    [this, handler] { QMetaObject::invokeMethod(this, handler.constData()); });
        } else {
            // The button opens the menu bar's Tools menu. Set on the button,
            // not the action: an action given a menu takes the menu's place
            // in the menu bar.
            if (auto* button = qobject_cast<QToolButton*>(tb->widgetForAction(a))) {
                button->setMenu(menus_["Tools"]);
                button->setPopupMode(QToolButton::InstantPopup);
            }
        }
        actions_[t.object_name] = a;
    }
    // A toolbar closed by its own means unchecks its View entry.
    connect(general_tb_, &QToolBar::visibilityChanged, this, [this](bool on) {
        if (!on && general_tb_->isHidden()) GeneralTBClose();
    });
    connect(edit_tb_, &QToolBar::visibilityChanged, this, [this](bool on) {
        if (!on && edit_tb_->isHidden()) EditTBClose();
    });
}

void MainWindow::rebuild_recent_menu() {
    if (!recent_menu_) return;
    recent_menu_->clear();
    int n = 0;
    for (const std::string& path : recent_.entries()) {
        const QString p = ui::file_name_text(path);
        QAction* a = recent_menu_->addAction(QString("&%1 %2").arg(++n).arg(p));
        a->setObjectName(QString("RecentFile%1").arg(n));
        connect(a, &QAction::triggered, this, [this, p] { RecentFiles1Click(p); });
    }
    recent_menu_->setEnabled(true);
}

void MainWindow::set_project_commands(bool on) {
    project_on_ = on;
    for (const char* name : project_menu_entries())
        if (QAction* a = command(name)) a->setEnabled(on);
    for (const MenuInfo& m : menus())
        if (m.project) menus_[m.key]->menuAction()->setEnabled(on);
    // Disabling a menu title does not stop its shortcuts: the entries follow.
    for (const MenuCommand& c : menu_commands()) {
        QString key = QString::fromUtf8(c.menu).section('/', 0, 0);
        if (key == "Tools" || QString(c.object_name) == "-") continue;
        for (const MenuInfo& m : menus())
            if (m.project && key == m.key)
                if (QAction* a = command(c.object_name)) a->setEnabled(on);
    }
    for (const ToolCommand& t : tool_commands())
        if (t.project) command(t.object_name)->setEnabled(on);
    for (const MenuCommand& c : menu_commands())
        if (QString(c.menu) == "Tools") command(c.object_name)->setEnabled(on);
    sync_trigger_commands();
}

void MainWindow::sync_trigger_commands() {
    const bool on = project_on_ && state_.world.dialect == Dialect::TbaMud;
    menus_["Triggers"]->menuAction()->setEnabled(on);
    for (const char* name : {"Agregar5", "Editar5", "Eliminar5", "ListadeTriggers1", "ListadeTriggers2",
                             "EditordeTriggers1", "NewTrigBtn", "TrigListBtn"})
        if (QAction* a = command(name)) a->setEnabled(on);
}

QString MainWindow::caption_text() const { return caption_->text(); }

void MainWindow::update_caption() {
    caption_->set_changed(state_.world.changed);
    setWindowTitle(caption_->full_text());
}

void MainWindow::sync_checks() {
    auto set = [this](const char* name, bool on) {
        if (QAction* a = command(name)) a->setChecked(on);
    };
    set("ListadeRooms1", room_list_->isVisible());
    set("ListadeRooms2", room_list_->isVisible());
    set("ListadeMobs1", mob_list_->isVisible());
    set("ListadeMobs2", mob_list_->isVisible());
    set("ListadeObjetos1", object_list_->isVisible());
    set("ListadeObjetos2", object_list_->isVisible());
    set("ListadeShops1", shop_list_->isVisible());
    set("ListadeShops2", shop_list_->isVisible());
    set("EditordeZonas1", zone_editor_->isVisible());
    set("EditordeRooms1", room_editor_->isVisible());
    set("EditordeMobs1", mob_editor_->isVisible());
    set("EditordeObjs1", object_editor_->isVisible());
    set("EditordeShops1", shop_editor_->isVisible());
    set("ListadeTriggers1", trigger_list_->isVisible());
    set("ListadeTriggers2", trigger_list_->isVisible());
    set("EditordeTriggers1", trigger_editor_->isVisible());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) sync_checks();
    return QMainWindow::eventFilter(watched, event);
}

// ---- ProjectView

void MainWindow::caption_changed(const std::string& text) {
    caption_->set_text(ui::from_cp1252(text));
    update_caption();
}

void MainWindow::project_commands_enabled(bool on) { set_project_commands(on); }

void MainWindow::recent_file_added(const std::string& path) {
    recent_.add(path);
    rebuild_recent_menu();
}

void MainWindow::world_cleared() {
    reset_history();
    for (ui::EditorWindow* e : editors()) {
        e->discard_pending();
        e->hide();
    }
    for (auto* l : lists()) {
        l->clear_list();
        l->hide();
    }
    map_->hide();
    update_caption();
}

void MainWindow::show_zone_lists() {
    lists_dialect_ = state_.world.dialect;
    for (ui::EditorWindow* e : editors()) e->lists_loaded();
    emit state_.context.listsLoaded();
}

void MainWindow::tables_loaded() {
    // A project just opened starts its history here; tables a properties
    // change loads into an edited project are a step of that change.
    if (state_.context.history.size() == 0) reset_history();
    // A zone of another dialect is shown with its own server's names.
    if (state_.world.dialect != lists_dialect_) show_zone_lists();
    const ListCaptions& c = state_.world.captions;
    room_list_->fill_after_load(c.rooms);
    mob_list_->fill_after_load(c.mobs);
    object_list_->fill_after_load(c.objects);
    shop_list_->fill_after_load(c.shops);
    trigger_list_->refresh_list();
    for (ui::EditorWindow* e : editors()) e->select_record(-1);
    for (RecordKind k :
         {RecordKind::Room, RecordKind::Mob, RecordKind::Object, RecordKind::Shop, RecordKind::Trigger})
        emit state_.context.tableChanged(k);
    sync_trigger_commands();
    // tableChanged rebuilt the lists with counts; the readers' titles stand.
    room_list_->setWindowTitle(ui::from_cp1252(c.rooms));
    mob_list_->setWindowTitle(ui::from_cp1252(c.mobs));
    object_list_->setWindowTitle(ui::from_cp1252(c.objects));
    shop_list_->setWindowTitle(ui::from_cp1252(c.shops));
}

QWidget* MainWindow::layout_window(ProjectWindow w) const {
    switch (w) {
    case ProjectWindow::Main: return const_cast<MainWindow*>(this);
    case ProjectWindow::RoomList: return room_list_;
    case ProjectWindow::RoomEditor: return room_editor_;
    case ProjectWindow::MobList: return mob_list_;
    case ProjectWindow::MobEditor: return mob_editor_;
    case ProjectWindow::ObjectList: return object_list_;
    case ProjectWindow::ObjectEditor: return object_editor_;
    case ProjectWindow::ShopList: return shop_list_;
    case ProjectWindow::ShopEditor: return shop_editor_;
    }
    return nullptr;
}

void MainWindow::capture_windows(WindowLayouts& live) {
    for (int i = 0; i < kProjectWindowCount; ++i) {
        QWidget* w = layout_window(ProjectWindow(i));
        // The place of the frame, the size of the inside: what move() and
        // resize() take back.
        live[i] = {w->isVisible(), w->x(), w->y(), w->width(), w->height()};
    }
}

void MainWindow::place_windows(const WindowLayouts& record) {
    WindowLayouts live;
    capture_windows(live);
    apply_window_layout(record, live);
    for (int i = 0; i < kProjectWindowCount; ++i) {
        QWidget* w = layout_window(ProjectWindow(i));
        const window_layout& l = live[i];
        if (!record[i].visible) continue;
        if (ProjectWindow(i) != ProjectWindow::Main) placer_->placed(w);
        QSize size = is_fixed_size_window(ProjectWindow(i)) ? w->size() : QSize(l.width, l.height);
        // A size too small to show the window's controls is not restored.
        const QSize useful = w->minimumSizeHint().expandedTo(w->minimumSize());
        // The default size then: what the window asks for to show a record.
        if (size.width() < useful.width() || size.height() < useful.height())
            size = w->sizeHint().expandedTo(useful);
        w->move(l.left, l.top);
        if (ProjectWindow(i) == ProjectWindow::Main)
            w->resize(std::clamp(l.width, minimumWidth(), maximumWidth()), kMainHeight);
        else if (size.width() > 0 && size.height() > 0)
            w->resize(size);
        w->show();
    }
    sync_checks();
}

}  // namespace tarnwick::app
