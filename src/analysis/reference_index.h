#pragma once
// Every room, mob and object of the zones being checked, by vnum, and what
// the zone commands load: the lookups every check makes.

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "world/world.h"

namespace tarnwick {

// The vnums a zone owns: number * 100 up to its top.
struct ZoneRange {
    int32_t number = 0;
    int32_t bottom = 0;
    int32_t top = 0;
    bool holds(int32_t vnum) const { return vnum >= bottom && vnum <= top; }
};
// False for files checked without their zone file.
bool has_zone_header(const World& zone);
// Without a zone header: the hundreds of vnums its records span.
ZoneRange zone_range(const World& zone);

// How a reference resolved: to a record, to nothing, or to a vnum of a zone
// that is not being checked (only when one zone is checked by itself).
enum class Resolved { Found, Missing, Elsewhere };

class ReferenceIndex {
public:
    // `whole_world`: the zones are every zone there is, so a reference that
    // none of them holds is missing wherever it points.
    ReferenceIndex(const std::vector<const World*>& zones, bool whole_world);

    const room_data* room(int32_t vnum) const;
    const obj_record* object(int32_t vnum) const;
    // A trigger of any zone checked whose trigger file was read (tbaMUD).
    const trig_data* trigger(int32_t vnum) const;
    bool has_mob(int32_t vnum) const { return mobs_.count(vnum) != 0; }
    // Attached to a room, mob or object, by a T command or by a script's
    // "attach" in any zone.
    bool trigger_attached(int32_t vnum) const { return attached_triggers_.count(vnum) != 0; }
    // Loaded by an M command / by an O, G, E or P command of any zone.
    bool mob_loaded(int32_t vnum) const { return loaded_mobs_.count(vnum) != 0; }
    bool object_loaded(int32_t vnum) const { return loaded_objects_.count(vnum) != 0; }

    Resolved resolve_room(int32_t vnum, const ZoneRange& from) const;
    Resolved resolve_mob(int32_t vnum, const ZoneRange& from) const;
    Resolved resolve_object(int32_t vnum, const ZoneRange& from) const;
    Resolved resolve_trigger(int32_t vnum, const ZoneRange& from) const;
    // A vnum that one of the zones checked spans (from the zone's number to
    // its top), as tbaMUD finds the zone of a vnum.
    Resolved resolve_zone(int32_t vnum, const ZoneRange& from) const;
    bool whole_world() const { return whole_world_; }

private:
    Resolved resolve(bool found, int32_t vnum, const ZoneRange& from) const;

    bool whole_world_;
    std::unordered_map<int32_t, const room_data*> rooms_;
    std::unordered_map<int32_t, const obj_record*> objects_;
    std::unordered_map<int32_t, const trig_data*> triggers_;
    std::unordered_set<int32_t> mobs_, loaded_mobs_, loaded_objects_, attached_triggers_;
    std::vector<ZoneRange> zones_;
};

}  // namespace tarnwick
