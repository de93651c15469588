// The trigger script check: a table of scripts, each with the one finding
// it must give, the engine's command tables against the server's source,
// the editor's indentation and colouring, and every trigger of the tbaMUD
// corpus, which gives only the findings listed here (each really wrong).

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <span>
#include <sstream>

#include "analysis/checker.h"
#include "analysis/script_commands.h"
#include "analysis/trigger_script.h"
#include "project/record_places.h"
#include "project/world_folder.h"
#include "test_support.h"
#include "world/messages.h"
#include "world/trigger_types.h"
#include "world/world.h"

namespace tarnwick {
namespace trigger_script_test {

// Zone 10 (vnums 1000-1099) of tbaMUD: room 1000, mob 1000, object 1000,
// and trigger 1001 of the case's kind attached to the record of its kind.
World zone_with(int attach, const std::string& script, int32_t types = 1 << 1,
                const std::string& arglist = "100") {
    World w;
    w.dialect = Dialect::TbaMud;
    w.zone.zone_number = 10;
    w.zone.bot = 1000;
    w.zone.top = 1099;
    w.zone.name = "Test zone";
    room_data r;
    r.vnum = 1000;
    r.name = "A room";
    r.description = "A room.\n";
    w.rooms.push_back(r);
    char_data m;
    m.vnum = 1000;
    m.alias = "guard";
    m.short_name = "a guard";
    m.level = 10;
    w.mobs.push_back(m);
    obj_record o;
    o.vnum = 1000;
    o.alias = "box";
    o.short_description = "a box";
    w.objects.push_back(o);
    trig_data t;
    t.vnum = 1001;
    t.name = "case";
    t.attach_type = attach;
    t.trigger_types = types;
    t.arglist = arglist;
    t.script = script;
    w.triggers.push_back(t);
    // The mob and the object are loaded, as the checker expects of them.
    for (char letter : {'M', 'O'}) {
        zCommand load;
        load.command = letter;
        load.if_flag = 0;
        load.arg1 = 1000;
        load.arg2 = 1;
        load.arg3 = 1000;
        w.zone.commands.push_back(load);
    }
    if (attach == kAttachRoom) w.rooms[0].triggers = {1001};
    if (attach == kAttachMobile) w.mobs[0].triggers = {1001};
    if (attach == kAttachObject) w.objects[0].triggers = {1001};
    return w;
}

constexpr int M = kAttachMobile, O = kAttachObject, R = kAttachRoom;

struct Case {
    int attach;
    const char* script;
    const char* check;  // nullptr: no finding
    Severity severity;
    int line;
    const char* says;   // a part of the message
};

const Case kCases[] = {
    // Blocks.
    {R, "if %actor.is_pc%\n  %echo% hi", "script-block", Severity::Error, 1, "'if' without 'end'"},
    {R, "%echo% hi\nend", "script-block", Severity::Error, 2, "'end' without an 'if'"},
    {R, "else\n%echo% hi", "script-block", Severity::Error, 1, "'else' without an 'if'"},
    {R, "while 1\n  %echo% x", "script-block", Severity::Error, 1, "'while' without 'done'"},
    {R, "done", "script-block", Severity::Error, 1, "'done' without a 'while' or 'switch'"},
    {R, "case 1\n%echo% a", "script-block", Severity::Error, 1, "'case' outside a switch"},
    {R, "break", "script-block", Severity::Error, 1, "'break' outside a while or switch"},
    {R, "while 1\n  if 1\ndone", "script-block", Severity::Error, 3,
     "'done' closes the 'while' of line 1, but the 'if' of line 2 inside it is still open"},
    {R, "if 1\nelse\nelse\nend", "script-block", Severity::Error, 3, "after the 'else'"},
    {R, "switch 1\n  %echo% before\n  case 1\n  break\ndone", "script-block", Severity::Warning, 2,
     "never runs"},
    {R, "switch 1\n  case 1\n    if 1\n  case 2\n    end\ndone", "script-block", Severity::Error, 4,
     "'case' inside the 'if' of line 3"},
    {R, "if\n%echo% x", "script-block", Severity::Error, 1, "'if' without a blank and a condition"},
    {R, "if 1\nelseif(2)\nend", "script-block", Severity::Error, 2, "'elseif' without a blank after it"},
    // Commands, by the kind of record.
    {R, "say hello", "script-command", Severity::Error, 1, "'say' is no room command"},
    {O, "wecho hi", "script-command", Severity::Error, 1, "an object's is 'oecho'"},
    {M, "xyzzy", "script-command", Severity::Warning, 1, "\"Huh?!\""},
    {M, "oecho hi", "script-command", Severity::Warning, 1, "a mobile's is 'mecho'"},
    {O, "otimer 5\nmload obj 1000", "script-command", Severity::Error, 2, "'mload' is a mobile command"},
    {R, "wait", "script-command", Severity::Error, 1, "'wait' without a blank and an argument"},
    {R, "%transform% 1000", "script-command", Severity::Warning, 1, "a room has no %transform%"},
    {M, "%move% %actor% 1000", "script-command", Severity::Warning, 1, "a mobile has no %move%"},
    // Variables.
    {R, "%echo% %actor.name", "script-variable", Severity::Warning, 1, "'%actor.name' is left open"},
    {R, "%echo% %actor.name(%arg%%", "script-variable", Severity::Warning, 1, "left open"},
    // Arguments the commands refuse.
    {R, "%load% mobile 1000", "script-argument", Severity::Error, 1, "only a 'mob' or an 'obj'"},
    {R, "%load% obj pie", "script-argument", Severity::Error, 1, "the vnum must be a number"},
    {R, "%load% obj", "script-argument", Severity::Error, 1, "bad syntax"},
    {R, "%door% 1000 sideways flags a", "script-argument", Severity::Error, 1, "'sideways' is no direction"},
    {R, "%door% 1000 north colour a", "script-argument", Severity::Error, 1, "'colour' is no door field"},
    {O, "%transform% sword", "script-argument", Severity::Error, 1, "the vnum to become"},
    // Vnums of records that do not exist, in the zone or elsewhere.
    {R, "%load% obj 1050", "script-vnum", Severity::Error, 1, "%load% obj: object #1050 does not exist"},
    {R, "%load% mob 1050", "script-vnum", Severity::Error, 1, "mob #1050 does not exist"},
    {M, "mload obj 1050", "script-vnum", Severity::Error, 1, "mload obj: object #1050"},
    {R, "%load% obj 3050", "script-elsewhere", Severity::Note, 1, "belongs to zone 30"},
    {R, "%teleport% %actor% 1050", "script-vnum", Severity::Error, 1, "room #1050"},
    {M, "mteleport all 1050", "script-vnum", Severity::Error, 1, "room #1050"},
    {M, "mgoto 1050", "script-vnum", Severity::Error, 1, "room #1050"},
    {R, "%door% 1000 north room 1050", "script-vnum", Severity::Error, 1, "%door% room: room #1050"},
    {R, "%door% 1050 north purge", "script-vnum", Severity::Error, 1, "%door%: room #1050"},
    {R, "%door% 1000 n key 1050", "script-vnum", Severity::Error, 1, "%door% key: object #1050"},
    {M, "mtransform 1050", "script-vnum", Severity::Error, 1, "mob #1050"},
    {M, "mtransform -1050", "script-vnum", Severity::Error, 1, "mob #1050"},
    {O, "%transform% 1050", "script-vnum", Severity::Error, 1, "object #1050"},
    {R, "attach 1099 %self%", "script-vnum", Severity::Error, 1, "attach: trigger #1099"},
    {R, "%at% 1050 %echo% hi", "script-vnum", Severity::Error, 1, "room #1050"},
    {M, "if %self.has_item(1050)%\n  say yes\nend", "script-vnum", Severity::Error, 1, "object #1050"},
    {M, "%purge% %self.inventory(1050)%", "script-vnum", Severity::Error, 1, "object #1050"},
    {R, "eval n %findmob.1050(1000)%", "script-vnum", Severity::Error, 1, "%findmob%: room #1050"},
    {R, "%zoneecho% 5000 hello", "script-elsewhere", Severity::Note, 1, "vnum 5000 belongs to zone 50"},
    // Scripts that are sound.
    {R, "if %actor.is_pc%\n  %echo% hi\nelseif %actor.level% > 3\n  %send% %actor% ho\nelse\nend", nullptr, Severity::Note, 0, ""},
    {R, "* a comment with an if\nswitch %random.3%\n  case 1\n  case 2\n    %echo% a\n  break\n  default\n"
        "    %echo% b\n  break\ndone", nullptr, Severity::Note, 0, ""},
    {R, "set i 0\nwhile %i% < 3\n  eval i %i% + 1\n  if %i% == 2\n    break\n  end\ndone\nhalt", nullptr, Severity::Note, 0, ""},
    {R, "%echo% 100%% sure\n%load% obj 1000\n%load% m 1000\n%teleport% %actor% to 1000", nullptr, Severity::Note, 0, ""},
    {R, "%door% 1000 north room 1000\n%door% 1000 s flags abc\nattach 1001 %self%\nwait 2 s", nullptr, Severity::Note, 0, ""},
    {O, "oech hi\n%send% %actor% ok\notransform 1000\n%purge% %self%", nullptr, Severity::Note, 0, ""},
    {M, "say hello\ndance\n'hi\nmecho hi\n%force% %actor% look\nmtransform -1000\nreturn 0", nullptr, Severity::Note, 0, ""},
    {M, "set load 5\n%load% foo", nullptr, Severity::Note, 0, ""},
    {R, "%zoneecho% 1000 hello\n%echo% %actor.name%\nif %actor.has_item(1000)%\nend", nullptr, Severity::Note, 0, ""},
    {R, "%echo% %self.name%", nullptr, Severity::Note, 0, ""},
};

TEST(TriggerScript, EachScriptGivesItsFinding) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.script));
        const auto found = check_zone(zone_with(c.attach, c.script));
        if (!c.check) {
            for (const auto& f : found) ADD_FAILURE() << record_label(f) << ": " << f.message;
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << (found.empty() ? "no finding" : found[0].message);
        const Finding& f = found[0];
        EXPECT_EQ(f.check, c.check);
        EXPECT_EQ(f.severity, c.severity);
        EXPECT_EQ(f.kind, RecordKind::Trigger);
        EXPECT_EQ(f.vnum, 1001);
        EXPECT_EQ(f.field, "script." + std::to_string(c.line));
        EXPECT_EQ(f.message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << f.message;
        EXPECT_NE(f.message.find(c.says), std::string::npos) << f.message;
        // Name, attach line and argument list come first: script line 1 is
        // the record's fifth line.
        EXPECT_EQ(f.record_line, 4 + c.line);
    }
}

TEST(TriggerScript, TriggerAndCommandFindings) {
    // A command trigger needs words to match.
    auto found = check_zone(zone_with(R, "%echo% hi", kTrigCommand, ""));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].check, "trigger-argument");
    EXPECT_EQ(found[0].field, "arglist");
    EXPECT_EQ(found[0].record_line, 0);
    EXPECT_NE(found[0].message.find("a Command trigger with no argument list"), std::string::npos);
    EXPECT_TRUE(check_zone(zone_with(O, "%echo% hi", kTrigSpeech, "")).empty())
        << "objects have no speech triggers";

    // A mobile's word that another trigger's Command argument takes.
    World w = zone_with(M, "crank lever");
    EXPECT_EQ(check_zone(w).size(), 1u);
    trig_data lever;
    lever.vnum = 1002;
    lever.attach_type = kAttachRoom;
    lever.trigger_types = kTrigCommand;
    lever.arglist = "cra";
    lever.script = "%echo% The lever moves.";
    w.triggers.push_back(lever);
    w.rooms[0].triggers.push_back(1002);
    for (const auto& f : check_zone(w)) ADD_FAILURE() << f.message;

    // A trigger nothing attaches.
    w.mobs[0].triggers.clear();
    found = check_zone(w);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].check, "trigger-unused");
    EXPECT_EQ(found[0].severity, Severity::Note);
    EXPECT_EQ(found[0].vnum, 1001);

    // Triggers out of vnum order.
    World order = zone_with(R, "%echo% hi");
    order.triggers.insert(order.triggers.begin(), order.triggers[0]);
    order.triggers[1].vnum = 1000;
    order.rooms[0].triggers = {1000, 1001};
    found = check_zone(order);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].check, "trigger-order");
    EXPECT_EQ(found[0].vnum, 1000);

    // A T command needs its room, and a mob or object loaded before it.
    World t = zone_with(R, "%echo% hi");
    t.rooms[0].triggers.clear();
    zCommand cmd;
    cmd.command = 'T';
    cmd.if_flag = 0;
    cmd.arg1 = kAttachRoom;
    cmd.arg2 = 1001;
    cmd.arg3 = 1000;
    t.zone.commands.push_front(cmd);
    for (const auto& f : check_zone(t)) ADD_FAILURE() << record_label(f) << ": " << f.message;
    t.zone.commands.front().arg3 = 1050;
    found = check_zone(t);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].field, "arg3");
    EXPECT_EQ(found[0].severity, Severity::Error);
    t.zone.commands.front().arg3 = 1000;
    t.triggers[0].attach_type = kAttachMobile;
    t.zone.commands.front().arg1 = kAttachMobile;
    found = check_zone(t);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_NE(found[0].message.find("no M command before it"), std::string::npos);
}

TEST(TriggerScript, FindingsArePlacedOnTheirFileLine) {
    World w = zone_with(R, "%echo% ok\n%load% obj 1050");
    w.triggers[0].name = "two\nlines";
    auto found = check_zone(w);
    ASSERT_EQ(found.size(), 1u);
    RecordPlaces places;
    places.index_text("10.trg", "#1000\nother~\n2 b 100\n~\n* x\n~\n#1001\ntwo\nlines~\n2 b 100\n100~\n"
                                "%echo% ok\n%load% obj 1050\n~\n$~\n", RecordKind::Trigger);
    places.locate(found);
    EXPECT_EQ(found[0].file, "10.trg");
    EXPECT_EQ(found[0].line, 13);
}

TEST(TriggerScript, DepthsIndentBlocksAsTbaMudFilesDo) {
    const std::string script =
        "if a\nset x 1\nelseif b\nwhile c\nswitch d\ncase 1\necho\nbreak\ndefault\nnop x\ndone\n"
        "done\nelse\nend\n* note\nend";
    const auto lines = script_lines(script);
    EXPECT_EQ(script_depths(lines),
              (std::vector<int>{0, 1, 0, 1, 2, 3, 4, 3, 3, 4, 2, 1, 0, 0, 0, 0}));
    EXPECT_EQ(indented_line("   case 2", 3), "      case 2");
    EXPECT_EQ(script_lines("a\r\nb\n"), (std::vector<std::string_view>{"a", "b"}));
    EXPECT_EQ(script_line_kind("  ENDIF"), ScriptLineKind::End);
    EXPECT_EQ(script_line_kind("if"), ScriptLineKind::Command);
    EXPECT_EQ(script_line_kind("elseif x"), ScriptLineKind::ElseIf);
    EXPECT_EQ(script_line_kind("  * if"), ScriptLineKind::Comment);
}

TEST(TriggerScript, TokensColourCommandsVariablesAndComments) {
    using K = ScriptTokenKind;
    auto kinds = [](std::string_view line, int attach) {
        std::vector<std::tuple<size_t, size_t, K>> out;
        for (const auto& t : script_tokens(line, attach)) out.emplace_back(t.start, t.length, t.kind);
        return out;
    };
    using T = std::tuple<size_t, size_t, K>;
    EXPECT_EQ(kinds("  * a comment", R), (std::vector<T>{{2, 11, K::Comment}}));
    EXPECT_EQ(kinds("if %a% == 1", R), (std::vector<T>{{0, 2, K::Keyword}, {3, 3, K::Variable}}));
    EXPECT_EQ(kinds("%echo% hi %actor.name%", R),
              (std::vector<T>{{0, 6, K::Command}, {10, 12, K::Variable}}));
    EXPECT_EQ(kinds("wecho %x", R), (std::vector<T>{{0, 5, K::Command}, {6, 2, K::OpenVariable}}));
    EXPECT_EQ(kinds("wecho hi", O), (std::vector<T>{}));
    EXPECT_EQ(kinds("say hi", M), (std::vector<T>{{0, 3, K::Command}}));
    EXPECT_EQ(kinds("wait 5", M), (std::vector<T>{{0, 4, K::Keyword}}));
    EXPECT_EQ(kinds("  endif", M), (std::vector<T>{{2, 5, K::Keyword}}));
}

TEST(TriggerScript, TriggerTypeNamesAreTheServers) {
    EXPECT_EQ(trigger_type_names(M).size(), 21u);
    EXPECT_EQ(trigger_type_names(O).size(), 20u);
    EXPECT_EQ(trigger_type_names(R).size(), 20u);
    EXPECT_EQ(trigger_types_text(R, kTrigCommand | (1 << 6)), "Command, Enter");
    EXPECT_EQ(trigger_types_text(O, 1 << 25), "bit 25");
}

// ---- Against the server's source

std::filesystem::path tbamud_source() {
    return test::shared_dir() / "server-tbamud" / "tbamud";
}

// The quoted names between `start` and the next "\n" entry of a C table.
std::vector<std::string> table_names(const std::string& source, const std::string& start) {
    std::vector<std::string> out;
    const size_t from = source.find(start);
    if (from == std::string::npos) return out;
    const size_t to = source.find("\"\\n\"", from);
    static const std::regex entry(R"(\{\s*"([^"]+?)\s*"\s*,)");
    const std::string table = source.substr(from, to - from);
    for (std::sregex_iterator it(table.begin(), table.end(), entry), end; it != end; ++it)
        if ((*it)[1] != "RESERVED") out.push_back((*it)[1]);
    return out;
}

std::vector<std::string> names(std::span<const char* const> table) {
    return {table.begin(), table.end()};
}

TEST(TriggerScript, CommandTablesAreTheServers) {
    const auto src = tbamud_source() / "src";
    if (!std::filesystem::exists(src / "dg_scripts.c")) GTEST_SKIP() << "no tbaMUD source at " << src;
    const std::string interpreter = test::read_bytes((src / "interpreter.c").string());
    EXPECT_EQ(names(mob_script_commands()), table_names(interpreter, "mob_script_commands[] = {"));
    EXPECT_EQ(names(object_script_commands()),
              table_names(test::read_bytes((src / "dg_objcmd.c").string()), "obj_cmd_info[] = {"));
    EXPECT_EQ(names(room_script_commands()),
              table_names(test::read_bytes((src / "dg_wldcmd.c").string()), "wld_cmd_info[] = {"));

    // The engine's own words, as script_driver compares them.
    const std::string driver = test::read_bytes((src / "dg_scripts.c").string());
    const size_t body = driver.find("var_subst(go, sc, trig, type, p, cmd);");
    ASSERT_NE(body, std::string::npos);
    std::vector<std::string> engine;
    static const std::regex compare(R"re(strn_cmp\(cmd, "(\w+) ?", \d+\))re");
    const std::string part = driver.substr(body, driver.find("command_interpreter", body) - body);
    for (std::sregex_iterator it(part.begin(), part.end(), compare), end; it != end; ++it)
        engine.push_back((*it)[1]);
    EXPECT_EQ(names(script_engine_commands()), engine);

    // Every game command below immortal level, in table order.
    const std::map<std::string, int> levels = {{"LVL_IMPL", 34},  {"LVL_GRGOD", 33}, {"LVL_GOD", 32},
                                               {"LVL_IMMORT", 31}, {"LVL_BUILDER", 31}};
    std::vector<std::string> mortal;
    const size_t from = interpreter.find("cmd_info[] = {");
    const std::string table = interpreter.substr(from, interpreter.find("{ \"\\n\"", from) - from);
    static const std::regex command(R"re(\{\s*"([^"]*)"\s*,\s*"[^"]*"\s*,\s*\w+\s*,\s*\w+\s*,\s*(\w+)\s*,)re");
    for (std::sregex_iterator it(table.begin(), table.end(), command), end; it != end; ++it) {
        const std::string level = (*it)[2];
        const int n = levels.count(level) ? levels.at(level) : std::stoi(level);
        if ((*it)[1] != "RESERVED" && n < 31) mortal.push_back((*it)[1]);
    }
    EXPECT_EQ(names(mortal_game_commands()), mortal);

    std::vector<std::string> socials;
    std::istringstream file(test::read_bytes((tbamud_source() / "lib" / "misc" / "socials.new").string()));
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] != '~') continue;
        std::istringstream fields(line.substr(1));
        std::string name, sort_as;
        int hide = 0, victim = 0, position = 0, level = 0;
        fields >> name >> sort_as >> hide >> victim >> position >> level;
        if (level < 31) socials.push_back(name);
    }
    EXPECT_EQ(names(stock_socials()), socials);

    // Command variables and the trigger type names.
    const std::string variables = test::read_bytes((src / "dg_variables.c").string());
    for (const char* name : command_variable_names())
        EXPECT_NE(variables.find("!str_cmp(var, \"" + std::string(name) + "\")"), std::string::npos) << name;
    const std::string constants = test::read_bytes((src / "constants.c").string());
    for (auto [attach, list] : {std::pair{M, "trig_types[] = {"}, std::pair{O, "otrig_types[] = {"},
                                std::pair{R, "wtrig_types[] = {"}}) {
        const size_t at = constants.find(std::string("*") + list);
        ASSERT_NE(at, std::string::npos) << list;
        const std::string entries = constants.substr(at, constants.find("\"\\n\"", at) - at);
        std::vector<std::string> server;
        static const std::regex quoted("\"([^\"]+)\"");
        for (std::sregex_iterator it(entries.begin(), entries.end(), quoted), end; it != end; ++it)
            server.push_back((*it)[1]);
        EXPECT_EQ(names(trigger_type_names(attach)), server) << list;
    }
}

// ---- The corpus

// The findings of the corpus's triggers that are really wrong, by trigger,
// check and script line (why each is wrong: the test's report).
struct Known {
    int32_t vnum;
    const char* check;
    int line;
};
const std::vector<Known> kCorpusFindings = {
    // 26 (room): the head of a "tstat" listing pasted above the script
    // ("Name: ...", "Trigger Intended Assignment: ...", "Commands:"): four
    // lines the room runs as commands it does not have.
    {26, "script-command", 1}, {26, "script-command", 2}, {26, "script-command", 3},
    {26, "script-command", 4},
    // 306 (room): loads mob 340, which zone 3 does not have.
    {306, "script-vnum", 7},
    // 313 (object): three %send%/%echoaround% lines broken in two; their
    // second halves ("those", "great", "honorable") run as object commands.
    {313, "script-command", 5}, {313, "script-command", 10}, {313, "script-command", 12},
    // 320 (mob): "disarm" is no tbaMUD command.
    {320, "script-command", 1},
    // 398 (mob): a "say" broken in two; "any other way." runs as a command.
    {398, "script-command", 14},
    // 1217 (room, "Test stuff"): "%corr%upt%." opens a variable at "%." that
    // never closes.
    {1217, "script-variable", 3},
    // 1271 (mob, "crash test"): "Commands:" of a pasted tstat listing.
    {1271, "script-command", 3},
    // 1280 (room): loads mob 3050, which zone 30 does not have.
    {1280, "script-vnum", 66},
    // 1292 (room, "crash test find done"): a "while" closed by a bare
    // "while" instead of "done".
    {1292, "script-block", 2}, {1292, "script-block", 4},
    // 2730 (mob): "elseif%arg%== talabrax" and "elseif%arg%==arcanum)" lack
    // the blank, so the server takes both for an "else" (line 6, then a
    // second else at line 10), and the real "else" of line 14 is a third.
    {2730, "script-block", 6}, {2730, "script-block", 10}, {2730, "script-block", 14},
    // 2737 (object): the outer "if %cmd%==shoot" never ends.
    {2737, "script-block", 1},
    // 2747 (mob): "damage %actor% N" where %damage% was meant.
    {2747, "script-command", 8}, {2747, "script-command", 21}, {2747, "script-command", 34},
    {2747, "script-command", 47},
    // 2791 (mob): a leftover test line "xxtestxx".
    {2791, "script-command", 7},
    // 3910 (mob, "Not Attached"): "load obj ..." where mload or %load% was meant.
    {3910, "script-command", 1}, {3910, "script-command", 3}, {3910, "script-command", 5},
    // 4502 (mob): loads object 4512, which zone 45 does not have.
    {4502, "script-vnum", 2},
    // 5794 (object, "NOT ATTACHED"): objects cannot "say".
    {5794, "script-command", 2},
    // 11712 (object): "%load% object 11730" (the server takes only an
    // abbreviation of "obj") and three "load obj 11728" (no object command).
    {11712, "script-argument", 69}, {11712, "script-command", 40}, {11712, "script-command", 43},
    {11712, "script-command", 46},
    // 20109 (mob, a test): %findobj.1233(...)% names room 1233, which zone 12
    // does not have, and an %echo% broken in two runs "oom 1233." as a command.
    {20109, "script-vnum", 1}, {20109, "script-vnum", 3}, {20109, "script-vnum", 5},
    {20109, "script-vnum", 7}, {20109, "script-command", 4},
    // 55513 (mob): "if !%self.fighting%" never ends.
    {55513, "script-block", 2},
};

TEST(TriggerScript, CorpusTriggersGiveOnlyTheKnownFindings) {
    const auto dir = test::shared_dir() / "corpus-tbamud";
    if (!std::filesystem::exists(dir / "trg")) GTEST_SKIP() << "no tbaMUD corpus at " << dir;
    MessageRecorder messages;
    WorldFolder folder;
    ASSERT_TRUE(read_world_folder(dir.string(), folder, messages));
    size_t triggers = 0;
    for (const World& z : folder.zones) triggers += z.triggers.size();
    EXPECT_EQ(triggers, 548u);
    // The corpus is 63 zones of tbaMUD's 189: a vnum of a zone left out is
    // no fault of the script.
    auto in_corpus = [&](int32_t vnum) {
        return std::any_of(folder.zones.begin(), folder.zones.end(), [&](const World& z) {
            return vnum >= z.zone.bot && vnum <= z.zone.top;
        });
    };
    static const std::regex missing(R"(#(\d+) does not exist|no zone holds vnum (\d+))");
    std::set<std::tuple<int32_t, std::string, int>> got, want;
    int outside = 0;
    for (const Finding& f : check_zones(folder.zone_list())) {
        if (f.kind != RecordKind::Trigger || f.severity == Severity::Note) continue;
        std::smatch m;
        if (f.check == "script-vnum" && std::regex_search(f.message, m, missing) &&
            !in_corpus(std::stoi(m[1].matched ? m[1].str() : m[2].str()))) {
            ++outside;
            continue;
        }
        int line = 0;
        if (f.field.rfind("script.", 0) == 0) line = std::stoi(f.field.substr(7));
        got.insert({f.vnum, f.check, line});
    }
    EXPECT_GT(outside, 0);
    for (const Known& k : kCorpusFindings) want.insert({k.vnum, k.check, k.line});
    for (const auto& g : got)
        if (!want.count(g))
            ADD_FAILURE() << "unexpected: {" << std::get<0>(g) << ", \"" << std::get<1>(g) << "\", "
                          << std::get<2>(g) << "},";
    for (const auto& w : want)
        if (!got.count(w))
            ADD_FAILURE() << "not found: trigger #" << std::get<0>(w) << " " << std::get<1>(w)
                          << " line " << std::get<2>(w);
}

}  // namespace trigger_script_test
}  // namespace tarnwick
