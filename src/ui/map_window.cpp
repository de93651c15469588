#include "ui/map_window.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "analysis/map_placement.h"
#include "analysis/map_svg.h"
#include "ui/app_context.h"
#include "ui/editor_window.h"
#include "ui/map_paint.h"
#include "ui/map_view.h"
#include "ui/record_list_window.h"
#include "world/atomic_file.h"

namespace tarnwick::ui {

namespace {

// The smallest zoom the map opens at: room numbers at about ten pixels,
// names at about eight.
constexpr double kReadableZoom = 0.9;

}  // namespace

MapWindow::MapWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context) {
    setObjectName("TMapWindow");
    setWindowTitle(tr("Zone map"));
    scene_ = new QGraphicsScene(this);
    // The scene is built anew after every change: keeping a spatial index
    // of a thousand rooms' items costs more than the lookups it saves.
    scene_->setItemIndexMethod(QGraphicsScene::NoIndex);
    view_ = new MapView(scene_, this);
    view_->setObjectName("mapView");
    view_->handlers.press = [this](QPointF at, bool twice) { return pressed(at, twice); };
    view_->handlers.drag = [this](QPointF at) { dragged(at); };
    view_->handlers.release = [this](QPointF at, bool was_drag) { released(at, was_drag); };
    view_->handlers.context_menu = [this](QPointF at, QPoint global) { context_menu(at, global); };
    view_->handlers.key = [this](int key, Qt::KeyboardModifiers m) { return key_pressed(key, m); };

    auto* menu_bar = new QMenuBar(this);
    QMenu* file = menu_bar->addMenu("&File");
    file->setObjectName("MapFileMenu");
    file->addAction("Export map as &PNG...", this, &MapWindow::ExportPngClick)
        ->setObjectName("ExportPng");
    file->addAction("Export map as &SVG...", this, &MapWindow::ExportSvgClick)
        ->setObjectName("ExportSvg");
    QMenu* map_menu = menu_bar->addMenu("&Map");
    map_menu->setObjectName("MapMenu");
    map_menu->addAction("&Lay out again", this, &MapWindow::lay_out_again)->setObjectName("LayOutAgain");

    levels_ = new QComboBox(this);
    levels_->setObjectName("levelBox");
    connect(levels_, &QComboBox::activated, this,
            [this](int i) { set_level(levels_->itemData(i).toInt()); });
    auto* fit_button = new QPushButton(tr("Fit"), this);
    fit_button->setFocusPolicy(Qt::NoFocus);
    fit_button->setObjectName("fitButton");
    connect(fit_button, &QPushButton::clicked, this, &MapWindow::fit);
    summary_ = new QLabel(this);
    summary_->setObjectName("summaryLabel");

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(tr("Level:"), this));
    bar->addWidget(levels_);
    bar->addWidget(fit_button);
    bar->addWidget(summary_, 1);
    add_colour_controls(bar);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu_bar);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resize(1100, 760);

    // Several signals may come from one edit: one redraw follows them all.
    refresh_timer_ = new QTimer(this);
    refresh_timer_->setSingleShot(true);
    refresh_timer_->setInterval(0);
    connect(refresh_timer_, &QTimer::timeout, this, &MapWindow::refresh);
    connect(&context_, &AppContext::recordChanged, this, [this](RecordKind k, int) {
        if (k == RecordKind::Room) refresh_soon();
    });
    connect(&context_, &AppContext::tableChanged, this, [this](RecordKind k) {
        if (k == RecordKind::Room) refresh_soon();
    });
    connect(&context_, &AppContext::changedMarkChanged, this, &MapWindow::refresh_soon);
}

void MapWindow::set_targets(RecordListWindow* room_list, EditorWindow* room_editor) {
    room_list_ = room_list;
    room_editor_ = room_editor;
}

void MapWindow::refresh_soon() {
    stale_ = true;
    if (isVisible()) refresh_timer_->start();
}

QGraphicsView* MapWindow::view() const { return view_; }

void MapWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!sized_ && screen()) {
        // A map squeezed into the space the other windows leave is too small
        // to read: it opens large, in the middle of the screen, over them.
        sized_ = true;
        const QRect free = screen()->availableGeometry();
        const QSize want = QSize(1100, 760).boundedTo(free.size() - QSize(40, 80));
        if (width() < want.width() || height() < want.height()) {
            resize(want);
            move(free.center() - QPoint(want.width() / 2, want.height() / 2));
        }
    }
    if (stale_) refresh();
    if (!fitted_) {
        fitted_ = true;
        if (!apply_view()) fit();
    }
}

void MapWindow::hideEvent(QHideEvent* event) {
    finish_naming(true);
    save_memory();
    QDialog::hideEvent(event);
}

void MapWindow::refresh() {
    refresh_timer_->stop();
    stale_ = false;
    follow_project();
    layout_ = lay_out_zone(context_.world);
    place_as_kept(layout_, context_.world, memory_.placement);
    const bool known = std::find(layout_.levels.begin(), layout_.levels.end(), level_) !=
                       layout_.levels.end();
    if (!known) level_ = first_level(layout_);
    colour_rooms();
    fill_levels();
    redraw();
    if (!fitted_ && isVisible()) {
        fitted_ = true;
        if (!apply_view()) fit();
    }
}

void MapWindow::fill_levels() {
    levels_->clear();
    for (int l : layout_.levels) {
        levels_->addItem(QString::number(l), l);
        if (l == level_) levels_->setCurrentIndex(levels_->count() - 1);
    }
    const LayoutQuality q = measure_layout(layout_);
    summary_->setText(QString("%1 rooms, %2 %3, %4 of %5 two-way exits straight")
                          .arg(q.rooms)
                          .arg(layout_.island_count)
                          .arg(layout_.island_count == 1 ? "island" : "islands")
                          .arg(q.straight)
                          .arg(q.compass_two_way));
}

void MapWindow::set_level(int level) {
    if (level == level_ && !stale_) return;
    level_ = level;
    const int i = levels_->findData(level);
    if (i >= 0) levels_->setCurrentIndex(i);
    redraw();
    fit();
}

void MapWindow::redraw() {
    scene_->clear();
    marker_ = nullptr;
    const MapPicture picture = draw_map_level(layout_, context_.world, level_, fills());
    scene_->setSceneRect(0, 0, picture.width, picture.height);
    for (const MapShape& s : picture.shapes) scene_->addItem(new ShapeItem(s));
    drag_item_ = nullptr;
    mark(marked_);
    if (exit_room_ >= 0) mark_exit(exit_room_, exit_direction_);
}

void MapWindow::fit() {
    view_->fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
    // A small zone is shown at its natural size rather than blown up, a
    // large one no smaller than its texts can be read at, from its top
    // left or around the room selected.
    const double zoom = view_->transform().m11();
    if (zoom > 1 || zoom < kReadableZoom) {
        const double z = zoom > 1 ? 1 : kReadableZoom;
        view_->setTransform(QTransform::fromScale(z, z));
        const auto centre = room_centre(marked_);
        if (centre)
            view_->centerOn(*centre);
        else
            view_->ensureVisible(QRectF(0, 0, 1, 1), 0, 0);
    }
}

std::optional<QPointF> MapWindow::room_centre(int32_t vnum) const {
    const int i = layout_.find(vnum);
    if (i < 0 || layout_.rooms[size_t(i)].pos.level != level_) return std::nullopt;
    double x = 0, y = 0;
    cell_centre(layout_, layout_.rooms[size_t(i)].pos, x, y);
    return QPointF(x, y);
}

int MapWindow::item_count(ShapeRole role) const {
    int n = 0;
    for (QGraphicsItem* item : scene_->items())
        if (item->data(kRoleKey).toInt() == role_key(role) && dynamic_cast<ShapeItem*>(item)) ++n;
    return n;
}

bool MapWindow::export_to(const QString& path, QString* error) {
    if (stale_) refresh();
    const MapPicture picture = draw_map_level(layout_, context_.world, level_, fills());
    std::string why;
    bool ok = false;
    if (path.endsWith(".svg", Qt::CaseInsensitive)) {
        const WriteResult r = write_file_atomic(path.toStdString(), map_svg(picture));
        ok = r.ok;
        why = r.reason;
    } else {
        ok = save_map_png(picture, path, why);
    }
    if (!ok && error) *error = QString::fromStdString(why);
    return ok;
}

void MapWindow::export_chosen(const char* filter, const char* suffix) {
    QString path = QFileDialog::getSaveFileName(this, "Export map", QString(), filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(suffix, Qt::CaseInsensitive)) path += suffix;
    QString error;
    if (!export_to(path, &error))
        context_.messages.warn("Export map", (path + ": " + error).toStdString());
}

void MapWindow::ExportPngClick() { export_chosen("PNG images (*.png)", ".png"); }
void MapWindow::ExportSvgClick() { export_chosen("SVG images (*.svg)", ".svg"); }

}  // namespace tarnwick::ui
