#include "app/SectionReader.h"

#include <utility>

namespace varnolt {

SectionReader::SectionReader(const SettingsStore& store, std::string section)
    : m_store(store), m_section(std::move(section)), m_snapshot(store.ReadSection(m_section)) {}

int SectionReader::ReadInt(const std::string& key, int def) const {
    if (!m_snapshot) {
        return m_store.ReadInt(m_section, key, def);
    }
    auto it = m_snapshot->find(key);
    if (it == m_snapshot->end() || !std::holds_alternative<int>(it->second)) {
        return def;
    }
    return std::get<int>(it->second);
}

std::string SectionReader::ReadString(const std::string& key, const std::string& def) const {
    if (!m_snapshot) {
        return m_store.ReadString(m_section, key, def);
    }
    auto it = m_snapshot->find(key);
    if (it == m_snapshot->end() || !std::holds_alternative<std::string>(it->second)) {
        return def;
    }
    return std::get<std::string>(it->second);
}

bool SectionReader::HasValue(const std::string& key) const {
    if (!m_snapshot) {
        return m_store.HasValue(m_section, key);
    }
    return m_snapshot->count(key) != 0;
}

}  // namespace varnolt
