// The server-side preflight: each hand-made fault is found once, with its
// file, line, record and field; what our writers produce gives nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/preflight.h"
#include "formats/room_file.h"
#include "world/format_settings.h"
#include "world/messages.h"
#include "world/world.h"
#include "world_formats.h"
#include "test_support.h"
#include "world/text_limits.h"

using namespace tarnwick;

namespace preflight_test {

const std::string kRoom = "#100\nA room~\nIt is plain.\n~\n1 0 0\nS\n";
const std::string kMob =
    "#100\ncat~\na cat~\nA cat sits here.\n~\nIt purrs.\n~\n0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n";
const std::string kObject = "#100\nstone~\na stone~\nA stone lies here.~\n~\n12 0 a\n0 0 0 0\n1 1 1\n";
const std::string kZone = "#1\nPlace~\n199 15 2\nM 0 100 1 100\tcat\nS\n$~\n";

std::string repeat(char c, size_t n) { return std::string(n, c); }

struct Case {
    const char* what;
    WorldFileKind kind;
    std::string bytes;
    int line;
    const char* record;
    const char* field;
    const char* message_part;
};


TEST(Preflight, FindsEachServerFaultWithItsLineRecordAndField) {
    using K = WorldFileKind;
    const std::string espec_mob = "#101\ndog~\na dog~\nA dog.\n~\nWoof.\n~\n0 0 0 E\n"
                                  "1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\nStr: 12\n";
    const Case cases[] = {
        {"a text line of 511 bytes", K::rooms, "#100\nA room~\n" + repeat('x', 511) + "\n~\n1 0 0\nS\n$\n",
         3, "room #100", "description", "text line of 511 bytes"},
        {"a text of 8,192 bytes with CR LF", K::rooms,
         "#100\nA room~\n" + [] { std::string t; for (int i = 0; i < 16; ++i) t += repeat('y', 509) + "\n"; return t + repeat('y', 14) + "\n"; }() +
             "~\n1 0 0\nS\n$\n",
         3, "room #100", "description", "8192 bytes"},
        {"'$' with no line break", K::rooms, kRoom + "$", 7, "room #100", "", "no line break"},
        {"a final 'S' with no line break", K::rooms, kRoom.substr(0, kRoom.size() - 1), 6, "room #100", "",
         "no line break"},
        {"a negative room vnum", K::rooms, "#-5" + kRoom.substr(4) + "$\n", 1, "room #-5", "vnum", "negative"},
        {"a sixth direction", K::rooms, "#100\nA~\nB~\n1 0 0\nD6\n~\n~\n0 -1 101\nS\n$\n", 5, "room #100",
         "exit", "directions 0 to 5"},
        {"a stray line between rooms", K::rooms, kRoom + "junk\n" + kRoom + "$\n", 7, "room #100", "",
         "'junk'"},
        {"a room flags line of two numbers", K::rooms, "#100\nA room~\nIt is plain.\n~\n1 0\nS\n$\n", 5, "room #100",
         "flags line", "zone, flags and sector"},
        {"an exit line of two numbers", K::rooms, "#100\nA~\nB~\n1 0 0\nD0\n~\n~\n0 -1\nS\n$\n", 8, "room #100",
         "exit line", "door, key and target"},
        {"a stray line inside a room", K::rooms, "#100\nA~\nB~\n1 0 0\nX\nS\n$\n", 5, "room #100", "",
         "D, E or S"},
        {"a room file that ends inside a text", K::rooms, "#100\nA~\nB\n", 3, "room #100", "description",
         "ends inside this text"},
        {"no number after '#'", K::rooms, "#x\nA~\nB~\n1 0 0\nS\n$\n", 1, "", "", "no room number"},
        {"a mob type other than S and E", K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 X\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n$\n", 8, "mob #100",
         "flags line", "mob type 'X'"},
        {"a mob flags line of three fields", K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n$\n", 8, "mob #100",
         "flags line", "flags, alignment and S or E"},
        {"a mob level line without its damage bonus", K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 S\n1 20 10 1d1+1 1d2\n5 10\n8 8 0\n$\n", 9, "mob #100",
         "level line", "level, thac0"},
        {"an object type line of two fields", K::objects, "#100\nstone~\na stone~\nA stone.~\n~\n12 0\n0 0 0 0\n1 1 1\n$\n",
         6, "object #100", "type line", "type, extra and wear flags"},
        {"an object values line of three", K::objects, "#100\nstone~\na stone~\nA stone.~\n~\n12 0 a\n0 0 0\n1 1 1\n$\n",
         7, "object #100", "values line", "four values"},
        {"an object weight line of two", K::objects, "#100\nstone~\na stone~\nA stone.~\n~\n12 0 a\n0 0 0 0\n1 1\n$\n",
         8, "object #100", "weight line", "weight, cost and rent"},
        {"an affect line of one number", K::objects, kObject + "A\n1\n$\n", 10, "object #100", "affect line",
         "location and modifier"},
        {"a stray line after an object", K::objects, kObject + "X\n$\n", 9, "object #100", "",
         "E, A, '$' or the next object"},
        {"a zone file without its '#'", K::zone, "1\nPlace~\n199 15 2\nS\n$~\n", 1, "", "", "'#' and the zone number"},
        {"a zone header of two numbers", K::zone, "#1\nPlace~\n199 15\nS\n$~\n", 3, "zone #1", "top",
         "top, lifespan and reset mode"},
        {"a negative object vnum", K::objects, "#-7" + kObject.substr(4) + "$\n", 1, "object #-7", "vnum",
         "negative"},
        {"an empty object alias", K::objects, "#100\n~\na~\nb~\n~\n12 0 a\n0 0 0 0\n1 1 1\n$\n", 2,
         "object #100", "alias", "empty alias"},
        {"seven A fields", K::objects, kObject + [] { std::string a; for (int i = 0; i < 7; ++i) a += "A\n1 1\n"; return a; }() + "$\n",
         21, "object #100", "affects", "more than 6"},
        {"a gold line with one number", K::mobiles, "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 S\n1 20 10 1d1+1 1d2+0\n5\n8 8 0\n$\n",
         10, "mob #100", "gold/experience line", "two numbers"},
        {"four numbers on the position line", K::mobiles, "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0 1\n$\n",
         11, "mob #100", "position line", "exactly three"},
        {"an E-spec section ended by \"E\\r\"", K::mobiles, espec_mob + "E\r\n" + kMob + "$\n", 14, "mob #101",
         "E-specs", "next mob"},
        {"a zone in CR LF with its blank line", K::zone, "#1\r\nPlace~\r\n199 15 2\r\n\r\nS\r\n$~\r\n", 4,
         "zone #1", "command", "lone CR"},
        {"a zone header of four numbers", K::zone, "#1\nPlace~\n100 199 15 2\nS\n$~\n", 3, "zone #1", "top",
         "four numbers"},
        {"a zone command line of 255 bytes", K::zone,
         "#1\nPlace~\n199 15 2\nM 0 100 1 100\t* " + repeat('n', 239) + "\nS\n$~\n", 4, "zone #1", "",
         "line of 255 bytes"},
        {"a zone ending in '$~' with no line break", K::zone, "#1\nPlace~\n199 15 2\nM 0 100 1 100\n$~", 5,
         "zone #1", "command", "no line break"},
        {"a shop file with no \"$~\"", K::shops, "CircleMUD v3.0 Shop File~\n#100~\n1\n-1\n", 4, "shop #100",
         "", "$~"},
        {"a CR LF shop file with no \"$~\"", K::shops, "CircleMUD v3.0 Shop File~\r\n#100~\r\n1\r\n-1\r\n", 4,
         "shop #100", "", "$~"},
        {"a shop line of 511 bytes", K::shops, "CircleMUD v3.0 Shop File~\n#100~\n" + repeat('x', 511) + "\n$~\n",
         3, "shop #100", "", "line of 511 bytes"},
        {"a D command of three numbers", K::zone, "#1\nPlace~\n199 15 2\nD 0 100 1\nS\n$~\n", 4, "zone #1",
         "command", "4 numbers after 'D'"},
        {"an M command of three numbers", K::zone, "#1\nPlace~\n199 15 2\nM 0 100 1\nS\n$~\n", 4, "zone #1",
         "command", "4 numbers after 'M'"},
        {"a G command of two numbers", K::zone, "#1\nPlace~\n199 15 2\nG 1 100\nS\n$~\n", 4, "zone #1",
         "command", "3 numbers after 'G'"},
        {"a zone number past 32767", K::zone, "#32768\nPlace~\n199 15 2\nS\n$~\n", 1, "zone #32768",
         "zone number", "up to 32767"},
        {"a top past 32767", K::zone, "#1\nPlace~\n32768 15 2\nS\n$~\n", 3, "zone #1", "top", "above 32767"},
        {"a room vnum past 32767", K::rooms, "#32768" + kRoom.substr(4) + "$\n", 1, "room #32768", "vnum",
         "up to 32767"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto found = preflight_file({c.kind, "f", c.bytes});
        ASSERT_EQ(found.size(), 1u) << (found.empty() ? "" : describe(found[0]));
        EXPECT_EQ(found[0].file, "f");
        EXPECT_EQ(found[0].line, c.line);
        EXPECT_EQ(found[0].record, c.record);
        EXPECT_EQ(found[0].field, c.field);
        EXPECT_NE(found[0].message.find(c.message_part), std::string::npos) << found[0].message;
    }
}

TEST(Preflight, SoundFilesAndTheZoneTopAgainstItsRooms) {
    const std::string rooms = kRoom + "#150\nB~\nC~\n1 0 0\nS\n$\n";
    const std::string espec_mob = "#101\ndog~\na dog~\nA dog.\n~\nWoof.\n~\n0 0 0 E\n"
                                  "1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\nStr: 12\nE\n";
    const std::string mobs = kMob + espec_mob + "$\n";
    const std::string objects = kObject + "E\nstone~\nGrey.\n~\nA\n1 2\n$\n";
    const PreflightInput sound[] = {
        {WorldFileKind::rooms, "z.wld", rooms},
        {WorldFileKind::mobiles, "z.mob", mobs},
        {WorldFileKind::objects, "z.obj", objects},
        {WorldFileKind::zone, "z.zon", kZone},
        {WorldFileKind::shops, "z.shp", "CircleMUD v3.0 Shop File~\n#100~\n1\n-1\n$~\n"},
    };
    for (const auto& found : preflight_files(sound)) ADD_FAILURE() << describe(found);

    // Each rule's last value that the server still takes.
    const std::pair<WorldFileKind, std::string> edges[] = {
        {WorldFileKind::rooms, "#32767\nA room~\n" + repeat('x', 509) + "\n~\n1 0 0\nD5\n~\n~\n0 -1 101\nS\n$\n"},
        {WorldFileKind::objects,
         kObject + [] { std::string a; for (int i = 0; i < 6; ++i) a += "A\n1 1\n"; return a; }() + "$\n"},
        {WorldFileKind::zone, "#32767\nPlace~\n32767 15 2\nD 0 100 1 2\nG 1 100 1\nR 0 100 100\nM 0 100 1 100\t* " +
                                  repeat('n', 238) + "\nS\n$~\n"},
        {WorldFileKind::zone, "#1\r\nPlace~\r\n199 15 2\r\nM 0 100 1 100\r\nS\r\n$~\r\n"},
        {WorldFileKind::zone, "#1\nPlace~\n199 15 2\n\nM 0 100 1 100\nS\n$~\n"},  // LF blank lines are skipped
        {WorldFileKind::shops, "CircleMUD v3.0 Shop File~\r\n#100~\r\n1\r\n-1\r\n$~\r\n"},
        {WorldFileKind::shops, "CircleMUD v3.0 Shop File~\n#100~\n" + repeat('x', 510) + "\n$~\n"},
    };
    for (const auto& [kind, bytes] : edges)
        for (const auto& found : preflight_file({kind, "edge", bytes})) ADD_FAILURE() << describe(found);

    // Cut anywhere, a file still reads to at most one fatal finding.
    for (const PreflightInput& input : sound)
        for (size_t size = 0; size < input.bytes.size(); ++size) {
            int fatal = 0;
            for (const auto& f : preflight_file({input.kind, input.file, input.bytes.substr(0, size)}))
                fatal += f.message.ends_with("the server stops here");
            EXPECT_LE(fatal, 1) << input.file << " cut at " << size;
        }

    const std::string top_zone = "#1\nPlace~\n150 15 2\nS\n$~\n";  // top at the highest room
    const PreflightInput top[] = {{WorldFileKind::zone, "z.zon", top_zone}, {WorldFileKind::rooms, "z.wld", rooms}};
    for (const auto& f : preflight_files(top)) ADD_FAILURE() << describe(f);
    const std::string low_zone = "#1\nPlace~\n149 15 2\nS\n$~\n";
    const PreflightInput low[] = {{WorldFileKind::zone, "z.zon", low_zone},
                                  {WorldFileKind::rooms, "z.wld", rooms}};
    auto found = preflight_files(low);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(describe(found[0]),
              "z.zon line 3, zone #1, top: top 149 is below room #150 of z.wld: the server puts "
              "the rooms above the top in no zone, or in the next");
    // A long zone name or author in the banner stays within the line buffer.
    FormatSettings long_names;
    long_names.zone_name = std::string(300, 'z');
    long_names.author = std::string(300, 'a');
    const std::string banner_rooms = room_file_text(World{}, long_names);
    EXPECT_TRUE(preflight_file({WorldFileKind::rooms, "b.wld", banner_rooms}).empty()) << banner_rooms;
    EXPECT_EQ(world_file_kind("a/B.WLD"), WorldFileKind::rooms);
    EXPECT_EQ(world_file_kind("x.qzp"), std::nullopt);
}

TEST(TextLimits, MeasuredAsTheServerReadsTheText) {
    using Kind = TextLimitProblem::Kind;
    struct Row {
        std::string text;
        Kind kind;
        size_t line;
    } rows[] = {
        {repeat('a', 509), Kind::none, 0},
        {repeat('a', 510), Kind::line_too_long, 1},  // with its '~' the line break is left over
        {"x\n" + repeat('a', 509) + "\nend", Kind::none, 0},
        {"x\n" + repeat('a', 510) + "\nend", Kind::line_too_long, 2},  // CR LF would overrun
        {"x\n" + repeat('a', 508) + "\r\nend", Kind::none, 0},
        {"x\n" + repeat('a', 509) + "\r\nend", Kind::line_too_long, 2},  // the CR is read too
        {repeat('b', 8191), Kind::line_too_long, 1},
    };
    for (const Row& r : rows) {
        const TextLimitProblem p = check_text_limits(r.text);
        EXPECT_EQ(p.kind, r.kind) << r.text.size();
        EXPECT_EQ(p.line, r.line) << r.text.size();
    }
    // 8,191 bytes once each line end counts twice is the most the server takes.
    std::string text;
    while (text.size() + 400 < 8191) text += repeat('c', 399) + "\n";
    const size_t ends = text.size() / 400;
    text += repeat('d', 8191 - text.size() - ends);
    EXPECT_FALSE(check_text_limits(text));
    text += "d";
    EXPECT_EQ(check_text_limits(text).kind, Kind::text_too_long);
    EXPECT_EQ(check_text_limits(text).length, 8192u);
}

TEST(Preflight, NothingInWhatOurWritersMakeOfTheCorpus) {
    const auto corpus = test::corpus_dir() / "circle30";
    if (!std::filesystem::is_directory(corpus)) GTEST_SKIP() << "no corpus at " << corpus;
    FormatSettings plain, options;
    options.alpha_bitvectors = true;
    options.new_format = false;
    options.save_obj_levels = true;
    options.save_mat_specs = true;
    int files = 0;
    for (const auto& format : testkit::world_formats())
        for (const auto& entry : std::filesystem::directory_iterator(corpus / format.folder)) {
            const std::string original = test::read_bytes(entry.path().string());
            const auto kind = world_file_kind(entry.path().string());
            ASSERT_TRUE(kind) << entry.path();
            // The corpus boots: nothing fatal in it to begin with.
            for (const auto& f : preflight_file({*kind, entry.path().string(), original}))
                EXPECT_EQ(f.message.find("server stops"), std::string::npos) << describe(f);
            for (const FormatSettings& settings : {plain, options}) {
                World world;
                MessageRecorder messages;
                ASSERT_TRUE(format.read(world, original, settings, messages)) << entry.path();
                const std::string saved = format.text(world, settings, messages);
                for (const auto& f : preflight_file({*kind, entry.path().string(), saved}))
                    ADD_FAILURE() << describe(f);
            }
            ++files;
        }
    EXPECT_GT(files, 60);
}
}  // namespace preflight_test
