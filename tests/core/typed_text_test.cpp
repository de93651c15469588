// Texts a builder types: one too long to be saved is refused where it is
// applied and never written; a changed description gets its final line
// break while names and untouched texts stay byte for byte.
#include <gtest/gtest.h>

#include <functional>

#include "editors/mob_editor.h"
#include "editors/object_editor.h"
#include "editors/room_editor.h"
#include "editors/selection.h"
#include "editors/shop_editor.h"
#include "editors/typed_text.h"
#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/shop_file.h"
#include "formats/zone_file.h"
#include "analysis/preflight.h"
#include "project/preferences.h"
#include "test_support.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {
namespace typed_text_test {

using test::read_bytes;
using test::TempDir;
using test::write_bytes;

struct NoChooser : Chooser {
    int pick_from_list(const std::string&, const std::vector<std::string>&) override { return -1; }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

// A world with one record of each kind and the editors over it.
struct Editors {
    World world;
    LookupLists lists;
    Preferences prefs;
    MessageRecorder messages;
    NoChooser chooser;
    RoomEditor room{world, lists, messages};
    MobEditor mob{world, lists, messages};
    ObjectEditor object{world, lists, prefs, messages};
    ShopEditor shop{world, messages, chooser};

    Editors() {
        room_data r;
        r.vnum = 18601;
        r.name = "The Landing";
        r.description = "Planks.\n";
        r.exits.slot(0) = room_direction_data{};
        r.exits.slot(0)->target_vnum = 18601;
        r.extra_descs = {{"planks", "Wet.\n"}};
        world.rooms.push_back(r);
        char_data m;
        m.vnum = 18600;
        m.alias = "heron";
        m.descr = "Grey.\n";
        world.mobs.push_back(m);
        obj_record o;
        o.vnum = 18600;
        o.alias = "oar";
        world.objects.push_back(o);
        shop_data s = new_shop(world);
        s.vnum = 18600;
        world.shops.push_back(s);
        room.show_room(0);
        mob.show_mob(0);
        object.show_object(0);
        shop.show_shop(0);
        messages.clear();  // what showing said of the bare records
    }
    const room_data& r() const { return world.rooms[0]; }
};

std::string lines(size_t count, size_t length) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += std::string(length, 'x') + "\r\n";
    return text;
}

TEST(TypedText, TooLongIsRefusedWhereAppliedNamingTheField) {
    const std::string long_line(10000, 'n');
    const std::string long_text = lines(200, 60);  // short lines, 12,400 bytes in all
    struct Case {
        const char* field;
        std::function<void(Editors&, const std::string&)> type_and_apply;
        std::function<std::string(const Editors&)> stored;
    };
    const Case cases[] = {
        {"Room name", [](Editors& e, const std::string& t) { e.room.form.name = t; e.room.apply(); },
         [](const Editors& e) { return e.r().name; }},
        {"Room description",
         [](Editors& e, const std::string& t) { e.room.form.description = t; e.room.apply(); },
         [](const Editors& e) { return e.r().description; }},
        {"Extra description",
         [](Editors& e, const std::string& t) { e.room.add_extra({"rope", t}); },
         [](const Editors& e) { return std::to_string(e.r().extra_descs.size()); }},
        {"Extra description keywords",
         [](Editors& e, const std::string& t) {
             e.room.choose_extra(0);
             e.room.modify_extra({t, "Dry.\n"});
         },
         [](const Editors& e) { return e.r().extra_descs[0].keywords + e.r().extra_descs[0].description; }},
        {"Exit description",
         [](Editors& e, const std::string& t) {
             ExitForm f = *e.room.edit_exit_form(0);
             f.description = t;
             e.room.finish_edit_exit(0, f);
         },
         [](const Editors& e) { return e.r().exits[0]->exit_description; }},
        {"Mob detailed description",
         [](Editors& e, const std::string& t) { e.mob.fields.descr = t; e.mob.apply_mob(); },
         [](const Editors& e) { return e.world.mobs[0].descr; }},
        {"Mob alias",
         [](Editors& e, const std::string& t) { e.mob.fields.alias = t; e.mob.apply_mob(); },
         [](const Editors& e) { return e.world.mobs[0].alias; }},
        {"Object short description",
         [](Editors& e, const std::string& t) {
             e.object.fields.short_description = t;
             e.object.set_modified(true);
             e.object.apply_object();
         },
         [](const Editors& e) { return e.world.objects[0].short_description; }},
        {"Object long description",
         [](Editors& e, const std::string& t) {
             e.object.fields.long_description = t;
             e.object.set_modified(true);
             e.object.apply_object();
         },
         [](const Editors& e) { return e.world.objects[0].long_description; }},
        {"Shop message 3",
         [](Editors& e, const std::string& t) { e.shop.fields.messages[2] = t; e.shop.apply_shop(); },
         [](const Editors& e) { return e.world.shops[0].msg_not_buying; }},
    };
    for (const Case& c : cases) {
        for (const std::string* text : {&long_line, &long_text}) {
            SCOPED_TRACE(std::string(c.field) + (text == &long_line ? ", one long line" : ", long text"));
            Editors e;
            const std::string before = c.stored(e);
            c.type_and_apply(e, *text);
            EXPECT_EQ(c.stored(e), before);
            ASSERT_EQ(e.messages.texts().size(), 1u);
            const std::string m = e.messages.texts()[0];
            EXPECT_EQ(m.rfind(std::string(c.field) + " is too long: ", 0), 0u) << m;
            EXPECT_NE(m.find(text == &long_line ? "at most 509" : "at most 8191"), std::string::npos) << m;
        }
    }
}

TEST(TypedText, RefusedTextStaysPendingWhileTheOtherFieldsAreStored) {
    Editors e;
    e.room.form.name = std::string(600, 'n');
    e.room.form.sector = 2;
    EXPECT_TRUE(e.room.apply());
    EXPECT_EQ(e.r().name, "The Landing");
    EXPECT_EQ(e.r().sector, 2);
    EXPECT_TRUE(e.room.modified);
    EXPECT_EQ(e.room.form.name, std::string(600, 'n'));
    // At the limits exactly: 509 characters and the ~ on the last line, and
    // 8191 bytes once each line end counts twice.
    e.messages.clear();
    e.room.form.name = std::string(509, 'n');
    e.room.form.description.clear();
    for (int i = 0; i < 136; ++i) e.room.form.description += std::string(58, 'x') + "\n";
    e.room.form.description += std::string(29, 'z') + "\n";  // 8054 bytes and 137 line ends
    EXPECT_TRUE(e.room.apply());
    EXPECT_TRUE(e.messages.texts().empty()) << e.messages.texts()[0];
    EXPECT_FALSE(e.room.modified);
    EXPECT_EQ(e.r().name.size(), 509u);
    e.room.form.name += "n";
    e.room.form.description += "z";
    e.room.apply();
    EXPECT_EQ(e.messages.texts().size(), 2u);
}

TEST(TypedText, ChangedDescriptionsEndWithALineBreakOthersStayAsTheyAre) {
    Editors e;
    e.world.rooms[0].description = "Planks, no break";  // as read from a file
    e.room.show_room(0);
    e.room.form.name = "The Old Landing";
    e.room.apply();
    EXPECT_EQ(e.r().description, "Planks, no break");  // untouched: kept as it is
    EXPECT_EQ(e.r().name, "The Old Landing");          // names get no line break

    e.room.form.description = "Planks.\r\nRope";
    e.room.apply();
    EXPECT_EQ(e.r().description, "Planks.\nRope\n");
    e.room.form.description = "";
    e.room.apply();
    EXPECT_EQ(e.r().description, "");  // an empty text stays empty

    e.room.add_extra({"rope", "Frayed"});
    EXPECT_EQ(e.r().extra_descs[0].description, "Frayed\n");
    EXPECT_EQ(e.r().extra_descs[0].keywords, "rope");
    ExitForm exit = *e.room.edit_exit_form(0);
    exit.description = "A plank bridge";
    exit.keywords = "bridge";
    e.room.finish_edit_exit(0, exit);
    EXPECT_EQ(e.r().exits[0]->exit_description, "A plank bridge\n");
    EXPECT_EQ(e.r().exits[0]->keywords, "bridge");

    e.mob.fields.descr = "A grey heron";
    e.mob.fields.long_name = "A heron stands here.";
    e.mob.apply_mob();
    EXPECT_EQ(e.world.mobs[0].descr, "A grey heron\n");
    EXPECT_EQ(e.world.mobs[0].long_name, "A heron stands here.");  // written with its break

    e.object.add_extra({"oar", "Worn"});
    EXPECT_EQ(e.world.objects[0].extra_descs[0].description, "Worn\n");
    EXPECT_TRUE(e.messages.texts().empty()) << e.messages.texts()[0];
}

// The server sends a text's bytes as they are, after turning each CR LF in
// it into CR CR LF: typed texts are stored with LF. A text the builder left
// alone keeps the line ends its file gave it, even where the widget showed
// them as LF.
TEST(TypedText, TypedTextsGetLfLineEndsUntouchedOnesKeepTheirs) {
    const struct {
        const char* name;
        std::string stored, typed;
        TextKind kind;
        std::string want;
    } cases[] = {
        {"typed CR LF", "Planks.\n", "Planks.\r\nRope\r\n", TextKind::description, "Planks.\nRope\n"},
        {"typed LF, final break added", "Planks.\n", "Planks.\nRope", TextKind::description,
         "Planks.\nRope\n"},
        {"shown as LF, not edited", "Old.\r\nLines.\r\n", "Old.\nLines.\n", TextKind::description,
         "Old.\r\nLines.\r\n"},
        {"shown as LF, then edited", "Old.\r\nLines.\r\n", "Old.\nNew lines.\n",
         TextKind::description, "Old.\nNew lines.\n"},
        {"read without a final break, not edited", "No break", "No break", TextKind::description,
         "No break"},
        {"a lone CR stays", "", "Bell\r", TextKind::description, "Bell\r\n"},
        {"one line", "heron", "grey heron", TextKind::one_line, "grey heron"},
        {"emptied", "Planks.\r\n", "", TextKind::description, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MessageRecorder messages;
        std::string stored = c.stored;
        EXPECT_TRUE(store_text(stored, c.typed, "Room description", c.kind, messages));
        EXPECT_EQ(stored, c.want);
        EXPECT_TRUE(messages.entries.empty());
    }
    // Through an editor: a description read with CR LF and applied unchanged
    // stays so; typed again it is stored with LF.
    Editors e;
    e.world.mobs[0].descr = "Grey.\r\nTall.\r\n";
    e.mob.show_mob(0);
    e.mob.fields.descr = "Grey.\nTall.\n";  // what the memo gives back
    e.mob.apply_mob();
    EXPECT_EQ(e.world.mobs[0].descr, "Grey.\r\nTall.\r\n");
    e.mob.fields.descr = "Grey.\nVery tall.";
    e.mob.apply_mob();
    EXPECT_EQ(e.world.mobs[0].descr, "Grey.\nVery tall.\n");
    EXPECT_EQ(add_memo_line("Dusty.", "A door leads north."), "Dusty.\nA door leads north.\n");
}

TEST(TypedText, WritersRefuseATextTheirReaderWouldRefuseAndKeepTheOldFile) {
    struct Case {
        const char* table;
        std::function<void(World&)> spoil;
        std::function<bool(World&, const std::string&, Messages&)> save;
        const char* message_start;
    };
    const std::string too_long(9000, 'x');
    const FormatSettings settings;
    const Case cases[] = {
        {"rooms", [&](World& w) { w.rooms[0].exits.slot(0)->keywords = too_long; },
         [&](World& w, const std::string& p, Messages& m) { return save_room_file(w, p, settings, m); },
         "Room #18601: exit keywords is too long"},
        {"mobs", [&](World& w) { w.mobs[0].long_name = too_long; },
         [&](World& w, const std::string& p, Messages& m) { return save_mob_file(w, p, settings, m); },
         "Mob #18600: long description is too long"},
        {"objects", [&](World& w) { w.objects[0].extra_descs = {{"oar", too_long}}; },
         [&](World& w, const std::string& p, Messages& m) { return save_object_file(w, p, settings, m); },
         "Object #18600: extra description is too long"},
        {"shops", [&](World& w) { w.shops[0].msg_sold = too_long; },
         [&](World& w, const std::string& p, Messages& m) { return save_shop_file(w, p, settings, m); },
         "Shop #18600: message 7 is too long"},
        {"zone", [&](World& w) { w.zone.name = too_long; },
         [&](World& w, const std::string& p, Messages& m) {
             ZoneHeaderFields f = zone_header_fields(w);
             return save_zone_file(w, p, f, settings, m);
         },
         "Zone #186: name is too long"},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        Editors e;
        e.world.zone.zone_number = 186;
        const std::string path = dir.file(c.table);
        MessageRecorder messages;
        ASSERT_TRUE(c.save(e.world, path, messages));  // every text fits
        const std::string good = read_bytes(path);
        c.spoil(e.world);
        EXPECT_FALSE(c.save(e.world, path, messages));
        EXPECT_EQ(read_bytes(path), good);
        ASSERT_EQ(messages.texts().size(), 1u);
        EXPECT_EQ(messages.texts()[0].rfind(c.message_start, 0), 0u) << messages.texts()[0];
    }

    // At the edge of the server's text buffer the save refuses exactly what
    // the server would refuse in the bytes written: a mob's long description
    // is written with a line break after it, a room's description as it is.
    auto lines = [](size_t last) {  // 16 lines of 480 bytes and one of `last`
        std::string t;
        for (int i = 0; i < 16; ++i) t += std::string(480, 'x') + "\n";
        return t + std::string(last, 'x');
    };
    const struct {
        const char* name;
        std::function<void(World&)> set;
        bool refused;
    } edges[] = {
        {"long description that fits with its line break",
         [&](World& w) { w.mobs[0].long_name = lines(477); }, false},
        {"long description one byte over with its line break",
         [&](World& w) { w.mobs[0].long_name = lines(478); }, true},
        {"long description line as long as the server takes",
         [&](World& w) { w.mobs[0].long_name = std::string(509, 'x'); }, false},
        {"long description line one byte over",
         [&](World& w) { w.mobs[0].long_name = std::string(510, 'x'); }, true},
        {"detailed description that just fits",
         [&](World& w) { w.mobs[0].descr = lines(477) + "\n"; }, false},
        {"detailed description one byte over",
         [&](World& w) { w.mobs[0].descr = lines(478) + "\n"; }, true},
    };
    for (const auto& c : edges) {
        SCOPED_TRACE(c.name);
        Editors e;
        c.set(e.world);
        MessageRecorder messages;
        EXPECT_EQ(save_mob_file(e.world, dir.file("edge.mob"), settings, messages), !c.refused);
        EXPECT_EQ(messages.texts().size(), c.refused ? 1u : 0u);
        const std::string written = mob_file_text(e.world, settings);
        EXPECT_EQ(preflight_file({WorldFileKind::mobiles, "edge.mob", written}).empty(), !c.refused);
    }
}

}  // namespace typed_text_test
}  // namespace tarnwick
