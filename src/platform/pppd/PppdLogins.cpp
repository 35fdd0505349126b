#include "PppdLogins.h"

#include <sqlite3.h>

#include "sqlite/PrivateDatabase.h"

namespace varnolt::pppd {
namespace {

constexpr const char* kSelect =
    "SELECT user_name, password, password_stored FROM logins WHERE peer=?1";
constexpr const char* kUpsert =
    "INSERT INTO logins(peer, user_name, password, password_stored) VALUES(?1,?2,?3,?4)"
    " ON CONFLICT(peer) DO UPDATE SET user_name=excluded.user_name,"
    " password=excluded.password, password_stored=excluded.password_stored";

struct Statement {
    Statement(sqlite3* db, const char* sql) {
        if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    void Bind(int index, const std::string& text) {
        sqlite3_bind_text(stmt, index, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT);
    }
    std::string Text(int column) const {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return text != nullptr
                   ? std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)))
                   : std::string();
    }
    sqlite3_stmt* stmt = nullptr;
};

}  // namespace

PppdLogins::PppdLogins(const std::string& path) {
    std::lock_guard lock(m_mutex);
    PrivateDatabase opened = OpenPrivateDatabase(
        path,
        {"pppd logins are kept in memory for this run only", "a new, empty one takes its place",
         "its logins are used, but changes to them will not be kept"},
        [](sqlite3* db) {
            return CreateSchemaIfNew(db, {"CREATE TABLE logins("
                                          " peer TEXT PRIMARY KEY,"
                                          " user_name TEXT NOT NULL DEFAULT '',"
                                          " password TEXT NOT NULL DEFAULT '',"
                                          " password_stored INTEGER NOT NULL DEFAULT 0)"}) &&
                   Statement(db, kSelect).stmt != nullptr && Statement(db, kUpsert).stmt != nullptr;
        },
        [] {});
    m_db = opened.db;
    m_refusal = opened.refusal;
}

PppdLogins::~PppdLogins() {
    std::lock_guard lock(m_mutex);
    sqlite3_close_v2(m_db);
}

PeerLogin PppdLogins::Find(const std::string& peer) const {
    std::lock_guard lock(m_mutex);
    Statement st(m_db, kSelect);
    st.Bind(1, peer);
    PeerLogin login;
    if (st.stmt != nullptr && sqlite3_step(st.stmt) == SQLITE_ROW) {
        login.userName = st.Text(0);
        login.passwordStored = sqlite3_column_int(st.stmt, 2) != 0;
        login.password = login.passwordStored ? st.Text(1) : std::string();
    }
    return login;
}

bool PppdLogins::Store(const std::string& peer, const PeerLogin& login) {
    std::lock_guard lock(m_mutex);
    Statement st(m_db, kUpsert);
    st.Bind(1, peer);
    st.Bind(2, login.userName);
    st.Bind(3, login.passwordStored ? login.password : std::string());
    if (st.stmt == nullptr) {
        return false;
    }
    sqlite3_bind_int(st.stmt, 4, login.passwordStored ? 1 : 0);
    return sqlite3_step(st.stmt) == SQLITE_DONE;
}

}  // namespace varnolt::pppd
