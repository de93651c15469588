// The editor's start-up: splash window, application title and help file,
// every window created once and hidden, then the message loop. With
// "--screenshot FILE.png [--window NAME] [PROJECT.qzp]" it renders its
// windows (or the one named) and exits; --version and --help need no window.

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/startup.h"
#include "ui/record_list_window.h"
#include "world/lookup_lists.h"

namespace {

// Messages of a run without anyone to answer them: printed, never waited on.
class PrintedMessages : public tarnwick::Messages {
public:
    void show(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void warn(const std::string& title, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    }
    tarnwick::Answer ask(const std::string& text, bool) override {
        std::fprintf(stderr, "%s [No]\n", text.c_str());
        return tarnwick::Answer::No;
    }
    std::optional<std::string> choose_file(const tarnwick::FileChoice&) override {
        return std::nullopt;
    }
};

const char* kUsage =
    "usage: tarnwick [PROJECT.qzp | WORLD_DIR]\n"
    "       tarnwick --screenshot OUT.png [--window NAME] [PROJECT.qzp]\n"
    "       tarnwick --version | --help\n"
    "\n"
    "PROJECT.qzp  open the zone of this project file\n"
    "WORLD_DIR    list the zones of this server world folder (one with wld/ or\n"
    "             zon/ beside mob/, obj/ and shp/, such as lib/world) and open the\n"
    "             one chosen in place: Save writes that zone's own files\n";

// Answers the options that need no window; -1 when the program goes on.
int answer_without_window(int argc, char** argv) {
    if (argc < 2) return -1;
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (first != "--version") return -1;
    std::printf("tarnwick %s\n", TARNWICK_VERSION);
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) self = std::filesystem::absolute(argv[0], ec);
    const std::string lists = tarnwick::find_list_folder(self.parent_path().string());
    std::printf("lookup lists: %s\n", lists.empty() ? "not found" : lists.c_str());
    return lists.empty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answered = answer_without_window(argc, argv); answered >= 0) return answered;
    // A screenshot needs no screen: without a display, draw offscreen.
    const bool shot = argc >= 2 && std::string(argv[1]) == "--screenshot";
    if (shot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // World files hold numbers with a decimal point and no digit grouping;
    // the number fields' validators read them the same way in every locale.
    QLocale::setDefault(QLocale::c());
    QStringList args = app.arguments();
    args.removeFirst();
    QString screenshot, window_name;
    if (args.size() >= 2 && args[0] == "--screenshot") {
        screenshot = args[1];
        args = args.mid(2);
        if (args.size() >= 2 && args[0] == "--window") {
            window_name = args[1];
            args = args.mid(2);
        }
    }
    const QString project = args.isEmpty() ? QString() : args.first();

    try {
        PrintedMessages printed;
        tarnwick::app::StartupOptions options;
        options.splash = screenshot.isEmpty();
        if (!screenshot.isEmpty()) options.messages = &printed;
        tarnwick::app::Startup startup(options);
        tarnwick::app::MainWindow& main = startup.run(project);
        if (!screenshot.isEmpty()) {
            // A project whose layout shows no list still shows its rooms.
            bool any_list = false;
            for (auto kind : {tarnwick::ListKind::Room, tarnwick::ListKind::Mob,
                              tarnwick::ListKind::Object, tarnwick::ListKind::Shop})
                any_list = any_list || main.list(kind)->isVisible();
            if (!any_list && main.project_commands_on()) main.ListadeRooms1Click();
            app.processEvents();
            QWidget* window = nullptr;
            if (!window_name.isEmpty()) {
                window = tarnwick::app::screenshot_window(main, window_name);
                if (!window) {
                    std::fprintf(stderr, "Unknown window '%s'; one of: %s\n",
                                 qPrintable(window_name),
                                 qPrintable(tarnwick::app::screenshot_window_names()));
                    return 2;
                }
            }
            const bool ok = window ? tarnwick::app::save_window_screenshot(*window, screenshot)
                                   : tarnwick::app::save_screenshot(main, screenshot);
            if (!ok) std::fprintf(stderr, "Cannot write %s\n", qPrintable(screenshot));
            main.close();
            return ok ? 0 : 1;
        }
        return app.exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, "Tarnwick", QString::fromLocal8Bit(e.what()));
        return 1;
    }
}
