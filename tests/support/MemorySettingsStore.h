#pragma once

#include <algorithm>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include "app/StoredList.h"
#include "platform/SettingsStore.h"

namespace varnolt::test {

// The settings store held in memory, with the same read rules as the real one.
// It fails on demand as a full disk or a read-only file makes the real one
// fail: a failed commit keeps none of its writes.
class MemorySettingsStore final : public SettingsStore {
public:
    // The next `count` commits fail (a write outside a transaction is a
    // commit of its own); a negative count: every commit from now on, 0: none.
    void FailCommits(int count) {
        std::lock_guard lock(m_mutex);
        m_failingCommits = count;
    }
    // Every write fails, and with it the transaction it was made in.
    void FailWrites(bool fail) {
        std::lock_guard lock(m_mutex);
        m_failWrites = fail;
    }

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
        return Write({section, key}, value);
    }
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        return Write({section, key}, value);
    }
    bool RemoveSection(const std::string& section) override {
        return Change([&] {
            auto it = m_values.lower_bound({section, {}});
            while (it != m_values.end() && it->first.first == section) {
                Remember(it->first);
                it = m_values.erase(it);
            }
        });
    }

    bool HasValue(const std::string& section, const std::string& key) const override {
        std::lock_guard lock(m_mutex);
        return m_values.count({section, key}) != 0;
    }

    // Other threads wait while a transaction is open, so they see all of its
    // writes or none.
    void BeginTransaction() override {
        m_mutex.lock();
        ++m_depth;
    }
    bool EndTransaction() override {
        bool kept = !m_transactionFailed;
        if (--m_depth == 0) {
            kept = kept && !TakeCommitFailure();
            Finish(kept);
        }
        m_mutex.unlock();
        return kept;
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

    void VisitSectionNames(const std::string& sectionPrefix,
                           const std::function<void(std::string_view)>& visit) const override {
        std::lock_guard lock(m_mutex);
        const std::string* last = nullptr;
        for (auto it = m_values.lower_bound({sectionPrefix, {}});
             it != m_values.end() && it->first.first.starts_with(sectionPrefix); ++it) {
            if (last == nullptr || *last != it->first.first) {
                last = &it->first.first;
                visit(*last);
            }
        }
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
    using Key = std::pair<std::string, std::string>;
    using Value = std::variant<int, std::string>;

    bool Write(const Key& key, const Value& value) {
        return Change([&] {
            Remember(key);
            m_values[key] = value;
        });
    }
    // One write, a transaction of its own outside one.
    template <typename Apply>
    bool Change(const Apply& apply) {
        std::lock_guard lock(m_mutex);
        if (m_failWrites) {
            m_transactionFailed = m_depth > 0;
            return false;
        }
        apply();
        ++m_writes;
        if (m_depth == 0) {
            const bool kept = !TakeCommitFailure();
            Finish(kept);
            return kept;
        }
        return true;
    }
    bool TakeCommitFailure() {
        if (m_failingCommits == 0) {
            return false;
        }
        if (m_failingCommits > 0) {
            --m_failingCommits;
        }
        return true;
    }
    // The value before the first change of this commit, to undo it.
    void Remember(const Key& key) {
        if (m_undo.count(key) == 0) {
            auto it = m_values.find(key);
            m_undo[key] = it == m_values.end() ? std::nullopt : std::optional<Value>(it->second);
        }
    }
    void Finish(bool kept) {
        if (!kept) {
            for (auto& [key, before] : m_undo) {
                if (before) {
                    m_values[key] = *before;
                } else {
                    m_values.erase(key);
                }
            }
        }
        m_undo.clear();
        m_transactionFailed = false;
    }

    mutable std::recursive_mutex m_mutex;
    std::map<Key, Value> m_values;
    int m_writes = 0;
    int m_depth = 0;  // open transactions of the thread holding m_mutex
    bool m_transactionFailed = false;
    int m_failingCommits = 0;
    bool m_failWrites = false;
    std::map<Key, std::optional<Value>> m_undo;
};

}  // namespace varnolt::test
