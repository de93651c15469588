#pragma once
// The PNG side of `tarnwick-cli map`. Drawing a PNG needs Qt, and loading Qt
// costs more than everything else the tool does at start, so the painter
// lives in a separate program, tarnwick-map-png: the tool runs it with the
// map command's arguments only when a PNG is asked for.

#include <string>
#include <vector>

#include "analysis/map_picture.h"

namespace tarnwick::cli {

// Writes the picture as PNG; on failure answers false with `error` set.
using PngWriter = bool (*)(const MapPicture& picture, const std::string& path, std::string& error);

// The map command after its --help: draws the map as SVG, or as PNG through
// `write_png`. Without a writer a PNG request goes to run_png_program.
int map_command(const std::vector<std::string>& args, PngWriter write_png);

// The Qt painter, in tarnwick-map-png only.
bool write_png(const MapPicture& picture, const std::string& path, std::string& error);

// The name of the PNG map program.
inline constexpr const char* kPngProgram = "tarnwick-map-png";

// Runs tarnwick-map-png with `args`, found beside the running program first,
// then on PATH, and answers its exit code; 1, after a message, when it is
// absent or cannot be started.
int run_png_program(const std::vector<std::string>& args);

}  // namespace tarnwick::cli
