#pragma once

#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "PhonebookEntry.h"

struct sqlite3;

namespace varnolt {

// What the service keeps for dialing an entry: held here, never in the
// settings store, and never printed.
struct StoredCredentials {
    std::string userName;
    std::string password;
    bool passwordStored = false;
};

// The simulated service's phonebook and credentials: one SQLite database per
// user, shared by every program name, readable by the user only. Entries keep
// the order they were created in; names are unique without regard to case.
// Credentials belong to the entry, not its name, so they follow a rename.
// Every call reads the file afresh, so entries another process adds appear.
class PhonebookDatabase {
public:
    // Opens or creates the database (mode 0600), by the rules of
    // OpenPrivateDatabase: a damaged file is moved aside and the phonebook
    // starts empty; one that others could have planted or changed is refused
    // and the phonebook starts empty in memory; a read-only one is read.
    // Never throws.
    explicit PhonebookDatabase(const std::string& path);
    ~PhonebookDatabase();

    PhonebookDatabase(const PhonebookDatabase&) = delete;
    PhonebookDatabase& operator=(const PhonebookDatabase&) = delete;

    bool IsPersistent() const { return m_persistent; }
    // Read from a file that cannot be written: every change fails with a message.
    bool IsReadOnly() const { return m_readOnly; }
    // Why the file was refused as one that others could have planted or
    // changed, for the user; empty when it was not.
    const std::string& Refusal() const { return m_refusal; }

    // Entry names in creation order, at most limit of them.
    std::vector<std::string> EntryNames(std::size_t limit) const;
    // The entry of that name (case ignored), or none.
    std::optional<PhonebookEntry> FindEntry(const std::string& name) const;

    // Store a new entry, or replace the one called name (which may rename it).
    // Empty on success, otherwise the message telling the user what is wrong;
    // nothing is stored then.
    std::string AddEntry(const PhonebookEntry& entry);
    std::string UpdateEntry(const std::string& name, const PhonebookEntry& entry);

    // Credentials of an entry (empty when none were stored); none when the
    // entry does not exist.
    std::optional<StoredCredentials> FindCredentials(const std::string& name) const;
    enum class StoreResult { Stored, NoSuchEntry, WriteFailed };
    StoreResult StoreCredentials(const std::string& name, const StoredCredentials& credentials);
    // Removes the entry and its credentials together ("Stored": removed).
    StoreResult DeleteEntry(const std::string& name);

private:
    bool SetUp(sqlite3* db);
    std::optional<std::int64_t> FindId(const std::string& name) const;
    std::string CheckEntry(const PhonebookEntry& entry, std::optional<std::int64_t> self) const;
    std::string SaveEntry(const std::optional<std::string>& name, const PhonebookEntry& entry);
    std::string WriteEntry(const PhonebookEntry& entry, std::optional<std::int64_t> id);

    mutable std::mutex m_mutex;
    sqlite3* m_db = nullptr;
    bool m_persistent = false;
    bool m_readOnly = false;
    std::string m_refusal;
};

}  // namespace varnolt
