#pragma once

#include <climits>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace varnolt::test {

// Passes every call on to another store and watches it: logs every write in
// order ("section|key=number", "section|key='text'" or "REMOVE section", the
// outermost transaction as "BEGIN" and "END"), counts the reads, and runs a hook after
// each write and after each outermost transaction has closed. Enough to check
// write order, to see that reading stays bounded, or to break in at a write.
class ForwardingSettingsStore : public SettingsStore {
public:
    explicit ForwardingSettingsStore(SettingsStore& inner) : m_inner(inner) {}

    int ReadInt(const std::string& section, const std::string& key, int def) const override {
        Read();
        return m_inner.ReadInt(section, key, def);
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override {
        Read();
        return m_inner.ReadString(section, key, def);
    }
    bool HasValue(const std::string& section, const std::string& key) const override {
        Read();
        return m_inner.HasValue(section, key);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        const bool ok = m_inner.WriteInt(section, key, value);
        Written(section + "|" + key + "=" + std::to_string(value));
        return ok;
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        const bool ok = m_inner.WriteString(section, key, value);
        Written(section + "|" + key + "='" + value + "'");
        return ok;
    }
    bool RemoveSection(const std::string& section) override {
        const bool ok = m_inner.RemoveSection(section);
        Written("REMOVE " + section);
        return ok;
    }
    // Nested transactions join the outermost, so only that one is logged.
    void BeginTransaction() override {
        m_inner.BeginTransaction();
        if (m_depth++ == 0) {
            writes.push_back("BEGIN");
        }
    }
    bool EndTransaction() override {
        const bool kept = m_inner.EndTransaction();
        if (--m_depth == 0) {
            writes.push_back("END");
            if (afterTransaction) {
                afterTransaction();
            }
        }
        return kept;
    }
    int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                         const std::string& keySuffix) const override {
        Read();
        return m_inner.HighestKeyNumber(section, keyPrefix, keySuffix);
    }
    int HighestSectionNumber(const std::string& sectionPrefix) const override {
        Read();
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
    void VisitSectionNames(const std::string& sectionPrefix,
                           const std::function<void(std::string_view)>& visit) const override {
        ++sectionReads;
        m_inner.VisitSectionNames(sectionPrefix, visit);
    }

    // How many writes were made (a removed section counts as one).
    int ValueWrites() const { return m_valueWrites; }

    std::vector<std::string> writes;
    mutable long reads = 0;
    mutable long sectionReads = 0;
    // Runs after each write with the number of values written so far.
    std::function<void(int valueWrites)> afterWrite;
    std::function<void()> afterTransaction;

    // Past this many reads a read throws, so a reader that walks every number
    // up to a huge count fails at once instead of hanging.
    long readLimit = LONG_MAX;

private:
    void Read() const {
        if (++reads > readLimit) {
            throw std::length_error("more reads than the test allows");
        }
    }
    void Written(std::string entry) {
        writes.push_back(std::move(entry));
        ++m_valueWrites;
        if (afterWrite) {
            afterWrite(m_valueWrites);
        }
    }

    SettingsStore& m_inner;
    int m_depth = 0;
    int m_valueWrites = 0;
};

}  // namespace varnolt::test
