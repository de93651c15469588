#pragma once
// The lines of the four record lists: "#%d   ---   %s", one per record in
// table order, so a line's position is the record's table index.

#include <string>
#include <vector>

namespace tarnwick {

class World;

std::string record_line(int vnum, const std::string& text);
std::string room_line(const World& world, int index);
std::string mob_line(const World& world, int index);
std::string object_line(const World& world, int index);
std::string shop_line(const World& world, int index);  // the keeper's name

std::vector<std::string> room_lines(const World& world);
std::vector<std::string> mob_lines(const World& world);
std::vector<std::string> object_lines(const World& world);
std::vector<std::string> shop_lines(const World& world);

}  // namespace tarnwick
