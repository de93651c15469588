// Conversion: what the older servers cannot hold is listed, one line per
// record and field, and dropped; texts and headers are rewritten so the new
// server reads the same values; a converted zone keeps no bytes of the old
// layout.

#include <gtest/gtest.h>

#include <set>

#include "convert/convert.h"
#include "formats/room_file.h"
#include "formats/zone_file.h"
#include "world/messages.h"

using namespace tarnwick;

namespace convert_losses_test {

zCommand command(char letter, int32_t a1, int32_t a2, int32_t a3) {
    zCommand c;
    c.command = letter;
    c.if_flag = 0;
    c.arg1 = a1;
    c.arg2 = a2;
    c.arg3 = a3;
    return c;
}

room_data room(int32_t vnum, const std::string& name = {}) {
    room_data r;
    r.vnum = vnum;
    r.name = name;
    return r;
}

char_data mob(int32_t vnum, int32_t actions = 0) {
    char_data m;
    m.vnum = vnum;
    m.action_flags = actions;
    return m;
}

World tbamud_zone() {
    World w;
    w.dialect = Dialect::TbaMud;
    zone_header& z = w.zone;
    z.zone_number = 30;
    z.bot = 3000;
    z.top = 3099;
    z.builders = "Rumble";
    z.flags = {1, 0, 0, 0};
    z.min_level = 5;
    z.max_level = 20;
    z.has_flags_line = true;
    z.commands = {command('M', 3000, 1, 3001), command('T', 0, 3000, 3001),
                  command('G', 3010, 5, -1), command('V', 2, 0, 3001),
                  command('D', 3001, Northeast, 0), command('S', 0, 0, 0)};
    std::next(z.commands.begin(), 3)->var_name = "x";
    std::next(z.commands.begin(), 3)->var_value = "1";
    room_data r = room(3001, "Hall");
    r.flags_more = {1, 0, 0};
    r.triggers = {3000};
    r.exits.slot(0) = room_direction_data{"", "door", 3, -1, 3002};
    r.exits.slot(Northeast) = room_direction_data{"", "", 0, -1, 3003};
    w.rooms.push_back(r);
    char_data m = mob(3000);
    m.action_flags = 1 << 18;  // NOKILL
    m.enhanced = true;
    m.especs = {{"Str", "18"}, {"SavingPara", "5"}};
    m.triggers = {3001};
    w.mobs.push_back(m);
    obj_record o;
    o.vnum = 3010;
    o.type = 6;                           // FURNITURE
    o.extra_flags = 1 << 17;              // QUEST
    o.affect_flags = {1 << 17, 0, 0, 0};  // FLYING
    o.timer = 5;
    o.level = 10;
    o.triggers = {3002};
    w.objects.push_back(o);
    trig_data t;
    t.vnum = 3000;
    t.name = "greet";
    w.triggers.push_back(t);
    return w;
}


TEST(ConvertLosses, DownwardListsEachRecordAndFieldOnceAndDropsIt) {
    for (Dialect to : {Dialect::Circle31, Dialect::Circle30}) {
        ConversionReport r;
        const World c = convert_world(tbamud_zone(), to, {}, r);
        const std::vector<std::string> expected = {
            "zone 30: builders: 'Rumble' dropped",
            "zone 30: zone flags: dropped",
            "zone 30: levels: 5 to 20 dropped",
            "zone 30 command 2: command: 'T 0 0 3000 3001' removed",
            "zone 30 command 4: command: 'V 0 2 0 3001 x 1' removed",
            "zone 30: triggers: 1 trigger script(s)",
            "room 3001: flags: bit 32",
            "room 3001: triggers: 3000 dropped",
            "room 3001: exit 0: door type 3 (hidden) made 1",
            "room 3001: exit 7: diagonal exit northeast to room 3003 dropped",
            "zone 30 command 5: command: 'D 0 3001 7 0' removed (no diagonal",
            "mobile 3000: action flags: NOKILL dropped",
            "mobile 3000: triggers: 3001 dropped",
            "mobile 3000: E-specs: SavingPara: 5 dropped",
            "object 3010: type: FURNITURE (6) has no CircleMUD type",
            "object 3010: extra flags: QUEST dropped",
            "object 3010: triggers: 3002 dropped",
            "object 3010: affects: FLYING given to the wearer dropped",
            "object 3010: timer: 5 dropped",
            "object 3010: level: 10 dropped",
        };
        const std::vector<std::string> got = r.lines(true);
        std::set<std::string> places;
        for (const ConversionNote& n : r.notes)
            if (n.loss) {
                EXPECT_TRUE(places.insert(n.record + "|" + n.field).second) << n.record << n.field;
            }
        for (const std::string& want : expected) {
            bool found = false;
            for (const std::string& line : got) found = found || line.rfind(want, 0) == 0;
            EXPECT_TRUE(found) << want << " (to " << dialect_key(to) << ")";
        }
        EXPECT_EQ(got.size(), expected.size());
        // Nothing of it is left in the result.
        EXPECT_TRUE(c.triggers.empty());
        EXPECT_TRUE(c.rooms[0].triggers.empty() && c.mobs[0].triggers.empty() &&
                    c.objects[0].triggers.empty());
        EXPECT_EQ(c.rooms[0].flags_more, MoreFlags{});
        EXPECT_FALSE(c.rooms[0].exits.has_diagonals());
        EXPECT_TRUE(c.rooms[0].exits[North]);
        EXPECT_EQ(c.mobs[0].action_flags, 0);
        EXPECT_EQ(c.mobs[0].especs.size(), 1u);
        EXPECT_EQ(c.objects[0].type, 12);
        EXPECT_EQ(c.objects[0].timer + c.objects[0].level + c.objects[0].extra_flags, 0);
        std::string letters;
        for (const zCommand& z : c.zone.commands) letters += z.command;
        EXPECT_EQ(letters, "MGS");
        EXPECT_EQ(c.zone.commands.begin()->arg3, 3001);
        EXPECT_EQ(std::next(c.zone.commands.begin())->arg3, 0) << "G reads three numbers";
        EXPECT_EQ(c.zone.bot, to == Dialect::Circle31 ? 3000 : 0);
        EXPECT_EQ(c.zone.builders, "");
    }
}

// Texts: what each server shows as it is.
TEST(ConvertLosses, TextsReadTheSameOnTheNewServer) {
    struct Case {
        Dialect from, to;
        const char* text;
        const char* converted;
        bool loss;
    } cases[] = {
        {Dialect::Circle30, Dialect::TbaMud, "mail@home", "mail@@home", false},
        {Dialect::Circle30, Dialect::TbaMud, "a\ttab", "a\t\ttab", false},
        {Dialect::Circle30, Dialect::TbaMud, "plain", "plain", false},
        {Dialect::TbaMud, Dialect::Circle30, "mail@@home", "mail@home", false},
        {Dialect::TbaMud, Dialect::Circle30, "@rRed@n room", "Red room", true},
        {Dialect::TbaMud, Dialect::Circle30, "@[F500]Orange@n", "Orange", true},
        {Dialect::TbaMud, Dialect::Circle30, "a ~ inside", "a  inside", true},
        {Dialect::TbaMud, Dialect::Circle31, "@@@y", "@", true},
    };
    for (const Case& c : cases) {
        World w;
        w.dialect = c.from;
        w.zone.top = 99;
        w.rooms.push_back(room(1, c.text));
        ConversionReport r;
        const World out = convert_world(w, c.to, {}, r);
        EXPECT_EQ(out.rooms[0].name, c.converted) << c.text;
        EXPECT_EQ(r.has_losses(), c.loss) << c.text;
    }
}

// CircleMUD 3.0 attacks only the alignments named, AGGRESSIVE or not;
// 3.1 and tbaMUD attack everyone when AGGRESSIVE is set.
TEST(ConvertLosses, AggressiveKeepsWhomItAttacks) {
    const int32_t aggressive = 1 << 5, evil = 1 << 8;
    struct Case {
        Dialect from, to;
        int32_t flags, converted;
    } cases[] = {
        {Dialect::Circle30, Dialect::Circle31, aggressive | evil, evil},
        {Dialect::Circle30, Dialect::TbaMud, aggressive | evil, evil},
        {Dialect::Circle30, Dialect::Circle31, aggressive, aggressive},
        {Dialect::Circle31, Dialect::Circle30, aggressive | evil, aggressive},
        {Dialect::Circle31, Dialect::Circle30, evil, evil},
    };
    for (const Case& c : cases) {
        World w;
        w.dialect = c.from;
        w.mobs.push_back(mob(1, c.flags));
        ConversionReport r;
        EXPECT_EQ(convert_world(w, c.to, {}, r).mobs[0].action_flags, c.converted) << c.flags;
    }
}

// A zone read from its files and converted is written anew: no kept bytes
// of the old layout, a '~' in mid-line reported, and the new server's
// reader gets back exactly the converted values.
TEST(ConvertLosses, ConvertedFilesAreWrittenAnewAndReadBack) {
    World w;
    MessageRecorder messages;
    FormatSettings settings;
    ASSERT_TRUE(read_rooms(w, "#3001\nThe hall~ and more\nA hall.\n~\n30 ad 0\nS\n$\n", settings,
                           messages));
    ASSERT_TRUE(
        read_zone(w, "#30\nTown~\n3099 15 2\nM 0 3000 1 3001\nG 1 3010 5\nS\n$\n", messages));
    ASSERT_EQ(w.rooms[0].name, "The hall");
    ConversionReport r;
    const World c = convert_world(w, Dialect::TbaMud, {"Ann", {}}, r);
    EXPECT_FALSE(c.kept.rooms || c.kept.zone || c.kept.mobs || c.kept.objects || c.kept.shops);
    bool noted = false;
    for (const std::string& line : r.lines())
        noted = noted || line.rfind("room 3001: texts:", 0) == 0;
    EXPECT_TRUE(noted);
    EXPECT_EQ(c.zone.builders, "Ann");
    EXPECT_EQ(c.zone.bot, 3000);
    World back;
    back.dialect = Dialect::TbaMud;
    ASSERT_TRUE(read_rooms(back, room_file_text(c, settings), settings, messages));
    ASSERT_TRUE(read_zone(back, zone_file_text(c, settings), messages));
    EXPECT_EQ(back.dialect, Dialect::TbaMud);
    ASSERT_EQ(back.rooms.size(), 1u);
    EXPECT_EQ(back.rooms[0], c.rooms[0]);
    EXPECT_EQ(zone_head_values(back.zone), zone_head_values(c.zone));
    ASSERT_EQ(back.zone.commands.size(), c.zone.commands.size());
    auto a = back.zone.commands.cbegin();
    for (const zCommand& b : c.zone.commands) EXPECT_TRUE((a++)->same_command(b)) << b.command;
}

// A zone above the highest vnum a server holds is left out whole; a
// reference above it is dropped.
TEST(ConvertLosses, VnumsAboveWhatTheServerHolds) {
    World w;
    w.dialect = Dialect::TbaMud;
    w.zone.zone_number = 345;
    w.zone.bot = 34500;
    w.zone.top = 34599;
    w.rooms.push_back(room(34500));
    ConversionReport r30, r31;
    convert_world(w, Dialect::Circle30, {}, r30);
    convert_world(w, Dialect::Circle31, {}, r31);
    EXPECT_TRUE(r30.left_out);
    EXPECT_TRUE(r31.left_out) << "3.1 reads vnums as shorts too";
    World low;
    low.dialect = Dialect::TbaMud;
    low.zone.zone_number = 12;
    low.zone.top = 1299;
    room_data r = room(1200);
    r.exits.slot(0) = room_direction_data{"", "", 0, -1, 34310};
    low.rooms.push_back(r);
    low.zone.commands = {command('M', 34300, 1, 1200), command('S', 0, 0, 0)};
    ConversionReport rl;
    const World c = convert_world(low, Dialect::Circle30, {}, rl);
    EXPECT_FALSE(rl.left_out);
    EXPECT_EQ(c.rooms[0].exits[0]->target_vnum, -1);
    EXPECT_EQ(c.zone.commands.size(), 1u);
    EXPECT_EQ(rl.loss_count(), 2);
}
}  // namespace convert_losses_test
