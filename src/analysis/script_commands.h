#pragma once
// The commands tbaMUD's script engine knows, by the kind of record a trigger
// is attached to, as its sources define them: the engine's own words
// (dg_scripts.c), the mobile, object and room command tables (interpreter.c,
// dg_objcmd.c, dg_wldcmd.c), the variables that stand for a command
// (dg_variables.c) and, for mobiles, which pass any other line to the game's
// command interpreter, the game's commands and socials a mortal may use
// (interpreter.c and lib/misc/socials.new). A test holds each table against
// the server's source.

#include <span>
#include <string>
#include <string_view>

namespace tarnwick {

// The engine's own commands, which it runs before any table is asked (only
// with a blank after the word: "wait 5", not "wait"); "halt" needs none.
std::span<const char* const> script_engine_commands();
bool is_script_engine_command(std::string_view word);

// Each attach type's command table, in the server's order.
std::span<const char* const> mob_script_commands();
std::span<const char* const> object_script_commands();
std::span<const char* const> room_script_commands();
// The game's commands below immortal level and the socials of the stock
// socials file below it, as mobiles' scripts may use them.
std::span<const char* const> mortal_game_commands();
std::span<const char* const> stock_socials();

// The command a line starting with `word` (lower case, no blanks) runs for a
// trigger of `attach_type`, as the server finds it: mobiles' own commands by
// their whole name, objects' and rooms' by any abbreviation, in table order.
// Empty when the table has none. For mobiles the game commands and socials
// are asked next (mob_game_command).
std::string script_command_for(int attach_type, std::string_view word);
// A game command or social that `word` abbreviates (a line of a mobile's
// script that is no script command of its own); empty when none. A line
// starting with another character than a letter is its one-letter command
// ("'hello" says hello).
std::string mob_game_command(std::string_view word);

// The command a command variable (%echo%, %load%...) stands for in a trigger
// of `attach_type`; empty when `name` is no command variable.
std::string command_variable(int attach_type, std::string_view name);
// The command variables that stand for no command of that attach type (a
// room's %transform% and a mobile's %move% echo their words instead).
bool command_variable_echoes(int attach_type, std::string_view name);
std::span<const char* const> command_variable_names();

}  // namespace tarnwick
