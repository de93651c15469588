#include "project/convert_project.h"

#include "convert/convert.h"
#include "project/converted_zone.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// A zone opened from a world folder has no project file yet: its project
// file goes beside its zone file, named after it.
AreaProject with_project_path(AreaProject p) {
    if (!p.project_path.empty() || p.zone_file.empty()) return p;
    std::string zone = p.zone_file;
    const size_t dot = zone.rfind('.');
    const size_t slash = zone.find_last_of("/\\");
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) zone.erase(dot);
    p.project_path = zone + ".qzp";
    return p;
}

}  // namespace

std::string losses_question(const ConversionReport& report, size_t shown) {
    const std::vector<std::string> lines = report.lines(true);
    std::string text = std::string(dialect_name(report.to)) + " cannot hold " +
                       std::to_string(lines.size()) + " value(s) of this zone:\n";
    for (size_t i = 0; i < lines.size() && i < shown; ++i) text += "  " + lines[i] + "\n";
    if (lines.size() > shown)
        text += "  ... and " + std::to_string(lines.size() - shown) +
                " more, every one in the conversion report\n";
    return text + "\nDrop them and write the converted project?";
}

std::optional<ConvertedProject> convert_project(const World& world, const AreaProject& project,
                                                Dialect to, Messages& messages,
                                                const ReportShower& show_first) {
    const AreaProject from = with_project_path(project);
    ConvertedProject out;
    out.project = converted_project(from, to);
    // The new files' names are resolved against the old project's folder,
    // where the new project file goes too.
    const ZoneFiles files = project_zone_files(out.project);
    const std::vector<std::string> there = existing_outputs(files, to, out.project.project_path);
    if (!there.empty()) {
        std::string text = "Not converted: these files exist already and are never written over:";
        for (const std::string& path : there) text += "\n  " + path;
        messages.show(text);
        return std::nullopt;
    }
    World converted = convert_world(world, to, {from.author, neighbour_spans(world)}, out.report);
    if (out.report.left_out) {
        messages.show(out.report.text());
        return std::nullopt;
    }
    if (out.report.has_losses() && show_first) show_first(out.report);
    if (out.report.has_losses() &&
        messages.ask_buttons(losses_question(out.report), "Drop and convert", "Cancel") !=
            Answer::Yes)
        return std::nullopt;
    if (!save_converted_project(converted, out.project, messages)) return std::nullopt;
    return out;
}

}  // namespace tarnwick
