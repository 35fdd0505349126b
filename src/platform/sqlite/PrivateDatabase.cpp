#include "PrivateDatabase.h"

#include <fcntl.h>
#include <pwd.h>
#include <sqlite3.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace varnolt {
namespace {

namespace fs = std::filesystem;

constexpr mode_t kFileMode = 0600;
constexpr mode_t kFolderMode = 0700;
constexpr int kBusyTimeoutMs = 5000;
// The files SQLite keeps beside a database; each belongs to it.
constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

void Say(const std::string& line) {
    std::cerr << "varnolt: " + line + "\n";
}

std::string ErrorText(int error) {
    return std::error_code(error, std::generic_category()).message();
}

std::string Timestamp() {
    std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
    return buf;
}

// What stands at a path, as far as trusting it goes.
enum class Kind { Missing, File, Folder, Other, Unknown };

struct Found {
    Kind kind = Kind::Missing;
    struct stat st {};   // of what a link leads to
    bool ours = true;    // the entry, and what a link leads to, belong to the user
    int error = 0;       // why it could not be looked at
    std::string reason;  // why what stands there is no database file
};

Found Look(const std::string& path) {
    Found found;
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) {
        found.error = errno;
        found.kind = errno == ENOENT ? Kind::Missing : Kind::Unknown;
        return found;
    }
    found.st = link;
    found.ours = link.st_uid == ::geteuid();
    if (S_ISLNK(link.st_mode)) {
        if (::stat(path.c_str(), &found.st) != 0) {
            found.kind = Kind::Other;
            found.reason = "is a link that leads nowhere";
            return found;
        }
        found.ours = found.ours && found.st.st_uid == ::geteuid();
    }
    switch (found.st.st_mode & S_IFMT) {
        case S_IFREG:
            found.kind = Kind::File;
            break;
        case S_IFDIR:
            found.kind = Kind::Folder;
            found.reason = "is a folder";
            break;
        case S_IFIFO:
            found.kind = Kind::Other;
            found.reason = "is a named pipe (FIFO)";
            break;
        case S_IFCHR:
        case S_IFBLK:
            found.kind = Kind::Other;
            found.reason = "is a device";
            break;
        case S_IFSOCK:
            found.kind = Kind::Other;
            found.reason = "is a socket";
            break;
        default:
            found.kind = Kind::Unknown;
            break;
    }
    return found;
}

// Judged by the owner's bits as well as by access(), so that root, whom
// access() lets write anything, still treats a file made read-only as such.
bool OwnerMay(const Found& found, mode_t ownerBit, int how, const std::string& path) {
    return (found.st.st_mode & ownerBit) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), how, AT_EACCESS) == 0;
}

// Takes away every permission beyond allowed, keeping the owner's own bits
// (a read-only file stays read-only). Whether it narrowed them.
bool Narrow(const std::string& path, const Found& found, mode_t allowed) {
    const mode_t mode = found.st.st_mode & 07777;
    if ((mode & ~allowed) == 0) {
        return false;
    }
    if (::chmod(path.c_str(), mode & allowed) == 0) {
        return true;
    }
    Say("other users can reach " + path + " and it cannot be narrowed (" + ErrorText(errno) + ")");
    return false;
}

// Why an SQLite code condemns the file itself; none for a passing trouble
// (busy past the timeout, a full disk, no memory, no permission), which says
// nothing about the file: moving it aside would throw a healthy database away.
std::optional<std::string> DamageReason(int extendedCode) {
    if (extendedCode == SQLITE_IOERR_SHORT_READ) {
        return "is damaged (cut short)";
    }
    switch (extendedCode & 0xFF) {
        case SQLITE_CORRUPT:
            return "is damaged";
        case SQLITE_NOTADB:
            return "is not a database but a file of another kind";
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
        case SQLITE_NOMEM:
        case SQLITE_FULL:
        case SQLITE_IOERR:
        case SQLITE_INTERRUPT:
        case SQLITE_READONLY:
        case SQLITE_CANTOPEN:
        case SQLITE_PERM:
        case SQLITE_AUTH:
        case SQLITE_NOLFS:
        case SQLITE_PROTOCOL:
            return std::nullopt;
        default:
            return "holds data of another kind";
    }
}

// A folder in which others can create, replace or remove names, sticky or
// not: a -wal or -shm could be planted beside a file there at any time.
bool OthersMayWrite(const Found& folder) {
    return (folder.st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

// The real name of path, every link resolved; empty when it cannot be found.
std::string RealPath(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    std::string result = real != nullptr ? real : "";
    std::free(real);
    return result;
}

// A file's bytes, read without following a link; none when it cannot be read.
std::optional<std::string> ReadBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = ::read(fd, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return got == 0 ? std::optional(bytes) : std::nullopt;
}

// Puts bytes back into an existing file of the user's; whether all were written.
bool RestoreBytes(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
    bool ok = fd >= 0;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        ok = put > 0;
        done += ok ? static_cast<std::size_t>(put) : 0;
    }
    return fd >= 0 && ::close(fd) == 0 && ok;
}

// Whether path still names the user's regular file held open as fd (opened
// with O_NOFOLLOW): then what SQLite opened by that name is the file checked.
bool StillLeadsTo(const std::string& path, int fd) {
    struct stat held {};
    struct stat named {};
    return fd >= 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
           held.st_uid == ::geteuid() && ::lstat(path.c_str(), &named) == 0 &&
           named.st_dev == held.st_dev && named.st_ino == held.st_ino;
}

// Renames from to to, never replacing what stands at to.
bool MoveTo(const std::string& from, const std::string& to) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

// A file name as an SQLite URI that opens it immutable: on a read-only medium
// without a -shm file, the only way to read a WAL database.
std::string ImmutableUri(const std::string& path) {
    static const char* const kHex = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) != 0 || std::strchr("/-._~", c) != nullptr) {
            uri += c;
        } else {
            uri.append({'%', kHex[byte >> 4], kHex[byte & 0xF]});
        }
    }
    return uri + "?immutable=1";
}

// Switching to WAL needs every other connection out of the way, and SQLite
// reports busy at once instead of waiting (two first starts at one moment):
// retry for a while. A database left in its rollback journal still works,
// only slower, and the next start switches it.
void SwitchToWal(sqlite3* db) {
    for (int tries = 0; tries < 100; ++tries) {
        if (ExecSql(db, "PRAGMA journal_mode=WAL") || (sqlite3_errcode(db) & 0xFF) != SQLITE_BUSY) {
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10 + ::getpid() % 10));
    }
}

enum class Check { Healthy, Damaged, Failed };

Check QuickCheck(sqlite3* db) {
    sqlite3_stmt* check = nullptr;
    Check result = Check::Failed;
    if (sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW) {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
        result = text != nullptr && std::strcmp(text, "ok") == 0 ? Check::Healthy : Check::Damaged;
    }
    sqlite3_finalize(check);
    return result;
}

// One opening of one database, with what it has to say on stderr.
class Opener {
public:
    Opener(const std::string& path, const DatabaseNotes& notes,
           const std::function<bool(sqlite3*)>& setUp, const std::function<void()>& tearDown)
        : m_path(path), m_notes(notes), m_setUp(setUp), m_tearDown(tearDown) {}

    PrivateDatabase Open();

private:
    // The outcome of trying the file: a reason when the file itself is bad.
    struct Attempt {
        bool ok = false;
        std::optional<std::string> damage;
        std::string error;
    };

    bool Trusted();
    std::optional<Found> TrustedFolder(const std::string& folder);
    bool FollowLink();
    void Refuse(const std::string& line);
    void NoteCompanions();
    std::string MoveCompanionsTo(const std::string& target);
    bool Create();
    PrivateDatabase Use(const Found& file);
    Attempt Try(bool readOnly, bool immutable);
    PrivateDatabase MoveAsideAndStartAfresh(const std::string& reason);
    void Close();
    PrivateDatabase InMemory();

    std::string m_path;  // once trusted, the real name of the file
    const DatabaseNotes& m_notes;
    const std::function<bool(sqlite3*)>& m_setUp;
    const std::function<void()>& m_tearDown;
    sqlite3* m_db = nullptr;
    bool m_folderWritable = false;
    std::string m_refusal;
    // The companions as they were before SQLite opened the file (opening
    // writes to the -shm, and creates a -wal and -shm for a WAL database); a
    // -shm's bytes are kept to put back when the file is moved aside.
    bool m_companionsNoted = false;
    std::vector<std::string> m_companionsFound;
    std::optional<std::string> m_shmBytes;
};

PrivateDatabase Opener::Open() {
    if (m_path.empty()) {
        Say("no home folder is known (HOME is unset and the user database names none), so "
            "nothing is kept on disk: " +
            m_notes.inMemory);
        return InMemory();
    }
    if (!Trusted()) {
        PrivateDatabase memory = InMemory();
        memory.refusal = m_refusal;
        return memory;
    }
    Found file = Look(m_path);
    if (file.kind == Kind::Missing) {
        if (!Create()) {
            return InMemory();
        }
        file = Look(m_path);
    }
    if (file.kind == Kind::Unknown) {
        Say(m_path + " cannot be looked at (" + ErrorText(file.error) +
            "); it is left as it is and " + m_notes.inMemory);
        return InMemory();
    }
    if (file.kind != Kind::File) {
        return MoveAsideAndStartAfresh(file.reason);
    }
    if (!OwnerMay(file, S_IRUSR, R_OK, m_path)) {
        return MoveAsideAndStartAfresh("cannot be read");
    }
    return Use(file);
}

// The folder and the files must be the user's own, and the folder the user's
// alone; what others could read is narrowed. False, after saying why, when
// they must not be used at all.
bool Opener::Trusted() {
    const fs::path given(m_path);
    const std::string folder =
        given.parent_path().empty() ? std::string(".") : given.parent_path().string();
    const std::optional<Found> dir = TrustedFolder(folder);
    if (!dir) {
        return false;
    }
    std::string narrowed;  // the paths whose modes were narrowed, for one line
    auto narrow = [&narrowed](const std::string& path, const Found& found, mode_t allowed) {
        if (Narrow(path, found, allowed)) {
            narrowed += (narrowed.empty() ? "" : ", ") + path;
        }
    };
    narrow(folder, *dir, kFolderMode);
    m_folderWritable = OwnerMay(*dir, S_IWUSR, W_OK | X_OK, folder);
    // SQLite is told not to follow any link in the name, so that it opens
    // what is checked here: the folder is named by its real name.
    if (const std::string real = RealPath(folder); !real.empty()) {
        m_path = (fs::path(real) / given.filename()).string();
    }
    if (!FollowLink()) {
        return false;
    }
    bool trusted = true;
    for (const std::string& path :
         {m_path, m_path + kCompanions[0], m_path + kCompanions[1], m_path + kCompanions[2]}) {
        const Found found = Look(path);
        if (found.kind == Kind::Missing) {
            continue;
        }
        if (!found.ours) {
            Refuse(path + " belongs to another user, so it is not used; " + m_notes.inMemory);
            trusted = false;
            break;
        }
        if (found.kind == Kind::File) {
            narrow(path, found, kFileMode);
        }
    }
    if (!narrowed.empty()) {
        Say("other users could reach " + narrowed + "; narrowed to the user alone");
    }
    return trusted;
}

// The folder, when it is one of the user's that no one else may write to;
// otherwise none, after saying why.
std::optional<Found> Opener::TrustedFolder(const std::string& folder) {
    const Found dir = Look(folder);
    if (dir.kind != Kind::Folder) {
        Say("the folder " + folder + " cannot be used (" +
            (dir.kind == Kind::Missing || dir.kind == Kind::Unknown ? ErrorText(dir.error)
                                                                    : "it is not a folder") +
            "); " + m_notes.inMemory);
        return std::nullopt;
    }
    if (!dir.ours) {
        Refuse("the folder " + folder + " belongs to another user, so it is not used; " +
               m_notes.inMemory);
        return std::nullopt;
    }
    if (OthersMayWrite(dir)) {
        Refuse(m_path + " is not used, because other users may write to its folder " + folder +
               "; " + m_notes.inMemory);
        return std::nullopt;
    }
    return dir;
}

// A link of the user's that leads to a regular file stands for that file: it
// is checked, opened and, when damaged, moved aside where it really is, and
// its folder must be as private as the program's own. A link of another user
// is refused with the files; one that leads nowhere, or to anything but a
// regular file, is itself moved aside, never what it leads to.
bool Opener::FollowLink() {
    struct stat link {};
    if (::lstat(m_path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode) ||
        link.st_uid != ::geteuid()) {
        return true;
    }
    const std::string real = RealPath(m_path);
    struct stat target {};
    if (real.empty() || ::stat(real.c_str(), &target) != 0 || !S_ISREG(target.st_mode)) {
        return true;
    }
    const std::string linkFolder = fs::path(m_path).parent_path().string();
    const std::string folder = fs::path(real).parent_path().string();
    m_path = real;
    if (folder != linkFolder) {
        const std::optional<Found> dir = TrustedFolder(folder);
        if (!dir) {
            return false;
        }
        m_folderWritable = OwnerMay(*dir, S_IWUSR, W_OK | X_OK, folder);
    }
    return true;
}

void Opener::Refuse(const std::string& line) {
    Say(line);
    m_refusal = line;
}

// A new file, private before SQLite sees it (the -wal and -shm files take
// their mode from it).
bool Opener::Create() {
    if (!m_folderWritable) {
        Say("cannot create " + m_path + " (its folder cannot be written); " + m_notes.inMemory);
        return false;
    }
    const int fd =
        ::open(m_path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, kFileMode);
    if (fd >= 0) {
        ::fchmod(fd, kFileMode);  // a umask may have taken the owner's bits
        ::close(fd);
        return true;
    }
    if (errno == EEXIST) {
        return true;  // another process created it at the same moment
    }
    Say("cannot create " + m_path + " (" + ErrorText(errno) + "); " + m_notes.inMemory);
    return false;
}

PrivateDatabase Opener::Use(const Found& file) {
    const bool readOnly = !OwnerMay(file, S_IWUSR, W_OK, m_path) || !m_folderWritable;
    // Without a -shm file, a read-only WAL database can be read only as
    // immutable; that also leaves no files behind. A journal without one
    // (a crash) is read when the folder lets SQLite create the -shm.
    const bool immutable = readOnly && Look(m_path + "-shm").kind == Kind::Missing &&
                           (!m_folderWritable || Look(m_path + "-wal").kind == Kind::Missing);
    NoteCompanions();
    const Attempt attempt = Try(readOnly, immutable);
    if (attempt.ok) {
        if (readOnly) {
            Say(m_path + " cannot be written; " + m_notes.readOnly);
        }
        return {m_db, true, readOnly, {}};
    }
    if (attempt.damage) {
        return MoveAsideAndStartAfresh(*attempt.damage);
    }
    Say(m_path + " cannot be used now (" + attempt.error + "); it is left as it is and " +
        m_notes.inMemory);
    return InMemory();
}

Opener::Attempt Opener::Try(bool readOnly, bool immutable) {
    Attempt attempt;
    const std::string name = immutable ? ImmutableUri(m_path) : m_path;
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_NOFOLLOW |
                      (immutable ? SQLITE_OPEN_URI : 0);
    // The file held, without following a link, while SQLite opens it by name.
    const int held = ::open(m_path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    bool ok = sqlite3_open_v2(name.c_str(), &m_db, flags, nullptr) == SQLITE_OK;
    if (ok) {
        // Until the file is found healthy, closing it must not fold its
        // journal into it: a damaged file is moved aside exactly as it was.
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
        if (!StillLeadsTo(m_path, held)) {
            attempt.error = "it was replaced while it was being opened";
            ok = false;
        }
    }
    if (held >= 0) {
        ::close(held);
    }
    if (ok) {
        const Check check = QuickCheck(m_db);
        if (check == Check::Damaged) {
            attempt.damage = "is damaged";
        }
        ok = check == Check::Healthy && m_setUp(m_db);
    }
    // Durable against a killed process once a write returns; only a power
    // failure can lose the last writes, which keeps a write in microseconds.
    // The journal mode changes only once the file has been found to be ours:
    // another program's database is moved aside exactly as it was.
    if (ok && !readOnly) {
        SwitchToWal(m_db);
        ok = ExecSql(m_db, "PRAGMA synchronous=NORMAL");
    }
    if (ok) {
        sqlite3_db_config(m_db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 0, nullptr);
        attempt.ok = true;
        return attempt;
    }
    if (attempt.error.empty()) {
        const int code = m_db != nullptr ? sqlite3_extended_errcode(m_db) : SQLITE_NOMEM;
        if (!attempt.damage) {
            attempt.damage = DamageReason(code);
        }
        attempt.error = m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    }
    Close();
    return attempt;
}

// Moves the file aside as "<path>.broken-<timestamp>", its companions beside
// it, and starts a fresh one.
PrivateDatabase Opener::MoveAsideAndStartAfresh(const std::string& reason) {
    if (!m_folderWritable) {
        Say(m_path + " " + reason +
            " and cannot be moved aside (its folder cannot be written); it is left in place and " +
            m_notes.inMemory);
        return InMemory();
    }
    // Never onto an existing name: two processes recovering the same file in
    // the same second must not replace each other's moved-aside copy.
    const std::string stamp = m_path + ".broken-" + Timestamp();
    std::string target = stamp;
    bool moved = false;
    for (int n = 2; !(moved = MoveTo(m_path, target)) && errno == EEXIST; ++n) {
        target = stamp + "-" + std::to_string(n);
    }
    if (!moved) {
        Say(m_path + " " + reason + " and could not be moved aside (" + ErrorText(errno) +
            "); it is left in place and " + m_notes.inMemory);
        return InMemory();
    }
    if (const std::string companion = MoveCompanionsTo(target); !companion.empty()) {
        Say(m_path + " " + reason + "; moved aside to " + target + ", but " + companion +
            " could not follow (" + ErrorText(errno) + "); " + m_notes.inMemory);
        return InMemory();
    }
    Say(m_path + " " + reason + "; moved aside to " + target + ", " + m_notes.fresh);
    if (!Create()) {
        return InMemory();
    }
    const Attempt attempt = Try(false, false);
    if (attempt.ok) {
        return {m_db, true, false, {}};
    }
    Say("a new " + m_path + " cannot be used either (" + attempt.error + "); " + m_notes.inMemory);
    return InMemory();
}

void Opener::NoteCompanions() {
    m_companionsNoted = true;
    for (const char* suffix : kCompanions) {
        if (Look(m_path + suffix).kind != Kind::Missing) {
            m_companionsFound.emplace_back(suffix);
        }
    }
    m_shmBytes = ReadBytes(m_path + "-shm");
}

// A journal left behind would be replayed into the fresh database, so the
// companions go with the file, as they were found; those that SQLite created
// while trying the file were never part of it. The companion that could not
// follow, or empty.
std::string Opener::MoveCompanionsTo(const std::string& target) {
    for (const char* suffix : kCompanions) {
        const std::string companion = m_path + suffix;
        const bool found = m_companionsNoted
                               ? std::find(m_companionsFound.begin(), m_companionsFound.end(),
                                           suffix) != m_companionsFound.end()
                               : Look(companion).kind != Kind::Missing;
        if (!found) {
            if (m_companionsNoted) {
                ::unlink(companion.c_str());
            }
        } else if (!MoveTo(companion, target + suffix) ||
                   (suffix == std::string("-shm") && m_shmBytes &&
                    !RestoreBytes(target + suffix, *m_shmBytes))) {
            return companion;
        }
    }
    return {};
}

void Opener::Close() {
    m_tearDown();
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

PrivateDatabase Opener::InMemory() {
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
            SQLITE_OK ||
        !m_setUp(m_db)) {
        Say("cannot create an in-memory database");
        std::abort();
    }
    return {m_db, false, false, {}};
}

// The number of tables and such in the schema; -1 when it cannot be read.
int SchemaSize(sqlite3* db) {
    sqlite3_stmt* st = nullptr;
    int size = -1;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &st, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(st) == SQLITE_ROW) {
        size = sqlite3_column_int(st, 0);
    }
    sqlite3_finalize(st);
    return size;
}

// HOME when it names a folder by an absolute path, else the user database's.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const long hint = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(hint > 0 ? static_cast<std::size_t>(hint) : 16384);
    passwd entry{};
    passwd* found = nullptr;
    while (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE) {
        buffer.resize(buffer.size() * 2);
    }
    return found != nullptr && found->pw_dir != nullptr && found->pw_dir[0] == '/' ? found->pw_dir
                                                                                   : "";
}

// Creates each missing folder of the path with mode 0700, whatever the umask.
void CreateFolders(const fs::path& folder) {
    fs::path partial;
    for (const fs::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), kFolderMode) == 0) {
            ::chmod(partial.c_str(), kFolderMode);  // a umask may have taken the owner's bits
        } else if (errno != EEXIST) {
            return;  // opening the file says what is wrong
        }
    }
}

}  // namespace

PrivateDatabase OpenPrivateDatabase(const std::string& path, const DatabaseNotes& notes,
                                    const std::function<bool(sqlite3*)>& setUp,
                                    const std::function<void()>& tearDown) {
    return Opener(path, notes, setUp, tearDown).Open();
}

bool ExecSql(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool CreateSchemaIfNew(sqlite3* db, std::initializer_list<const char*> statements) {
    const int existing = SchemaSize(db);
    if (existing != 0) {
        return existing > 0;
    }
    if (!ExecSql(db, "BEGIN IMMEDIATE")) {
        return false;
    }
    // Another process may have created the tables while this one waited.
    const int size = SchemaSize(db);
    bool ok = size >= 0;
    for (const char* sql : statements) {
        ok = ok && (size > 0 || ExecSql(db, sql));
    }
    if (ok && ExecSql(db, "COMMIT")) {
        return true;
    }
    ExecSql(db, "ROLLBACK");
    return false;
}

std::string ConfigFolder(const std::string& company) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') {
        return (fs::path(xdg) / company).string();
    }
    const std::string home = HomeFolder();
    return home.empty() ? std::string() : (fs::path(home) / ".config" / company).string();
}

std::string ConfigFilePath(const std::string& company, const std::string& fileName) {
    const std::string folder = ConfigFolder(company);
    if (folder.empty()) {
        return {};
    }
    CreateFolders(folder);
    return (fs::path(folder) / fileName).string();
}

}  // namespace varnolt
