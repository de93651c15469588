// The object editor: QuickInfo, the values dialog, apply fallbacks, extra
// descriptions and affect slots.
#include <gtest/gtest.h>

#include "editors/object_editor.h"
#include "project/preferences.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/object_types.h"
#include "world/world.h"

using namespace tarnwick;

namespace object_editor_test {

struct ObjectEditorTest : ::testing::Test {
    World world;
    LookupLists lists;
    Preferences prefs;
    MessageRecorder messages;
    ObjectEditor editor{world, lists, prefs, messages};

    void SetUp() override {
        lists.item_effects.assign(10, "eff");
        lists.item_wear.assign(15, "wear");
        lists.item_affects = {"NONE", "STR", "DEX", "INT"};
        editor.lists_changed();
        obj_record o;
        o.vnum = 3010;
        o.alias = "bottle";
        o.short_description = "a bottle";
        o.type = 17;
        o.values = {10, 5, 15, 0};
        o.extra_flags = 1 << 20;
        world.objects.push_back(o);
    }
};

TEST_F(ObjectEditorTest, QuickInfoNamesListValues) {
    editor.show_object(0);
    EXPECT_EQ(editor.fields.quick_info,
              (std::vector<std::string>{"Values for Object type Drink Container", "Capacity = 10",
                                        "Quantity = 5", "Type of liquid = LIQ_CLEARWATER",
                                        "Poisoned = 0"}));
    world.objects[0].values[2] = 16;
    editor.show_object(0);
    EXPECT_EQ(editor.fields.quick_info[3], "Type of liquid = 16(none)");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ObjectEditorTest, UnknownTypeWarnsOnceWhenShownAndAppliesAsZero) {
    world.objects[0].type = 0;
    world.objects.push_back(world.objects[0]);
    editor.show_object(0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Error! Unknown Object Type!"});
    EXPECT_EQ(editor.fields.type_entry, -1);
    EXPECT_TRUE(editor.fields.quick_info.empty());
    editor.fields.short_description = "changed";
    editor.set_modified(true);
    editor.apply_button();  // refreshes the same object: no second warning
    EXPECT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(world.objects[0].type, 0);
    editor.show_object(1);
    EXPECT_EQ(messages.entries.size(), 2u);
    EXPECT_FALSE(editor.edit_values());
    EXPECT_EQ(messages.texts().back(), "Error - Item not completed yet!");
}

TEST_F(ObjectEditorTest, ValuesDialogZeroesValuesWithoutMeaning) {
    world.objects[0].type = 5;
    world.objects[0].values = {0, 2, 6, 3};
    editor.show_object(0);
    auto form = editor.edit_values();
    ASSERT_TRUE(form);
    EXPECT_EQ(form->caption, "Values for object type Weapon");
    EXPECT_EQ(form->fields[0].kind, ValueKind::None);
    EXPECT_EQ(form->fields[3].selected, 3);
    ASSERT_TRUE(editor.confirm_values(*form));
    EXPECT_EQ(world.objects[0].values, (std::array<int32_t, 4>{0, 2, 6, 3}));
    EXPECT_TRUE(editor.modified());

    world.objects[0].values[0] = 7;
    form = editor.edit_values();
    form->fields[1].text = "4";
    ASSERT_TRUE(editor.confirm_values(*form));
    EXPECT_EQ(world.objects[0].values, (std::array<int32_t, 4>{0, 4, 6, 3}));

    // A bad number stops the dialog without storing anything.
    form = editor.edit_values();
    form->fields[1].text = "3";
    form->fields[2].text = "six";
    EXPECT_FALSE(editor.confirm_values(*form));
    EXPECT_EQ(messages.texts().back(), "Damage Size: 'six' is not a valid integer value");
    EXPECT_EQ(world.objects[0].values[1], 4);
}

TEST_F(ObjectEditorTest, ApplyFallbacksAliasAndFlags) {
    editor.show_object(0);
    editor.fields.alias = "";
    editor.fields.weight = "";
    editor.fields.cost = "lots";
    editor.fields.level = "";
    editor.fields.material = "3";
    editor.set_modified(true);
    editor.apply_button();
    const obj_record& o = world.objects[0];
    EXPECT_EQ(o.alias, "bottle");
    EXPECT_EQ(editor.fields.alias, "bottle");
    EXPECT_EQ(o.weight, 10);
    EXPECT_EQ(o.cost, 1000);
    EXPECT_EQ(o.level, 0);
    EXPECT_EQ(o.material, 3);  // stored although the field is disabled
    EXPECT_FALSE(editor.fields.material_enabled);
    EXPECT_EQ(o.extra_flags, 0);  // bit 20 has no line in the list
    EXPECT_FALSE(o.has_level);
}

TEST_F(ObjectEditorTest, ExtraDescriptionsChangeTheRecordAtOnce) {
    editor.show_object(0);
    editor.add_extra({"one", "first"});
    editor.add_extra({"two", ""});
    EXPECT_EQ(editor.fields.desc_lines, (std::vector<std::string>{"two", "one"}));
    editor.select_extra(0);
    EXPECT_FALSE(editor.extra_to_modify());  // no text: not opened
    editor.select_extra(1);
    ASSERT_TRUE(editor.extra_to_modify());
    EXPECT_EQ(editor.fields.desc_memo, "first\n");
    editor.modify_extra({"uno", "primero"});
    EXPECT_EQ(world.objects[0].extra_descs[1].keywords, "uno");
    editor.select_extra(0);
    editor.remove_extra();
    ASSERT_EQ(world.objects[0].extra_descs.size(), 1u);
    EXPECT_EQ(world.objects[0].extra_descs[0].description, "primero\n");  // a description ends its line
}

TEST_F(ObjectEditorTest, AffectSlots) {
    world.objects[0].affects[1] = {2, 3};
    world.objects[0].affects[2] = {9, 1};
    editor.show_object(0);
    EXPECT_EQ(editor.fields.affect_lines[0], " Undefined modifier. ");
    EXPECT_EQ(editor.fields.affect_lines[1], "DEX modified 3");
    EXPECT_EQ(editor.fields.affect_lines[2], " *** Invalid Modifier*** ");
    editor.select_affect(2);
    EXPECT_EQ(editor.fields.affect_location, -1);
    EXPECT_EQ(editor.fields.affect_modifier, "1");
    editor.fields.affect_location = 0;
    editor.fields.affect_modifier = "x";
    editor.affect_edited();
    editor.apply_affect();
    EXPECT_EQ(world.objects[0].affects[2], (obj_affect{0, 0}));
    EXPECT_EQ(editor.fields.affect_lines[2], " Undefined modifier. ");
    EXPECT_FALSE(editor.modified());
    editor.show_object(-1);
    editor.fields.affect_selected = 1;
    editor.apply_affect();
    EXPECT_EQ(editor.fields.affect_selected, -1);
    EXPECT_EQ(world.objects[0].affects[1], (obj_affect{2, 3}));
}

TEST_F(ObjectEditorTest, PendingEditsNeverReachAnotherObject) {
    obj_record other;
    other.vnum = 3011;
    other.type = 12;
    world.objects.push_back(other);
    editor.show_object(0);
    editor.fields.short_description = "lost";
    editor.set_modified(true);
    world.remove_object(0);
    editor.show_object(-1);
    EXPECT_EQ(world.objects[0].short_description, "");
}


// Applying an unchanged form keeps every known type as it was.
TEST_F(ObjectEditorTest, ApplyKeepsEveryType) {
    for (int type = 1; type <= kObjectTypeCount; ++type) {
        SCOPED_TRACE(type);
        world.objects[0].type = type;
        editor.show_object(0);
        editor.set_modified(true);
        editor.apply_button();
        EXPECT_EQ(world.objects[0].type, type);
        EXPECT_EQ(editor.fields.type_entry, type - 1);
    }
}
}  // namespace object_editor_test
