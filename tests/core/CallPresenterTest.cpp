#include <gtest/gtest.h>

#include <algorithm>

#include "FakeCallLock.h"
#include "MemorySettingsStore.h"
#include "MeteredCall.h"
#include "QuietScreen.h"
#include "RecordingNotifier.h"
#include "RecordingShell.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "meter/CallMeterTexts.h"
#include "meter/CallPresenter.h"
#include "meter/CallWindowPlace.h"
#include "meter/CallWindowView.h"
#include "platform/Sound.h"

namespace varnolt {

void PrintTo(const CallMeterTexts& t, std::ostream* out) {
    *out << t.entry << " | " << t.since << " | " << t.duration << " | " << t.units << " | " << t.fee
         << " | " << t.unitPrice << " | " << t.cycle;
}

namespace test {
namespace {

using Strings = std::vector<std::string>;

TEST(CallMeterTexts, FollowTheMetersOwnValuesSecondBySecond) {
    struct Case {
        std::int64_t ms;  // into the call
        CallMeterTexts texts;
    };
    const std::string since = "05.03.1996 at 09:07:15 h";
    // A Tuesday morning on the default City scale: 0.12 DM every 90 s.
    MeteredCall call;
    call.BeginAt("Office", 1996, 3, 5, 9, 7, 15);
    std::int64_t at = 0;
    for (const Case& c : {
             Case{0, {"Office", since, "00:00:00 h", "1", "0.12 DM", "0.12 DM", "90 s"}},
             Case{5'000, {"Office", since, "00:00:05 h", "1", "0.12 DM", "0.12 DM", "90 s"}},
             Case{95'000, {"Office", since, "00:01:35 h", "2", "0.24 DM", "0.12 DM", "90 s"}},
         }) {
        SCOPED_TRACE(c.ms);
        call.Advance(c.ms - at);
        at = c.ms;
        EXPECT_EQ(MakeCallMeterTexts(call.meter, "DM"), c.texts);
    }
    EXPECT_EQ(CycleText(90'000) + "|" + CycleText(1'500) + "|" + CycleText(0), "90 s|1.50 s|-");
    EXPECT_EQ(ByteCountText(999) + "|" + ByteCountText(1'000) + "|" + ByteCountText(1'250'000) +
                  "|" + ByteCountText(UINT64_MAX),
              "999 B|1.00 kB|1.25 MB|18.45 EB");
}

TEST(CallWindowPlace, IsKeptOnlyWhole) {
    MemorySettingsStore store;
    EXPECT_EQ(ReadCallWindowPlace(store), std::nullopt);
    store.WriteInt("Call window", "X", 40);
    EXPECT_EQ(ReadCallWindowPlace(store), std::nullopt);
    WriteCallWindowPlace(store, {-1200, 35});
    EXPECT_EQ(ReadCallWindowPlace(store), (CallWindowPlace{-1200, 35}));
}

// The call window as "open Office 00:00:00 h" / "update ..." / "close".
struct RecordingWindow final : CallWindowView {
    void ShowCall(const CallMeterTexts& t) override { steps.push_back("open " + Line(t)); }
    void UpdateCall(const CallMeterTexts& t) override { steps.push_back("update " + Line(t)); }
    void ShowMessage(const std::string& text) override { steps.push_back("message " + text); }
    void CloseCall() override { steps.push_back("close"); }
    static std::string Line(const CallMeterTexts& t) {
        std::string line = t.entry + " " + t.duration + " " + t.units + " " + t.fee;
        return t.sent.empty() ? line : line + " " + t.sent + " " + t.received;
    }
    Strings steps;
};

// A connection on fake time with the presenter listening; "Office" dials
// without asking and meters 0.12 DM every 90 s.
struct Rig {
    Rig() {
        dialer.AddEntry("Office", "jane", "secret", true);
        clock.SetLocal(1996, 3, 5, 9, 7, 15);
        machine.SetCallObserver(&presenter);
    }
    void Report() {
        dialer.DeliverAll();
        timers.Advance(ConnectionMachine::kWatchDialMs);
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
    QuietScreen quiet;
    FakeCallLock lock;
    RecordingNotifier notifier;
    RecordingWindow window;
    CallPresenter presenter{store, locale, notifier, window};
    ConnectionMachine machine{{store, dialer, clock, timers, locale, quiet, shell, prompts, lock},
                              {quiet, tree, dialogs, host, quiet}};
};

TEST(CallPresenter, NotifiesEachMomentOnceWithItsText) {
    struct Step {
        const char* what;
        std::function<void(Rig&)> act;
        Strings notifications;  // sent by this step
    };
    const std::vector<Step> steps = {
        {"a busy line",
         [](Rig& r) {
             r.dialer.ScriptFailure(676);
             r.machine.Dial("Office");
             r.Report();
         },
         {"Dialing again: attempt 2 | Scripted error 676 (ERROR Code 676)"}},
        {"the redial connects",
         [](Rig& r) {
             r.dialer.ScriptConnect();
             r.timers.Advance(12'000);
             r.Report();
         },
         {"Office - connected | Unit price: 0.12 DM per 90 s"}},
        {"a minute and a half", [](Rig& r) { r.timers.Advance(95'000); }, {}},
        {"the line drops",
         [](Rig& r) {
             r.dialer.DropLine();
             r.timers.Advance(1000);
         },
         {"Office - call ended | Duration: 00:01:36 h, fee: 0.24 DM"}},
        {"ended once more",
         [](Rig& r) {
             r.machine.MenuHangUp();
             r.presenter.Ended("Office", 96, 0.24f);
         },
         {}},
        {"a save fails",
         [](Rig& r) { r.presenter.SaveFailed("disk full"); },
         {"The call could not be saved | disk full"}},
    };
    Rig rig;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        rig.notifier.sent.clear();
        step.act(rig);
        EXPECT_EQ(rig.notifier.sent, step.notifications);
    }
}

TEST(CallPresenter, TheWindowFollowsTheCallWhenTheOptionIsOn) {
    for (int option : {1, 0}) {
        SCOPED_TRACE(option);
        Rig rig;
        if (option == 0) {
            rig.store.WriteInt("All entries", "Show call meter window", 0);
        }
        rig.dialer.ScriptConnect();
        rig.machine.Dial("Office");
        rig.Report();
        rig.timers.Advance(2000);
        rig.machine.MenuHangUp();
        const Strings shown = {"open Office 00:00:00 h 1 0.12 DM",
                               "update Office 00:00:01 h 1 0.12 DM",
                               "update Office 00:00:02 h 1 0.12 DM", "close"};
        EXPECT_EQ(rig.window.steps, option == 1 ? shown : Strings{});
        EXPECT_EQ(rig.notifier.sent.size(), 2u);
    }
}

TEST(CallPresenter, TheWindowShowsTheBytesOnlyWhereTheServiceCountsThem) {
    for (const std::optional<TrafficBytes>& traffic :
         {std::optional<TrafficBytes>{}, std::optional<TrafficBytes>{{1'500, 2'000'000}}}) {
        Rig rig;
        rig.dialer.traffic = traffic;
        rig.dialer.ScriptConnect();
        rig.machine.Dial("Office");
        rig.Report();
        rig.timers.Advance(1000);
        EXPECT_EQ(rig.window.steps.back(),
                  traffic ? "update Office 00:00:01 h 1 0.12 DM 1.50 kB 2.00 MB"
                          : "update Office 00:00:01 h 1 0.12 DM");
    }
}

// 0.12 DM every 90 s from the first second, 400 s into a call: units at 0, 91, 181, 271, 361 s.
TEST(CallPresenter, TellsOfACallLimitOnceAndHangsUpBeforeItWhenAsked) {
    struct Case {
        const char* limit;
        int hangUp;
        Strings notifications;  // after "connected"
        int fileLogging = 1;
    };
    const std::string passed = "Call limit reached | The call has cost more than ";
    const std::string ended = "Office - call ended | Duration: ";
    for (const Case& c : {
             Case{"0.30", 0, {passed + "0.30 DM"}},
             Case{"0.30", 1, {ended + "00:03:01 h, fee: 0.24 DM"}},
             Case{"0.36", 1, {ended + "00:04:31 h, fee: 0.36 DM"}},
             Case{"0.00", 0, {passed + "0.00 DM"}},
             Case{"", 1, {}},
             Case{"1,5", 1, {}},
             Case{"-1.00", 1, {}},
             Case{"1e99", 1, {}},
             Case{"0.05", 1, {}, 0},  // nothing metered, nothing limited
         }) {
        SCOPED_TRACE(std::string(c.limit) + " " + std::to_string(c.hangUp));
        Rig rig;
        rig.store.WriteString("All entries", "Call limit", c.limit);
        rig.store.WriteInt("All entries", "Hang up at call limit", c.hangUp);
        rig.store.WriteInt("All entries", "Filelogging", c.fileLogging);
        rig.dialer.ScriptConnect();
        rig.machine.Dial("Office");
        rig.Report();
        rig.timers.Advance(400'000);
        ASSERT_FALSE(rig.notifier.sent.empty());
        const Strings after(rig.notifier.sent.begin() + 1, rig.notifier.sent.end());
        EXPECT_EQ(after, c.notifications);
        EXPECT_EQ(rig.machine.IsConnected(), c.hangUp == 0 || c.notifications.empty());
    }
}

// 0.12 DM every 90 s until 18:00, when the new period charges a unit at once.
TEST(CallPresenter, TheFirstUnitOfANewPeriodIsHeldToTheCallLimit) {
    for (int hangUp : {0, 1}) {
        SCOPED_TRACE(hangUp);
        Rig rig;
        rig.clock.SetLocal(1996, 3, 5, 17, 58, 0);
        rig.store.WriteString("All entries", "Call limit", "0.30");
        rig.store.WriteInt("All entries", "Hang up at call limit", hangUp);
        rig.dialer.ScriptConnect();
        rig.machine.Dial("Office");
        rig.Report();
        rig.timers.Advance(125'000);  // just past 18:00, long before the next cycle's unit
        EXPECT_EQ(rig.notifier.sent.back(),
                  hangUp == 0 ? "Call limit reached | The call has cost more than 0.30 DM"
                              : "Office - call ended | Duration: 00:02:01 h, fee: 0.24 DM");
        EXPECT_EQ(rig.machine.IsConnected(), hangUp == 0);
    }
}

TEST(CallPresenter, TellsOfTheMonthLimitOnceCountingThisMonthsLog) {
    Rig rig;
    // Logged a year ago in March (5.00) and this March (1.00).
    const Strings from = {"10.03. 08:00 h", "01.03. 10:00 h"};
    const Strings costs = {"5.00 DM", "1.00 DM"};
    for (int n = 1; n <= 2; ++n) {
        rig.store.WriteString("__LOG file", "From #" + std::to_string(n), from[n - 1]);
        rig.store.WriteString("__LOG file", "Costs #" + std::to_string(n), costs[n - 1]);
    }
    rig.store.WriteInt("__LOG file", "Anzahl", 2);
    rig.store.WriteString("All entries", "Month limit", "1.30");
    rig.dialer.ScriptConnect();
    rig.machine.Dial("Office");
    rig.Report();
    rig.timers.Advance(179'000);
    EXPECT_EQ(rig.notifier.sent.size(), 1u);  // 1.24 DM so far
    rig.timers.Advance(200'000);
    EXPECT_EQ(rig.notifier.sent.back(),
              "Month limit reached | This month's costs have passed 1.30 DM");
    EXPECT_EQ(rig.notifier.sent.size(), 2u);
    EXPECT_EQ(std::count(rig.window.steps.begin(), rig.window.steps.end(),
                         "message This month's costs have passed 1.30 DM"),
              1);
}

}  // namespace
}  // namespace test
}  // namespace varnolt
