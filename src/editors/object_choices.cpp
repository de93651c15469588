#include "editors/object_choices.h"

#include <unordered_set>

#include "world/other_zones.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

std::vector<std::string> object_choice_lines(const World& world) {
    std::vector<std::string> lines;
    lines.reserve(world.objects.size());
    for (const auto& o : world.objects)
        lines.push_back(std::to_string(o.vnum) + " - " + o.short_description);
    // Then the other zones' objects, when the rest of a world folder was read.
    if (!world.other_zones) return lines;
    std::unordered_set<int32_t> own;
    for (const auto& o : world.objects) own.insert(o.vnum);
    for (const OtherRecord& r : world.other_zones->objects())
        if (!own.count(r.vnum)) lines.push_back(std::to_string(r.vnum) + " - " + zone_labelled(r));
    return lines;
}

int32_t vnum_of_choice(const std::string& text) {
    size_t b = 0;
    while (b < text.size() && is_blank(text[b])) ++b;
    size_t e = b;
    while (e < text.size() && !is_blank(text[e])) ++e;
    int32_t v = 0;
    return to_int32(text.substr(b, e - b), v) ? v : -1;
}

}  // namespace tarnwick
