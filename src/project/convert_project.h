#pragma once
// The open zone converted to another dialect as a new project beside the
// old one: the converted World written into new files (never over a file
// that exists), what the target cannot hold asked about first.

#include <functional>
#include <optional>
#include <string>

#include "convert/conversion_report.h"
#include "project/area_project.h"

namespace tarnwick {

class World;
class Messages;

struct ConvertedProject {
    AreaProject project;  // the new project, its file written
    ConversionReport report;
};

// Converts `world` (the project's open zone) to `to` and writes the new
// project and its files beside the old ones ("castle-tbamud.qzp" and so on;
// a zone opened from a world folder without a project file gets its
// project file beside its zone file). Nothing is written, and nullopt comes
// back after a message, when a file of the new project exists already, when
// the zone cannot be held by the target at all, when the builder does not
// agree to drop what the target cannot hold (each listed, one line per
// record and field), or when a file could not be written. `show_first`
// gets the whole report before that question, for a list longer than a
// question holds.
using ReportShower = std::function<void(const ConversionReport&)>;
std::optional<ConvertedProject> convert_project(const World& world, const AreaProject& project,
                                                Dialect to, Messages& messages,
                                                const ReportShower& show_first = {});

// The question listing what would be dropped (at most `shown` lines, then
// how many more).
std::string losses_question(const ConversionReport& report, size_t shown = 20);

}  // namespace tarnwick
