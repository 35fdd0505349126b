#pragma once

#include <functional>
#include <string>

#include "platform/SettingsStore.h"

namespace varnolt::test {

// Passes every call on to another store, counting reads and writes, and runs
// a hook after each write and after each outermost transaction has closed:
// enough to watch a real store or to break in at a chosen write.
class ForwardingSettingsStore final : public SettingsStore {
public:
    explicit ForwardingSettingsStore(SettingsStore& inner) : m_inner(inner) {}

    int ReadInt(const std::string& section, const std::string& key, int def) const override {
        ++reads;
        return m_inner.ReadInt(section, key, def);
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override {
        ++reads;
        return m_inner.ReadString(section, key, def);
    }
    bool HasValue(const std::string& section, const std::string& key) const override {
        ++reads;
        return m_inner.HasValue(section, key);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        return Written(m_inner.WriteInt(section, key, value));
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        return Written(m_inner.WriteString(section, key, value));
    }
    void BeginTransaction() override {
        ++m_depth;
        m_inner.BeginTransaction();
    }
    bool EndTransaction() override {
        const bool kept = m_inner.EndTransaction();
        if (--m_depth == 0 && afterTransaction) {
            afterTransaction();
        }
        return kept;
    }
    int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                         const std::string& keySuffix) const override {
        ++reads;
        return m_inner.HighestKeyNumber(section, keyPrefix, keySuffix);
    }
    int HighestSectionNumber(const std::string& sectionPrefix) const override {
        ++reads;
        return m_inner.HighestSectionNumber(sectionPrefix);
    }
    std::optional<SectionValues> ReadSection(const std::string& section,
                                             const std::string& keyPrefix) const override {
        ++sectionReads;
        return m_inner.ReadSection(section, keyPrefix);
    }
    bool VisitSection(const std::string& section, const std::string& keyPrefix,
                      const ValueVisitor& visit) const override {
        ++sectionReads;
        return m_inner.VisitSection(section, keyPrefix, visit);
    }

    // Runs after each write with the number of writes so far.
    std::function<void(int writes)> afterWrite;
    std::function<void()> afterTransaction;
    mutable long reads = 0;
    mutable long sectionReads = 0;
    int writes = 0;

private:
    bool Written(bool ok) {
        ++writes;
        if (afterWrite) {
            afterWrite(writes);
        }
        return ok;
    }

    SettingsStore& m_inner;
    int m_depth = 0;
};

}  // namespace varnolt::test
