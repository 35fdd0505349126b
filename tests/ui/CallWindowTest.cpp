// The call window and the notifications as the program composes them: the
// page's connection on fakes, the window told by it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "RecordingNotifier.h"
#include "RecordingShell.h"
#include "ScriptedDialer.h"
#include "ScriptedPrompts.h"
#include "WidgetLookup.h"
#include "app/CRASSheet.h"
#include "app/ProgramPages.h"
#include "connection/CTreePage.h"
#include "meter/CallDisplay.h"
#include "posix/PosixExportFile.h"
#include "qt/QtSound.h"

namespace varnolt {
namespace {

class CallWindowUi : public ::testing::Test {
protected:
    CallWindowUi() {
        dialer.AddEntry("Office", "jane", "secret", true);
        clock.SetLocal(1996, 3, 5, 9, 7, 15);  // a Tuesday: 0.12 DM every 90 s
    }

    // The line comes up and stays up for `ms`.
    void ConnectFor(std::int64_t ms) {
        dialer.ScriptConnect();
        page->Connection()->Dial("Office");
        dialer.DeliverAll();
        timers.Advance(ConnectionMachine::kWatchDialMs);
        timers.Advance(ms);
    }
    QString Shown(const char* name) const { return test::Child<QLabel>(&window, name)->text(); }

    test::ScopedTimeZone utc{"UTC"};
    test::MemorySettingsStore store;
    test::ScriptedDialer dialer;
    test::FixedLocale locale{"DM"};
    test::ScriptedPrompts prompts;
    test::FakeClock clock;
    test::FakeTimers timers{clock};
    QtSound sound;
    test::RecordingShell shell;
    test::FakeCallLock lock;
    PosixExportFile files;
    CRASSheet sheet{false};
    CTreePage* page = AddProgramPages(
        sheet, {store, dialer, locale, prompts, clock, timers, sound, shell, lock, files, {}, {}});
    test::RecordingNotifier notifier;
    CallDisplay display{store, locale, notifier, *page->Connection()};
    CCallWindow& window = display.Window();
};

TEST_F(CallWindowUi, ShowsTheRunningCallAndItsHangUpEndsAndAccountsIt) {
    ConnectFor(3000);
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QStringList shown = {Shown("callEntry"), Shown("callSince"), Shown("callDuration"),
                               Shown("callUnits"), Shown("callFee"),   Shown("callUnitPrice"),
                               Shown("callCycle")};
    EXPECT_EQ(shown, (QStringList{"Office", "05.03.1996 at 09:07:15 h", "00:00:03 h", "1",
                                  "0.12 DM", "0.12 DM", "90 s"}));
    // With VARNOLT_UI_SHOTS set to a folder, the window is pictured there.
    if (const QString folder = qEnvironmentVariable("VARNOLT_UI_SHOTS"); !folder.isEmpty()) {
        const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1");
        window.grab().save(
            QDir(folder).filePath(scale == "1" ? QStringLiteral("call-window.png")
                                               : QStringLiteral("call-window@%1x.png").arg(scale)));
    }

    window.HangUpButton()->click();
    EXPECT_FALSE(page->IsConnected());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(store.ReadString("Office", "Total costs", ""), "0.12");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(notifier.sent, (std::vector<std::string>{
                                 "Office - connected | Unit price: 0.12 DM per 90 s",
                                 "Office - call ended | Duration: 00:00:03 h, fee: 0.12 DM"}));
}

TEST_F(CallWindowUi, StaysAwayWhenTheOptionIsOff) {
    store.WriteInt("All entries", "Show call meter window", 0);
    ConnectFor(2000);
    EXPECT_TRUE(page->IsConnected());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CallWindowUi, OpensWhereTheUserLeftItWhileThatIsOnAScreen) {
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    ConnectFor(1000);
    // First on the screen's top right.
    EXPECT_TRUE(free.contains(window.frameGeometry()));
    EXPECT_GT(window.x(), free.center().x());
    window.move(free.left() + 40, free.top() + 30);
    page->OnMenuHangUp();
    EXPECT_EQ(store.ReadInt("Call window", "X", 0), free.left() + 40);
    EXPECT_EQ(store.ReadInt("Call window", "Y", 0), free.top() + 30);
    ConnectFor(1000);
    EXPECT_EQ(window.pos(), QPoint(free.left() + 40, free.top() + 30));
    page->OnMenuHangUp();

    // A place no screen shows any more (a screen unplugged) is not used.
    store.WriteInt("Call window", "X", free.right() + 500);
    ConnectFor(1000);
    EXPECT_TRUE(free.contains(window.frameGeometry()));
}

// Cancel, OK and Escape all reach the sheet's close; while connected it asks.
TEST_F(CallWindowUi, ClosingWhileConnectedAsksAndHangingUpAccountsTheCallFirst) {
    sheet.show();
    ConnectFor(2000);
    prompts.Answer(PromptAnswer::No);  // "Keep connected"
    sheet.reject();
    EXPECT_TRUE(sheet.isVisible());
    EXPECT_TRUE(page->IsConnected());
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].buttons, PromptButtons::HangUpOrKeepConnected);

    prompts.Answer(PromptAnswer::Yes);  // "Hang up and quit"
    sheet.reject();
    EXPECT_FALSE(sheet.isVisible());
    EXPECT_FALSE(page->IsConnected());
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
}

}  // namespace
}  // namespace varnolt
