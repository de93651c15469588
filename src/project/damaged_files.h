#pragma once
// Files that could not be read whole when the zone was opened. Their
// records up to the damage are in the tables; a save that would write over
// such a file asks first, and keeps the old file beside it as FILE.bak.

#include <optional>
#include <string>

namespace tarnwick {

class World;
class Messages;

// Of the records file at `path`, read only up to a damaged record: how many
// records could not be read, and how many the table holds now.
struct PartRead {
    int unread = 0;
    int held = 0;
};
std::optional<PartRead> part_read(const World& world, const std::string& path);

// Asks whether to replace `path`, which failed to load, with what the editor
// holds; on Yes copies it to `path`.bak first. False when the file is to
// stay as it is (the user said so, or the copy could not be made).
bool replace_unread_file(const World& world, const std::string& path, Messages& messages);

}  // namespace tarnwick
