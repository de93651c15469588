#pragma once
// Where each record of a file starts, so that a vnum the file holds twice is
// reported with both of its lines. The server loads such a file, and so do
// the readers: both records are kept, and the builder is told which lines
// to renumber.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class Messages;
class TextSource;

struct RecordHead {
    int32_t vnum = 0;
    size_t offset = 0;  // where the record's "#" line starts in the source
};

// Shows one message per repeated vnum ("Two rooms hold vnum #3001 in
// 30.wld: lines 5 and 40."), `kind` naming the records in the plural.
// Answers the number of repeats found.
int report_duplicate_vnums(std::vector<RecordHead> heads, const TextSource& in, const char* kind,
                           Messages& messages);

}  // namespace tarnwick
