#pragma once
// The settings store on QSettings. On Windows it is the registry under
// HKEY_CURRENT_USER (`root` such as "TarnwickZoneEditor" or
// "Software\Tarnwick"); elsewhere an INI file named after the root's last
// part in the user's configuration folder, with the same sections and value
// names.

#include <QString>
#include <memory>

#include "project/settings_store.h"

class QSettings;

namespace tarnwick::ui {

class QtSettingsStore : public SettingsStore {
public:
    // `folder` replaces the configuration folder for INI files (tests).
    explicit QtSettingsStore(const QString& root, const QString& folder = QString());
    ~QtSettingsStore() override;

    std::string read_string(const std::string& section, const std::string& name,
                            const std::string& fallback) override;
    void write_string(const std::string& section, const std::string& name,
                      const std::string& value) override;
    void delete_key(const std::string& section) override;
    void sync();

private:
    std::unique_ptr<QSettings> settings_;
};

// The store of the preferences, and the one holding the recent-files list
// (section "FileHistory").
inline constexpr const char* kRecentFilesRoot = "Software\\Tarnwick";

}  // namespace tarnwick::ui
