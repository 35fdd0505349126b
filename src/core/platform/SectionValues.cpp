#include "platform/SectionValues.h"

#include <algorithm>

namespace varnolt {

void SectionValues::Add(std::string_view key, Kind kind, int number, std::string_view text) {
    if (!m_entries.empty() && !(KeyOf(m_entries.back()) < key)) {
        m_sorted = false;
    }
    Entry entry{m_buffer.size(), key.size(), kind, number, 0, text.size()};
    m_buffer.append(key);
    entry.textOffset = m_buffer.size();
    m_buffer.append(text);
    m_entries.push_back(entry);
}

std::string_view SectionValues::KeyOf(const Entry& entry) const {
    return std::string_view(m_buffer).substr(entry.keyOffset, entry.keyLength);
}

SectionValues::Value SectionValues::ValueOf(const Entry& entry) const {
    return {entry.kind, entry.number,
            std::string_view(m_buffer).substr(entry.textOffset, entry.textLength)};
}

std::optional<SectionValues::Value> SectionValues::Find(std::string_view key) const {
    if (m_sorted) {
        auto it =
            std::lower_bound(m_entries.begin(), m_entries.end(), key,
                             [this](const Entry& e, std::string_view k) { return KeyOf(e) < k; });
        if (it != m_entries.end() && KeyOf(*it) == key) {
            return ValueOf(*it);
        }
        return std::nullopt;
    }
    auto it = std::find_if(m_entries.begin(), m_entries.end(),
                           [&](const Entry& e) { return KeyOf(e) == key; });
    return it == m_entries.end() ? std::nullopt : std::optional(ValueOf(*it));
}

}  // namespace varnolt
