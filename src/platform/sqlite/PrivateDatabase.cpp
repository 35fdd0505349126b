#include "PrivateDatabase.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>

namespace varnolt {
namespace {

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

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool OpenFile(const std::string& path, sqlite3*& db) {
    if (std::filesystem::is_directory(path) || !EnsurePrivateFile(path)) {
        return false;
    }
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        return false;
    }
    sqlite3_busy_timeout(db, 5000);
    sqlite3_stmt* check = nullptr;
    bool healthy =
        sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW &&
        std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
    sqlite3_finalize(check);
    return healthy;
}

// The journal mode is switched only once setUp has found the file to be ours:
// another program's database is moved aside exactly as it was.
bool OpenAndSetUp(const std::string& path, sqlite3*& db,
                  const std::function<bool(sqlite3*)>& setUp) {
    // Durable against a killed process once a write returns; only a power
    // failure can lose the last writes, which keeps a write in microseconds.
    return OpenFile(path, db) && setUp(db) && Exec(db, "PRAGMA journal_mode=WAL") &&
           Exec(db, "PRAGMA synchronous=NORMAL");
}

void CloseFile(sqlite3*& db, const std::function<void()>& tearDown) {
    tearDown();
    if (db != nullptr) {
        sqlite3_close_v2(db);
        db = nullptr;
    }
}

// Troubles that say nothing about the file itself; moving it aside for them
// would throw away a healthy database (and another process's later writes).
bool IsPassingTrouble(int extendedCode) {
    if (extendedCode == SQLITE_IOERR_SHORT_READ) {
        return false;  // a truncated file
    }
    switch (extendedCode & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_NOMEM:
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_INTERRUPT:
            return true;
        default:
            return false;
    }
}

}  // namespace

PrivateDatabase OpenPrivateDatabase(const std::string& path, const std::string& inMemoryNote,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown) {
    sqlite3* db = nullptr;
    if (OpenAndSetUp(path, db, setUp)) {
        return {db, true};
    }
    const int code = db != nullptr ? sqlite3_extended_errcode(db) : SQLITE_CANTOPEN;
    std::string reason = db == nullptr       ? "cannot open"
                         : code == SQLITE_OK ? "holds data of another kind"
                                             : sqlite3_errmsg(db);
    if (std::filesystem::is_directory(path)) {
        reason = "a directory stands in its place";
    }
    CloseFile(db, tearDown);
    if (IsPassingTrouble(code)) {
        std::cerr << "varnolt: " << path << " cannot be used now (" << reason
                  << "); left as it is\n";
    } else if (MoveAsideDatabase(path, reason) && OpenAndSetUp(path, db, setUp)) {
        return {db, true};
    }
    CloseFile(db, tearDown);
    std::cerr << "varnolt: " << inMemoryNote << "\n";
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK ||
        !setUp(db)) {
        std::cerr << "varnolt: cannot create an in-memory database\n";
        std::abort();
    }
    return {db, false};
}

bool CreateSchemaIfNew(sqlite3* db, std::initializer_list<const char*> statements) {
    if (!Exec(db, "BEGIN IMMEDIATE")) {
        return false;
    }
    sqlite3_stmt* st = nullptr;
    bool ok = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr) ==
                  SQLITE_OK &&
              sqlite3_step(st) == SQLITE_ROW;
    const bool empty = ok && sqlite3_column_int(st, 0) == 0;
    sqlite3_finalize(st);
    for (const char* sql : statements) {
        ok = ok && (!empty || Exec(db, sql));
    }
    if (ok && Exec(db, "COMMIT")) {
        return true;
    }
    Exec(db, "ROLLBACK");
    return false;
}

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

bool MoveAsideDatabase(const std::string& path, const std::string& reason) {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Never onto an existing name: two processes recovering the same file in
    // the same second must not replace each other's moved-aside copy.
    const std::string stamp = path + ".broken-" + Timestamp();
    std::string target = stamp;
    int result = 0;
    for (int n = 2; (result = ::renameat2(AT_FDCWD, path.c_str(), AT_FDCWD, target.c_str(),
                                          RENAME_NOREPLACE)) != 0 &&
                    errno == EEXIST;
         ++n) {
        target = stamp + "-" + std::to_string(n);
    }
    if (result != 0) {
        ec = std::error_code(errno, std::generic_category());
        std::cerr << "varnolt: " << path << " is unusable (" << reason
                  << ") and could not be moved aside (" << ec.message()
                  << "); left in place, running without it\n";
        return false;
    }
    // A stale journal must not be replayed into the fresh database.
    for (const char* suffix : {"-wal", "-shm"}) {
        if (fs::exists(path + suffix, ec)) {
            ::renameat2(AT_FDCWD, (path + suffix).c_str(), AT_FDCWD, (target + suffix).c_str(),
                        RENAME_NOREPLACE);
        }
    }
    std::cerr << "varnolt: " << path << " is unusable (" << reason << "); moved aside to " << target
              << ", starting on defaults\n";
    return true;
}

}  // namespace varnolt
