#pragma once
// The zones of a world folder other than the one open, read only: their
// records by vnum, so that references leading out of the open zone can be
// named and picked, and the checker can resolve them. Made once in the
// background, then shared and never changed; nothing in it is ever saved.

#include <cstdint>
#include <string>
#include <vector>

#include "world/world.h"

namespace tarnwick {

// One room, mob or object of another zone: its vnum, the zone holding it
// and the name the editor shows for it (a mob's short name, an object's
// short description).
struct OtherRecord {
    int32_t vnum = 0;
    int32_t zone = 0;
    std::string name;
};

// "The Temple of Midgaard (zone 30)": a record of another zone as the
// editor names it.
std::string zone_labelled(const OtherRecord& record);

class OtherZones {
public:
    // Takes the zones' Worlds (the open zone left out by the caller).
    explicit OtherZones(std::vector<World> zones);

    const std::vector<World>& zones() const { return zones_; }
    std::vector<const World*> zone_list() const;

    // The record of another zone with `vnum`, nullptr when none holds it.
    // A vnum two zones hold is the lower zone's, as the server keeps the
    // first record of a vnum.
    const OtherRecord* room(int32_t vnum) const;
    const OtherRecord* mob(int32_t vnum) const;
    const OtherRecord* object(int32_t vnum) const;

    // Every record of a kind, in vnum order.
    const std::vector<OtherRecord>& rooms() const { return rooms_; }
    const std::vector<OtherRecord>& mobs() const { return mobs_; }
    const std::vector<OtherRecord>& objects() const { return objects_; }

private:
    std::vector<World> zones_;
    std::vector<OtherRecord> rooms_, mobs_, objects_;
};

}  // namespace tarnwick
