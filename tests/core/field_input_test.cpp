// What the editors make of typed input: a bad number's message names its
// field, a product is chosen or typed on one line, and a typed shop hour
// stays inside the day.
#include <gtest/gtest.h>

#include "editors/field_convert.h"
#include "editors/mob_editor.h"
#include "editors/object_choices.h"
#include "editors/selection.h"
#include "editors/shop_editor.h"
#include "formats/shop_file.h"
#include "world/lookup_lists.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;

namespace field_input_test {

struct NoChooser : Chooser {
    int pick_from_list(const std::string&, const std::vector<std::string>&) override { return -1; }
    int32_t ask_object_vnum() override { return -1; }
    int32_t ask_room_vnum() override { return -1; }
};

TEST(FieldInputTest, ABadNumberNamesTheFieldItWasTypedIn) {
    // Mob fields, in the order Apply converts them: the first bad one speaks.
    const struct {
        std::string MobFields::*field;
        std::string text, message;
    } mob_cases[] = {
        {&MobFields::level, "", "Level: '' is not a valid integer value"},
        {&MobFields::ac, "-", "AC: '-' is not a valid integer value"},
        {&MobFields::hit_sides, "4d", "Hit sides: '4d' is not a valid integer value"},
        {&MobFields::bhd_add, "1.5", "Damage add: '1.5' is not a valid integer value"},
        {&MobFields::exp, "99999999999", "Experience: '99999999999' is not a valid integer value"},
    };
    for (const auto& c : mob_cases) {
        World world;
        LookupLists lists;
        MessageRecorder messages;
        MobEditor editor{world, lists, messages};
        world.mobs.emplace_back();
        editor.show_mob(0);
        editor.fields.*c.field = c.text;
        EXPECT_FALSE(editor.apply_mob()) << c.message;
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }

    World world;
    MessageRecorder messages;
    NoChooser chooser;
    ShopEditor shops{world, messages, chooser};
    world.shops.push_back(new_shop(world));
    shops.show_shop(0);
    shops.fields.profit_sell = "1,5";
    EXPECT_FALSE(shops.apply_shop());
    EXPECT_EQ(messages.texts(),
              std::vector<std::string>{"Profit when selling: '1,5' is not a valid floating point value"});

    // Captions of the values dialog lose their colon; no label, no prefix.
    EXPECT_EQ(label_of("Weight capacity: "), "Weight capacity");
    EXPECT_EQ(strict_int(" 42 ", "Gold", messages), 42);
    EXPECT_FALSE(strict_int("x", "", messages));
    EXPECT_EQ(messages.texts().back(), "'x' is not a valid integer value");
}

TEST(FieldInputTest, AProductIsChosenByItsLineOrTypedAsAVnum) {
    World world;
    for (auto [vnum, name] : {std::pair{3010, "a bottle"}, std::pair{3011, "a loaf - fresh"}}) {
        world.objects.emplace_back();
        world.objects.back().vnum = vnum;
        world.objects.back().short_description = name;
    }
    EXPECT_EQ(object_choice_lines(world),
              (std::vector<std::string>{"3010 - a bottle", "3011 - a loaf - fresh"}));
    const std::pair<const char*, int32_t> typed[] = {
        {"3011 - a loaf - fresh", 3011}, {"  4500 ", 4500}, {"4500", 4500}, {"-7", -7},
        {"", -1}, {"a bottle", -1}, {"30x1 - a bottle", -1}, {"99999999999", -1}};
    for (auto [text, vnum] : typed) EXPECT_EQ(vnum_of_choice(text), vnum) << text;
}

TEST(FieldInputTest, ATypedShopHourStaysInsideTheDay) {
    World world;
    MessageRecorder messages;
    NoChooser chooser;
    ShopEditor editor{world, messages, chooser};
    shop_data s = new_shop(world);
    s.start1 = 30;  // as a file may hold it
    s.end1 = 20;
    world.shops.push_back(s);
    editor.show_shop(0);
    editor.fields.end1 = "17";
    editor.fields.start2 = "99";
    editor.fields.end2 = "";
    EXPECT_TRUE(editor.apply_shop());
    const shop_data& after = world.shops[0];
    EXPECT_EQ(after.start1, 30);  // untouched: kept as stored
    EXPECT_EQ(after.end1, 17);
    EXPECT_EQ(after.start2, kShopHourMax);
    EXPECT_EQ(after.end2, s.end2);  // empty: kept
}
}  // namespace field_input_test

