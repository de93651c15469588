#pragma once
// Re-wrapping description text to a column width.

#include <string>

namespace tarnwick {

class World;

// Joins the lines of `text` with blanks and breaks them again at the first
// blank after `columns` bytes; the result ends with a line feed.
std::string wrap_columns(const std::string& text, int columns);

// The room half: every room description and room extra description text.
void wrap_room_descriptions(World& world, int columns);
// The text of every object extra description.
void wrap_object_descriptions(World& world, int columns);
// The detailed description of every mobile.
void wrap_mob_descriptions(World& world, int columns);
// Everything above, in the order rooms, objects, mobiles.
void wrap_all_descriptions(World& world, int columns);

}  // namespace tarnwick
