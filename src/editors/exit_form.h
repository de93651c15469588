#pragma once
// The exit dialog ("Room Direction Data") as data: page "General" (target
// room, its name, the exit's description) and page "Exit Type" (key, door
// type, aliases), with the direction names the room editor uses.

#include <array>
#include <string>

#include "world/room_record.h"

namespace tarnwick {

class Chooser;
class Messages;
class World;

// "&North", "&East", ... by direction.
extern const std::array<const char*, kDirectionCount> kDirectionMenuItems;
// "the north", ..., "upside", "downside": used in generated sentences.
extern const std::array<const char*, kDirectionCount> kDirectionPhrases;
extern const std::array<const char*, 3> kDoorTypes;
// tbaMUD's door types 3 and 4, offered after kDoorTypes in its zones.
extern const std::array<const char*, 2> kHiddenDoorTypes;
// How many door types the exit dialog offers in a zone of `world`'s dialect.
int door_type_count(const World& world);
int reverse_direction(int direction);
// The direction whose caption is `caption`, or -1.
int direction_of_caption(const std::string& caption);

struct ExitForm {
    std::string target;       // EdVNum
    std::string target_name;  // EdTitle, read-only
    std::string description;  // EdDesc
    std::string key = "-1";   // EdKey, read-only
    int door = 0;             // ComboBox1; 0 "Sin Puerta"
    std::string keywords;     // edkeywords

    // The alias field is only meaningful with a door.
    bool keywords_enabled() const { return door != 0; }

    // "Browse..." of the target ("Select Room") and of the key ("Select
    // Key"); a cancel leaves the field unchanged.
    void browse_target(Chooser& chooser, const World& world);
    void browse_key(Chooser& chooser, const World& world);
    void no_key() { key = "-1"; }
};

// The form for an exit being edited.
ExitForm exit_form_of(const World& world, const room_direction_data& exit);
// Stores the form's numbers into `exit`; false, with the exit untouched, when
// the target is no number or below 0.
bool fill_exit(room_direction_data& exit, const ExitForm& form);
// Stores the form's description and keywords into `exit`, both or neither:
// false, after a message naming the field, when one is too long to be saved.
bool take_exit_texts(room_direction_data& exit, const ExitForm& form, Messages& messages);

}  // namespace tarnwick
