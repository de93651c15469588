#pragma once
// What every window of the editor shares: the world, the project values, the
// preferences, the lookup lists, and the two ways of talking to the user.
// Windows announce changes through its signals so lists and editors follow.

#include <QObject>

#include "editors/selection.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick::ui {

enum class RecordKind { Room, Mob, Object, Shop };

class AppContext : public QObject {
    Q_OBJECT
public:
    AppContext(World& w, AreaProject& p, Preferences& prefs, LookupLists& l, Messages& m,
               Chooser& c, QObject* parent = nullptr)
        : QObject(parent), world(w), project(p), preferences(prefs), lists(l), messages(m),
          chooser(c) {}

    World& world;
    AreaProject& project;
    Preferences& preferences;
    LookupLists& lists;
    Messages& messages;
    Chooser& chooser;

    // Marks the world changed since it was opened or saved.
    // Core operations may have set the flag already; the signal is sent
    // either way so the caption follows.
    void mark_changed() {
        world.changed = true;
        emit changedMarkChanged(true);
    }
    void clear_changed() {
        world.changed = false;
        emit changedMarkChanged(false);
    }

signals:
    // Record `index` of a table changed: its list line is rewritten.
    void recordChanged(tarnwick::ui::RecordKind kind, int index);
    // A table changed as a whole (add, remove, sort, load): its list is rebuilt.
    void tableChanged(tarnwick::ui::RecordKind kind);
    // The preferences were applied: fonts, colours and field states follow.
    void preferencesApplied();
    // The lookup lists were (re)loaded.
    void listsLoaded();
    void changedMarkChanged(bool changed);
};

}  // namespace tarnwick::ui
