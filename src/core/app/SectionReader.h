#pragma once

#include <optional>
#include <string>

#include "platform/SettingsStore.h"

namespace varnolt {

// Reads many values of one section, with the store's rules (a missing value or
// one of the other kind gives the default). Where the store can read the whole
// section in one pass the reader works on that snapshot, so a long list costs
// one query instead of one per value; otherwise it reads value by value.
// Meant for the span of one load: a snapshot does not see later writes.
// With a key prefix only those keys are taken in the snapshot; a key outside
// it is read from the store directly.
class SectionReader {
public:
    SectionReader(const SettingsStore& store, std::string section, std::string keyPrefix = {});

    int ReadInt(const std::string& key, int def) const;
    std::string ReadString(const std::string& key, const std::string& def) const;
    bool HasValue(const std::string& key) const;

private:
    const SettingsStore& m_store;
    // The snapshot's value of a key, or none where the snapshot cannot answer.
    std::optional<std::optional<SectionValues::Value>> FromSnapshot(const std::string& key) const;

    std::string m_section;
    std::string m_prefix;
    std::optional<SectionValues> m_snapshot;
};

}  // namespace varnolt
