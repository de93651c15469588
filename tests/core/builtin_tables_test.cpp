#include <gtest/gtest.h>

#include <set>

#include "world/builtin_tables.h"

using namespace tarnwick;

TEST(BuiltinTables, ObjectTypesOneToTwentyThree) {
    const auto& types = object_types();
    ASSERT_EQ(types.size(), 23u);
    for (int k = 0; k < 23; ++k) {
        EXPECT_EQ(types[size_t(k)].type, k + 1);
        // Code name, blanks to column 16, description.
        std::string entry = types[size_t(k)].editor_entry;
        ASSERT_GT(entry.size(), 15u);
        EXPECT_NE(entry[15], ' ') << entry;
        EXPECT_EQ(entry[14], ' ') << entry;
    }
    EXPECT_STREQ(object_type_info(1)->editor_entry, "LIGHT          Item is a light source.");
    EXPECT_STREQ(object_type_info(23)->title, "Fountain");
    EXPECT_STREQ(object_type_info(6)->title, "Fireweapon (Unimplemented)");
    EXPECT_FALSE(object_type_info(0));
    EXPECT_FALSE(object_type_info(24));
}

TEST(BuiltinTables, ValuesTableDescribesEachType) {
    const ObjectValuesInfo* drink = object_values_for(17);
    ASSERT_NE(drink, nullptr);
    EXPECT_EQ(drink->title, "Drink Container");
    EXPECT_EQ(drink->values[2].caption, "Type of liquid");
    EXPECT_EQ(drink->values[2].kind, ValueKind::List);
    EXPECT_EQ(drink->values[2].list, &liquid_list());
    EXPECT_EQ(drink->values[2].list_length, 16);
    EXPECT_EQ(drink->values[3].help, "Non-zero if the drink poisoned, 0 otherwise");

    const ObjectValuesInfo* fountain = object_values_for(23);
    EXPECT_EQ(fountain->title, "Fountain");
    for (int v = 0; v < 4; ++v) {
        EXPECT_EQ(fountain->values[size_t(v)].caption, drink->values[size_t(v)].caption);
        EXPECT_EQ(fountain->values[size_t(v)].kind, drink->values[size_t(v)].kind);
    }

    const ObjectValuesInfo* light = object_values_for(1);
    EXPECT_EQ(light->values[0].kind, ValueKind::None);
    EXPECT_EQ(light->values[2].caption, "Light Hours");
    EXPECT_EQ(value_caption_or_default(light->values[0], 0), "Value 0");
    EXPECT_EQ(value_caption_or_default(light->values[2], 2), "Light Hours");

    const ObjectValuesInfo* weapon = object_values_for(5);
    EXPECT_EQ(weapon->values[0].kind, ValueKind::None);
    EXPECT_EQ(weapon->values[3].list, &weapon_type_list());
    EXPECT_EQ(object_values_for(2)->values[1].caption, "Spell number 1");
    EXPECT_EQ(object_values_for(2)->values[1].help, "");
    EXPECT_EQ(object_values_for(2)->values[1].list_length, 53);

    // Types without values.
    for (int t : {6, 7, 8, 11, 12, 13, 14, 16, 18, 21, 22}) {
        SCOPED_TRACE(t);
        for (const auto& v : object_values_for(t)->values) {
            EXPECT_EQ(v.kind, ValueKind::None);
            EXPECT_TRUE(v.caption.empty());
        }
    }
    EXPECT_EQ(object_values_for(0), nullptr);
    EXPECT_EQ(object_values_for(24), nullptr);
}

TEST(BuiltinTables, NameListsArePaddedAndSearchedByNumber) {
    ASSERT_EQ(liquid_list().size(), 16u);
    ASSERT_EQ(weapon_type_list().size(), 15u);
    ASSERT_EQ(spell_list().size(), 53u);
    for (const auto& e : liquid_list()) EXPECT_EQ(e.name.size(), 14u);
    for (const auto& e : weapon_type_list()) EXPECT_EQ(e.name.size(), 20u);
    for (const auto& e : spell_list()) EXPECT_EQ(e.name.size(), 15u);

    EXPECT_EQ(name_for_number(liquid_list(), 15), "LIQ_CLEARWATER");
    EXPECT_EQ(name_for_number(liquid_list(), 0), "LIQ_WATER     ");
    EXPECT_EQ(name_for_number(liquid_list(), 16), std::nullopt);
    EXPECT_EQ(name_for_number(weapon_type_list(), 3), "slash/slashes       ");
    EXPECT_EQ(name_for_number(spell_list(), 99), std::nullopt);
    EXPECT_EQ(name_for_number(spell_list(), -1), "none           ");
    EXPECT_EQ(name_for_number(spell_list(), 201), "identify       ");
    EXPECT_EQ(name_for_number(spell_list(), 42), "word of recall ");
    EXPECT_EQ(index_for_number(spell_list(), 1), 2);
    EXPECT_EQ(index_for_number(spell_list(), 52), -1);
    EXPECT_EQ(name_for_number({{"first", 1}, {"second", 1}}, 1), "first");
    // Every spell number appears once.
    std::set<int32_t> numbers;
    for (const auto& e : spell_list()) numbers.insert(e.number);
    EXPECT_EQ(numbers.size(), 53u);
}
