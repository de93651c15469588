#include "ui/map_paint.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

QColor colour(const std::string& hex) { return QColor(QString::fromLatin1(hex.c_str())); }

QPointF at(const MapPoint& p) { return {p.x, p.y}; }

QPolygonF polygon(const MapShape& s) {
    QPolygonF out;
    for (const MapPoint& p : s.points) out << at(p);
    return out;
}

QPen pen_of(const MapShape& s) {
    if (s.stroke.empty()) return Qt::NoPen;
    QPen pen(colour(s.stroke), s.width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (s.dashed) pen.setDashPattern({4 / s.width, 3 / s.width});
    return pen;
}

QFont font_of(const MapShape& s) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, int(s.font_size + 0.5)));
    f.setBold(s.bold);
    return f;
}

// A box around the text's centre wide enough for any of its characters.
QRectF text_box(const MapShape& s) {
    const double w = double(s.text.size()) * s.font_size * 0.75 + 6, h = s.font_size * 1.8;
    return {s.points[0].x - w / 2, s.points[0].y - h / 2, w, h};
}

}  // namespace

QRectF map_shape_bounds(const MapShape& s) {
    if (s.kind == ShapeKind::Text) return text_box(s);
    const QRectF r = polygon(s).boundingRect();
    const double pad = s.width + 1;
    return r.adjusted(-pad, -pad, pad, pad);
}

void paint_map_shape(QPainter& painter, const MapShape& s) {
    switch (s.kind) {
    case ShapeKind::Rect:
        painter.setPen(pen_of(s));
        painter.setBrush(s.fill.empty() ? QBrush(Qt::NoBrush) : QBrush(colour(s.fill)));
        painter.drawRect(QRectF(at(s.points[0]), at(s.points[1])));
        break;
    case ShapeKind::Polyline:
        painter.setPen(pen_of(s));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(polygon(s));
        break;
    case ShapeKind::Polygon:
        painter.setPen(pen_of(s));
        painter.setBrush(s.fill.empty() ? QBrush(Qt::NoBrush) : QBrush(colour(s.fill)));
        painter.drawPolygon(polygon(s));
        break;
    case ShapeKind::Text:
        painter.setPen(colour(s.fill.empty() ? "#000000" : s.fill));
        painter.setFont(font_of(s));
        painter.drawText(text_box(s), Qt::AlignCenter | Qt::TextDontClip, from_cp1252(s.text));
        break;
    }
}

QImage render_map_image(const MapPicture& picture) {
    QImage image(QSize(int(picture.width + 0.5), int(picture.height + 0.5)), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const MapShape& s : picture.shapes) paint_map_shape(painter, s);
    return image;
}

bool save_map_png(const MapPicture& picture, const QString& path, std::string& error) {
    const QImage image = render_map_image(picture);
    if (image.isNull()) {
        error = "the picture is too large to draw";
        return false;
    }
    if (!image.save(path, "PNG")) {
        error = "could not be written";
        return false;
    }
    return true;
}

}  // namespace tarnwick::ui
