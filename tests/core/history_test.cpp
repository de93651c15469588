// Undo history over the sample zone: every kind of change undone and redone
// field by field, step labels, merging of repeated edits, the saved mark, and
// a long random run undone to the start and redone to the end.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "editors/history.h"
#include "editors/record_list_ops.h"
#include "formats/zone_commands.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "project/renumber.h"
#include "world/messages.h"
#include "world/wrap.h"
#include "record_diff.h"

namespace tarnwick {
namespace history_test {

using testkit::Difference;

struct Snapshot {
    World world;
    AreaProject project;
};

// Every field that differs between the live state and a snapshot, one per line.
std::string differences(const World& w, const AreaProject& p, const Snapshot& s) {
    std::vector<Difference> d;
    testkit::diff_rooms(w, s.world, d);
    testkit::diff_mobs(w, s.world, d);
    testkit::diff_objects(w, s.world, d);
    testkit::diff_shops(w, s.world, d);
    testkit::diff_zone(w, s.world, d);
    testkit::diff_project(p, s.project, d);
    std::string out;
    for (const auto& x : d) out += testkit::describe(x) + "\n";
    return out;
}

struct HistoryTest : ::testing::Test {
    World world;
    AreaProject project;
    Preferences preferences;
    MessageRecorder messages;
    ProjectSession session{world, project, preferences, messages};
    History history{world, &project};

    void SetUp() override {
        ASSERT_TRUE(session.open_project(TARNWICK_EXAMPLES "/tarnwick.qzp"));
        ASSERT_GE(world.room_count(), 2);
        ASSERT_GE(world.mob_count(), 1);
        ASSERT_GE(world.object_count(), 1);
        ASSERT_GE(world.shop_count(), 1);
        history.reset();
    }
    Snapshot snap() const { return {world, project}; }
    std::string v(int32_t vnum) const { return "#" + std::to_string(vnum); }
};

// One change as a builder makes it: what it does, the label the caller
// gives (empty: the history names it), and the label expected.
struct Change {
    std::string label;
    std::function<std::string(HistoryTest&)> run;
};

std::vector<Change> every_kind_of_change() {
    return {
        {"", [](HistoryTest& t) {
             t.world.rooms[0].name = "A renamed room";
             return "Rename room " + t.v(t.world.rooms[0].vnum);
         }},
        {"", [](HistoryTest& t) {
             int i = add_record(t.world, ListKind::Room, t.messages, nullptr);
             return "Add room " + t.v(t.world.rooms[size_t(i)].vnum);
         }},
        {"", [](HistoryTest& t) {
             int i = clone_record(t.world, ListKind::Mob, 0, t.messages, nullptr);
             return "Add mob " + t.v(t.world.mobs[size_t(i)].vnum);
         }},
        {"", [](HistoryTest& t) {
             const int32_t vnum = t.world.objects[0].vnum;
             remove_record(t.world, ListKind::Object, 0, nullptr);
             return "Remove object " + t.v(vnum);
         }},
        {"", [](HistoryTest& t) {  // an exit and its symmetric partner
             auto& a = t.world.rooms[0];
             auto& b = t.world.rooms[1];
             a.exits.slot(Up) = room_direction_data{"A ladder.", "ladder", 1, -1, b.vnum};
             b.exits.slot(Down) = room_direction_data{"", "ladder", 1, -1, a.vnum};
             return "Edit rooms " + t.v(a.vnum) + " and " + t.v(b.vnum);
         }},
        {"", [](HistoryTest& t) {
             auto& r = t.world.rooms[1];
             r.extra_descs.insert(r.extra_descs.begin(), {"sign", "It reads: keep out."});
             return "Edit room " + t.v(r.vnum);
         }},
        {"", [](HistoryTest& t) {
             t.world.mobs[0].especs.push_back({"Str", "18"});
             return "Edit mob " + t.v(t.world.mobs[0].vnum);
         }},
        {"", [](HistoryTest& t) {
             auto& o = t.world.objects[0];
             o.affects[2] = {1, 2};
             o.extra_descs.push_back({"rune", "A rune."});
             return "Edit object " + t.v(o.vnum);
         }},
        {"", [](HistoryTest& t) {
             auto& s = t.world.shops[0];
             s.products.push_back(t.world.objects[0].vnum);
             s.buy_types.push_back({5, "sword"});
             return "Edit shop " + t.v(s.vnum);
         }},
        {"", [](HistoryTest& t) {
             zCommand c;
             c.command = 'O';
             c.arg2 = t.world.objects[0].vnum;
             append_command(t.world.zone.commands, c);
             return std::string("Add zone command");
         }},
        {"", [](HistoryTest& t) {
             t.world.zone.commands.front().arg3 += 1;
             return std::string("Edit zone command");
         }},
        {"", [](HistoryTest& t) {
             remove_command(t.world.zone.commands, &*std::next(t.world.zone.commands.begin()));
             return std::string("Remove zone command");
         }},
        {"", [](HistoryTest& t) {  // paste three copied commands after the first
             const zCommand copy = t.world.zone.commands.back();
             for (int i = 0; i < 3; ++i)
                 insert_command_after(t.world.zone.commands, &t.world.zone.commands.front(), copy);
             return std::string("Add 3 zone commands");
         }},
        {"", [](HistoryTest& t) {
             t.world.zone.name = "Another Mere";
             return std::string("Rename zone");
         }},
        {"Renumber zone to 42xx", [](HistoryTest& t) {
             EXPECT_TRUE(renumber_world(t.world, 4200, t.messages));
             return std::string("Renumber zone to 42xx");
         }},
        {"Re-wrap descriptions", [](HistoryTest& t) {
             wrap_all_descriptions(t.world, 30);
             return std::string("Re-wrap descriptions");
         }},
        {"", [](HistoryTest& t) {
             t.project.author = "Someone Else";
             t.project.mob_file = "other.mob";
             return std::string("Edit project properties");
         }},
    };
}

TEST_F(HistoryTest, EveryKindOfChangeUndoesAndRedoesFieldByField) {
    const Snapshot start = snap();
    std::vector<Snapshot> states{start};
    for (const Change& change : every_kind_of_change()) {
        const Snapshot before = snap();
        const std::string expected = change.run(*this);
        SCOPED_TRACE(expected);
        ASSERT_TRUE(history.record(change.label));
        EXPECT_EQ(history.undo_label(), expected);
        const Snapshot after = snap();
        ASSERT_TRUE(history.undo());
        EXPECT_EQ(differences(world, project, before), "");
        EXPECT_EQ(history.redo_label(), expected);
        ASSERT_TRUE(history.redo());
        EXPECT_EQ(differences(world, project, after), "");
        states.push_back(after);
    }
    // Any earlier state is reachable from any later one and back.
    for (int target : {3, 0, int(states.size()) - 1, 7}) {
        history.go_to(target);
        EXPECT_EQ(differences(world, project, states[size_t(target)]), "") << "state " << target;
    }
    // The history never holds a record the world no longer shows as changed.
    EXPECT_FALSE(history.record());
}

TEST_F(HistoryTest, RepeatedEditsOfOneFieldMergeAndTheSavedMarkFollows) {
    const Snapshot opened = snap();
    history.mark_saved();
    for (const char* typed : {"T", "Th", "The"}) {
        world.rooms[0].name = typed;
        history.record();
    }
    EXPECT_EQ(history.size(), 1);
    EXPECT_FALSE(history.at_saved());
    world.rooms[1].name = "Other";  // another record: a step of its own
    history.record();
    EXPECT_EQ(history.size(), 2);

    history.undo();
    history.undo();
    EXPECT_TRUE(history.at_saved());
    EXPECT_FALSE(world.changed);
    EXPECT_EQ(differences(world, project, opened), "");
    history.redo();
    EXPECT_TRUE(world.changed);
    EXPECT_EQ(world.rooms[0].name, "The");

    // After an undo a new edit starts a new step and the redo is gone; the
    // saved state stays reachable by undo.
    world.rooms[0].name = "Then";
    history.record();
    EXPECT_EQ(history.size(), 2);
    EXPECT_FALSE(history.can_redo());
    history.go_to(0);
    EXPECT_TRUE(history.at_saved());

    // Saving, then a change undone past the saved state: it is no longer reachable.
    history.go_to(2);
    history.mark_saved();
    history.undo();
    world.rooms[0].name = "Elsewhere";
    history.record();
    EXPECT_EQ(history.saved_position(), -1);
    EXPECT_FALSE(history.at_saved());
}

// The saved mark against the truth: after every step of a script the
// history is at its saved state exactly when the world equals what was last
// saved, and an undo or redo leaves the world's unsaved mark to match. Each
// edit appends a number of its own, so no two states of a record are
// alike. a: edit room 0 (repeats merge), b: edit room 1, t: type room 0's
// name back to what it was opened with, p: edit room 0 without recording
// (the next undo or redo takes it in), s: save, u: undo, r: redo.
TEST_F(HistoryTest, SavedMarkFollowsEveryScriptOfEditsUndosAndSaves) {
    const std::string opened_name = world.rooms[0].name;
    std::vector<std::string> scripts = {
        "sau", "saua", "sauau", "asa", "asaa", "asau", "asaua", "abuus", "abssuua", "abusa",
        "abuuab", "absuuab", "absuuabr", "abssrru", "aaat", "sat", "saatu", "apu", "aspu", "ausr",
        "ausra", "abusrb", "aubr", "asbua",
    };
    // And random scripts, each long enough to cross its saved state often.
    std::mt19937 rng(33);
    for (int n = 0; n < 20; ++n) {
        std::string script;
        for (int i = 0; i < 40; ++i) script += "aabpsuur"[rng() % 8];
        scripts.push_back(script);
    }
    int edits = 0;
    const auto mark = [&] { return std::to_string(++edits) + ";"; };
    // As the windows report a change: recorded, and the world marked.
    const auto report = [&](const char* label) {
        history.record(label);
        world.changed = true;
    };
    for (const std::string& script : scripts) {
        SCOPED_TRACE(script);
        ASSERT_TRUE(session.open_project(TARNWICK_EXAMPLES "/tarnwick.qzp"));
        history.reset();
        Snapshot saved = snap();
        for (size_t i = 0; i < script.size(); ++i) {
            const char op = script[i];
            bool moved = false;  // an undo or redo that took a step
            switch (op) {
            case 'a': world.rooms[0].name += mark(); report("Edit name"); break;
            case 'b': world.rooms[1].name += mark(); report("Edit other name"); break;
            case 't': world.rooms[0].name = opened_name; report("Edit name"); break;
            case 'p': world.rooms[0].name += mark(); break;
            case 's':
                history.record();  // the editors hand over what is typed before a save
                history.mark_saved();
                world.changed = false;
                saved = snap();
                break;
            case 'u': moved = history.undo(); break;
            case 'r': moved = history.redo(); break;
            }
            if (op == 'p') continue;  // not yet handed to the history
            const bool same = differences(world, project, saved).empty();
            EXPECT_EQ(history.at_saved(), same) << "after " << script.substr(0, i + 1);
            if (moved) {
                EXPECT_EQ(world.changed, !same) << "after " << script.substr(0, i + 1);
            }
        }
    }
}

TEST_F(HistoryTest, ThousandRandomChangesUndoToTheStartAndRedoToTheEnd) {
    const Snapshot start = snap();
    std::mt19937 rng(15);
    auto pick = [&](int n) { return int(std::uniform_int_distribution<int>(0, n - 1)(rng)); };
    for (int i = 0; i < 1000; ++i) {
        switch (pick(10)) {
        case 0: add_record(world, ListKind(pick(4)), messages, nullptr); break;
        case 1: clone_record(world, ListKind(pick(2)), pick(2), messages, nullptr); break;
        case 2: {
            const ListKind kind = ListKind(pick(4));
            const int count = record_count(world, kind);
            if (count > 1) remove_record(world, kind, pick(count), nullptr);
            break;
        }
        case 3: world.rooms[size_t(pick(world.room_count()))].name += char('a' + pick(26)); break;
        case 4: world.mobs[size_t(pick(world.mob_count()))].level = pick(50); break;
        case 5: {
            zCommand c;
            c.command = "MOGEDPR"[pick(7)];
            c.arg1 = pick(100);
            auto at = std::next(world.zone.commands.begin(), pick(int(world.zone.commands.size())));
            insert_command_before(world.zone.commands, &*at, c);
            break;
        }
        case 6:
            if (world.zone.commands.size() > 1)
                remove_command(world.zone.commands,
                               &*std::next(world.zone.commands.begin(),
                                           pick(int(world.zone.commands.size()))));
            break;
        case 7: world.zone.lifespan = pick(60); break;
        case 8: world.shops[0].profit_buy = 0.5f + float(pick(10)) / 10; break;
        case 9:
            world.zone.builders += char('a' + pick(26));
            world.zone.flags[size_t(pick(4))] = pick(8);
            break;
        }
        history.record();
    }
    const Snapshot end = snap();
    EXPECT_GT(history.size(), 500);
    history.go_to(0);
    EXPECT_EQ(differences(world, project, start), "");
    history.go_to(history.size());
    EXPECT_EQ(differences(world, project, end), "");
}

}  // namespace history_test
}  // namespace tarnwick
