#pragma once
// The "&Reopen" list: up to nine project files, the most recent first, kept
// in the settings store as File1 ... File9 of the section "FileHistory".

#include <string>
#include <vector>

namespace tarnwick {

class SettingsStore;

inline constexpr int kRecentFilesMax = 9;
inline constexpr const char* kRecentFilesSection = "FileHistory";

class RecentFiles {
public:
    const std::vector<std::string>& entries() const { return entries_; }
    // Puts `path` at the top; an entry already listed moves up, the tenth
    // entry drops out.
    void add(const std::string& path);
    void read(SettingsStore& store);
    // Deletes the section and writes one value per entry, in menu order.
    void store(SettingsStore& store) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace tarnwick
