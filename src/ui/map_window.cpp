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
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionGraphicsItem>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <functional>

#include "analysis/map_svg.h"
#include "ui/app_context.h"
#include "ui/editor_window.h"
#include "ui/map_paint.h"
#include "ui/record_list_window.h"
#include "world/atomic_file.h"

namespace tarnwick::ui {

namespace {

// Room names are left out below this scale: they would be unreadable.
constexpr double kNameScale = 0.55;
constexpr int kRoleKey = 0, kVnumKey = 1;

// Items of the map carry their shape's role from 1 up: other items (the
// selection mark) answer 0.
int role_key(ShapeRole role) { return int(role) + 1; }

class ShapeItem : public QGraphicsItem {
public:
    explicit ShapeItem(MapShape shape) : shape_(std::move(shape)), bounds_(map_shape_bounds(shape_)) {
        setData(kRoleKey, role_key(shape_.role));
        setData(kVnumKey, shape_.room_vnum);
    }
    QRectF boundingRect() const override { return bounds_; }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override {
        if (shape_.role == ShapeRole::RoomName &&
            option->levelOfDetailFromTransform(painter->worldTransform()) < kNameScale)
            return;
        painter->setRenderHint(QPainter::Antialiasing);
        paint_map_shape(*painter, shape_);
    }

private:
    MapShape shape_;
    QRectF bounds_;
};

// The view: the wheel zooms around the mouse, a drag pans, and a press on a
// room box is reported with its vnum.
class MapView : public QGraphicsView {
public:
    MapView(QGraphicsScene* scene, QWidget* parent) : QGraphicsView(scene, parent) {
        setDragMode(QGraphicsView::ScrollHandDrag);
        setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
        setRenderHint(QPainter::Antialiasing);
        setBackgroundBrush(Qt::white);
    }
    std::function<void(int32_t, bool)> on_room;

protected:
    void wheelEvent(QWheelEvent* event) override {
        const double steps = event->angleDelta().y() / 120.0;
        const double factor = std::pow(1.2, steps);
        const double now = transform().m11();
        if (now * factor < 0.05 || now * factor > 8) return;
        scale(factor, factor);
        event->accept();
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) report(event->position().toPoint(), false);
        QGraphicsView::mousePressEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) report(event->position().toPoint(), true);
        QGraphicsView::mouseDoubleClickEvent(event);
    }

private:
    void report(const QPoint& at, bool twice) {
        for (QGraphicsItem* item : items(at))
            if (item->data(kRoleKey).toInt() == role_key(ShapeRole::Room) && on_room) {
                on_room(item->data(kVnumKey).toInt(), twice);
                return;
            }
    }
};

}  // namespace

MapWindow::MapWindow(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Window), context_(context) {
    setObjectName("TMapWindow");
    setWindowTitle("Zone map");
    scene_ = new QGraphicsScene(this);
    auto* view = new MapView(scene_, this);
    view->on_room = [this](int32_t vnum, bool twice) { room_pressed(vnum, twice); };
    view_ = view;
    view_->setObjectName("mapView");

    auto* menu_bar = new QMenuBar(this);
    QMenu* file = menu_bar->addMenu("&File");
    file->setObjectName("MapFileMenu");
    file->addAction("Export map as &PNG...", this, &MapWindow::ExportPngClick)
        ->setObjectName("ExportPng");
    file->addAction("Export map as &SVG...", this, &MapWindow::ExportSvgClick)
        ->setObjectName("ExportSvg");

    levels_ = new QComboBox(this);
    levels_->setObjectName("levelBox");
    connect(levels_, &QComboBox::activated, this,
            [this](int i) { set_level(levels_->itemData(i).toInt()); });
    auto* fit_button = new QPushButton("Fit", this);
    fit_button->setObjectName("fitButton");
    connect(fit_button, &QPushButton::clicked, this, &MapWindow::fit);
    summary_ = new QLabel(this);
    summary_->setObjectName("summaryLabel");

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel("Level:", this));
    bar->addWidget(levels_);
    bar->addWidget(fit_button);
    bar->addWidget(summary_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu_bar);
    layout->addLayout(bar);
    layout->addWidget(view_, 1);
    resize(900, 640);

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

void MapWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (stale_) refresh();
    if (!fitted_) {
        fitted_ = true;
        fit();
    }
}

void MapWindow::refresh() {
    refresh_timer_->stop();
    stale_ = false;
    layout_ = lay_out_zone(context_.world);
    const bool known = std::find(layout_.levels.begin(), layout_.levels.end(), level_) !=
                       layout_.levels.end();
    if (!known) level_ = first_level(layout_);
    fill_levels();
    redraw();
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
    const MapPicture picture = draw_map_level(layout_, context_.world, level_);
    scene_->setSceneRect(0, 0, picture.width, picture.height);
    for (const MapShape& s : picture.shapes) scene_->addItem(new ShapeItem(s));
    mark(marked_);
}

void MapWindow::fit() {
    view_->fitInView(scene_->sceneRect(), Qt::KeepAspectRatio);
    // A small zone is shown at its natural size rather than blown up.
    if (view_->transform().m11() > 1) view_->resetTransform();
}

std::optional<QPointF> MapWindow::room_centre(int32_t vnum) const {
    for (QGraphicsItem* item : scene_->items())
        if (item->data(kRoleKey).toInt() == role_key(ShapeRole::Room) && item->data(kVnumKey).toInt() == vnum)
            return item->boundingRect().center();
    return std::nullopt;
}

int MapWindow::item_count(ShapeRole role) const {
    int n = 0;
    for (QGraphicsItem* item : scene_->items())
        if (item->data(kRoleKey).toInt() == role_key(role) && dynamic_cast<ShapeItem*>(item)) ++n;
    return n;
}

void MapWindow::mark(int32_t vnum) {
    marked_ = vnum;
    delete marker_;
    marker_ = nullptr;
    const auto centre = room_centre(vnum);
    if (!centre) return;
    marker_ = scene_->addRect(QRectF(*centre - QPointF(kBoxWidth / 2 + 4, kBoxHeight / 2 + 4),
                                     QSizeF(kBoxWidth + 8, kBoxHeight + 8)),
                              QPen(QColor(230, 120, 0), 3));
    marker_->setZValue(1);
}

void MapWindow::room_pressed(int32_t vnum, bool twice) {
    const int i = layout_.find(vnum);
    if (i < 0) return;
    const int index = layout_.rooms[size_t(i)].room_index;
    if (index >= context_.world.room_count()) return;
    mark(vnum);
    if (room_list_) {
        room_list_->list()->setCurrentRow(index);
        room_list_->ListBox1Click();
    }
    if (twice && room_editor_) {
        room_editor_->select_record(index);
        room_editor_->show();
        room_editor_->raise();
    }
    if (twice)
        emit roomActivated(index);
    else
        emit roomClicked(index);
}

bool MapWindow::export_to(const QString& path, QString* error) {
    if (stale_) refresh();
    const MapPicture picture = draw_map_level(layout_, context_.world, level_);
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
