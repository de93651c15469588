#pragma once
// The object file (.obj).

#include <string>

#include "formats/kept_records.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;
class Messages;

bool load_object_file(World& world, const std::string& path, const FormatSettings& settings,
                      Messages& messages);
bool read_objects(World& world, const std::string& text, const FormatSettings& settings,
                  Messages& messages);
// Shows the missing-material warning at most once per call, after the file
// is in place; a failed save shows only its failure.
bool save_object_file(World& world, const std::string& path, const FormatSettings& settings,
                      Messages& messages);
std::string object_file_text(const World& world, const FormatSettings& settings,
                             Messages& messages);
WrittenFile<obj_record> object_file_output(const World& world, const FormatSettings& settings,
                                           Messages& messages);
// `warned` carries the once-per-save warning between records.
void write_object_record(const World& world, int index, const FormatSettings& settings,
                         std::string& out, Messages& messages, bool& warned);
int renumber_objects(World& world, int base);

}  // namespace tarnwick
