#include "StoredList.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "app/NumberText.h"

namespace varnolt {

std::optional<int> NumberBetween(std::string_view name, std::string_view prefix,
                                 std::string_view suffix) {
    if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
        !name.ends_with(suffix)) {
        return std::nullopt;
    }
    const std::string_view digits =
        name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
    if (digits.size() > 10 || (digits.size() > 1 && digits.front() == '0')) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > INT_MAX) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

StoredList::StoredList(std::string section, std::vector<KeyPattern> keys, int first, bool sections)
    : m_section(std::move(section)),
      m_keys(std::move(keys)),
      m_first(first),
      m_sections(sections) {}

StoredList StoredList::InSection(std::string section, std::vector<KeyPattern> keys, int first) {
    return StoredList(std::move(section), std::move(keys), first, false);
}

StoredList StoredList::AsSections(std::string sectionPrefix, int first) {
    return StoredList(std::move(sectionPrefix), {}, first, true);
}

bool StoredList::IsStored(const SettingsStore& store, int number) const {
    const std::string text = FormatInt(number);
    return std::any_of(m_keys.begin(), m_keys.end(), [&](const KeyPattern& key) {
        return store.HasValue(m_section, key.prefix + text + key.suffix);
    });
}

int StoredList::HighestStored(const SettingsStore& store) const {
    int highest = -1;
    if (m_sections) {
        highest = store.HighestSectionNumber(m_section);
    } else {
        for (const KeyPattern& key : m_keys) {
            highest = std::max(highest, store.HighestKeyNumber(m_section, key.prefix, key.suffix));
        }
    }
    return std::max(highest, m_first - 1);
}

int StoredList::Length(const SettingsStore& store, int count) const {
    if (count <= 0) {
        return 0;
    }
    const std::int64_t last = std::int64_t{m_first} + count - 1;
    // The usual case costs one look-up: the last counted item is there.
    if (!m_sections && last <= INT_MAX && IsStored(store, static_cast<int>(last))) {
        return count;
    }
    const std::int64_t shown = std::int64_t{HighestStored(store)} - m_first + 1;
    return static_cast<int>(std::clamp<std::int64_t>(shown, 0, count));
}

}  // namespace varnolt
