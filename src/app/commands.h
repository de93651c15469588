#pragma once
// The main window's commands: every menu entry and toolbar button with its
// caption, the handler slot of MainWindow it runs, its shortcut and whether
// it needs an open project. The main window builds its menus and toolbars
// from these tables.

#include <span>

namespace tarnwick::app {

struct MenuCommand {
    const char* menu;         // "Project", "View", "View/Toolbars", "View/Lists...", ...
    const char* object_name;  // the entry's name
    const char* caption;
    const char* handler;      // slot of MainWindow, without arguments
    const char* shortcut;     // empty when none
    bool checkable;
};

struct ToolCommand {
    const char* toolbar;      // "Tools" or "Edición"
    const char* object_name;
    const char* hint;         // the button's tool tip
    const char* handler;      // the slot of the menu entry it shares; empty for the Tools button
    bool project;             // enabled only with a project open
};

// The top-level menus in menu-bar order, with their captions and names.
struct MenuInfo {
    const char* key;
    const char* object_name;
    const char* caption;
    bool project;  // the whole menu needs an open project
};

std::span<const MenuInfo> menus();
std::span<const MenuCommand> menu_commands();
std::span<const ToolCommand> tool_commands();
// The entries of the "Project" menu that need an open project.
std::span<const char* const> project_menu_entries();

}  // namespace tarnwick::app
