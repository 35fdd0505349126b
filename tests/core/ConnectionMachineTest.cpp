#include <gtest/gtest.h>

#include "FakeCallLock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "ProviderDialogUser.h"
#include "RecordingSheetHost.h"
#include "RecordingShell.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeLogic.h"
#include "meter/CallJournal.h"
#include "platform/Sound.h"
#include "provider/ProviderList.h"

namespace varnolt::test {
namespace {

using Strings = std::vector<std::string>;
constexpr const char* kTitle = "Varnolt 0.63 NT [Beta]";
const std::string kIdle = "no connection established | dial |";

// The page's controls, the sheet's window and the speaker as the machine
// leaves them; the window steps and sounds in order.
struct Screen final : ConnectionView, SheetWindow, Sound {
    void ShowStatus(const std::string& text, const std::string& tip) override {
        status = text;
        toolTip = tip;
    }
    void SetProgressRange(int maximum) override { progressMax = maximum; }
    void SetProgress(int position) override { positions.push_back(position); }
    void EnableDialing(bool enable) override { dialing = enable; }
    void EnableCancel(bool enable) override { cancel = enable; }
    void SetCaption(const std::string& text) override { caption = text; }
    void SetCallSummary(const std::string&) override {}
    void RestoreSheet() override { steps.push_back("restore"); }
    void MinimizeSheet() override { steps.push_back("minimise"); }
    void CloseSheetLater() override {
        steps.push_back("close");
        boxesBeforeClose = prompts != nullptr ? static_cast<int>(prompts->shown().size()) : -1;
    }
    void PlayWave(const std::string& path) override {
        steps.push_back("sound " + path + " after " + std::to_string(shell->calls.size()));
    }

    const RecordingShell* shell = nullptr;
    const ScriptedPrompts* prompts = nullptr;
    int boxesBeforeClose = -1;
    std::string status = ConnectionMachine::kIdleText;
    std::string toolTip;
    std::string caption = kTitle;
    int progressMax = 10;
    std::vector<int> positions;
    bool dialing = true;
    bool cancel = false;
    Strings steps;
};

// A Phonebook page's connection on fake time with the scripted service:
// "Office" has a stored password, "Home" has none.
struct Rig {
    Rig() {
        dialer.AddEntry("Office", "jane", "secret", true);
        dialer.AddEntry("Home", "joe");
        clock.SetLocal(1996, 3, 5, 9, 7, 15);  // a Tuesday: 90 s units on the City scale
        screen.shell = &shell;
        screen.prompts = &prompts;
    }

    // The service reports everything scripted; the next watch tick sees it.
    void Report() {
        dialer.DeliverAll();
        timers.Advance(ConnectionMachine::kWatchDialMs);
    }
    // The same for a provider's entry.
    void ReportMember() {
        dialer.DeliverAll();
        timers.Advance(ConnectionMachine::kProviderWatchMs);
    }
    void Connect() {
        dialer.ScriptConnect();
        machine.Dial("Office");
        Report();
    }
    // Countdown ticks until the next dial goes out; 0 when none does.
    int TicksUntilRedial(int limit = 20) {
        const std::size_t dials = dialer.dials().size();
        for (int tick = 1; tick <= limit; ++tick) {
            timers.Advance(1000);
            if (dialer.dials().size() > dials) {
                return tick;
            }
        }
        return 0;
    }
    // Status line | usable controls | running timers.
    std::string Controls() const {
        std::string out =
            screen.status + " |" + (screen.dialing ? " dial" : "") +
            (screen.cancel ? " cancel" : "") +
            (host.hangUpEnabled.empty() || !host.hangUpEnabled.back() ? "" : " hang-up") + " |";
        for (int id : {100, 200, 300, 400, 500, 600}) {
            out += timers.IsRunning(id) ? " " + std::to_string(id) : "";
        }
        return out;
    }
    std::string Read(const std::string& section, const std::string& key) const {
        return store.ReadString(section, key, "-");
    }
    // A provider made as a user makes it: its entries moved in, in this order.
    void MakeProvider(const std::string& description, const Strings& entries) {
        ProviderDialogUser user{store, dialer, prompts};
        user.visits.push_back({entries, description});
        std::string typed;
        ASSERT_TRUE(user.EditProvider(typed, 0));
    }
    // The entries dialed so far, in order, with their users.
    Strings Dialed() const {
        Strings names;
        for (const auto& dial : dialer.dials()) {
            names.push_back(dial.entryName + " as " + dial.params.userName);
        }
        return names;
    }

    ScopedTimeZone utc{"UTC"};
    MemorySettingsStore store;
    FakeClock clock;
    FakeTimers timers{clock};
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingShell shell;
    RecordingTreeView tree;
    ScriptedDialogs dialogs;
    ScriptedPrompts prompts;
    RecordingSheetHost host;
    Screen screen;
    FakeCallLock lock;
    ConnectionMachine machine{{store, dialer, clock, timers, locale, screen, shell, prompts, lock},
                              {screen, tree, dialogs, host, screen}};
};

TEST(ConnectionMachine, DialAsksOnlyForWhatTheServiceDoesNotHold) {
    struct Case {
        const char* entry;
        std::optional<DialCredentials> answer;  // nullopt: Cancel
        bool hangUpWhileAsking;
        Strings outcome;
    };
    const Case cases[] = {
        {"Office", std::nullopt, false, {"dialed jane/secret", "stored"}},
        {"Home",
         DialCredentials{"joe", "pw", true},
         false,
         {"asked joe/", "dialed joe/pw", "stored", "User: joe", "Password: *****"}},
        // The removed password no longer shows as stored.
        {"Home",
         DialCredentials{"ann", "pw", false},
         false,
         {"asked joe/", "dialed ann/pw", "User: ann", "Password: <no password defined>"}},
        {"Home", std::nullopt, false, {"asked joe/"}},
        {"Home", DialCredentials{"joe", "pw", true}, true, {"asked joe/"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.outcome.back());
        Rig rig;
        rig.dialogs.dialResults.push_back(c.answer);
        if (c.hangUpWhileAsking) {
            rig.dialogs.whileOpen = [&rig] { rig.machine.MenuHangUp(); };
        }
        rig.machine.Dial(c.entry);
        rig.timers.Advance(250);

        Strings outcome;
        for (const auto& [entry, initial] : rig.dialogs.dialOpened) {
            outcome.push_back("asked " + initial.userName + "/" + initial.password);
        }
        for (const auto& dial : rig.dialer.dials()) {
            outcome.push_back("dialed " + dial.params.userName + "/" + dial.params.password);
        }
        RasDialParams params;
        bool stored = false;
        rig.dialer.GetEntryDialParams(c.entry, params, stored);
        if (stored) {
            outcome.push_back("stored");
        }
        for (const std::string& line : rig.tree.log) {
            outcome.push_back(line.substr(line.find(": ") + 2));
        }
        EXPECT_EQ(outcome, c.outcome);
        EXPECT_EQ(rig.Controls(),
                  rig.dialer.dials().empty()
                      ? kIdle
                      : std::string(c.entry) +
                            " - process waiting - authentication running | cancel hang-up | 100");
    }
}

TEST(ConnectionMachine, FailuresAreShownAndRedialedWithoutLimitUntilCancelled) {
    Rig rig;
    // At once: only Cancel is left to press, and the handle is hung up.
    rig.dialer.ScriptDial(633, {});
    rig.machine.Dial("Office");
    EXPECT_EQ(rig.Controls(), "ERROR #633 'Scripted error 633' | dial cancel hang-up |");
    EXPECT_EQ(rig.dialer.hangUps(), (std::vector<RasHandle>{rig.dialer.dials()[0].handle}));
    rig.machine.HangUp();
    EXPECT_EQ(rig.Controls(), kIdle);

    // Reported: counted down and the same entry dialed again on the 12th tick.
    for (int i = 0; i < 5; ++i) {
        rig.dialer.ScriptFailure(ras::kErrorNoAnswer);
    }
    rig.machine.Dial("Office");
    for (int failure = 1; failure <= 3; ++failure) {
        SCOPED_TRACE(failure);
        rig.Report();
        EXPECT_EQ(rig.Controls(), "System reports ERROR Code [678] | cancel hang-up | 200");
        EXPECT_EQ(rig.dialer.hangUps().back(), rig.dialer.dials().back().handle);
        rig.screen.positions.clear();
        ASSERT_EQ(rig.TicksUntilRedial(), 12);
        EXPECT_EQ(rig.screen.positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 0}));
        EXPECT_EQ(rig.dialer.dials().back().entryName, "Office");
    }

    // Cancelled three ticks into a countdown: the next one starts from 0.
    rig.Report();
    rig.timers.Advance(3000);
    rig.machine.HangUp();
    EXPECT_EQ(rig.Controls(), kIdle);
    EXPECT_EQ(rig.screen.positions.back(), 0);
    rig.machine.Dial("Office");
    rig.Report();
    rig.screen.positions.clear();
    EXPECT_EQ(rig.TicksUntilRedial(), 12);
    EXPECT_EQ(rig.screen.positions.front(), 1);
}

TEST(ConnectionMachine, AReportedCodeIsExplainedInTheStatusTooltipUntilTheStatusChanges) {
    Rig rig;
    rig.dialer.ScriptFailure(ras::kErrorLineBusy);
    rig.dialer.ScriptFailure(ras::kErrorLineBusy);
    rig.machine.Dial("Office");
    rig.Report();
    EXPECT_EQ(rig.screen.status, "System reports ERROR Code [676]");
    EXPECT_EQ(rig.screen.toolTip, rig.dialer.ErrorString(676));
    ASSERT_GT(rig.TicksUntilRedial(), 0);
    // What the service's tools said follows the code's text.
    rig.dialer.dialOutput = "ATDT123\nBUSY";
    rig.Report();
    EXPECT_EQ(rig.screen.toolTip, rig.dialer.ErrorString(676) + "\n\nATDT123\nBUSY");
    ASSERT_GT(rig.TicksUntilRedial(), 0);
    rig.timers.Advance(ConnectionMachine::kWatchDialMs);
    EXPECT_EQ(rig.screen.status, "Office - process waiting - authentication running");
    EXPECT_EQ(rig.screen.toolTip, "");
}

TEST(ConnectionMachine, AHandEditedRedialDelayCountsAsItsNearestBound) {
    for (const auto& [stored, delay] : {std::pair{7, 7}, {0, 1}, {-5, 1}, {5000, 3600}}) {
        SCOPED_TRACE(stored);
        Rig rig;
        rig.store.WriteInt("Office", "Redial after", stored);
        rig.dialer.ScriptFailure(ras::kErrorLineBusy);
        rig.machine.Dial("Office");
        rig.Report();
        EXPECT_EQ(rig.screen.progressMax, delay);
        EXPECT_EQ(rig.TicksUntilRedial(delay + 5), delay + 2);
    }
}

TEST(ConnectionMachine, AWholeCallIsMeteredThenAccountedWhenTheLineDrops) {
    Rig rig;
    rig.store.WriteString("All entries", "Sound", "/connect.wav");
    rig.store.WriteInt("Office", "Autolaunch", 2);
    rig.store.WriteString("Office Autolaunch #1", "Path", "/bin/mail");
    rig.store.WriteString("Office Autolaunch #2", "Path", "/srv");
    rig.store.WriteInt("Office Autolaunch #2", "Startup", 3);
    // Delete LOG during the call rebuilds the tree; the call names its entry.
    rig.host.onNotification = [&rig](unsigned message, int) {
        if (message == WM_RELOAD_PHONEBOOK) {
            rig.tree.ShowTree(PhonebookTreeBuilder(rig.dialer, rig.store, rig.locale).Build());
        }
    };

    rig.Connect();
    EXPECT_EQ(rig.screen.steps, (Strings{"minimise", "sound /connect.wav after 0"}));
    EXPECT_EQ(rig.shell.calls, (std::vector<RecordingShell::Call>{
                                   {"/bin/mail", ShellVerb::Open, ShowWindow::Normal},
                                   {"/srv", ShellVerb::Explore, ShowWindow::Maximized}}));
    EXPECT_TRUE(rig.machine.IsConnected());
    EXPECT_EQ(rig.machine.Meter().CallFee(), 0.12f);
    EXPECT_EQ(rig.Controls(), "Office - connected | cancel hang-up | 300");
    rig.timers.Advance(60'000);
    EXPECT_EQ(rig.screen.caption, "0.12 DM / 00:01:00 h");
    CConnectionLog(rig.store, rig.locale, rig.dialer, rig.host).Clear();
    rig.timers.Advance(40'000);  // the second unit falls due 91 s in
    rig.dialer.DropLine();
    rig.timers.Advance(1000);

    EXPECT_EQ(rig.Read("Office", "Total costs"), "0.24");
    EXPECT_EQ(rig.Read("All entries", "Total costs"), "0.24");
    EXPECT_EQ(rig.Read("Office", "Last connect"), "05.03.1996 at 09:07:15 h");
    EXPECT_EQ(rig.Read("__LOG file", "User #1"), "jane");
    EXPECT_EQ(rig.store.ReadInt("__LOG file", "Anzahl", 0), 1);
    const std::string shown = RecordingTreeView::Outline(rig.tree.tree);
    EXPECT_NE(shown.find("Costs: 0.24 DM\n    Last connect: 05.03.1996"), std::string::npos);
    // The dropped line is released; caption, window and meter are back.
    EXPECT_EQ(rig.dialer.hangUps(), (std::vector<RasHandle>{rig.dialer.dials()[0].handle}));
    EXPECT_EQ(rig.screen.caption, kTitle);
    EXPECT_EQ(rig.screen.steps.back(), "restore");
    EXPECT_EQ(rig.machine.Meter().CallFee(), 0.0f);
    EXPECT_EQ(rig.Controls(), kIdle);
}

// Every end of a connected call is accounted once. The sheet's OK, Cancel,
// Escape and window close, a signal and the session's end all reach the
// machine as the program ending; the call window's and the tray's "Hang up"
// as the menu's hang-up.
TEST(ConnectionMachine, EveryEndOfAConnectedCallIsAccountedOnce) {
    enum class End { Drop, MenuHangUp, Cancel, ProgramEnds };
    struct Case {
        End end;
        int fileLogging;
        int closeAfter;
        const char* sound;
        const char* total;
        Strings steps;
    };
    const Case cases[] = {
        {End::Drop, 1, 0, "<no>", "0.12", {"minimise", "restore"}},
        {End::Drop, 0, 0, "", "-", {"minimise", "restore"}},  // an empty sound is none
        {End::Drop, 1, 1, "<no>", "0.12", {"minimise", "restore", "close"}},
        {End::MenuHangUp, 1, 0, "<no>", "0.12", {"minimise", "restore"}},
        {End::Cancel, 1, 1, "<no>", "0.12", {"minimise", "restore", "close"}},
        // The window goes anyway: neither restored nor closed once more.
        {End::ProgramEnds, 1, 1, "<no>", "0.12", {"minimise"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(&c - cases));
        Rig rig;
        rig.store.WriteInt("All entries", "Filelogging", c.fileLogging);
        rig.store.WriteInt("All entries", "Close after disconnect", c.closeAfter);
        rig.store.WriteString("All entries", "Sound", c.sound);
        rig.Connect();
        rig.timers.Advance(10'000);
        ASSERT_TRUE(ReadCallJournal(rig.store));
        switch (c.end) {
            case End::Drop:
                rig.dialer.DropLine();
                rig.timers.Advance(1000);
                break;
            case End::MenuHangUp:
                rig.machine.MenuHangUp();
                break;
            case End::Cancel:
                rig.machine.HangUp();
                break;
            case End::ProgramEnds:
                rig.machine.ProgramEnds();
                break;
        }
        EXPECT_EQ(rig.Controls(), kIdle);
        // Whatever comes after adds nothing.
        rig.machine.HangUp();
        rig.machine.ProgramEnds();
        rig.timers.Advance(10'000);
        EXPECT_EQ(rig.Read("Office", "Total costs"), c.total);
        EXPECT_EQ(rig.store.ReadInt("__LOG file", "Anzahl", 0), c.total[0] == '-' ? 0 : 1);
        EXPECT_EQ(rig.dialer.hangUps().size(), 1u);
        EXPECT_EQ(rig.screen.caption, kTitle);
        EXPECT_EQ(rig.screen.steps, c.steps);
        EXPECT_FALSE(rig.store.HasValue("__Running call", "Entry"));  // no empty rows left
        EXPECT_FALSE(rig.lock.HeldAny());
    }
}

TEST(ConnectionMachine, ClosingWhileConnectedAsksAndKeepingTheCallLeavesItsMeterAlone) {
    Rig rig;
    EXPECT_TRUE(rig.machine.MayClose());  // idle: nothing to ask
    // Nor while a dial has not come up; ending it then accounts nothing.
    rig.dialer.ScriptDial(ras::kPending, {});
    rig.machine.Dial("Office");
    rig.timers.Advance(2000);
    EXPECT_TRUE(rig.machine.MayClose());
    rig.machine.ProgramEnds();
    EXPECT_EQ(rig.Controls(), kIdle);
    EXPECT_EQ(rig.store.ReadInt("__LOG file", "Anzahl", 0), 0);
    EXPECT_TRUE(rig.prompts.shown().empty());
    rig.Connect();
    rig.timers.Advance(30'000);
    rig.prompts.Answer(PromptAnswer::No);
    EXPECT_FALSE(rig.machine.MayClose());
    ASSERT_EQ(rig.prompts.shown().size(), 1u);
    EXPECT_EQ(rig.prompts.shown()[0].buttons, PromptButtons::HangUpOrKeepConnected);
    EXPECT_NE(rig.prompts.shown()[0].text.find("Office"), std::string::npos);
    rig.timers.Advance(30'000);
    EXPECT_EQ(rig.Controls(), "Office - connected | cancel hang-up | 300 400");
    EXPECT_EQ(rig.screen.caption, "0.12 DM / 00:01:00 h");
    EXPECT_EQ(rig.machine.Meter().CallFee(), 0.12f);
    rig.prompts.Answer(PromptAnswer::Yes);
    EXPECT_TRUE(rig.machine.MayClose());
    EXPECT_EQ(rig.store.ReadInt("__LOG file", "Anzahl", 0), 0);  // closing accounts it
}

// What a program killed during a call on "Home" left in the journal.
void LeaveJournal(SettingsStore& store, const char* connectTime, int fileLogging,
                  const std::string& section = "__Running call") {
    const char* values[][2] = {{"Entry", "Home"},
                               {"User", "joe"},
                               {"Call fee", "0.36"},
                               {"Connect time", connectTime},
                               {"Alive at", "1996-03-05 08:30:10"}};
    for (const auto& [key, value] : values) {
        store.WriteString(section, key, value);
    }
    store.WriteInt(section, "Filelogging", fileLogging);
}

TEST(ConnectionMachine, TheJournalFollowsEachUnitAndTenSecondsAfterACallLeftByADeadProgram) {
    Rig rig;
    // Another program runs a call in the first journal; a dead one left the second.
    LeaveJournal(rig.store, "1996-03-05 08:00:00", 1);
    rig.lock.HoldElsewhere(1);
    LeaveJournal(rig.store, "1996-03-05 08:00:00", 1, "__Running call #2");
    rig.lock.unavailable = true;  // and for a while no lock can be had at all
    rig.Connect();
    std::vector<int> written;  // seconds into the call
    std::string alive = rig.Read("__Running call #2", "Alive at");
    for (int second = 1; second <= 105; ++second) {
        rig.lock.unavailable = second < 6;
        rig.timers.Advance(1000);
        if (rig.Read("__Running call #2", "Alive at") != alive) {
            alive = rig.Read("__Running call #2", "Alive at");
            written.push_back(second);
        }
    }
    // The call left behind was accounted before this one took its place.
    EXPECT_EQ(rig.Read("Home", "Total costs"), "0.36");
    EXPECT_EQ(rig.Read("__LOG file", "To #1"), "05.03. 08:30 h");
    // The second unit falls due 91 s in.
    EXPECT_EQ(written, (std::vector<int>{6, 16, 26, 36, 46, 56, 66, 76, 86, 91, 101}));
    EXPECT_EQ(rig.Read("__Running call #2", "Call fee"), "0.24");
    EXPECT_EQ(rig.Read("__Running call", "Alive at"), "1996-03-05 08:30:10");
    EXPECT_TRUE(rig.lock.Held(2));
}

TEST(ConnectionMachine, AtStartUpALeftCallIsOnlyRemovedWhenCostManagementWasOff) {
    Rig rig;
    LeaveJournal(rig.store, "1996-03-05 08:00:00", 0);
    testing::internal::CaptureStderr();
    rig.machine.RecoverCall();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "was not accounted, as cost management was off"),
              std::string::npos);
    EXPECT_EQ(rig.Read("Home", "Total costs") + rig.Read("__LOG file", "Entry #1"), "--");
    EXPECT_FALSE(rig.store.HasValue("__Running call", "Entry"));
    EXPECT_FALSE(rig.lock.HeldAny());
    EXPECT_TRUE(rig.prompts.shown().empty());
}

// The store fails to commit from the moment the line drops: the call on
// "Office", with "Close after disconnect" on.
struct FailedSave : ::testing::Test {
    void DropWhileFailing() {
        rig.store.FailCommits(-1);
        testing::internal::CaptureStderr();
        rig.dialer.DropLine();
        rig.timers.Advance(1000);
        said = testing::internal::GetCapturedStderr();
    }
    int Logged() const { return rig.store.ReadInt("__LOG file", "Anzahl", 0); }

    Rig rig;
    std::string said;
};

TEST_F(FailedSave, IsShownOnceBeforeTheSheetClosesAndCommittedEveryThirtySecondsUntilItSucceeds) {
    rig.store.WriteInt("All entries", "Close after disconnect", 1);
    rig.Connect();
    rig.timers.Advance(100'000);  // 0.24
    DropWhileFailing();
    EXPECT_NE(said.find("varnolt: The costs of the call on Office (0.24 DM) could not be saved"),
              std::string::npos)
        << said;
    ASSERT_EQ(rig.prompts.shown().size(), 1u);
    EXPECT_EQ(rig.prompts.shown()[0].text.find("The costs of the call on Office (0.24 DM)"), 0u);
    EXPECT_EQ(rig.screen.steps, (Strings{"minimise", "restore", "close"}));
    EXPECT_EQ(rig.screen.boxesBeforeClose, 1);
    EXPECT_EQ(rig.Read("Office", "Total costs") + rig.Read("__Running call", "Entry"), "-Office");
    EXPECT_TRUE(rig.lock.Held(1));

    // The first retry fails too; a new call meanwhile keeps a journal of its own.
    rig.timers.Advance(30'000);
    EXPECT_EQ(rig.Read("Office", "Total costs"), "-");
    rig.timers.Advance(29'000);
    rig.store.FailCommits(0);
    rig.Connect();
    EXPECT_EQ(rig.Read("__Running call #2", "Entry"), "Office");
    EXPECT_EQ(rig.Read("Office", "Total costs"), "-");
    rig.timers.Advance(1000);
    EXPECT_EQ(rig.Read("Office", "Total costs"), "0.24");
    EXPECT_EQ(Logged(), 1);
    EXPECT_FALSE(rig.store.HasValue("__Running call", "Entry"));
    EXPECT_FALSE(rig.lock.Held(1));
    EXPECT_EQ(std::count(rig.host.sent.begin(), rig.host.sent.end(),
                         RecordingSheetHost::Sent{WM_RELOAD_LOG, 0}),
              1);
    rig.timers.Advance(60'000);
    EXPECT_EQ(Logged(), 1);
    EXPECT_FALSE(rig.timers.IsRunning(ConnectionMachine::kSaveRetryTimer));
    EXPECT_EQ(rig.prompts.shown().size(), 1u);
}

// A full disk from 10 s into a long call: the journal stops at the first unit.
TEST_F(FailedSave, WhenTheProgramEndsFirstTheNextStartAccountsTheLastJournalAndSaysItMayBeShort) {
    rig.Connect();
    rig.timers.Advance(10'000);
    rig.store.FailCommits(-1);
    rig.timers.Advance(590'000);                // seven units: 0.84
    ASSERT_EQ(rig.prompts.shown().size(), 1u);  // once, for the first failed write
    EXPECT_EQ(rig.prompts.shown()[0].text.find("The running call on Office could not be written"),
              0u);
    DropWhileFailing();
    EXPECT_NE(said.find("Office (0.84 DM) could not be saved"), std::string::npos) << said;
    EXPECT_EQ(rig.prompts.shown().size(), 2u);
    testing::internal::CaptureStderr();
    rig.machine.ProgramEnds();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "the next start accounts the call from its journal"),
              std::string::npos);
    EXPECT_EQ(Logged(), 0);

    rig.lock.Die();
    rig.store.FailCommits(0);
    FakeCallLock next;
    ConnectionMachine started{{rig.store, rig.dialer, rig.clock, rig.timers, rig.locale, rig.screen,
                               rig.shell, rig.prompts, next},
                              {rig.screen, rig.tree, rig.dialogs, rig.host, rig.screen}};
    testing::internal::CaptureStderr();
    started.RecoverCall();
    said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("has been accounted: 0.12; this fee is the one last saved and may be short "
                        "of the real one"),
              std::string::npos)
        << said;
    EXPECT_EQ(rig.Read("Office", "Total costs"), "0.12");
    EXPECT_EQ(Logged(), 1);
    EXPECT_FALSE(rig.store.HasValue("__Running call", "Entry"));
}

TEST(ConnectionMachine, OnlyTheCurrentDialIsHeard) {
    Rig rig;
    // A previous program left "connected" and an error in the store, which no dial reads.
    rig.store.WriteInt("All entries", "Extended Status", 1);
    rig.store.WriteInt("All entries", "Status", ras::kErrorDisconnection);
    rig.dialer.ScriptDial(ras::kPending, {});
    rig.machine.Dial("Office");
    rig.timers.Advance(2000);
    EXPECT_EQ(rig.machine.CurrentState(), ConnectionMachine::State::Dialing);

    // The sheet's command ends an attempt like Cancel; a late word from that
    // attempt is not heard by the next one.
    rig.machine.MenuHangUp();
    EXPECT_EQ(rig.Controls(), kIdle);
    rig.dialer.ScriptDial(ras::kPending, {});
    rig.machine.Dial("Office");
    const auto& late = rig.dialer.dials()[0];
    late.notify(late.handle, ras::kStateConnected, 0);
    rig.timers.Advance(1000);
    late.notify(late.handle, 0, ras::kErrorLineBusy);
    rig.timers.Advance(1000);
    EXPECT_EQ(rig.Controls(),
              "Office - process waiting - authentication running | cancel hang-up | 100");
}

TEST(ConnectionMachine, AProviderTriesItsEntriesInTurnFourSecondsApartUntilCancelled) {
    Rig rig;
    for (const char* entry : {"E1", "E2", "E3"}) {
        rig.dialer.AddEntry(entry, std::string("u") + entry, "pw", true);
    }
    rig.MakeProvider("Net", {"E1", "E2", "E3"});
    for (int i = 0; i < 5; ++i) {
        rig.dialer.ScriptFailure(ras::kErrorLineBusy);
    }
    // "&Dial" on a provider hands it to provider dialing.
    PhonebookTreeLogic tree{rig.store, rig.dialer, rig.locale, rig.host, rig.tree};
    rig.machine.InstallInto(tree);
    tree.PressDial({"Net", "Provider", "Varnolt", {}, RootChild::None});
    for (const std::string next : {"E2 as uE2", "E3 as uE3", "E1 as uE1"}) {
        SCOPED_TRACE(next);
        rig.ReportMember();
        EXPECT_EQ(rig.Controls(), "System reports ERROR Code [676] | cancel hang-up | 600");
        EXPECT_EQ(rig.screen.progressMax, 2);
        rig.screen.positions.clear();
        ASSERT_EQ(rig.TicksUntilRedial(), 4);
        EXPECT_EQ(rig.screen.positions, (std::vector<int>{1, 2, 2, 0}));
        EXPECT_EQ(rig.Dialed().back(), next);
    }

    // Cancelled two ticks into a pause: the next provider dial pauses afresh.
    rig.ReportMember();
    rig.timers.Advance(2000);
    rig.machine.HangUp();
    EXPECT_EQ(rig.Controls(), kIdle);
    rig.timers.Advance(10'000);
    EXPECT_EQ(rig.dialer.dials().size(), 4u);
    rig.machine.DialProvider("Net");
    rig.ReportMember();
    EXPECT_EQ(rig.TicksUntilRedial(), 4);

    // Cancelled while its second entry is dialed: the next dial starts at the first.
    EXPECT_EQ(rig.Dialed().back(), "E2 as uE2");
    rig.machine.HangUp();
    rig.machine.DialProvider("Net");
    EXPECT_EQ(rig.Dialed().back(), "E1 as uE1");
}

TEST(ConnectionMachine, AProviderDialEndsIdleWhenAnEntryCannotBeDialed) {
    const std::string noPassword = "First you have to save the password for phonebook entry '";
    struct Case {
        int count;
        Strings members;
        std::string message;  // empty: the dial itself fails at once
        std::string controls;
    };
    const Case cases[] = {
        // Refused before any dial.
        {2, {"Office", "Home"}, noPassword + "Home' !", kIdle},  // no password stored
        {0, {"Office"}, ProviderList::kNoEntriesText, kIdle},
        {1, {"Office"}, "", "ERROR #633 'Scripted error 633' | dial |"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.controls + c.message);
        Rig rig;
        rig.dialer.ScriptDial(633, {});
        rig.store.WriteInt("Provider P", "How much entries", c.count);
        for (std::size_t i = 0; i < c.members.size(); ++i) {
            rig.store.WriteString("Provider P", "Phonebook #" + std::to_string(i + 1),
                                  c.members[i]);
        }
        rig.machine.DialProvider("P");
        rig.timers.Advance(10'000);
        EXPECT_EQ(rig.Controls(), c.controls);
        EXPECT_EQ(rig.dialer.dials().size(), c.message.empty() ? 1u : 0u);
        for (const ScriptedPrompts::Shown& shown : rig.prompts.shown()) {
            EXPECT_EQ(shown.text, c.message);
            EXPECT_EQ(shown.title, "Error...");
            EXPECT_EQ(shown.icon, PromptIcon::Stop);
        }
        EXPECT_EQ(rig.prompts.shown().size(), c.message.empty() ? 0u : 1u);
    }
}

TEST(ConnectionMachine, AStoreThatCannotBeWrittenStillDialsAndMetersTheCall) {
    Rig rig;
    rig.store.FailWrites(true);
    rig.Connect();
    EXPECT_EQ(rig.Controls(), "Office - connected | cancel hang-up | 300");
    rig.timers.Advance(60'000);
    EXPECT_EQ(rig.screen.caption, "0.12 DM / 00:01:00 h");

    // Its accounting fails in the open, naming the entry and the fee.
    rig.dialer.DropLine();
    rig.timers.Advance(1000);
    EXPECT_EQ(rig.Controls(), kIdle);
    ASSERT_FALSE(rig.prompts.shown().empty());
    EXPECT_NE(rig.prompts.shown().back().text.find("Office (0.12 DM) could not be saved"),
              std::string::npos);
}

TEST(ConnectionMachine, AProviderCallIsAccountedUnderTheEntryThatConnected) {
    Rig rig;
    rig.dialer.AddEntry("E2", "bob", "pw2", true);
    rig.tree.ShowTree(PhonebookTreeBuilder(rig.dialer, rig.store, rig.locale).Build());
    // Created by another program after the tree was built.
    rig.dialer.AddEntry("E1", "ann", "pw1", true);
    rig.MakeProvider("A", {"E2", "E1"});
    rig.dialer.ScriptFailure(ras::kErrorNoAnswer);
    rig.dialer.ScriptConnect();
    rig.machine.DialProvider("A");
    rig.ReportMember();
    rig.timers.Advance(4000);
    rig.ReportMember();
    EXPECT_EQ(rig.Dialed(), (Strings{"E2 as bob", "E1 as ann"}));
    EXPECT_EQ(rig.Controls(), "E1 - connected | cancel hang-up | 300");
    rig.timers.Advance(60'000);
    EXPECT_EQ(rig.screen.caption, "0.12 DM / 00:01:00 h");
    EXPECT_EQ(rig.Read("__Running call", "Entry") + " " + rig.Read("__Running call", "User"),
              "E1 ann");
    rig.dialer.DropLine();
    rig.timers.Advance(1000);

    EXPECT_FALSE(ReadCallJournal(rig.store));
    EXPECT_EQ(rig.Read("E1", "Total costs") + rig.Read("E2", "Total costs"), "0.12-");
    EXPECT_EQ(rig.Read("__LOG file", "Entry #1") + " " + rig.Read("__LOG file", "User #1"),
              "E1 ann");
    const std::string shown = RecordingTreeView::Outline(rig.tree.tree);
    EXPECT_NE(shown.find("Overall call-fee indicator\n  Costs: 0.12 DM"), std::string::npos);
    EXPECT_EQ(shown.find("E1"), std::string::npos);
    EXPECT_EQ(rig.Controls(), kIdle);
    EXPECT_EQ(rig.screen.steps, (Strings{"minimise", "restore"}));
}
}  // namespace
}  // namespace varnolt::test
