#pragma once
// The mobile file (.mob).

#include <string>

#include "formats/kept_records.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;

// Replaces the mob table with the records of the file, in file order.
bool load_mob_file(World& world, const std::string& path, const FormatSettings& settings,
                   Messages& messages);
bool read_mobs(World& world, const std::string& text, const FormatSettings& settings,
               Messages& messages);
bool save_mob_file(World& world, const std::string& path, const FormatSettings& settings,
                   Messages& messages);
std::string mob_file_text(const World& world, const FormatSettings& settings);
WrittenFile<char_data> mob_file_output(const World& world, const FormatSettings& settings);
void write_mob_record(const World& world, int index, const FormatSettings& settings,
                      std::string& out);
// Record i gets vnum base + i; answers the count.
int renumber_mobs(World& world, int base);

}  // namespace tarnwick
