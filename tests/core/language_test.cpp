// The English forms of the core's texts, and the texts written into world
// files following the world's language.
#include <gtest/gtest.h>

#include "editors/record_list_ops.h"
#include "formats/zone_file.h"
#include "world/language.h"
#include "world/messages.h"
#include "world/shop_record.h"
#include "world/world.h"

using namespace tarnwick;

TEST(Language, EnglishFormsOfExactAndPatternTexts) {
    const struct {
        const char* original;
        const char* english;
    } rows[] = {
        {"Norte    ", "North    "},
        {"Norte", "North"},
        {"S\xF3lo Desierta", "Only when empty"},
        {"Existing room. Do you want to make this exit simmetric?",
         "Existing room. Do you want to make this exit symmetric?"},
        // Patterns: a number, a path with blanks, a text at the end.
        {"5 Registros.", "5 Records."},
        {"12345 Registros.", "12345 Records."},
        {" Registros.", " Records."},
        {"Error al abrir archivo /tmp/a b/Norte.wld", "Error opening file /tmp/a b/Norte.wld"},
        {"Tipo de mob no v\xE1lido ( mob #3001)", "Invalid mob type (mob #3001)"},
        {"Secci\xF3n E no terminada en mob #12\n", "E section not ended in mob #12\n"},
        // A list of words, each by its own row.
        {"Se ha producido un error al grabar archivo de Mobs Objetos Cuartos Zonas Shops.",
         "An error occurred while writing the files of Mobs Objects Rooms Zones Shops."},
        // Texts with no row stay as they are, also near a row.
        {"12 Records.", "12 Records."},
        {"5 Registros", "5 Registros"},
        {"Registros. 5", "Registros. 5"},
        {"", ""},
        {"%s", "%s"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(english_text(row.original), row.english) << row.original;
        EXPECT_EQ(in_language(Language::English, row.original), row.english) << row.original;
        EXPECT_EQ(in_language(Language::Original, row.original), row.original);
    }
    EXPECT_EQ(language_from_key(language_key(Language::English)), Language::English);
    EXPECT_EQ(language_from_key(language_key(Language::Original)), Language::Original);
    EXPECT_EQ(language_from_key("english"), Language::Original);
}

// Zone comments, a new object's keyword and a new shop's messages follow the
// world's language; the original language writes them as before.
TEST(Language, WrittenTextsFollowTheWorldsLanguage) {
    const struct {
        Language language;
        const char* equip;
        const char* door;
        const char* alias;
        const char* bought;
    } rows[] = {
        {Language::Original, "Equip with an object como luz", "Open door Norte     of room a room",
         "cosa", "%s Son %d monedas."},
        {Language::English, "Equip with an object as light", "Open door North     of room a room",
         "thing", "%s That is %d coins."},
    };
    for (const auto& row : rows) {
        World w;
        w.language = row.language;
        room_data r;
        r.vnum = 100;
        r.name = "a room";
        w.rooms.push_back(r);
        obj_record o;
        o.vnum = 100;
        o.short_description = "an object";
        w.objects.push_back(o);
        zCommand equip;
        equip.command = 'E';
        equip.arg1 = 100;
        equip.arg3 = 0;
        zCommand door;
        door.command = 'D';
        door.arg1 = 100;
        door.arg2 = 0;
        door.arg3 = 0;
        EXPECT_EQ(short_description(w, equip), row.equip);
        EXPECT_EQ(short_description(w, door), row.door);
        SilentMessages quiet;
        const int added = add_record(w, ListKind::Object, quiet, nullptr);
        ASSERT_GE(added, 0);
        EXPECT_EQ(w.objects[size_t(added)].alias, row.alias);
        EXPECT_EQ(new_shop(w).msg_bought, row.bought);
    }
}
