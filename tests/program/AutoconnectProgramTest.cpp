// The built program started as a user starts it, on a configuration of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "TempDir.h"
#include "app/AppIdentity.h"
#include "meter/CallJournal.h"
#include "sim/PhonebookDatabase.h"
#include "sqlite/PrivateDatabase.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt::test {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// The program's exit status, or none when it still ran after `patience` (it is killed).
std::optional<int> RunProgram(const char* argument, Clock::duration patience) {
    ChildProcess program([argument] {
        ::execl(VARNOLT_PROGRAM, VARNOLT_PROGRAM, argument, nullptr);
        return 127;
    });
    const std::optional<int> status = program.WaitAtMost(patience);
    return status ? std::optional(ExitCode(*status)) : std::nullopt;
}

// A home folder of the program's own whose autoconnect entry "Office" has
// its password stored and connects after 1 s; its remote side drops the line
// dropSeconds later (0: never).
struct ProgramHome {
    explicit ProgramHome(int dropSeconds) {
        PhonebookDatabase phonebook(ConfigFilePath(kCompanyKey, "phonebook.db"));
        PhonebookEntry office;
        office.name = "Office";
        office.connectSeconds = 1;
        office.dropSeconds = dropSeconds;
        EXPECT_EQ(phonebook.AddEntry(office), "");
        phonebook.StoreCredentials("Office", {"jane", "secret", true});
        store.WriteInt("_Autoconnect", "Autoconnect", 1);
        store.WriteString("_Autoconnect", "Entry", "Office");
    }

    TempDir dir;
    ScopedEnv homeFolder{"HOME", dir.path().string()};
    ScopedEnv config{"XDG_CONFIG_HOME", (dir.path() / "config").string()};
    ScopedEnv offscreen{"QT_QPA_PLATFORM", "offscreen"};
    SqliteSettingsStore store{ConfigFilePath(kCompanyKey, "varnolt.db")};
};

// "Office", the autoconnect entry, has its password stored; its line connects
// after 1 s and drops 1 s later, and the program closes after a disconnect.
TEST(AutoconnectProgram, DialsAtStartAndEndsAfterTheCallUnlessToldNotTo) {
    ProgramHome home(1);
    SqliteSettingsStore& store = home.store;
    store.WriteInt("All entries", "Close after disconnect", 1);

    const Clock::time_point start = Clock::now();
    EXPECT_EQ(RunProgram(nullptr, 60s), 0);
    const Clock::duration took = Clock::now() - start;
    EXPECT_NE(store.ReadString("Office", "Total costs", "-"), "-");
    EXPECT_NE(store.ReadString("All entries", "Total costs", "-"), "-");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(store.ReadString("__LOG file", "Entry #1", ""), "Office");

    // Running twice as long as the whole call took, it neither closes after
    // a call nor logs one.
    EXPECT_EQ(RunProgram("--no-autoconnect", 2 * took), std::nullopt);
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
}

// Told to end while connected, the program hangs up and accounts the call
// first, whichever of the usual signals it gets.
TEST(AutoconnectProgram, ASignalDuringACallEndsItAccounted) {
    ProgramHome home(0);
    SqliteSettingsStore& store = home.store;

    int logged = 0;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        ChildProcess program([] {
            ::execl(VARNOLT_PROGRAM, VARNOLT_PROGRAM, nullptr);
            return 127;
        });
        const auto deadline = Clock::now() + 30s;
        while (!ReadCallJournal(store) && Clock::now() < deadline) {
            std::this_thread::sleep_for(50ms);
        }
        ASSERT_TRUE(ReadCallJournal(store)) << "the call never came up";
        ::kill(program.Pid(), signal);
        const std::optional<int> status = program.WaitAtMost(30s);
        ASSERT_TRUE(status);
        EXPECT_EQ(ExitCode(*status), 0);
        EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), ++logged);
        EXPECT_FALSE(ReadCallJournal(store));
    }
    EXPECT_NE(store.ReadString("Office", "Total costs", "-"), "-");
}

// The stored log and the entry's last connect are data: shown in German, the
// program writes them as in English (digits aside, which follow the clock).
TEST(AutoconnectProgram, StoresTheSameLogInGerman) {
    std::vector<std::string> stored;
    for (const char* language : {"en", "de"}) {
        ProgramHome home(1);
        const ScopedEnv chosen{"LANGUAGE", language};
        const ScopedEnv locale{"LC_ALL", "de_DE.UTF-8"};
        home.store.WriteInt("All entries", "Close after disconnect", 1);
        ASSERT_EQ(RunProgram(nullptr, 60s), 0);
        std::string values = home.store.ReadString("Office", "Last connect", "-");
        for (const char* key : {"Entry #1", "User #1", "From #1", "To #1", "Costs #1"}) {
            values += "|" + home.store.ReadString("__LOG file", key, "-");
        }
        std::replace_if(values.begin(), values.end(), ::isdigit, '#');
        stored.push_back(values);
    }
    EXPECT_EQ(stored[0], stored[1]);
}

}  // namespace
}  // namespace varnolt::test
