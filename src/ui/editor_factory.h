#pragma once
// The six editor windows, created once at start-up by the main window.

#include <QWidget>

namespace tarnwick::ui {

class AppContext;
class EditorWindow;

EditorWindow* create_zone_editor(AppContext& context, QWidget* parent);
EditorWindow* create_room_editor(AppContext& context, QWidget* parent);
EditorWindow* create_mob_editor(AppContext& context, QWidget* parent);
EditorWindow* create_object_editor(AppContext& context, QWidget* parent);
EditorWindow* create_shop_editor(AppContext& context, QWidget* parent);
// tbaMUD's trigger scripts.
EditorWindow* create_trigger_editor(AppContext& context, QWidget* parent);

}  // namespace tarnwick::ui
