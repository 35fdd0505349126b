#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "ChildProcess.h"
#include "TempDir.h"
#include "sim/PhonebookDatabase.h"

namespace varnolt {
namespace {

namespace fs = std::filesystem;

PhonebookEntry Named(const std::string& name) {
    PhonebookEntry entry;
    entry.name = name;
    return entry;
}

class PhonebookDatabaseTest : public ::testing::Test {
protected:
    std::string DbPath() const { return (m_dir.path() / "phonebook.db").string(); }
    std::vector<fs::path> MovedAside() const {
        std::vector<fs::path> moved;
        for (const auto& e : fs::directory_iterator(m_dir.path())) {
            const std::string name = e.path().filename().string();
            if (name.find(".broken-") != std::string::npos && !name.ends_with("-wal") &&
                !name.ends_with("-shm")) {
                moved.push_back(e.path());
            }
        }
        return moved;
    }
    test::TempDir m_dir;
};

TEST_F(PhonebookDatabaseTest, NamesAreCheckedWithAClearMessage) {
    PhonebookDatabase db(DbPath());
    std::string ae;  // 256 two-byte characters are still 256 characters
    for (int i = 0; i < 256; ++i)
        ae += "ä";
    const struct {
        std::string name;
        const char* message;  // empty: accepted
    } cases[] = {
        {"", "Please enter a name for the entry."},
        {"   ", "Please enter a name for the entry."},
        {"Tab\there", "control characters"},
        {"Line\nbreak", "control characters"},
        {"Del\x7f", "control characters"},
        {"Next line \xc2\x85", "control characters"},
        {"Broken \xff text", "not valid UTF-8"},
        {"Overlong \xc0\xaf", "not valid UTF-8"},
        {std::string(257, 'x'), "at most 256 characters"},
        {ae + "ä", "at most 256 characters"},
        {std::string(256, 'x'), ""},
        {ae, ""},
        {"Büro – Köln (ISDN)", ""},
        {" Leading blank", ""},
        // Names the program keeps for its own settings, and their look-alikes.
        {"All entries", "\"All entries\" is the name of one of the program's own settings"},
        {"Holiday database", "own settings sections"},
        {"__Scale manager", "own settings sections"},
        {"__Mine", "beginning with \"__\" are kept for the program's own settings"},
        {"Provider", "kept for the settings of providers"},
        {"Provider City Net", "kept for the settings of providers"},
        {"Office Autolaunch #2", "kept for the settings of autolaunch applications"},
        {"_Mine", ""},
        {"Providers", ""},
    };
    for (const auto& c : cases) {
        const std::string message = db.AddEntry(Named(c.name));
        if (c.message[0] == '\0') {
            EXPECT_EQ(message, "") << c.name;
            EXPECT_TRUE(db.FindEntry(c.name).has_value()) << c.name;
        } else {
            EXPECT_NE(message.find(c.message), std::string::npos) << c.name << ": " << message;
            EXPECT_FALSE(db.FindEntry(c.name).has_value()) << c.name;
        }
    }
    PhonebookEntry longNumber = Named("Long number");
    longNumber.phoneNumber = std::string(129, '1');
    EXPECT_NE(db.AddEntry(longNumber).find("at most 128 characters"), std::string::npos);
}

TEST_F(PhonebookDatabaseTest, NamesAreUniqueWithoutRegardToCase) {
    PhonebookDatabase db(DbPath());
    const std::pair<const char*, const char*> same[] = {
        {"Office", "OFFICE"}, {"Büro Köln", "BÜRO KÖLN"}, {"Łódź", "ŁÓDŹ"},     {"Αθήνα", "ΑΘΉΝΑ"},
        {"Москва", "МОСКВА"}, {"Ёлка", "ёлка"},           {"Straße", "STRAẞE"}, {"Œuvre", "œuvre"},
    };
    for (const auto& [stored, typed] : same) {
        ASSERT_EQ(db.AddEntry(Named(stored)), "") << stored;
        const std::string message = db.AddEntry(Named(typed));
        EXPECT_EQ(message, std::string("An entry named \"") + stored +
                               "\" already exists. Please choose another name.");
        // A dialer finds the entry however it is spelled.
        ASSERT_TRUE(db.FindEntry(typed).has_value()) << typed;
        EXPECT_EQ(db.FindEntry(typed)->name, stored);
    }
    // Look-alikes that are different names.
    for (const char* other : {"Office ", "Offices", "Bureau Köln", "Lodz", "Straße 2"}) {
        EXPECT_EQ(db.AddEntry(Named(other)), "") << other;
    }
}

TEST_F(PhonebookDatabaseTest, EntriesKeepCreationOrderAndEveryField) {
    {
        PhonebookDatabase db(DbPath());
        for (int i = 0; i < 520; ++i) {
            // Names that sort differently from their creation order.
            ASSERT_EQ(db.AddEntry(Named(std::to_string((i * 7919) % 1000) + " line")), "");
        }
        PhonebookEntry full = Named("Full");
        full.phoneNumber = "+49 (0)30 1234-5";
        full.answer = LineAnswer::NoAnswer;
        full.connectSeconds = 17;
        full.dropSeconds = 3600;
        full.accountRequired = true;
        full.accountUser = "anna";
        full.accountPassword = "pa ss";
        ASSERT_EQ(db.AddEntry(full), "");
    }
    PhonebookDatabase db(DbPath());
    EXPECT_TRUE(db.IsPersistent());
    const auto names = db.EntryNames(500);
    ASSERT_EQ(names.size(), 500u);
    for (int i = 0; i < 500; ++i) {
        ASSERT_EQ(names[i], std::to_string((i * 7919) % 1000) + " line") << i;
    }
    const auto all = db.EntryNames(10000);
    ASSERT_EQ(all.size(), 521u);
    EXPECT_EQ(all.back(), "Full");
    const auto full = db.FindEntry("Full");
    ASSERT_TRUE(full);
    EXPECT_EQ(full->device, "Simulated modem");
    EXPECT_EQ(full->phoneNumber, "+49 (0)30 1234-5");
    EXPECT_EQ(full->answer, LineAnswer::NoAnswer);
    EXPECT_EQ(full->connectSeconds, 17);
    EXPECT_EQ(full->dropSeconds, 3600);
    EXPECT_TRUE(full->accountRequired);
    EXPECT_EQ(full->accountUser, "anna");
    EXPECT_EQ(full->accountPassword, "pa ss");
}

TEST_F(PhonebookDatabaseTest, RenamingKeepsPlaceAndCredentials) {
    PhonebookDatabase db(DbPath());
    for (const char* name : {"First", "Office", "Last"})
        ASSERT_EQ(db.AddEntry(Named(name)), "");
    ASSERT_EQ(db.StoreCredentials("Office", {"anna", "secret", true}),
              PhonebookDatabase::StoreResult::Stored);

    EXPECT_NE(db.UpdateEntry("Office", Named("last")), "");    // taken by another entry
    EXPECT_EQ(db.UpdateEntry("Office", Named("OFFICE")), "");  // its own name, new case
    EXPECT_EQ(db.UpdateEntry("office", Named("Head office")), "");
    EXPECT_EQ(db.EntryNames(10), (std::vector<std::string>{"First", "Head office", "Last"}));
    const auto moved = db.FindCredentials("Head office");
    ASSERT_TRUE(moved);
    EXPECT_EQ(moved->userName, "anna");
    EXPECT_EQ(moved->password, "secret");
    EXPECT_TRUE(moved->passwordStored);
    EXPECT_FALSE(db.FindCredentials("Office"));
    EXPECT_EQ(db.StoreCredentials("Office", {}), PhonebookDatabase::StoreResult::NoSuchEntry);
    EXPECT_NE(db.UpdateEntry("Office", Named("Again")).find("no longer exists"), std::string::npos);
    // A new entry under the old name starts without credentials.
    ASSERT_EQ(db.AddEntry(Named("Office")), "");
    EXPECT_EQ(db.FindCredentials("Office")->userName, "");
}

TEST_F(PhonebookDatabaseTest, AnEntryAlreadyNamedLikeAProgramSectionIsEditedButNotRenamedSo) {
    ASSERT_EQ(PhonebookDatabase(DbPath()).AddEntry(Named("Office")), "");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(DbPath().c_str(), &raw), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(raw, "UPDATE entries SET name='All entries'", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    PhonebookDatabase db(DbPath());
    PhonebookEntry edited = Named("All entries");
    edited.phoneNumber = "0721";
    EXPECT_EQ(db.UpdateEntry("All entries", edited), "");
    EXPECT_EQ(db.FindEntry("All entries")->phoneNumber, "0721");
    EXPECT_NE(db.UpdateEntry("All entries", Named("_Autoconnect")), "");
    EXPECT_EQ(db.UpdateEntry("All entries", Named("Office")), "");
}

TEST_F(PhonebookDatabaseTest, FileIsPrivateAndHandEditedValuesStayInRange) {
    {
        PhonebookDatabase db(DbPath());
        ASSERT_EQ(db.AddEntry(Named("Office")), "");
        ASSERT_EQ(db.StoreCredentials("Office", {"anna", "secret", true}),
                  PhonebookDatabase::StoreResult::Stored);
        for (const std::string& file : {DbPath(), DbPath() + "-wal"}) {
            struct stat st {};
            ASSERT_EQ(stat(file.c_str(), &st), 0) << file;
            EXPECT_EQ(st.st_mode & 0777, 0600u) << file;
        }
    }
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(DbPath().c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw,
                           "UPDATE entries SET answer=9, connect_seconds=-4,"
                           " drop_seconds=99999999999 WHERE name='Office';"
                           "INSERT INTO entries(name, connect_seconds) VALUES('Typed', 'soon')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(raw);
    PhonebookDatabase db(DbPath());
    const auto office = db.FindEntry("Office");
    ASSERT_TRUE(office);
    EXPECT_EQ(office->answer, LineAnswer::Connect);
    EXPECT_EQ(office->connectSeconds, 0);
    EXPECT_EQ(office->dropSeconds, PhonebookEntry::kMaxDropSeconds);
    EXPECT_EQ(db.FindEntry("Typed")->connectSeconds, 0);
}

TEST_F(PhonebookDatabaseTest, AReadOnlyPhonebookIsDialedButNeverChanged) {
    {
        PhonebookDatabase db(DbPath());
        ASSERT_EQ(db.AddEntry(Named("Mine")), "");
        ASSERT_EQ(db.StoreCredentials("Mine", {"anna", "secret", true}),
                  PhonebookDatabase::StoreResult::Stored);
    }
    fs::permissions(DbPath(), fs::perms::owner_read, fs::perm_options::replace);
    testing::internal::CaptureStderr();
    {
        PhonebookDatabase db(DbPath());
        EXPECT_TRUE(db.IsReadOnly());
        EXPECT_EQ(db.EntryNames(10), std::vector<std::string>{"Mine"});
        EXPECT_EQ(db.FindCredentials("Mine")->password, "secret");
        EXPECT_NE(db.AddEntry(Named("New")), "");
        EXPECT_EQ(db.StoreCredentials("Mine", {}), PhonebookDatabase::StoreResult::WriteFailed);
        EXPECT_EQ(db.EntryNames(10), std::vector<std::string>{"Mine"});
    }
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "varnolt: " + DbPath() +
                       " cannot be written; its entries can be dialed, but changes to the "
                       "phonebook will not be kept\n");
    EXPECT_TRUE(MovedAside().empty());
}

TEST_F(PhonebookDatabaseTest, OneInAFolderOthersMayWriteIsRefusedAndNamed) {
    {
        PhonebookDatabase db(DbPath());
        ASSERT_EQ(db.AddEntry(Named("Mine")), "");
    }
    ::chmod(m_dir.path().c_str(), 0770);
    testing::internal::CaptureStderr();
    PhonebookDatabase db(DbPath());
    const std::string err = testing::internal::GetCapturedStderr();
    ::chmod(m_dir.path().c_str(), 0700);
    EXPECT_FALSE(db.IsPersistent());
    EXPECT_TRUE(db.EntryNames(10).empty());
    EXPECT_EQ(err, "varnolt: " + db.Refusal() + "\n");
    EXPECT_NE(err.find(DbPath() + " is not used, because other users may write to its folder"),
              std::string::npos)
        << err;
    EXPECT_EQ(db.AddEntry(Named("For this run")), "");
    EXPECT_EQ(PhonebookDatabase(DbPath()).EntryNames(10), std::vector<std::string>{"Mine"});
}

TEST_F(PhonebookDatabaseTest, TwoInstancesSaveEntriesAtOnce) {
    PhonebookDatabase mine(DbPath());
    test::ChildProcess child([&] {
        PhonebookDatabase other(DbPath());
        bool ok = true;
        for (int i = 0; i < 100; ++i) {
            ok = other.AddEntry(Named("Child " + std::to_string(i))).empty() && ok;
            ok = other.StoreCredentials("Child " + std::to_string(i), {"c", "p", true}) ==
                     PhonebookDatabase::StoreResult::Stored &&
                 ok;
        }
        return ok ? 0 : 1;
    });
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(mine.AddEntry(Named("Parent " + std::to_string(i))), "");
        EXPECT_EQ(mine.StoreCredentials("Parent " + std::to_string(i), {"p", "p", true}),
                  PhonebookDatabase::StoreResult::Stored);
    }
    const int status = child.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the other instance failed";
    EXPECT_EQ(mine.EntryNames(1000).size(), 200u);
    EXPECT_EQ(mine.FindCredentials("Child 99")->userName, "c");
}

struct Damage {
    const char* name;
    std::function<void(const std::string& path)> apply;
};

void PrintTo(const Damage& d, std::ostream* os) {
    *os << d.name;
}

class PhonebookRecovery : public PhonebookDatabaseTest,
                          public ::testing::WithParamInterface<Damage> {};

TEST_P(PhonebookRecovery, UnusableFileIsMovedAsideAndThePhonebookStartsEmpty) {
    GetParam().apply(DbPath());
    const auto original = fs::file_size(DbPath());

    testing::internal::CaptureStderr();
    PhonebookDatabase db(DbPath());
    const std::string err = testing::internal::GetCapturedStderr();

    const auto moved = MovedAside();
    ASSERT_EQ(moved.size(), 1u) << err;
    EXPECT_NE(err.find(moved[0].string() + ", a new, empty phonebook takes its place"),
              std::string::npos)
        << err;
    EXPECT_EQ(fs::file_size(moved[0]), original);
    EXPECT_TRUE(db.IsPersistent());
    EXPECT_TRUE(db.EntryNames(500).empty());
    EXPECT_EQ(db.AddEntry(Named("Office")), "");
    EXPECT_EQ(PhonebookDatabase(DbPath()).EntryNames(500), std::vector<std::string>{"Office"});
}

INSTANTIATE_TEST_SUITE_P(
    Damages, PhonebookRecovery,
    ::testing::Values(
        Damage{"Garbage",
               [](const std::string& path) {
                   std::ofstream out(path, std::ios::binary);
                   for (int i = 0; i < 8192; ++i)
                       out.put(static_cast<char>((i * 7919) % 251));
               }},
        // A sound SQLite file of some other program.
        Damage{"ForeignLayout",
               [](const std::string& path) {
                   sqlite3* db = nullptr;
                   sqlite3_open(path.c_str(), &db);
                   sqlite3_exec(db,
                                "CREATE TABLE entries(title TEXT); INSERT INTO entries VALUES('x')",
                                nullptr, nullptr, nullptr);
                   sqlite3_close(db);
               }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace varnolt
