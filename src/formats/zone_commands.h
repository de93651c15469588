#pragma once
// Operations over the zone's command list. The zone editor's tree refers to
// commands by address, so nodes are named by pointer here; std::list keeps
// every address stable while others are linked or removed.

#include "world/zone_record.h"

namespace tarnwick {

class Messages;

// The position of `node` in `list`, or list.end() when it is not there.
CommandList::iterator find_command(CommandList& list, const zCommand* node);

// A new command with the defaults (if_flag 1, everything else 0) at the end.
zCommand* append_new_command(CommandList& list);
// `node` copied to the end of the list.
zCommand* append_command(CommandList& list, const zCommand& node);
// `node` linked directly before / after `at`. When `at` is not a command of
// the list the node is appended, so nothing handed in is ever lost.
zCommand* insert_command_before(CommandList& list, const zCommand* at, const zCommand& node);
zCommand* insert_command_after(CommandList& list, const zCommand* at, const zCommand& node);

// The command at `index` from the head; outside the list shows
// "List out of bounds. Ouch." and answers nullptr.
zCommand* command_at(CommandList& list, int index, Messages& messages);

// Unlinks and releases `node`; false when it is not in the list.
bool remove_command(CommandList& list, const zCommand* node);

}  // namespace tarnwick
