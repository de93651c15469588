#pragma once
// A map picture as an SVG document (UTF-8).

#include <string>

#include "analysis/map_picture.h"

namespace tarnwick {

std::string map_svg(const MapPicture& picture);

}  // namespace tarnwick
