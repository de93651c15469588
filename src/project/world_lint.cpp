#include "project/world_lint.h"

#include <iterator>
#include <map>
#include <mutex>
#include <span>

#include "analysis/checker.h"
#include "world/file_path.h"
#include "world/scan.h"

namespace tarnwick {

namespace {

// A world folder's rooms above every zone's top: the server stops or
// crashes on the first. (Rooms above one zone's top belong to the next
// zone, whatever file holds them.) They were read into the last zone.
void rooms_above_every_top(const WorldFolder& folder, std::vector<Finding>& out) {
    int32_t top = INT32_MIN, zone = 0;
    for (const World& z : folder.zones)
        if (z.zone.top > top) top = z.zone.top, zone = z.zone.zone_number;
    for (const World& z : folder.zones)
        for (const auto& r : z.rooms)
            if (r.vnum > top)
                out.push_back({Severity::Error, RecordKind::Room, r.vnum, -1, "vnum",
                               "above every zone's top (the highest is " + std::to_string(top) +
                                   ", zone " + std::to_string(zone) +
                                   "'s): the server stops or crashes on it",
                               "server-text", "", 0});
}

void append(std::vector<Finding>& to, std::vector<Finding>&& from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// The walk of one zone's files; a file walked alone is the zone its name
// says (30.wld is zone 30's).
std::vector<Finding> walk_zone_files(std::span<const PreflightInput> files, bool each_alone,
                                     int32_t zone_number) {
    int32_t number = zone_number;
    if (each_alone && !to_int32(utf8_name(native_path(files.front().file).stem()), number))
        number = 0;
    return check_files_as_read(files, number);
}

}  // namespace

std::vector<Finding> walk_files_as_read(const std::vector<WorldFolder::Text>& texts,
                                        bool each_alone, int32_t zone_number) {
    std::map<std::string, std::vector<PreflightInput>> zones;
    for (const auto& t : texts)
        if (const auto kind = world_file_kind(t.path))
            zones[each_alone ? t.path : ""].push_back({*kind, t.path, t.bytes, t.dialect});
    std::vector<Finding> out;
    for (const auto& [name, files] : zones) append(out, walk_zone_files(files, each_alone, zone_number));
    return out;
}

bool lint_world_folder(const std::string& dir, WorldFolder& folder, std::vector<Finding>& findings,
                       Messages& messages, WorkProgress* progress) {
    findings.clear();
    // Each file is walked by itself on the thread that read it, while its
    // bytes are at hand; the findings join in the order of the files' paths.
    std::mutex walking;
    std::map<std::string, std::vector<Finding>> walked;
    const FileVisitor walk = [&](const WorldFolder::Text& t) {
        const auto kind = world_file_kind(t.path);
        if (!kind) return;
        const PreflightInput file{*kind, t.path, t.bytes, t.dialect};
        auto found = walk_zone_files({&file, 1}, true, 0);
        std::lock_guard<std::mutex> lock(walking);
        append(walked[t.path], std::move(found));
    };
    if (!read_world_folder(dir, folder, messages, progress, walk)) return false;
    findings = check_zones(folder.zone_list(), progress, TextWalk::ByCaller);
    for (auto& [path, found] : walked) append(findings, std::move(found));
    rooms_above_every_top(folder, findings);
    sort_findings(findings);
    folder.places.locate(findings);
    return true;
}

}  // namespace tarnwick
