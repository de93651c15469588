#pragma once
// A settings store held in memory, with a log of every call, so tests can
// check what was read and written and in which order.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "project/settings_store.h"

namespace tarnwick {

class MemorySettingsStore : public SettingsStore {
public:
    // section -> value name -> value
    std::map<std::string, std::map<std::string, std::string>> sections;
    // "read Section/Name", "write Section/Name=value", "delete Section", in call order.
    std::vector<std::string> log;

    std::string read_string(const std::string& section, const std::string& name,
                            const std::string& fallback) override;
    void write_string(const std::string& section, const std::string& name,
                      const std::string& value) override;
    void delete_key(const std::string& section) override;

    // The stored value, without logging; nullopt when absent.
    std::optional<std::string> value(const std::string& section, const std::string& name) const;
    // How many values are stored over all sections.
    size_t value_count() const;
};

}  // namespace tarnwick
