#pragma once
// Find in zone: every place a word or a vnum occurs in the open zone's
// records, with the field it is in and the text around it, and "go to vnum".

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class World;

// Where a hit is. Zone hits are in the zone header (vnum = zone number) or
// in one command (`command_index` in the zone's command list).
enum class FindKind { Room, Mob, Object, Shop, Zone, Trigger };

struct FindOptions {
    bool match_case = false;
    bool whole_word = false;
};

struct FindHit {
    FindKind kind = FindKind::Room;
    int32_t vnum = 0;
    int command_index = -1;
    // The field, as the editors name it: "name", "description", "keywords",
    // "extra description 'sign'", "exit north description", "comment"...
    std::string field;
    // The field's text around the match on one line, with the match at
    // [match_start, match_start + match_length).
    std::string context;
    std::size_t match_start = 0;
    std::size_t match_length = 0;
    bool operator==(const FindHit&) const = default;
};

// Every hit of `query` in the zone, grouped by kind (rooms, mobs, objects,
// shops, zone, triggers) and within a kind by table order. A query of digits also
// matches records with that vnum exactly (field "vnum"). An empty query
// finds nothing.
std::vector<FindHit> find_in_zone(const World& world, std::string_view query,
                                  const FindOptions& options = {});

// The records that have `vnum`, in the order room, mob, object, shop, trigger.
std::vector<FindHit> records_with_vnum(const World& world, int32_t vnum);

const char* find_kind_name(FindKind kind);  // "Rooms", "Mobs", ...

}  // namespace tarnwick
