#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "TempDir.h"
#include "log/CConnectionLog.h"
#include "meter/CallJournal.h"
#include "sqlite/FileCallLock.h"
#include "tariff/FeeMeter.h"

namespace varnolt::test {
namespace {

// One running program's meter, accounting and journal on a store and clock
// that programs share; its locks are in the table they share.
struct Program {
    Program(SettingsStore& store, FakeClock& clock, std::shared_ptr<FakeCallLock::Table> locks)
        : timers(clock),
          meter(store, clock, timers),
          log(store, locale, dialer, host),
          accounting(store, clock, locale, log, host, tree),
          lock(std::move(locks)),
          journal(store, clock, locale, lock, meter, accounting) {}

    // A call comes up; the first unit is charged at once.
    void Call(const std::string& entry) {
        meter.BeginCall(entry);
        journal.Begin("anna");
    }
    std::string Said() {
        std::string all;
        for (const CallJournal::Notice& notice : journal.TakeNotices()) {
            all += notice.text + (notice.box ? " [box]\n" : "\n");
        }
        return all;
    }

    FakeTimers timers;
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingSheetHost host;
    RecordingTreeView tree;
    FeeMeter meter;
    CConnectionLog log;
    CallAccounting accounting;
    FakeCallLock lock;
    CallJournal journal;
};

struct Programs : ::testing::Test {
    Programs() { clock.SetLocal(1996, 3, 5, 9, 7, 15); }
    std::string Read(const std::string& section, const std::string& key) const {
        return store.ReadString(section, key, "-");
    }

    ScopedTimeZone utc{"UTC"};
    MemorySettingsStore store;
    FakeClock clock;
    std::shared_ptr<FakeCallLock::Table> locks = std::make_shared<FakeCallLock::Table>();
};

TEST_F(Programs, EachKeepsItsCallInAJournalOfItsOwnAndTheNextStartRecoversEveryFreeOne) {
    Program first(store, clock, locks);
    Program second(store, clock, locks);
    first.Call("Office");
    second.Call("Home");
    EXPECT_EQ(Read("__Running call", "Entry") + Read("__Running call #2", "Entry"), "OfficeHome");

    first.lock.Die();                                     // killed
    store.WriteString("__Running call #3", "Entry", "");  // as finished calls used to leave it
    Program next(store, clock, locks);
    next.journal.Recover();
    EXPECT_FALSE(store.HasValue("__Running call #3", "Entry"));
    EXPECT_NE(next.Said().find("A call on Home runs in another instance"), std::string::npos);
    EXPECT_EQ(Read("Office", "Total costs") + Read("Home", "Total costs"), "0.12-");
    EXPECT_EQ(Read("__Running call", "Entry"), "-");

    second.lock.Die();
    next.journal.Recover();
    EXPECT_EQ(Read("Home", "Total costs"), "0.12");
    EXPECT_EQ(Read("__Running call #2", "Entry"), "-");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 2);
    EXPECT_FALSE(next.lock.HeldAny());
}

// A journal that a dead program left, with one value changed.
struct Damaged {
    const char* name;
    const char* key;
    const char* value;
    const char* fault;  // nullptr: accounted
};

void PrintTo(const Damaged& d, std::ostream* os) {
    *os << d.name;
}

class RecoveredJournal : public Programs, public ::testing::WithParamInterface<Damaged> {};

TEST_P(RecoveredJournal, IsAccountedOnlyWhenItsValuesCanBeBelieved) {
    const Damaged& d = GetParam();
    const std::vector<std::pair<std::string, std::string>> values = {
        {"Entry", "Home"},
        {"User", "joe"},
        {"Call fee", "0.36"},
        {"Connect time", "1996-03-05 08:00:00"},
        {"Alive at", "1996-03-05 08:30:10"}};
    for (const auto& [key, value] : values) {
        store.WriteString("__Running call", key, key == d.key ? d.value : value);
    }
    store.WriteInt("__Running call", "Filelogging", 1);
    Program next(store, clock, locks);
    next.journal.Recover();
    const std::string said = next.Said();
    EXPECT_EQ(Read("__Running call", "Entry"), "-");
    if (d.fault == nullptr) {
        EXPECT_EQ(Read("Home", "Total costs"), d.value);
        return;
    }
    EXPECT_NE(said.find("was not accounted, as " + std::string(d.fault) +
                        "; its values are kept in \"__Running call (not accounted)\". [box]"),
              std::string::npos)
        << said;
    EXPECT_EQ(Read("Home", "Total costs") + Read("All entries", "Total costs"), "--");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 0);
    for (const auto& [key, value] : values) {
        EXPECT_EQ(Read("__Running call (not accounted)", key), key == d.key ? d.value : value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Journal, RecoveredJournal,
    ::testing::Values(
        Damaged{"Sound", "Call fee", "0.36", nullptr},
        // 30 minutes at the shortest built-in cycle (12 s) cannot reach it.
        Damaged{"HighButPossible", "Call fee", "30.00", nullptr},
        Damaged{"NegativeFee", "Call fee", "-1000000", "its fee is negative"},
        Damaged{"HugeFee", "Call fee", "3.4e38", "its fee is more than the call could have cost"},
        Damaged{"NaNFee", "Call fee", "NaN", "its fee is no number"},
        Damaged{"EndBeforeStart", "Alive at", "1996-03-05 07:59:59", "it ends before it begins"},
        Damaged{"February31", "Connect time", "1996-02-31 08:00:00",
                "its connect time is no real date and time"},
        Damaged{"NinetyNineYears", "Connect time", "1897-03-05 08:00:00",
                "it would have lasted longer than 31 days"},
        Damaged{"MalformedAliveAt", "Alive at", "1996-03-05 08:30",
                "its \"Alive at\" is no real date and time"},
        Damaged{"AliveAtWithMore", "Alive at", "1996-03-05 08:30:10 x",
                "its \"Alive at\" is no real date and time"},
        Damaged{"AliveAtOnNoDay", "Alive at", "1996-04-31 08:30:10",
                "its \"Alive at\" is no real date and time"}),
    [](const auto& info) { return std::string(info.param.name); });

// The real locks: a program forked off holds the first; this one gets the
// second, on a file of its own, and the first once the other is killed.
TEST(FileCallLock, EachSlotHasAFileOfItsOwnAndIsFreedWhenItsHolderDies) {
    TempDir dir;
    const std::string path = CallLockPath((dir.path() / "varnolt.db").string());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    ChildProcess other([&] {
        FileCallLock lock(path);
        const char held = lock.TryAcquire(1) ? '1' : '0';
        if (::write(ready[1], &held, 1) != 1) {
            return 1;
        }
        ::pause();
        return 0;
    });
    char held = 0;
    ASSERT_EQ(::read(ready[0], &held, 1), 1);
    EXPECT_EQ(held, '1');
    FileCallLock mine(path);
    EXPECT_FALSE(mine.TryAcquire(1));
    EXPECT_TRUE(mine.TryAcquire(2));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir.path() / "varnolt.db.lock.2"));
    other.Kill();
    EXPECT_TRUE(mine.TryAcquire(1));
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace varnolt::test
