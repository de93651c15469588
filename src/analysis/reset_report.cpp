#include "analysis/reset_report.h"

#include <algorithm>

#include "formats/zone_file.h"
#include "world/world.h"
#include "world/number_text.h"

namespace tarnwick {

namespace {

using Kind = PopulationLine::Kind;


struct Writer {
    const std::vector<const World*>& zones;
    const Population& p;
    std::vector<PopulationLine>& out;

    std::string mob_name(int32_t vnum) const {
        for (const World* z : zones)
            if (int i = z->find_mob(vnum); i >= 0) return z->mobs[size_t(i)].short_name;
        return kNoMobName;
    }
    std::string object_name(int32_t vnum) const {
        for (const World* z : zones)
            if (int i = z->find_object(vnum); i >= 0) return z->objects[size_t(i)].short_description;
        return kNoObjectName;
    }

    void object(int id, int depth, const std::string& how) {
        const SimObject& o = p.objects()[size_t(id)];
        out.push_back({depth, Kind::Object, o.vnum, id,
                       "object #" + num(o.vnum) + " " + object_name(o.vnum) + how});
        for (int inside : o.contents) object(inside, depth + 1, "");
    }

    // In the language of the zone the report is for.
    std::string wear_name(int pos) const {
        return in_language(zones.empty() ? Language::Original : zones.front()->language,
                           wear_position_name(pos));
    }

    void mob(int id) {
        const SimMob& m = p.mobs()[size_t(id)];
        out.push_back({1, Kind::Mob, m.vnum, id, "mob #" + num(m.vnum) + " " + mob_name(m.vnum)});
        for (int pos = 0; pos < kWearSlots; ++pos)
            if (const int o = m.worn[size_t(pos)]; o >= 0)
                object(o, 2, " (worn at position " + num(pos) + ", " + wear_name(pos) + ")");
        for (int o : m.carrying) object(o, 2, " (carried)");
    }

    void room(const room_data& r, bool every_room) {
        const SimRoomContents& c = p.room(r.vnum);
        std::vector<int> doors;
        for (int d = 0; d < kDirectionCount; ++d)
            if (r.exits[size_t(d)] &&
                (r.exits[size_t(d)]->door != 0 || p.doors().count({r.vnum, d})))
                doors.push_back(d);
        if (!every_room && c.mobs.empty() && c.objects.empty() && doors.empty()) return;
        out.push_back({0, Kind::Room, r.vnum, -1, "room #" + num(r.vnum) + " " + r.name});
        for (int m : c.mobs) mob(m);
        for (int o : c.objects) object(o, 1, "");
        for (int d : doors)
            out.push_back({1, Kind::Door, r.vnum, d,
                           std::string("door ") + kDirectionWords[d] + ": " +
                               door_state_word(p.door(r.vnum, d))});
    }
};

}  // namespace

const char* door_state_word(DoorState state) {
    switch (state) {
    case DoorState::Closed: return "closed";
    case DoorState::Locked: return "locked";
    default: return "open";
    }
}

std::vector<PopulationLine> population_lines(const std::vector<const World*>& zones,
                                             const Population& population, bool every_room) {
    std::vector<const room_data*> rooms;
    for (const World* z : zones)
        for (const auto& r : z->rooms) rooms.push_back(&r);
    std::stable_sort(rooms.begin(), rooms.end(),
                     [](const room_data* a, const room_data* b) { return a->vnum < b->vnum; });
    std::vector<PopulationLine> out;
    Writer w{zones, population, out};
    for (const room_data* r : rooms) w.room(*r, every_room);
    bool header = false;
    for (size_t i = 0; i < population.objects().size(); ++i) {
        const SimObject& o = population.objects()[i];
        if (o.gone || o.place != SimPlace::Nowhere) continue;
        if (!header) out.push_back({0, Kind::Nowhere, 0, -1, "in no place (made, but not placed)"});
        header = true;
        w.object(int(i), 1, "");
    }
    return out;
}

}  // namespace tarnwick
