#pragma once
// The name lists read from the list files at start-up: nine files for
// CircleMUD, and zone flags too for tbaMUD (dialect_lists.h reads each
// dialect's set). Entry i of a CircleMUD flags list names bit (i % 32), of a
// tbaMUD one bit i of its four words (flag_layout.h); entry i of any other
// list names value i.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct LookupLists {
    std::vector<std::string> sector_types;       // sectortype.txt
    std::vector<std::string> room_flags;         // roomflags.txt
    std::vector<std::string> mob_affects;        // mobaffects.txt
    std::vector<std::string> mob_actions;        // mobactions.txt
    std::vector<std::string> load_positions;     // mobpos.txt
    std::vector<std::string> default_positions;  // mobpos.txt, read a second time
    std::vector<std::string> especs;             // especs.txt
    std::vector<std::string> item_effects;       // itemeffects.txt
    std::vector<std::string> item_wear;          // itemwear.txt
    std::vector<std::string> item_affects;       // itemaff.txt
    std::vector<std::string> zone_flags;         // zoneflags.txt, tbaMUD's set only
};

class Messages;

// The source tree's data/ folder, where a build from source finds the list
// files when nothing else holds them.
std::string lookup_data_dir();

// The data folder of an installed program whose executable lies in
// `program_dir`: PREFIX/bin/tarnwick reads PREFIX/share/tarnwick. A build
// folder is laid out the same way, so a program run from it finds its lists.
std::string installed_data_dir(const std::string& program_dir);

// Where the list files are looked for, in order: the current working
// directory (given as ""), the data folder beside the program (when
// `program_dir` is given), then lookup_data_dir().
std::vector<std::string> default_list_folders(const std::string& program_dir = {});

// The first of default_list_folders(program_dir) that holds every list
// file, or "" when none does.
std::string find_list_folder(const std::string& program_dir);

// Splits a list file's content into entries: lines end at CR, LF or CR LF;
// a last line without a break is an entry, a break at the very end adds no
// empty entry; lines are kept untrimmed, empty ones included.
std::vector<std::string> split_list_lines(std::string_view text);

// Reads the list file `name` from the first folder of `folders` that holds
// it ("" is the working directory). False when no folder has it.
bool read_list_file(const std::string& name, const std::vector<std::string>& folders,
                    std::vector<std::string>& out);

// Empties every list, then reads the nine files in the order sectortype,
// roomflags, mobaffects, mobactions, mobpos (twice, for both position
// lists), especs, itemeffects, itemwear, itemaff. A file found in no folder
// shows "Cannot open file <name>" and stops the reading: the lists after it
// stay empty. Returns true when all nine were read.
bool load_lookup_lists(LookupLists& lists, const std::vector<std::string>& folders,
                       Messages& messages);

// Flag lists: entry i stands for bit (i % 32), so a 33rd entry names bit 0 again.
inline uint32_t flag_bit(size_t entry) { return uint32_t(1) << (entry % 32); }

// One check per entry of a flags list with `count` entries: checked when
// the entry's bit is set in `flags`.
std::vector<bool> flag_checks(size_t count, int32_t flags);

// The flags of the checked entries. Bits that no entry of the list names are
// taken from `unlisted` (0 by default, which clears them; pass the record's
// old flags to keep bits that a short or missing list cannot show).
int32_t flags_from_checks(const std::vector<bool>& checks, int32_t unlisted = 0);

}  // namespace tarnwick
