#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>

#include "ChildProcess.h"
#include "MemorySettingsStore.h"
#include "TempDir.h"
#include "platform/StoreTransaction.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

// One suite, run against both stores.
struct StoreFactory {
    const char* name;
    std::function<std::unique_ptr<SettingsStore>(const std::string& path)> make;
};

void PrintTo(const StoreFactory& f, std::ostream* os) {
    *os << f.name;
}

class SettingsStoreContract : public ::testing::TestWithParam<StoreFactory> {
protected:
    void SetUp() override { m_store = GetParam().make((m_dir.path() / "store.db").string()); }
    test::TempDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

TEST_P(SettingsStoreContract, ReadRulesFallBackToTheCallersDefault) {
    SettingsStore& s = *m_store;
    EXPECT_EQ(s.ReadInt("No section", "No key", 42), 42);
    EXPECT_FALSE(s.HasValue("No section", "No key"));
    EXPECT_EQ(s.ReadString("No section", "No key", "dflt"), "dflt");

    s.WriteInt("All entries", "Sound", 1);
    EXPECT_EQ(s.ReadInt("All entries", "Missing", -7), -7);
    // A value of the other kind reads as the default, both ways.
    EXPECT_EQ(s.ReadString("All entries", "Sound", "text"), "text");
    s.WriteString("All entries", "Total costs", "12.50");
    EXPECT_TRUE(s.HasValue("All entries", "Total costs"));
    EXPECT_TRUE(s.HasValue("All entries", "Sound"));
    EXPECT_FALSE(s.HasValue("All entries", "sound"));
    EXPECT_EQ(s.ReadInt("All entries", "Total costs", 3), 3);
    EXPECT_EQ(s.ReadString("All entries", "Total costs", "0"), "12.50");

    // "<unknown>" is ordinary text; callers decide what it means.
    s.WriteString("All entries", "Last connect", "<unknown>");
    EXPECT_EQ(s.ReadString("All entries", "Last connect", "x"), "<unknown>");

    // A key rewritten with the other kind takes the new kind.
    s.WriteString("All entries", "Sound", "loud");
    EXPECT_EQ(s.ReadInt("All entries", "Sound", 9), 9);
    EXPECT_EQ(s.ReadString("All entries", "Sound", ""), "loud");
}

TEST_P(SettingsStoreContract, IntegersKeepTheirFullRange) {
    for (int value : {0, -1, 1, 2147483647, -2147483647 - 1}) {
        m_store->WriteInt("S", "K", value);
        EXPECT_EQ(m_store->ReadInt("S", "K", 5), value);
    }
}

TEST_P(SettingsStoreContract, AnyNameAndTextRoundTripsExactly) {
    const std::vector<std::string> names = {
        " leading",
        "trailing ",
        "in ner",
        "a/b",
        "a\\b",
        "k=v",
        "semi;colon",
        "#hash",
        "[bracket]",
        "100%",
        "\"quoted\"",
        "'single'",
        "tab\there",
        "Büro – Köln",
        std::string(300, 'x'),
        "",
        "Office Autolaunch #1",
    };
    int n = 0;
    for (const auto& section : names) {
        for (const auto& key : names) {
            m_store->WriteInt(section, key, ++n);
        }
    }
    n = 0;
    for (const auto& section : names) {
        for (const auto& key : names) {
            ASSERT_EQ(m_store->ReadInt(section, key, -1), ++n) << section << " / " << key;
        }
    }
    const std::string text = "line1\r\nline2\t\"x\" \\ / = ; # [s] % ä€ " + std::string(5000, 'z');
    m_store->WriteString("Büro – Köln", "Description", text);
    EXPECT_EQ(m_store->ReadString("Büro – Köln", "Description", ""), text);
    m_store->WriteString("S", "empty", "");
    EXPECT_EQ(m_store->ReadString("S", "empty", "default"), "");
}

TEST_P(SettingsStoreContract, NamesAreCaseSensitive) {
    m_store->WriteInt("Office", "Redial after", 5);
    m_store->WriteInt("office", "Redial after", 6);
    m_store->WriteInt("Office", "redial after", 7);
    EXPECT_EQ(m_store->ReadInt("Office", "Redial after", 0), 5);
    EXPECT_EQ(m_store->ReadInt("office", "Redial after", 0), 6);
    EXPECT_EQ(m_store->ReadInt("Office", "redial after", 0), 7);
    EXPECT_EQ(m_store->ReadInt("OFFICE", "Redial after", 0), 0);
}

TEST_P(SettingsStoreContract, WritesAreSeenAcrossThreads) {
    std::thread worker([&] { m_store->WriteInt("All entries", "Status", 0x2000); });
    worker.join();
    EXPECT_EQ(m_store->ReadInt("All entries", "Status", 0), 0x2000);

    m_store->WriteInt("All entries", "Extended Status", 678);
    int seen = 0;
    std::thread reader([&] { seen = m_store->ReadInt("All entries", "Extended Status", 0); });
    reader.join();
    EXPECT_EQ(seen, 678);

    // Concurrent writers and readers never tear a value.
    std::thread a([&] {
        for (int i = 0; i < 500; ++i)
            m_store->WriteString("T", "v", "aaaaaaaa");
    });
    std::thread b([&] {
        for (int i = 0; i < 500; ++i)
            m_store->WriteString("T", "v", "bbbb");
    });
    for (int i = 0; i < 500; ++i) {
        std::string v = m_store->ReadString("T", "v", "aaaaaaaa");
        ASSERT_TRUE(v == "aaaaaaaa" || v == "bbbb") << v;
    }
    a.join();
    b.join();
}

TEST_P(SettingsStoreContract, ATransactionIsSeenWholeByOtherThreads) {
    SettingsStore& s = *m_store;
    std::atomic<bool> begun = false;
    std::atomic<int> seenCount = -1;
    std::string seenRecord;
    std::thread reader;
    {
        StoreTransaction outer(s);
        s.WriteInt("__LOG file", "Anzahl", 1);
        {
            StoreTransaction inner(s);  // joins the outer one
            s.WriteString("__LOG file", "Entry #1", "Office");
        }
        // The writer reads its own writes before the commit.
        EXPECT_EQ(s.ReadString("__LOG file", "Entry #1", ""), "Office");
        reader = std::thread([&] {
            begun = true;
            const int count = s.ReadInt("__LOG file", "Anzahl", 0);
            seenRecord = s.ReadString("__LOG file", "Entry #1", "<missing>");
            seenCount = count;
        });
        while (!begun) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(seenCount, -1) << "another thread read in the middle of the transaction";
        s.WriteString("__LOG file", "User #1", "jane");
        EXPECT_TRUE(outer.Commit());
    }
    reader.join();
    EXPECT_EQ(seenCount, 1);
    EXPECT_EQ(seenRecord, "Office");
    EXPECT_EQ(s.ReadString("__LOG file", "User #1", ""), "jane");
}

TEST_P(SettingsStoreContract, HighestNumberOfANumberedName) {
    SettingsStore& s = *m_store;
    EXPECT_EQ(s.HighestKeyNumber("__LOG file", "Entry #", ""), -1);
    EXPECT_EQ(s.HighestSectionNumber("Office Autolaunch #"), -1);

    for (const char* key :
         {"Entry #1", "Entry #9", "Entry #10", "Entry #0", "Entry #012", "Entry #99999999999",
          "Entry #-4", "Entry #77x", "Entry #", "User #500", "Entry #2147483648"}) {
        s.WriteString("__LOG file", key, "x");
    }
    s.WriteString("Other", "Entry #400", "x");
    // Plain decimal only, within int; numbers compare as numbers, not texts.
    EXPECT_EQ(s.HighestKeyNumber("__LOG file", "Entry #", ""), 10);

    for (const char* key : {"W-0 From", "W-3 From min", "W-2 From #2", "W-1 From"}) {
        s.WriteInt("__Scale manager", key, 1);
    }
    EXPECT_EQ(s.HighestKeyNumber("__Scale manager", "W-", " From"), 1);
    EXPECT_EQ(s.HighestKeyNumber("__Scale manager", "W-", " From #2"), 2);

    // Sections: the prefix may hold any byte, also those SQL patterns treat specially.
    const std::string entry = "B\u00fcro_%*[1] ";
    for (const char* number : {"1", "3", "03", "x"}) {
        s.WriteInt(entry + " Autolaunch #" + number, "Startup", 0);
    }
    s.WriteInt(entry + " Autolaunch #7 more", "Startup", 0);
    s.WriteInt("Bxro_%*[1]  Autolaunch #9", "Startup", 0);
    EXPECT_EQ(s.HighestSectionNumber(entry + " Autolaunch #"), 3);
    s.WriteInt(entry + " Autolaunch #3", "Path", 0);  // a second value: still one name
    std::vector<std::string> names;
    s.VisitSectionNames(entry + " Autolaunch #",
                        [&](std::string_view name) { names.emplace_back(name); });
    const std::string prefix = entry + " Autolaunch #";
    EXPECT_EQ(names, (std::vector<std::string>{prefix + "03", prefix + "1", prefix + "3",
                                               prefix + "7 more", prefix + "x"}));
}

TEST_P(SettingsStoreContract, RemoveSectionDeletesThatSectionOnlyAndCommitsWithItsTransaction) {
    SettingsStore& s = *m_store;
    s.WriteString("__Running call", "Entry", "Office");
    s.WriteInt("__Running call", "Filelogging", 1);
    s.WriteString("__Running call #2", "Entry", "Home");
    s.WriteString("__Running cal", "Entry", "x");
    {
        StoreTransaction transaction(s);
        s.WriteString("All entries", "Total costs", "0.12");
        EXPECT_TRUE(s.RemoveSection("__Running call"));
        EXPECT_FALSE(s.HasValue("__Running call", "Entry"));
        EXPECT_TRUE(transaction.Commit());
    }
    EXPECT_FALSE(s.HasValue("__Running call", "Filelogging"));
    EXPECT_EQ(
        s.ReadString("__Running call #2", "Entry", "") + s.ReadString("__Running cal", "Entry", ""),
        "Homex");
    EXPECT_EQ(s.HighestSectionNumber("__Running call #"), 2);
    EXPECT_TRUE(s.RemoveSection("No section"));
}

INSTANTIATE_TEST_SUITE_P(
    Stores, SettingsStoreContract,
    ::testing::Values(StoreFactory{"Memory",
                                   [](const std::string&) {
                                       return std::make_unique<test::MemorySettingsStore>();
                                   }},
                      StoreFactory{"Sqlite",
                                   [](const std::string& path) {
                                       return std::make_unique<SqliteSettingsStore>(path);
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// The memory store fails on demand as the real one does on a full disk.
TEST(MemoryStoreFailures, AFailedCommitKeepsNoneOfItsWrites) {
    test::MemorySettingsStore s;
    s.WriteString("S", "kept", "1");
    s.WriteString("Gone", "k", "2");
    const auto changeAll = [&s] {
        StoreTransaction transaction(s);
        s.WriteString("S", "kept", "changed");
        s.WriteInt("S", "new", 3);
        s.RemoveSection("Gone");
        return transaction.Commit();
    };
    const auto unchanged = [&s] {
        return s.ReadString("S", "kept", "") == "1" && !s.HasValue("S", "new") &&
               s.HasValue("Gone", "k");
    };
    s.FailCommits(2);
    EXPECT_FALSE(changeAll());
    EXPECT_TRUE(unchanged());
    EXPECT_FALSE(s.WriteInt("S", "new", 4));  // a write of its own is a commit of its own
    EXPECT_TRUE(unchanged());
    s.FailWrites(true);
    EXPECT_FALSE(changeAll());
    EXPECT_TRUE(unchanged());
    s.FailWrites(false);
    EXPECT_TRUE(changeAll());
    EXPECT_FALSE(s.HasValue("Gone", "k"));
}

// SQLite-only properties: durability, recovery, sharing between processes.
class SqliteStoreTest : public ::testing::Test {
protected:
    std::string DbPath() const { return (m_dir.path() / "Varnolt.db").string(); }
    std::vector<fs::path> MovedAside() const {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(m_dir.path())) {
            const std::string name = e.path().filename().string();
            const bool companion = name.ends_with("-wal") || name.ends_with("-shm");
            if (name.find(".broken-") != std::string::npos && !companion) {
                found.push_back(e.path());
            }
        }
        return found;
    }
    test::TempDir m_dir;
};

TEST_F(SqliteStoreTest, DatabaseIsPrivateAndKeepsKindsAcrossReopen) {
    {
        SqliteSettingsStore store(DbPath());
        EXPECT_TRUE(store.IsPersistent());
        store.WriteInt("S", "int", 17);
        store.WriteString("S", "text", "17");
    }
    struct stat st {};
    ASSERT_EQ(stat(DbPath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    SqliteSettingsStore store(DbPath());
    EXPECT_EQ(store.ReadInt("S", "int", 0), 17);
    EXPECT_EQ(store.ReadString("S", "int", "d"), "d");
    EXPECT_EQ(store.ReadInt("S", "text", 0), 0);
    EXPECT_EQ(store.ReadString("S", "text", ""), "17");
}

TEST_F(SqliteStoreTest, AWriteSurvivesTheWriterBeingKilled) {
    test::ChildProcess child([&] {
        SqliteSettingsStore store(DbPath());
        for (int i = 0; i < 50; ++i) {
            store.WriteInt("Killed", "n" + std::to_string(i), i);
        }
        store.WriteString("Killed", "last", "written");
        ::kill(::getpid(), SIGKILL);
        return 3;
    });
    const int status = child.Wait();
    ASSERT_TRUE(WIFSIGNALED(status));

    testing::internal::CaptureStderr();
    SqliteSettingsStore store(DbPath());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");  // nothing was moved aside
    EXPECT_TRUE(store.IsPersistent());
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(store.ReadInt("Killed", "n" + std::to_string(i), -1), i);
    }
    EXPECT_EQ(store.ReadString("Killed", "last", ""), "written");
}

TEST_F(SqliteStoreTest, TwoProcessesWriteOneStoreAtOnce) {
    SqliteSettingsStore store(DbPath());
    test::ChildProcess child([&] {
        SqliteSettingsStore other(DbPath());
        bool ok = true;
        for (int i = 0; i < 300; ++i) {
            ok = other.WriteInt("Child", std::to_string(i), i) && ok;
            ok = other.ReadInt("Child", std::to_string(i), -1) == i && ok;
        }
        return ok ? 0 : 1;
    });
    bool ok = true;
    for (int i = 0; i < 300; ++i) {
        ok = store.WriteInt("Parent", std::to_string(i), i) && ok;
    }
    const int status = child.Wait();
    EXPECT_TRUE(ok);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other process saw a failed write";
    EXPECT_EQ(store.ReadInt("Child", "299", -1), 299);
    EXPECT_EQ(store.ReadInt("Parent", "299", -1), 299);
}

TEST_F(SqliteStoreTest, ASectionSnapshotSeesEveryEarlierWrite) {
    SqliteSettingsStore store(DbPath());
    SqliteSettingsStore other(DbPath());
    store.WriteInt("S", "v", 1);
    ASSERT_TRUE(store.ReadSection("S").has_value());
    // A snapshot holds no transaction open: the next one sees another process's write.
    EXPECT_TRUE(other.WriteInt("S", "v", 2));
    EXPECT_EQ(store.ReadSection("S")->Find("v")->number, 2);
    {
        StoreTransaction transaction(store);
        store.WriteInt("S", "w", 4);
        EXPECT_EQ(store.ReadSection("S")->Find("w")->number, 4);
    }
    EXPECT_EQ(other.ReadInt("S", "w", 0), 4);
}

TEST_F(SqliteStoreTest, AKilledTransactionLeavesNoneOfItsWrites) {
    {
        SqliteSettingsStore store(DbPath());
        store.WriteInt("__LOG file", "Anzahl", 1);
    }
    test::ChildProcess child([&] {
        SqliteSettingsStore store(DbPath());
        store.BeginTransaction();
        store.WriteInt("__LOG file", "Anzahl", 2);
        store.WriteString("__LOG file", "Entry #2", "Office");
        ::kill(::getpid(), SIGKILL);
        return 3;
    });
    const int status = child.Wait();
    ASSERT_TRUE(WIFSIGNALED(status));

    SqliteSettingsStore store(DbPath());
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_FALSE(store.HasValue("__LOG file", "Entry #2"));
}

TEST_F(SqliteStoreTest, TwoProcessesCountAndAppendInTransactionsWithoutLosingOne) {
    SqliteSettingsStore setup(DbPath());
    auto appendMany = [&](SettingsStore& store, const std::string& who) {
        for (int i = 0; i < 100; ++i) {
            StoreTransaction transaction(store);
            const int n = store.ReadInt("L", "Anzahl", 0) + 1;
            store.WriteInt("L", "Anzahl", n);
            store.WriteString("L", "Entry #" + std::to_string(n), who);
        }
    };
    test::ChildProcess child([&] {
        SqliteSettingsStore store(DbPath());
        appendMany(store, "child");
        return 0;
    });
    appendMany(setup, "parent");
    const int status = child.Wait();
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(setup.ReadInt("L", "Anzahl", 0), 200);
    int fromChild = 0;
    for (int n = 1; n <= 200; ++n) {
        fromChild += setup.ReadString("L", "Entry #" + std::to_string(n), "") == "child";
    }
    EXPECT_EQ(fromChild, 100);
}

// A full disk, for which a limit on the size of the files a process writes
// stands in: the kernel then refuses any write that would grow a file past
// it (EFBIG where a full disk says ENOSPC), and SQLite fails the statement or
// the commit that needed the room alike. The limit is the process's, so a
// child runs the store; the sanitizers write no files, so it holds under them.
TEST_F(SqliteStoreTest, OnAFullDiskNoWriteOrCommitSucceedsAndTheOldValuesStay) {
    {
        SqliteSettingsStore store(DbPath());
        store.WriteString("S", "k", "old");
    }
    // The exit code names the first expectation that failed.
    test::ChildProcess child([&] {
        SqliteSettingsStore store(DbPath());
        if (!store.WriteString("S", "warm", "up")) {  // the -wal and -shm now exist
            return 10;
        }
        constexpr rlim_t kRoom = 64 * 1024;
        const rlimit limit{kRoom, kRoom};
        if (::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || ::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 11;
        }
        // The pages fit in the cache: the commit is what fails.
        store.BeginTransaction();
        if (!store.WriteString("S", "k", "new") ||
            !store.WriteString("S", "big", std::string(256 * 1024, 'b'))) {
            return 12;
        }
        if (store.EndTransaction()) {
            return 13;
        }
        // More than the cache holds: the write itself fails, a later one is
        // refused, and the earlier one is not committed.
        store.BeginTransaction();
        const bool first = store.WriteString("S", "k", "newer");
        const bool huge = store.WriteString("S", "huge", std::string(8 << 20, 'h'));
        const bool after = store.WriteInt("S", "after", 1);
        if (!first || huge || after || store.EndTransaction()) {
            return 14;
        }
        if (store.WriteString("S", "alone", std::string(256 * 1024, 'a'))) {
            return 15;
        }
        return store.ReadString("S", "k", "") == "old" ? 0 : 16;
    });
    EXPECT_EQ(test::ExitCode(child.Wait()), 0);
    SqliteSettingsStore store(DbPath());
    EXPECT_EQ(store.ReadString("S", "k", ""), "old");
    for (const char* key : {"big", "huge", "after", "alone"}) {
        EXPECT_FALSE(store.HasValue("S", key)) << key;
    }
}

// A text comes back whole from the file, byte for byte, by every way of
// reading it: embedded NULs, bytes that are no UTF-8, values of many pages.
TEST_F(SqliteStoreTest, AStoredTextComesBackByteForByte) {
    const std::string values[] = {
        std::string("nul\0inside", 10), std::string("ends in nul\0", 12),  std::string(1, '\0'),
        "\xff\xfe not UTF-8 \xc0\x80",  std::string(1 << 20, 'x') + "end", "",
    };
    {
        SqliteSettingsStore store(DbPath());
        for (std::size_t i = 0; i < std::size(values); ++i) {
            ASSERT_TRUE(store.WriteString("Values", std::to_string(i), values[i]));
        }
    }
    SqliteSettingsStore store(DbPath());
    const std::optional<SectionValues> section = store.ReadSection("Values");  // a visit
    ASSERT_TRUE(section);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::string key = std::to_string(i);
        // Not EXPECT_EQ: a failure would print a megabyte.
        EXPECT_TRUE(store.ReadString("Values", key, "default") == values[i]) << i;
        EXPECT_TRUE(section->Find(key) && section->Find(key)->text == values[i]) << i;
    }
}

struct Damage {
    const char* name;
    std::function<void(const std::string& path)> apply;
    const char* reason;  // as stderr gives it
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.name;
}

class SqliteStoreRecovery : public SqliteStoreTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(SqliteStoreRecovery, UnusableFileIsMovedAsideAndTheStoreStartsOnDefaults) {
    GetParam().apply(DbPath());
    const fs::file_type type = fs::symlink_status(DbPath()).type();
    const auto original = type == fs::file_type::regular ? fs::file_size(DbPath()) : 0;

    testing::internal::CaptureStderr();
    SqliteSettingsStore store(DbPath());
    const std::string err = testing::internal::GetCapturedStderr();

    auto moved = MovedAside();
    ASSERT_EQ(moved.size(), 1u) << err;
    // One line that names both paths and the real reason.
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_NE(err.find(DbPath() + " " + GetParam().reason + "; moved aside to " +
                       moved[0].string() + ", the settings start from their defaults"),
              std::string::npos)
        << err;
    // The user's data is kept, untouched.
    EXPECT_EQ(fs::symlink_status(moved[0]).type(), type);
    if (type == fs::file_type::regular) {
        EXPECT_EQ(fs::file_size(moved[0]), original);
    }
    // A fresh, working store in its place.
    EXPECT_TRUE(store.IsPersistent());
    EXPECT_EQ(store.ReadString("All entries", "Total costs", "0"), "0");
    EXPECT_TRUE(store.WriteInt("All entries", "Sound", 1));
    EXPECT_EQ(store.ReadInt("All entries", "Sound", 0), 1);
}

void WriteGarbage(const std::string& path) {
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < 8192; ++i)
            out.put(static_cast<char>((i * 7919) % 251));
    }
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::replace);
}

void WriteTruncated(const std::string& path) {
    {
        SqliteSettingsStore store(path);
        for (int i = 0; i < 3000; ++i) {
            store.WriteString("Section " + std::to_string(i % 17), std::to_string(i),
                              std::string(100, 'v'));
        }
    }
    // Fold the journal in, then cut the file in half.
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "PRAGMA wal_checkpoint(TRUNCATE); PRAGMA journal_mode=DELETE", nullptr,
                 nullptr, nullptr);
    sqlite3_close(db);
    fs::resize_file(path, fs::file_size(path) / 2);
}

void WriteForeignDatabase(const std::string& path) {
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db, "CREATE TABLE notes(text); INSERT INTO notes VALUES('mine')", nullptr, nullptr,
                 nullptr);
    sqlite3_close(db);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::replace);
}

INSTANTIATE_TEST_SUITE_P(
    Damages, SqliteStoreRecovery,
    ::testing::Values(Damage{"Garbage", WriteGarbage,
                             "is not a database but a file of another kind"},
                      Damage{"Truncated", WriteTruncated, "is damaged"},
                      // A sound database of another program, moved aside as it was.
                      Damage{"ForeignLayout", WriteForeignDatabase, "holds data of another kind"},
                      Damage{"Unreadable",
                             [](const std::string& path) {
                                 WriteForeignDatabase(path);
                                 fs::permissions(path, fs::perms::owner_write,
                                                 fs::perm_options::replace);
                             },
                             "cannot be read"},
                      Damage{"Directory",
                             [](const std::string& path) {
                                 fs::create_directory(path);
                                 std::ofstream(path + "/keep.txt") << "mine";
                             },
                             "is a folder"},
                      Damage{"Fifo", [](const std::string& path) { ::mkfifo(path.c_str(), 0600); },
                             "is a named pipe (FIFO)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StorePath, EachExecutableNameHasItsOwnStore) {
    test::TempDir dir;
    test::ScopedEnv xdg("XDG_CONFIG_HOME", dir.path().string());
    const std::string first = StorePathForExecutable("/usr/bin/varnolt");
    const std::string renamed = StorePathForExecutable("/opt/x/dialer.bin");
    EXPECT_EQ(StorePathForExecutable("/opt/varnolt-0.63"),
              (dir.path() / "Kessendral" / "varnolt-0.63.db").string());
    EXPECT_EQ(first, (dir.path() / "Kessendral" / "varnolt.db").string());
    EXPECT_EQ(renamed, (dir.path() / "Kessendral" / "dialer.db").string());
    {
        SqliteSettingsStore store(first);
        store.WriteInt("All entries", "Sound", 1);
    }
    SqliteSettingsStore fresh(renamed);
    EXPECT_EQ(fresh.ReadInt("All entries", "Sound", 0), 0);
    EXPECT_TRUE(fs::exists(first));
    EXPECT_EQ(SqliteSettingsStore(first).ReadInt("All entries", "Sound", 0), 1);
}

}  // namespace
}  // namespace varnolt
