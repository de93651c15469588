#pragma once
// One level of the zone map as a list of plain shapes in pixels: room boxes
// with their texts, exit lines and arrows, door bars, stubs and up/down
// marks. The SVG writer and the Qt painter both draw from this list, so the
// window, the exported files and the command-line tool show one picture.

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/map_layout.h"

namespace tarnwick {

class World;

struct MapPoint {
    double x = 0, y = 0;
};

enum class ShapeKind { Rect, Polyline, Polygon, Text };

// What a shape shows, so a viewer can find rooms and exits among them.
enum class ShapeRole { Room, RoomLabel, RoomName, Exit, Door, Stub, StubLabel, UpDown };

struct MapShape {
    ShapeKind kind = ShapeKind::Polyline;
    ShapeRole role = ShapeRole::Exit;
    // Rect: top-left and bottom-right; Polyline/Polygon: the corners;
    // Text: the centre of the text.
    std::vector<MapPoint> points;
    std::string stroke;  // "#rrggbb", empty for none
    std::string fill;    // "#rrggbb", empty for none
    double width = 1;    // line width
    bool dashed = false;
    std::string text;    // Windows-1252 bytes
    double font_size = 11;
    bool bold = false;
    int32_t room_vnum = -1;  // the room the shape belongs to
    int direction = -1;      // the exit the shape draws, for exit shapes
};

struct MapPicture {
    int level = 0;
    double width = 0, height = 0;
    std::vector<MapShape> shapes;
};

// Pixel geometry of the grid.
inline constexpr double kCellWidth = 120, kCellHeight = 84;
inline constexpr double kBoxWidth = 84, kBoxHeight = 46;
inline constexpr double kMargin = 60;

// The fill colour of a sector type.
const char* sector_colour(int sector);

// Fill colours ("#rrggbb") by room vnum, in place of the sector colours.
using RoomFills = std::unordered_map<int32_t, std::string>;

// Draws the rooms of `level` (every room's exits from this level). A room
// `fills` names takes its colour; the others keep their sector's.
MapPicture draw_map_level(const MapLayout& layout, const World& world, int level,
                          const RoomFills* fills = nullptr);

// The level shown first: the level of the zone's lowest room.
int first_level(const MapLayout& layout);

}  // namespace tarnwick
