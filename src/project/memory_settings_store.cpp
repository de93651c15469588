#include "project/memory_settings_store.h"

namespace tarnwick {

std::string MemorySettingsStore::read_string(const std::string& section, const std::string& name,
                                             const std::string& fallback) {
    log.push_back("read " + section + "/" + name);
    auto v = value(section, name);
    return v ? *v : fallback;
}

void MemorySettingsStore::write_string(const std::string& section, const std::string& name,
                                       const std::string& value) {
    log.push_back("write " + section + "/" + name + "=" + value);
    sections[section][name] = value;
}

void MemorySettingsStore::delete_key(const std::string& section) {
    log.push_back("delete " + section);
    sections.erase(section);
}

std::optional<std::string> MemorySettingsStore::value(const std::string& section,
                                                      const std::string& name) const {
    auto s = sections.find(section);
    if (s == sections.end()) return std::nullopt;
    auto v = s->second.find(name);
    if (v == s->second.end()) return std::nullopt;
    return v->second;
}

size_t MemorySettingsStore::value_count() const {
    size_t n = 0;
    for (const auto& [name, values] : sections) n += values.size();
    return n;
}

}  // namespace tarnwick
