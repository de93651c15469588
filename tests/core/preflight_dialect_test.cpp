// The preflight walks of tbaMUD and CircleMUD 3.1 files: each hand-made
// fault gives its one finding where the server meets it, sound files and
// the real corpora of both servers give none.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <span>

#include "analysis/preflight.h"
#include "test_support.h"

using namespace tarnwick;

namespace preflight_dialect_test {

using K = WorldFileKind;
constexpr Dialect kTba = Dialect::TbaMud;
constexpr Dialect k31 = Dialect::Circle31;

const std::string kTbaRoom = "#100\nA room~\nIt is plain.\n~\n1 0 0 0 0 0\nS\nT 100\n";
const std::string kTbaMob = "#100\ncat~\na cat~\nA cat sits here.\n~\nIt purrs.\n~\n"
                            "0 0 0 0 0 0 0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n";
const std::string kTbaObject =
    "#100\nstone~\na stone~\nA stone lies here.~\n~\n12 0 0 0 0 a 0 0 0 0 0 0 0\n0 0 0 0\n1 1 1 0 0\n";
const std::string kTbaZone = "#1\nNone.~\nPlace~\n100 199 15 2\nM 0 100 1 100\nT 0 0 101 -1\nS\n$~\n";
const std::string k31Zone = "#1\nPlace~\n100 199 15 2\nM 0 100 1 100\nG 1 100 1\nS\n$~\n";

std::string repeat(char c, size_t n) { return std::string(n, c); }

// A zone file with `commands` between a sound header and its end.
std::string tba_zone(const std::string& commands) {
    return "#1\nNone.~\nPlace~\n100 199 15 2\n" + commands + "$~\n";
}

struct Row {
    const char* what;
    Dialect dialect;
    K kind;
    std::string bytes;
    int line;
    const char* record;
    const char* field;
    const char* message_part;
    std::string rooms = {};  // a rooms file read with the zone file, when set
    bool warning = false;    // refused only under some of the server's settings
};


TEST(PreflightDialects, FindsEachServerFaultWhereTheServerMeetsIt) {
    const std::string room_tail = "It is plain.\n~\n";
    const Row rows[] = {
        {"a room flags line of one word", kTba, K::rooms, "#100\nA room~\n" + room_tail + "1 0 0\nS\n$\n",
         5, "room #100", "flags line", "writes the whole file again"},
        {"a '~' inside a line ends no tbaMUD text", kTba, K::rooms,
         "#100\nA room~ here\n" + room_tail + "1 0 0 0 0 0\nS\n$\n", 5, "room #100", "description",
         "ends inside this text"},
        {"an eleventh direction", kTba, K::rooms,
         "#100\nA~\nB~\n1 0 0 0 0 0\nD10\n~\n~\n0 -1 101\nS\n$\n", 5, "room #100", "exit",
         "directions 0 to 9"},
        {"a diagonal exit, which the server reads only with diagonal_dirs on", kTba, K::rooms,
         "#100\nA~\nB~\n1 0 0 0 0 0\nD0\n~\n~\n0 -1 101\nD9\n~\n~\n0 -1 101\nS\n$\n", 9, "room #100",
         "exit", "only with diagonal_dirs turned on in its lib/etc/config", {}, true},
        {"a trigger line with no vnum", kTba, K::rooms, kTbaRoom + "  T\n$\n", 8, "room #100",
         "triggers", "without a trigger vnum"},
        {"a text line of 511 bytes", kTba, K::rooms, "#100\nA room~\n" + repeat('x', 511) + "\n~\n1 0 0 0 0 0\nS\n$\n",
         3, "room #100", "description", "text line of 511 bytes"},
        {"a text of 49,152 bytes with CR LF", kTba, K::rooms,
         "#100\nA room~\n" + [] { std::string t; for (int i = 0; i < 96; ++i) t += repeat('y', 510) + "\n"; return t; }() +
             "~\n1 0 0 0 0 0\nS\n$\n",
         3, "room #100", "description", "49152 bytes"},
        {"a mob flags line of the older layout", kTba, K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n$\n", 8,
         "mob #100", "flags line", "writes the whole file again"},
        {"a mob flags line of five fields", kTba, K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\n$\n", 8,
         "mob #100", "flags line", "four words of flags"},
        {"an object type line of the older layout", kTba, K::objects,
         "#100\nstone~\na stone~\nA stone.~\n~\n12 0 a\n0 0 0 0\n1 1 1\n$\n", 6, "object #100",
         "type line", "writes the whole file again"},
        {"an object weight line of two numbers", kTba, K::objects,
         "#100\nstone~\na stone~\nA stone.~\n~\n12 0 0 0 0 a 0 0 0 0 0 0 0\n0 0 0 0\n1 1\n$\n", 8,
         "object #100", "weight line", "weight, cost and rent"},
        {"a CircleMUD 3.0 zone header", kTba, K::zone, "#1\nPlace~\n199 15 2\nM 0 100 1 100\nS\n$~\n",
         3, "zone #1", "numbers line", "CircleMUD 3.0 header"},
        {"a CircleMUD 3.1 zone header", kTba, K::zone, "#1\nPlace~\n100 199 15 2\nM 0 100 1 100\nS\n$~\n",
         3, "zone #1", "builders",
         "no builders line"},
        {"an indented command line", kTba, K::zone, tba_zone("M 0 100 1 100\n  O 0 100 1 100\nS\n"), 6,
         "zone #1", "command", "not counted"},
        {"a tab after the command letter", kTba, K::zone, tba_zone("M\t0 100 1 100\nS\n"), 5, "zone #1",
         "command", "not counted"},
        {"commands after the S", kTba, K::zone, tba_zone("S\nM 0 100 1 100\n"), 6, "zone #1", "command",
         "never read"},
        {"a '$' where the S belongs", kTba, K::zone, tba_zone("M 0 100 1 100\n"), 6, "zone #1",
         "command", "'$' that ends the commands"},
        {"a G command of three numbers", kTba, K::zone, tba_zone("M 0 100 1 100\nG 1 100 1\nS\n"), 6,
         "zone #1", "command", "4 numbers after 'G'"},
        {"a V command without its value", kTba, K::zone, tba_zone("V 0 2 0 100 name\nS\n"), 5, "zone #1",
         "command", "a variable name and a value"},
        {"a room above the top", kTba, K::zone, "#1\nNone.~\nPlace~\n100 150 15 2\nS\n$~\n", 4, "zone #1",
         "top", "another zone's bot and top", kTbaRoom + "#160\nB~\nC~\n1 0 0 0 0 0\nS\n$\n"},
        {"3.1: a CircleMUD 3.0 zone header", k31, K::zone, "#1\nPlace~\n199 15 2\nS\n$~\n", 3, "zone #1",
         "numbers line", "CircleMUD 3.0 header"},
        {"3.1: a T command, which 3.1 does not count", k31, K::zone,
         "#1\nPlace~\n100 199 15 2\nT 0 0 101 -1\nS\n$~\n", 4, "zone #1", "command", "not counted"},
        {"a tbaMUD values line of three", kTba, K::objects,
         "#100\nstone~\na stone~\nA stone.~\n~\n12 0 0 0 0 a 0 0 0 0 0 0 0\n0 0 0\n1 1 1 0 0\n$\n", 7,
         "object #100", "values line", "four values"},
        {"seven tbaMUD A fields", kTba, K::objects,
         kTbaObject + [] { std::string a; for (int i = 0; i < 7; ++i) a += "A\n1 1\n"; return a; }() + "$\n",
         21, "object #100", "affects", "more than 6"},
        {"an empty tbaMUD object alias", kTba, K::objects,
         "#100\n~\na~\nb~\n~\n12 0 0 0 0 a 0 0 0 0 0 0 0\n0 0 0 0\n1 1 1 0 0\n$\n", 2, "object #100",
         "alias", "empty alias"},
        {"a tbaMUD gold line of one number", kTba, K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 0 0 0 0 0 0 S\n1 20 10 1d1+1 1d2+0\n5\n8 8 0\n$\n",
         10, "mob #100", "gold/experience line", "two numbers"},
        {"a tbaMUD position line of two numbers", kTba, K::mobiles,
         "#100\ncat~\na cat~\nA cat.\n~\nPurr.\n~\n0 0 0 0 0 0 0 0 0 S\n1 20 10 1d1+1 1d2+0\n5 10\n8 8\n$\n",
         11, "mob #100", "position line", "three numbers"},
        {"zone flags without their levels", kTba, K::zone,
         "#1\nNone.~\nPlace~\n100 199 15 2 0\nS\n$~\n", 4, "zone #1", "flags", "four flag words"},
        {"zone flags without their second level", kTba, K::zone,
         "#1\nNone.~\nPlace~\n100 199 15 2 0 0 0 0 1\nS\n$~\n", 4, "zone #1", "flags", "four flag words"},
        {"a command line of blanks", kTba, K::zone, tba_zone("  \nS\n"), 5, "zone #1", "command",
         "a line of blanks"},
        {"3.1: a command line of blanks", k31, K::zone, "#1\nPlace~\n100 199 15 2\n \t\nS\n$~\n", 4,
         "zone #1", "command", "a line of blanks"},
        {"a zone with no command lines", kTba, K::zone, "#1\nNone.~\nPlace~\n100 199 15 2\n", 0, "zone #1",
         "command", "no command lines"},
        {"a vnum of 65535", kTba, K::rooms, "#65535" + kTbaRoom.substr(4) + "$\n", 1, "room #65535", "vnum",
         "up to 65534"},
        {"bot one above top", kTba, K::zone, "#1\nNone.~\nPlace~\n200 199 15 2\nS\n$~\n", 4, "zone #1", "bot",
         "above top"},
        {"3.1: a top past 32767", k31, K::zone, "#1\nPlace~\n100 32768 15 2\nS\n$~\n", 3, "zone #1", "top",
         "above 32767"},
        {"3.1: a room just above the top", k31, K::zone, "#1\nPlace~\n100 100 15 2\nS\n$~\n", 3, "zone #1",
         "top", "in the next zone", "#100\nA~\nB~\n1 0 0\nS\n#101\nA~\nB~\n1 0 0\nS\n$\n"},
        {"3.1: a room below the bot", k31, K::zone, "#1\nPlace~\n150 199 15 2\nS\n$~\n", 3, "zone #1",
         "bot", "below its zone's bot", "#100\nA~\nB~\n1 0 0\nS\n$\n"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        std::vector<PreflightFinding> found;
        if (r.rooms.empty()) {
            found = preflight_file({r.kind, "f", r.bytes, r.dialect});
        } else {
            const PreflightInput both[] = {{r.kind, "f", r.bytes, r.dialect},
                                           {K::rooms, "r.wld", r.rooms, r.dialect}};
            found = preflight_files(both);
        }
        ASSERT_EQ(found.size(), 1u) << (found.empty() ? "" : describe(found[0]));
        EXPECT_EQ(found[0].file, "f");
        EXPECT_EQ(found[0].line, r.line);
        EXPECT_EQ(found[0].record, r.record);
        EXPECT_EQ(found[0].field, r.field);
        EXPECT_NE(found[0].message.find(r.message_part), std::string::npos) << found[0].message;
        EXPECT_EQ(found[0].warning, r.warning);
    }
}

TEST(PreflightDialects, SoundFilesOfEachServerCutAnywhereStopOnce) {
    // What each server reads and CircleMUD 3.0 would not: diagonal exits
    // (a warning only: the server's diagonal_dirs decides), trigger lines,
    // an E-spec section ended by "E" and a CR, a '~' inside a tbaMUD text
    // line, a last line with no line break, a fourth number on a 3.1 mob's
    // position line.
    const std::string tba_rooms = kTbaRoom + "#101\nA ~ hall~\nLong.\n~\n1 a 0 0 0 0\nD6\n~\n~\n0 -1 100\nS\n$\n";
    const std::string tba_mobs = kTbaMob + "T 101\n#101\ndog~\na dog~\nA dog.\n~\nWoof.\n~\n"
                                           "0 0 0 0 0 0 0 0 0 E\n1 20 10 1d1+1 1d2+0\n5 10\n8 8 0\nStr: 12\nE\r\n$\n";
    const std::string tba_objects = kTbaObject + "T 102\nE\nstone~\nGrey.\n~\nA\n1 2\n$~\n";
    const std::string shops = "CircleMUD v3.0 Shop File~\n#100~\n1\n-1\n$~\n";
    const PreflightInput sound[] = {
        {K::rooms, "z.wld", tba_rooms, kTba},    {K::mobiles, "z.mob", tba_mobs, kTba},
        {K::objects, "z.obj", tba_objects, kTba}, {K::zone, "z.zon", kTbaZone, kTba},
        {K::shops, "z.shp", shops, kTba},
    };
    for (const auto& found : preflight_files(sound))
        if (!found.warning) ADD_FAILURE() << describe(found);
    const PreflightInput sound31[] = {
        {K::rooms, "y.wld", "#100\nA~\nB~\n1 0 0\nS\n$", k31},
        {K::mobiles, "y.mob", "#101\ndog~\na dog~\nA dog.\n~\nWoof.\n~\n0 0 0 E\n"
                              "1 20 10 1d1+1 1d2+0\n5 10\n8 8 0 1\nStr: 12\nE\r\n$\n", k31},
        {K::zone, "y.zon", k31Zone, k31},
    };
    for (const auto& found : preflight_files(sound31)) ADD_FAILURE() << describe(found);
    const std::string six_affects =
        kTbaObject + [] { std::string a; for (int i = 0; i < 6; ++i) a += "A\n1 1\n"; return a; }() + "$\n";
    // Each rule's last value that the server still takes: the highest vnum
    // and direction, six A fields, bot equal to top and to the only room,
    // every flag word and level.
    const PreflightInput edges[] = {
        {K::objects, "e.obj", six_affects, kTba},
        {K::zone, "e.zon", "#1\nNone.~\nPlace~\n100 100 15 2 0 0 0 0 1 30\nS\n$~\n", kTba},
        {K::rooms, "e.wld", "#100\nA~\nB~\n1 0 0 0 0 0\nS\n$\n", kTba},
    };
    for (const auto& found : preflight_files(edges)) ADD_FAILURE() << describe(found);
    for (const auto& found :
         preflight_file({K::rooms, "e.wld", "#65534\nA~\nB~\n1 0 0 0 0 0\nD9\n~\n~\n0 -1 100\nS\n$\n", kTba}))
        if (!found.warning) ADD_FAILURE() << describe(found);
    const PreflightInput edges31[] = {
        {K::zone, "e.zon", "#1\nPlace~\n100 32767 15 2\nS\n$~\n", k31},
        {K::rooms, "e.wld", "#100\nA~\nB~\n1 0 0\nS\n#32767\nA~\nB~\n1 0 0\nS\n$\n", k31},
    };
    for (const auto& found : preflight_files(edges31)) ADD_FAILURE() << describe(found);

    for (std::span<const PreflightInput> inputs : {std::span<const PreflightInput>(sound),
                                                   std::span<const PreflightInput>(sound31)})
        for (const PreflightInput& input : inputs)
            for (size_t size = 0; size < input.bytes.size(); ++size) {
                int fatal = 0;
                for (const auto& f : preflight_file({input.kind, input.file, input.bytes.substr(0, size), input.dialect}))
                    fatal += f.message.ends_with("the server stops here");
                EXPECT_LE(fatal, 1) << input.file << " cut at " << size;
            }
}

TEST(PreflightDialects, NothingInTheRealWorldsOfEachServer) {
    const auto shared = test::shared_dir();
    const std::pair<const char*, Dialect> corpora[] = {{"corpus-tbamud", kTba},
                                                       {"corpus-circle31", k31}};
    int zones = 0;
    for (const auto& [folder, dialect] : corpora) {
        const auto corpus = shared / folder;
        if (!std::filesystem::is_directory(corpus / "zon")) GTEST_SKIP() << "no corpus at " << corpus;
        // Each zone's files together, as a save walks them.
        std::map<std::string, std::vector<std::pair<std::string, std::string>>> files;
        for (const char* type : {"wld", "mob", "obj", "zon", "shp"})
            for (const auto& entry : std::filesystem::directory_iterator(corpus / type))
                files[entry.path().stem().string()].emplace_back(
                    entry.path().string(), test::read_bytes(entry.path().string()));
        for (const auto& [zone, paths] : files) {
            std::vector<PreflightInput> inputs;
            for (const auto& [path, bytes] : paths)
                inputs.push_back({*world_file_kind(path), path, bytes, dialect});
            for (const auto& f : preflight_files(inputs)) ADD_FAILURE() << describe(f);
            ++zones;
        }
    }
    EXPECT_GT(zones, 70);
}
}  // namespace preflight_dialect_test
