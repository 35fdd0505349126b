#include "SqliteSettingsStore.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "app/AppIdentity.h"

namespace varnolt {
namespace {

constexpr int kKindInt = 0;
constexpr int kKindText = 1;
constexpr int kMissing = -1;

// Creates the file with mode 0600 before SQLite sees it, so the database (and
// the -wal and -shm files SQLite derives from its mode) is never world-readable.
bool EnsurePrivateFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    return errno == EEXIST;
}

std::string Timestamp() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
    return buf;
}

}  // namespace

std::string ConfigFilePath(const std::string& company, const std::string& fileName) {
    namespace fs = std::filesystem;
    fs::path base;
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = fs::path(home != nullptr && home[0] != '\0' ? home : "/tmp") / ".config";
    }
    fs::path dir = base / company;
    std::error_code ec;
    if (!fs::exists(dir, ec)) {
        fs::create_directories(dir, ec);
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    return (dir / fileName).string();
}

std::string StorePathForExecutable(const std::string& exePath) {
    std::string name = std::filesystem::path(exePath).filename().string();
    if (auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    return ConfigFilePath(kCompanyKey, name + ".db");
}

bool MoveAsideDatabase(const std::string& path, const std::string& reason) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::string target = path + ".broken-" + Timestamp();
    for (int n = 2; fs::exists(fs::symlink_status(target, ec)); ++n) {
        target = path + ".broken-" + Timestamp() + "-" + std::to_string(n);
    }
    fs::rename(path, target, ec);
    if (ec) {
        std::cerr << "varnolt: " << path << " is unusable (" << reason
                  << ") and could not be moved aside (" << ec.message()
                  << "); left in place, running without it\n";
        return false;
    }
    // A stale journal must not be replayed into the fresh database.
    for (const char* suffix : {"-wal", "-shm"}) {
        if (fs::exists(path + suffix, ec)) {
            fs::rename(path + suffix, target + suffix, ec);
        }
    }
    std::cerr << "varnolt: " << path << " is unusable (" << reason << "); moved aside to "
              << target << ", starting on defaults\n";
    return true;
}

SqliteSettingsStore::SqliteSettingsStore(const std::string& path) {
    std::lock_guard lock(m_mutex);
    if (Open(path)) {
        return;
    }
    std::string reason = m_db != nullptr ? sqlite3_errmsg(m_db) : "cannot open";
    if (std::filesystem::is_directory(path)) {
        reason = "a directory stands in its place";
    }
    Close();
    if (MoveAsideDatabase(path, reason) && Open(path)) {
        return;
    }
    Close();
    std::cerr << "varnolt: settings are kept in memory for this run only\n";
    OpenInMemory();
}

SqliteSettingsStore::~SqliteSettingsStore() {
    std::lock_guard lock(m_mutex);
    Close();
}

bool SqliteSettingsStore::Open(const std::string& path) {
    if (std::filesystem::is_directory(path) || !EnsurePrivateFile(path)) {
        return false;
    }
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        return false;
    }
    sqlite3_busy_timeout(m_db, 5000);
    // Durable against a killed process once a write returns; only a power
    // failure can lose the last writes, which keeps a write in microseconds.
    if (!Exec("PRAGMA journal_mode=WAL") || !Exec("PRAGMA synchronous=NORMAL")) {
        return false;
    }
    sqlite3_stmt* check = nullptr;
    bool healthy = sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &check, nullptr) ==
                       SQLITE_OK &&
                   sqlite3_step(check) == SQLITE_ROW &&
                   std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)),
                               "ok") == 0;
    sqlite3_finalize(check);
    if (!healthy) {
        return false;
    }
    m_persistent = true;
    return Prepare();
}

void SqliteSettingsStore::OpenInMemory() {
    m_persistent = false;
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK ||
        !Prepare()) {
        std::cerr << "varnolt: cannot create an in-memory settings store\n";
        std::abort();
    }
}

bool SqliteSettingsStore::Prepare() {
    if (!Exec("CREATE TABLE IF NOT EXISTS settings("
              " section TEXT NOT NULL, key TEXT NOT NULL, kind INTEGER NOT NULL, value,"
              " PRIMARY KEY(section, key)) WITHOUT ROWID")) {
        return false;
    }
    return sqlite3_prepare_v3(m_db, "SELECT kind, value FROM settings WHERE section=?1 AND key=?2",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_read, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db,
                              "INSERT INTO settings(section, key, kind, value) VALUES(?1,?2,?3,?4)"
                              " ON CONFLICT(section, key) DO UPDATE"
                              " SET kind=excluded.kind, value=excluded.value",
                              -1, SQLITE_PREPARE_PERSISTENT, &m_write, nullptr) == SQLITE_OK;
}

void SqliteSettingsStore::Close() {
    sqlite3_finalize(m_read);
    sqlite3_finalize(m_write);
    m_read = m_write = nullptr;
    if (m_db != nullptr) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
    m_persistent = false;
}

bool SqliteSettingsStore::Exec(const char* sql) {
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

int SqliteSettingsStore::FindKind(const std::string& section, const std::string& key) const {
    sqlite3_bind_text(m_read, 1, section.data(), static_cast<int>(section.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_read, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
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
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_read, 1));
        result.assign(bytes != nullptr ? bytes : "",
                      static_cast<std::size_t>(sqlite3_column_bytes(m_read, 1)));
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

void SqliteSettingsStore::ReadTogether(const std::function<void()>& fn) const {
    std::lock_guard lock(m_mutex);
    if (m_inBatch || m_inReadGroup) {
        fn();
        return;
    }
    // Outside a transaction every statement takes and drops the WAL read locks
    // (a few system calls); one deferred transaction takes them once.
    const bool grouped = sqlite3_exec(m_db, "BEGIN", nullptr, nullptr, nullptr) == SQLITE_OK;
    struct EndGroup {
        const SqliteSettingsStore& store;
        bool grouped;
        ~EndGroup() {
            if (grouped) {
                store.m_inReadGroup = false;
                sqlite3_exec(store.m_db, "COMMIT", nullptr, nullptr, nullptr);
            }
        }
    } end{*this, grouped};
    m_inReadGroup = grouped;
    fn();
}

void SqliteSettingsStore::BindName(const std::string& section, const std::string& key,
                                   int kind) {
    sqlite3_bind_text(m_write, 1, section.data(), static_cast<int>(section.size()),
                      SQLITE_STATIC);
    sqlite3_bind_text(m_write, 2, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_int(m_write, 3, kind);
}

bool SqliteSettingsStore::StepWrite() {
    bool ok = sqlite3_step(m_write) == SQLITE_DONE;
    sqlite3_reset(m_write);
    sqlite3_clear_bindings(m_write);
    return ok;
}

bool SqliteSettingsStore::WriteInt(const std::string& section, const std::string& key,
                                   int value) {
    std::lock_guard lock(m_mutex);
    BindName(section, key, kKindInt);
    sqlite3_bind_int(m_write, 4, value);
    return StepWrite();
}

bool SqliteSettingsStore::WriteString(const std::string& section, const std::string& key,
                                      const std::string& value) {
    std::lock_guard lock(m_mutex);
    BindName(section, key, kKindText);
    // A blob, so that any bytes (embedded NULs included) come back unchanged.
    sqlite3_bind_blob(m_write, 4, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
    return StepWrite();
}

}  // namespace varnolt
