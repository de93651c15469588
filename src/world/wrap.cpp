#include "world/wrap.h"

#include "world/world.h"

namespace tarnwick {

std::string wrap_columns(const std::string& text, int columns) {
    std::string joined;
    joined.reserve(text.size() + 1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            while (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n')) ++i;
            joined += ' ';
        } else {
            joined += text[i];
        }
    }
    int counter = 0;
    for (char& c : joined) {
        if (counter > columns && c == ' ') {
            c = '\n';
            counter = 0;
        }
        ++counter;
    }
    joined += '\n';
    return joined;
}

namespace {
void wrap_text(std::string& text, int columns) {
    if (!text.empty()) text = wrap_columns(text, columns);
}
}  // namespace

void wrap_room_descriptions(World& world, int columns) {
    for (auto& room : world.rooms) {
        wrap_text(room.description, columns);
        for (auto& e : room.extra_descs) wrap_text(e.description, columns);
    }
}

void wrap_object_descriptions(World& world, int columns) {
    for (auto& obj : world.objects)
        for (auto& e : obj.extra_descs) wrap_text(e.description, columns);
}

void wrap_mob_descriptions(World& world, int columns) {
    for (auto& mob : world.mobs) wrap_text(mob.descr, columns);
}

void wrap_all_descriptions(World& world, int columns) {
    wrap_room_descriptions(world, columns);
    wrap_object_descriptions(world, columns);
    wrap_mob_descriptions(world, columns);
    world.changed = true;
}

}  // namespace tarnwick
