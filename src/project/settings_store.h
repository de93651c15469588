#pragma once
// Where the preferences and the recent-files list are kept between runs: a
// per-user store of string values grouped in sections (a registry key, a
// QSettings group). The editor implements it with QSettings; the tests and
// the command-line tool with the in-memory store.

#include <string>

namespace tarnwick {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The value `name` of `section`, or `fallback` when it is not stored.
    virtual std::string read_string(const std::string& section, const std::string& name,
                                    const std::string& fallback) = 0;
    // Stores `value` as `name` of `section`, creating the section when needed.
    virtual void write_string(const std::string& section, const std::string& name,
                              const std::string& value) = 0;
    // Removes `section` with every value in it; nothing when it does not exist.
    virtual void delete_key(const std::string& section) = 0;
};

}  // namespace tarnwick
