#pragma once
// What lint finds in world files as they lie on disk: the checker's
// findings over the records read, and the server-side walk of the files'
// bytes (what the server will read), each finding on its own line.

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/finding.h"
#include "project/world_folder.h"

namespace tarnwick {

class Messages;
class WorkProgress;

// The server-side walk of files as they lie: a world folder's each by
// itself (`each_alone`: its rooms above one zone's top are the next zone's),
// or all of them together as zone `zone_number`, its top against its rooms.
std::vector<Finding> walk_files_as_read(const std::vector<WorldFolder::Text>& texts,
                                        bool each_alone, int32_t zone_number);

// Reads the folder `dir` into `folder` and finds everything lint reports:
// every check across all its zones, the walk of its files, and rooms above
// every zone's top. Findings sorted and placed in their files. False, with
// no findings, when no zone file loaded.
bool lint_world_folder(const std::string& dir, WorldFolder& folder, std::vector<Finding>& findings,
                       Messages& messages, WorkProgress* progress = nullptr);

}  // namespace tarnwick
