#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/SectionValues.h"

namespace varnolt {

// The per-user settings store: values addressed by (section, key), of two kinds,
// integer and text. A read of a missing value, or of a value of the other kind,
// returns the caller's default. Values are deleted only a whole section at a
// time. Safe on any thread; a write is visible to the next read on every thread.
//
// Transactions: writes that belong together are grouped (StoreTransaction) so
// that they commit together or not at all. While one is open, other threads
// wait for the store. Therefore no remote-access call may run inside a
// transaction: a service may wait on its own threads or on another process
// for as long as it likes, and the store would be held all that time.
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
    // Deletes every value of the section, as a write does: inside an open
    // transaction it commits or fails with the others. Whether it was done.
    virtual bool RemoveSection(const std::string& section) = 0;

    // Opens a transaction on the calling thread; nested ones join the outermost.
    virtual void BeginTransaction() = 0;
    // Closes the innermost one; the outermost commits every write made since it
    // began, or none of them. Returns whether the writes were kept.
    virtual bool EndTransaction() = 0;

    // The highest n for which `section` holds a key keyPrefix + n + keySuffix,
    // n in plain decimal (no sign, no leading zero); -1 when there is none.
    virtual int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                                 const std::string& keySuffix) const = 0;
    // The highest n for which a section named sectionPrefix + n holds a value;
    // -1 when there is none.
    virtual int HighestSectionNumber(const std::string& sectionPrefix) const = 0;

    // Every value of a section whose key starts with keyPrefix, in one pass,
    // for readers of long lists (see SectionReader). A store that cannot do
    // better than a read per key returns nothing, and the reader falls back
    // to single reads.
    virtual std::optional<SectionValues> ReadSection(const std::string& /*section*/,
                                                     const std::string& /*keyPrefix*/ = {}) const {
        return std::nullopt;
    }

    using ValueVisitor =
        std::function<void(std::string_view key, const SectionValues::Value& value)>;
    // The same values handed one by one to `visit`, in key order, without
    // keeping them: the one way to walk a numbered list at the cost of what
    // is stored (see StoredList). `visit` must not call the store. Returns
    // false when the section could not be read to its end.
    virtual bool VisitSection(const std::string& section, const std::string& keyPrefix,
                              const ValueVisitor& visit) const = 0;

    // The name of every section that starts with sectionPrefix and holds a
    // value, each once, in one pass; `visit` must not call the store.
    virtual void VisitSectionNames(
        const std::string& sectionPrefix,
        const std::function<void(std::string_view name)>& visit) const = 0;
};

}  // namespace varnolt
