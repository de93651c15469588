#include "project/damaged_files.h"

#include <filesystem>

#include "world/file_path.h"
#include "world/messages.h"
#include "world/world.h"

namespace tarnwick {

namespace {

template <class Record>
std::optional<PartRead> part_of(const std::shared_ptr<const KeptFile<Record>>& kept,
                                const std::vector<Record>& table, const std::string& path) {
    if (!kept || kept->complete || kept->path != path) return std::nullopt;
    return PartRead{kept->unread, int(table.size())};
}

}  // namespace

std::optional<PartRead> part_read(const World& world, const std::string& path) {
    if (auto p = part_of(world.kept.rooms, world.rooms, path)) return p;
    if (auto p = part_of(world.kept.mobs, world.mobs, path)) return p;
    if (auto p = part_of(world.kept.objects, world.objects, path)) return p;
    return part_of(world.kept.shops, world.shops, path);
}

bool replace_unread_file(const World& world, const std::string& path, Messages& messages) {
    const auto part = part_read(world, path);
    Answer answer;
    if (part && part->unread > 0) {
        answer = messages.ask_buttons(std::to_string(part->unread) +
                                          (part->unread == 1 ? " record of " : " records of ") + path +
                                          " could not be read; saving replaces them with the " +
                                          std::to_string(part->held) + " the editor holds",
                                      "Save anyway", "Keep the file");
    } else {
        answer = messages.ask(path + " could not be read when the project was opened, so the "
                                     "editor does not hold what it contains.\nReplace it with "
                                     "what the editor holds?");
    }
    if (answer != Answer::Yes) return false;
    std::error_code ec;
    std::filesystem::copy_file(native_path(path), native_path(path + ".bak"),
                               std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        messages.show("Could not keep a copy of " + path + " as " + path + ".bak (" +
                      ec.message() + "); the file was left as it was.");
        return false;
    }
    return true;
}

}  // namespace tarnwick
