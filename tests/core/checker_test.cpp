// The zone checker over small hand-made zones: a sound zone gives no
// finding, and each fault gives its finding on the right record and field.

#include <gtest/gtest.h>

#include <functional>

#include "analysis/checker.h"
#include "analysis/references.h"
#include "world/world.h"

namespace tarnwick {
namespace checker_test {

void link(World& w, int32_t from, int dir, int32_t to, int32_t door = 0, int32_t key = -1) {
    room_direction_data e;
    e.target_vnum = to;
    e.door = door;
    e.key_vnum = key;
    w.rooms[size_t(w.find_room(from))].exits.slot(size_t(dir)) = e;
}

void command(World& w, char c, int32_t a1, int32_t a2, int32_t a3) {
    zCommand z;
    z.command = c;
    z.arg1 = a1;
    z.arg2 = a2;
    z.arg3 = a3;
    z.line = int(w.zone.commands.size()) + 4;
    w.zone.commands.push_back(z);
}

obj_record object(int32_t vnum, int32_t type, int32_t wear) {
    obj_record o;
    o.vnum = vnum;
    o.alias = "thing";  // the server refuses an object without keywords
    o.type = type;
    o.wear_flags = wear;
    return o;
}

// Zone 10: rooms 1000-1002 joined both ways, a locked door 1001 east <->
// 1002 west with key 1000, a mob that holds the key and wields a sword, a
// chest with a bottle in it, a shop selling the key. Nothing in it is wrong.
World sound_zone() {
    World w;
    w.zone.zone_number = 10;
    w.zone.top = 1099;
    w.zone.name = "Test zone";
    for (int32_t v : {1000, 1001, 1002}) {
        room_data r;
        r.vnum = v;
        w.rooms.push_back(r);
    }
    link(w, 1000, North, 1001);
    link(w, 1001, South, 1000);
    link(w, 1001, East, 1002, 1, 1000);
    link(w, 1002, West, 1001, 1, 1000);
    char_data m;
    m.vnum = 1000;
    w.mobs.push_back(m);
    w.objects.push_back(object(1000, 18, 1 | 1 << 14));  // key: take, hold
    w.objects.push_back(object(1001, 5, 1 | 1 << 13));   // sword: take, wield
    w.objects.push_back(object(1002, 15, 1));            // chest
    w.objects.push_back(object(1003, 17, 1 | 1 << 14));  // bottle
    w.objects[3].values[2] = 3;                          // of ale
    command(w, 'M', 1000, 1, 1000);
    w.zone.commands.back().if_flag = 0;  // the first command has none before it
    command(w, 'G', 1000, 1, 0);
    command(w, 'E', 1001, 1, 16);
    command(w, 'O', 1002, 1, 1002);
    command(w, 'P', 1003, 1, 1002);
    command(w, 'D', 1001, East, 2);
    command(w, 'D', 1002, West, 2);
    command(w, 'R', 1000, 1003, 0);
    shop_data s;
    s.vnum = 1000;
    s.keeper = 1000;
    s.products = {1000};  // the shop lists what its keeper carries
    s.rooms = {1000};
    s.start1 = 0;
    s.end1 = 28;
    w.shops.push_back(s);
    return w;
}

zCommand& nth_command(World& w, int n) { return *std::next(w.zone.commands.begin(), n); }
room_direction_data& exit_of(World& w, int32_t room, int dir) {
    return *w.rooms[size_t(w.find_room(room))].exits.slot(size_t(dir));
}

TEST(Checker, SoundZoneHasNoFinding) {
    const World w = sound_zone();
    for (const auto& f : check_zone(w)) ADD_FAILURE() << record_label(f) << ": " << f.message;
}

World sound_tba_zone();

struct Case {
    const char* name;
    std::function<void(World&)> damage;
    const char* check;
    Severity severity;
    RecordKind kind;
    int32_t vnum;
    int command;  // -1 for records
    const char* field;
};

const Case kCases[] = {
    // Exits and doors.
    {"exit to a room that is gone", [](World& w) { exit_of(w, 1000, North).target_vnum = 1050; },
     "exit-target", Severity::Error, RecordKind::Room, 1000, -1, "exit.north"},
    {"exit to the zone's top room, which is gone",
     [](World& w) { exit_of(w, 1000, North).target_vnum = 1099; }, "exit-target", Severity::Error,
     RecordKind::Room, 1000, -1, "exit.north"},
    {"exit into another zone", [](World& w) { exit_of(w, 1000, North).target_vnum = 3001; },
     "exit-elsewhere", Severity::Note, RecordKind::Room, 1000, -1, "exit.north"},
    {"exit to the first room past the top", [](World& w) { exit_of(w, 1000, North).target_vnum = 1100; },
     "exit-elsewhere", Severity::Note, RecordKind::Room, 1000, -1, "exit.north"},
    {"exit to the last room below the zone", [](World& w) { exit_of(w, 1000, North).target_vnum = 999; },
     "exit-elsewhere", Severity::Note, RecordKind::Room, 1000, -1, "exit.north"},
    {"one-way exit", [](World& w) { w.rooms[1].exits.slot(South).reset(); }, "exit-one-way",
     Severity::Warning, RecordKind::Room, 1000, -1, "exit.north"},
    {"diagonal exit to a room that is gone", [](World& w) { link(w, 1000, Northwest, 1050); },
     "exit-target", Severity::Error, RecordKind::Room, 1000, -1, "exit.northwest"},
    {"one-way diagonal exit", [](World& w) { link(w, 1000, Northeast, 1002); }, "exit-one-way",
     Severity::Warning, RecordKind::Room, 1000, -1, "exit.northeast"},
    {"diagonal door on one side only",
     [](World& w) { link(w, 1000, Southeast, 1002, 1); link(w, 1002, Northwest, 1000); },
     "door-sides", Severity::Warning, RecordKind::Room, 1000, -1, "exit.southeast.door"},
    {"diagonal exit, which tbaMUD reads only with diagonal_dirs on",
     [](World& w) { w = sound_tba_zone(); link(w, 1000, Southwest, 1002); link(w, 1002, Northeast, 1000); },
     "server-text", Severity::Warning, RecordKind::Room, 1000, -1, "exit"},
    {"exit to its own room", [](World& w) { link(w, 1002, Up, 1002); }, "exit-self",
     Severity::Note, RecordKind::Room, 1002, -1, "exit.up"},
    {"door on one side only", [](World& w) { exit_of(w, 1002, West).door = 0; }, "door-sides",
     Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.door"},
    {"door sides with other keys", [](World& w) { exit_of(w, 1002, West).key_vnum = 1001; },
     "door-sides", Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.key"},
    {"door reset differently on each side", [](World& w) { nth_command(w, 6).arg3 = 1; },
     "door-sides", Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.door"},
    {"door key that does not exist",
     [](World& w) { exit_of(w, 1001, East).key_vnum = exit_of(w, 1002, West).key_vnum = 1090; },
     "door-key", Severity::Error, RecordKind::Room, 1001, -1, "exit.east.key"},
    {"door reset differently by its last D", [](World& w) { command(w, 'D', 1001, East, 0); },
     "door-sides", Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.door"},
    {"door key numbered the zone's top that does not exist",
     [](World& w) { exit_of(w, 1001, East).key_vnum = exit_of(w, 1002, West).key_vnum = 1099; },
     "door-key", Severity::Error, RecordKind::Room, 1001, -1, "exit.east.key"},
    {"door key nothing loads", [](World& w) { nth_command(w, 1).arg1 = 1003; },
     "door-key-unloaded", Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.key"},
    {"door key only removed by R", [](World& w) { nth_command(w, 1).arg1 = 1003;
         nth_command(w, 7).arg2 = 1000; },
     "door-key-unloaded", Severity::Warning, RecordKind::Room, 1001, -1, "exit.east.key"},
    // Zone commands.
    {"M of a missing mob", [](World& w) { w.mobs.clear(); }, "cmd-mob", Severity::Error,
     RecordKind::ZoneCommand, 10, 0, "arg1"},
    {"M into a missing room", [](World& w) { nth_command(w, 0).arg3 = 1099; }, "cmd-room",
     Severity::Error, RecordKind::ZoneCommand, 10, 0, "arg3"},
    {"O of a missing object", [](World& w) { nth_command(w, 3).arg1 = 1098; }, "cmd-object",
     Severity::Error, RecordKind::ZoneCommand, 10, 3, "arg1"},
    {"object of another zone", [](World& w) { nth_command(w, 2).arg1 = 7211; }, "cmd-elsewhere",
     Severity::Note, RecordKind::ZoneCommand, 10, 2, "arg1"},
    {"G with no M before", [](World& w) { w.zone.commands.pop_front(); }, "cmd-no-mob",
     Severity::Error, RecordKind::ZoneCommand, 10, 0, "command"},
    {"P into what is no container", [](World& w) { nth_command(w, 4).arg3 = 1001; },
     "cmd-container", Severity::Warning, RecordKind::ZoneCommand, 10, 4, "arg3"},
    {"P into a missing object", [](World& w) { nth_command(w, 4).arg3 = 1097; }, "cmd-object",
     Severity::Error, RecordKind::ZoneCommand, 10, 4, "arg3"},
    {"E where the object cannot be worn", [](World& w) { nth_command(w, 2).arg3 = 6; },
     "cmd-wear", Severity::Warning, RecordKind::ZoneCommand, 10, 2, "arg3"},
    {"E at no wear position", [](World& w) { nth_command(w, 2).arg3 = 18; }, "cmd-wear",
     Severity::Error, RecordKind::ZoneCommand, 10, 2, "arg3"},
    {"E at a wear position below 0", [](World& w) { nth_command(w, 2).arg3 = -1; }, "cmd-wear",
     Severity::Error, RecordKind::ZoneCommand, 10, 2, "arg3"},
    {"E of what is no light at the light slot", [](World& w) { nth_command(w, 2).arg3 = 0; },
     "cmd-wear", Severity::Warning, RecordKind::ZoneCommand, 10, 2, "arg3"},
    {"D on a direction past down", [](World& w) { nth_command(w, 5).arg2 = 6; }, "cmd-door",
     Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg2"},
    {"D past tbaMUD's last diagonal", [](World& w) { w.dialect = Dialect::TbaMud;
         nth_command(w, 5).arg2 = 10; }, "cmd-door", Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg2"},
    {"D on a direction below north", [](World& w) { nth_command(w, 5).arg2 = -1; }, "cmd-door",
     Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg2"},
    {"D on a direction with no exit", [](World& w) { nth_command(w, 5).arg2 = Down; },
     "cmd-door", Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg2"},
    {"D closing an exit with no door", [](World& w) { link(w, 1000, Up, 1001);
         command(w, 'D', 1000, Up, 1); }, "cmd-door", Severity::Warning,
     RecordKind::ZoneCommand, 10, 8, "arg3"},
    {"D with a state doors cannot take", [](World& w) { nth_command(w, 5).arg3 = 3; },
     "cmd-door", Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg3"},
    {"D with a state below open", [](World& w) { nth_command(w, 5).arg3 = -1; },
     "cmd-door", Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg3"},
    {"D in a missing room", [](World& w) { nth_command(w, 5).arg1 = 1090; }, "cmd-room",
     Severity::Error, RecordKind::ZoneCommand, 10, 5, "arg1"},
    {"R of a missing object", [](World& w) { nth_command(w, 7).arg2 = 1090; }, "cmd-object",
     Severity::Error, RecordKind::ZoneCommand, 10, 7, "arg2"},
    {"max-existing of 0", [](World& w) { nth_command(w, 3).arg2 = 0; }, "cmd-max",
     Severity::Warning, RecordKind::ZoneCommand, 10, 3, "arg2"},
    {"top one below the highest room", [](World& w) { w.zone.top = 1001; }, "zone-top",
     Severity::Error, RecordKind::Zone, 10, -1, "top"},
    // Shops.
    {"keeper that does not exist", [](World& w) { w.shops[0].keeper = 1077; }, "shop-keeper",
     Severity::Error, RecordKind::Shop, 1000, -1, "keeper"},
    {"keeper of another zone", [](World& w) { w.shops[0].keeper = 1100; }, "shop-elsewhere",
     Severity::Note, RecordKind::Shop, 1000, -1, "keeper"},
    {"keeper nothing loads", [](World& w) { nth_command(w, 0).arg1 = 1077; w.mobs.push_back({});
         w.mobs.back().vnum = 1077; }, "shop-keeper-unloaded", Severity::Warning,
     RecordKind::Shop, 1000, -1, "keeper"},
    {"product that does not exist", [](World& w) { w.shops[0].products.push_back(1066); },
     "shop-product", Severity::Error, RecordKind::Shop, 1000, -1, "products"},
    {"shop room that does not exist", [](World& w) { w.shops[0].rooms = {1055}; }, "shop-room",
     Severity::Warning, RecordKind::Shop, 1000, -1, "rooms"},
    {"hour past 28", [](World& w) { w.shops[0].end2 = 29; }, "shop-hours", Severity::Warning,
     RecordKind::Shop, 1000, -1, "hours"},
    {"hour below 0", [](World& w) { w.shops[0].start1 = -1; }, "shop-hours", Severity::Warning,
     RecordKind::Shop, 1000, -1, "hours"},
    {"opens an hour after it closes", [](World& w) { w.shops[0].start1 = 7; w.shops[0].end1 = 6; },
     "shop-hours", Severity::Warning, RecordKind::Shop, 1000, -1, "hours"},
    {"second opening after it closes", [](World& w) { w.shops[0].start2 = 1; },
     "shop-hours", Severity::Warning, RecordKind::Shop, 1000, -1, "hours"},
    // Objects and mobs.
    {"liquid that does not exist", [](World& w) { w.objects[3].values[2] = 16; }, "object-value",
     Severity::Warning, RecordKind::Object, 1003, -1, "values[2]"},
    {"spell that does not exist", [](World& w) { w.objects[3].type = 10;
         w.objects[3].values[1] = 500;
         w.objects[3].values[2] = 0; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[1]"},
    {"first spell of a scroll that does not exist", [](World& w) { w.objects[3].type = 2;
         w.objects[3].values[1] = 52;
         w.objects[3].values[2] = 0; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[1]"},
    {"last spell of a potion that does not exist", [](World& w) { w.objects[3].type = 10;
         w.objects[3].values[2] = 0;
         w.objects[3].values[3] = 500; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[3]"},
    {"last spell of a scroll that does not exist", [](World& w) { w.objects[3].type = 2;
         w.objects[3].values[2] = 0;
         w.objects[3].values[3] = 202; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[3]"},
    {"spell of a wand that does not exist", [](World& w) { w.objects[3].type = 3;
         w.objects[3].values[3] = 52; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[3]"},
    {"spell of a staff that does not exist", [](World& w) { w.objects[3].type = 4;
         w.objects[3].values[3] = -2; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[3]"},
    {"liquid of a fountain that does not exist", [](World& w) { w.objects[3].type = 23;
         w.objects[3].values[2] = 16; }, "object-value", Severity::Warning, RecordKind::Object,
     1003, -1, "values[2]"},
    {"liquid below water", [](World& w) { w.objects[3].values[2] = -1; }, "object-value",
     Severity::Warning, RecordKind::Object, 1003, -1, "values[2]"},
    {"weapon type that does not exist", [](World& w) { w.objects[1].values[3] = 15; },
     "object-value", Severity::Warning, RecordKind::Object, 1001, -1, "values[3]"},
    {"container key that does not exist", [](World& w) { w.objects[2].values[2] = 1044; },
     "object-key", Severity::Error, RecordKind::Object, 1002, -1, "values[2]"},
    {"mob nothing loads", [](World& w) { w.mobs.push_back({}); w.mobs.back().vnum = 1005; },
     "mob-unloaded", Severity::Note, RecordKind::Mob, 1005, -1, "vnum"},
    // Texts the server's loader would cut or refuse.
    {"description line too long for the server",
     [](World& w) { w.rooms[1].description = std::string(600, 'x') + "\n"; }, "server-text",
     Severity::Error, RecordKind::Room, 1001, -1, "description"},
    {"detailed description too large for the server",
     [](World& w) { w.mobs[0].descr = std::string(5000, '\n'); }, "server-text",
     Severity::Error, RecordKind::Mob, 1000, -1, "description"},
};

TEST(Checker, EachFaultIsFoundOnItsRecordAndField) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        World w = sound_zone();
        c.damage(w);
        std::vector<Finding> hits;
        for (const auto& f : check_zone(w))
            if (f.check == c.check) hits.push_back(f);
        // Both sides of a door may report it; the lower room comes first.
        ASSERT_FALSE(hits.empty());
        const Finding& f = hits[0];
        EXPECT_EQ(f.severity, c.severity);
        EXPECT_EQ(f.kind, c.kind);
        EXPECT_EQ(f.vnum, c.vnum);
        EXPECT_EQ(f.command_index, c.command);
        EXPECT_EQ(f.field, c.field);
        EXPECT_FALSE(f.message.empty());
        if (c.kind == RecordKind::ZoneCommand) {
            EXPECT_EQ(f.line, nth_command(w, c.command).line);
        }
    }
}

// Changes at the edge of a rule that the rule must let pass: none of them
// gives a finding whose check starts with `check` (the sound zone gives
// none of any).
TEST(Checker, EachCheckStaysSilentAtItsEdge) {
    const struct {
        const char* name;
        std::function<void(World&)> change;
        const char* check;
    } cases[] = {
        {"exit that leads nowhere on purpose", [](World& w) { link(w, 1002, Up, -1); }, "exit-"},
        {"way back by another direction", [](World& w) { w.rooms[1].exits.slot(South).reset();
             link(w, 1001, Down, 1000); }, "exit-one-way"},
        {"one-way exit into another zone", [](World& w) { link(w, 1002, Up, 3001); }, "exit-one-way"},
        {"door with key 0 on one side and none on the other",
         [](World& w) { exit_of(w, 1001, East).key_vnum = 0; exit_of(w, 1002, West).key_vnum = -1; },
         "door-sides"},
        {"door reset apart first, alike by its last D",
         [](World& w) { nth_command(w, 5).arg3 = 1; command(w, 'D', 1001, East, 2); }, "door-sides"},
        {"doors with no D command on either side",
         [](World& w) { w.zone.commands.erase(std::next(w.zone.commands.begin(), 5),
                                              std::next(w.zone.commands.begin(), 7)); },
         "door-sides"},
        {"door with key 0 (no key)",
         [](World& w) { exit_of(w, 1001, East).key_vnum = exit_of(w, 1002, West).key_vnum = 0; },
         "door-key"},
        {"door with key -1 (no key)",
         [](World& w) { exit_of(w, 1001, East).key_vnum = exit_of(w, 1002, West).key_vnum = -1; },
         "door-key"},
        {"key loaded only by a P", [](World& w) { nth_command(w, 1).arg1 = 1003;
             nth_command(w, 4).arg1 = 1000; }, "door-key-unloaded"},
        {"key loaded only by an O", [](World& w) { nth_command(w, 1).arg1 = 1003;
             nth_command(w, 3).arg1 = 1000; }, "door-key-unloaded"},
        {"key loaded only by an E", [](World& w) { nth_command(w, 1).arg1 = 1003;
             nth_command(w, 2).arg1 = 1000;
             nth_command(w, 2).arg3 = 17; }, "door-key-unloaded"},
        {"key of another zone's", [](World& w) { exit_of(w, 1001, East).key_vnum =
             exit_of(w, 1002, West).key_vnum = 1100; }, "door-key-unloaded"},
        {"top equal to the highest room", [](World& w) { w.zone.top = 1002; }, "zone-top"},
        {"rooms above a zone file's absence", [](World& w) { w.zone = {}; w.rooms[2].vnum = 1150; },
         "zone-top"},
        {"max-existing of 1", [](World& w) { nth_command(w, 3).arg2 = 1; }, "cmd-max"},
        {"O into room -1 (none)", [](World& w) { nth_command(w, 3).arg3 = -1; }, "cmd-"},
        {"E at the last wear position, held", [](World& w) { nth_command(w, 2).arg1 = 1000;
             nth_command(w, 2).arg3 = 17; }, "cmd-wear"},
        {"E of a light at the light slot", [](World& w) { w.objects[1].type = 1;
             nth_command(w, 2).arg3 = 0; }, "cmd-wear"},
        {"E of a light held", [](World& w) { w.objects[1].type = 1; w.objects[1].wear_flags = 1;
             nth_command(w, 2).arg3 = 17; }, "cmd-wear"},
        {"D opening an exit with no door", [](World& w) { link(w, 1000, Up, 1001);
             command(w, 'D', 1000, Up, 0); }, "cmd-door"},
        {"D on the last direction", [](World& w) { link(w, 1001, Down, 1002, 1, 1000);
             link(w, 1002, Up, 1001, 1, 1000); command(w, 'D', 1001, Down, 0);
             command(w, 'D', 1002, Up, 0); }, "cmd-door"},
        {"D on tbaMUD's last diagonal", [](World& w) { w.dialect = Dialect::TbaMud;
             link(w, 1001, Southwest, 1002, 1, 1000); link(w, 1002, Northeast, 1001, 1, 1000);
             command(w, 'D', 1001, Southwest, 0); command(w, 'D', 1002, Northeast, 0); }, "cmd-door"},
        {"G after an M of another mob", [](World& w) { nth_command(w, 0).arg1 = 1001;
             w.mobs.push_back({}); w.mobs.back().vnum = 1001; }, "cmd-no-mob"},
        {"shop open from 0 to 28", [](World& w) { w.shops[0].start1 = 0; w.shops[0].end1 = 28;
             w.shops[0].start2 = w.shops[0].end2 = 28; }, "shop-hours"},
        {"shop that opens and closes in one hour", [](World& w) { w.shops[0].start1 = w.shops[0].end1 = 6; },
         "shop-hours"},
        {"product and room of another zone", [](World& w) { w.shops[0].products.push_back(1100);
             w.shops[0].rooms.push_back(1100); }, "shop-product"},
        {"room and product of another zone", [](World& w) { w.shops[0].products.push_back(1100);
             w.shops[0].rooms.push_back(1100); }, "shop-room"},
        {"first and last spells of a scroll", [](World& w) { w.objects[3].type = 2;
             w.objects[3].values = {10, 1, 201, -1}; }, "object-value"},
        {"no spell in a potion's values", [](World& w) { w.objects[3].type = 10;
             w.objects[3].values = {10, 0, 0, 0}; }, "object-value"},
        {"a wand's charges are no spell", [](World& w) { w.objects[3].type = 3;
             w.objects[3].values = {10, 500, 500, 51}; }, "object-value"},
        {"first and last liquids", [](World& w) { w.objects[3].values[2] = 15; w.objects[3].type = 23;
             w.objects.push_back(object(1004, 17, 1)); }, "object-value"},
        {"last weapon type", [](World& w) { w.objects[1].values[3] = 14; }, "object-value"},
        {"container with key 0 and -1", [](World& w) { w.objects[2].values[2] = 0;
             w.objects.push_back(object(1004, 15, 1)); w.objects.back().values[2] = -1; },
         "object-key"},
        {"container key of another zone", [](World& w) { w.objects[2].values[2] = 1100; }, "object-key"},
        {"description line as long as the server takes",
         [](World& w) { w.rooms[1].description = std::string(509, 'x') + "\n"; }, "server-text"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        World w = sound_zone();
        c.change(w);
        for (const auto& f : check_zone(w))
            EXPECT_NE(f.check.rfind(c.check, 0), 0u) << record_label(f) << ": " << f.message;
    }
}

// A reference into another zone is only noted when the zone is checked by
// itself; with the whole world it resolves, or is an error when no zone
// holds it.
TEST(Checker, WholeWorldResolvesReferencesAcrossZones) {
    World a = sound_zone();
    exit_of(a, 1000, North).target_vnum = 2000;
    nth_command(a, 2).arg1 = 2001;
    World b;
    b.zone.zone_number = 20;
    b.zone.top = 2099;
    b.rooms.push_back({});
    b.rooms[0].vnum = 2000;
    b.objects.push_back(object(2001, 5, 1 | 1 << 13));
    auto checks = [](const std::vector<Finding>& fs) {
        std::vector<std::string> out;
        for (const auto& f : fs)
            if (f.kind != RecordKind::Room || f.vnum != 1001) out.push_back(f.check);
        return out;
    };
    EXPECT_EQ(checks(check_zone(a)),
              (std::vector<std::string>{"exit-elsewhere", "cmd-elsewhere"}));
    EXPECT_EQ(checks(check_zones({&a, &b})), std::vector<std::string>{});
    // One zone checked among the others: the whole world's findings about it.
    b.rooms[0].exits.slot(size_t(South)) = room_direction_data{};
    b.rooms[0].exits.slot(size_t(South))->target_vnum = 2099;  // a fault of zone 20's
    std::vector<Finding> about_a;
    for (const Finding& f : check_zones({&a, &b}))
        if (f.kind == RecordKind::Zone || f.kind == RecordKind::ZoneCommand ? f.vnum == 10
                                                                            : f.vnum / 100 == 10)
            about_a.push_back(f);
    EXPECT_EQ(check_zone_among(a, {&b}), about_a);
    EXPECT_LT(about_a.size(), check_zones({&a, &b}).size());
    b.objects.clear();
    b.rooms.clear();
    EXPECT_EQ(checks(check_zones({&a, &b})),
              (std::vector<std::string>{"exit-target", "cmd-object"}));
}

// The sound zone in tbaMUD's layout, with a trigger for each kind of record
// attached to one, and a T command giving the mob its trigger again.
World sound_tba_zone() {
    World w = sound_zone();
    w.dialect = Dialect::TbaMud;
    w.zone.bot = 1000;
    for (auto [vnum, attach] : {std::pair{1000, kAttachRoom}, {1001, kAttachMobile}, {1002, kAttachObject}}) {
        trig_data t;
        t.vnum = vnum;
        t.name = "trigger";
        t.attach_type = attach;
        t.script = "%echo% hello";
        w.triggers.push_back(t);
    }
    w.rooms[0].triggers = {1000};
    w.mobs[0].triggers = {1001};
    w.objects[0].triggers = {1002};
    command(w, 'T', kAttachMobile, 1001, 1000);
    return w;
}

constexpr int kTriggerCommand = 8;

TEST(Checker, TbaMudTriggersExistAndSuitTheirRecords) {
    for (const auto& f : check_zone(sound_tba_zone()))
        ADD_FAILURE() << record_label(f) << ": " << f.message;
    const Case cases[] = {
        {"a trigger that does not exist", [](World& w) { w.rooms[0].triggers = {1050}; },
         "trigger-missing", Severity::Error, RecordKind::Room, 1000, -1, "triggers"},
        {"a mob trigger on a room", [](World& w) { w.rooms[0].triggers = {1001}; }, "trigger-kind",
         Severity::Warning, RecordKind::Room, 1000, -1, "triggers"},
        {"a room trigger on an object", [](World& w) { w.objects[0].triggers = {1000}; },
         "trigger-kind", Severity::Warning, RecordKind::Object, 1000, -1, "triggers"},
        {"a trigger of another zone", [](World& w) { w.mobs[0].triggers = {3001}; },
         "trigger-elsewhere", Severity::Note, RecordKind::Mob, 1000, -1, "triggers"},
        {"a T command with a missing trigger", [](World& w) { nth_command(w, kTriggerCommand).arg2 = 1050; },
         "cmd-trigger", Severity::Error, RecordKind::ZoneCommand, 10, kTriggerCommand, "arg2"},
        {"a T command attaching a room trigger to a mob",
         [](World& w) { nth_command(w, kTriggerCommand).arg2 = 1000; }, "cmd-trigger",
         Severity::Warning, RecordKind::ZoneCommand, 10, kTriggerCommand, "arg2"},
        {"a T command of no trigger type", [](World& w) { nth_command(w, kTriggerCommand).arg1 = 3; },
         "cmd-trigger", Severity::Error, RecordKind::ZoneCommand, 10, kTriggerCommand, "arg1"},
        {"a T command of a type below mob", [](World& w) { nth_command(w, kTriggerCommand).arg1 = -1; },
         "cmd-trigger", Severity::Error, RecordKind::ZoneCommand, 10, kTriggerCommand, "arg1"},
        {"a missing trigger numbered the zone's top", [](World& w) { w.rooms[0].triggers = {1099}; },
         "trigger-missing", Severity::Error, RecordKind::Room, 1000, -1, "triggers"},
        {"a trigger just below the zone's bot", [](World& w) { w.rooms[0].triggers = {999}; },
         "trigger-elsewhere", Severity::Note, RecordKind::Room, 1000, -1, "triggers"},
        {"a trigger just past the zone's top", [](World& w) { w.rooms[0].triggers = {1100}; },
         "trigger-elsewhere", Severity::Note, RecordKind::Room, 1000, -1, "triggers"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        World w = sound_tba_zone();
        c.damage(w);
        // A trigger taken off its record is left unattached: noted apart.
        auto found = check_zone(w);
        std::erase_if(found, [](const Finding& f) { return f.check == "trigger-unused"; });
        ASSERT_EQ(found.size(), 1u) << (found.empty() ? "" : record_label(found[0]) + ": " + found[0].message);
        const Finding& f = found[0];
        EXPECT_EQ(f.check, c.check);
        EXPECT_EQ(f.severity, c.severity);
        EXPECT_EQ(f.kind, c.kind);
        EXPECT_EQ(f.vnum, c.vnum);
        EXPECT_EQ(f.command_index, c.command);
        EXPECT_EQ(f.field, c.field);
        if (c.kind == RecordKind::ZoneCommand) {
            EXPECT_EQ(f.line, nth_command(w, c.command).line);
        }
    }
    // T commands of the last type and of the first, each with its own kind.
    for (auto [type, trigger] : {std::pair{kAttachRoom, 1000}, {kAttachObject, 1002}, {kAttachMobile, 1001}}) {
        World w = sound_tba_zone();
        nth_command(w, kTriggerCommand).arg1 = type;
        nth_command(w, kTriggerCommand).arg2 = trigger;
        nth_command(w, kTriggerCommand).arg3 = 1000;
        for (const auto& f : check_zone(w)) ADD_FAILURE() << type << ": " << f.message;
    }
    // Another zone's trigger resolves when that zone's triggers are checked too.
    World a = sound_tba_zone();
    a.mobs[0].triggers = {2000};
    World b;
    b.dialect = Dialect::TbaMud;
    b.zone.zone_number = 20;
    b.zone.bot = 2000;
    b.zone.top = 2099;
    b.triggers.push_back({});
    b.triggers[0].vnum = 2000;
    EXPECT_EQ(check_zone_among(a, {&b}), std::vector<Finding>{});
}

TEST(Checker, RemovalQuestionNamesEveryReference) {
    World w = sound_zone();
    const struct {
        RecordKind kind;
        int32_t vnum;
        const char* question;
    } cases[] = {
        {RecordKind::Room, 1001,
         "Room #1001 is the target of 2 exits and 1 zone command. Remove it anyway?"},
        {RecordKind::Room, 1000,
         "Room #1000 is the target of 1 exit, 2 zone commands and 1 shop. Remove it anyway?"},
        {RecordKind::Mob, 1000, "Mob #1000 is named by 1 zone command and 1 shop. Remove it anyway?"},
        {RecordKind::Object, 1000,
         "Object #1000 is named by 1 zone command, 1 shop and 2 doors as their key. Remove it anyway?"},
        {RecordKind::Object, 1003,
         "Object #1003 is named by 2 zone commands. Remove it anyway?"},
        {RecordKind::Room, 1050, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(removal_question(c.kind, c.vnum, references_to(w, c.kind, c.vnum)), c.question);
}

}  // namespace checker_test
}  // namespace tarnwick
