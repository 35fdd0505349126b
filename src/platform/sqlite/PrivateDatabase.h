#pragma once

#include <functional>
#include <string>

struct sqlite3;

namespace varnolt {

// A per-user SQLite database: created mode 0600, WAL journal, checked on open.
struct PrivateDatabase {
    sqlite3* db = nullptr;
    bool persistent = false;  // false: the file could not be used, this run keeps it in memory
};

// Opens the database at path and runs setUp on it (schema, prepared statements);
// setUp returns false when the file does not fit. A file that cannot be opened,
// fails its integrity check or does not fit is moved aside, never overwritten,
// and a fresh one takes its place. When even that fails, the data lives in
// memory for this run and stderr says so with inMemoryNote. tearDown releases
// what a failed setUp left behind before its connection is closed. Never throws.
PrivateDatabase OpenPrivateDatabase(const std::string& path, const std::string& inMemoryNote,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown);

// For setUp: true for a new database. Tables are created only then, so that a
// file of another program is never changed, just found not to fit.
bool HasNoTables(sqlite3* db);

// $XDG_CONFIG_HOME/<company>/<file>, falling back to ~/.config; creates the
// folder (mode 0700) when missing.
std::string ConfigFilePath(const std::string& company, const std::string& fileName);

// Moves a database that cannot be used aside as "<path>.broken-<timestamp>",
// together with its -wal and -shm companions, and says so on stderr.
// Returns false when the move failed.
bool MoveAsideDatabase(const std::string& path, const std::string& reason);

}  // namespace varnolt
