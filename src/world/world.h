#pragma once
// The open zone: four tables of records, the zone header with its reset
// commands, and the project zone number that new vnums start from. Records
// refer to each other by vnum only; a table index is valid until the next
// removal, sort or load.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "world/language.h"

#include "world/dialect.h"
#include "world/kept_source.h"
#include "world/mob_record.h"
#include "world/object_record.h"
#include "world/room_record.h"
#include "world/shop_record.h"
#include "world/trigger_record.h"
#include "world/zone_record.h"

namespace tarnwick {

// Table capacities. Add and clone are refused one short of each.
constexpr int kRoomCapacity = 1000;
constexpr int kMobCapacity = 1500;
constexpr int kObjectCapacity = 500;
constexpr int kShopCapacity = 500;
constexpr int kTriggerCapacity = 1000;

// The list windows' captions, as the readers set them.
class OtherZones;

struct ListCaptions {
    std::string rooms, mobs, objects, shops;
};

class World {
public:
    std::vector<room_data> rooms;
    std::vector<char_data> mobs;
    std::vector<obj_record> objects;
    std::vector<shop_data> shops;
    // tbaMUD: the zone's trigger scripts, and its quests file kept as read.
    std::vector<trig_data> triggers;
    std::shared_ptr<const KeptWholeFile> quests;
    zone_header zone;
    int32_t project_zone_number = 0;
    // The layout the zone's files were read in and are written in.
    Dialect dialect = Dialect::Circle30;
    ListCaptions captions;
    // Set by every change to the world, cleared when it is opened or saved.
    bool changed = false;
    // The rest of the world folder the zone was opened from, read only, once
    // read; null otherwise. Name lookups fall back to it.
    std::shared_ptr<const OtherZones> other_zones;
    // The files as they were read or last written; saves copy from them
    // what did not change.
    KeptSources kept;
    // The next save writes every file anew in the house style, as for new
    // files, rather than copying what did not change (Re-format).
    bool reformat = false;
    // The language of the texts the editor writes for players and builders
    // to read: zone comments, new records' placeholder texts, a new shop's
    // messages. Set from the preferences.
    Language language = Language::Original;

    int room_count() const { return int(rooms.size()); }
    int mob_count() const { return int(mobs.size()); }
    int object_count() const { return int(objects.size()); }
    int shop_count() const { return int(shops.size()); }
    int trigger_count() const { return int(triggers.size()); }

    int find_room(int32_t vnum) const;
    int find_mob(int32_t vnum) const;
    int find_object(int32_t vnum) const;
    const trig_data* find_trigger(int32_t vnum) const;
    int find_trigger_index(int32_t vnum) const;

    // How a record of another zone of the world folder is named: labelled
    // with its zone ("The Temple (zone 30)") as the editor shows it, plain
    // as players see it, or not at all, as the saved files' comments name
    // only the zone's own records (their bytes must not depend on whether
    // the rest of the folder was read).
    enum class OtherZoneName { Labelled, Plain, None };
    // The name of the record with `vnum`: this zone's record, else another
    // zone's as `other` says, else the fallback text below.
    std::string room_name_of(int32_t vnum, OtherZoneName other = OtherZoneName::Labelled) const;
    std::string mob_name_of(int32_t vnum, OtherZoneName other = OtherZoneName::Labelled) const;
    std::string object_name_of(int32_t vnum, OtherZoneName other = OtherZoneName::Labelled) const;

    int32_t next_room_vnum() const;
    int32_t next_mob_vnum() const;
    int32_t next_object_vnum() const;
    int32_t next_shop_vnum() const;
    // The zone's next free trigger vnum (within its bottom and top).
    int32_t next_trigger_vnum() const;

    void sort_rooms();
    void sort_mobs();
    void sort_objects();
    void sort_shops();
    void sort_triggers();

    void remove_room(int index);
    void remove_mob(int index);
    void remove_object(int index);
    void remove_shop(int index);
    void remove_trigger(int index);

    void clear_rooms() { rooms.clear(); }
    void clear_mobs() { mobs.clear(); }
    void clear_objects() { objects.clear(); }
    void clear_shops() { shops.clear(); }
    // Releases the name and the commands; the numbers stay.
    void clear_zone_header();
    // Empties every table and the zone header and lets go of the other
    // zones (the windows follow through their own listeners).
    void clear_world();
};

// Fallback texts of the name lookups.
extern const char* const kNoRoomName;
extern const char* const kNoMobName;
extern const char* const kNoObjectName;

}  // namespace tarnwick
