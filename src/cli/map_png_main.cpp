// tarnwick-map-png: the map command of tarnwick-cli with a Qt painter for
// PNG files. tarnwick-cli runs it with its own arguments when asked for a
// PNG, so only this program loads Qt.

#include <string>
#include <vector>

#include "cli/map_png.h"
#include "world/platform_files.h"

int main(int argc, char** argv) {
    tarnwick::platform::use_binary_standard_streams();
    return tarnwick::cli::map_command(tarnwick::platform::utf8_arguments(argc, argv),
                                      tarnwick::cli::write_png);
}
