#pragma once
// The PNG side of `tarnwick-cli map`: drawn by Qt (offscreen) when the tool
// is built with the editor, missing otherwise.

#include <string>

#include "analysis/map_picture.h"

namespace tarnwick::cli {

// True when this build can write PNG files.
bool png_available();
// Writes the picture as PNG; on failure answers false with `error` set.
bool write_png(const MapPicture& picture, const std::string& path, std::string& error);

}  // namespace tarnwick::cli
