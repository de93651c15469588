// What the map window keeps of each project: the level, zoom and centre of
// the view once the builder moved it, and the cells of rooms placed by hand,
// in the memory file beside the project file.

#include <QGraphicsView>
#include <algorithm>

#include "project/map_memory.h"
#include "ui/app_context.h"
#include "ui/map_view.h"
#include "ui/map_window.h"

namespace tarnwick::ui {

MapWindow::~MapWindow() {
    // Closing the program keeps the view as the builder left it; there is
    // no one left to tell about a failure.
    remember_view();
    std::string error;
    save_map_memory(memory_path_, memory_, error);
}

void MapWindow::follow_project() {
    const std::string path = map_memory_path(context_.project.project_path);
    if (path == memory_path_) return;
    save_memory();
    const bool carry = memory_path_.empty();  // a new project saved for the first time
    memory_path_ = path;
    MapMemory loaded = load_map_memory(path);
    if (carry && loaded == MapMemory{}) {
        save_memory();
    } else {
        memory_ = std::move(loaded);
        view_touched_ = false;
    }
    // The next show (or this one, once drawn) starts from the new project's view.
    fitted_ = false;
}

void MapWindow::remember_view() {
    if (!view_touched_ || !fitted_) return;
    const QPointF centre = view_->mapToScene(view_->viewport()->rect().center());
    memory_.view = MapViewState{level_, view_->transform().m11(), centre.x(), centre.y()};
}

void MapWindow::save_memory() {
    remember_view();
    std::string error;
    if (!save_map_memory(memory_path_, memory_, error))
        context_.messages.warn("Zone map", "Where the rooms stand on the map could not be kept in " +
                                               memory_path_ + ": " + error);
}

bool MapWindow::apply_view() {
    if (!memory_.view) return false;
    const MapViewState v = *memory_.view;
    if (std::find(layout_.levels.begin(), layout_.levels.end(), v.level) != layout_.levels.end())
        set_level(v.level);
    const double zoom = std::clamp(v.zoom, 0.05, 8.0);
    view_->setTransform(QTransform::fromScale(zoom, zoom));
    view_->centerOn(v.centre_x, v.centre_y);
    view_touched_ = true;
    return true;
}

}  // namespace tarnwick::ui
