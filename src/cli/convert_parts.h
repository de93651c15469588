#pragma once
// The parts of the convert command shared by its files: the parsed
// arguments, a converted zone with where it goes, and the world folder's
// reading and writing.

#include <optional>
#include <string>
#include <vector>

#include "convert/conversion_report.h"
#include "project/converted_zone.h"
#include "world/world.h"

namespace tarnwick {
class Messages;
}

namespace tarnwick::cli {

struct ConvertArgs {
    std::vector<std::string> inputs;
    std::optional<Dialect> to;
    std::string out;
    bool yes = false;
    std::optional<std::string> author;
};

// One converted zone, where it goes and what changed.
struct Converted {
    World world;
    ZoneFiles files;
    ConversionReport report;
};

// `name` inside the folder `dir`.
std::string in_folder(const std::string& dir, const std::string& name);

// A whole world folder: every zone converted with the others as its
// neighbours, each into OUT/TYPE/N.TYPE. False, after a message, when a
// file of it did not load.
bool from_folder(const ConvertArgs& a, std::vector<Converted>& out, Messages& messages);

// Each type folder of OUT gets the index its server reads, in zone order.
bool write_indexes(const std::string& dir, const std::vector<Converted>& zones, Dialect to,
                   Messages& messages);

}  // namespace tarnwick::cli
