#pragma once

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <variant>

#include "app/StoredList.h"
#include "platform/SettingsStore.h"

namespace varnolt::test {

// The settings store held in memory, with the same read rules as the real one.
class MemorySettingsStore final : public SettingsStore {
public:
    int ReadInt(const std::string& section, const std::string& key, int def) const override {
        std::lock_guard lock(m_mutex);
        auto it = m_values.find({section, key});
        if (it == m_values.end() || !std::holds_alternative<int>(it->second)) {
            return def;
        }
        return std::get<int>(it->second);
    }
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override {
        std::lock_guard lock(m_mutex);
        auto it = m_values.find({section, key});
        if (it == m_values.end() || !std::holds_alternative<std::string>(it->second)) {
            return def;
        }
        return std::get<std::string>(it->second);
    }
    bool WriteInt(const std::string& section, const std::string& key, int value) override {
        std::lock_guard lock(m_mutex);
        m_values[{section, key}] = value;
        ++m_writes;
        return true;
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        std::lock_guard lock(m_mutex);
        m_values[{section, key}] = value;
        ++m_writes;
        return true;
    }

    bool HasValue(const std::string& section, const std::string& key) const override {
        std::lock_guard lock(m_mutex);
        return m_values.count({section, key}) != 0;
    }

    // Other threads wait while a transaction is open, so they see all of its
    // writes or none; memory writes cannot fail, so there is nothing to undo.
    void BeginTransaction() override { m_mutex.lock(); }
    bool EndTransaction() override {
        m_mutex.unlock();
        return true;
    }

    int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                         const std::string& keySuffix) const override {
        std::lock_guard lock(m_mutex);
        int highest = -1;
        for (auto it = m_values.lower_bound({section, keyPrefix});
             it != m_values.end() && it->first.first == section &&
             it->first.second.starts_with(keyPrefix);
             ++it) {
            highest = std::max(highest,
                               NumberBetween(it->first.second, keyPrefix, keySuffix).value_or(-1));
        }
        return highest;
    }
    int HighestSectionNumber(const std::string& sectionPrefix) const override {
        std::lock_guard lock(m_mutex);
        int highest = -1;
        for (auto it = m_values.lower_bound({sectionPrefix, {}});
             it != m_values.end() && it->first.first.starts_with(sectionPrefix); ++it) {
            highest =
                std::max(highest, NumberBetween(it->first.first, sectionPrefix, {}).value_or(-1));
        }
        return highest;
    }

    bool VisitSection(const std::string& section, const std::string& keyPrefix,
                      const ValueVisitor& visit) const override {
        std::lock_guard lock(m_mutex);
        for (auto it = m_values.lower_bound({section, keyPrefix});
             it != m_values.end() && it->first.first == section &&
             it->first.second.starts_with(keyPrefix);
             ++it) {
            if (const int* number = std::get_if<int>(&it->second)) {
                visit(it->first.second, {SectionValues::Kind::Int, *number, {}});
            } else {
                visit(it->first.second,
                      {SectionValues::Kind::Text, 0, std::get<std::string>(it->second)});
            }
        }
        return true;
    }

    // For tests: how many writes were made.
    int WriteCount() const {
        std::lock_guard lock(m_mutex);
        return m_writes;
    }

private:
    mutable std::recursive_mutex m_mutex;
    std::map<std::pair<std::string, std::string>, std::variant<int, std::string>> m_values;
    int m_writes = 0;
};

}  // namespace varnolt::test
