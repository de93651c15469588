// The map window showing a zone at full room capacity: layout, scene built,
// fitted and painted once, as a builder opening the map sees it; and a room
// dug on it from the keyboard.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGraphicsView>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include "bench/map_zone.h"
#include "editors/record_list_ops.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "ui/app_context.h"
#include "ui/map_window.h"
#include "world/lookup_lists.h"
#include "world/messages.h"

namespace tarnwick::bench {
namespace {

struct NoChooser : Chooser {
    int pick_from_list(const std::string&, const std::vector<std::string>&) override { return -1; }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

void MapWindowFullZone(benchmark::State& state) {
    World world = full_capacity_zone();
    AreaProject project;
    Preferences preferences;
    LookupLists lists;
    SilentMessages messages;
    NoChooser chooser;
    ui::AppContext context(world, project, preferences, lists, messages, chooser);
    ui::MapWindow window(context, nullptr);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    QImage target(window.view()->viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        window.refresh();
        window.fit();
        QPainter painter(&target);
        window.view()->viewport()->render(&painter);
    }
    state.counters["items"] = double(window.scene()->items().size());
}
BENCHMARK(MapWindowFullZone)->Name("MapWindow/1000_rooms")->Unit(benchmark::kMillisecond);

// A builder digging east with Shift+Right on that zone, one room short of
// the table's limit: the room and its exits made, the undo step recorded,
// the map laid out, rebuilt and painted. The dig is undone outside the
// timed part.
void MapDigFullZone(benchmark::State& state) {
    World world = full_capacity_zone();
    while (world.room_count() >= record_limit(ListKind::Room)) world.rooms.pop_back();
    AreaProject project;
    Preferences preferences;
    LookupLists lists;
    SilentMessages messages;
    NoChooser chooser;
    ui::AppContext context(world, project, preferences, lists, messages, chooser);
    ui::MapWindow window(context, nullptr);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();
    int32_t from = -1;
    for (const MapRoom& r : window.layout().rooms)
        if (r.pos.level == window.level() && !world.rooms[size_t(r.room_index)].exits[East]) {
            from = r.vnum;
            break;
        }
    QImage target(window.view()->viewport()->size(), QImage::Format_RGB32);
    const int rooms = world.room_count();
    for (auto _ : state) {
        state.PauseTiming();
        window.select_room(from);
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Right, Qt::ShiftModifier);
        QApplication::sendEvent(window.view(), &press);
        QPainter painter(&target);
        window.view()->viewport()->render(&painter);
        painter.end();
        state.PauseTiming();
        if (world.room_count() != rooms + 1) state.SkipWithError("no room was dug");
        context.history.undo();
        window.refresh();
        state.ResumeTiming();
    }
    state.counters["rooms"] = double(rooms + 1);
}
BENCHMARK(MapDigFullZone)->Name("MapDig/999th_room")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tarnwick::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication app(qt_argc, qt_argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
