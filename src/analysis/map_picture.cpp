#include "analysis/map_picture.h"

#include <algorithm>
#include <cmath>

#include "world/world.h"

namespace tarnwick {

namespace {

constexpr const char* kLineColour = "#303030";
constexpr const char* kOtherZoneColour = "#1f4e9c";
constexpr const char* kMissingColour = "#d00000";
constexpr const char* kNowhereColour = "#909090";
constexpr const char* kDoorColour = "#8b5a2b";
constexpr const char* kLockedColour = "#7a0000";
constexpr double kStubLength = 22;
constexpr size_t kNameChars = 16;

const char* target_colour(ExitTarget t) {
    switch (t) {
    case ExitTarget::InZone: return kLineColour;
    case ExitTarget::OtherZone: return kOtherZoneColour;
    case ExitTarget::Missing: return kMissingColour;
    case ExitTarget::Nowhere: return kNowhereColour;
    }
    return kLineColour;
}

MapPoint unit(int direction) {
    switch (direction) {
    case North: return {0, -1};
    case East: return {1, 0};
    case South: return {0, 1};
    case West: return {-1, 0};
    // A diagonal leaves its box at a corner.
    case Northwest: return {-1, -1};
    case Northeast: return {1, -1};
    case Southeast: return {1, 1};
    case Southwest: return {-1, 1};
    }
    return {0, 0};
}

bool up_or_down(int direction) { return direction == Up || direction == Down; }

MapPoint plus(MapPoint a, MapPoint d, double k) { return {a.x + d.x * k, a.y + d.y * k}; }

class Painter {
public:
    Painter(const MapLayout& layout, int level) : layout_(layout) {
        bool any = false;
        for (const MapRoom& r : layout.rooms) {
            if (r.pos.level != level) continue;
            x0_ = any ? std::min(x0_, r.pos.x) : r.pos.x;
            y0_ = any ? std::min(y0_, r.pos.y) : r.pos.y;
            x1_ = any ? std::max(x1_, r.pos.x) : r.pos.x;
            y1_ = any ? std::max(y1_, r.pos.y) : r.pos.y;
            any = true;
        }
        picture.level = level;
        picture.width = (x1_ - x0_ + 1) * kCellWidth + 2 * kMargin;
        picture.height = (y1_ - y0_ + 1) * kCellHeight + 2 * kMargin;
    }

    MapPoint centre(int room) const {
        const GridPos& p = layout_.rooms[size_t(room)].pos;
        return {kMargin + (p.x - x0_ + 0.5) * kCellWidth, kMargin + (p.y - y0_ + 0.5) * kCellHeight};
    }
    // The middle of a box's side facing `direction`.
    MapPoint side(int room, int direction) const {
        const MapPoint d = unit(direction);
        const MapPoint c = centre(room);
        return {c.x + d.x * kBoxWidth / 2, c.y + d.y * kBoxHeight / 2};
    }

    MapShape& add(ShapeKind kind, ShapeRole role, std::vector<MapPoint> points, int32_t vnum) {
        MapShape s;
        s.kind = kind;
        s.role = role;
        s.points = std::move(points);
        s.room_vnum = vnum;
        picture.shapes.push_back(std::move(s));
        return picture.shapes.back();
    }

    void text(ShapeRole role, MapPoint at, std::string t, double size, const char* colour,
              int32_t vnum, bool bold = false) {
        MapShape& s = add(ShapeKind::Text, role, {at}, vnum);
        s.text = std::move(t);
        s.font_size = size;
        s.fill = colour;
        s.bold = bold;
    }

    MapPicture picture;

private:
    const MapLayout& layout_;
    int x0_ = 0, y0_ = 0, x1_ = 0, y1_ = 0;
};

void draw_room(Painter& p, const MapRoom& room, int index, const World& world,
               const RoomFills* fills) {
    const room_data& r = world.rooms[size_t(room.room_index)];
    const MapPoint c = p.centre(index);
    MapShape& box = p.add(ShapeKind::Rect, ShapeRole::Room,
                          {{c.x - kBoxWidth / 2, c.y - kBoxHeight / 2},
                           {c.x + kBoxWidth / 2, c.y + kBoxHeight / 2}},
                          room.vnum);
    box.fill = sector_colour(r.sector);
    if (fills)
        if (const auto fill = fills->find(room.vnum); fill != fills->end()) box.fill = fill->second;
    box.stroke = "#404040";
    box.width = 1.2;
    p.text(ShapeRole::RoomLabel, {c.x, c.y - 9}, std::to_string(room.vnum), 11, "#000000",
           room.vnum, true);
    std::string name = r.name;
    if (name.size() > kNameChars) name = name.substr(0, kNameChars - 2) + "...";
    p.text(ShapeRole::RoomName, {c.x, c.y + 10}, name, 9, "#202020", room.vnum);
}

void draw_arrow_head(Painter& p, MapPoint tip, MapPoint from, const char* colour, int32_t vnum) {
    const double dx = tip.x - from.x, dy = tip.y - from.y;
    const double len = std::hypot(dx, dy);
    if (len <= 0) return;
    const MapPoint u{dx / len, dy / len}, n{-u.y, u.x};
    const MapPoint base = plus(tip, u, -9);
    MapShape& s = p.add(ShapeKind::Polygon, ShapeRole::Exit,
                        {tip, plus(base, n, 4.5), plus(base, n, -4.5)}, vnum);
    s.fill = colour;
    s.stroke = colour;
}

void draw_door(Painter& p, const MapExit& e, int32_t vnum) {
    const MapPoint d = unit(e.direction), n{-d.y, d.x};
    const MapPoint at = plus(p.side(e.from, e.direction), d, 7);
    MapShape& bar = p.add(ShapeKind::Polyline, ShapeRole::Door, {plus(at, n, -8), plus(at, n, 8)}, vnum);
    bar.stroke = e.locked ? kLockedColour : kDoorColour;
    bar.width = 3.5;
    if (!e.locked) return;
    // The lock: a small filled square on the bar.
    MapShape& lock = p.add(ShapeKind::Rect, ShapeRole::Door,
                           {{at.x - 3.5, at.y - 3.5}, {at.x + 3.5, at.y + 3.5}}, vnum);
    lock.fill = kLockedColour;
    lock.stroke = kLockedColour;
}

void draw_stub(Painter& p, const MapExit& e, int32_t vnum, const std::string& label, bool dashed) {
    const MapPoint d = unit(e.direction);
    const MapPoint a = p.side(e.from, e.direction), b = plus(a, d, kStubLength);
    const char* colour = target_colour(e.target);
    MapShape& s = p.add(ShapeKind::Polyline, ShapeRole::Stub, {a, b}, vnum);
    s.stroke = colour;
    s.width = 1.5;
    s.dashed = dashed;
    if (label.empty()) return;
    const double along = (e.direction == East || e.direction == West) ? 4 + 3.2 * label.size() : 8;
    p.text(ShapeRole::StubLabel, plus(b, d, along), label, 9, colour, vnum);
}

// Up at the box's top right corner, down at its top left, clear of the
// texts.
void draw_up_down(Painter& p, const MapExit& e, int32_t vnum) {
    const MapPoint c = p.centre(e.from);
    const double top = c.y - kBoxHeight / 2 + 4;
    const double x = e.direction == Up ? c.x + kBoxWidth / 2 - 10 : c.x - kBoxWidth / 2 + 10;
    std::vector<MapPoint> tri =
        e.direction == Up ? std::vector<MapPoint>{{x, top}, {x + 5, top + 8}, {x - 5, top + 8}}
                          : std::vector<MapPoint>{{x - 5, top}, {x + 5, top}, {x, top + 8}};
    MapShape& s = p.add(ShapeKind::Polygon, ShapeRole::UpDown, std::move(tri), vnum);
    s.fill = target_colour(e.target);
    s.stroke = s.fill;
}

void draw_exit(Painter& p, const MapLayout& layout, const MapExit& e) {
    const int32_t vnum = layout.rooms[size_t(e.from)].vnum;
    if (up_or_down(e.direction)) {
        draw_up_down(p, e, vnum);
        return;
    }
    if (e.door) draw_door(p, e, vnum);
    switch (e.target) {
    case ExitTarget::Nowhere: draw_stub(p, e, vnum, "", false); return;
    case ExitTarget::OtherZone:
    case ExitTarget::Missing: draw_stub(p, e, vnum, std::to_string(e.target_vnum), false); return;
    case ExitTarget::InZone: break;
    }
    const MapRoom& to = layout.rooms[size_t(e.to)];
    const int level = layout.rooms[size_t(e.from)].pos.level;
    if (e.to == e.from || to.pos.level != level) {
        std::string label = std::to_string(e.target_vnum);
        if (to.pos.level != level) label += " L" + std::to_string(to.pos.level);
        draw_stub(p, e, vnum, label, true);
        return;
    }
    // A two-way pair is one line, drawn from its lower room.
    if (e.two_way && e.to < e.from) return;
    const int back = opposite_direction(e.direction);
    std::vector<MapPoint> line;
    const MapPoint a = p.side(e.from, e.direction), b = p.side(e.to, back);
    if (e.straight) {
        line = {a, b};
    } else {
        line = {a, plus(a, unit(e.direction), 12), plus(b, unit(back), 12), b};
    }
    MapShape& s = p.add(ShapeKind::Polyline, ShapeRole::Exit, line, vnum);
    s.stroke = kLineColour;
    s.width = 1.5;
    if (!e.two_way) draw_arrow_head(p, line.back(), line[line.size() - 2], kLineColour, vnum);
}

}  // namespace

const char* sector_colour(int sector) {
    static constexpr const char* kColours[] = {
        "#ddd5c6",  // inside
        "#c9c9c9",  // city
        "#cbe6a6",  // field
        "#86b872",  // forest
        "#cdb97f",  // hills
        "#ac9684",  // mountain
        "#a6d4f2",  // water (swim)
        "#6aa6dc",  // water (no swim)
        "#5b86c4",  // underwater
        "#e8f0ff",  // flying
    };
    return sector >= 0 && sector < int(std::size(kColours)) ? kColours[sector] : "#eeeeee";
}

int first_level(const MapLayout& layout) {
    return layout.rooms.empty() ? 0 : layout.rooms.front().pos.level;
}

MapPicture draw_map_level(const MapLayout& layout, const World& world, int level,
                          const RoomFills* fills) {
    Painter p(layout, level);
    // Every shape of an exit carries its direction, so a viewer can tell
    // which exit of its room a click landed on.
    auto draw_exit_of = [&](const MapExit& e) {
        const size_t first = p.picture.shapes.size();
        draw_exit(p, layout, e);
        for (size_t k = first; k < p.picture.shapes.size(); ++k) p.picture.shapes[k].direction = e.direction;
    };
    // Lines first, so the boxes cover their ends.
    for (const MapExit& e : layout.exits)
        if (layout.rooms[size_t(e.from)].pos.level == level && !up_or_down(e.direction)) draw_exit_of(e);
    for (size_t i = 0; i < layout.rooms.size(); ++i)
        if (layout.rooms[i].pos.level == level) draw_room(p, layout.rooms[i], int(i), world, fills);
    for (const MapExit& e : layout.exits)
        if (layout.rooms[size_t(e.from)].pos.level == level && up_or_down(e.direction)) draw_exit_of(e);
    return p.picture;
}

}  // namespace tarnwick
