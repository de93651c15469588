#include <gtest/gtest.h>

#include "formats/zone_commands.h"
#include "formats/zone_file.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace zone_commands_test {

zCommand cmd(char letter, int32_t a1 = 0, int32_t a2 = 0, int32_t a3 = 0, uint8_t if_flag = 1) {
    zCommand c;
    c.command = letter;
    c.if_flag = if_flag;
    c.arg1 = a1;
    c.arg2 = a2;
    c.arg3 = a3;
    return c;
}

std::string letters(const CommandList& list) {
    std::string out;
    for (const auto& c : list) out += c.command;
    return out;
}

// A world with one room, one mob and two objects to name.
World named_world() {
    World w;
    w.rooms.resize(1);
    w.rooms[0].vnum = 100;
    w.rooms[0].name = "The Quay";
    w.mobs.resize(1);
    w.mobs[0].vnum = 200;
    w.mobs[0].short_name = "the ferryman";
    w.objects.resize(2);
    w.objects[0].vnum = 300;
    w.objects[0].short_description = "a chest";
    w.objects[1].vnum = 301;
    w.objects[1].short_description = "a coin";
    return w;
}


TEST(CommandList, LinksNodesWhereAskedAndKeepsTheirAddresses) {
    CommandList list;
    MessageRecorder m;
    zCommand* fresh = append_new_command(list);
    EXPECT_EQ(fresh->command, 0);
    EXPECT_EQ(fresh->if_flag, 1);
    EXPECT_EQ(fresh->line, 0);
    fresh->command = 'M';
    zCommand* o = append_command(list, cmd('O'));
    zCommand* head = insert_command_before(list, fresh, cmd('D'));  // before the head
    insert_command_after(list, fresh, cmd('G'));
    zCommand* last = insert_command_after(list, o, cmd('R'));  // after the last
    insert_command_before(list, o, cmd('P'));
    EXPECT_EQ(letters(list), "DMGPOR");
    EXPECT_EQ(&list.front(), head);
    EXPECT_EQ(&list.back(), last);
    EXPECT_EQ(fresh->command, 'M');  // still the same node after all the links

    // A position that is no node of the list appends rather than losing the node.
    zCommand stranger;
    insert_command_before(list, &stranger, cmd('E'));
    insert_command_after(list, nullptr, cmd('X'));
    EXPECT_EQ(letters(list), "DMGPOREX");

    EXPECT_EQ(command_at(list, 0, m), head);
    EXPECT_EQ(command_at(list, 1, m), fresh);
    EXPECT_EQ(command_at(list, 7, m)->command, 'X');
    EXPECT_TRUE(m.entries.empty());
    EXPECT_EQ(command_at(list, 8, m), nullptr);
    EXPECT_EQ(command_at(list, -1, m), nullptr);
    EXPECT_EQ(m.texts(), (std::vector<std::string>{"List out of bounds. Ouch.", "List out of bounds. Ouch."}));

    EXPECT_TRUE(remove_command(list, head));  // the successor becomes the head
    EXPECT_EQ(&list.front(), fresh);
    EXPECT_TRUE(remove_command(list, o));
    EXPECT_FALSE(remove_command(list, &stranger));
    EXPECT_EQ(letters(list), "MGPREX");
    EXPECT_EQ(list.size(), 6u);
}

TEST(CommandDescriptions, EveryLetterLongAndShort) {
    const World w = named_world();
    struct Case {
        zCommand c;
        std::string long_text, short_text;
    };
    const Case cases[] = {
        {cmd('M', 200, 3, 100),
         "Load mob #200 - the ferryman in room 100 - The Quay: if_flag: true Max: 3",
         "Load the ferryman in The Quay"},
        {cmd('M', 9, 1, 8, 0),
         "Load mob #9 - (no existente) in room 8 - (not existing or out of zone): if_flag: false Max: 1",
         "Load (no existente) in (not existing or out of zone)"},
        {cmd('O', 300, 2, 100, 0),
         "Load object #300 - a chest in room 100 - The Quay: if_flag: false Max: 2",
         "Load object a chest in The Quay"},
        {cmd('E', 301, 4, 14),
         "Equip with #301 - a coin en la mu\xf1" "eca derecha, if_flag: 1 Max: 4",
         "Equip with a coin en la mu\xf1" "eca derecha"},
        {cmd('E', 301, 4, 18), "Equip with #301 - a coin (invalid pos), if_flag: 1 Max: 4",
         "Equip with a coin (invalid pos)"},
        {cmd('P', 301, 5, 300, 0),
         "Put object #301 - a coin in object#300 -  a chest, if_flag: 0 Max: 5",
         "Put a coin in a chest"},
        {cmd('G', 9, 10), "Give object #9 - Not existing or outside of zone, if_flag: 1 Max: 10",
         "Give it Not existing or outside of zone"},
        {cmd('D', 100, 4, 2), "Close and Lock door Arriba    - room #100 (The Quay) - if_flag: 1",
         "Close and Lock door Arriba    of room The Quay"},
        {cmd('D', 100, 6, 3, 0),
         "(invalid action) door (invalid exit) - room #100 (The Quay) - if_flag: 0",
         "(invalid action) door (invalid exit) of room The Quay"},
        // R holds the room first and the object second, as the server reads it.
        {cmd('R', 100, 300, 0, 0), "Remove object #300 from room #100", "Remove a chest from The Quay"},
        {cmd('S'), "Invalid or unknown command", "Invalid or unknown command"},
        {cmd('Q', 1, 2, 3), "Invalid or unknown command", "Invalid or unknown command"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(long_description(w, c.c), c.long_text);
        EXPECT_EQ(short_description(w, c.c), c.short_text);
    }
}

TEST(CommandDescriptions, NamesOutsideTheirTables) {
    EXPECT_EQ(wear_position_name(-1), "(invalid pos)");
    EXPECT_EQ(wear_position_name(17), "sostenido");
    for (int d = 0; d < 6; ++d) EXPECT_EQ(direction_name(d).size(), 9u);  // padded
    EXPECT_EQ(direction_name(-1), "(invalid exit)");
    EXPECT_EQ(direction_name(6), "(invalid exit)");
    EXPECT_EQ(direction_name(9, Dialect::TbaMud), "Suroeste ");
    EXPECT_EQ(direction_name(10, Dialect::TbaMud), "(invalid exit)");
    EXPECT_EQ(door_state_name(3), "(invalid action)");
}
}  // namespace zone_commands_test
