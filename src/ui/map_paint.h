#pragma once
// Qt's drawing of a map picture: one shape at a time for the map window's
// items, or the whole picture into an image for PNG files.

#include <QImage>
#include <QRectF>
#include <QString>
#include <string>

#include "analysis/map_picture.h"

class QPainter;

namespace tarnwick::ui {

// The area a shape covers, lines and text included.
QRectF map_shape_bounds(const MapShape& shape);
void paint_map_shape(QPainter& painter, const MapShape& shape);
QImage render_map_image(const MapPicture& picture);
// False with `error` set when the file could not be written.
bool save_map_png(const MapPicture& picture, const QString& path, std::string& error);

}  // namespace tarnwick::ui
