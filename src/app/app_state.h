#pragma once
// Everything the program holds for its run apart from the windows: the
// world, the project and its session, the preferences, the lookup lists,
// the messages, and the two settings stores (preferences, recent files).

#include "project/project_session.h"
#include "project/settings_store.h"
#include "ui/app_context.h"
#include "ui/selection_dialogs.h"

namespace tarnwick::app {

struct AppState {
    AppState(Messages& m, SettingsStore& preferences_store, SettingsStore& recent_store)
        : messages(m),
          prefs_store(preferences_store),
          recent_files_store(recent_store),
          context(world, project, preferences, lists, messages, chooser),
          session(world, project, preferences, messages) {}

    World world;
    AreaProject project;
    Preferences preferences;
    DialectLists lists;
    Messages& messages;
    SettingsStore& prefs_store;
    SettingsStore& recent_files_store;
    ui::DeferredChooser chooser;
    ui::AppContext context;
    ProjectSession session;
};

}  // namespace tarnwick::app
