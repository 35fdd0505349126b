#pragma once

#include <optional>
#include <functional>
#include <string>
#include <unordered_map>
#include <variant>

namespace varnolt {

// The values of one section by key: an integer, a text, or (for a value of a
// kind the program never writes) neither.
using SectionValues =
    std::unordered_map<std::string, std::variant<std::monostate, int, std::string>>;

// The per-user settings store: values addressed by (section, key), of two kinds,
// integer and text. A read of a missing value, or of a value of the other kind,
// returns the caller's default. Nothing is ever deleted. Safe on any thread; a
// write is visible to the next read on every thread.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual int ReadInt(const std::string& section, const std::string& key, int def) const = 0;
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& def) const = 0;
    // Whether a value of either kind is stored under the name.
    virtual bool HasValue(const std::string& section, const std::string& key) const = 0;
    // Writes report success, but callers are free to ignore it: a failed write
    // leaves the previous value in place.
    virtual bool WriteInt(const std::string& section, const std::string& key, int value) = 0;
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    // Every value of a section in one pass, for readers of long lists (see
    // SectionReader). A store that cannot do better than a read per key
    // returns nothing, and the reader falls back to single reads.
    virtual std::optional<SectionValues> ReadSection(const std::string& /*section*/) const {
        return std::nullopt;
    }
    // Runs fn, which only reads, as one group: a list that is walked every
    // second (the holidays during a call) costs one round of locking instead of
    // one per value. Groups may nest. Without grouping a store just runs fn.
    virtual void ReadTogether(const std::function<void()>& fn) const { fn(); }
};

}  // namespace varnolt
