#include <gtest/gtest.h>

#include <filesystem>

#include "formats/shop_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;

namespace shop_file_test {

const char* kMessages =
    "%s None.~\n"
    "%s You have none.~\n"
    "%s Not that.~\n"
    "%s Too dear\n"
    "for me.~\n"
    "%s You are broke.~\n"
    "%s %d coins.~\n"
    "%s Here, %d.~\n";

// One v3.0 shop with every kind of buy-type line.
std::string v3_shop(int vnum = 18600) {
    return "#" + std::to_string(vnum) + "~\n"
           "3010\n3011\n0\n3012\n-1\n"
           "1.2\n.8\n"
           "LIQ CONTAINER bottle flask\n"
           "weapon\n"
           "15 ; containers\n"
           "9 ab\n"
           "0\n"
           "-1\n" +
           std::string(kMessages) +
           "2\n1\n18601\n3\n"
           "18604\n18605\n-1\n"
           "6\n22\n23\n24\n";
}

const char* kOldShop =
    "#13~\n"
    "6510\n3022\n0\n6504\n-1\n"
    "1.9\n.3\n"
    "1\n15\n9\n0\n-1\n"
    "%s a~\n%s b~\n%s c~\n%s d~\n%s e~\n%s f %d~\n%s g %d~\n"
    "1\n1\n6503\n0\n"
    "6516\n"
    "0\n23\n23\n28\n";

struct Loaded {
    World world;
    MessageRecorder messages;
    bool ok = false;
};

Loaded load(const std::string& text) {
    Loaded l;
    l.ok = read_shops(l.world, text, l.messages);
    return l;
}

shop_buy_data buy(int32_t type, const char* keywords = "") { return {type, keywords}; }

shop_data sample_shop() {
    shop_data s;
    s.vnum = 7;
    s.products = {3012, 3011, 3010, 3009, 3008, 3007, 3006};
    s.rooms = {101, 102, 103};
    s.profit_sell = 1.1f;
    s.profit_buy = 0.9f;
    s.buy_types = {buy(17, "bottle flask"), buy(5)};
    s.msg_buy_missing = "a";
    s.msg_sell_missing = "b";
    s.msg_not_buying = "";
    s.msg_shop_broke = "d\ne";
    s.msg_player_broke = "f";
    s.msg_bought = "g %d";
    s.msg_sold = "h %d";
    s.temper = 2;
    s.bitvector = 3;
    s.keeper = 700;
    s.with_who = 4;
    s.start1 = 5;
    s.end1 = 6;
    s.start2 = 7;
    s.end2 = 8;
    return s;
}


TEST(ShopFile, ReadsTheV3DialectInFileOrder) {
    Loaded l = load("CircleMUD v3.0 Shop File~\n" + v3_shop() + "$~\n");
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    EXPECT_EQ(l.world.captions.shops, "1 Registros.");
    ASSERT_EQ(l.world.shop_count(), 1);
    const shop_data& s = l.world.shops[0];
    EXPECT_EQ(s.vnum, 18600);
    EXPECT_EQ(s.products, (std::vector<int32_t>{3010, 3011, 3012}));  // 0 is no product
    EXPECT_FLOAT_EQ(s.profit_sell, 1.2f);
    EXPECT_FLOAT_EQ(s.profit_buy, 0.8f);
    EXPECT_EQ(s.buy_types, (std::vector<shop_buy_data>{buy(17, "bottle flask"), buy(5), buy(15),
                                                       buy(9), buy(0)}));
    EXPECT_EQ(s.msg_buy_missing, "%s None.");
    EXPECT_EQ(s.msg_shop_broke, "%s Too dear\nfor me.");
    EXPECT_EQ(s.msg_sold, "%s Here, %d.");
    EXPECT_EQ(s.temper, 2);
    EXPECT_EQ(s.bitvector, 1);
    EXPECT_EQ(s.keeper, 18601);
    EXPECT_EQ(s.with_who, 3);
    EXPECT_EQ(s.rooms, (std::vector<int32_t>{18604, 18605}));
    EXPECT_EQ(s.start1, 6);
    EXPECT_EQ(s.end1, 22);
    EXPECT_EQ(s.start2, 23);
    EXPECT_EQ(s.end2, 24);
}

TEST(ShopFile, ReadsTheOldDialectWithFixedLists) {
    Loaded l = load(std::string(kOldShop) + "$~\n");
    ASSERT_TRUE(l.ok);
    ASSERT_EQ(l.world.shop_count(), 1);
    const shop_data& s = l.world.shops[0];
    EXPECT_EQ(s.products, (std::vector<int32_t>{6510, 3022, 6504}));
    EXPECT_FLOAT_EQ(s.profit_buy, 0.3f);
    EXPECT_EQ(s.buy_types, (std::vector<shop_buy_data>{buy(1), buy(15), buy(9)}));
    EXPECT_EQ(s.msg_sold, "%s g %d");
    EXPECT_EQ(s.keeper, 6503);
    EXPECT_EQ(s.rooms, (std::vector<int32_t>{6516}));
    EXPECT_EQ(s.end2, 28);
}

TEST(ShopFile, BuyTypeLines) {
    struct Case {
        const char* line;
        int32_t type;
        const char* keywords;
    };
    const Case cases[] = {
        {"LIQ CONTAINER bottle flask", 17, "bottle flask"},
        {"liq container bottle flask", 17, "bottle flask"},
        {"FOUNTAIN", 23, ""},
        {"TREASURE gem ; sells well", 8, "gem"},
        {"15 ; a comment", 15, ""},
        {"9 ab", 9, ""},        // two characters are too few for keywords
        {"9 abc ", 9, "abc"},
        {"  12   sword  blade  ", 12, "sword  blade"},
        {"0", 0, ""},
        {"-1", -1, ""},
        {"-7 junk", -7, "junk"},
        {"", -1, ""},
        {"* not a comment here", -1, ""},
        {"; 5", -1, ""},
        {"x5 words", -1, "words"},  // no type: the line is no entry
    };
    for (const Case& c : cases) {
        std::string keywords = "stale";
        EXPECT_EQ(parse_buy_type_line(c.line, keywords), c.type) << c.line;
        EXPECT_EQ(keywords, c.keywords) << c.line;
    }
}

TEST(ShopFile, ABuyTypeBelowMinusOneEndsTheListUnstored) {
    const std::string text = "CircleMUD v3.0 Shop File~\n#1~\n-1\n1\n1\nARMOR\n-5\n" +
                        std::string(kMessages) + "0\n0\n0\n0\n-1\n0\n0\n0\n0\n$~\n";
    Loaded l = load(text);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.world.shops[0].buy_types, (std::vector<shop_buy_data>{buy(9)}));
}

TEST(ShopFile, ReadFailuresShowTheirMessagesAndEmptyTheTable) {
    const std::string head = "CircleMUD v3.0 Shop File~\n";
    const std::string general = "Se ha producido un error al leer Archivo de Shops!";
    struct Case {
        std::string text;
        std::vector<std::string> messages;
    };
    std::string bad_temper = head + v3_shop(5) + "$~\n";
    bad_temper.replace(bad_temper.find("2\n1\n18601"), 1, "x");
    std::string eof_in_message = head + v3_shop(5);
    eof_in_message.resize(eof_in_message.find("%s Here"));
    const Case cases[] = {
        {head + v3_shop(5), {"Error leyendo linea!", general}},
        {head + v3_shop(5) + "#~\n", {"Error in shop #5\n", general}},
        {head + "#~\n", {"Error in shop #-1\n", general}},
        {bad_temper, {"Error in shop #5\n", general}},
        {eof_in_message, {general}},
        {eof_in_message + "%s unfinished\n", {general}},
        {head + "#5~\n-1\n1.1\n", {"Error in shop #5\n", general}},
    };
    for (const Case& c : cases) {
        Loaded l;
        l.world.shops.resize(2);
        l.ok = read_shops(l.world, c.text, l.messages);
        EXPECT_FALSE(l.ok) << c.text;
        // One message; only a whole shop before the damage, if any, stays.
        const std::vector<std::string> said(c.messages.begin(), c.messages.end() - 1);
        EXPECT_LE(l.world.shop_count(), 1) << c.text;
        EXPECT_TRUE(test::damage_told(l.messages.texts(), said, l.world.shop_count())) << c.text;
    }
}

TEST(ShopFile, AListNumberThatFailsEmptiesOnlyThatList) {
    // "abc" fails as a product; the list stays empty and the shop goes on.
    std::string text = "CircleMUD v3.0 Shop File~\n" + v3_shop(5) + "$~\n";
    text.replace(text.find("3010\n3011\n0\n3012\n-1\n"), 20, "abc\n");
    Loaded l = load(text);
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.messages.texts(), std::vector<std::string>{"Error in shop #5\n"});
    EXPECT_TRUE(l.world.shops[0].products.empty());
    EXPECT_EQ(l.world.shops[0].keeper, 18601);
}

TEST(ShopFile, HeaderOnlyFileIsAnEmptySuccess) {
    Loaded l = load("CircleMUD v3.0 Shop File~\n$~\n");
    EXPECT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    EXPECT_EQ(l.world.captions.shops, "0 Registros.");
    EXPECT_EQ(l.world.shop_count(), 0);
}

TEST(ShopFile, TooManyShopsAreRefusedWhole) {
    std::string text = "CircleMUD v3.0 Shop File~\n";
    for (int i = 0; i <= kShopCapacity; ++i) text += v3_shop(i + 1);
    text += "$~\n";
    Loaded l = load(text);
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.messages.texts(),
              (std::vector<std::string>{"This file holds more than 500 shops, the most a zone can "
                                        "hold. Nothing was loaded.",
                                        "Se ha producido un error al leer Archivo de Shops!"}));
    EXPECT_EQ(l.world.shop_count(), 0);
    text.erase(text.rfind("#501~"), text.size());
    text += "$~\n";
    EXPECT_TRUE(load(text).ok);
}

TEST(ShopFile, WritesTheV3Dialect) {
    World w;
    w.shops = {sample_shop()};
    EXPECT_EQ(write_shops_v3(w),
              "CircleMUD v3.0 Shop File~\n"
              "#7~\n"
              "3012\n3011\n3010\n3009\n3008\n3007\n3006\n-1\n"
              "1.10\n0.90\n"
              "17 bottle flask\n5\n-1\n"
              "a~\nb~\n~\nd\ne~\nf~\ng %d~\nh %d~\n"
              "2\n3\n700\n4\n"
              "101\n102\n103\n-1\n"
              "5\n6\n7\n8\n"
              "$~\n");
}

TEST(ShopFile, WritesTheOldDialectWithFixedLists) {
    World w;
    w.shops = {sample_shop(), sample_shop()};
    w.shops[1].products = {1};
    w.shops[1].rooms.clear();
    w.shops[1].buy_types.clear();
    const std::string shop1 =
        "#7~\n"
        "3012\n3011\n3010\n3009\n3008\n"  // only the first five products
        "1.10\n0.90\n"
        "17\n5\n-1\n-1\n-1\n"  // numbers only, padded
        "a~\nb~\n~\nd\ne~\nf~\ng %d~\nh %d~\n"
        "2\n3\n700\n4\n"
        "101\n"  // only the first room
        "5\n6\n7\n8\n";
    const std::string shop2 =
        "#7~\n1\n-1\n-1\n-1\n-1\n1.10\n0.90\n-1\n-1\n-1\n-1\n-1\n"
        "a~\nb~\n~\nd\ne~\nf~\ng %d~\nh %d~\n2\n3\n700\n4\n-1\n5\n6\n7\n8\n";
    EXPECT_EQ(write_shops_old(w), shop1 + shop2 + "$~\n");
}

TEST(ShopFile, SavedShopsReadBackUnchangedInBothDialects) {
    World w;
    w.shops = {sample_shop()};
    // A factor two decimals cannot hold is written with every digit it needs.
    w.shops[0].profit_sell = 1.125f;
    w.shops[0].profit_buy = 0.3333f;
    EXPECT_NE(write_shops_v3(w).find("\n1.125\n0.3333\n"), std::string::npos);
    // An empty message is written as a lone "~" and reads back as empty.
    Loaded v3 = load(write_shops_v3(w));
    ASSERT_TRUE(v3.ok);
    EXPECT_TRUE(v3.messages.entries.empty());
    EXPECT_EQ(v3.world.shops[0], w.shops[0]);
    EXPECT_EQ(write_shops_v3(v3.world), write_shops_v3(w));  // lists keep their order

    Loaded old = load(write_shops_old(w));
    ASSERT_TRUE(old.ok);
    shop_data expected = w.shops[0];
    expected.products.resize(5);
    expected.rooms.resize(1);
    expected.buy_types = {buy(17), buy(5)};
    EXPECT_EQ(old.world.shops[0], expected);

    // Old in, v3 out: the header comes with it.
    Loaded from_old = load(std::string(kOldShop) + "$~\n");
    ASSERT_TRUE(from_old.ok);
    Loaded again = load(write_shops_v3(from_old.world));
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.world.shops, from_old.world.shops);
}

TEST(ShopFile, FilesOnDisk) {
    TempDir dir;
    const std::string path = dir.file("z.shp");
    World w;
    w.shops = {sample_shop()};
    MessageRecorder m;
    FormatSettings settings;
    ASSERT_TRUE(save_shop_file(w, path, settings, m));
    EXPECT_EQ(test::read_bytes(path), write_shops_v3(w));
    // A file is written in the layout it was read in; re-formatting takes
    // the preferred one.
    const std::string v3 = test::read_bytes(path);
    settings.new_format = false;
    ASSERT_TRUE(save_shop_file(w, path, settings, m));
    EXPECT_EQ(test::read_bytes(path), v3);
    settings.house_style = true;
    ASSERT_TRUE(save_shop_file(w, path, settings, m));
    EXPECT_EQ(test::read_bytes(path), write_shops_old(w));
    EXPECT_TRUE(m.entries.empty());

    World loaded;
    ASSERT_TRUE(load_shop_file(loaded, path, m));
    EXPECT_EQ(loaded.captions.shops, "1 Registros.");
    EXPECT_FALSE(load_shop_file(loaded, dir.file("none.shp"), m));
    EXPECT_EQ(loaded.shop_count(), 0);
    EXPECT_TRUE(m.entries.empty());

    EXPECT_FALSE(save_shop_file(w, dir.file("missing/z.shp"), settings, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Error al grabar Archivo de Shops"});
}

TEST(ShopFile, NewShopsGetFixedProfitFactors) {
    World w;
    w.project_zone_number = 186;
    shop_data s = new_shop(w);
    EXPECT_EQ(s.vnum, 18600);
    EXPECT_FLOAT_EQ(s.profit_sell, 1.1f);
    EXPECT_FLOAT_EQ(s.profit_buy, 0.9f);
    EXPECT_EQ(s.msg_bought, "%s Son %d monedas.");
}

TEST(ShopFile, CorpusFilesReadBackTheSameInBothDialects) {
    const auto root = test::corpus_dir();
    if (!std::filesystem::is_directory(root / "circle30" / "shp")) GTEST_SKIP() << "no corpus at " << root;
    int files = 0;
    for (const char* sub : {"circle30/shp", "circle30-oldshops/shp"}) {
        for (const auto& entry : std::filesystem::directory_iterator(root / sub)) {
            World first;
            MessageRecorder m;
            ASSERT_TRUE(load_shop_file(first, entry.path().string(), m)) << entry.path();
            EXPECT_TRUE(m.entries.empty()) << entry.path();
            ASSERT_GT(first.shop_count(), 0);
            Loaded v3 = load(write_shops_v3(first));
            ASSERT_TRUE(v3.ok) << entry.path();
            EXPECT_EQ(v3.world.shops, first.shops) << entry.path();
            Loaded old = load(write_shops_old(first));
            ASSERT_TRUE(old.ok) << entry.path();
            ASSERT_EQ(old.world.shop_count(), first.shop_count());
            for (int i = 0; i < first.shop_count(); ++i) {
                // The old dialect holds five products, five numbered types, one room.
                shop_data expected = first.shops[i];
                if (expected.products.size() > 5) expected.products.resize(5);
                if (expected.rooms.size() > 1) expected.rooms.resize(1);
                if (expected.buy_types.size() > 5) expected.buy_types.resize(5);
                std::erase_if(expected.buy_types, [](const shop_buy_data& b) { return b.type == 0; });
                for (auto& b : expected.buy_types) b.keywords.clear();
                EXPECT_EQ(old.world.shops[i], expected) << entry.path() << " shop #" << expected.vnum;
            }
            ++files;
        }
    }
    EXPECT_EQ(files, 9);
}
}  // namespace shop_file_test
