#pragma once
// Every `~` text a world-file writer would write, measured before anything
// is written: a file holding a text its own reader (or the server) would
// refuse is not saved at all, so the file on disk keeps its last good state.

#include <string>

namespace tarnwick {

class World;
class Messages;

// Each returns true when every text of that table fits; otherwise shows one
// message naming the record, the field and the limit, and returns false.
bool room_texts_fit(const World& world, Messages& messages);
bool mob_texts_fit(const World& world, Messages& messages);
bool object_texts_fit(const World& world, Messages& messages);
bool shop_texts_fit(const World& world, Messages& messages);
bool zone_texts_fit(const World& world, Messages& messages);

}  // namespace tarnwick
