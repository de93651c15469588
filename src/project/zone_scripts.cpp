#include "project/zone_scripts.h"

#include <filesystem>
#include <memory>

#include "formats/dialect_sniff.h"
#include "formats/save_file.h"
#include "formats/trigger_file.h"
#include "world/file_path.h"
#include "world/text_source.h"
#include "world/world.h"

namespace tarnwick {

namespace {

bool exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(native_path(path), ec);
}

// Folders a new trg/ or qst/ file goes into are made as the server's own
// layout has them.
void make_parent(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(native_path(path).parent_path(), ec);
}

}  // namespace

void take_zone_dialect(World& world, const std::string& zone_path) {
    world.dialect = zone_file_dialect(zone_path);
}

bool load_zone_scripts(World& world, const std::string& zone_path, Messages& messages) {
    world.triggers.clear();
    world.kept.triggers.reset();
    world.quests.reset();
    if (zone_path.empty()) return true;
    bool ok = true;
    const std::string triggers = trigger_path_for(zone_path);
    if (exists(triggers)) ok = load_trigger_file(world, triggers, messages);
    const std::string quests = quest_path_for(zone_path);
    TextSource file;
    if (exists(quests) && file.open(quests)) {
        auto kept = std::make_shared<KeptWholeFile>();
        kept->path = quests;
        kept->bytes = file.raw();
        world.quests = std::move(kept);
    }
    return ok;
}

bool save_zone_scripts(World& world, const std::string& zone_path, const FormatSettings& settings,
                       Messages& messages) {
    if (zone_path.empty()) return true;
    if (!world.triggers.empty() || world.kept.triggers) {
        const std::string path = trigger_path_for(zone_path);
        make_parent(path);
        if (!save_trigger_file(world, path, settings, messages)) return false;
    }
    if (world.quests) {
        const std::string path = quest_path_for(zone_path);
        make_parent(path);
        if (!save_file_if_changed(path, world.quests->bytes, world.quests->path,
                                  world.quests->bytes, "Error while opening file - " + path,
                                  messages))
            return false;
        auto kept = std::make_shared<KeptWholeFile>(*world.quests);
        kept->path = path;
        world.quests = std::move(kept);
    }
    return true;
}

}  // namespace tarnwick
