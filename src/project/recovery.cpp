#include "project/recovery.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <sstream>

#include "formats/mob_file.h"
#include "formats/object_file.h"
#include "formats/room_file.h"
#include "formats/dialect_sniff.h"
#include "formats/shop_file.h"
#include "formats/trigger_file.h"
#include "formats/zone_file.h"
#include "world/atomic_file.h"
#include "world/file_path.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

constexpr const char* kMagic = "TARNWICK RECOVERY 1\n";

uint64_t checksum(std::string_view bytes) {  // FNV-1a, 64 bits
    uint64_t h = 14695981039346656037ull;
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

void put(std::string& out, const std::string& name, const std::string& value) {
    out += name + " " + std::to_string(value.size()) + "\n" + value + "\n";
}

// The named sections of a copy, or false when any part of it is unsound.
bool split(const std::string& bytes, std::map<std::string, std::string>& sections,
           std::string& error) {
    const std::string magic = kMagic;
    if (bytes.compare(0, magic.size(), magic) != 0) {
        error = "it is not a recovery copy";
        return false;
    }
    const size_t end = bytes.rfind("end ");
    if (end == std::string::npos || end < magic.size()) {
        error = "it is cut short";
        return false;
    }
    char hex[17] = {};
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(checksum(std::string_view(bytes).substr(0, end))));
    if (bytes.substr(end) != "end " + std::string(hex) + "\n") {
        error = "its checksum does not match";
        return false;
    }
    size_t at = magic.size();
    while (at < end) {
        const size_t space = bytes.find(' ', at), eol = bytes.find('\n', at);
        if (space == std::string::npos || eol == std::string::npos || space > eol) break;
        const std::string name = bytes.substr(at, space - at);
        size_t length = 0;
        try {
            length = std::stoul(bytes.substr(space + 1, eol - space - 1));
        } catch (...) {
            break;
        }
        if (eol + 1 + length + 1 > end || bytes[eol + 1 + length] != '\n') break;
        sections[name] = bytes.substr(eol + 1, length);
        at = eol + 1 + length + 1;
    }
    if (at != end) {
        error = "a part of it cannot be read";
        return false;
    }
    return true;
}

const char* const kProjectFields[] = {"path",      "zone_name", "author",      "zone_file",
                                      "room_file", "mob_file",  "object_file", "shop_file"};
std::string AreaProject::* const kProjectMembers[] = {
    &AreaProject::project_path, &AreaProject::zone_name, &AreaProject::author,
    &AreaProject::zone_file,    &AreaProject::room_file, &AreaProject::mob_file,
    &AreaProject::object_file,  &AreaProject::shop_file};

RecoveryState read_sections(const std::string& path, std::map<std::string, std::string>& sections,
                            RecoveryInfo& info, std::string& error) {
    std::string bytes;
    std::error_code ec;
    if (!std::filesystem::exists(native_path(path), ec) || !read_file_bytes(path, bytes))
        return RecoveryState::Missing;
    if (!split(bytes, sections, error)) return RecoveryState::Damaged;
    for (const char* needed : {"time", "path", "zone_name", "zone_number", "rooms", "mobs",
                               "objects", "shops", "zone"})
        if (!sections.count(needed)) {
            error = std::string("its part \"") + needed + "\" is missing";
            return RecoveryState::Damaged;
        }
    try {
        info.written_at = std::stoll(sections["time"]);
    } catch (...) {
        error = "its time cannot be read";
        return RecoveryState::Damaged;
    }
    info.project_name = sections["zone_name"];
    info.project_path = sections["path"];
    return RecoveryState::Ready;
}

}  // namespace

std::string recovery_bytes(const World& world, const AreaProject& project,
                           const FormatSettings& settings, int64_t written_at) {
    // Writers may warn (a missing material); nobody is there to answer now.
    MessageRecorder quiet;
    std::string out = kMagic;
    put(out, "time", std::to_string(written_at));
    for (size_t i = 0; i < std::size(kProjectFields); ++i)
        put(out, kProjectFields[i], project.*kProjectMembers[i]);
    put(out, "zone_number", std::to_string(project.zone_number));
    put(out, "rooms", room_file_text(world, settings));
    put(out, "mobs", mob_file_text(world, settings));
    put(out, "objects", object_file_text(world, settings, quiet));
    put(out, "shops", write_shops_v3(world));
    put(out, "zone", zone_file_text(world, settings));
    // A tbaMUD zone's triggers; a copy without this part holds none.
    if (world.dialect == Dialect::TbaMud) put(out, "triggers", trigger_file_output(world, settings).bytes);
    // Where the windows stood, so a restore reopens them there.
    std::string windows;
    for (const window_layout& w : project.windows)
        windows += std::to_string(int(w.visible)) + " " + std::to_string(w.left) + " " +
                   std::to_string(w.top) + " " + std::to_string(w.width) + " " +
                   std::to_string(w.height) + "\n";
    put(out, "windows", windows);
    char hex[17] = {};
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(checksum(out)));
    out += "end " + std::string(hex) + "\n";
    return out;
}

bool write_recovery(const std::string& path, const World& world, const AreaProject& project,
                    const FormatSettings& settings, int64_t written_at, std::string& error) {
    std::error_code ec;
    std::filesystem::create_directories(native_path(path).parent_path(), ec);
    WriteResult r = write_file_atomic(path, recovery_bytes(world, project, settings, written_at));
    if (!r.ok) error = r.reason;
    return r.ok;
}

RecoveryState peek_recovery(const std::string& path, RecoveryInfo& info, std::string& error) {
    std::map<std::string, std::string> sections;
    return read_sections(path, sections, info, error);
}

RecoveryState read_recovery(const std::string& path, const FormatSettings& settings,
                            World& world, AreaProject& project, RecoveryInfo& info,
                            std::string& error) {
    std::map<std::string, std::string> sections;
    RecoveryInfo read_info;
    const RecoveryState state = read_sections(path, sections, read_info, error);
    if (state != RecoveryState::Ready) return state;

    AreaProject p = project;
    for (size_t i = 0; i < std::size(kProjectFields); ++i)
        p.*kProjectMembers[i] = sections[kProjectFields[i]];
    try {
        p.zone_number = std::stoi(sections["zone_number"]);
    } catch (...) {
        error = "its zone number cannot be read";
        return RecoveryState::Damaged;
    }
    // Copies kept before the windows were part of them restore without.
    if (sections.count("windows")) {
        std::istringstream lines(sections["windows"]);
        for (window_layout& w : p.windows) {
            int visible = 0;
            if (!(lines >> visible >> w.left >> w.top >> w.width >> w.height)) {
                error = "its window places cannot be read";
                return RecoveryState::Damaged;
            }
            w.visible = visible != 0;
        }
    }
    World w;
    w.project_zone_number = p.zone_number;
    // The readers of the other files follow the zone's dialect.
    w.dialect = zone_text_dialect(sections["zone"]);
    MessageRecorder said;
    const bool ok = read_rooms(w, sections["rooms"], settings, said) &&
                    read_mobs(w, sections["mobs"], settings, said) &&
                    read_objects(w, sections["objects"], settings, said) &&
                    read_shops(w, sections["shops"], said) && read_zone(w, sections["zone"], said) &&
                    (!sections.count("triggers") || read_triggers(w, sections["triggers"], said));
    if (!ok) {
        error = said.entries.empty() ? "its world files cannot be read" : said.entries.front().text;
        return RecoveryState::Damaged;
    }
    world = std::move(w);
    project = std::move(p);
    info = read_info;
    return RecoveryState::Ready;
}

void remove_recovery(const std::string& path) {
    std::error_code ec;
    std::filesystem::remove(path, ec);
}

std::string recovery_time_text(int64_t written_at) {
    const std::time_t t = std::time_t(written_at);
    char text[64] = {};
    if (const std::tm* local = std::localtime(&t))
        std::strftime(text, sizeof text, "%H:%M on %Y-%m-%d", local);
    return text;
}

}  // namespace tarnwick
