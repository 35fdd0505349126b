#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingShell.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "ScriptedDialogs.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "connection/PhonebookTreeBuilder.h"
#include "platform/Sound.h"

namespace varnolt::test {
namespace {

using State = ConnectionMachine::State;
using Strings = std::vector<std::string>;
constexpr const char* kTitle = "Varnolt 0.63 NT [Beta]";

// The page's controls and the sheet's window as the machine leaves them.
struct Screen final : ConnectionView, SheetWindow {
    void ShowStatus(const std::string& text) override { status = text; }
    void SetProgressRange(int maximum) override { progressMax = maximum; }
    void SetProgress(int position) override { positions.push_back(position); }
    void EnableDialing(bool enable) override { dialing = enable; }
    void EnableCancel(bool enable) override { cancel = enable; }
    void SetCaption(const std::string& text) override { caption = text; }
    void RestoreSheet() override { window.push_back("restore"); }
    void MinimizeSheet() override { window.push_back("minimise"); }
    void CloseSheetLater() override { window.push_back("close"); }

    std::string status = ConnectionMachine::kIdleText;
    int progressMax = 10;
    std::vector<int> positions;
    bool dialing = true;
    bool cancel = false;
    std::string caption = kTitle;
    Strings window;
};

struct RecordingSound final : Sound {
    void PlayWave(const std::string& path) override {
        played.push_back(path);
        if (onPlay) {
            onPlay();
        }
    }
    Strings played;
    std::function<void()> onPlay;
};

// One Phonebook page's worth of connection on fake time, with the scripted
// dialer: "Office" has a stored password, "Home" has none.
struct Rig {
    Rig() {
        dialer.AddEntry("Office", "jane", "secret", true);
        dialer.AddEntry("Home", "joe");
        clock.SetLocal(1996, 3, 5, 9, 7, 15);  // a Tuesday: 90 s units on the City scale
        host.onNotification = [this](unsigned message, int) {
            if (message == WM_RELOAD_PHONEBOOK) {
                tree.ShowTree(PhonebookTreeBuilder(dialer, store, locale).Build());
            }
        };
    }

    // The service reports everything scripted; the next watch tick sees it.
    void Report() {
        dialer.DeliverAll();
        timers.Advance(ConnectionMachine::kWatchDialMs);
    }
    void Connect(const std::string& entry = "Office") {
        dialer.ScriptConnect();
        machine.Dial(entry);
        Report();
    }
    // Countdown ticks until the next dial goes out (0 when none does).
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
    bool AnyTimerRunning() const {
        for (int id : {100, 200, 300, 400, 500, 600}) {
            if (timers.IsRunning(id)) {
                return true;
            }
        }
        return false;
    }
    int LogCount() const { return store.ReadInt("__LOG file", "Anzahl", 0); }
    // Idle as after Cancel: the tree and "&Dial" back, Cancel and the sheet's
    // command greyed, nothing running.
    void ExpectIdle() const {
        EXPECT_EQ(machine.CurrentState(), State::Idle);
        EXPECT_EQ(screen.status, "no connection established");
        EXPECT_TRUE(screen.dialing);
        EXPECT_FALSE(screen.cancel);
        EXPECT_FALSE(host.hangUpEnabled.back());
        EXPECT_FALSE(AnyTimerRunning());
    }

    ScopedTimeZone utc{"UTC"};
    MemorySettingsStore store;
    FakeClock clock;
    FakeTimers timers{clock};
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingSound sound;
    RecordingShell shell;
    RecordingTreeView tree;
    ScriptedDialogs dialogs;
    RecordingSheetHost host;
    Screen screen;
    ConnectionMachine machine{{store, dialer, clock, timers, locale, sound, shell},
                              {screen, tree, dialogs, host, screen}};
};

TEST(ConnectionMachine, DialAsksOnlyForWhatTheServiceDoesNotHold) {
    struct Case {
        const char* name;
        const char* entry;
        std::optional<DialCredentials> answer;  // nullopt: the dialog is cancelled
        bool asked;
        std::optional<RasDialParams> dialed;  // nullopt: nothing is dialed
        Strings treeLog;
        bool storedAfter;
    };
    const Case cases[] = {
        {"stored password",
         "Office",
         std::nullopt,
         false,
         RasDialParams{"jane", "secret"},
         {},
         true},
        {"remembered",
         "Home",
         DialCredentials{"joe", "pw", true},
         true,
         RasDialParams{"joe", "pw"},
         {"login Home 0: User: joe", "login Home 1: Password: *****"},
         true},
        // The removed password no longer shows as stored.
        {"not remembered",
         "Home",
         DialCredentials{"ann", "pw", false},
         true,
         RasDialParams{"ann", "pw"},
         {"login Home 0: User: ann", "login Home 1: Password: <no password defined>"},
         false},
        {"dialog cancelled", "Home", std::nullopt, true, std::nullopt, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.dialogs.dialResults.push_back(c.answer);
        rig.machine.Dial(c.entry);

        if (c.asked) {
            ASSERT_EQ(rig.dialogs.dialOpened.size(), 1u);
            EXPECT_EQ(rig.dialogs.dialOpened[0].first, "Home");
            EXPECT_EQ(rig.dialogs.dialOpened[0].second, (DialCredentials{"joe", "", false}));
        } else {
            EXPECT_TRUE(rig.dialogs.dialOpened.empty());
        }
        EXPECT_EQ(rig.tree.log, c.treeLog);
        RasDialParams params;
        bool stored = false;
        rig.dialer.GetEntryDialParams(c.entry, params, stored);
        EXPECT_EQ(stored, c.storedAfter);
        if (!c.dialed) {
            EXPECT_TRUE(rig.dialer.dials().empty());
            rig.ExpectIdle();
            continue;
        }
        ASSERT_EQ(rig.dialer.dials().size(), 1u);
        EXPECT_EQ(rig.dialer.dials()[0].entryName, c.entry);
        EXPECT_EQ(rig.dialer.dials()[0].params.userName, c.dialed->userName);
        EXPECT_EQ(rig.dialer.dials()[0].params.password, c.dialed->password);
        EXPECT_EQ(rig.machine.CurrentState(), State::Dialing);
        EXPECT_FALSE(rig.screen.dialing);
        EXPECT_TRUE(rig.screen.cancel);
        EXPECT_EQ(rig.host.hangUpEnabled, (std::vector<bool>{true}));
        rig.timers.Advance(250);
        EXPECT_EQ(rig.screen.status,
                  std::string(c.entry) + " - process waiting - authentication running");
    }
}

TEST(ConnectionMachine, AnImmediateFailureLeavesOnlyCancelToPress) {
    Rig rig;
    rig.dialer.ScriptDial(633, {});
    rig.machine.Dial("Office");
    EXPECT_EQ(rig.screen.status, "ERROR #633 'Scripted error 633'");
    // The handle it returned is hung up all the same; nothing is redialed.
    EXPECT_EQ(rig.dialer.hangUps(), (std::vector<RasHandle>{rig.dialer.dials()[0].handle}));
    EXPECT_TRUE(rig.screen.dialing);
    EXPECT_TRUE(rig.screen.cancel);
    EXPECT_TRUE(rig.host.hangUpEnabled.back());
    EXPECT_FALSE(rig.AnyTimerRunning());

    rig.machine.HangUp();  // Cancel
    rig.ExpectIdle();
    EXPECT_EQ(rig.dialer.dials().size(), 1u);
}

TEST(ConnectionMachine, AReportedFailureCountsDownAndRedialsTheSameEntryWithoutLimit) {
    Rig rig;
    for (int i = 0; i < 5; ++i) {
        rig.dialer.ScriptFailure(ras::kErrorNoAnswer);
    }
    rig.machine.Dial("Office");
    for (int failure = 1; failure <= 3; ++failure) {
        SCOPED_TRACE(failure);
        rig.Report();
        EXPECT_EQ(rig.screen.status, "System reports ERROR Code [678]");
        EXPECT_EQ(rig.dialer.hangUps().back(), rig.dialer.dials().back().handle);
        EXPECT_EQ(rig.machine.CurrentState(), State::Countdown);
        EXPECT_EQ(rig.screen.progressMax, 10);
        rig.screen.positions.clear();
        // 1 to 10 on the bar (the count itself reaches 11), the dial on the 12th tick.
        ASSERT_EQ(rig.TicksUntilRedial(), 12);
        EXPECT_EQ(rig.screen.positions, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 0}));
        EXPECT_EQ(rig.dialer.dials().back().entryName, "Office");
    }

    // Cancel in the middle of a countdown; the next one starts from 0.
    rig.Report();
    rig.timers.Advance(3000);
    rig.machine.HangUp();
    rig.ExpectIdle();
    EXPECT_EQ(rig.screen.positions.back(), 0);
    rig.machine.Dial("Office");
    rig.Report();
    rig.screen.positions.clear();
    EXPECT_EQ(rig.TicksUntilRedial(), 12);
    EXPECT_EQ(rig.screen.positions.front(), 1);
}

TEST(ConnectionMachine, AHandEditedRedialDelayCountsAsItsNearestBound) {
    const std::pair<int, int> cases[] = {{7, 7}, {0, 1}, {-5, 1}, {5000, 3600}};
    for (const auto& [stored, delay] : cases) {
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
    rig.store.WriteString("All entries", "Sound", "/sounds/connect.wav");
    rig.store.WriteInt("Office", "Autolaunch", 2);
    rig.store.WriteString("Office Autolaunch #1", "Path", "/bin/mail");
    rig.store.WriteString("Office Autolaunch #2", "Path", "/srv");
    rig.store.WriteInt("Office Autolaunch #2", "Startup", 3);
    std::size_t launchedBeforeSound = 99;
    rig.sound.onPlay = [&] { launchedBeforeSound = rig.shell.calls.size(); };
    rig.tree.ShowTree(PhonebookTreeBuilder(rig.dialer, rig.store, rig.locale).Build());

    rig.Connect();
    EXPECT_TRUE(rig.machine.IsConnected());
    EXPECT_EQ(rig.screen.window, (Strings{"minimise"}));
    EXPECT_EQ(rig.machine.Meter().CallFee(), 0.12f);
    EXPECT_EQ(rig.screen.status, "Office - connected");
    EXPECT_EQ(rig.sound.played, (Strings{"/sounds/connect.wav"}));
    EXPECT_EQ(launchedBeforeSound, 0u);
    EXPECT_EQ(rig.shell.calls, (std::vector<RecordingShell::Call>{
                                   {"/bin/mail", ShellVerb::Open, ShowWindow::Normal},
                                   {"/srv", ShellVerb::Explore, ShowWindow::Maximized}}));
    rig.timers.Advance(60'000);
    EXPECT_EQ(rig.screen.caption, "0.12 DM / 00:01:00 h");

    // Delete LOG rebuilds the tree; the call finds its entry by name.
    CConnectionLog(rig.store, rig.locale, rig.dialer, rig.host).Clear();
    rig.timers.Advance(40'000);  // the second unit falls due 91 s in
    const RasHandle handle = rig.dialer.dials().back().handle;
    rig.dialer.DropLine();
    rig.timers.Advance(1000);

    EXPECT_EQ(rig.store.ReadString("Office", "Total costs", ""), "0.24");
    EXPECT_EQ(rig.store.ReadString("All entries", "Total costs", ""), "0.24");
    EXPECT_EQ(rig.store.ReadString("Office", "Last connect", ""), "05.03.1996 at 09:07:15 h");
    EXPECT_EQ(rig.LogCount(), 1);
    EXPECT_EQ(rig.store.ReadString("__LOG file", "User #1", ""), "jane");
    // The rebuilt tree shows the new totals of Office and of all entries.
    const std::string shown = RecordingTreeView::Outline(rig.tree.tree);
    EXPECT_NE(shown.find("Costs: 0.24 DM\n  Last connect: 05.03.1996"), std::string::npos);
    EXPECT_NE(shown.find("Costs: 0.24 DM\n    Last connect: 05.03.1996"), std::string::npos);
    // The dropped line is released, the window and the caption come back.
    EXPECT_EQ(rig.dialer.hangUps(), (std::vector<RasHandle>{handle}));
    EXPECT_EQ(rig.screen.caption, kTitle);
    EXPECT_EQ(rig.screen.window, (Strings{"minimise", "restore"}));
    EXPECT_EQ(rig.machine.Meter().CallFee(), 0.0f);
    rig.ExpectIdle();
}

TEST(ConnectionMachine, HowACallEndsDecidesWhetherItIsAccounted) {
    enum class End { Drop, MenuHangUp, Cancel };
    struct Case {
        const char* name;
        End end;
        int fileLogging;
        int closeAfter;
        bool accounted;
        Strings window;
    };
    const Case cases[] = {
        {"line dropped", End::Drop, 1, 0, true, {"minimise", "restore"}},
        {"cost management off", End::Drop, 0, 0, false, {"minimise", "restore"}},
        {"close after disconnect", End::Drop, 1, 1, true, {"minimise", "restore", "close"}},
        {"sheet's hang-up command", End::MenuHangUp, 1, 0, true, {"minimise", "restore"}},
        // Cancel and the sheet's closing: the window is left as it is.
        {"Cancel", End::Cancel, 1, 1, false, {"minimise"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.store.WriteInt("All entries", "Filelogging", c.fileLogging);
        rig.store.WriteInt("All entries", "Close after disconnect", c.closeAfter);
        rig.Connect();
        rig.timers.Advance(10'000);
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
        }
        rig.ExpectIdle();
        rig.timers.Advance(10'000);
        EXPECT_EQ(rig.LogCount(), c.accounted ? 1 : 0);
        EXPECT_EQ(rig.store.ReadString("Office", "Total costs", "none"),
                  c.accounted ? "0.12" : "none");
        EXPECT_EQ(rig.dialer.hangUps().size(), 1u);
        EXPECT_EQ(rig.screen.caption, kTitle);
        EXPECT_EQ(rig.screen.window, c.window);
    }
}

TEST(ConnectionMachine, TheConnectSoundPlaysOnlyForAFileName) {
    const std::pair<const char*, bool> cases[] = {
        {"/a.wav", true}, {"<no>", false}, {"", false}, {nullptr, false}};
    for (const auto& [sound, plays] : cases) {
        SCOPED_TRACE(sound ? sound : "missing");
        Rig rig;
        if (sound != nullptr) {
            rig.store.WriteString("All entries", "Sound", sound);
        }
        rig.Connect();
        EXPECT_EQ(rig.sound.played.size(), plays ? 1u : 0u);
    }
}

TEST(ConnectionMachine, OnlyTheCurrentDialIsHeard) {
    Rig rig;
    // A previous call left "connected" and an error behind.
    rig.store.WriteInt("All entries", "Extended Status", 1);
    rig.store.WriteInt("All entries", "Status", ras::kErrorDisconnection);
    rig.dialer.ScriptDial(ras::kPending, {});
    rig.machine.Dial("Office");
    rig.timers.Advance(2000);
    EXPECT_EQ(rig.machine.CurrentState(), State::Dialing);

    // The sheet's hang-up command ends an attempt like Cancel; a late word
    // from that attempt is not heard by the next one.
    rig.machine.MenuHangUp();
    rig.ExpectIdle();
    rig.dialer.ScriptDial(ras::kPending, {});
    rig.machine.Dial("Office");
    const auto& late = rig.dialer.dials()[0];
    late.notify(late.handle, ras::kStateConnected, 0);
    rig.timers.Advance(1000);
    late.notify(late.handle, 0, ras::kErrorLineBusy);
    rig.timers.Advance(1000);
    EXPECT_EQ(rig.machine.CurrentState(), State::Dialing);
    EXPECT_TRUE(rig.screen.window.empty());
    EXPECT_EQ(rig.dialer.dials().size(), 2u);
}

}  // namespace
}  // namespace varnolt::test
