// The rules for the program's private files: where they live, whose they must
// be, what mode they get, and how a read-only, damaged or busy one is treated.
#include <gtest/gtest.h>
#include <pwd.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <thread>

#include "ChildProcess.h"
#include "TempDir.h"
#include "platform/StoreTransaction.h"
#include "sim/PhonebookDatabase.h"
#include "sqlite/PrivateDatabase.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;
using test::ScopedEnv;
using test::TempDir;

std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

mode_t ModeOf(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// Everything in a folder (name, owner, mode, bytes), to prove nothing was touched.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        struct stat st {};
        ::lstat(e.path().c_str(), &st);
        files[e.path().filename().string()] =
            std::to_string(st.st_uid) + " " + std::to_string(st.st_mode) + " " + Bytes(e.path());
    }
    return files;
}

std::vector<fs::path> MovedAside(const fs::path& folder) {
    std::vector<fs::path> found;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (name.find(".broken-") != std::string::npos && !name.ends_with("-wal") &&
            !name.ends_with("-shm")) {
            found.push_back(e.path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// A store whose writer was killed: its last values are committed frames in
// the -wal, beside a -shm, as a crash leaves them.
void WriteAndKill(const std::string& path, const std::string& section, int count) {
    test::ChildProcess([&] {
        SqliteSettingsStore store(path);
        for (int i = 0; i < count; ++i) {
            store.WriteString(section, std::to_string(i), std::string(100, 'v'));
        }
        ::kill(::getpid(), SIGKILL);
        return 3;
    }).Wait();
}

uid_t Nobody() {
    const passwd* nobody = ::getpwnam("nobody");
    return nobody != nullptr ? nobody->pw_uid : 65534;
}

// ---------------------------------------------------------------- location

TEST(ConfigLocation, IsTheUsersOwnNeverASharedFolder) {
    TempDir dir;
    const std::string xdg = (dir.path() / "xdg").string();
    const std::string home = (dir.path() / "home").string();
    const passwd* user = ::getpwuid(::geteuid());
    ASSERT_NE(user, nullptr);
    const std::string fromUserDatabase = std::string(user->pw_dir) + "/.config/Kessendral";
    const struct {
        const char* xdg;  // nullptr: unset
        const char* home;
        std::string expected;
    } cases[] = {
        {xdg.c_str(), home.c_str(), xdg + "/Kessendral"},
        {"relative/xdg", home.c_str(), home + "/.config/Kessendral"},  // ignored, as XDG says
        {nullptr, home.c_str(), home + "/.config/Kessendral"},
        {nullptr, nullptr, fromUserDatabase},
        {"", "", fromUserDatabase},
        {nullptr, "relative", fromUserDatabase},
    };
    for (const auto& c : cases) {
        ScopedEnv xdgVariable("XDG_CONFIG_HOME", c.xdg);
        ScopedEnv homeVariable("HOME", c.home);
        EXPECT_EQ(ConfigFolder("Kessendral"), c.expected)
            << (c.xdg ? c.xdg : "-") << " / " << (c.home ? c.home : "-");
    }
}

TEST(ConfigLocation, WithoutAHomeFolderNothingIsKeptOnDisk) {
    constexpr uid_t kUnknownUser = 54321;
    if (::geteuid() != 0 || ::getpwuid(kUnknownUser) != nullptr) {
        GTEST_SKIP() << "needs root to become a user the user database does not know";
    }
    TempDir dir;
    const std::string errFile = (dir.path() / "stderr").string();
    test::ChildProcess child([&] {
        if (std::freopen(errFile.c_str(), "w", stderr) == nullptr || ::setgid(kUnknownUser) != 0 ||
            ::setuid(kUnknownUser) != 0) {
            return 2;
        }
        ::unsetenv("HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        const std::string path = StorePathForExecutable("/usr/bin/varnolt");
        SqliteSettingsStore store(path);
        return path.empty() && !store.IsPersistent() && store.WriteInt("S", "k", 1) &&
                       store.ReadInt("S", "k", 0) == 1
                   ? 0
                   : 1;
    });
    EXPECT_EQ(test::ExitCode(child.Wait()), 0);
    const std::string err = Bytes(errFile);
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("no home folder"), std::string::npos) << err;
    EXPECT_NE(err.find("in memory"), std::string::npos) << err;
}

TEST(ConfigLocation, EveryFileAndFolderItCreatesIsPrivateAndUsableWhateverTheUmask) {
    // 0277 takes even the owner's write bit, 0 gives everything to everyone.
    for (const mode_t mask : {0277, 0}) {
        SCOPED_TRACE(mask);
        TempDir dir;
        ScopedEnv xdg("XDG_CONFIG_HOME", (dir.path() / "a" / "b").string());
        const mode_t old = ::umask(mask);
        const std::string store = StorePathForExecutable("/usr/bin/varnolt");
        const std::string phonebook = ConfigFilePath("Kessendral", "phonebook.db");
        {
            SqliteSettingsStore settings(store);
            PhonebookDatabase entries(phonebook);
            EXPECT_TRUE(settings.WriteInt("S", "k", 1));
            PhonebookEntry office;
            office.name = "Office";
            EXPECT_EQ(entries.AddEntry(office), "");
            for (const std::string& file : {store, store + "-wal", store + "-shm", phonebook,
                                            phonebook + "-wal", phonebook + "-shm"}) {
                EXPECT_EQ(ModeOf(file), 0600u) << file;
            }
        }
        ::umask(old);
        for (const fs::path& folder :
             {dir.path() / "a", dir.path() / "a" / "b", dir.path() / "a" / "b" / "Kessendral"}) {
            EXPECT_EQ(ModeOf(folder), 0700u) << folder;
        }
        // A folder that was there already is the user's own business.
        EXPECT_EQ(ModeOf(dir.path()), 0700u);
        const SqliteSettingsStore settings(store);
        EXPECT_FALSE(settings.IsReadOnly());
        EXPECT_EQ(settings.ReadInt("S", "k", 0), 1);
        EXPECT_FALSE(PhonebookDatabase(phonebook).IsReadOnly());
    }
}

// ---------------------------------------------------------------- ownership and modes

class PrivateFiles : public ::testing::Test {
protected:
    PrivateFiles() {
        fs::create_directory(Folder());
        ::chmod(Folder().c_str(), 0700);
    }
    fs::path Folder() const { return m_dir.path() / "Kessendral"; }
    std::string DbPath() const { return (Folder() / "varnolt.db").string(); }
    // Opens the store; returns its stderr.
    std::string Open(std::unique_ptr<SqliteSettingsStore>& store) const {
        testing::internal::CaptureStderr();
        store = std::make_unique<SqliteSettingsStore>(DbPath());
        return testing::internal::GetCapturedStderr();
    }
    TempDir m_dir;
};

class AnotherUsers : public PrivateFiles, public ::testing::WithParamInterface<const char*> {};

TEST_P(AnotherUsers, FolderOrFileIsNeitherUsedNorTouched) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    {
        SqliteSettingsStore store(DbPath());
        store.WriteInt("S", "old", 1);
    }
    WriteAndKill(DbPath(), "Journal", 10);  // leaves a -wal and a -shm
    const std::string suffix = GetParam();
    const fs::path foreign = suffix == "folder" ? Folder() : fs::path(DbPath() + suffix);
    if (suffix == "-journal") {
        std::ofstream(foreign) << "planted";
    }
    ASSERT_TRUE(fs::exists(foreign));
    ASSERT_EQ(::chown(foreign.c_str(), Nobody(), Nobody()), 0);
    ::chmod(foreign.c_str(), fs::is_directory(foreign) ? 0777 : 0666);  // also open to all
    const auto before = Snapshot(Folder());

    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    EXPECT_FALSE(store->IsPersistent());
    EXPECT_EQ(store->ReadInt("S", "old", 0), 0);
    EXPECT_TRUE(store->WriteInt("S", "new", 2));
    EXPECT_EQ(err, "varnolt: " + store->Refusal() + "\n");  // said once, and shown in a box
    store.reset();
    EXPECT_NE(err.find(foreign.string() + " belongs to another user"), std::string::npos) << err;
    EXPECT_EQ(Snapshot(Folder()), before);  // nothing written, moved or narrowed
}

INSTANTIATE_TEST_SUITE_P(Files, AnotherUsers,
                         ::testing::Values("folder", "", "-wal", "-shm", "-journal"),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name.empty() ? std::string("store")
                                                 : name.substr(name.find_first_not_of('-'));
                         });

// Where the file really is: a link of the user's is followed only to a file
// of the user's, with no companion of another user, in a folder that no one
// else may write to (sticky or not).
struct Placement {
    const char* name;
    bool linked;          // the store's name is a link to a file in a folder of its own
    mode_t folder;        // of the real file
    bool foreignFile;     // the real file belongs to another user
    bool plantedWal;      // another user's -wal beside it, holding a write of theirs
    const char* refusal;  // why the store is refused; nullptr: it is used
};

void PrintTo(const Placement& p, std::ostream* os) {
    *os << p.name;
}

class Placed : public PrivateFiles, public ::testing::WithParamInterface<Placement> {};

TEST_P(Placed, OnlyTheUsersOwnFileInAPrivateFolderIsUsed) {
    const Placement& c = GetParam();
    if ((c.foreignFile || c.plantedWal) && ::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    const fs::path folder = c.linked ? m_dir.path() / "elsewhere" : Folder();
    const std::string real = c.linked ? (folder / "real.db").string() : DbPath();
    fs::create_directory(folder);
    ::chmod(folder.c_str(), 0700);
    {
        SqliteSettingsStore store(real);
        store.WriteString("S", "k", "mine");
    }
    if (c.plantedWal) {
        // A write made on a copy, whose journal is planted beside the file.
        const std::string copy = (m_dir.path() / "copy.db").string();
        fs::copy_file(real, copy);
        WriteAndKill(copy, "Planted", 1);
        fs::copy_file(copy + "-wal", real + "-wal");
        ASSERT_EQ(::chown((real + "-wal").c_str(), Nobody(), Nobody()), 0);
    }
    if (c.foreignFile) {
        ASSERT_EQ(::chown(real.c_str(), Nobody(), Nobody()), 0);
    }
    ::chmod(folder.c_str(), c.folder);
    if (c.linked) {
        fs::create_symlink(real, DbPath());
    }
    const auto before = Snapshot(folder);

    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    EXPECT_EQ(fs::is_symlink(DbPath()), c.linked);
    if (c.refusal == nullptr) {
        EXPECT_EQ(err, "");
        EXPECT_EQ(store->Refusal(), "");
        EXPECT_EQ(store->ReadString("S", "k", ""), "mine");
        EXPECT_TRUE(store->WriteString("S", "k", "changed"));
        store.reset();
        EXPECT_EQ(SqliteSettingsStore(real).ReadString("S", "k", ""), "changed");
        return;
    }
    EXPECT_FALSE(store->IsPersistent());
    EXPECT_EQ(err, "varnolt: " + store->Refusal() + "\n");
    EXPECT_NE(err.find(c.refusal), std::string::npos) << err;
    EXPECT_FALSE(store->HasValue("S", "k"));
    EXPECT_FALSE(store->HasValue("Planted", "0"));
    store.reset();
    EXPECT_EQ(Snapshot(folder), before);  // same names, owners, modes and bytes
    if (c.plantedWal) {
        // The planted journal is real: trusted, it would have been read.
        const fs::path proof = m_dir.path() / "proof";
        fs::create_directory(proof);
        ::chmod(proof.c_str(), 0700);
        fs::copy_file(real, proof / "real.db");
        fs::copy_file(real + "-wal", proof / "real.db-wal");
        EXPECT_EQ(SqliteSettingsStore((proof / "real.db").string()).ReadString("Planted", "0", ""),
                  std::string(100, 'v'));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Stores, Placed,
    ::testing::Values(
        Placement{"LinkToOwnFileInPrivateFolder", true, 0700, false, false, nullptr},
        Placement{"LinkToAnotherUsersFile", true, 0700, true, false, "real.db belongs to another"},
        Placement{"LinkToFileWithAnotherUsersWal", true, 0700, false, true,
                  "real.db-wal belongs to another"},
        Placement{"LinkIntoStickyFolderOpenToAllWithPlantedWal", true, 01777, false, true,
                  "real.db is not used, because other users may write to its folder"},
        Placement{"LinkIntoFolderTheGroupMayWrite", true, 0770, false, false,
                  "real.db is not used, because other users may write to its folder"},
        Placement{"StoreInFolderOthersMayWrite", false, 0703, false, false,
                  "varnolt.db is not used, because other users may write to its folder"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrivateFiles, WiderModesAreNarrowedOnceAndSaidSo) {
    {
        SqliteSettingsStore store(DbPath());
        store.WriteInt("S", "k", 7);
    }
    WriteAndKill(DbPath(), "Journal", 10);
    ::chmod(Folder().c_str(), 0755);
    ::chmod(DbPath().c_str(), 0644);
    ::chmod((DbPath() + "-wal").c_str(), 0666);
    ::chmod((DbPath() + "-shm").c_str(), 0700);

    std::unique_ptr<SqliteSettingsStore> store;
    std::string err = Open(store);
    EXPECT_EQ(Lines(err), 1) << err;
    for (const std::string& narrowed : {Folder().string(), DbPath(), DbPath() + "-wal"}) {
        EXPECT_NE(err.find(narrowed), std::string::npos) << err;
    }
    EXPECT_EQ(ModeOf(Folder()), 0700u);
    for (const std::string& file : {DbPath(), DbPath() + "-wal", DbPath() + "-shm"}) {
        EXPECT_EQ(ModeOf(file), 0600u) << file;
    }
    EXPECT_TRUE(store->IsPersistent());
    EXPECT_EQ(store->ReadInt("S", "k", 0), 7);
    EXPECT_EQ(store->ReadString("Journal", "9", ""), std::string(100, 'v'));
    store.reset();
    EXPECT_EQ(Open(store), "");  // said once

    // Narrowing keeps the owner's own bits: a read-only file stays read-only.
    store.reset();
    ::chmod(DbPath().c_str(), 0444);
    err = Open(store);
    EXPECT_EQ(ModeOf(DbPath()), 0400u);
    EXPECT_TRUE(store->IsReadOnly()) << err;
}

// ---------------------------------------------------------------- read-only

TEST_F(PrivateFiles, AReadOnlyStoreIsReadAndNeverChanged) {
    const struct {
        const char* name;
        mode_t file;
        mode_t folder;
    } cases[] = {
        {"read-only file", 0400, 0700},
        {"read-only folder (as on a read-only medium)", 0600, 0500},
        {"both", 0400, 0500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ::chmod(Folder().c_str(), 0700);
        fs::remove_all(Folder());
        fs::create_directory(Folder());
        ::chmod(Folder().c_str(), 0700);
        {
            SqliteSettingsStore store(DbPath());
            store.WriteInt("S", "k", 7);
        }
        ::chmod(DbPath().c_str(), c.file);
        ::chmod(Folder().c_str(), c.folder);
        const std::string bytes = Bytes(DbPath());

        std::unique_ptr<SqliteSettingsStore> store;
        const std::string err = Open(store);
        EXPECT_EQ(Lines(err), 1) << err;
        EXPECT_NE(err.find("changes will not be kept"), std::string::npos) << err;
        EXPECT_TRUE(store->IsPersistent());
        EXPECT_TRUE(store->IsReadOnly());
        EXPECT_EQ(store->ReadInt("S", "k", 0), 7);
        EXPECT_FALSE(store->WriteInt("S", "k", 8));
        store->BeginTransaction();
        EXPECT_FALSE(store->WriteInt("S", "k", 9));
        EXPECT_FALSE(store->EndTransaction());
        EXPECT_EQ(store->ReadInt("S", "k", 0), 7);
        store.reset();
        EXPECT_TRUE(Bytes(DbPath()) == bytes);
        EXPECT_EQ(ModeOf(DbPath()), c.file);
        EXPECT_EQ(Snapshot(Folder()).size(), 1u);  // nothing created, nothing moved aside
    }
}

TEST_F(PrivateFiles, NoStoreInAReadOnlyFolderIsCreatedNorCalledUnusable) {
    ::chmod(Folder().c_str(), 0500);
    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    EXPECT_FALSE(store->IsPersistent());
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("cannot create " + DbPath()), std::string::npos) << err;
    EXPECT_EQ(err.find("unusable"), std::string::npos) << err;
    EXPECT_TRUE(fs::is_empty(Folder()));
    ::chmod(Folder().c_str(), 0700);
}

// ---------------------------------------------------------------- moving aside

TEST_F(PrivateFiles, ADamagedStoreIsMovedAsideWithItsJournalExactlyAsFound) {
    {
        SqliteSettingsStore store(DbPath());
        StoreTransaction transaction(store);
        for (int i = 0; i < 2000; ++i) {
            store.WriteString("Early", std::to_string(i), std::string(100, 'e'));
        }
    }
    WriteAndKill(DbPath(), "Late", 200);
    ASSERT_GT(fs::file_size(DbPath() + "-wal"), 0u);
    // Damage a page of the early values, which the journal does not hold.
    {
        std::fstream file(DbPath(), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(fs::file_size(DbPath()) / 2 / 4096 * 4096));
        for (int i = 0; i < 4096; ++i) {
            file.put(static_cast<char>(i * 31));
        }
    }
    const std::string main = Bytes(DbPath());
    const std::string wal = Bytes(DbPath() + "-wal");
    const std::string shm = Bytes(DbPath() + "-shm");
    ASSERT_FALSE(shm.empty());

    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    const auto moved = MovedAside(Folder());
    ASSERT_EQ(moved.size(), 1u) << err;
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find(DbPath() + " is damaged; moved aside to " + moved[0].string()),
              std::string::npos)
        << err;
    EXPECT_TRUE(Bytes(moved[0]) == main) << "the main file changed";
    EXPECT_TRUE(Bytes(moved[0].string() + "-wal") == wal) << "the journal changed";
    EXPECT_TRUE(Bytes(moved[0].string() + "-shm") == shm) << "the -shm changed or stayed";
    EXPECT_TRUE(store->IsPersistent());
    EXPECT_EQ(store->ReadString("Late", "1", "none"), "none");
}

std::string StampIn(std::time_t seconds) {
    std::tm tm{};
    localtime_r(&seconds, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y%m%d-%H%M%S", &tm);
    return buf;
}

TEST_F(PrivateFiles, RecoveriesInOneSecondNeverOverwriteAnEarlierCopy) {
    // Earlier copies under every name the next seconds can give.
    const std::time_t now = std::time(nullptr);
    std::vector<std::string> earlier;
    for (std::time_t t = now; t <= now + 3; ++t) {
        for (const char* suffix : {"", "-2"}) {
            earlier.push_back(DbPath() + ".broken-" + StampIn(t) + suffix);
            std::ofstream(earlier.back()) << "earlier copy";
        }
    }
    for (const char* garbage : {"first garbage", "second garbage"}) {
        std::ofstream(DbPath()) << garbage;
        ::chmod(DbPath().c_str(), 0600);
        std::unique_ptr<SqliteSettingsStore> store;
        Open(store);
        EXPECT_TRUE(store->IsPersistent());
    }
    std::vector<std::string> contents;
    for (const fs::path& file : MovedAside(Folder())) {
        contents.push_back(Bytes(file));
    }
    std::sort(contents.begin(), contents.end());
    std::vector<std::string> expected(earlier.size(), "earlier copy");
    expected.insert(expected.begin(), {"first garbage", "second garbage"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(contents, expected);
}

// ---------------------------------------------------------------- several processes

// A store holding 7, whose lock another process takes with sql and holds for
// some seconds; returns that process once it holds the lock, else none.
std::unique_ptr<test::ChildProcess> LockedElsewhere(const std::string& path, const char* sql,
                                                    int seconds) {
    {
        SqliteSettingsStore store(path);
        store.WriteInt("S", "k", 7);
    }
    int ready[2];
    if (::pipe(ready) != 0) {
        return nullptr;
    }
    auto holder = std::make_unique<test::ChildProcess>([&] {
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
        const char byte = 1;
        (void)!::write(ready[1], &byte, 1);
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        sqlite3_close(db);
        return 0;
    });
    char byte = 0;
    const bool holds = ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    ::close(ready[1]);
    return holds ? std::move(holder) : nullptr;
}

TEST_F(PrivateFiles, AStoreWhoseWriteLockIsHeldOpensAtOnceAndWaitsToWrite) {
    const auto holder = LockedElsewhere(DbPath(), "BEGIN IMMEDIATE", 3);
    ASSERT_NE(holder, nullptr);
    const auto start = std::chrono::steady_clock::now();
    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(err, "");
    EXPECT_TRUE(store->IsPersistent());
    EXPECT_EQ(store->ReadInt("S", "k", 0), 7);
    EXPECT_TRUE(store->WriteInt("S", "k", 8));  // waits for the lock
    holder->Wait();
    EXPECT_TRUE(MovedAside(Folder()).empty());
    EXPECT_EQ(SqliteSettingsStore(DbPath()).ReadInt("S", "k", 0), 8);
}

TEST_F(PrivateFiles, AStoreLockedPastTheTimeoutIsLeftInPlaceAndBackOnceFree) {
    // An exclusive lock keeps even readers out, past the 5 s the store waits.
    const auto holder =
        LockedElsewhere(DbPath(), "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE", 6);
    ASSERT_NE(holder, nullptr);
    std::unique_ptr<SqliteSettingsStore> store;
    const std::string err = Open(store);
    EXPECT_FALSE(store->IsPersistent());
    EXPECT_EQ(Lines(err), 1) << err;
    EXPECT_NE(err.find("left as it is"), std::string::npos) << err;
    holder->Wait();
    EXPECT_TRUE(MovedAside(Folder()).empty());
    EXPECT_EQ(Open(store), "");
    EXPECT_TRUE(store->IsPersistent());
    EXPECT_EQ(store->ReadInt("S", "k", 0), 7);
}

TEST_F(PrivateFiles, TwoFirstStartsAtOneMomentShareOneGoodDatabase) {
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const std::string path = (Folder() / ("round" + std::to_string(round) + ".db")).string();
        int go[2];
        ASSERT_EQ(::pipe(go), 0);
        std::deque<test::ChildProcess> children;
        for (int n = 0; n < 2; ++n) {
            const std::string errFile = path + ".err" + std::to_string(n);
            children.emplace_back([&] {
                ::close(go[1]);
                char byte = 0;
                (void)!::read(go[0], &byte, 1);  // returns when the parent closes its end
                if (std::freopen(errFile.c_str(), "w", stderr) == nullptr) {
                    return 2;
                }
                SqliteSettingsStore store(path);
                const bool ok =
                    store.IsPersistent() && store.WriteInt("Start", std::to_string(n), n + 1);
                return ok ? 0 : 1;
            });
        }
        ::close(go[0]);
        ::close(go[1]);
        for (test::ChildProcess& child : children) {
            const int status = child.Wait();
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        EXPECT_EQ(Bytes(path + ".err0") + Bytes(path + ".err1"), "");
        SqliteSettingsStore store(path);
        EXPECT_EQ(store.ReadInt("Start", "0", 0), 1);
        EXPECT_EQ(store.ReadInt("Start", "1", 0), 2);
    }
    EXPECT_TRUE(MovedAside(Folder()).empty());
}

}  // namespace
}  // namespace varnolt
