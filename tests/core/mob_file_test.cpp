#include <gtest/gtest.h>

#include <filesystem>

#include "formats/mob_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;

namespace mob_file_test {

// A simple record followed by an enhanced one, deliberately out of vnum order.
const char* kTwoMobs =
    "#3001\n"
    "wizard~\n"
    "the wizard~\n"
    "A wizard stands here.\n"
    "~\n"
    "He looks old.\n"
    "~\n"
    "ablno d 900 S\n"
    "33 2 -2 1d1+30000 2d8+-2\n"
    "30000 160000\n"
    "8 8 1\n"
    "#3000\n"
    "clone~\n"
    "the clone~\n"
    "A clone.\n"
    "~\n"
    "~\n"
    "0 0 0 E\n"
    "1 20 10 1d2+3 1d4+0\n"
    "5\n"
    "8 8 0\n"
    "BareHandAttack: 12\n"
    "Str:18\n"
    "NoColon\n"
    "E\n"
    "$\n";

const std::string kReadFailure = "Se ha producido un error al leer Archivo de Mobs!";

struct Loaded {
    World world;
    MessageRecorder messages;
    bool ok = false;
};

Loaded load(const std::string& text, FormatSettings settings = {}) {
    Loaded l;
    l.ok = read_mobs(l.world, text, settings, l.messages);
    return l;
}

std::string without_banner(const std::string& file) {
    size_t pos = 0;
    for (int i = 0; i < 5; ++i) pos = file.find('\n', pos) + 1;
    return file.substr(pos);
}

std::string record_text(const World& world, int index, FormatSettings settings = {}) {
    std::string out;
    write_mob_record(world, index, settings, out);
    return out;
}


TEST(MobFile, ReadsSimpleAndEnhancedRecordsInFileOrder) {
    Loaded l = load(kTwoMobs);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    EXPECT_EQ(l.world.captions.mobs, "2 Registros.");
    ASSERT_EQ(l.world.mob_count(), 2);
    const char_data& wizard = l.world.mobs[0];  // not sorted: file order
    EXPECT_EQ(wizard.vnum, 3001);
    EXPECT_EQ(wizard.long_name, "A wizard stands here.");
    EXPECT_EQ(wizard.descr, "He looks old.\n");
    EXPECT_EQ(wizard.action_flags, 1 | 2 | 1 << 11 | 1 << 13 | 1 << 14);
    EXPECT_EQ(wizard.affect_flags, 8);
    EXPECT_EQ(wizard.align, 900);
    EXPECT_FALSE(wizard.enhanced);
    EXPECT_EQ(wizard.ac, -2);
    EXPECT_EQ(wizard.hit_add, 30000);
    EXPECT_EQ(wizard.bhd_add, -2);
    EXPECT_EQ(wizard.exp, 160000);
    EXPECT_EQ(wizard.sex, 1);

    const char_data& clone = l.world.mobs[1];
    EXPECT_TRUE(clone.enhanced);
    EXPECT_EQ(clone.descr, "");
    EXPECT_EQ(clone.gold, 5);
    EXPECT_EQ(clone.exp, 0);
    const std::vector<extra_descr_data> specs = {
        {"BareHandAttack", "12"}, {"Str", "18"}, {"NoColon", ""}};
    EXPECT_EQ(clone.especs, specs);
}

TEST(MobFile, WritesTheExactRecordLayout) {
    Loaded l = load(kTwoMobs);
    EXPECT_EQ(record_text(l.world, 0),
              "#3001\nwizard~\nthe wizard~\nA wizard stands here.\n~\nHe looks old.\n~\n"
              "26627 8 900 S\n33 2 -2 1d1+30000 2d8+-2\n30000 160000\n8 8 1\n");
    EXPECT_EQ(record_text(l.world, 1),
              "#3000\nclone~\nthe clone~\nA clone.\n~\n~\n0 0 0 E\n1 20 10 1d2+3 1d4+0\n5 0\n"
              "8 8 0\nBareHandAttack: 12\nStr: 18\nNoColon: \nE\n");
    FormatSettings alpha;
    alpha.alpha_bitvectors = true;
    l.world.mobs[0].action_flags = 1 | 8;
    l.world.mobs[0].affect_flags = 0;
    EXPECT_NE(record_text(l.world, 0, alpha).find("\nad 0 900 S\n"), std::string::npos);

    // An enhanced record without specs closes its section at once.
    l.world.mobs[1].especs.clear();
    EXPECT_NE(record_text(l.world, 1).find("\n8 8 0\nE\n"), std::string::npos);

    FormatSettings banner;
    banner.zone_name = "Town";
    banner.author = "Ana";
    banner.house_style = true;
    const std::string file = mob_file_text(l.world, banner);
    EXPECT_NE(file.find("*** Zone : Town\n*** Author : Ana\n"), std::string::npos);
    EXPECT_EQ(without_banner(file), record_text(l.world, 0) + record_text(l.world, 1) + "$\n");
}

TEST(MobFile, SaveAndLoadKeepEveryFieldAndSpecOrder) {
    Loaded first = load(kTwoMobs);
    first.world.mobs[0].action_flags = INT32_MIN | 4;  // bit 31 survives in number form
    first.world.mobs[0].affect_flags = INT32_MIN;
    for (bool alpha : {false, true}) {
        FormatSettings settings;
        settings.alpha_bitvectors = alpha;
        Loaded second = load(mob_file_text(first.world, settings));
        ASSERT_TRUE(second.ok) << alpha;
        ASSERT_EQ(second.world.mob_count(), 2);
        EXPECT_EQ(second.world.mobs[0], first.world.mobs[0]) << alpha;
        EXPECT_EQ(second.world.mobs[1], first.world.mobs[1]) << alpha;
        // A second cycle writes the same bytes: nothing drifts, not even the E-spec order.
        EXPECT_EQ(mob_file_text(second.world, settings), mob_file_text(first.world, settings));
    }
}

TEST(MobFile, ReadsCrLfLongLinesAndAMissingLastLineBreak) {
    std::string text = kTwoMobs;
    const std::string long_value(600, 'x');
    text.replace(text.find("Str:18"), 6, "Str:" + long_value);
    std::string crlf;
    for (char c : text) c == '\n' ? crlf += "\r\n" : crlf += c;
    crlf.resize(crlf.size() - 2);  // "$" without a line break
    Loaded l = load(crlf);
    ASSERT_TRUE(l.ok) << (l.messages.entries.empty() ? "" : l.messages.entries[0].text);
    EXPECT_EQ(l.world.mobs[0], load(kTwoMobs).world.mobs[0]);
    EXPECT_EQ(l.world.mobs[1].especs[1].description, long_value);
}

TEST(MobFile, CaptionCountsTheRecordsReadAndHighNumbersEndTheFile) {
    Loaded l = load(std::string(kTwoMobs).replace(std::string(kTwoMobs).find("$\n"), 2,
                                                  "#99999\nanything at all\n"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.world.mob_count(), 2);
    EXPECT_EQ(l.world.captions.mobs, "2 Registros.");  // #99999 is no mob

    Loaded empty = load("* banner only\n$\n");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.messages.texts(), std::vector<std::string>{"No hay mobs en este archivo."});
    EXPECT_EQ(empty.world.captions.mobs, "0 Registros.");
}

// Each broken input and the messages it must give, in order.
TEST(MobFile, BrokenInputsGiveTheirMessages) {
    const std::string head = "#3001\na~\nb~\nc\n~\nd\n~\n";
    const std::string simple = "1 2 3 1d2+3 1d4+5\n1 2\n8 8 1\n";
    const std::string first_line =
        "Format error in mob #3001, first line after S flag\n...expecting line of form "
        "'# # # #d#+# #d#+#'\n";
    const std::string second_line =
        "Format error in mob #3001, second line after S flag\n...expecting line of form '# # #'\n";
    struct Case {
        std::string text;
        std::vector<std::string> messages;
    } cases[] = {
        {head + "0 0 0 S\n" + simple, {"(1) Format error after mob #3001\n", kReadFailure}},
        {head + "0 0 0 S\n" + simple + "#abc\n$\n", {"Format error after mob #3001\n", kReadFailure}},
        {head + "0 0 0 X\n" + simple + "$\n", {"Tipo de mob no v\xe1lido ( mob 3001)", kReadFailure}},
        {head + "0 0 S\n" + simple + "$\n", {"Tipo de mob no v\xe1lido ( mob 3001)", kReadFailure}},
        {head, {"Unexpected end of file reached after mob #3001\n", kReadFailure}},
        {head + "0 0 0 S\n1 2 3 1d2+3 1d4\n1 2\n8 8 1\n$\n", {first_line, kReadFailure}},
        {head + "0 0 0 S\n1 2 3 1d2-3 1d4+5\n1 2\n8 8 1\n$\n", {first_line, kReadFailure}},
        {head + "0 0 0 S\n1 2 3 1d2+3 1d4+5\n1 2\n8 8 1 5\n$\n", {second_line, kReadFailure}},
        {head + "0 0 0 S\n1 2 3 1d2+3 1d4+5\n1 2\n8 8\n$\n", {second_line, kReadFailure}},
        {head + "0 0 0 E\n" + simple + "A: 1\n#3002\n",
         {"Secci\xf3n E no terminada en mob #3001\n", kReadFailure}},
        {head + "0 0 0 E\n" + simple + "A: 1\n",
         {"Unexpected end of file reached after mob #3001\n", kReadFailure}},
    };
    for (const auto& c : cases) {
        Loaded l = load(c.text);
        EXPECT_FALSE(l.ok) << c.text;
        // One message; only the whole mobile before the damage, if any, stays.
        const std::vector<std::string> said(c.messages.begin(), c.messages.end() - 1);
        EXPECT_LE(l.world.mob_count(), 1) << c.text;
        EXPECT_TRUE(test::damage_told(l.messages.texts(), said, l.world.mob_count())) << c.text;
    }
    // Fewer than two numbers on the gold line is accepted.
    Loaded short_gold = load(head + "0 0 0 S\n1 2 3 1d2+3 1d4+5\n\n7\n8 8 1\n$\n");
    EXPECT_TRUE(short_gold.ok);
    EXPECT_EQ(short_gold.world.mobs[0].gold, 7);
}

TEST(MobFile, TooManyMobsAreRefusedWhole) {
    std::string text;
    for (int i = 0; i <= kMobCapacity; ++i)
        text += "#" + std::to_string(i) + "\nm~\nm~\nm\n~\n~\n0 0 0 S\n1 2 3 1d2+3 1d4+5\n0 0\n8 8 0\n";
    Loaded l = load(text + "$\n");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.world.mob_count(), 0);
    EXPECT_EQ(l.messages.texts(),
              (std::vector<std::string>{"This file holds more than 1500 mobiles, the most a zone "
                                        "can hold. Nothing was loaded.",
                                        kReadFailure}));
}

TEST(MobFile, FileFailuresAreReported) {
    TempDir dir;
    MessageRecorder m;
    World world;
    world.mobs.resize(1);
    EXPECT_FALSE(load_mob_file(world, dir.file("missing.mob"), {}, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Se ha producido un error al abrir el archivo."});
    EXPECT_EQ(world.mob_count(), 0);

    Loaded l = load(kTwoMobs);
    m.clear();
    const std::string bad = dir.file("missing/zone.mob");
    EXPECT_FALSE(save_mob_file(l.world, bad, {}, m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Error al abrir archivo " + bad});

    const std::string path = dir.file("zone.mob");
    m.clear();
    ASSERT_TRUE(save_mob_file(l.world, path, {}, m));
    EXPECT_TRUE(m.entries.empty());
    EXPECT_EQ(test::read_bytes(path), mob_file_text(l.world, {}));
    ASSERT_TRUE(load_mob_file(world, path, {}, m));
    EXPECT_EQ(world.mobs, l.world.mobs);
}

TEST(MobFile, RenumberGivesConsecutiveVnumsInTableOrder) {
    Loaded l = load(kTwoMobs);
    EXPECT_EQ(renumber_mobs(l.world, 4500), 2);
    EXPECT_EQ(l.world.mobs[0].vnum, 4500);
    EXPECT_EQ(l.world.mobs[1].vnum, 4501);
}

TEST(MobFile, CorpusFilesLoadSilentlyAndSurviveASave) {
    auto folder = test::corpus_dir() / "circle30" / "mob";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".mob") continue;
        Loaded first;
        ASSERT_TRUE(load_mob_file(first.world, entry.path().string(), {}, first.messages))
            << entry.path();
        EXPECT_TRUE(first.messages.entries.empty()) << entry.path();
        EXPECT_GT(first.world.mob_count(), 0) << entry.path();
        Loaded second = load(mob_file_text(first.world, {}));
        ASSERT_TRUE(second.ok) << entry.path();
        ASSERT_EQ(second.world.mob_count(), first.world.mob_count());
        for (int i = 0; i < first.world.mob_count(); ++i)
            EXPECT_EQ(second.world.mobs[i], first.world.mobs[i])
                << entry.path() << " mob #" << first.world.mobs[i].vnum;
        ++files;
    }
    EXPECT_GT(files, 0);
}
}  // namespace mob_file_test
