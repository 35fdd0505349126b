#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnolt {

// The values of one section, read in one pass: an integer, a text, or (for a
// value of a kind the program never writes) neither. Keys and texts share one
// buffer and the keys are kept sorted, so a snapshot of thousands of values
// costs a handful of allocations and a lookup is a binary search.
class SectionValues {
public:
    enum class Kind { Int, Text, Other };

    struct Value {
        Kind kind;
        int number;             // for Int
        std::string_view text;  // for Text; valid while the snapshot lives
    };

    void AddInt(std::string_view key, int number) { Add(key, Kind::Int, number, {}); }
    void AddText(std::string_view key, std::string_view text) { Add(key, Kind::Text, 0, text); }
    void AddOther(std::string_view key) { Add(key, Kind::Other, 0, {}); }
    void Add(std::string_view key, const Value& value) {
        Add(key, value.kind, value.number, value.text);
    }

    // Keys should arrive in ascending byte order (a store's key order); then a
    // lookup is a binary search, otherwise it falls back to a linear one.
    // The value of a key, or none when the section has none.
    std::optional<Value> Find(std::string_view key) const;
    std::size_t size() const { return m_entries.size(); }

private:
    struct Entry {
        std::size_t keyOffset;
        std::size_t keyLength;
        Kind kind;
        int number;
        std::size_t textOffset;
        std::size_t textLength;
    };

    void Add(std::string_view key, Kind kind, int number, std::string_view text);
    std::string_view KeyOf(const Entry& entry) const;
    Value ValueOf(const Entry& entry) const;

    std::string m_buffer;
    std::vector<Entry> m_entries;
    bool m_sorted = true;
};

}  // namespace varnolt
