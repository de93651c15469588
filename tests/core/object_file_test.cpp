#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "formats/object_file.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/world.h"

using namespace tarnwick;
using tarnwick::test::TempDir;

namespace object_file_test {

// Out of vnum order; the first carries affects and extra descriptions mixed,
// the second a level and material specifications.
const char* kTwoObjects =
    "* a comment line\n"
    "#3011\n"
    "sword long~\n"
    "a long sword~\n"
    "A long sword lies here.~\n"
    "~\n"
    "5 ak ao\n"
    "0 3 8 3\n"
    "12 600 60\n"
    "A\n"
    "18 2\n"
    "E\n"
    "sword~\n"
    "It is sharp.\n"
    "~\n"
    "* comments may stand between blocks\n"
    "E\n"
    "blade~\n"
    "It gleams.\n"
    "~\n"
    "A\n"
    "19 1\n"
    "#3010\n"
    "bottle~\n"
    "a bottle~\n"
    "A bottle.~\n"
    "You drink.\n"
    "~\n"
    "17 0 1\n"
    "8 8 1 0 12 3 50 60\n"
    "10 20 8\n"
    "$\n";

const char* kSword =
    "#3011\nsword long~\na long sword~\nA long sword lies here.~\n~\n5 1025 16385\n0 3 8 3";
const char* kSwordTail =
    "\n12 600 60\nE\nsword~\nIt is sharp.\n~\nE\nblade~\nIt gleams.\n~\nA\n18 2\nA\n19 1\n";

const std::string kReadFailure = "An error has ocurred while reading objects file!";
const std::string kWarning =
    "Warning! Object with no material specifications has been encountered.\n"
    "Default values will be applied.";

struct Loaded {
    World world;
    MessageRecorder messages;
    bool ok = false;
};

Loaded load(const std::string& text, FormatSettings settings = {}) {
    Loaded l;
    l.ok = read_objects(l.world, text, settings, l.messages);
    return l;
}

FormatSettings with_levels(bool levels, bool mat_specs) {
    FormatSettings s;
    s.save_obj_levels = levels;
    s.save_mat_specs = mat_specs;
    s.house_style = true;  // every record as these options write it
    return s;
}

std::string record_text(const World& world, int index, FormatSettings settings = {}) {
    MessageRecorder m;
    bool warned = false;
    std::string out;
    write_object_record(world, index, settings, out, m, warned);
    return out;
}

std::string without_banner(const std::string& file) {
    size_t pos = 0;
    for (int i = 0; i < 5; ++i) pos = file.find('\n', pos) + 1;
    return file.substr(pos);
}

// One record whose second numeric line is `numbers`.
std::string one_object(const std::string& numbers) {
    return "#1\nthing~\na thing~\nA thing.~\n~\n1 0 0\n" + numbers + "\n1 2 3\n$\n";
}


TEST(ObjectFile, ReadsRecordsSortedWithBlocksInFileOrder) {
    Loaded l = load(kTwoObjects);
    ASSERT_TRUE(l.ok);
    EXPECT_TRUE(l.messages.entries.empty());
    EXPECT_EQ(l.world.captions.objects, "2 Registros.");
    ASSERT_EQ(l.world.object_count(), 2);
    const obj_record& bottle = l.world.objects[0];
    EXPECT_EQ(bottle.vnum, 3010);
    EXPECT_EQ(bottle.action_description, "You drink.\n");
    EXPECT_TRUE(bottle.has_level);
    EXPECT_TRUE(bottle.has_mat_specs);
    EXPECT_EQ(bottle.level, 12);
    EXPECT_EQ(bottle.initial_durability, 60);

    const obj_record& sword = l.world.objects[1];
    EXPECT_EQ(sword.action_description, "");
    EXPECT_EQ(sword.extra_flags, 1025);
    EXPECT_EQ(sword.wear_flags, 16385);
    EXPECT_FALSE(sword.has_level);
    EXPECT_EQ(sword.level, 0);
    EXPECT_EQ(sword.material, -1);
    EXPECT_EQ(sword.affects[0], (obj_affect{18, 2}));
    EXPECT_EQ(sword.affects[1], (obj_affect{19, 1}));
    const std::vector<extra_descr_data> extras = {{"sword", "It is sharp.\n"},
                                                  {"blade", "It gleams.\n"}};
    EXPECT_EQ(sword.extra_descs, extras);
}

TEST(ObjectFile, WritesTheExactRecordLayout) {
    Loaded l = load(kTwoObjects);
    EXPECT_EQ(record_text(l.world, 1), std::string(kSword) + kSwordTail);
    EXPECT_EQ(record_text(l.world, 1, with_levels(true, false)),
              std::string(kSword) + " 0" + kSwordTail);
    EXPECT_EQ(record_text(l.world, 1, with_levels(true, true)),
              std::string(kSword) + " 0 -1 -1 -1" + kSwordTail);
    EXPECT_EQ(record_text(l.world, 1, with_levels(false, true)), std::string(kSword) + kSwordTail);
    EXPECT_EQ(record_text(l.world, 0, with_levels(true, true)),
              "#3010\nbottle~\na bottle~\nA bottle.~\nYou drink.\n~\n17 0 1\n"
              "8 8 1 0 12 3 50 60\n10 20 8\n");
    FormatSettings alpha;
    alpha.alpha_bitvectors = true;
    EXPECT_NE(record_text(l.world, 1, alpha).find("\n5 ak ao \n"), std::string::npos);
    EXPECT_NE(record_text(l.world, 0, alpha).find("\n17 0 a \n"), std::string::npos);

    MessageRecorder m;
    const std::string file = object_file_text(l.world, with_levels(false, false), m);
    EXPECT_EQ(without_banner(file), record_text(l.world, 0) + record_text(l.world, 1) + "$\n");
}

TEST(ObjectFile, SecondNumericLineTakesFourFiveOrEightNumbers) {
    Loaded four = load(one_object("1 2 3 4"));
    ASSERT_TRUE(four.ok);
    EXPECT_EQ(four.world.objects[0].values, (std::array<int32_t, 4>{1, 2, 3, 4}));
    EXPECT_FALSE(four.world.objects[0].has_level);

    Loaded five = load(one_object("1 2 3 4 9"));
    ASSERT_TRUE(five.ok);
    EXPECT_TRUE(five.world.objects[0].has_level);
    EXPECT_FALSE(five.world.objects[0].has_mat_specs);
    EXPECT_EQ(five.world.objects[0].level, 9);
    EXPECT_EQ(five.world.objects[0].material, -1);

    Loaded eight = load(one_object("1 2 3 4 9 5 6 7"));
    ASSERT_TRUE(eight.ok);
    EXPECT_TRUE(eight.world.objects[0].has_mat_specs);
    EXPECT_EQ(eight.world.objects[0].durability, 6);

    const std::pair<const char*, const char*> rejected[] = {
        {"1 2 3 4 9 5", "6"}, {"1 2 3 4 9 5 6", "7"}, {"1 2 3", "3"}};
    for (const auto& [numbers, got] : rejected) {
        Loaded bad = load(one_object(numbers));
        EXPECT_FALSE(bad.ok);
        EXPECT_TRUE(test::damage_told(bad.messages.texts(),
                                      {std::string("Format Error at second numeric line "
                                                   "(expected 4,5 or 8 args, got ") +
                                       got + "), objeto #1"},
                                      0))
            << numbers;
    }
}

TEST(ObjectFile, MaterialWarningComesOncePerSave) {
    Loaded l = load(kTwoObjects);
    l.world.objects.push_back(l.world.objects[1]);  // a second record without specs
    l.world.objects.back().vnum = 3012;

    MessageRecorder m;
    const std::string both = object_file_text(l.world, with_levels(true, true), m);
    EXPECT_EQ(m.texts(), std::vector<std::string>{kWarning});
    EXPECT_NE(both.find("\n0 3 8 3 0 -1 -1 -1\n"), std::string::npos);
    m.clear();
    object_file_text(l.world, with_levels(true, true), m);  // armed again for every save
    EXPECT_EQ(m.entries.size(), 1u);
    m.clear();
    object_file_text(l.world, with_levels(false, true), m);
    object_file_text(l.world, with_levels(true, false), m);
    EXPECT_TRUE(m.entries.empty());

    // Saving shows it after the file is in place; a failed save shows only its failure.
    TempDir dir;
    m.clear();
    EXPECT_TRUE(save_object_file(l.world, dir.file("zone.obj"), with_levels(true, true), m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{kWarning});
    m.clear();
    const std::string bad = dir.file("missing/zone.obj");
    EXPECT_FALSE(save_object_file(l.world, bad, with_levels(true, true), m));
    EXPECT_EQ(m.texts(), std::vector<std::string>{"Error while opening file - " + bad});
}

TEST(ObjectFile, SaveAndLoadKeepEveryField) {
    Loaded first = load(kTwoObjects);
    first.world.objects[1].extra_flags = INT32_MIN | 2;  // bit 31 survives in number form
    first.world.objects[1].affects = {};
    first.world.objects[1].affects[0] = {5, 2};
    first.world.objects[1].affects[2] = {7, -1};
    for (bool alpha : {false, true}) {
        FormatSettings settings = with_levels(true, true);
        settings.alpha_bitvectors = alpha;
        MessageRecorder m;
        const std::string text = object_file_text(first.world, settings, m);
        size_t blocks = 0;
        for (size_t at = text.find("\nA\n"); at != std::string::npos; at = text.find("\nA\n", at + 1))
            ++blocks;
        EXPECT_EQ(blocks, 2u) << text;
        Loaded second = load(text);
        ASSERT_TRUE(second.ok);
        ASSERT_EQ(second.world.object_count(), 2);
        EXPECT_EQ(second.world.objects[0], first.world.objects[0]);
        const obj_record& sword = second.world.objects[1];
        EXPECT_EQ(sword.affects[0], (obj_affect{5, 2}));
        EXPECT_EQ(sword.affects[1], (obj_affect{7, -1}));  // packed to the front
        EXPECT_EQ(sword.extra_flags, first.world.objects[1].extra_flags);
        EXPECT_EQ(sword.extra_descs, first.world.objects[1].extra_descs);
        EXPECT_TRUE(sword.has_mat_specs);  // written with the preferences on
        // A second cycle writes the same bytes.
        EXPECT_EQ(object_file_text(second.world, settings, m), text);
    }
}

// Each broken input and the messages it must give, in order.
TEST(ObjectFile, BrokenInputsGiveTheirMessages) {
    const std::string head = "#5\nthing~\na thing~\nA thing.~\n~\n";
    const std::string numbers = "1 0 0\n1 2 3 4\n1 2 3\n";
    const std::string after = "objeto #5, after numeric constants (expecting E/A/#xxx)";
    std::string seven_affects = head + numbers;
    for (int i = 0; i < 7; ++i) seven_affects += "A\n1 1\n";
    struct Case {
        std::string text;
        std::vector<std::string> messages;
    } cases[] = {
        {"#5\n~\na~\nb~\n~\n" + numbers + "$\n",
         {"Sin nombre de objeto o error de formato (cerca de objeto #5)", kReadFailure}},
        {"#abc\n$\n", {"Format error after obj #-1\n", kReadFailure}},
        {head + numbers + "#x\n$\n", {"Format error after obj #5\n", kReadFailure}},
        {head + "1 ak\n1 2 3 4\n1 2 3\n$\n",
         {"Format error at first numeric line (Expected 3 arguments, got 2), objeto #5\n",
          kReadFailure}},
        {head + "1 0 0\n", {"Format error, objeto #5", kReadFailure}},
        {head + "1 0 0\n1 2 3 4\n1 2\n$\n",
         {"Format error at third numeric line (expected 3 args, got 2), objeto #5\n",
          kReadFailure}},
        {head + "1 0 0\n1 2 3 4\n",
         {"Format error at third numeric line (expected 3 args, got 0), objeto #5\n",
          kReadFailure}},
        {head + numbers, {"Format error in " + after + "\n", kReadFailure}},
        {head + numbers + "X\n$\n",
         {"Unexpected line 9: 'X' (expecting E, A, #vnum or $)", kReadFailure}},
        {seven_affects + "$\n", {"Too many A fields (6 max), " + after + "\n", kReadFailure}},
    };
    for (const auto& c : cases) {
        Loaded l = load(c.text);
        EXPECT_FALSE(l.ok) << c.text;
        // One message; only a whole object before the damage, if any, stays.
        const std::vector<std::string> said(c.messages.begin(), c.messages.end() - 1);
        EXPECT_LE(l.world.object_count(), 1) << c.text;
        EXPECT_TRUE(test::damage_told(l.messages.texts(), said, l.world.object_count())) << c.text;
    }
}

TEST(ObjectFile, EmptyFilesStrayLinesAndHighNumbers) {
    Loaded empty = load("* banner\n$\n");
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.messages.texts(), std::vector<std::string>{"There is no objects in this file."});

    // A line before the first record is refused; #99999 ends the file; the
    // last line needs no line break.
    const std::string record = "#1\nthing~\na thing~\nA thing.~\n~\n1 0 0\n1 2 3 4\n1 2 3\n";
    Loaded stray = load("stray text\n" + record + "$\n");
    EXPECT_FALSE(stray.ok);
    EXPECT_EQ(stray.world.object_count(), 0);
    Loaded l = load(record + "#99999\ngarbage");
    ASSERT_TRUE(l.ok) << (l.messages.entries.empty() ? "" : l.messages.entries[0].text);
    EXPECT_EQ(l.world.object_count(), 1);
    EXPECT_EQ(l.world.captions.objects, "1 Registros.");  // #99999 is no object
    Loaded no_break = load(record + "$");
    EXPECT_TRUE(no_break.ok);
    EXPECT_TRUE(no_break.messages.entries.empty());
}

TEST(ObjectFile, TooManyObjectsAreRefusedWhole) {
    std::string text;
    for (int i = 0; i <= kObjectCapacity; ++i)
        text += "#" + std::to_string(i) + "\nt~\nt~\nt~\n~\n1 0 0\n0 0 0 0\n1 1 1\n";
    Loaded l = load(text + "$\n");
    EXPECT_FALSE(l.ok);
    EXPECT_EQ(l.world.object_count(), 0);
    EXPECT_EQ(l.messages.texts(),
              (std::vector<std::string>{"This file holds more than 500 objects, the most a zone "
                                        "can hold. Nothing was loaded.",
                                        kReadFailure}));
}

TEST(ObjectFile, ColumnCheckWrapsExtraDescriptionsOnly) {
    FormatSettings settings;
    settings.column_check = true;
    settings.columns = 10;
    const std::string text =
        "#1\nt~\nt~\nabcd efgh ijkl mnop~\nabcd efgh ijkl mnop\n~\n1 0 0\n0 0 0 0\n1 1 1\n"
        "E\nk~\nabcd efgh ijkl mnop\n~\n$\n";
    Loaded wrapped = load(text, settings);
    ASSERT_TRUE(wrapped.ok);
    EXPECT_EQ(wrapped.world.objects[0].extra_descs[0].description, "abcd efgh ijkl\nmnop \n");
    EXPECT_EQ(wrapped.world.objects[0].action_description, "abcd efgh ijkl mnop\n");
    Loaded plain = load(text);
    EXPECT_EQ(plain.world.objects[0].extra_descs[0].description, "abcd efgh ijkl mnop\n");
}

TEST(ObjectFile, FileOpenAndRenumber) {
    TempDir dir;
    World world;
    world.objects.resize(1);
    MessageRecorder m;
    EXPECT_FALSE(load_object_file(world, dir.file("missing.obj"), {}, m));
    EXPECT_TRUE(m.entries.empty());  // the caller reports it
    EXPECT_EQ(world.object_count(), 0);

    Loaded l = load(kTwoObjects);
    const std::string path = dir.file("zone.obj");
    ASSERT_TRUE(save_object_file(l.world, path, with_levels(false, false), m));
    EXPECT_EQ(test::read_bytes(path), object_file_text(l.world, with_levels(false, false), m));
    ASSERT_TRUE(load_object_file(world, path, {}, m));
    ASSERT_EQ(world.object_count(), 2);
    EXPECT_EQ(world.objects[1], l.world.objects[1]);
    EXPECT_FALSE(world.objects[0].has_level);  // saved without the level preference
    EXPECT_EQ(renumber_objects(world, 700), 2);
    EXPECT_EQ(world.objects[1].vnum, 701);
}

TEST(ObjectFile, CorpusFilesLoadSilentlyAndSurviveASave) {
    auto folder = test::corpus_dir() / "circle30" / "obj";
    if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no corpus at " << folder;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() != ".obj") continue;
        Loaded first;
        ASSERT_TRUE(load_object_file(first.world, entry.path().string(), {}, first.messages))
            << entry.path();
        EXPECT_TRUE(first.messages.entries.empty()) << entry.path();
        EXPECT_GT(first.world.object_count(), 0) << entry.path();
        MessageRecorder m;
        Loaded second = load(object_file_text(first.world, {}, m));
        ASSERT_TRUE(second.ok) << entry.path();
        ASSERT_EQ(second.world.object_count(), first.world.object_count());
        for (int i = 0; i < first.world.object_count(); ++i)
            EXPECT_EQ(second.world.objects[i], first.world.objects[i])
                << entry.path() << " object #" << first.world.objects[i].vnum;
        ++files;
    }
    EXPECT_GT(files, 0);
}
}  // namespace object_file_test
