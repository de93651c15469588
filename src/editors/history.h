#pragma once
// The undo history of the open project. The windows change the world in
// place and then report the change (AppContext::mark_changed); the history
// compares the world with a copy of its last recorded state and keeps, for
// each table, only the run of records between the first and the last one
// that differ - before and after. An edit of one record costs two copies of
// that record; an undo or redo splices the run back, so it takes time in
// proportion to the records touched, not to the zone.
//
// Consecutive changes with the same label that touch the same one record
// (typing into one field, applying the same field again) merge into one step.
// A saved-state mark tells whether the world equals what was last saved.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "project/area_project.h"
#include "world/world.h"

namespace tarnwick {

// The run of a table that one step replaced: records [start, start +
// before.size()) of the old table became `after`.
template <class Record>
struct TableRun {
    int start = 0;
    std::vector<Record> before, after;
    bool empty() const { return before.empty() && after.empty(); }
};

// The zone header's values apart from its commands.
struct ZoneValues {
    int32_t zone_number = 0, top = 0, lifespan = 0, reset_mode = 0, project_zone_number = 0;
    std::string name;
    bool reformat = false;
    // The later dialects' header fields.
    int32_t bot = 0, min_level = -1, max_level = -1;
    std::string builders;
    std::array<int32_t, 4> flags{};
    bool operator==(const ZoneValues&) const = default;
};

// The project values a builder edits (not where the file lies nor where the
// windows stand).
struct ProjectValues {
    std::string zone_name, author, zone_file, room_file, mob_file, object_file, shop_file;
    int32_t zone_number = 0;
    bool operator==(const ProjectValues&) const = default;
};

struct HistoryStep {
    std::string label;
    TableRun<room_data> rooms;
    TableRun<char_data> mobs;
    TableRun<obj_record> objects;
    TableRun<shop_data> shops;
    TableRun<trig_data> triggers;
    TableRun<zCommand> commands;
    std::optional<ZoneValues> zone_before, zone_after;
    std::optional<ProjectValues> project_before, project_after;
    size_t bytes = 0;  // an estimate of the memory the step holds
};

class History {
public:
    // Steps always kept, and the most kept while memory allows.
    static constexpr int kMinSteps = 500;
    static constexpr int kMaxSteps = 1000;
    static constexpr size_t kByteBudget = 48u << 20;

    // `project` may be null: project values are then not followed.
    explicit History(World& world, AreaProject* project = nullptr);

    // Forgets every step and takes the world as it is now as the start
    // (after open, new, close): the saved state, unless `saved` is false (a
    // restored copy of unsaved work).
    void reset(bool saved = true);
    // Records what changed since the last recorded state as one step named
    // `label` (a label is made from the change when empty). False when
    // nothing changed.
    bool record(const std::string& label = {});

    bool can_undo() const { return position_ > 0; }
    bool can_redo() const { return position_ < int(steps_.size()); }
    // The labels of the step an undo / redo would take back / do again.
    std::string undo_label() const;
    std::string redo_label() const;
    // Both record pending changes first, so they are never lost to a redo.
    bool undo();
    bool redo();
    // Undoes or redoes until `position` steps are applied.
    void go_to(int position);

    int position() const { return position_; }
    int size() const { return int(steps_.size()); }
    const HistoryStep& step(int i) const { return steps_[size_t(i)]; }
    size_t bytes() const { return bytes_; }

    // The world as it is now is what the files hold.
    void mark_saved();
    bool at_saved() const { return saved_ == position_; }
    // Where the saved state is among the positions; -1 when no longer reachable.
    int saved_position() const { return saved_; }

private:
    HistoryStep diff() const;
    void apply(const HistoryStep& step, bool forward, World& target, AreaProject* project);
    void trim();

    World& world_;
    AreaProject* project_;
    World base_;  // the world as the last step left it
    ProjectValues base_project_;
    std::vector<HistoryStep> steps_;
    int position_ = 0;
    int saved_ = 0;
    size_t bytes_ = 0;
    bool merge_open_ = false;  // the top step was just recorded and may take a merge
};

// The label a change gets when its caller gives none: "Rename room #18601",
// "Remove mob #18603", "Renumber zone to 42xx", "Add zone command"...
std::string describe_step(const HistoryStep& step);

}  // namespace tarnwick
