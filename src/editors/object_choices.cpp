#include "editors/object_choices.h"

#include "world/scan.h"
#include "world/world.h"

namespace tarnwick {

std::vector<std::string> object_choice_lines(const World& world) {
    std::vector<std::string> lines;
    lines.reserve(world.objects.size());
    for (const auto& o : world.objects)
        lines.push_back(std::to_string(o.vnum) + " - " + o.short_description);
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
