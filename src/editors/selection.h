#pragma once
// How an editor asks the user for the vnum of a room, mob or object. The
// editor implements this with its two selection dialogs; tests with a script.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {

class World;

class Chooser {
public:
    virtual ~Chooser() = default;
    // The chosen line's position, -1 when nothing was chosen or on Cancel.
    virtual int pick_from_list(const std::string& title, const std::vector<std::string>& lines) = 0;
    // A typed (or browsed) vnum; -1 on Cancel or when the text is no number.
    virtual int32_t ask_object_vnum() = 0;
    virtual int32_t ask_room_vnum() = 0;
};

// Wrappers that turn a picked line into the vnum of that record, or -1.
int32_t pick_room_vnum(Chooser& chooser, const World& world);
int32_t pick_mob_vnum(Chooser& chooser, const World& world);
int32_t pick_object_vnum(Chooser& chooser, const World& world);

}  // namespace tarnwick
