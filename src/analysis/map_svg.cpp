#include "analysis/map_svg.h"

#include <charconv>

#include "world/windows1252.h"

namespace tarnwick {

namespace {

// Text for XML: markup characters escaped, Windows-1252 turned into UTF-8,
// and characters XML does not allow (controls) shown as '?'.
std::string xml_text(const std::string& bytes) {
    std::string out;
    for (unsigned char b : bytes) {
        char32_t c = cp1252_char(b);
        if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0)) c = '?';
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: append_utf8(out, c);
        }
    }
    return out;
}

// One decimal, always with a point: the locale's decimal comma (which a Qt
// program takes from its environment) would break the SVG numbers.
std::string num(double v) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 1);
    return std::string(buf, r.ptr);
}

std::string paint(const MapShape& s) {
    std::string a = " fill=\"" + (s.fill.empty() ? std::string("none") : s.fill) + "\"";
    if (!s.stroke.empty())
        a += " stroke=\"" + s.stroke + "\" stroke-width=\"" + num(s.width) + "\"";
    if (s.dashed) a += " stroke-dasharray=\"4 3\"";
    return a;
}

std::string points(const MapShape& s) {
    std::string out;
    for (const MapPoint& p : s.points) out += (out.empty() ? "" : " ") + num(p.x) + "," + num(p.y);
    return out;
}

}  // namespace

std::string map_svg(const MapPicture& picture) {
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + num(picture.width) +
           "\" height=\"" + num(picture.height) + "\" viewBox=\"0 0 " + num(picture.width) + " " +
           num(picture.height) + "\" font-family=\"DejaVu Sans, sans-serif\">\n";
    out += "<rect x=\"0\" y=\"0\" width=\"" + num(picture.width) + "\" height=\"" +
           num(picture.height) + "\" fill=\"#ffffff\"/>\n";
    for (const MapShape& s : picture.shapes) {
        switch (s.kind) {
        case ShapeKind::Rect:
            out += "<rect x=\"" + num(s.points[0].x) + "\" y=\"" + num(s.points[0].y) +
                   "\" width=\"" + num(s.points[1].x - s.points[0].x) + "\" height=\"" +
                   num(s.points[1].y - s.points[0].y) + "\"" + paint(s) + "/>\n";
            break;
        case ShapeKind::Polyline:
            out += "<polyline points=\"" + points(s) + "\"" + paint(s) + "/>\n";
            break;
        case ShapeKind::Polygon:
            out += "<polygon points=\"" + points(s) + "\"" + paint(s) + "/>\n";
            break;
        case ShapeKind::Text:
            out += "<text x=\"" + num(s.points[0].x) + "\" y=\"" + num(s.points[0].y) +
                   "\" font-size=\"" + num(s.font_size) + "\"" +
                   (s.bold ? " font-weight=\"bold\"" : "") +
                   " text-anchor=\"middle\" dominant-baseline=\"central\" fill=\"" + s.fill +
                   "\">" + xml_text(s.text) + "</text>\n";
            break;
        }
    }
    out += "</svg>\n";
    return out;
}

}  // namespace tarnwick
