// A tool built without Qt writes SVG maps only.

#include "cli/map_png.h"

namespace tarnwick::cli {

bool png_available() { return false; }

bool write_png(const MapPicture&, const std::string&, std::string& error) {
    error = "PNG needs the Qt build";
    return false;
}

}  // namespace tarnwick::cli
