#pragma once
// The choice list a shop offers when a product is added: the zone's objects
// as "vnum - short description", one line per object in table order, then
// those of the other zones of its world folder, when read, each followed by
// its zone ("3100 - a pie (zone 31)"). The box is editable, so any other
// vnum can be typed instead; the vnum is read back from the start of
// whatever line the box holds.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class World;

std::vector<std::string> object_choice_lines(const World& world);
// The vnum that starts `text` ("3001 - a sword", " 3001 "), or -1 when the
// text starts with no number.
int32_t vnum_of_choice(const std::string& text);

}  // namespace tarnwick
