// Zone editor logic: the tree built from the command list, where added and
// pasted commands land in list and tree, removal, the header fields and the
// command dialog's fields.
#include <gtest/gtest.h>

#include <filesystem>

#include "editors/selection.h"
#include "editors/zone_command_form.h"
#include "editors/zone_editor.h"
#include "project/zone_top.h"
#include "formats/zone_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace zone_editor_test {

zCommand cmd(char letter, int a1, int a2, int a3, uint8_t if_flag = 1) {
    zCommand c;
    c.command = letter;
    c.if_flag = if_flag;
    c.arg1 = a1;
    c.arg2 = a2;
    c.arg3 = a3;
    return c;
}

// The letters of the command list, S included.
std::string list_letters(const World& w) {
    std::string s;
    for (const zCommand& c : w.zone.commands) s += c.command;
    return s;
}

// The tree as text: letters, children in brackets.
std::string tree_shape(const ZoneTreeNode& node) {
    std::string s;
    for (const auto& child : node.children) {
        s += child->command->command;
        if (!child->children.empty()) s += "(" + tree_shape(*child) + ")";
    }
    return s;
}

// The tree's commands in order, as letters, compared with the list.
std::string tree_letters(const ZoneTree& tree) {
    std::string s;
    for (const zCommand* c : tree.commands_in_order()) s += c->command;
    return s;
}

std::string list_without_s(const World& w) {
    std::string s = list_letters(w);
    std::erase(s, 'S');
    return s;
}

struct ZoneEditorTest : ::testing::Test {
    World world;
    MessageRecorder messages;
    ZoneEditor editor{world, messages};

    void load(std::initializer_list<zCommand> commands) {
        for (const zCommand& c : commands) world.zone.commands.push_back(c);
        editor.show_zone_header();
    }
    ZoneTreeNode* top(size_t i) { return editor.tree().root().children.at(i).get(); }
};

TEST_F(ZoneEditorTest, LoadedZoneShowsGiveAndEquipUnderTheMobAndPutUnderTheRoot) {
    load({cmd('O', 10, 1, 3001), cmd('M', 20, 1, 3001), cmd('E', 11, 1, 16), cmd('G', 12, 1, 0),
          cmd('O', 13, 1, 3002), cmd('P', 14, 1, 13), cmd('D', 3001, 0, 1), cmd('R', 3001, 15, 0),
          cmd('S', 0, 0, 0)});
    EXPECT_EQ(tree_shape(editor.tree().root()), "OM(EG)OPDR");
    EXPECT_EQ(editor.tree().root().text, "Zone Commands");
    // Every shown command knows its node; S has none.
    for (const zCommand& c : world.zone.commands) EXPECT_EQ(c.tree_node == nullptr, c.command == 'S');
    EXPECT_EQ(top(1)->image, 0);
    EXPECT_EQ(top(1)->children[0]->image, 3);
    EXPECT_EQ(top(5)->image, 6);

    // E and G before any mob hang under the root.
    world.zone.commands.clear();
    load({cmd('G', 1, 1, 0), cmd('M', 2, 1, 3001)});
    EXPECT_EQ(tree_shape(editor.tree().root()), "GM");
}

// A command between a mob and its E or G (the server accepts it) must not
// leave the tree out of step with the list: then nothing could be edited.
TEST_F(ZoneEditorTest, TreeMatchesTheListWhateverStandsBetweenAMobAndItsEquipment) {
    const struct {
        const char* list;
        const char* shape;
    } cases[] = {
        {"MOG", "MOG"},     {"MEOG", "M(E)OG"},   {"MEDEG", "M(E)DEG"}, {"MGPG", "M(G)PG"},
        {"MESG", "M(EG)"},  {"OMEGRE", "OM(EG)RE"}, {"GMOE", "GMOE"},     {"MMEOMG", "MM(E)OM(G)"},
        // A T or V on an object (argument 1 is 1 here) ends the mob's group.
        {"MTG", "MTG"},     {"MEVG", "M(E)VG"},
    };
    auto nodes_of = [](ZoneTreeNode& node, auto& self, std::vector<ZoneTreeNode*>& out) -> void {
        for (auto& child : node.children) {
            out.push_back(child.get());
            self(*child, self, out);
        }
    };
    auto reload = [&](const std::string& letters) {
        world.zone.commands.clear();
        for (char c : letters) world.zone.commands.push_back(cmd(c, 1, 1, 1));
        editor.show_zone_header();
        std::vector<ZoneTreeNode*> nodes;
        nodes_of(editor.tree().root(), nodes_of, nodes);
        return nodes;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        const size_t count = reload(c.list).size();
        EXPECT_EQ(tree_shape(editor.tree().root()), c.shape);
        EXPECT_TRUE(editor.in_sync());
        // Every node stays editable: each operation on any node keeps both in step.
        for (size_t i = 0; i < count; ++i) {
            for (char op : std::string("xMOEPTVc")) {
                SCOPED_TRACE(std::string(1, op) + " at node " + std::to_string(i));
                ZoneTreeNode* node = reload(c.list)[i];
                if (op == 'x') {
                    editor.remove(node);
                } else if (op == 'c') {
                    editor.copy(node);
                    editor.paste(node);
                } else {
                    editor.place(node, ZoneEditor::new_command(op, node));
                }
                EXPECT_TRUE(editor.in_sync()) << list_letters(world) << " vs " << tree_letters(editor.tree());
            }
        }
    }
}

TEST_F(ZoneEditorTest, MenuEnablingFollowsTheSelectedNode) {
    load({cmd('M', 20, 1, 3001), cmd('E', 11, 1, 16), cmd('O', 13, 1, 3002)});
    ZoneMenuState root = editor.menu_state(&editor.tree().root());
    EXPECT_EQ(root.add, (std::array<bool, 9>{true, true, false, false, false, true, true}));
    EXPECT_FALSE(root.copy);
    EXPECT_FALSE(root.paste);  // empty clipboard
    ZoneMenuState mob = editor.menu_state(top(0));
    EXPECT_EQ(mob.add, (std::array<bool, 9>{true, true, true, true, false, false, false}));
    EXPECT_TRUE(mob.copy);
    ZoneMenuState equip = editor.menu_state(top(0)->children[0].get());
    EXPECT_EQ(equip.add, (std::array<bool, 9>{}));
    EXPECT_TRUE(equip.copy);
    // A tbaMUD zone adds trigger and variable commands where M, O, D or R go.
    world.dialect = Dialect::TbaMud;
    EXPECT_EQ(editor.menu_state(&editor.tree().root()).add,
              (std::array<bool, 9>{true, true, false, false, false, true, true, true, true}));
    EXPECT_EQ(editor.menu_state(top(0)).add,
              (std::array<bool, 9>{true, true, true, true, false, false, false, true, true}));
    EXPECT_EQ(editor.menu_state(top(0)->children[0].get()).add, (std::array<bool, 9>{}));
    world.dialect = Dialect::Circle30;

    editor.copy(top(0)->children[0].get());  // an E: pastes under a mob only
    EXPECT_TRUE(editor.menu_state(top(0)).paste);
    EXPECT_FALSE(editor.menu_state(&editor.tree().root()).paste);
    EXPECT_FALSE(editor.menu_state(top(1)).paste);
    EXPECT_FALSE(editor.menu_state(top(0)->children[0].get()).paste);
}

TEST_F(ZoneEditorTest, GiveAndEquipGoDirectlyAfterTheirMobInListAndTree) {
    load({cmd('M', 20, 1, 3001), cmd('E', 11, 1, 16), cmd('O', 13, 1, 3002), cmd('S', 0, 0, 0)});
    ZoneTreeNode* g = editor.place(top(0), ZoneEditor::new_command('G'));
    EXPECT_EQ(list_letters(world), "MGEOS");
    EXPECT_EQ(tree_shape(editor.tree().root()), "M(GE)O");
    EXPECT_EQ(top(0)->children[0].get(), g);

    // An equip with if_flag 0 is linked like any other.
    zCommand e = ZoneEditor::new_command('E');
    e.if_flag = 0;
    editor.place(top(0), e);
    EXPECT_EQ(list_letters(world), "MEGEOS");
    EXPECT_EQ(tree_letters(editor.tree()), list_without_s(world));

    // With the root selected they go to the end of both.
    editor.place(&editor.tree().root(), ZoneEditor::new_command('G'));
    EXPECT_EQ(list_letters(world), "MEGEOSG");
    EXPECT_EQ(tree_shape(editor.tree().root()), "M(EGE)OG");
}

// A mob load at the top level has nothing before it to depend on: with
// if-flag 1 the server would skip it whenever the command above it failed.
// What lands under a command depends on that command.
TEST_F(ZoneEditorTest, NewTopLevelMobsStandAloneAndCommandsUnderAnotherDependOnIt) {
    struct Case {
        char letter;
        int selected;  // top-level node, -1 for the root
        bool under_selected;
        uint8_t if_flag;
    };
    const Case cases[] = {
        {'M', -1, false, 0}, {'M', 1, false, 0},  // to the end, before the object
        {'G', 0, true, 1},   {'E', 0, true, 1},   {'P', 1, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.letter) + " at node " + std::to_string(c.selected));
        world.zone.commands.clear();
        load({cmd('M', 20, 1, 3001), cmd('O', 13, 1, 3002), cmd('S', 0, 0, 0)});
        ZoneTreeNode* at = c.selected < 0 ? &editor.tree().root() : top(size_t(c.selected));
        const ZoneTreeNode* placed = editor.place(at, ZoneEditor::new_command(c.letter));
        ASSERT_NE(placed, nullptr);
        EXPECT_EQ(placed->parent, c.under_selected ? at : &editor.tree().root());
        EXPECT_EQ(int(placed->command->if_flag), int(c.if_flag));
    }
}

TEST_F(ZoneEditorTest, OtherCommandsGoBeforeTheSelectedOneOrToTheEnd) {
    load({cmd('M', 20, 1, 3001), cmd('E', 11, 1, 16), cmd('M', 21, 1, 3002)});
    editor.copy(top(1));
    ZoneTreeNode* pasted = editor.paste(top(1));
    EXPECT_EQ(list_letters(world), "MEMM");
    EXPECT_EQ(top(1), pasted);
    EXPECT_EQ(pasted->command->arg1, 21);
    EXPECT_EQ(pasted->command->line, 0);

    editor.place(&editor.tree().root(), ZoneEditor::new_command('M'));
    EXPECT_EQ(list_letters(world), "MEMMM");
    EXPECT_EQ(tree_shape(editor.tree().root()), "M(E)MMM");
    EXPECT_EQ(world.zone.commands.back().tree_node, top(3));

    // A put goes after its container and becomes its first child.
    editor.place(top(3), ZoneEditor::new_command('O'));
    editor.place(top(3), ZoneEditor::new_command('P'));
    EXPECT_EQ(list_letters(world), "MEMMOPM");
    EXPECT_EQ(tree_letters(editor.tree()), list_without_s(world));
    EXPECT_TRUE(messages.entries.empty());

    // Without a container a put is refused with a message but kept in both.
    editor.place(&editor.tree().root(), ZoneEditor::new_command('P'));
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"This is the weirdest error that you have never seen.\nOcurred in line 86"});
    EXPECT_EQ(tree_letters(editor.tree()), list_without_s(world));
}

TEST_F(ZoneEditorTest, RemovingAMobTakesItsChildCommandsAlong) {
    load({cmd('M', 20, 1, 3001), cmd('E', 11, 1, 16), cmd('G', 12, 1, 0), cmd('O', 13, 1, 3002),
          cmd('S', 0, 0, 0)});
    editor.remove(top(0));
    EXPECT_EQ(list_letters(world), "OS");
    EXPECT_EQ(tree_shape(editor.tree().root()), "O");
    editor.remove(&editor.tree().root());  // the root is no command: nothing
    EXPECT_EQ(list_letters(world), "OS");

    EXPECT_TRUE(editor.in_sync());
    // A list replaced behind the editor's back is noticed.
    world.zone.commands.clear();
    EXPECT_FALSE(editor.in_sync());
    world.zone.commands = {cmd('O', 13, 1, 3002), cmd('S', 0, 0, 0)};
    editor.show_zone_header();
    EXPECT_TRUE(editor.in_sync());

    // The clipboard keeps a removed command.
    editor.copy(top(0));
    editor.remove(top(0));
    ASSERT_TRUE(editor.paste(&editor.tree().root()));
    EXPECT_EQ(list_letters(world), "SO");
}

TEST_F(ZoneEditorTest, HeaderFieldsAndTopRoom) {
    world.zone.zone_number = 30;
    world.zone.name = "Midgaard";
    world.zone.lifespan = 15;
    world.zone.reset_mode = 2;
    world.project_zone_number = 77;
    world.zone.top = 3099;
    editor.show_zone_header();
    EXPECT_EQ(editor.header.vnum, "30");
    EXPECT_EQ(editor.header.top, "3099");  // the top as read, whatever the rooms
    EXPECT_EQ(editor.header.reset_mode, 2);

    editor.header.vnum = "abc";
    editor.header.lifespan = "";
    editor.header.name = "";
    editor.header.top = "x";
    ZoneHeaderFields f = editor.header_fields();
    EXPECT_EQ(f.zone_number, 77);
    EXPECT_EQ(f.lifespan, 15);
    EXPECT_EQ(f.name, "");
    EXPECT_EQ(f.top, 3099);
    editor.header.top = "3150";
    EXPECT_EQ(editor.header_fields().top, 3150);

    world.zone.reset_mode = 7;
    editor.show_zone_header();
    EXPECT_EQ(editor.header.reset_mode, -1);
}

TEST_F(ZoneEditorTest, ReadZoneEditAndSaveKeepsTreeOrder) {
    ASSERT_TRUE(read_zone(world,
                          "#30\nTest zone~\n3099 15 2\n"
                          "M 0 3000 1 3001\nE 1 3010 1 16\nO 0 3011 1 3002\nP 1 3012 1 3011\n"
                          "R 0 3001 3013\nS\n$~\n",
                          messages));
    editor.show_zone_header();
    EXPECT_EQ(tree_shape(editor.tree().root()), "M(E)OPR");
    EXPECT_EQ(top(3)->text, "Remove object #3013 from room #3001");

    zCommand g = ZoneEditor::new_command('G');
    g.arg1 = 3020;
    editor.place(top(0), g);
    FormatSettings anew;
    anew.house_style = true;
    std::string text = zone_file_text(world, anew);
    size_t m = text.find("M     0  3000"), gl = text.find("G     1  3020"), e = text.find("E     1  3010");
    ASSERT_NE(gl, std::string::npos);
    EXPECT_LT(m, gl);
    EXPECT_LT(gl, e);

    // The top stays as read; a room added above it through the list raises it.
    editor.commit_header();
    EXPECT_EQ(world.zone.top, 3099);
    world.rooms.push_back(room_data{});
    world.rooms.back().vnum = 3042;
    EXPECT_EQ(world.zone.top, 3099);
    world.rooms.back().vnum = 3150;
    EXPECT_TRUE(raise_zone_top(world, 3150));
    EXPECT_FALSE(raise_zone_top(world, 3100));
    editor.show_zone_header();
    EXPECT_EQ(editor.header.top, "3150");
    editor.commit_header();
    EXPECT_EQ(world.zone.top, 3150);
    EXPECT_EQ(world.zone.name, "Test zone");
}

// On real zones: give every mob a new give command and remove the first mob;
// the tree then shows exactly what a reload of the saved file shows.
TEST(ZoneEditorCorpus, EditedTreeMatchesTheReloadedFile) {
    auto folder = test::corpus_dir() / "circle30" / "zon";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".zon") continue;
        World world;
        MessageRecorder messages;
        ASSERT_TRUE(load_zone_file(world, entry.path().string(), messages)) << entry.path();
        ZoneEditor editor(world, messages);
        editor.show_zone_header();
        ASSERT_TRUE(editor.in_sync()) << entry.path();
        std::vector<ZoneTreeNode*> mobs;
        for (auto& node : editor.tree().root().children)
            if (node->command->command == 'M') mobs.push_back(node.get());
        for (ZoneTreeNode* mob : mobs) editor.place(mob, ZoneEditor::new_command('G'));
        if (!mobs.empty()) editor.remove(mobs.front());
        EXPECT_TRUE(editor.in_sync()) << entry.path();

        World reloaded;
        ASSERT_TRUE(read_zone(reloaded, zone_file_text(world, FormatSettings{}), messages)) << entry.path();
        ZoneEditor again(reloaded, messages);
        again.show_zone_header();
        EXPECT_EQ(tree_shape(again.tree().root()), tree_shape(editor.tree().root())) << entry.path();
        EXPECT_TRUE(messages.entries.empty()) << entry.path();
        ++files;
    }
    EXPECT_GT(files, 0);
}

struct ScriptedChooser : Chooser {
    std::vector<int> picks;
    std::vector<std::string> titles;
    int pick_from_list(const std::string& title, const std::vector<std::string>&) override {
        titles.push_back(title);
        int p = picks.front();
        picks.erase(picks.begin());
        return p;
    }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

TEST(CommandForm, FieldsEditTheirArgumentsAndEmptyFieldsKeepThem) {
    MessageRecorder messages;
    CommandForm form;
    zCommand e = cmd('E', 3010, 2, 16);
    ASSERT_TRUE(form.open(e, messages));
    EXPECT_STREQ(form.layout->caption, "Equip Mobile with Object...");
    EXPECT_EQ(form.choice[2], 16);
    form.fields[1] = "";
    form.apply(e);  // position untouched, empty max kept
    EXPECT_EQ(e.arg3, 16);
    EXPECT_EQ(e.arg2, 2);
    form.choose(2, 5);
    form.if_flag = false;
    form.apply(e);
    EXPECT_EQ(e.arg3, 5);
    EXPECT_EQ(e.if_flag, 0);

    // D: a diagonal is a choice of a tbaMUD zone's exit list only; elsewhere
    // the list shows none and the number stays.
    zCommand d = cmd('D', 3001, Southwest, 1);
    ASSERT_TRUE(form.open(d, messages));
    EXPECT_EQ(form.choice[1], -1);
    EXPECT_EQ(form.fields[1], "9");
    form.dialect = Dialect::TbaMud;
    ASSERT_TRUE(form.open(d, messages));
    EXPECT_EQ(form.choice[1], int(Southwest));
    form.dialect = Dialect::Circle30;

    // R: room in argument 1, object in argument 2, object field first.
    zCommand r = cmd('R', 3001, 3020, 0);
    ASSERT_TRUE(form.open(r, messages));
    EXPECT_EQ(form.fields[0], "3020");
    EXPECT_EQ(form.fields[1], "3001");
    EXPECT_EQ(form.layout->fields[0].browse, BrowseKind::Object);

    World world;
    obj_record a, b, c;
    a.vnum = 7;
    b.vnum = 90;
    c.vnum = 12;
    world.objects = {a, b, c};
    ScriptedChooser chooser;
    chooser.picks = {2, -1};
    form.browse(0, chooser, world);
    EXPECT_EQ(form.fields[0], "12");
    form.browse(0, chooser, world);  // cancel keeps the field
    EXPECT_EQ(form.fields[0], "12");
    form.fields[1] = "3002";
    form.apply(r);
    EXPECT_EQ(r.arg1, 3002);
    EXPECT_EQ(r.arg2, 12);

    zCommand s = cmd('S', 0, 0, 0);
    EXPECT_FALSE(form.open(s, messages));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Unknown Command."});
}

}  // namespace zone_editor_test
}  // namespace tarnwick
