#pragma once
// The nine name lists read from the list files at start-up. Entry i of a
// flags list names bit (i % 32); entry i of any other list names value i.

#include <string>
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
};

}  // namespace tarnwick
