// The zone editor on a tbaMUD zone: the header's bottom, builders, flags and
// levels edited and written, trigger (T) and variable (V) commands in the
// tree and the command form, and header fields that never clear what a
// dialect's header holds.
#include <gtest/gtest.h>

#include "editors/zone_command_form.h"
#include "editors/zone_editor.h"
#include "formats/zone_file.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace zone_dialect_editor_test {

trig_data trigger(int32_t vnum, const std::string& name, int attach) {
    trig_data t;
    t.vnum = vnum;
    t.name = name;
    t.attach_type = attach;
    return t;
}

const char* const kZone =
    "#30\nRumble~\nNorthern Midgaard~\n3000 3099 15 2 a 0 0 0 5 30\n"
    "M 0 3000 1 3001 \t(the wizard)\n"
    "T 1 0 3000 -1 \t(greet)\n"
    "T 0 2 3004 3001 \t(dump)\n"
    "V 0 2 0 3001 visits 0 so far\n"
    "S\n$\n";

struct ZoneDialectTest : ::testing::Test {
    World world;
    MessageRecorder messages;
    ZoneEditor editor{world, messages};

    void SetUp() override {
        world.dialect = Dialect::TbaMud;
        world.triggers = {trigger(3000, "greet", kAttachMobile), trigger(3004, "dump", kAttachRoom)};
        room_data temple;
        temple.vnum = 3001;
        temple.name = "The Temple";
        world.rooms = {temple};
        ASSERT_TRUE(read_zone(world, kZone, messages));
        editor.show_zone_header();
    }
    ZoneTreeNode* top(size_t i) { return editor.tree().root().children[i].get(); }
};

TEST_F(ZoneDialectTest, HeaderFieldsEditAndWriteTheDialectsHeader) {
    EXPECT_EQ(editor.header.bot, "3000");
    EXPECT_EQ(editor.header.builders, "Rumble");
    EXPECT_EQ(editor.header.flags, (std::array<int32_t, 4>{1, 0, 0, 0}));
    EXPECT_EQ(editor.header.min_level, "5");
    EXPECT_EQ(editor.header.max_level, "30");

    editor.header.builders = "Rumble and Welcor";
    editor.header.bot = "3010";
    editor.header.flags[3] = 4;
    editor.header.min_level = "";  // no number: the old level stays
    editor.header.max_level = "-1";
    editor.commit_header();
    const std::string text = zone_file_text(world, {});
    EXPECT_NE(text.find("#30\nRumble and Welcor~\nNorthern Midgaard~\n3010 3099 15 2 a 0 0 c 5 -1\n"),
              std::string::npos)
        << text;

    // Fields made for the first five alone leave the rest of the header be.
    ZoneHeaderFields plain;
    plain.zone_number = 30;
    plain.name = "Renamed";
    plain.top = 3099;
    commit_zone_header(world, plain);
    EXPECT_EQ(world.zone.builders, "Rumble and Welcor");
    EXPECT_EQ(world.zone.bot, 3010);
    EXPECT_EQ(world.zone.flags[3], 4);
    EXPECT_EQ(world.zone.max_level, -1);

    // A CircleMUD 3.1 zone commits its bottom only; a 3.0 zone none of them.
    world.dialect = Dialect::Circle31;
    ZoneHeaderFields f = editor.header_fields();
    EXPECT_EQ(f.bot, 3010);
    EXPECT_FALSE(f.builders || f.flags || f.min_level || f.max_level);
    world.dialect = Dialect::Circle30;
    EXPECT_FALSE(editor.header_fields().bot);
}

TEST_F(ZoneDialectTest, TriggerAndVariableCommandsInTreeFormAndFile) {
    // A T on the mob loaded last stands under the mob; one on a room, and
    // a V, at the top.
    ASSERT_EQ(editor.tree().root().children.size(), 3u);
    ASSERT_EQ(top(0)->children.size(), 1u);
    EXPECT_EQ(top(0)->children[0]->text,
              "Attach trigger #3000 (greet) to the mob loaded last, if_flag: 1");
    EXPECT_EQ(top(1)->text,
              "Attach trigger #3004 (dump) to room #3001 (The Temple), if_flag: 0");
    EXPECT_EQ(top(2)->text,
              "Set variable visits = 0 so far on room #3001 (The Temple) (context 0), if_flag: 0");

    // Added on the mob, a T attaches to it and joins its group.
    zCommand t = ZoneEditor::new_command('T', top(0));
    EXPECT_EQ(t.arg1, 0);
    t.arg2 = 3099;
    editor.place(top(0), t);
    EXPECT_TRUE(editor.in_sync());
    EXPECT_EQ(top(0)->children.size(), 2u);
    EXPECT_NE(top(0)->children[0]->text.find("#3099 (no such trigger)"), std::string::npos);
    EXPECT_EQ(ZoneEditor::new_command('V', top(1)).arg1, 2);  // elsewhere: a room

    // The form edits a V's name and value; a name of two words or an empty
    // value would not read back, and keeps the old one.
    zCommand& v = *top(2)->command;
    CommandForm form;
    ASSERT_TRUE(form.open(v, messages));
    EXPECT_TRUE(form.has_variable);
    EXPECT_EQ(form.choice[0], 2);
    form.var_name = "two words";
    form.var_value = "  ";
    form.apply(v);
    EXPECT_EQ(v.var_name, "visits");
    EXPECT_EQ(v.var_value, "0 so far");
    form.var_name = "greeted";
    form.var_value = "yes indeed";
    form.fields[2] = "3002";
    form.apply(v);
    EXPECT_EQ(v.arg3, 3002);

    // The file holds what the tree shows, and reads back the same.
    const std::string text = zone_file_text(world, {});
    World again;
    again.dialect = Dialect::TbaMud;
    ASSERT_TRUE(read_zone(again, text, messages)) << text;
    std::vector<std::string> letters;
    for (const zCommand& c : again.zone.commands) letters.push_back(std::string(1, c.command));
    EXPECT_EQ(letters, (std::vector<std::string>{"M", "T", "T", "T", "V", "S"}));
    const zCommand& back = *std::prev(again.zone.commands.end(), 2);
    EXPECT_EQ(back.var_name, "greeted");
    EXPECT_EQ(back.var_value, "yes indeed");
    EXPECT_EQ(back.arg3, 3002);
    EXPECT_TRUE(messages.entries.empty());
}

}  // namespace zone_dialect_editor_test
}  // namespace tarnwick
