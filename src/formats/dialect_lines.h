#pragma once
// Line pieces that the four-word dialect (tbaMUD) adds to the rooms,
// mobiles and objects files: flag sets written as four words, and the
// `T vnum` lines that attach trigger scripts to a record.

#include <cstdint>
#include <string>
#include <string_view>

#include "world/flag_words.h"

namespace tarnwick {

class TextSource;

// Four flag words (letters or numbers) from text[pos]: the first into
// `first`, the others into `more`. False when fewer than four words follow.
bool parse_flag_words(std::string_view text, size_t& pos, int32_t& first, MoreFlags& more);

// The four words separated by single blanks, no blank after: as signed
// numbers, or as letters ("0" for a word without bits), the two forms the
// server's own writer uses (numbers for rooms and mobiles, letters for
// objects and zones).
enum class FlagForm { Numbers, Letters };
void write_flag_words(std::string& out, int32_t first, const MoreFlags& more,
                      FlagForm form = FlagForm::Numbers);
// One word in that form.
void write_flag_word(std::string& out, int32_t bits, FlagForm form);

// True when `first` and `more` hold no bit.
bool no_flags(int32_t first, const MoreFlags& more);

// The `T vnum` lines that follow the read position (after white space), as
// the server reads them after a room's S or a mobile's last line. False on
// a T line without a vnum; the source then stands after that line.
bool read_trigger_lines(TextSource& in, TriggerList& out);

// Reads one `T vnum` line's vnum; false when it has none.
bool parse_trigger_line(std::string_view line, int32_t& vnum);

// "T 3000\n" for each attached trigger.
void write_trigger_lines(std::string& out, const TriggerList& triggers);

}  // namespace tarnwick
