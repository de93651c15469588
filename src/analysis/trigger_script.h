#pragma once
// A trigger's script as tbaMUD's script engine (dg_scripts.c) reads it: what
// each line is, the blocks the lines open and close, the command each runs,
// its %variables% and the vnums it names. The checker, the script editor's
// indentation and its colouring all read scripts through here.
//
// The engine takes a line by its first letters after the leading blanks,
// case aside: "end" ends a block at "endif" too, and "if", "elseif",
// "while" and "switch" only with a blank after them. It skips empty lines
// and lines starting with '*' (comments).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/finding.h"

namespace tarnwick {

struct trig_data;

enum class ScriptLineKind {
    Blank, Comment, If, ElseIf, Else, End, While, Switch, Case, Default, Break, Done, Command
};

// The script's lines, split at line feeds (a carriage return before one is
// dropped; the break after the last line makes no line of its own).
std::vector<std::string_view> script_lines(std::string_view script);
ScriptLineKind script_line_kind(std::string_view line);

// Where each line stands in the blocks, as the editor indents it: the lines
// inside an if, while or switch one step deeper than it; elseif, else and
// end at their if's step, done at its while's or switch's; case, default
// and break one step inside their switch, the lines after a case two.
std::vector<int> script_depths(const std::vector<std::string_view>& lines);
// Blanks per step, as tbaMUD's own files indent.
constexpr int kScriptIndent = 2;
// The line with its leading blanks replaced by `depth` steps.
std::string indented_line(std::string_view line, int depth);

// The parts of a line the editor colours.
enum class ScriptTokenKind { Comment, Keyword, Command, Variable, OpenVariable };
struct ScriptToken {
    std::size_t start = 0, length = 0;
    ScriptTokenKind kind = ScriptTokenKind::Keyword;
};
// A comment line whole; the block word or the engine's own command
// (Keyword) or the command the line runs for a trigger of `attach_type`
// (Command: also a command variable such as %echo%); every %variable%, and
// one left open up to the line's end (OpenVariable).
std::vector<ScriptToken> script_tokens(std::string_view line, int attach_type);

// What the engine would trip on, a script line each (0: the trigger as a
// whole). Checks: "script-block", "script-command", "script-variable",
// "script-argument", "trigger-argument".
struct ScriptIssue {
    Severity severity = Severity::Error;
    int line = 0;
    std::string message;
    std::string check;
};

// A vnum the script names as a literal number: the record must exist for
// the command to work. Zone: a vnum whose zone %zoneecho% speaks to.
enum class ScriptTarget { Room, Mob, Object, Trigger, Zone };
struct ScriptReference {
    ScriptTarget target = ScriptTarget::Room;
    int32_t vnum = 0;
    int line = 0;
    std::string command;  // what names it: "%load% obj", "mteleport", "%self.inventory()%"
};

struct ScriptReport {
    std::vector<ScriptIssue> issues;
    std::vector<ScriptReference> references;
};

// Checks a trigger's script for its attach type. A mobile passes any line
// that is no script command to the game's command interpreter, where
// another trigger's Command argument may take it: `command_words` are the
// argument lists of the Command triggers the mobile may meet (the zone's),
// and a word they begin is no unknown command.
ScriptReport check_script(const trig_data& trigger,
                          const std::vector<std::string>& command_words = {});

// The argument lists of the Command triggers of `triggers`.
std::vector<std::string> command_trigger_words(const std::vector<trig_data>& triggers);

}  // namespace tarnwick
