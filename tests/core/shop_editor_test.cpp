// The shop editor: display and storing of the scalar fields, the three lists,
// and leaving a shop that the list removes.
#include <gtest/gtest.h>

#include <clocale>

#include "editors/selection.h"
#include "editors/shop_editor.h"
#include "formats/shop_file.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/world.h"

using namespace tarnwick;

namespace shop_editor_test {

struct ScriptedChooser : Chooser {
    std::vector<int> picks;
    std::vector<int32_t> vnums;
    std::string last_title;
    int pick_from_list(const std::string& title, const std::vector<std::string>&) override {
        last_title = title;
        int p = picks.front();
        picks.erase(picks.begin());
        return p;
    }
    int32_t ask_object_vnum() override { return next(); }
    int32_t ask_room_vnum() override { return next(); }
    int32_t next() {
        int32_t v = vnums.front();
        vnums.erase(vnums.begin());
        return v;
    }
};

struct ShopEditorTest : ::testing::Test {
    World world;
    MessageRecorder messages;
    ScriptedChooser chooser;
    ShopEditor editor{world, messages, chooser};

    void SetUp() override {
        shop_data s = new_shop(world);
        s.vnum = 3000;
        s.profit_sell = 1.234f;
        s.temper = 5;
        s.bitvector = 4;
        s.with_who = 0x81;
        s.start1 = 8;
        s.end1 = 20;
        world.shops.push_back(s);
        shop_data t = new_shop(world);
        t.vnum = 3001;
        world.shops.push_back(t);
        char_data keeper;
        keeper.vnum = 3050;
        keeper.short_name = "the baker";
        world.mobs.push_back(keeper);
        room_data room;
        room.vnum = 3020;
        room.name = "The Bakery";
        world.rooms.push_back(room);
    }
};

TEST_F(ShopEditorTest, ProfitsShowEveryStoredDigitAndChangeOnlyWhenEdited) {
    const shop_data s = new_shop(world);
    EXPECT_FLOAT_EQ(s.profit_sell, 1.1f);
    EXPECT_FLOAT_EQ(s.profit_buy, 0.9f);
    // Under a locale with a decimal comma, when one is installed, too.
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    world.shops[0].temper = 0;  // values the fields can show
    world.shops[0].bitvector = 0;
    world.shops[0].with_who = 1;
    const struct {
        float stored;
        const char* shown;
    } cases[] = {{1.234f, "1.234"}, {1.15f, "1.15"}, {2.25f, "2.25"}, {0.9f, "0.9"},
                 {1.0f, "1"},       {1.125f, "1.125"}, {0.1f, "0.1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        world.shops[0].profit_sell = world.shops[0].profit_buy = c.stored;
        world.changed = false;
        editor.show_shop(0);
        EXPECT_EQ(editor.fields.profit_sell, c.shown);
        EXPECT_EQ(editor.fields.profit_buy, c.shown);
        editor.show_shop(1);  // leaving applies: nothing changes
        EXPECT_EQ(world.shops[0].profit_sell, c.stored);
        EXPECT_EQ(world.shops[0].profit_buy, c.stored);
        EXPECT_FALSE(world.changed);
        EXPECT_TRUE(messages.texts().empty());
    }
    editor.show_shop(0);
    editor.fields.profit_sell = "1.25";
    editor.show_shop(1);
    EXPECT_EQ(world.shops[0].profit_sell, 1.25f);
    EXPECT_TRUE(world.changed);
    std::setlocale(LC_ALL, before.c_str());
}

TEST_F(ShopEditorTest, TemperAndBitsBeyondTheChoicesAreDroppedOnLeaving) {
    editor.show_shop(0);
    EXPECT_EQ(editor.fields.temper, -1);
    EXPECT_FALSE(editor.fields.shop_bits[0] || editor.fields.shop_bits[1]);
    EXPECT_TRUE(editor.fields.with_who[0]);
    EXPECT_EQ(editor.fields.end1, "20");
    editor.step_hour(editor.fields.end1, 10);
    EXPECT_EQ(editor.fields.end1, "24");
    editor.show_shop(-1);
    EXPECT_EQ(world.shops[0].temper, -1);
    EXPECT_EQ(world.shops[0].bitvector, 0);
    EXPECT_EQ(world.shops[0].with_who, 1);
    EXPECT_EQ(world.shops[0].end1, 24);
    EXPECT_FALSE(editor.fields.pages_enabled);
}

TEST_F(ShopEditorTest, BadProfitStopsAfterTheKeeper) {
    editor.show_shop(0);
    editor.fields.keeper_vnum = "3050";
    editor.fields.profit_buy = "abc";
    editor.fields.messages[0] = "changed";
    EXPECT_FALSE(editor.apply_shop());
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Profit when buying: 'abc' is not a valid floating point value"});
    EXPECT_EQ(world.shops[0].keeper, 3050);
    EXPECT_NE(world.shops[0].msg_buy_missing, "changed");
}

TEST_F(ShopEditorTest, ListsShowNewestFirstAndRemoveByLine) {
    editor.show_shop(0);
    chooser.vnums = {3010, 3011, -1, 9999};
    editor.add_product();
    editor.add_product();
    editor.add_product();  // cancelled
    EXPECT_EQ(world.shops[0].products, (std::vector<int32_t>{3011, 3010}));
    EXPECT_EQ(editor.fields.sell_lines[0], "#3011 - Not existing or outside of zone");
    editor.fields.sell_selected = 0;
    editor.remove_product();
    EXPECT_EQ(world.shops[0].products, std::vector<int32_t>{3010});

    editor.add_room();
    chooser.vnums = {3020};
    editor.add_room();
    EXPECT_EQ(editor.fields.room_lines,
              (std::vector<std::string>{"#3020 - The Bakery", "#9999 - (not existing or out of zone)"}));
    editor.fields.room_selected = 0;
    editor.remove_room();
    EXPECT_EQ(editor.fields.room_lines, std::vector<std::string>{"#9999 - (not existing or out of zone)"});
}

TEST_F(ShopEditorTest, BuyTypesWithKeywordsAndUnnamedNumbers) {
    editor.show_shop(0);
    editor.add_buy_type();  // no type chosen
    EXPECT_TRUE(world.shops[0].buy_types.empty());
    editor.type_chosen(5);
    EXPECT_TRUE(editor.fields.keywords_enabled);
    editor.add_buy_type();
    editor.type_chosen(9);
    editor.fields.keywords = "shiny steel";
    editor.add_buy_type();
    EXPECT_EQ(editor.fields.type_entry, -1);
    EXPECT_FALSE(editor.fields.keywords_enabled);
    EXPECT_EQ(editor.fields.buy_lines, (std::vector<std::string>{"ARMOR - shiny steel", "WEAPON"}));
    EXPECT_EQ(world.shops[0].buy_types[1].keywords, "");
    EXPECT_EQ(buy_type_line(40, "gem"), "40 - gem");
    EXPECT_EQ(buy_type_line(-3, ""), "-3");
}

TEST_F(ShopEditorTest, BrowsePicksTheKeeper) {
    editor.show_shop(0);
    chooser.picks = {0};
    EXPECT_TRUE(editor.browse_keeper());
    EXPECT_EQ(chooser.last_title, "Select ShopKeeper");
    EXPECT_EQ(world.shops[0].keeper, 3050);
    EXPECT_EQ(editor.fields.keeper_name, "the baker");
}

// A typed keeper is named as typed and stays named through a list edit
// made before the shop is applied.
TEST_F(ShopEditorTest, ATypedKeeperKeepsItsNameThroughListEdits) {
    editor.show_shop(1);  // a new shop: keeper 0, which no mob has
    EXPECT_EQ(editor.fields.keeper_name, "(no existente)");
    for (const auto& [typed, name] : {std::pair{"30", "(no existente)"}, {"3050", "the baker"}, {"", ""}}) {
        editor.type_keeper(typed);
        EXPECT_EQ(editor.fields.keeper_name, name) << typed;
    }
    editor.type_keeper("3050");
    chooser.vnums = {3010};
    editor.add_product();
    EXPECT_EQ(editor.fields.keeper_name, "the baker");
    editor.apply_shop();
    EXPECT_EQ(world.shops[1].keeper, 3050);
}

TEST_F(ShopEditorTest, OtherZonesNameAndOfferKeepersProductsAndRooms) {
    world.shops[0].keeper = 3050;
    world.shops[0].products = {3100};
    world.shops[0].rooms = {3120};
    editor.show_shop(0);
    EXPECT_EQ(editor.fields.sell_lines, std::vector<std::string>{"#3100 - " + std::string(kNoObjectName)});
    editor.fields.profit_buy = "2.5";  // pending

    World other;
    other.zone.zone_number = 31;
    other.mobs.push_back({});
    other.mobs[0].vnum = 3100;
    other.mobs[0].short_name = "the cook";
    other.objects.push_back({});
    other.objects[0].vnum = 3100;
    other.objects[0].short_description = "a pie";
    other.rooms.push_back({});
    other.rooms[0].vnum = 3120;
    other.rooms[0].name = "Kitchen";
    world.other_zones = std::make_shared<const OtherZones>(std::vector<World>{other});
    editor.refresh_names();
    EXPECT_EQ(editor.fields.sell_lines, std::vector<std::string>{"#3100 - a pie (zone 31)"});
    EXPECT_EQ(editor.fields.room_lines, std::vector<std::string>{"#3120 - Kitchen (zone 31)"});
    EXPECT_EQ(editor.fields.keeper_name, "the baker");
    EXPECT_EQ(editor.fields.profit_buy, "2.5");

    chooser.picks = {1};  // the zone's own baker, then zone 31's cook
    EXPECT_TRUE(editor.browse_keeper());
    EXPECT_EQ(world.shops[0].keeper, 3100);
    EXPECT_EQ(editor.fields.keeper_name, "the cook (zone 31)");
    EXPECT_FLOAT_EQ(world.shops[0].profit_buy, 2.5f);
}

TEST_F(ShopEditorTest, RemovalKeepsEditsInTheirOwnShop) {
    editor.show_shop(0);
    editor.fields.messages[6] = "edited zero";
    editor.leave_before_removal(1);
    EXPECT_EQ(world.shops[0].msg_sold, "edited zero");
    EXPECT_EQ(editor.current(), -1);

    editor.show_shop(0);
    editor.fields.messages[6] = "lost";
    editor.leave_before_removal(0);
    world.remove_shop(0);
    editor.show_shop(-1);
    EXPECT_EQ(world.shops[0].vnum, 3001);
    EXPECT_NE(world.shops[0].msg_sold, "lost");
}

TEST_F(ShopEditorTest, TableChangesUnderTheEditorNeverMoveEditsIntoAnotherShop) {
    editor.show_shop(0);
    editor.fields.messages[6] = "lost";
    world.remove_shop(0);  // shop 3001 takes slot 0
    editor.show_shop(-1);
    EXPECT_NE(world.shops[0].msg_sold, "lost");

    world.shops.push_back(new_shop(world));  // 3002
    editor.show_shop(1);
    editor.fields.messages[6] = "kept";
    world.remove_shop(0);  // 3002 moves to slot 0
    editor.show_shop(-1);
    EXPECT_EQ(world.shops[0].vnum, 3002);
    EXPECT_EQ(world.shops[0].msg_sold, "kept");
}
}  // namespace shop_editor_test

