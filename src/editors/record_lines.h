#pragma once
// The lines of the four record lists: "#%d   ---   %s", one per record in
// table order, so a line's position is the record's table index.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class World;

std::string record_line(int vnum, const std::string& text);
std::string room_line(const World& world, int index);
std::string mob_line(const World& world, int index);
std::string object_line(const World& world, int index);
std::string shop_line(const World& world, int index);  // the keeper's name
std::string trigger_line(const World& world, int index);  // the trigger's name

std::vector<std::string> room_lines(const World& world);
std::vector<std::string> mob_lines(const World& world);
std::vector<std::string> object_lines(const World& world);
std::vector<std::string> shop_lines(const World& world);

// The lines a selection dialog offers: the open zone's records first, in
// table order, then those of the other zones of its world folder (when they
// were read), each name followed by its zone. vnums[i] is line i's record.
struct PickLines {
    std::vector<std::string> lines;
    std::vector<int32_t> vnums;
    // The vnum of a picked line, -1 for no line.
    int32_t vnum_at(int line) const {
        return line >= 0 && size_t(line) < vnums.size() ? vnums[size_t(line)] : -1;
    }
};
PickLines room_pick_lines(const World& world);
PickLines mob_pick_lines(const World& world);
PickLines object_pick_lines(const World& world);

}  // namespace tarnwick
