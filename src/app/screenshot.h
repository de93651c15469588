#pragma once
// Renders the program's visible windows side by side into one picture, for
// documentation and for checking the windows without a display.

#include <QString>

namespace tarnwick::app {

class MainWindow;

// The main window first, then every other visible window in creation order.
bool save_screenshot(MainWindow& main, const QString& path);

}  // namespace tarnwick::app
