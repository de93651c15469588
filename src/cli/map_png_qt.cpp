// PNG maps for tarnwick-map-png: Qt draws them on the offscreen platform,
// so no display is needed.

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "cli/map_png.h"
#include "ui/map_paint.h"

namespace tarnwick::cli {

bool write_png(const MapPicture& picture, const std::string& path, std::string& error) {
    std::unique_ptr<QGuiApplication> app;
    if (!QCoreApplication::instance()) {
        // Qt's notes about the platform (no runtime folder and the like)
        // are no business of the tool's user.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        });
        static int argc = 3;
        static char arg0[] = "tarnwick-map-png", arg1[] = "-platform", arg2[] = "offscreen";
        static char* argv[] = {arg0, arg1, arg2, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    return ui::save_map_png(picture, QString::fromStdString(path), error);
}

}  // namespace tarnwick::cli
