#include "editors/recent_files.h"

#include <algorithm>

#include "project/settings_store.h"

namespace tarnwick {

void RecentFiles::add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (int(entries_.size()) > kRecentFilesMax) entries_.resize(kRecentFilesMax);
}

void RecentFiles::read(SettingsStore& store) {
    entries_.clear();
    for (int i = 1; i <= kRecentFilesMax; ++i) {
        std::string path = store.read_string(kRecentFilesSection, "File" + std::to_string(i), "");
        if (!path.empty() && std::find(entries_.begin(), entries_.end(), path) == entries_.end())
            entries_.push_back(path);
    }
}

void RecentFiles::store(SettingsStore& store) const {
    store.delete_key(kRecentFilesSection);
    for (size_t i = 0; i < entries_.size(); ++i)
        store.write_string(kRecentFilesSection, "File" + std::to_string(i + 1), entries_[i]);
}

}  // namespace tarnwick
