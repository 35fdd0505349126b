#include "StoredList.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>

#include "app/NumberText.h"
#include "platform/StoreTransaction.h"

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

std::string StoredList::KeyOf(std::size_t key, int number) const {
    return m_keys[key].prefix + FormatInt(number) + m_keys[key].suffix;
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

bool StoredList::VisitItems(const SettingsStore& store, int length,
                            const ItemVisitor& visit) const {
    if (m_sections || m_keys.empty() || length <= 0) {
        return !m_sections;
    }
    const std::int64_t last = std::int64_t{m_first} + length - 1;
    // Only the keys that share the patterns' common beginning are read.
    std::string_view common = m_keys.front().prefix;
    for (const KeyPattern& key : m_keys) {
        const auto differ =
            std::mismatch(common.begin(), common.end(), key.prefix.begin(), key.prefix.end());
        common = common.substr(0, static_cast<std::size_t>(differ.first - common.begin()));
    }
    auto item = [&](std::string_view name, const SectionValues::Value& value) {
        for (std::size_t key = 0; key < m_keys.size(); ++key) {
            if (const auto n = NumberBetween(name, m_keys[key].prefix, m_keys[key].suffix)) {
                if (*n >= m_first && *n <= last) {
                    visit(*n, key, value);
                }
                return;
            }
        }
    };
    return store.VisitSection(m_section, std::string(common), item);
}

std::vector<int> StoredList::StoredNumbers(const SettingsStore& store, int length) const {
    std::vector<int> numbers;
    if (m_sections) {
        const std::int64_t last = std::int64_t{m_first} + length - 1;
        store.VisitSectionNames(m_section, [&](std::string_view name) {
            if (const auto n = NumberBetween(name, m_section, {});
                n && *n >= m_first && *n <= last) {
                numbers.push_back(*n);
            }
        });
    } else {
        VisitItems(store, length, [&](int number, std::size_t, const SectionValues::Value&) {
            numbers.push_back(number);
        });
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

int StoredList::Item::Int(std::size_t key, int def) const {
    const std::optional<Stored>& value = values[key];
    return value && value->kind == SectionValues::Kind::Int ? value->number : def;
}

std::string StoredList::Item::Text(std::size_t key, const std::string& def) const {
    const std::optional<Stored>& value = values[key];
    return value && value->kind == SectionValues::Kind::Text ? value->text : def;
}

std::vector<StoredList::Item> StoredList::ReadItems(const SettingsStore& store, int length) const {
    std::map<int, Item> found;
    VisitItems(store, length, [&](int number, std::size_t key, const SectionValues::Value& value) {
        Item& item = found.try_emplace(number, Item{number, {}}).first->second;
        item.values.resize(m_keys.size());
        item.values[key] = Item::Stored{value.kind, value.number, std::string(value.text)};
    });
    std::vector<Item> items;
    items.reserve(found.size());
    while (!found.empty()) {  // node by node, so the items are never held twice
        items.push_back(std::move(found.extract(found.begin()).mapped()));
    }
    return items;
}

int StoredList::Renumber(SettingsStore& store, int length) const {
    using Stored = Item::Stored;
    using Values = std::vector<std::optional<Stored>>;
    const std::vector<Item> items = ReadItems(store, length);  // in number order
    // A value the store holds under the key but that reads as the default:
    // one of the kind the readers do not read. It covers what a moved item
    // lacks where another item's old value lies, as the store deletes nothing.
    auto writeDefault = [&](std::size_t key, int number) {
        if (m_keys[key].kind == SectionValues::Kind::Text) {
            store.WriteInt(m_section, KeyOf(key, number), 0);
        } else {
            store.WriteString(m_section, KeyOf(key, number), {});
        }
    };
    // Targets only ever lie at or below the old numbers, so going up never
    // overwrites an item before it has moved.
    std::int64_t target = m_first;
    auto moveInto = [&](const Values* values) {
        static const std::optional<Stored> kNone;
        const int to = static_cast<int>(target++);
        const auto old = std::lower_bound(items.begin(), items.end(), to,
                                          [](const Item& item, int n) { return item.number < n; });
        const bool oldItem = old != items.end() && old->number == to;
        for (std::size_t key = 0; key < m_keys.size(); ++key) {
            const std::optional<Stored>& value = values != nullptr ? (*values)[key] : kNone;
            const bool oldValue = oldItem && old->values[key].has_value();
            if (value && value->kind == SectionValues::Kind::Text) {
                store.WriteString(m_section, KeyOf(key, to), value->text);
            } else if (value && value->kind == SectionValues::Kind::Int) {
                store.WriteInt(m_section, KeyOf(key, to), value->number);
            } else if (value || oldValue) {
                writeDefault(key, to);
            }
        }
    };
    for (const Item& item : items) {
        if (item.number == target) {
            ++target;
        } else {
            moveInto(&item.values);
        }
    }
    // The new item's slot: nothing of an old item there may show through it.
    if (target <= INT_MAX) {
        moveInto(nullptr);
    }
    return static_cast<int>(items.size());
}

std::optional<int> StoredList::Append(SettingsStore& store, const std::string& countSection,
                                      const std::string& countKey) const {
    auto full = [this](int length) {
        return length == INT_MAX || std::int64_t{m_first} + length > INT_MAX;
    };
    StoreTransaction transaction(store);
    int length = Length(store, store.ReadInt(countSection, countKey, 0));
    if (full(length) && !m_sections) {
        length = Renumber(store, length);
    }
    if (full(length)) {
        return std::nullopt;
    }
    store.WriteInt(countSection, countKey, length + 1);
    return m_first + length;
}

}  // namespace varnolt
