#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "platform/SettingsStore.h"
#include "sqlite/PrivateDatabase.h"

struct sqlite3;
struct sqlite3_stmt;

namespace varnolt {

// The settings store as one SQLite database: one row per value (section, key,
// kind, value), names compared exactly. WAL journal; every write is its own
// committed transaction unless a StoreTransaction groups several. A database
// that is damaged or of another kind is moved aside under a timestamped name,
// never overwritten; one that another user could have planted or changed is
// refused and never touched; a read-only one is read (see OpenPrivateDatabase).
class SqliteSettingsStore final : public SettingsStore {
public:
    // Opens or creates the database at path (created mode 0600). Never throws:
    // when the file cannot be used even after moving it aside, or path is
    // empty, the store runs in memory and says so on stderr.
    explicit SqliteSettingsStore(const std::string& path);
    ~SqliteSettingsStore() override;

    SqliteSettingsStore(const SqliteSettingsStore&) = delete;
    SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

    int ReadInt(const std::string& section, const std::string& key, int def) const override;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& def) const override;
    bool HasValue(const std::string& section, const std::string& key) const override;
    bool WriteInt(const std::string& section, const std::string& key, int value) override;
    bool WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override;
    bool RemoveSection(const std::string& section) override;
    // One query for the section (or the keys with the prefix), instead of one per value.
    std::optional<SectionValues> ReadSection(const std::string& section,
                                             const std::string& keyPrefix = {}) const override;
    bool VisitSection(const std::string& section, const std::string& keyPrefix,
                      const ValueVisitor& visit) const override;
    void VisitSectionNames(const std::string& sectionPrefix,
                           const std::function<void(std::string_view)>& visit) const override;

    // BEGIN IMMEDIATE takes the database's write lock at once, so a read made
    // inside (a count before an append) cannot be overtaken by another process.
    void BeginTransaction() override;
    bool EndTransaction() override;
    int HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                         const std::string& keySuffix) const override;
    int HighestSectionNumber(const std::string& sectionPrefix) const override;

    bool IsPersistent() const { return m_persistent; }
    // Read from a file that cannot be written: every write fails.
    bool IsReadOnly() const { return m_readOnly; }
    // Why the file was refused as one that others could have planted or
    // changed, for the user; empty when it was not.
    const std::string& Refusal() const { return m_refusal; }

private:
    void FinalizeStatements();
    bool Prepare();
    // Steps the read statement onto the value's row; its kind, or -1 when missing.
    int FindKind(const std::string& section, const std::string& key) const;
    void BindName(const std::string& section, const std::string& key, int kind);
    bool StepWrite(sqlite3_stmt* statement);
    // A write inside a transaction that has already failed is refused: SQLite
    // may have rolled the transaction back, and later writes must not commit
    // on their own.
    bool WriteAllowed() const { return m_depth == 0 || m_transactionOk; }
    // The highest number over the names the statement yields for the range.
    int HighestNumber(sqlite3_stmt* statement, const std::string* section,
                      const std::string& prefix, const std::string& suffix) const;

    mutable std::recursive_mutex m_mutex;
    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_read = nullptr;
    sqlite3_stmt* m_write = nullptr;
    sqlite3_stmt* m_removeSection = nullptr;
    sqlite3_stmt* m_scan = nullptr;
    sqlite3_stmt* m_keyNames = nullptr;
    sqlite3_stmt* m_sectionNames = nullptr;
    bool m_persistent = false;
    bool m_readOnly = false;
    std::string m_refusal;
    int m_depth = 0;  // open transactions of the thread that holds m_mutex
    bool m_transactionOk = true;
};

// The store of the program whose executable is exePath: named after the file
// without folder (and without ".exe" or ".bin"), so a renamed executable starts
// a new store.
std::string StorePathForExecutable(const std::string& exePath);

}  // namespace varnolt
