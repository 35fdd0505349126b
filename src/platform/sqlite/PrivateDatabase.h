#pragma once

#include <functional>
#include <initializer_list>
#include <string>

struct sqlite3;

namespace varnolt {

// A per-user SQLite database: created mode 0600, WAL journal, checked on open.
struct PrivateDatabase {
    sqlite3* db = nullptr;
    bool persistent = false;  // false: the file could not be used, this run keeps it in memory
};

// Opens the database at path and runs setUp on it (schema, prepared statements);
// setUp returns false when the file does not fit. A file that is damaged, not a
// database, of another layout or a directory is moved aside, never
// overwritten, and a fresh one takes its place. A passing trouble (busy past
// the timeout, a full disk, no memory) leaves the file alone. Either way, when
// no file can be used the data lives in memory for this run and stderr says
// so with inMemoryNote. tearDown releases
// what a failed setUp left behind before its connection is closed. Never throws.
PrivateDatabase OpenPrivateDatabase(const std::string& path, const std::string& inMemoryNote,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown);

// For setUp: creates the tables of a new database, in one transaction so that
// a second process starting at the same moment never sees half a schema. A
// database that already has tables is left as it is (a file of another
// program is never changed, just found not to fit). False when it failed.
bool CreateSchemaIfNew(sqlite3* db, std::initializer_list<const char*> statements);

// $XDG_CONFIG_HOME/<company>/<file>, falling back to ~/.config; creates the
// folder (mode 0700) when missing.
std::string ConfigFilePath(const std::string& company, const std::string& fileName);

// Moves a database that cannot be used aside as "<path>.broken-<timestamp>",
// together with its -wal and -shm companions, and says so on stderr.
// Returns false when the move failed.
bool MoveAsideDatabase(const std::string& path, const std::string& reason);

}  // namespace varnolt
