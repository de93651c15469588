// The two texts that describe a reset command: the long one the zone
// editor's tree shows, the short one written as the comment of its line.
// Names come from the loaded records, so the room, mob and object files must
// be read before the zone file.

#include <array>

#include "formats/zone_file.h"
#include "world/zone_record.h"
#include "world/world.h"
#include "world/number_text.h"
#include "world/room_exits.h"

namespace tarnwick {

namespace {

// Windows-1252, as every text of the world files.
const std::array<const char*, 18> kWearPositions = {
    "como luz",
    "como anillo (derecho)",
    "como anillo (izq)",
    "primer objeto al cuello",
    "segundo objeto al cuello",
    "en el cuerpo",
    "en la cabeza",
    "en las piernas",
    "en los pies",
    "en las manos",
    "en los brazos",
    "como escudo",
    "sobre el cuerpo",
    "en la cintura",
    "en la mu\xf1" "eca derecha",
    "en la mu\xf1" "eca izquierda",
    "como arma",
    "sostenido",
};

const std::array<const char*, 3> kDoorStates = {"Open", "Close", "Close and Lock"};

template <size_t N>
std::string name_in(const std::array<const char*, N>& names, int32_t i, const char* outside) {
    return i >= 0 && size_t(i) < N ? names[size_t(i)] : outside;
}

// The names as the world's language writes them.
std::string wear_in(const World& w, int32_t position) {
    return in_language(w.language, wear_position_name(position));
}
std::string direction_in(const World& w, int32_t direction) {
    return in_language(w.language, direction_name(direction, w.dialect));
}

const char* kUnknown = "Invalid or unknown command";

// The comments written to the file name the zone's own records only.
constexpr World::OtherZoneName kOwn = World::OtherZoneName::None;
std::string own_room(const World& w, int32_t vnum) { return w.room_name_of(vnum, kOwn); }
std::string own_mob(const World& w, int32_t vnum) { return w.mob_name_of(vnum, kOwn); }
std::string own_object(const World& w, int32_t vnum) { return w.object_name_of(vnum, kOwn); }

// What a T or V command attaches to: argument 1 says which kind of record,
// argument 3 the room when it is one.
std::string attach_target(const World& w, const zCommand& c, bool own_names) {
    switch (c.arg1) {
    case 0: return "the mob loaded last";
    case 1: return "the object loaded last";
    case 2:
        return "room #" + num(c.arg3) + " (" +
               (own_names ? own_room(w, c.arg3) : w.room_name_of(c.arg3)) + ")";
    default: return "(invalid attach type " + num(c.arg1) + ")";
    }
}

std::string trigger_name(const World& w, int32_t vnum) {
    const trig_data* t = w.find_trigger(vnum);
    return t ? t->name : std::string("no such trigger");
}

}  // namespace

std::string wear_position_name(int32_t position) {
    return name_in(kWearPositions, position, "(invalid pos)");
}

std::string direction_name(int32_t direction, Dialect dialect) {
    if (direction >= direction_count(dialect)) return "(invalid exit)";
    return name_in(kDirectionCaptions, direction, "(invalid exit)");
}

std::string door_state_name(int32_t state) {
    return name_in(kDoorStates, state, "(invalid action)");
}

// The R command holds the file's order, room before object (the server
// reads "R if_flag room object"), and is described by that order.
std::string long_description(const World& w, const zCommand& c) {
    const std::string flag = num(c.if_flag);
    switch (c.command) {
    case 'M':
        return "Load mob #" + num(c.arg1) + " - " + w.mob_name_of(c.arg1) + " in room " +
               num(c.arg3) + " - " + w.room_name_of(c.arg3) +
               ": if_flag: " + (c.if_flag ? "true" : "false") + " Max: " + num(c.arg2);
    case 'O':
        return "Load object #" + num(c.arg1) + " - " + w.object_name_of(c.arg1) + " in room " +
               num(c.arg3) + " - " + w.room_name_of(c.arg3) +
               ": if_flag: " + (c.if_flag ? "true" : "false") + " Max: " + num(c.arg2);
    case 'E':
        return "Equip with #" + num(c.arg1) + " - " + w.object_name_of(c.arg1) + " " +
               wear_in(w, c.arg3) + ", if_flag: " + flag + " Max: " + num(c.arg2);
    case 'P':
        return "Put object #" + num(c.arg1) + " - " + w.object_name_of(c.arg1) + " in object#" +
               num(c.arg3) + " -  " + w.object_name_of(c.arg3) + ", if_flag: " + flag +
               " Max: " + num(c.arg2);
    case 'G':
        return "Give object #" + num(c.arg1) + " - " + w.object_name_of(c.arg1) +
               ", if_flag: " + flag + " Max: " + num(c.arg2);
    case 'D':
        return door_state_name(c.arg3) + " door " + direction_in(w, c.arg2) + " - room #" +
               num(c.arg1) + " (" + w.room_name_of(c.arg1) + ") - if_flag: " + flag;
    case 'R':
        return "Remove object #" + num(c.arg2) + " from room #" + num(c.arg1);
    case 'T':
        return "Attach trigger #" + num(c.arg2) + " (" + trigger_name(w, c.arg2) + ") to " +
               attach_target(w, c, false) + ", if_flag: " + flag;
    case 'V':
        return "Set variable " + c.var_name + " = " + c.var_value + " on " +
               attach_target(w, c, false) + " (context " + num(c.arg2) + "), if_flag: " + flag;
    default:
        return kUnknown;
    }
}

std::string short_description(const World& w, const zCommand& c) {
    switch (c.command) {
    case 'M':
        return "Load " + own_mob(w, c.arg1) + " in " + own_room(w, c.arg3);
    case 'O':
        return "Load object " + own_object(w, c.arg1) + " in " + own_room(w, c.arg3);
    case 'E':
        return "Equip with " + own_object(w, c.arg1) + " " + wear_in(w, c.arg3);
    case 'P':
        return "Put " + own_object(w, c.arg1) + " in " + own_object(w, c.arg3);
    case 'G':
        return "Give it " + own_object(w, c.arg1);
    case 'D':
        return door_state_name(c.arg3) + " door " + direction_in(w, c.arg2) + " of room " +
               own_room(w, c.arg1);
    case 'R':
        return "Remove " + own_object(w, c.arg2) + " from " + own_room(w, c.arg1);
    case 'T':
        return "Attach " + trigger_name(w, c.arg2) + " to " + attach_target(w, c, true);
    case 'V':
        return "Set " + c.var_name + " = " + c.var_value + " on " + attach_target(w, c, true);
    default:
        return kUnknown;
    }
}

}  // namespace tarnwick
