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
    bool readOnly = false;    // the file is shown, but writes fail and nothing is kept
    // Why a file that others could have planted or changed was not used (the
    // line said on stderr, for a message box); empty when none was refused.
    std::string refusal;
};

// What a database's owner tells the user, completing the lines on stderr.
struct DatabaseNotes {
    std::string inMemory;  // "settings are kept in memory for this run only"
    std::string fresh;     // after moving a file aside: "the settings start from their defaults"
    std::string readOnly;  // "settings are read from it, but changes will not be kept"
};

// Opens the database at path and runs setUp on it (schema, prepared statements);
// setUp returns false when the file does not fit. A name that is the user's
// link to a regular file stands for its real file, which SQLite then opens by
// its real name without following links. Only what belongs to the user is
// trusted: a folder or file (with its -wal, -shm and -journal) of another
// user, or a real file in a folder that others may write to, is refused:
// neither opened, written nor moved. A mode open to others is narrowed. A file
// that can be read but not written is used read-only. A file that is damaged,
// not a database, of another layout, unreadable, a folder or a special file is
// moved aside with its -wal, -shm and -journal, exactly as they were, and a
// fresh one takes its place. A passing trouble (busy past the timeout, a full disk, no memory)
// leaves the file alone. When no file can be used, or path is empty (no home
// folder), the data lives in memory for this run. Each case is one line on
// stderr. tearDown releases what a failed setUp left behind before its
// connection is closed. Never throws.
PrivateDatabase OpenPrivateDatabase(const std::string& path, const DatabaseNotes& notes,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown);

// Runs one statement that returns no rows; whether it succeeded.
bool ExecSql(sqlite3* db, const char* sql);

// For setUp: creates the tables of a new database, in one transaction so that
// a second process starting at the same moment never sees half a schema. A
// database that already has tables is left as it is without taking the write
// lock (a file of another program is never changed, just found not to fit; a
// read-only or busy store still opens). False when it failed.
bool CreateSchemaIfNew(sqlite3* db, std::initializer_list<const char*> statements);

// $XDG_CONFIG_HOME/<company>, else <home>/.config/<company>, the home folder
// taken from HOME or else from the user database; never a shared temporary
// folder. Empty when no home folder is known. Creates nothing.
std::string ConfigFolder(const std::string& company);

// ConfigFolder(company)/fileName, creating each missing folder with mode 0700.
// Empty when there is no config folder: such data cannot be kept on disk.
std::string ConfigFilePath(const std::string& company, const std::string& fileName);

}  // namespace varnolt
