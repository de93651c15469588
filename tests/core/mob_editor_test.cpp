// The mob editor: Autolevel, the estimates, apply with a bad number, the
// position lists and the E-spec dialog.
#include <gtest/gtest.h>

#include "editors/mob_editor.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace mob_editor_test {

struct MobEditorTest : ::testing::Test {
    World world;
    LookupLists lists;
    MessageRecorder messages;
    MobEditor editor{world, lists, messages};

    void SetUp() override {
        lists.mob_affects.assign(20, "aff");
        lists.mob_actions.assign(32, "act");
        lists.load_positions.assign(9, "pos");
        lists.default_positions.assign(9, "pos");
        editor.lists_changed();
        char_data m;
        m.vnum = 3000;
        m.short_name = "the guard";
        m.level = 5;
        m.gold = 100;
        m.exp = 2000;
        m.load_pos = 8;
        m.default_pos = 12;
        m.sex = 2;
        m.affect_flags = int32_t(0xFFF00001u);  // bits 20..31 have no line
        world.mobs.push_back(m);
        char_data other;
        other.vnum = 3001;
        world.mobs.push_back(other);
    }
};

TEST_F(MobEditorTest, AutolevelSlidersFillTheDiceFromTheLevel) {
    editor.show_mob(0);
    editor.fields.level = "10";
    editor.click_autolevel(true);
    EXPECT_TRUE(world.mobs[0].autolevel);
    editor.move_endurance(5);
    EXPECT_EQ(editor.fields.hit_dices, "11");
    EXPECT_EQ(editor.fields.hit_sides, "15");
    EXPECT_EQ(editor.fields.hit_add, "160");
    EXPECT_EQ(editor.fields.hit_label, "Hitpoints : 171 -- 325");
    EXPECT_EQ(world.mobs[0].endurance, 5);
    EXPECT_EQ(world.mobs[0].hit_dices, 0);  // dice reach the record through Apply only

    editor.move_power(2);
    EXPECT_EQ(editor.fields.bhd_dices + "d" + editor.fields.bhd_sides + "+" + editor.fields.bhd_add,
              "3d8+11");
    EXPECT_EQ(editor.fields.damage_label, "Damage per attack: 14 -- 35");

    editor.fields.level = "0";
    editor.move_power(-5);
    EXPECT_EQ(editor.fields.bhd_dices + "d" + editor.fields.bhd_sides + "+" + editor.fields.bhd_add,
              "0d1+1");
    editor.move_endurance(-10);
    EXPECT_EQ(editor.fields.hit_dices + "d" + editor.fields.hit_sides + "+" + editor.fields.hit_add,
              "1d12+10");
    editor.move_endurance(-7);  // truncates toward zero: -7 / 5 = -1
    EXPECT_EQ(editor.fields.hit_sides, "13");

    editor.fields.level = "x";
    editor.move_power(3);
    EXPECT_EQ(messages.texts().back(), "Level: 'x' is not a valid integer value");
    EXPECT_EQ(world.mobs[0].power, -5);

    editor.click_autolevel(false);
    EXPECT_FALSE(world.mobs[0].autolevel);
    EXPECT_FALSE(editor.fields.autolevel_panel);
}

TEST_F(MobEditorTest, EstimatesCountUnreadableFields) {
    editor.fields.hit_dices = "";
    editor.fields.hit_sides = "4";
    editor.fields.hit_add = "10";
    editor.fields.bhd_dices = "2";
    editor.fields.bhd_sides = "?";
    editor.fields.bhd_add = "1";
    editor.update_estimates();
    // n counts as 0 in the low sum and 1 in the high one.
    EXPECT_EQ(editor.fields.hit_label, "Hitpoints : 10 -- 14");
    EXPECT_EQ(editor.fields.damage_label, "Damage per attack: 3 -- 3");
    editor.show_mob(-1);
    EXPECT_EQ(editor.fields.hit_label, "Hitpoints: 0");
    EXPECT_EQ(editor.fields.damage_label, "Damage per attack: 0");
    EXPECT_EQ(editor.current(), -1);
}

TEST_F(MobEditorTest, ApplyStopsAtTheFirstBadIntegerKeepingTheFieldsBefore) {
    editor.show_mob(0);
    editor.fields.level = "12";
    editor.fields.thaco = "17";
    editor.fields.gold = "";
    editor.fields.exp = "9";
    editor.fields.short_name = "a new name";
    editor.text_changed(true);
    EXPECT_FALSE(editor.apply_mob());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Gold: '' is not a valid integer value"});
    const char_data& m = world.mobs[0];
    EXPECT_EQ(m.level, 12);
    EXPECT_EQ(m.thaco, 17);
    EXPECT_EQ(m.gold, 100);
    EXPECT_EQ(m.exp, 2000);
    EXPECT_EQ(m.short_name, "the guard");
    EXPECT_TRUE(editor.modified());
}

TEST_F(MobEditorTest, PositionsBeyondTheListAndUnlistedFlagBitsAreDropped) {
    editor.show_mob(0);
    EXPECT_EQ(editor.fields.load_pos, 8);
    EXPECT_EQ(editor.fields.default_pos, -1);
    EXPECT_EQ(editor.fields.sex, MobSex::Female);
    int applied = -1;
    editor.on_record_applied = [&](int i) { applied = i; };
    editor.text_changed(false);
    ASSERT_TRUE(editor.apply_mob());
    EXPECT_EQ(applied, 0);
    EXPECT_EQ(world.mobs[0].default_pos, -1);
    EXPECT_EQ(world.mobs[0].load_pos, 8);
    EXPECT_EQ(world.mobs[0].affect_flags, 1);
}

TEST_F(MobEditorTest, AutoApplyDecidesWhetherEditsSurviveLeaving) {
    editor.show_mob(0);
    editor.fields.alias = "kept";
    editor.text_changed(false);
    editor.show_mob(1);
    EXPECT_EQ(world.mobs[0].alias, "kept");
    editor.auto_apply = false;
    editor.fields.alias = "dropped";
    editor.text_changed(false);
    editor.show_mob(0);
    EXPECT_EQ(world.mobs[1].alias, "");
    EXPECT_FALSE(editor.modified());
}

TEST_F(MobEditorTest, TypeSwitchAndEspecs) {
    editor.show_mob(0);
    EXPECT_TRUE(editor.fields.especs_enabled);  // as the window starts
    // The dialog adds to a simple mob and makes it enhanced.
    EspecDialogForm dialog(world, messages, 0);
    dialog.id = "Str";
    dialog.add();
    EXPECT_EQ(messages.texts().back(), "You must specify both Id and Value for an E-Spec.");
    EXPECT_TRUE(world.mobs[0].especs.empty());
    dialog.value = "18";
    dialog.add();
    dialog.id = "Dex";
    dialog.value = "15";
    dialog.add();
    EXPECT_TRUE(world.mobs[0].enhanced);
    ASSERT_EQ(dialog.lines().size(), 2u);
    EXPECT_EQ(dialog.lines()[0].first, "Dex");  // new entries at the head

    dialog.selected = 0;
    dialog.remove();
    dialog.selected = 0;
    dialog.remove();
    EXPECT_TRUE(world.mobs[0].especs.empty());
    EXPECT_TRUE(world.mobs[0].enhanced);

    world.mobs[0].especs.push_back({"Con", "12"});
    editor.show_mob(0);
    EXPECT_EQ(editor.fields.type_entry, 1);
    editor.choose_type(0);
    EXPECT_FALSE(world.mobs[0].enhanced);
    EXPECT_FALSE(editor.fields.especs_enabled);
    EXPECT_EQ(world.mobs[0].especs.size(), 1u);
    editor.show_mob(1);  // a simple mob: the button stays as the last choice left it
    EXPECT_FALSE(editor.fields.especs_enabled);
    editor.show_mob(0);
    editor.choose_type(1);
    EXPECT_TRUE(world.mobs[0].enhanced);
    EXPECT_TRUE(editor.fields.especs_enabled);

    editor.show_mob(-1);
    editor.choose_type(1);
    EXPECT_FALSE(editor.fields.especs_enabled);
}

TEST_F(MobEditorTest, PendingEditsStayWithTheirMobWhenTheTableChanges) {
    editor.show_mob(0);
    editor.fields.alias = "lost";
    editor.text_changed(false);
    world.remove_mob(0);  // mob 3001 moves into slot 0
    editor.show_mob(-1);
    EXPECT_EQ(world.mobs[0].alias, "");

    char_data third;
    third.vnum = 3002;
    world.mobs.push_back(third);
    editor.show_mob(1);
    editor.fields.alias = "kept";
    editor.text_changed(false);
    world.remove_mob(0);
    editor.show_mob(-1);
    EXPECT_EQ(world.mobs[0].vnum, 3002);
    EXPECT_EQ(world.mobs[0].alias, "kept");

    // Renumbering keeps the table's size: the slot still holds the same mob.
    editor.show_mob(0);
    editor.fields.alias = "renumbered";
    editor.text_changed(false);
    world.mobs[0].vnum = 4000;
    EXPECT_TRUE(editor.apply_mob());
    EXPECT_EQ(world.mobs[0].alias, "renumbered");
}
}  // namespace mob_editor_test

