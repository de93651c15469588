#include "project/world_lint.h"

#include <iterator>
#include <map>
#include <thread>

#include "analysis/checker.h"
#include "world/file_path.h"
#include "world/parallel_for.h"
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

}  // namespace

std::vector<Finding> walk_files_as_read(const std::vector<WorldFolder::Text>& texts,
                                        bool each_alone, int32_t zone_number) {
    std::map<std::string, std::vector<PreflightInput>> zones;
    for (const auto& t : texts)
        if (const auto kind = world_file_kind(t.path))
            zones[each_alone ? t.path : ""].push_back({*kind, t.path, t.bytes, t.dialect});
    std::vector<Finding> out;
    for (const auto& [name, files] : zones) {
        int32_t number = zone_number;
        if (each_alone && !to_int32(utf8_name(native_path(name).stem()), number)) number = 0;
        append(out, check_files_as_read(files, number));
    }
    return out;
}

bool lint_world_folder(const std::string& dir, WorldFolder& folder, std::vector<Finding>& findings,
                       Messages& messages, WorkProgress* progress) {
    findings.clear();
    if (!read_world_folder(dir, folder, messages, progress, true)) return false;
    // The files' walk and the checks read only what the folder holds: they
    // run side by side when there are enough files to be worth it.
    std::vector<Finding> walked;
    const auto walk = [&] { walked = walk_files_as_read(folder.texts, true, 0); };
    std::thread walker;
    if (worker_count(folder.texts.size()) > 1) walker = std::thread(walk);
    findings = check_zones(folder.zone_list(), progress, TextWalk::ByCaller);
    if (walker.joinable()) walker.join();
    else walk();
    append(findings, std::move(walked));
    rooms_above_every_top(folder, findings);
    sort_findings(findings);
    folder.places.locate(findings);
    return true;
}

}  // namespace tarnwick
