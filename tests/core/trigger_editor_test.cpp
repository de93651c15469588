// The trigger editor's form state and the trigger list's operations: show,
// edit and apply a trigger (checked on apply), change its attach type, add,
// clone and remove triggers, and the typing help of the script memo; undo,
// find and the recovery copy take triggers as they take rooms.

#include <gtest/gtest.h>

#include "analysis/checker.h"
#include "analysis/find.h"
#include "editors/history.h"
#include "editors/record_list_ops.h"
#include "editors/trigger_editor.h"
#include "project/recovery.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/trigger_types.h"
#include "world/world.h"

namespace tarnwick {
namespace trigger_editor_test {

World tba_zone() {
    World w;
    w.dialect = Dialect::TbaMud;
    w.project_zone_number = 10;
    w.zone.zone_number = 10;
    w.zone.bot = 1000;
    w.zone.top = 1099;
    w.zone.name = "Test zone";
    w.zone.builders = "None";
    room_data r;
    r.vnum = 1000;
    r.name = "The gate";
    r.description = "A gate.\n";
    r.triggers = {1000};
    w.rooms.push_back(r);
    trig_data t;
    t.vnum = 1000;
    t.name = "gate guard";
    t.attach_type = kAttachRoom;
    t.trigger_types = kTrigCommand;
    t.narg = 100;
    t.arglist = "north";
    t.script = "%send% %actor% The gate is shut.\n";
    w.triggers.push_back(t);
    return w;
}

TEST(TriggerEditor, ShowsEditsAndAppliesATrigger) {
    World w = tba_zone();
    MessageRecorder messages;
    TriggerEditor e(w, messages);
    e.show_trigger(0);
    EXPECT_TRUE(e.form.enabled);
    EXPECT_EQ(e.form.vnum, "1000");
    EXPECT_EQ(e.form.name, "gate guard");
    EXPECT_EQ(e.form.attach, kAttachRoom);
    ASSERT_EQ(e.form.types.size(), 20u);
    EXPECT_TRUE(e.form.types[2]);  // Command
    EXPECT_EQ(e.form.narg, "100");
    EXPECT_TRUE(e.findings().empty());

    e.form.name = "gate keeper";
    e.form.types[6] = true;  // Enter
    e.form.script = "%send% %actor% The gate is shut.\n%load% obj 1050";
    e.modified = true;
    ASSERT_TRUE(e.apply());
    const trig_data& t = w.triggers[0];
    EXPECT_EQ(t.name, "gate keeper");
    EXPECT_EQ(t.trigger_types, kTrigCommand | (1 << 6));
    // As the file will hold it: each line with its line break.
    EXPECT_EQ(t.script, "%send% %actor% The gate is shut.\n%load% obj 1050\n");
    // Applying checked it: the object does not exist.
    ASSERT_EQ(e.findings().size(), 1u);
    EXPECT_EQ(e.findings()[0].check, "script-vnum");
    EXPECT_EQ(e.findings()[0].field, "script.2");

    // Refused: a number that is none, a line ending in '~', a two-line name.
    e.form.narg = "lots";
    EXPECT_FALSE(e.apply());
    e.form.narg = "50";
    e.form.script = "%echo% hi~\n%echo% ho";
    EXPECT_FALSE(e.apply());
    e.form.script = "%echo% hi";
    e.form.name = "two\nlines";
    EXPECT_FALSE(e.apply());
    EXPECT_EQ(messages.entries.size(), 3u);
    EXPECT_EQ(w.triggers[0].narg, 100);
    e.form.name = "gate";
    EXPECT_TRUE(e.apply());
    EXPECT_EQ(w.triggers[0].narg, 50);
    EXPECT_TRUE(e.findings().empty());
}

TEST(TriggerEditor, AnotherAttachTypeKeepsTheEventsItNamesAlike) {
    World w = tba_zone();
    w.triggers[0].trigger_types = kTrigCommand | kTrigSpeech | (1 << 6) | (1 << 25);
    MessageRecorder messages;
    TriggerEditor e(w, messages);
    e.show_trigger(0);
    e.set_attach(kAttachMobile);
    ASSERT_EQ(e.form.types.size(), 21u);
    EXPECT_TRUE(e.form.types[2]);   // Command, Command
    EXPECT_TRUE(e.form.types[3]);   // Speech, Speech
    EXPECT_FALSE(e.form.types[6]);  // Enter became Greet
    ASSERT_TRUE(e.apply());
    EXPECT_EQ(w.triggers[0].attach_type, kAttachMobile);
    EXPECT_EQ(w.triggers[0].trigger_types, kTrigCommand | kTrigSpeech | (1 << 25));
    // The room still lists it: the checker says so.
    bool kind = false;
    for (const auto& f : check_zone(w)) kind |= f.check == "trigger-kind";
    EXPECT_TRUE(kind);
}

TEST(TriggerEditor, PendingEditsFollowTheTriggerAndAutoApply) {
    World w = tba_zone();
    MessageRecorder messages;
    trig_data second = w.triggers[0];
    second.vnum = 1001;
    second.name = "second";
    w.triggers.push_back(second);
    TriggerEditor e(w, messages);
    e.show_trigger(1);
    e.form.name = "renamed";
    e.modified = true;
    // The table changes under it: the edits follow trigger 1001.
    w.triggers.insert(w.triggers.begin(), w.triggers[0]);
    w.triggers[0].vnum = 999;
    e.table_changed();
    EXPECT_EQ(e.current(), 2);
    e.show_trigger(0);  // Auto apply stores them first
    EXPECT_EQ(w.triggers[2].name, "renamed");
    w.triggers.erase(w.triggers.begin());
    e.table_changed();
    EXPECT_EQ(e.current(), -1) << "trigger 999 is gone";
}

TEST(TriggerEditor, TypingIndentsBlocks) {
    EXPECT_EQ(next_line_blanks("if %a%"), 2);
    EXPECT_EQ(next_line_blanks("if %a%\n  %echo% x"), 2);
    EXPECT_EQ(next_line_blanks("if %a%\n  %echo% x\nend"), 0);
    EXPECT_EQ(next_line_blanks("switch %b%\n  case 1"), 4);
    EXPECT_EQ(next_line_blanks(""), 0);
    EXPECT_EQ(retyped_line_blanks("if %a%\n  %echo% x\n  end"), 0);
    EXPECT_EQ(retyped_line_blanks("if %a%\n  %echo% x\n  else"), 0);
    EXPECT_EQ(retyped_line_blanks("if %a%\n  %echo% x\nend"), -1);
    EXPECT_EQ(retyped_line_blanks("if %a%\n  %echo% x"), -1);
    EXPECT_EQ(retyped_line_blanks("switch %b%\ncase 1"), 2);
    EXPECT_EQ(retyped_line_blanks("while 1\n  %echo% x\n    done"), 0);
    EXPECT_EQ(retyped_line_blanks("while 1\n  if 2\n    done"), -1) << "the if is open";
}

TEST(TriggerList, AddCloneRemoveAndSource) {
    World w = tba_zone();
    MessageRecorder messages;
    ASSERT_EQ(add_record(w, ListKind::Trigger, messages, nullptr), 1);
    const trig_data& added = w.triggers[1];
    EXPECT_EQ(added.vnum, 1001);
    EXPECT_EQ(added.name, "new trigger");
    EXPECT_EQ(added.attach_type, kAttachMobile);
    EXPECT_EQ(added.trigger_types, 1 << 6);
    EXPECT_EQ(list_line(w, ListKind::Trigger, 1), "#1001   ---   new trigger");
    ASSERT_EQ(clone_record(w, ListKind::Trigger, 0, messages, nullptr), 2);
    EXPECT_EQ(w.triggers[2].vnum, 1002);
    EXPECT_EQ(w.triggers[2].script, w.triggers[0].script);
    bool warned = false;
    EXPECT_EQ(record_source(w, ListKind::Trigger, 0, {}, messages, warned),
              "#1000\ngate guard~\n2 c 100\nnorth~\n%send% %actor% The gate is shut.\n~\n");
    // The room uses trigger 1000: removing it asks first.
    messages.answers.push_back(Answer::No);
    EXPECT_FALSE(confirm_removal(w, ListKind::Trigger, 0, messages));
    EXPECT_EQ(messages.entries.back().text,
              "Trigger #1000 is attached to 1 record. Remove it anyway?");
    EXPECT_TRUE(confirm_removal(w, ListKind::Trigger, 1, messages));
    ASSERT_TRUE(remove_record(w, ListKind::Trigger, 1, nullptr));
    EXPECT_EQ(w.trigger_count(), 2);
    EXPECT_EQ(w.triggers[1].vnum, 1002);
    // The zone's last vnum taken: the first free one of the zone comes next,
    // not the next zone's first.
    w.triggers[1].vnum = 1099;
    ASSERT_EQ(add_record(w, ListKind::Trigger, messages, nullptr), 1);
    EXPECT_EQ(w.triggers[1].vnum, 1001) << "in its place: the table stays in vnum order";
    EXPECT_EQ(w.triggers[2].vnum, 1099);
    // A zone of another dialect has no triggers to add.
    World circle;
    EXPECT_EQ(add_record(circle, ListKind::Trigger, messages, nullptr), -1);
    EXPECT_NE(messages.entries.back().text.find("Only a tbaMUD zone has triggers"), std::string::npos);
}

TEST(TriggerList, UndoFindAndRecoveryTakeTriggers) {
    World w = tba_zone();
    History history(w);
    w.triggers[0].name = "renamed guard";
    ASSERT_TRUE(history.record());
    EXPECT_EQ(history.undo_label(), "Rename trigger #1000");
    MessageRecorder messages;
    add_record(w, ListKind::Trigger, messages, nullptr);
    ASSERT_TRUE(history.record());
    EXPECT_EQ(history.undo_label(), "Add trigger #1001");
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(w.trigger_count(), 1);
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(w.triggers[0].name, "gate guard");
    ASSERT_TRUE(history.redo());
    EXPECT_EQ(w.triggers[0].name, "renamed guard");

    // Find: names and script text; Go to vnum knows triggers.
    const auto hits = find_in_zone(w, "gate is");
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].kind, FindKind::Trigger);
    EXPECT_EQ(hits[0].field, "script");
    EXPECT_EQ(find_in_zone(w, "renamed")[0].field, "name");
    const auto by_vnum = records_with_vnum(w, 1000);
    ASSERT_EQ(by_vnum.size(), 2u);
    EXPECT_EQ(by_vnum[0].kind, FindKind::Room);
    EXPECT_EQ(by_vnum[1].kind, FindKind::Trigger);
    EXPECT_STREQ(find_kind_name(FindKind::Trigger), "Triggers");

    // The recovery copy holds the triggers and restores them.
    test::TempDir dir;
    AreaProject project;
    project.zone_name = "Test zone";
    project.zone_number = 10;
    std::string error;
    ASSERT_TRUE(write_recovery(dir.file("r.twr"), w, project, {}, 1700000000, error)) << error;
    World restored;
    AreaProject values;
    RecoveryInfo info;
    ASSERT_EQ(read_recovery(dir.file("r.twr"), {}, restored, values, info, error), RecoveryState::Ready)
        << error;
    EXPECT_EQ(restored.dialect, Dialect::TbaMud);
    ASSERT_EQ(restored.trigger_count(), 1);
    EXPECT_EQ(restored.triggers[0], w.triggers[0]);
    EXPECT_EQ(restored.rooms[0].triggers, TriggerList{1000});
}

}  // namespace trigger_editor_test
}  // namespace tarnwick
