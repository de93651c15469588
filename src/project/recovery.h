#pragma once
// The recovery copy of unsaved work. While a project has unsaved changes the
// editor writes the whole project - its values and its five world files as
// they would be saved - into one file beside its settings, atomically, so a
// crash leaves either the previous copy or the new one. The copy ends with a
// checksum: a copy cut short or altered is reported as damaged and never
// loaded in part.

#include <cstdint>
#include <string>

#include "project/area_project.h"
#include "world/format_settings.h"

namespace tarnwick {

class World;

struct RecoveryInfo {
    std::string project_name;  // the project's zone name
    std::string project_path;  // empty for a project never saved
    int64_t written_at = 0;    // seconds since 1970, UTC
};

// The copy's bytes.
std::string recovery_bytes(const World& world, const AreaProject& project,
                           const FormatSettings& settings, int64_t written_at);
// Writes the copy to `path` atomically; false with `error` set when it failed.
bool write_recovery(const std::string& path, const World& world, const AreaProject& project,
                    const FormatSettings& settings, int64_t written_at, std::string& error);

enum class RecoveryState { Missing, Damaged, Ready };

// Reads the copy at `path` into `world` and `project` only when all of it is
// sound; otherwise they stay untouched and `error` says what is wrong.
RecoveryState read_recovery(const std::string& path, const FormatSettings& settings,
                            World& world, AreaProject& project, RecoveryInfo& info,
                            std::string& error);
// Reads only the project name, path and time, for the question at start-up.
RecoveryState peek_recovery(const std::string& path, RecoveryInfo& info, std::string& error);
void remove_recovery(const std::string& path);

// "12:34 on 2026-12-08" in local time.
std::string recovery_time_text(int64_t written_at);

}  // namespace tarnwick
