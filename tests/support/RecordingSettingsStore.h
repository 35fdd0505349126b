#pragma once

#include <string>
#include <vector>

#include "MemorySettingsStore.h"

namespace varnolt::test {

// A memory store that logs every write in order ("section|key=number" or
// "section|key='text'", transactions as "BEGIN" and "END") and counts the reads, so tests can check
// write order and that reading stays bounded.
class RecordingSettingsStore final : public SettingsStore {
public:
    int ReadInt(const std::string& section, const std::string& key, int def) const override {
        ++reads;
        return memory.ReadInt(section, key, def);
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override {
        ++reads;
        return memory.ReadString(section, key, def);
    }
    bool HasValue(const std::string& section, const std::string& key) const override {
        ++reads;
        return memory.HasValue(section, key);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        writes.push_back(section + "|" + key + "=" + std::to_string(value));
        return memory.WriteInt(section, key, value);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        writes.push_back(section + "|" + key + "='" + value + "'");
        return memory.WriteString(section, key, value);
    }

    // Only the outermost transaction is logged: nested ones join it.
    void BeginTransaction() override {
        memory.BeginTransaction();
        if (m_depth++ == 0) {
            writes.push_back("BEGIN");
        }
    }
    bool EndTransaction() override {
        if (--m_depth == 0) {
            writes.push_back("END");
        }
        return memory.EndTransaction();
    }
    int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                         const std::string& keySuffix) const override {
        ++reads;
        return memory.HighestKeyNumber(section, keyPrefix, keySuffix);
    }
    int HighestSectionNumber(const std::string& sectionPrefix) const override {
        ++reads;
        return memory.HighestSectionNumber(sectionPrefix);
    }

    MemorySettingsStore memory;
    std::vector<std::string> writes;
    mutable long reads = 0;

private:
    int m_depth = 0;
};

}  // namespace varnolt::test
