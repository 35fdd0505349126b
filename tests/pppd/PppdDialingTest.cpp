// The Phonebook page's connection, unchanged, dialing pppd's peers: its
// timers are fake, the stand-in pppd's lines come through the event loop
// between their ticks.
#include <gtest/gtest.h>

#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "ProviderDialogUser.h"
#include "QuietScreen.h"
#include "RecordingSheetHost.h"
#include "RecordingShell.h"
#include "RecordingTreeView.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "StandInPppd.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "platform/Sound.h"
#include "pppd/PppdService.h"

namespace varnolt::test {
namespace {

// What the chat script prints when the modem answers the dial with BUSY.
constexpr const char* kBusy =
    "echo 'abort on (BUSY)'\necho 'send (ATDT0191011^M)'\necho 'expect (CONNECT)'\n"
    "echo '^M'\necho 'BUSY'\necho ' -- failed'\necho 'Failed (BUSY)'\n"
    "echo 'Connect script failed'\nexit 8\n";

class PppdDialing : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* peer : {"first", "second"}) {
            pppd.AddPeer(peer);
            service.SetEntryDialParams(peer, {"jane", "secret"}, false);
        }
    }
    void TearDown() override { machine.reset(); }

    // Fake time passes in steps, pppd's lines arriving in between.
    void Advance(int ms) {
        for (int step = 0; step < ms; step += 250) {
            timers.Advance(250);
            RunFor(20);
        }
    }
    bool AdvanceUntil(const std::function<bool()>& done, int ms = 40'000) {
        for (int step = 0; step < ms && !done(); step += 250) {
            Advance(250);
        }
        return done();
    }
    bool Said(const std::string& status) const {
        return std::find(screen.statuses.begin(), screen.statuses.end(), status) !=
               screen.statuses.end();
    }
    int Runs() const {
        const std::string runs = ReadFile(pppd.Out() / "runs");
        return static_cast<int>(std::count(runs.begin(), runs.end(), '\n'));
    }

    StandInPppd pppd;
    TempDir config;
    pppd::PppdLogins logins{(config.path() / "pppd-logins.db").string()};
    MemorySettingsStore store;
    FakeClock clock;
    FakeTimers timers{clock};
    FixedLocale locale{"DM"};
    RecordingShell shell;
    RecordingTreeView tree;
    ScriptedDialogs dialogs;
    ScriptedPrompts prompts;
    RecordingSheetHost host;
    QuietScreen screen;
    FakeCallLock lock;
    PppdService service{logins, prompts, [](const QString&) { return false; }};
    std::unique_ptr<ConnectionMachine> machine = std::make_unique<ConnectionMachine>(
        ConnectionMachine::Services{store, service, clock, timers, locale, screen, shell, prompts,
                                    lock},
        ConnectionMachine::Views{screen, tree, dialogs, host, screen});
};

TEST_F(PppdDialing, ACallTheModemLosesIsAccountedAndLoggedOnce) {
    pppd.Script("echo run >> \"$OUT/runs\"\n" + StandInPppd::ConnectThenHangup("0.5"));
    machine->Dial("first");
    ASSERT_TRUE(AdvanceUntil([&] { return machine->IsConnected(); }));
    EXPECT_TRUE(Said("first - connected"));
    ASSERT_TRUE(AdvanceUntil([&] { return !machine->IsConnected(); }));
    Advance(500);
    EXPECT_EQ(1, store.ReadInt("__LOG file", "Anzahl", 0));
    EXPECT_EQ("first", store.ReadString("__LOG file", "Entry #1", ""));
    EXPECT_NE("-", store.ReadString("first", "Total costs", "-"));
    EXPECT_EQ(1, Runs());
}

TEST_F(PppdDialing, ABusyLineIsRedialedAfterTheEntrysDelay) {
    pppd.Script(std::string("echo run >> \"$OUT/runs\"\n") + kBusy);
    store.WriteInt("first", "Redial after", 2);
    machine->Dial("first");
    ASSERT_TRUE(AdvanceUntil([&] { return Said("System reports ERROR Code [676]"); }));
    EXPECT_EQ(1, Runs());
    Advance(4000);
    EXPECT_EQ(2, Runs());
}

TEST_F(PppdDialing, AProviderGoesOnToItsNextPeerAfterABusyLine) {
    pppd.Script(std::string("echo \"$2\" >> \"$OUT/runs\"\nif [ \"$2\" = first ]; then\n") + kBusy +
                "fi\n" + StandInPppd::ConnectThenHangup("30"));
    ProviderDialogUser user{store, service, prompts};
    user.visits.push_back({{"first", "second"}, "Both"});
    std::string typed;
    ASSERT_TRUE(user.EditProvider(typed, 0));
    machine->DialProvider("Both");
    ASSERT_TRUE(AdvanceUntil([&] { return machine->IsConnected(); }));
    EXPECT_TRUE(Said("System reports ERROR Code [676]"));
    EXPECT_TRUE(Said("second - connected"));
    EXPECT_EQ("first\nsecond\n", ReadFile(pppd.Out() / "runs"));
    machine->HangUp();
    EXPECT_FALSE(machine->IsConnected());
}

}  // namespace
}  // namespace varnolt::test
