#pragma once
// What every window of the editor shares: the world, the project values, the
// preferences, the lookup lists, and the two ways of talking to the user.
// Windows announce changes through its signals so lists and editors follow.

#include <QObject>
#include <functional>
#include <string>

#include "editors/history.h"
#include "editors/selection.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "world/dialect_lists.h"
#include "world/messages.h"
#include "world/work_progress.h"
#include "world/world.h"

namespace tarnwick::ui {

enum class RecordKind { Room, Mob, Object, Shop, Trigger };

class AppContext : public QObject {
    Q_OBJECT
public:
    AppContext(World& w, AreaProject& p, Preferences& prefs, ListsByDialect l, Messages& m,
               Chooser& c, QObject* parent = nullptr)
        : QObject(parent), world(w), project(p), preferences(prefs), list_sets(l), messages(m),
          chooser(c) {}

    World& world;
    AreaProject& project;
    Preferences& preferences;
    // The lookup lists of each dialect, or one set for all.
    ListsByDialect list_sets;
    Messages& messages;
    Chooser& chooser;

    // The lookup lists of the open zone's dialect.
    const LookupLists& lists() const { return list_sets.of(world.dialect); }

    // The undo history: every change reported through mark_changed becomes a
    // step (or grows the last one).
    History history{world, &project};

    // Marks the world changed since it was opened or saved, and records the
    // change in the history under `label` (named from the change when empty).
    // Core operations may have set the flag already; the signal is sent
    // either way so the caption follows.
    void mark_changed(const std::string& label = {}) {
        history.record(label);
        world.changed = true;
        emit changedMarkChanged(true);
        emit historyChanged();
    }
    void clear_changed() {
        world.changed = false;
        emit changedMarkChanged(false);
        emit historyChanged();
    }

    // Long work (checking or simulating a whole world): the main window runs
    // it with a progress bar the builder can cancel. False when cancelled:
    // whatever the work made is then to be dropped.
    using Work = std::function<void(WorkProgress&)>;
    std::function<bool(const std::string& what, const Work& work)> work_runner;
    bool run_work(const std::string& what, const Work& work) {
        if (work_runner) return work_runner(what, work);
        struct GoOn : WorkProgress {
            bool advance(int, int, const std::string&) override { return true; }
        } go_on;
        work(go_on);
        return true;
    }

signals:
    // Record `index` of a table changed: its list line is rewritten.
    void recordChanged(tarnwick::ui::RecordKind kind, int index);
    // A table changed as a whole (add, remove, sort, load): its list is rebuilt.
    void tableChanged(tarnwick::ui::RecordKind kind);
    // The preferences were applied: fonts, colours and field states follow.
    void preferencesApplied();
    // The lookup lists were (re)loaded, or a zone of another dialect opened.
    void listsLoaded();
    // The other zones of the world folder arrived: names of records outside
    // the zone are written again.
    void otherZonesChanged();
    void changedMarkChanged(bool changed);
    // A step was recorded, undone or redone, or the history was reset.
    void historyChanged();
};

}  // namespace tarnwick::ui
