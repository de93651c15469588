// tarnwick-cli map: the zone map of a project as SVG or PNG, and how well
// the layout fits the exits.

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <string>

#include "analysis/map_layout.h"
#include "analysis/map_picture.h"
#include "analysis/map_svg.h"
#include "cli/commands.h"
#include "cli/map_png.h"
#include "cli/stderr_messages.h"
#include "project/area_project.h"
#include "project/preferences.h"
#include "project/project_session.h"
#include "world/atomic_file.h"
#include "world/scan.h"
#include "world/world.h"

namespace tarnwick::cli {

namespace {

const char* kMapHelp =
    "usage: tarnwick-cli map PROJECT.qzp [-o OUT.svg|OUT.png] [--level N] [--stats]\n"
    "Lays the zone's rooms out on a grid from their exits and draws one level\n"
    "(default: the level of the zone's lowest room) as SVG or PNG, by the\n"
    "extension of OUT. --stats prints how many two-way compass exits are drawn\n"
    "straight, how many rooms overlap, and the time the layout took (the\n"
    "fastest of five runs).\n";

bool ends_with(const std::string& s, const char* tail) {
    const std::string t(tail);
    if (s.size() < t.size()) return false;
    std::string end = s.substr(s.size() - t.size());
    for (auto& c : end) c = char(std::tolower(static_cast<unsigned char>(c)));
    return end == t;
}

std::string level_list(const MapLayout& layout) {
    std::string out;
    for (int l : layout.levels) out += (out.empty() ? "" : ", ") + std::to_string(l);
    return out.empty() ? "none" : out;
}

}  // namespace

int run_map(const std::vector<std::string>& args) {
    if (wants_help(args, kMapHelp)) return 0;
    return map_command(args, nullptr);
}

int map_command(const std::vector<std::string>& args, PngWriter write_png) {
    std::string project_path, out, level_text;
    bool stats = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if ((a == "-o" || a == "--level") && i + 1 < args.size()) {
            (a == "-o" ? out : level_text) = args[++i];
        } else if (a == "--stats") {
            stats = true;
        } else if (a.empty() || a[0] == '-' || !project_path.empty()) {
            std::fputs(kMapHelp, stderr);
            return 2;
        } else {
            project_path = a;
        }
    }
    const bool svg = ends_with(out, ".svg"), png = ends_with(out, ".png");
    int32_t level = 0;
    if (project_path.empty() || (out.empty() && !stats) || (!out.empty() && !svg && !png) ||
        (!level_text.empty() && !to_int32(level_text, level))) {
        std::fputs(kMapHelp, stderr);
        return 2;
    }
    // The Qt painter lives in a program of its own, so the tool itself
    // starts without loading Qt: it hands a PNG request over whole.
    if (png && !write_png) return run_png_program(args);

    World world;
    AreaProject project;
    Preferences preferences;
    StderrMessages messages;
    ProjectSession session(world, project, preferences, messages);
    if (!session.open_project(project_path)) return 1;

    // The fastest of a few runs: one run on a busy machine says little.
    MapLayout layout;
    double ms = 0;
    for (int run = 0; run < (stats ? 5 : 1); ++run) {
        const auto start = std::chrono::steady_clock::now();
        layout = lay_out_zone(world);
        const double took =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        ms = run == 0 ? took : std::min(ms, took);
    }
    if (stats) {
        const LayoutQuality q = measure_layout(layout);
        std::printf("%s: %d rooms, %d islands, levels %s; two-way compass exits %d, straight %d "
                    "(%.1f%%); overlapping rooms %d; layout %.2f ms\n",
                    project_path.c_str(), q.rooms, layout.island_count, level_list(layout).c_str(),
                    q.compass_two_way, q.straight, 100.0 * q.straight_share(), q.overlapping, ms);
    }
    if (out.empty()) return 0;

    if (level_text.empty()) level = first_level(layout);
    bool known = false;
    for (int l : layout.levels) known = known || l == level;
    if (!known && !layout.levels.empty()) {
        std::fprintf(stderr, "tarnwick-cli: no rooms on level %d (levels: %s)\n", level,
                     level_list(layout).c_str());
        return 1;
    }
    const MapPicture picture = draw_map_level(layout, world, level);
    if (png) {
        std::string error;
        if (write_png(picture, out, error)) return 0;
        std::fprintf(stderr, "tarnwick-cli: %s: %s\n", out.c_str(), error.c_str());
        return 1;
    }
    const WriteResult written = write_file_atomic(out, map_svg(picture));
    if (written.ok) return 0;
    std::fprintf(stderr, "tarnwick-cli: %s: %s\n", out.c_str(), written.reason.c_str());
    return 1;
}

}  // namespace tarnwick::cli
