#pragma once
// The project values: the five world files of one zone, its display name,
// author and zone number, and where the editor's windows stood.

#include <array>
#include <cstdint>
#include <string>

namespace tarnwick {

// One window's place on screen, as the project file keeps it.
struct window_layout {
    bool visible = false;
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool operator==(const window_layout&) const = default;
};

// The nine windows whose layout the project keeps, in file order.
enum class ProjectWindow {
    Main = 0, RoomList, RoomEditor, MobList, MobEditor, ObjectList, ObjectEditor, ShopList, ShopEditor
};
constexpr int kProjectWindowCount = 9;

struct AreaProject {
    std::string project_path;  // not stored in the file
    std::string zone_name;
    std::string author;
    std::string zone_file;
    std::string room_file;
    std::string mob_file;
    std::string object_file;
    std::string shop_file;
    int32_t zone_number = 0;
    std::array<window_layout, kProjectWindowCount> windows{};
    bool operator==(const AreaProject&) const = default;
};

}  // namespace tarnwick
