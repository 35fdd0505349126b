#include "SqliteSettingsStore.h"

#include <sqlite3.h>

#include <cstring>
#include <filesystem>
#include <string_view>

#include "app/AppIdentity.h"
#include "app/StoredList.h"

namespace varnolt {
namespace {

constexpr int kKindInt = 0;
constexpr int kKindText = 1;
constexpr int kMissing = -1;

// The first text after every text that starts with prefix; empty when there
// is none (a prefix of 0xFF bytes only).
std::string UpperBound(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) {
        prefix.pop_back();
    }
    if (!prefix.empty()) {
        ++prefix.back();
    }
    return prefix;
}

// Binds text that outlives the statement's step.
void BindText(sqlite3_stmt* statement, int index, std::string_view text) {
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

// A column's bytes as stored, valid until the statement moves on.
std::string_view ColumnBytes(sqlite3_stmt* statement, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return {bytes != nullptr ? bytes : "",
            static_cast<std::size_t>(sqlite3_column_bytes(statement, column))};
}

// Binds a range's upper bound; an empty bound is a blob, which sorts after
// every text: no upper limit.
void BindUpper(sqlite3_stmt* statement, int index, const std::string& upper) {
    if (upper.empty()) {
        sqlite3_bind_zeroblob(statement, index, 0);
    } else {
        sqlite3_bind_text(statement, index, upper.data(), static_cast<int>(upper.size()),
                          SQLITE_TRANSIENT);
    }
}

}  // namespace

std::string StorePathForExecutable(const std::string& exePath) {
    std::string name = std::filesystem::path(exePath).filename().string();
    // Linux programs have no extension, and a dot in a name ("varnolt-0.63") is
    // part of it; only the endings of executable files are dropped.
    for (const char* ending : {".exe", ".EXE", ".bin"}) {
        if (name.size() > std::strlen(ending) && name.ends_with(ending)) {
            name.erase(name.size() - std::strlen(ending));
            break;
        }
    }
    return ConfigFilePath(kCompanyKey, name + ".db");
}

SqliteSettingsStore::SqliteSettingsStore(const std::string& path) {
    std::lock_guard lock(m_mutex);
    PrivateDatabase opened = OpenPrivateDatabase(
        path,
        {"settings are kept in memory for this run only", "the settings start from their defaults",
         "settings are read from it, but changes will not be kept"},
        [this](sqlite3* db) {
            m_db = db;
            return Prepare();
        },
        [this] { FinalizeStatements(); });
    m_db = opened.db;
    m_persistent = opened.persistent;
    m_readOnly = opened.readOnly;
    m_refusal = opened.refusal;
}

SqliteSettingsStore::~SqliteSettingsStore() {
    std::lock_guard lock(m_mutex);
    FinalizeStatements();
    if (m_db != nullptr) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool SqliteSettingsStore::Prepare() {
    if (!CreateSchemaIfNew(m_db,
                           {"CREATE TABLE settings("
                            " section TEXT NOT NULL, key TEXT NOT NULL, kind INTEGER NOT NULL,"
                            " value, PRIMARY KEY(section, key)) WITHOUT ROWID"})) {
        return false;
    }
    // Reads through a mapping instead of a copy per page: a pass over a long
    // log (600,000 values) costs a fifth less. Writes still go through
    // SQLite's own file writes; without mapping, reads work all the same.
    ExecSql(m_db, "PRAGMA mmap_size=268435456");
    return sqlite3_prepare_v3(m_db, "SELECT kind, value FROM settings WHERE section=?1 AND key=?2",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_read, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db,
                              "INSERT INTO settings(section, key, kind, value) VALUES(?1,?2,?3,?4)"
                              " ON CONFLICT(section, key) DO UPDATE"
                              " SET kind=excluded.kind, value=excluded.value",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_write, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db, "DELETE FROM settings WHERE section=?1", -1,
                              SQLITE_PREPARE_PERSISTENT, &m_removeSection, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db,
                              "SELECT key, kind, value FROM settings"
                              " WHERE section=?1 AND key>=?2 AND key<?3 ORDER BY key",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_scan, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db,
                              "SELECT key FROM settings WHERE section=?1 AND key>=?2 AND key<?3",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_keyNames, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db,
                              "SELECT DISTINCT section FROM settings"
                              " WHERE section>=?2 AND section<?3",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_sectionNames, nullptr) == SQLITE_OK;
}

void SqliteSettingsStore::FinalizeStatements() {
    sqlite3_finalize(m_read);
    sqlite3_finalize(m_write);
    sqlite3_finalize(m_removeSection);
    sqlite3_finalize(m_scan);
    sqlite3_finalize(m_keyNames);
    sqlite3_finalize(m_sectionNames);
    m_read = m_write = m_removeSection = m_scan = m_keyNames = m_sectionNames = nullptr;
}

int SqliteSettingsStore::FindKind(const std::string& section, const std::string& key) const {
    BindText(m_read, 1, section);
    BindText(m_read, 2, key);
    return sqlite3_step(m_read) == SQLITE_ROW ? sqlite3_column_int(m_read, 0) : kMissing;
}

int SqliteSettingsStore::ReadInt(const std::string& section, const std::string& key,
                                 int def) const {
    std::lock_guard lock(m_mutex);
    int result = FindKind(section, key) == kKindInt ? sqlite3_column_int(m_read, 1) : def;
    sqlite3_reset(m_read);
    return result;
}

std::string SqliteSettingsStore::ReadString(const std::string& section, const std::string& key,
                                            const std::string& def) const {
    std::lock_guard lock(m_mutex);
    std::string result = def;
    if (FindKind(section, key) == kKindText) {
        result = ColumnBytes(m_read, 1);
    }
    sqlite3_reset(m_read);
    return result;
}

bool SqliteSettingsStore::HasValue(const std::string& section, const std::string& key) const {
    std::lock_guard lock(m_mutex);
    bool found = FindKind(section, key) != kMissing;
    sqlite3_reset(m_read);
    return found;
}

std::optional<SectionValues> SqliteSettingsStore::ReadSection(const std::string& section,
                                                              const std::string& keyPrefix) const {
    SectionValues values;
    const bool read = VisitSection(
        section, keyPrefix, [&values](std::string_view key, const SectionValues::Value& value) {
            values.Add(key, value);
        });
    if (!read) {
        return std::nullopt;  // a failed scan: let the caller read value by value
    }
    return values;
}

bool SqliteSettingsStore::VisitSection(const std::string& section, const std::string& keyPrefix,
                                       const ValueVisitor& visit) const {
    std::lock_guard lock(m_mutex);
    // The keys from the prefix up to the first text past all its extensions.
    BindText(m_scan, 1, section);
    BindText(m_scan, 2, keyPrefix);
    BindUpper(m_scan, 3, UpperBound(keyPrefix));
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(m_scan)) == SQLITE_ROW) {
        const std::string_view key = ColumnBytes(m_scan, 0);
        switch (sqlite3_column_int(m_scan, 1)) {
            case kKindInt:
                visit(key, {SectionValues::Kind::Int, sqlite3_column_int(m_scan, 2), {}});
                break;
            case kKindText:
                visit(key, {SectionValues::Kind::Text, 0, ColumnBytes(m_scan, 2)});
                break;
            default:
                // Stored, readable as neither kind.
                visit(key, {SectionValues::Kind::Other, 0, {}});
                break;
        }
    }
    sqlite3_reset(m_scan);
    return step == SQLITE_DONE;
}

int SqliteSettingsStore::HighestNumber(sqlite3_stmt* statement, const std::string* section,
                                       const std::string& prefix, const std::string& suffix) const {
    if (section != nullptr) {
        BindText(statement, 1, *section);
    }
    BindText(statement, 2, prefix);
    BindUpper(statement, 3, UpperBound(prefix));
    int highest = -1;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        if (auto number = NumberBetween(ColumnBytes(statement, 0), prefix, suffix);
            number && *number > highest) {
            highest = *number;
        }
    }
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    return highest;
}

int SqliteSettingsStore::HighestKeyNumber(const std::string& section, const std::string& keyPrefix,
                                          const std::string& keySuffix) const {
    std::lock_guard lock(m_mutex);
    return HighestNumber(m_keyNames, &section, keyPrefix, keySuffix);
}

void SqliteSettingsStore::VisitSectionNames(
    const std::string& sectionPrefix, const std::function<void(std::string_view)>& visit) const {
    std::lock_guard lock(m_mutex);
    BindText(m_sectionNames, 2, sectionPrefix);
    BindUpper(m_sectionNames, 3, UpperBound(sectionPrefix));
    while (sqlite3_step(m_sectionNames) == SQLITE_ROW) {
        visit(ColumnBytes(m_sectionNames, 0));
    }
    sqlite3_reset(m_sectionNames);
    sqlite3_clear_bindings(m_sectionNames);
}

int SqliteSettingsStore::HighestSectionNumber(const std::string& sectionPrefix) const {
    std::lock_guard lock(m_mutex);
    return HighestNumber(m_sectionNames, nullptr, sectionPrefix, {});
}

void SqliteSettingsStore::BeginTransaction() {
    m_mutex.lock();  // held until the matching EndTransaction
    if (m_depth++ == 0) {
        m_transactionOk = ExecSql(m_db, "BEGIN IMMEDIATE");
    }
}

bool SqliteSettingsStore::EndTransaction() {
    bool kept = m_transactionOk;
    if (--m_depth == 0) {
        if (m_transactionOk) {
            kept = ExecSql(m_db, "COMMIT");
        }
        if (!kept && !sqlite3_get_autocommit(m_db)) {
            ExecSql(m_db, "ROLLBACK");
        }
        m_transactionOk = true;
    }
    m_mutex.unlock();
    return kept;
}

void SqliteSettingsStore::BindName(const std::string& section, const std::string& key, int kind) {
    BindText(m_write, 1, section);
    BindText(m_write, 2, key);
    sqlite3_bind_int(m_write, 3, kind);
}

bool SqliteSettingsStore::StepWrite(sqlite3_stmt* statement) {
    bool ok = sqlite3_step(statement) == SQLITE_DONE;
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (!ok && m_depth > 0) {
        m_transactionOk = false;
    }
    return ok;
}

bool SqliteSettingsStore::WriteInt(const std::string& section, const std::string& key, int value) {
    std::lock_guard lock(m_mutex);
    if (!WriteAllowed()) {
        return false;
    }
    BindName(section, key, kKindInt);
    sqlite3_bind_int(m_write, 4, value);
    return StepWrite(m_write);
}

bool SqliteSettingsStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    std::lock_guard lock(m_mutex);
    if (!WriteAllowed()) {
        return false;
    }
    BindName(section, key, kKindText);
    // A blob, so that any bytes (embedded NULs included) come back unchanged.
    sqlite3_bind_blob(m_write, 4, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
    return StepWrite(m_write);
}

bool SqliteSettingsStore::RemoveSection(const std::string& section) {
    std::lock_guard lock(m_mutex);
    if (!WriteAllowed()) {
        return false;
    }
    BindText(m_removeSection, 1, section);
    return StepWrite(m_removeSection);
}

}  // namespace varnolt
