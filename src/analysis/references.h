#pragma once
// What in a zone refers to one record: asked before the record is removed,
// so nothing is left pointing at a vnum that is gone without the builder
// knowing.

#include <cstdint>
#include <string>

#include "analysis/finding.h"

namespace tarnwick {

class World;

struct ReferenceCounts {
    int exits = 0;          // exits leading to the room
    int commands = 0;       // zone commands naming the record
    int shops = 0;          // shops naming it (keeper, product or room)
    int keyed_doors = 0;    // doors this object is the key of
    int keyed_containers = 0;  // containers this object is the key of
    int attached = 0;       // rooms, mobs and objects the trigger is attached to
    int total() const { return exits + commands + shops + keyed_doors + keyed_containers + attached; }
};

// Counts the references to the room, mob, object or trigger `vnum` (shops
// have none); a trigger's are the records it is attached to and the T
// commands attaching it.
ReferenceCounts references_to(const World& world, RecordKind kind, int32_t vnum);

// "Room #18605 is the target of 2 exits and 3 zone commands. Remove it
// anyway?"; empty when nothing refers to the record.
std::string removal_question(RecordKind kind, int32_t vnum, const ReferenceCounts& counts);

}  // namespace tarnwick
