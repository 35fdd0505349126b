#include "app/SectionReader.h"

#include <utility>

namespace varnolt {

SectionReader::SectionReader(const SettingsStore& store, std::string section, std::string keyPrefix)
    : m_store(store),
      m_section(std::move(section)),
      m_prefix(std::move(keyPrefix)),
      m_snapshot(store.ReadSection(m_section, m_prefix)) {}

std::optional<std::optional<SectionValues::Value>> SectionReader::FromSnapshot(
    const std::string& key) const {
    if (!m_snapshot || !key.starts_with(m_prefix)) {
        return std::nullopt;
    }
    return m_snapshot->Find(key);
}

int SectionReader::ReadInt(const std::string& key, int def) const {
    const auto found = FromSnapshot(key);
    if (!found) {
        return m_store.ReadInt(m_section, key, def);
    }
    const auto& value = *found;
    return value && value->kind == SectionValues::Kind::Int ? value->number : def;
}

std::string SectionReader::ReadString(const std::string& key, const std::string& def) const {
    const auto found = FromSnapshot(key);
    if (!found) {
        return m_store.ReadString(m_section, key, def);
    }
    const auto& value = *found;
    return value && value->kind == SectionValues::Kind::Text ? std::string(value->text) : def;
}

bool SectionReader::HasValue(const std::string& key) const {
    const auto found = FromSnapshot(key);
    return found ? found->has_value() : m_store.HasValue(m_section, key);
}

}  // namespace varnolt
