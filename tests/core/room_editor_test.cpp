// Room editor logic: showing and applying with Auto apply, exits with the
// symmetric offer, refused targets, generated exit sentences, flag bits the
// list cannot show, and extra descriptions.
#include <gtest/gtest.h>

#include "editors/room_editor.h"
#include "editors/selection.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {
namespace room_editor_test {

room_data make_room(int32_t vnum, const std::string& name) {
    room_data r;
    r.vnum = vnum;
    r.name = name;
    return r;
}

void link(room_data& from, int direction, int32_t to) {
    from.exits.slot(size_t(direction)) = room_direction_data{};
    from.exits.slot(size_t(direction))->target_vnum = to;
}

trig_data trigger(int32_t vnum, const std::string& name, int attach) {
    trig_data t;
    t.vnum = vnum;
    t.name = name;
    t.attach_type = attach;
    return t;
}

ExitForm exit_to(const std::string& target) {
    ExitForm f;
    f.target = target;
    return f;
}

struct RoomEditorTest : ::testing::Test {
    World world;
    LookupLists lists;
    MessageRecorder messages;
    RoomEditor editor{world, lists, messages};

    void SetUp() override {
        lists.sector_types = {"Inside", "City", "Field"};
        lists.room_flags = {"DARK", "DEATH", "NOMOB"};
        world.rooms = {make_room(3000, "Here"), make_room(3001, "Temple"), make_room(3002, "Hall"),
                       make_room(3003, "Cellar")};
    }
    room_data& here() { return world.rooms[0]; }
};

TEST_F(RoomEditorTest, ShowAndApplyWithAutoApply) {
    here().flags = (1 << 1) | (1 << 20);
    here().sector = 9;  // no list entry: shown unselected
    editor.show_room(0);
    EXPECT_EQ(editor.form.vnum, "3000");
    EXPECT_EQ(editor.form.flags, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(editor.form.sector, -1);
    EXPECT_TRUE(editor.form.enabled);

    // Applying clears the bit no list line stands for.
    editor.form.sector = 2;
    editor.apply();
    EXPECT_EQ(here().flags, 1 << 1);
    EXPECT_EQ(here().sector, 2);

    // Auto apply stores a pending name before another room is shown.
    editor.form.name = "Renamed";
    editor.modified = true;
    editor.show_room(1);
    EXPECT_EQ(here().name, "Renamed");
    EXPECT_FALSE(editor.modified);

    editor.auto_apply = false;
    editor.form.name = "Lost";
    editor.modified = true;
    editor.show_room(-1);
    EXPECT_EQ(world.rooms[1].name, "Temple");
    EXPECT_FALSE(editor.form.enabled);
    EXPECT_TRUE(editor.form.exits.empty());
    EXPECT_FALSE(editor.apply());
}

TEST_F(RoomEditorTest, PendingEditsFollowTheRoomThroughTableChanges) {
    editor.show_room(2);  // Hall
    editor.form.name = "Great hall";
    editor.modified = true;
    world.rooms.erase(world.rooms.begin());  // the table shifts under the editor
    editor.table_changed();
    EXPECT_EQ(editor.current(), 1);
    EXPECT_TRUE(editor.modified);
    editor.apply();
    EXPECT_EQ(world.rooms[1].name, "Great hall");

    editor.form.name = "Lost";
    editor.modified = true;
    world.remove_room(1);
    editor.table_changed();
    EXPECT_EQ(editor.current(), -1);
    EXPECT_FALSE(editor.apply());
    EXPECT_EQ(world.rooms[1].name, "Cellar");
}

TEST_F(RoomEditorTest, SymmetricExitToARoomWithoutAReverseExit) {
    editor.show_room(0);
    editor.form.name = "Pending";
    editor.modified = true;
    messages.answers = {Answer::Yes};
    ASSERT_TRUE(editor.can_add_exit(North));
    ASSERT_TRUE(editor.add_exit(North, exit_to("3001")));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Existing room. Do you want to make this exit simmetric?"});
    ASSERT_TRUE(here().exits[North]);
    EXPECT_EQ(here().exits[North]->target_vnum, 3001);
    ASSERT_TRUE(world.rooms[1].exits[South]);
    EXPECT_EQ(*world.rooms[1].exits[South], (room_direction_data{"", "", 0, -1, 3000}));
    ASSERT_EQ(editor.form.exits.size(), 1u);
    EXPECT_EQ(editor.form.exits[0].caption, "Norte    ");
    EXPECT_EQ(editor.form.exits[0].name, "Temple");
    // The pending name stays pending.
    EXPECT_EQ(editor.form.name, "Pending");
    EXPECT_TRUE(editor.modified);

    messages.clear();
    EXPECT_FALSE(editor.can_add_exit(North));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Existing exit. Must be modified with Edit"});
}

// The symmetric exit leaves the target room the opposite way, for all six
// and, in a tbaMUD zone only, for the four diagonals.
TEST_F(RoomEditorTest, SymmetricExitGoesTheOppositeWayInEveryDirection) {
    const int opposite[kDirectionCount] = {South, West, North, East, Down, Up,
                                           Southeast, Southwest, Northwest, Northeast};
    for (Dialect dialect : {Dialect::Circle30, Dialect::TbaMud})
    for (int d = 0; d < kDirectionCount; ++d) {
        SCOPED_TRACE(std::string(dialect_key(dialect)) + " " + kDirectionWords[d]);
        world.dialect = dialect;
        here().exits = {};
        world.rooms[1].exits = {};
        editor.show_room(0);
        messages.answers = {Answer::Yes};
        if (d >= Northwest && dialect != Dialect::TbaMud) {
            EXPECT_FALSE(editor.add_exit(d, exit_to("3001")));
            continue;
        }
        ASSERT_TRUE(editor.add_exit(d, exit_to("3001")));
        EXPECT_EQ(editor.form.exits.size(), 1u);
        for (int back = 0; back < kDirectionCount; ++back)
            EXPECT_EQ(world.rooms[1].exits[size_t(back)].has_value(), back == opposite[d]) << back;
        ASSERT_TRUE(world.rooms[1].exits[size_t(opposite[d])]);
        EXPECT_EQ(world.rooms[1].exits[size_t(opposite[d])]->target_vnum, 3000);
    }
}

TEST_F(RoomEditorTest, SymmetricExitChangesOnlyTheTargetOfAnExistingReverseExit) {
    link(world.rooms[1], South, 3003);
    world.rooms[1].exits.slot(South)->door = 2;
    world.rooms[1].exits.slot(South)->key_vnum = 3050;
    world.rooms[1].exits.slot(South)->keywords = "gate";
    editor.show_room(0);
    messages.answers = {Answer::Yes};
    editor.add_exit(North, exit_to("3001"));
    EXPECT_EQ(*world.rooms[1].exits[South], (room_direction_data{"", "gate", 2, 3050, 3000}));

    // Answering No leaves the other room alone; a target outside the table
    // asks nothing.
    messages.clear();
    messages.answers = {Answer::No};
    editor.add_exit(East, exit_to("3002"));
    EXPECT_FALSE(world.rooms[2].exits[West]);
    editor.add_exit(Up, exit_to("9999"));
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(here().exits[Up]->target_vnum, 9999);
}

TEST_F(RoomEditorTest, NegativeOrMissingTargetIsRefused) {
    editor.show_room(0);
    for (const char* bad : {"-5", "", "north"}) {
        messages.clear();
        EXPECT_FALSE(editor.add_exit(West, exit_to(bad))) << bad;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{"Room VNUM must be greater than zero."});
        EXPECT_FALSE(here().exits[West]);
    }
    messages.answers = {Answer::No};
    EXPECT_TRUE(editor.add_exit(West, exit_to("0")));

    // Editing an exit to a bad target removes it.
    auto form = editor.edit_exit_form(0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->target, "0");
    EXPECT_EQ(form->target_name, kNoRoomName);
    form->target = "-1";
    editor.finish_edit_exit(0, *form);
    EXPECT_FALSE(here().exits[West]);
    EXPECT_TRUE(editor.form.exits.empty());
}

TEST_F(RoomEditorTest, EditRemoveAndFollowExits) {
    link(here(), Down, 3003);
    here().exits.slot(Down)->door = 5;  // outside the door types: shown as no door
    here().exits.slot(Down)->keywords = "trapdoor";
    editor.show_room(0);
    auto form = editor.edit_exit_form(0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->door, 0);
    EXPECT_FALSE(form->keywords_enabled());
    form->door = 1;
    form->key = "junk";
    form->description = "A trapdoor.\r\n";
    editor.finish_edit_exit(0, *form);
    EXPECT_EQ(*here().exits[Down], (room_direction_data{"A trapdoor.\n", "trapdoor", 1, -1, 3003}));

    EXPECT_EQ(editor.exit_target(0), 3);
    link(here(), Up, 4000);
    editor.show_room(0);
    EXPECT_EQ(editor.exit_target(0), -1);  // Up comes first, to nowhere
    EXPECT_EQ(messages.texts().back(), "Unable to load room.");
    EXPECT_TRUE(editor.remove_exit(0));
    EXPECT_FALSE(here().exits[Up]);
    EXPECT_EQ(editor.form.exits.size(), 1u);
    EXPECT_FALSE(editor.remove_exit(5));  // no such line: nothing
}

struct ListChooser : Chooser {
    std::vector<int> picks;
    std::vector<std::string> titles;
    int pick_from_list(const std::string& title, const std::vector<std::string>&) override {
        titles.push_back(title);
        int p = picks.empty() ? -1 : picks.front();
        if (!picks.empty()) picks.erase(picks.begin());
        return p;
    }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

TEST_F(RoomEditorTest, ExitDialogBrowsesRoomsAndKeys) {
    obj_record key;
    key.vnum = 3050;
    world.objects.push_back(key);
    ListChooser chooser;
    chooser.picks = {2, -1, 0};
    ExitForm form;
    form.browse_target(chooser, world);
    EXPECT_EQ(form.target, "3002");
    EXPECT_EQ(form.target_name, "Hall");
    form.browse_key(chooser, world);  // cancelled: unchanged
    EXPECT_EQ(form.key, "-1");
    form.browse_key(chooser, world);
    EXPECT_EQ(form.key, "3050");
    EXPECT_EQ(chooser.titles, (std::vector<std::string>{"Select Room", "Select Key", "Select Key"}));
    form.no_key();
    EXPECT_EQ(form.key, "-1");
    EXPECT_FALSE(form.keywords_enabled());
    form.door = 2;
    EXPECT_TRUE(form.keywords_enabled());
}

// tbaMUD rooms: the upper flag words and the trigger list are pending form
// state stored by apply, and hidden doors survive the exit dialog there.
TEST_F(RoomEditorTest, TbaMudFlagWordsTriggersAndHiddenDoors) {
    world.dialect = Dialect::TbaMud;
    world.triggers = {trigger(3004, "dump", kAttachRoom)};
    here().flags_more = {0, 2, 0};
    here().triggers = {77};
    link(here(), North, 3001);
    here().exits.slot(North)->door = 4;
    editor.show_room(0);
    EXPECT_EQ(editor.form.flags_more, (MoreFlags{0, 2, 0}));
    EXPECT_EQ(editor.form.triggers.lines(world), std::vector<std::string>{"#77  (no such trigger)"});
    editor.form.flags_more[2] = INT32_MIN;  // the top bit: negative in the file
    ASSERT_TRUE(editor.form.triggers.add("3004", world, messages));
    EXPECT_EQ(here().triggers, TriggerList{77});  // pending until applied
    editor.apply();
    EXPECT_EQ(here().flags_more, (MoreFlags{0, 2, INT32_MIN}));
    EXPECT_EQ(here().triggers, (TriggerList{77, 3004}));

    ASSERT_EQ(door_type_count(world), 5);
    auto form = editor.edit_exit_form(0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->door, 4);
    ASSERT_TRUE(editor.finish_edit_exit(0, *form));
    EXPECT_EQ(here().exits[North]->door, 4);
    world.dialect = Dialect::Circle30;  // no hidden doors to offer
    EXPECT_EQ(door_type_count(world), 3);
    EXPECT_EQ(editor.edit_exit_form(0)->door, 0);
}

TEST_F(RoomEditorTest, ExitDescriptionSentences) {
    editor.show_room(0);
    link(here(), North, 3001);
    editor.insert_exit_descriptions();
    EXPECT_EQ(editor.form.description, "  Your only exit is to the north, where you see Temple.\n");
    EXPECT_TRUE(editor.modified);
    EXPECT_EQ(here().description, "");  // only a pending edit

    link(here(), Down, 3003);
    editor.form.description = "Dusty.";
    editor.insert_exit_descriptions();
    EXPECT_EQ(editor.form.description,
              "Dusty.\nHacia the north see Temple and to downside see Cellar.\n");

    link(here(), East, 3002);
    EXPECT_EQ(exit_description_sentence(world, here(), messages),
              "Hacia the north see Temple, to the east see Hall and to downside see Cellar.");
    link(here(), West, 7777);
    EXPECT_EQ(exit_description_sentence(world, here(), messages),
              "Hacia the north see Temple, to the east see Hall, to the west see (not existing or out "
              "of zone) and to downside see Cellar.");

    // A single exit out of the table gives a message and no line.
    room_data lonely = make_room(3010, "Lonely");
    link(lonely, Up, 9000);
    messages.clear();
    EXPECT_EQ(exit_description_sentence(world, lonely, messages), "");
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Exit to undefined room, cannot insert exit."});

    // A room of another zone of the world folder is seen by its name alone,
    // without the zone the editor's lists add to it.
    std::vector<World> others(1);
    others[0].zone.zone_number = 90;
    others[0].rooms.push_back(make_room(9000, "Far Hill"));
    world.other_zones = std::make_shared<const OtherZones>(std::move(others));
    EXPECT_EQ(exit_description_sentence(world, lonely, messages),
              "  Your only exit is to upside, where you see Far Hill.");
    EXPECT_EQ(world.room_name_of(9000), "Far Hill (zone 90)");
}

TEST_F(RoomEditorTest, ExtraDescriptionsAddAtTheFrontModifyAndRemove) {
    here().extra_descs = {{"sign", "It reads: keep out."}};
    editor.show_room(0);
    EXPECT_FALSE(editor.extra_form());
    editor.add_extra({"altar stone", "A stone altar."});
    EXPECT_EQ(editor.form.extras, (std::vector<std::string>{"altar stone", "sign"}));
    editor.choose_extra(1);
    EXPECT_EQ(editor.form.extra_text, "It reads: keep out.");
    ASSERT_TRUE(editor.extra_form());
    EXPECT_TRUE(editor.modify_extra({"sign board", "It reads: welcome."}));
    EXPECT_EQ(here().extra_descs[1], (extra_descr_data{"sign board", "It reads: welcome.\n"}));
    EXPECT_EQ(editor.form.chosen_extra, -1);
    EXPECT_FALSE(editor.remove_extra());  // nothing chosen
    editor.choose_extra(0);
    EXPECT_TRUE(editor.remove_extra());
    EXPECT_EQ(editor.form.extras, (std::vector<std::string>{"sign board"}));
}

}  // namespace room_editor_test
}  // namespace tarnwick
