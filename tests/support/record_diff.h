#pragma once
// Field-by-field comparison of world records, naming the record and the
// field of every difference, lists compared entry by entry in order.

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick {
class World;
struct AreaProject;
}

namespace tarnwick::testkit {

struct Difference {
    std::string record;  // "room #3001", "command 12 (line 40)", "table"
    std::string field;   // "exits[2].keywords"
    std::string first, second;
};

std::string describe(const Difference& d);

void diff_rooms(const World& a, const World& b, std::vector<Difference>& out);
void diff_mobs(const World& a, const World& b, std::vector<Difference>& out);
void diff_objects(const World& a, const World& b, std::vector<Difference>& out);
void diff_shops(const World& a, const World& b, std::vector<Difference>& out);
void diff_zone(const World& a, const World& b, std::vector<Difference>& out);
// Everything a project keeps: its values and the four tables and the zone.
void diff_project(const AreaProject& a, const AreaProject& b, std::vector<Difference>& out);

}  // namespace tarnwick::testkit
