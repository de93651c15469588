#pragma once
// What each world file held when it was read (or last written): its bytes,
// and for every record the value read and the bytes it came from. A save
// writes a record whose value still equals its value as read by copying
// those bytes, so what the builder did not change stays as the builder (or
// another tool) wrote it: spacing, letters in bitvectors, comments, line
// ends. Comparing values rather than marking edits means no edit path can
// forget a mark, and an edit undone by hand keeps the old bytes too.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "world/mob_record.h"
#include "world/object_record.h"
#include "world/room_record.h"
#include "world/shop_record.h"
#include "world/trigger_record.h"
#include "world/zone_record.h"

namespace tarnwick {

// Bytes [begin, end) of a kept file.
struct ByteSpan {
    size_t begin = 0, end = 0;
    std::string_view of(const std::string& bytes) const {
        return std::string_view(bytes).substr(begin, end - begin);
    }
};

// A rooms, mobiles, objects or shops file as read.
template <class Record>
struct KeptFile {
    std::string path;   // where it was read from or written to
    std::string bytes;  // the whole file
    ByteSpan head;      // before the first record: banner, credits
    ByteSpan tail;      // from the line that ends the records to the end
    // The records as read, in file order, each with its bytes from its "#"
    // line up to the next record's (comment and blank lines after it too).
    std::vector<Record> records;
    std::vector<ByteSpan> spans;
    // False when reading stopped at a damaged record: the bytes from there
    // on are the tail, and a save does not copy them. `unread` counts the
    // records lost there.
    bool complete = true;
    int unread = 0;
};

// The zone header's values apart from its commands.
struct ZoneHeadValues {
    int32_t zone_number = 0, top = 0, lifespan = 0, reset_mode = 0;
    std::string name;
    int32_t bot = 0;
    std::string builders;
    std::array<int32_t, 4> flags{};
    int32_t min_level = -1, max_level = -1;
    bool has_flags_line = false;
    bool operator==(const ZoneHeadValues&) const = default;
};
ZoneHeadValues zone_head_values(const zone_header& zone);

// A zone file as read. A command's lead is the comment and blank lines
// before it (after the previous command): they belong to the command and
// travel with it.
struct KeptZoneFile {
    std::string path;
    std::string bytes;
    ByteSpan before_header;  // lines before the "#" line
    ByteSpan header;         // the "#", name and numbers lines
    ZoneHeadValues head;
    std::vector<zCommand> commands;  // as read, S excluded
    std::vector<ByteSpan> leads, lines;
    ByteSpan tail;  // after the last command: comments, the S line, the rest
};

// One per file kind; empty where no file was read into that table (a new
// zone, a file that did not exist), so everything there is written anew.
struct KeptSources {
    std::shared_ptr<const KeptFile<room_data>> rooms;
    std::shared_ptr<const KeptFile<char_data>> mobs;
    std::shared_ptr<const KeptFile<obj_record>> objects;
    std::shared_ptr<const KeptFile<shop_data>> shops;
    std::shared_ptr<const KeptZoneFile> zone;
    std::shared_ptr<const KeptFile<trig_data>> triggers;
};

// A file kept whole and written back unchanged: a zone's quests (tbaMUD),
// which the editor does not read.
struct KeptWholeFile {
    std::string path;
    std::string bytes;
};

}  // namespace tarnwick
