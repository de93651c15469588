#pragma once
// Renders the program's visible windows side by side into one picture, for
// documentation and for checking the windows without a display.

#include <QString>

class QWidget;

namespace tarnwick::app {

class MainWindow;

// The main window first, then every other visible window in creation order.
bool save_screenshot(MainWindow& main, const QString& path);

// The window a screenshot may be asked for by name: rooms, mobs, objects,
// shops (the lists), room, mob, object, shop, zone (the editors, showing the
// first record); null for an unknown name.
QWidget* screenshot_window(MainWindow& main, const QString& name);
// The names screenshot_window knows, for the usage text.
QString screenshot_window_names();

// Shows `window` and renders it alone, with its title above it.
bool save_window_screenshot(QWidget& window, const QString& path);

}  // namespace tarnwick::app
