// The editor's start-up until its main window is shown, through the same
// code the program runs: splash window, settings, every window created
// hidden, lookup lists, recent files, the main window shown and painted,
// and, for "sample", the sample project opened and its lists filled.
// Closing and destroying the windows is left out of the time. "Process/..."
// times the whole program instead, from process start until it has opened
// the project, filled its record lists and drawn the room list into a file
// (its --screenshot mode), the way a builder's double-click starts it.
//
// One QApplication serves every start-up, offscreen unless QT_QPA_PLATFORM
// says otherwise. Settings go to a temporary folder; the sample project is
// copied there too, so neither the user's settings nor examples/ change.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "app/main_window.h"
#include "app/startup.h"
#include "full_zone.h"
#include "ui/record_list_window.h"
#include "world/messages.h"

using namespace tarnwick;
namespace fs = std::filesystem;

namespace {

QString g_sample;     // the copied sample project
QString g_full_zone;  // a zone at full capacity saved as a project
QString g_scratch;

// What a start-up left wrong, or empty when the main window is up as it
// should be.
std::string fault_of(const app::Startup& startup, const MessageRecorder& messages, bool project) {
    const app::MainWindow* main = startup.main_window();
    if (!messages.entries.empty()) return "message: " + messages.entries.front().text;
    if (!main->isVisible()) return "main window not visible";
    if (!main->windowHandle() || !main->windowHandle()->isExposed())
        return "main window not exposed";
    if (startup.state()->lists.of(Dialect::Circle30).sector_types.empty()) return "lookup lists not loaded";
    if (project) {
        if (!main->project_commands_on()) return "project not opened";
        for (auto kind : {ListKind::Room, ListKind::Mob, ListKind::Object, ListKind::Shop})
            if (main->list(kind)->list()->count() == 0) return "a record list is empty";
    }
    return {};
}

void start_up(benchmark::State& state, const QString& project) {
    const bool with_project = !project.isEmpty();
    for (auto _ : state) {
        MessageRecorder messages;
        messages.default_answer = Answer::No;
        app::StartupOptions options;
        options.messages = &messages;
        std::optional<app::Startup> startup(std::in_place, options);
        startup->run(project);
        // The show, expose and paint events the window system queued.
        QCoreApplication::processEvents();

        state.PauseTiming();
        const std::string fault = fault_of(*startup, messages, with_project);
        startup->main_window()->close();
        startup.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        if (!fault.empty()) {
            state.SkipWithError(fault.c_str());
            break;
        }
    }
}

// The editor as a process, started on `project` and left once it has drawn
// the room list; a failed start or no picture is an error.
void run_editor(benchmark::State& state, const QString& project) {
    const QString picture = g_scratch + "/rooms.png";
    for (auto _ : state) {
        QProcess editor;
        editor.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        editor.start(TARNWICK_EDITOR, {"--screenshot", picture, "--window", "rooms", project});
        const bool ok = editor.waitForFinished(30000) && editor.exitStatus() == QProcess::NormalExit &&
                        editor.exitCode() == 0 && QFile::exists(picture);
        state.PauseTiming();
        QFile::remove(picture);
        state.ResumeTiming();
        if (!ok) {
            state.SkipWithError("the editor did not draw the room list");
            break;
        }
    }
}

// The sample project and its five files, copied into `dir`.
QString copy_sample(const QString& dir) {
    const fs::path to = fs::path(dir.toStdString()) / "sample";
    fs::create_directories(to);
    for (const auto& entry : fs::directory_iterator(TARNWICK_EXAMPLES))
        if (entry.path().stem() == "tarnwick") fs::copy_file(entry.path(), to / entry.path().filename());
    return QString::fromStdString((to / "tarnwick.qzp").string());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt sees only the program name; the arguments are the benchmark's.
    int qt_argc = 1;
    char* qt_argv[] = {argv[0], nullptr};
    QApplication qt_app(qt_argc, qt_argv);

    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "Cannot create a temporary folder\n");
        return 1;
    }
    qputenv("TARNWICK_SETTINGS_DIR", QFile::encodeName(scratch.filePath("settings")));
    g_scratch = scratch.path();
    g_sample = copy_sample(g_scratch);
    fs::create_directories(fs::path(g_scratch.toStdString()) / "full");
    g_full_zone = QString::fromStdString(
        bench::save_full_zone_project((fs::path(g_scratch.toStdString()) / "full").string()));
    if (g_full_zone.isEmpty()) {
        std::fprintf(stderr, "Cannot save the full zone\n");
        return 1;
    }

    benchmark::RegisterBenchmark("Startup/empty", [](benchmark::State& s) { start_up(s, {}); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/sample", [](benchmark::State& s) { start_up(s, g_sample); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/full_zone",
                                 [](benchmark::State& s) { start_up(s, g_full_zone); })
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Process/sample", [](benchmark::State& s) { run_editor(s, g_sample); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Process/full_zone",
                                 [](benchmark::State& s) { run_editor(s, g_full_zone); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
