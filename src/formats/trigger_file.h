#pragma once
// The trigger scripts file (.trg, tbaMUD): `#vnum`, the name `~`, the
// line `attach_type trigger_types numeric_arg`, the argument list `~`,
// the script `~`; `$~` ends the file. A '~' ends a text only at the end of
// its line, so scripts may hold one elsewhere.

#include <string>

#include "formats/kept_records.h"
#include "world/format_settings.h"
#include "world/trigger_record.h"

namespace tarnwick {

class World;
class Messages;

// Replaces the zone's triggers with those of the text or file; false (the
// triggers read before the damage kept) when a record is damaged, its
// message shown.
bool read_triggers(World& world, const std::string& text, Messages& messages);
bool load_trigger_file(World& world, const std::string& path, Messages& messages);
// The file `path` whose bytes were read already, keeping no copy of them: a
// read for reference and checks, never saved.
bool read_triggers_for_reference(World& world, const std::string& path, std::string bytes,
                                 Messages& messages);

// One trigger as the server's own writer lays it out, from its "#" line to
// its script's '~' line.
void write_trigger_record(const trig_data& trigger, std::string& out);

// The file: triggers that did not change copied from the file as read, the
// others as the server's own writer lays them out.
// With settings.house_style every trigger is written anew.
WrittenFile<trig_data> trigger_file_output(const World& world, const FormatSettings& settings);
bool save_trigger_file(World& world, const std::string& path, const FormatSettings& settings,
                       Messages& messages);

// Where a zone's triggers and quests are kept, from its zone file's path:
// DIR/zon/N.zon has DIR/trg/N.trg and DIR/qst/N.qst; a zone file anywhere
// else has N.trg and N.qst beside it.
std::string trigger_path_for(const std::string& zone_path);
std::string quest_path_for(const std::string& zone_path);

}  // namespace tarnwick
