#include "formats/record_heads.h"

#include <algorithm>

#include "world/messages.h"
#include "world/text_source.h"

namespace tarnwick {

int report_duplicate_vnums(std::vector<RecordHead> heads, const TextSource& in, const char* kind,
                           Messages& messages) {
    // File order within one vnum, so the first line named is the earlier.
    std::stable_sort(heads.begin(), heads.end(),
                     [](const RecordHead& a, const RecordHead& b) { return a.vnum < b.vnum; });
    int repeats = 0;
    for (size_t i = 1; i < heads.size(); ++i) {
        if (heads[i].vnum != heads[i - 1].vnum) continue;
        size_t first = i - 1;
        while (first > 0 && heads[first - 1].vnum == heads[i].vnum) --first;
        std::string text = std::string("Two ") + kind + " hold vnum #" +
                           std::to_string(heads[i].vnum);
        if (!in.name().empty()) text += " in " + in.name();
        text += ": lines " + std::to_string(in.line_at(heads[first].offset)) + " and " +
                std::to_string(in.line_at(heads[i].offset)) + ".";
        messages.show(text);
        ++repeats;
    }
    return repeats;
}

}  // namespace tarnwick
