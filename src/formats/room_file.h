#pragma once
// The room file (.wld).

#include <string>

#include "formats/kept_records.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;

// Replaces the room table with the rooms of the file, sorted by vnum.
bool load_room_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages);
// Reads rooms from text already in memory (the loader's work after opening).
bool read_rooms(World& world, const std::string& text, const FormatSettings& settings,
                Messages& messages);

// Writes the whole room table, copying the rooms that did not change from
// the file as read, and keeps what it wrote for the next save; a file that
// would come out the same is not written. False (after a message) when
// nothing was saved.
bool save_room_file(World& world, const std::string& path, const FormatSettings& settings,
                    Messages& messages);
// The whole file as save_room_file writes it.
std::string room_file_text(const World& world, const FormatSettings& settings);
WrittenFile<room_data> room_file_output(const World& world, const FormatSettings& settings);
// One room, from its "#" line through its "S" line.
void write_room_record(const World& world, int index, const FormatSettings& settings,
                       std::string& out);

}  // namespace tarnwick
