#include "PhonebookDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <utility>

#include "EntryNames.h"
#include "app/UiText.h"
#include "sqlite/PrivateDatabase.h"

namespace varnolt {
namespace {

// Every statement the phonebook runs; set-up prepares each once, so a file
// with a foreign layout is found at start and not in the middle of a dial.
constexpr const char* kSelectNames = "SELECT name FROM entries ORDER BY id LIMIT ?1";
constexpr const char* kSelectIds = "SELECT id, name FROM entries ORDER BY id";
constexpr const char* kSelectExactId = "SELECT id FROM entries WHERE name=?1 ORDER BY id LIMIT 1";
constexpr const char* kSelectEntry =
    "SELECT name, phone, answer, connect_seconds, drop_seconds, account_required, account_user,"
    " account_password FROM entries WHERE id=?1";
constexpr const char* kInsertEntry =
    "INSERT INTO entries(name, phone, answer, connect_seconds, drop_seconds, account_required,"
    " account_user, account_password, device) VALUES(?1,?2,?3,?4,?5,?6,?7,?8,?10)";
constexpr const char* kUpdateEntry =
    "UPDATE entries SET name=?1, phone=?2, answer=?3, connect_seconds=?4, drop_seconds=?5,"
    " account_required=?6, account_user=?7, account_password=?8, device=?10 WHERE id=?9";
constexpr const char* kSelectCredentials =
    "SELECT user_name, password, password_stored FROM credentials WHERE entry_id=?1";
constexpr const char* kUpsertCredentials =
    "INSERT INTO credentials(entry_id, user_name, password, password_stored) VALUES(?1,?2,?3,?4)"
    " ON CONFLICT(entry_id) DO UPDATE SET user_name=excluded.user_name,"
    " password=excluded.password, password_stored=excluded.password_stored";
constexpr const char* kDeleteCredentials = "DELETE FROM credentials WHERE entry_id=?1";
constexpr const char* kDeleteEntry = "DELETE FROM entries WHERE id=?1";

// A prepared statement that finalizes itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return m_stmt != nullptr; }
    void Bind(int index, const std::string& text) {
        sqlite3_bind_text(m_stmt, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(m_stmt, index, value); }
    // True while a row is there; false at the end and on any error.
    bool Step() { return m_stmt != nullptr && sqlite3_step(m_stmt) == SQLITE_ROW; }
    bool Run() { return m_stmt != nullptr && sqlite3_step(m_stmt) == SQLITE_DONE; }
    std::string Text(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, column));
        return text != nullptr
                   ? std::string(text,
                                 static_cast<std::size_t>(sqlite3_column_bytes(m_stmt, column)))
                   : std::string();
    }
    std::int64_t Int(int column) const { return sqlite3_column_int64(m_stmt, column); }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// Hand-edited values never reach the line out of range.
int ClampSeconds(std::int64_t value, int max) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, max));
}

LineAnswer AnswerFromInt(std::int64_t value) {
    return value >= 0 && value <= static_cast<int>(LineAnswer::NoDialTone)
               ? static_cast<LineAnswer>(value)
               : LineAnswer::Connect;
}

void BindEntry(Statement& st, const PhonebookEntry& entry) {
    st.Bind(1, entry.name);
    st.Bind(2, entry.phoneNumber);
    st.Bind(3, static_cast<std::int64_t>(entry.answer));
    st.Bind(4, static_cast<std::int64_t>(
                   ClampSeconds(entry.connectSeconds, PhonebookEntry::kMaxConnectSeconds)));
    st.Bind(5, static_cast<std::int64_t>(
                   ClampSeconds(entry.dropSeconds, PhonebookEntry::kMaxDropSeconds)));
    st.Bind(6, std::int64_t{entry.accountRequired ? 1 : 0});
    st.Bind(7, entry.accountUser);
    st.Bind(8, entry.accountPassword);
    st.Bind(10, std::string(PhonebookEntry::kDevice));
}

}  // namespace

PhonebookDatabase::PhonebookDatabase(const std::string& path) {
    std::lock_guard lock(m_mutex);
    PrivateDatabase opened = OpenPrivateDatabase(
        path,
        {"the phonebook is kept in memory for this run only",
         "a new, empty phonebook takes its place",
         "its entries can be dialed, but changes to the phonebook will not be kept"},
        [this](sqlite3* db) { return SetUp(db); }, [] {});
    m_db = opened.db;
    m_persistent = opened.persistent;
    m_readOnly = opened.readOnly;
    m_refusal = opened.refusal;
}

PhonebookDatabase::~PhonebookDatabase() {
    std::lock_guard lock(m_mutex);
    sqlite3_close_v2(m_db);
}

bool PhonebookDatabase::SetUp(sqlite3* db) {
    m_db = db;
    if (!CreateSchemaIfNew(db, {"CREATE TABLE entries("
                                " id INTEGER PRIMARY KEY AUTOINCREMENT,"
                                " name TEXT NOT NULL,"
                                " phone TEXT NOT NULL DEFAULT '',"
                                " device TEXT NOT NULL DEFAULT 'Simulated modem',"
                                " answer INTEGER NOT NULL DEFAULT 0,"
                                " connect_seconds INTEGER NOT NULL DEFAULT 3,"
                                " drop_seconds INTEGER NOT NULL DEFAULT 0,"
                                " account_required INTEGER NOT NULL DEFAULT 0,"
                                " account_user TEXT NOT NULL DEFAULT '',"
                                " account_password TEXT NOT NULL DEFAULT '')",
                                "CREATE TABLE credentials("
                                " entry_id INTEGER PRIMARY KEY REFERENCES entries(id),"
                                " user_name TEXT NOT NULL DEFAULT '',"
                                " password TEXT NOT NULL DEFAULT '',"
                                " password_stored INTEGER NOT NULL DEFAULT 0)"})) {
        return false;
    }
    for (const char* sql :
         {kSelectNames, kSelectIds, kSelectExactId, kSelectEntry, kInsertEntry, kUpdateEntry,
          kSelectCredentials, kUpsertCredentials, kDeleteCredentials, kDeleteEntry}) {
        if (!Statement(db, sql).ok()) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> PhonebookDatabase::EntryNames(std::size_t limit) const {
    std::lock_guard lock(m_mutex);
    std::vector<std::string> names;
    Statement st(m_db, kSelectNames);
    st.Bind(1, static_cast<std::int64_t>(std::min<std::size_t>(limit, INT64_MAX)));
    while (st.Step()) {
        names.push_back(st.Text(0));
    }
    return names;
}

std::optional<std::int64_t> PhonebookDatabase::FindId(const std::string& name) const {
    {
        Statement exact(m_db, kSelectExactId);
        exact.Bind(1, name);
        if (exact.Step()) {
            return exact.Int(0);
        }
    }
    const std::string folded = FoldCase(name);
    Statement all(m_db, kSelectIds);
    while (all.Step()) {
        if (FoldCase(all.Text(1)) == folded) {
            return all.Int(0);
        }
    }
    return std::nullopt;
}

std::optional<PhonebookEntry> PhonebookDatabase::FindEntry(const std::string& name) const {
    std::lock_guard lock(m_mutex);
    const auto id = FindId(name);
    if (!id) {
        return std::nullopt;
    }
    Statement st(m_db, kSelectEntry);
    st.Bind(1, *id);
    if (!st.Step()) {
        return std::nullopt;
    }
    PhonebookEntry entry;
    entry.name = st.Text(0);
    entry.phoneNumber = st.Text(1);
    entry.answer = AnswerFromInt(st.Int(2));
    entry.connectSeconds = ClampSeconds(st.Int(3), PhonebookEntry::kMaxConnectSeconds);
    entry.dropSeconds = ClampSeconds(st.Int(4), PhonebookEntry::kMaxDropSeconds);
    entry.accountRequired = st.Int(5) != 0;
    entry.accountUser = st.Text(6);
    entry.accountPassword = st.Text(7);
    return entry;
}

std::string PhonebookDatabase::CheckEntry(const PhonebookEntry& entry,
                                          std::optional<std::int64_t> self) const {
    if (std::string problem = EntryNameProblem(entry.name); !problem.empty()) {
        return problem;
    }
    static_assert(PhonebookEntry::kMaxPhoneChars == 128, "the message names the limit");
    if (CharacterCount(entry.phoneNumber) > PhonebookEntry::kMaxPhoneChars) {
        return MarkedText(
            VARNOLT_TEXT("The phone number is too long: it may have at most 128 characters."));
    }
    const std::string folded = FoldCase(entry.name);
    bool keepsItsName = false;
    Statement all(m_db, kSelectIds);
    while (all.Step()) {
        if (all.Int(0) == self) {
            keepsItsName = all.Text(1) == entry.name;
        } else if (FoldCase(all.Text(1)) == folded) {
            return FillText(
                VARNOLT_TEXT("An entry named \"%1\" already exists. Please choose another name."),
                {all.Text(1)});
        }
    }
    // An entry that bears such a name already (older phonebooks) may still be edited.
    return keepsItsName ? std::string() : ReservedNameProblem(entry.name);
}

std::string PhonebookDatabase::WriteEntry(const PhonebookEntry& entry,
                                          std::optional<std::int64_t> id) {
    Statement st(m_db, id ? kUpdateEntry : kInsertEntry);
    BindEntry(st, entry);
    if (id) {
        st.Bind(9, *id);
    }
    if (!st.Run()) {
        return FillText(VARNOLT_TEXT("The entry could not be stored: %1."), {sqlite3_errmsg(m_db)});
    }
    return {};
}

std::string PhonebookDatabase::AddEntry(const PhonebookEntry& entry) {
    return SaveEntry(std::nullopt, entry);
}

std::string PhonebookDatabase::UpdateEntry(const std::string& name, const PhonebookEntry& entry) {
    return SaveEntry(name, entry);
}

std::string PhonebookDatabase::SaveEntry(const std::optional<std::string>& name,
                                         const PhonebookEntry& entry) {
    std::lock_guard lock(m_mutex);
    // One write transaction from check to store, so that another process
    // cannot slip in an entry of the same name between them.
    if (!ExecSql(m_db, "BEGIN IMMEDIATE")) {
        return FillText(VARNOLT_TEXT("The phonebook cannot be changed now: %1."),
                        {sqlite3_errmsg(m_db)});
    }
    std::optional<std::int64_t> id;
    std::string message;
    if (name) {
        id = FindId(*name);
        if (!id) {
            message = FillText(VARNOLT_TEXT("The entry \"%1\" no longer exists."), {*name});
        }
    }
    if (message.empty()) {
        message = CheckEntry(entry, id);
    }
    if (message.empty()) {
        message = WriteEntry(entry, id);
    }
    if (message.empty() && !ExecSql(m_db, "COMMIT")) {
        message =
            FillText(VARNOLT_TEXT("The entry could not be stored: %1."), {sqlite3_errmsg(m_db)});
    }
    if (!message.empty()) {
        ExecSql(m_db, "ROLLBACK");
    }
    return message;
}

std::optional<StoredCredentials> PhonebookDatabase::FindCredentials(const std::string& name) const {
    std::lock_guard lock(m_mutex);
    const auto id = FindId(name);
    if (!id) {
        return std::nullopt;
    }
    StoredCredentials credentials;
    Statement st(m_db, kSelectCredentials);
    st.Bind(1, *id);
    if (st.Step()) {
        credentials.userName = st.Text(0);
        credentials.password = st.Text(1);
        credentials.passwordStored = st.Int(2) != 0;
    }
    return credentials;
}

PhonebookDatabase::StoreResult PhonebookDatabase::StoreCredentials(
    const std::string& name, const StoredCredentials& credentials) {
    std::lock_guard lock(m_mutex);
    const auto id = FindId(name);
    if (!id) {
        return StoreResult::NoSuchEntry;
    }
    Statement st(m_db, kUpsertCredentials);
    st.Bind(1, *id);
    st.Bind(2, credentials.userName);
    st.Bind(3, credentials.password);
    st.Bind(4, std::int64_t{credentials.passwordStored ? 1 : 0});
    return st.Run() ? StoreResult::Stored : StoreResult::WriteFailed;
}

PhonebookDatabase::StoreResult PhonebookDatabase::DeleteEntry(const std::string& name) {
    std::lock_guard lock(m_mutex);
    if (!ExecSql(m_db, "BEGIN IMMEDIATE")) {
        return StoreResult::WriteFailed;
    }
    const auto id = FindId(name);
    StoreResult result = id ? StoreResult::Stored : StoreResult::NoSuchEntry;
    for (const char* sql : {kDeleteCredentials, kDeleteEntry}) {
        if (result != StoreResult::Stored) {
            break;
        }
        Statement st(m_db, sql);
        st.Bind(1, *id);
        if (!st.Run()) {
            result = StoreResult::WriteFailed;
        }
    }
    if (result == StoreResult::Stored && !ExecSql(m_db, "COMMIT")) {
        result = StoreResult::WriteFailed;
    }
    if (result != StoreResult::Stored) {
        ExecSql(m_db, "ROLLBACK");
    }
    return result;
}

}  // namespace varnolt
