#include "project/renumber.h"

#include <algorithm>
#include <string>
#include <vector>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "world/messages.h"
#include "world/other_zones.h"
#include "world/world.h"

namespace tarnwick {

namespace {

constexpr int32_t kContainerType = 15;
constexpr int kContainerKeyValue = 2;
constexpr int kZoneSize = 100;

// The mapping rule: the first record with the old number gives its index.
int32_t map_room(const World& w, int32_t base, int32_t v) {
    int i = w.find_room(v);
    return i < 0 ? v : base + i;
}
int32_t map_mob(const World& w, int32_t base, int32_t v) {
    int i = w.find_mob(v);
    return i < 0 ? v : base + i;
}
int32_t map_object(const World& w, int32_t base, int32_t v) {
    int i = w.find_object(v);
    return i < 0 ? v : base + i;
}

int largest_table(const World& w) {
    return std::max({w.room_count(), w.mob_count(), w.object_count(), w.shop_count(),
                     int(w.triggers.size())});
}

// The first record of another zone of the world folder whose vnum one of
// `count` records numbered from `base` would take, per kind: "room #3100
// (zone 31)". Empty when there are no other zones or no clash.
std::vector<std::string> clashes_with_other_zones(const World& w, int32_t base) {
    std::vector<std::string> out;
    if (!w.other_zones) return out;
    const OtherZones& others = *w.other_zones;
    auto first_clash = [&](const char* kind, int count, auto lookup) {
        for (int i = 0; i < count; ++i)
            if (const OtherRecord* r = (others.*lookup)(base + i)) {
                out.push_back(std::string(kind) + " #" + std::to_string(r->vnum) + " (zone " +
                              std::to_string(r->zone) + ")");
                return;
            }
    };
    first_clash("room", w.room_count(), &OtherZones::room);
    first_clash("mob", w.mob_count(), &OtherZones::mob);
    first_clash("object", w.object_count(), &OtherZones::object);
    return out;
}

}  // namespace

void renumber_zone_commands(World& world, int32_t base) {
    for (zCommand& c : world.zone.commands) {
        switch (c.command) {
        case 'M':
            c.arg1 = map_mob(world, base, c.arg1);
            c.arg3 = map_room(world, base, c.arg3);
            break;
        case 'O':
            c.arg1 = map_object(world, base, c.arg1);
            c.arg3 = map_room(world, base, c.arg3);
            break;
        case 'G':
        case 'E':
            c.arg1 = map_object(world, base, c.arg1);
            break;
        case 'P':
            c.arg1 = map_object(world, base, c.arg1);
            c.arg3 = map_object(world, base, c.arg3);
            break;
        case 'D':
            c.arg1 = map_room(world, base, c.arg1);
            break;
        case 'R':
            c.arg1 = map_room(world, base, c.arg1);
            c.arg2 = map_object(world, base, c.arg2);
            break;
        case 'T':
        case 'V':
            // A room trigger or variable names its room; a mob's or an
            // object's goes to what was loaded last.
            c.arg3 = map_room(world, base, c.arg3);
            break;
        default:
            break;
        }
    }
}

void renumber_triggers(World& world, int32_t base) {
    const auto map_trigger = [&](int32_t v) {
        for (size_t i = 0; i < world.triggers.size(); ++i)
            if (world.triggers[i].vnum == v) return base + int32_t(i);
        return v;
    };
    for (room_data& r : world.rooms)
        for (int32_t& t : r.triggers) t = map_trigger(t);
    for (char_data& m : world.mobs)
        for (int32_t& t : m.triggers) t = map_trigger(t);
    for (obj_record& o : world.objects)
        for (int32_t& t : o.triggers) t = map_trigger(t);
    for (zCommand& c : world.zone.commands)
        if (c.command == 'T') c.arg2 = map_trigger(c.arg2);
    for (size_t i = 0; i < world.triggers.size(); ++i) world.triggers[i].vnum = base + int32_t(i);
}

void renumber_shops(World& world, int32_t base) {
    for (int i = 0; i < world.shop_count(); ++i) {
        shop_data& shop = world.shops[i];
        shop.keeper = map_mob(world, base, shop.keeper);
        for (int32_t& product : shop.products) product = map_object(world, base, product);
        for (int32_t& room : shop.rooms) room = map_room(world, base, room);
    }
    for (int i = 0; i < world.shop_count(); ++i) world.shops[i].vnum = base + i;
}

void renumber_rooms(World& world, int32_t base) {
    for (room_data& room : world.rooms) {
        for (auto& exit : room.exits) {
            if (!exit) continue;
            exit->target_vnum = map_room(world, base, exit->target_vnum);
            exit->key_vnum = map_object(world, base, exit->key_vnum);
        }
    }
    for (int i = 0; i < world.room_count(); ++i) world.rooms[i].vnum = base + i;
}

void renumber_container_keys(World& world, int32_t base) {
    for (obj_record& object : world.objects) {
        if (object.type != kContainerType) continue;
        int32_t& key = object.values[kContainerKeyValue];
        key = map_object(world, base, key);
    }
}

// The zone moves with its records: its number and its top into the new
// hundred, the top as far above the bottom as it was, and never below the
// highest room.
void move_zone_header(World& world, int32_t base) {
    zone_header& z = world.zone;
    if (z.zone_number == 0 && z.top == 0 && z.name.empty()) return;
    const int64_t above = std::max<int64_t>(0, int64_t(z.top) - int64_t(z.zone_number) * 100);
    const int64_t bot_above = std::max<int64_t>(0, int64_t(z.bot) - int64_t(z.zone_number) * 100);
    z.zone_number = base / 100;
    // The bottom moves as far above the zone's hundred as it was, and
    // never above the lowest room.
    if (z.bot != 0 || world.dialect != Dialect::Circle30) {
        int64_t bot = int64_t(z.zone_number) * 100 + bot_above;
        for (const room_data& r : world.rooms) bot = std::min<int64_t>(bot, r.vnum);
        z.bot = int32_t(std::clamp<int64_t>(bot, 0, INT32_MAX));
    }
    int64_t top = int64_t(z.zone_number) * 100 + above;
    for (const room_data& r : world.rooms) top = std::max<int64_t>(top, r.vnum);
    z.top = int32_t(std::min<int64_t>(top, INT32_MAX));
}

bool renumber_world(World& world, int32_t base, Messages& messages) {
    const int largest = largest_table(world);
    if (base < 0 || (largest > 0 && int64_t(base) + largest - 1 > INT32_MAX)) {
        messages.show("Cannot renumber from " + std::to_string(base) +
                      ": the zone's numbers must lie between 0 and " + std::to_string(INT32_MAX) +
                      ".");
        return false;
    }
    if (largest > kZoneSize) {
        std::string question =
            "A table of this zone holds " + std::to_string(largest) +
            " records, more than the 100 numbers of a zone. Renumbered from " +
            std::to_string(base) + ", its records run up to " +
            std::to_string(int64_t(base) + largest - 1) + ", into the numbers of the next zone.\n"
            "Renumber anyway?";
        if (messages.ask(question) != Answer::Yes) return false;
    }
    // Two records of one vnum in a world: the server finds only one of them.
    if (const auto clashes = clashes_with_other_zones(world, base); !clashes.empty()) {
        std::string list;
        for (const std::string& c : clashes) list += (list.empty() ? "" : ", ") + c;
        if (messages.ask("Renumbered from " + std::to_string(base) +
                         ", this zone's records would take vnums that other zones of the world "
                         "folder already use: " + list + ".\nRenumber anyway?") != Answer::Yes)
            return false;
    }
    renumber_triggers(world, base);
    renumber_zone_commands(world, base);
    renumber_shops(world, base);
    renumber_mobs(world, base);
    renumber_rooms(world, base);
    renumber_container_keys(world, base);
    renumber_objects(world, base);
    move_zone_header(world, base);
    world.changed = true;
    return true;
}

}  // namespace tarnwick
