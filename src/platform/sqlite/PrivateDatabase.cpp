#include "PrivateDatabase.h"

#include <fcntl.h>
#include <sqlite3.h>
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

}  // namespace

PrivateDatabase OpenPrivateDatabase(const std::string& path, const std::string& inMemoryNote,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown) {
    sqlite3* db = nullptr;
    if (OpenAndSetUp(path, db, setUp)) {
        return {db, true};
    }
    std::string reason = db == nullptr                      ? "cannot open"
                         : sqlite3_errcode(db) == SQLITE_OK ? "holds data of another kind"
                                                            : sqlite3_errmsg(db);
    if (std::filesystem::is_directory(path)) {
        reason = "a directory stands in its place";
    }
    CloseFile(db, tearDown);
    if (MoveAsideDatabase(path, reason) && OpenAndSetUp(path, db, setUp)) {
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

bool HasNoTables(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    bool empty = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr) ==
                     SQLITE_OK &&
                 sqlite3_step(st) == SQLITE_ROW && sqlite3_column_int(st, 0) == 0;
    sqlite3_finalize(st);
    return empty;
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
    std::cerr << "varnolt: " << path << " is unusable (" << reason << "); moved aside to " << target
              << ", starting on defaults\n";
    return true;
}

}  // namespace varnolt
