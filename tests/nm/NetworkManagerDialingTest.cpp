// The Phonebook page's connection, unchanged, dialing NetworkManager's
// profiles: its timers are fake, NetworkManager's signals come through the
// event loop between their ticks.
#include <gtest/gtest.h>

#include "FakeCallLock.h"
#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "MemorySettingsStore.h"
#include "MockNetworkManager.h"
#include "ProviderDialogUser.h"
#include "QuietScreen.h"
#include "RecordingSheetHost.h"
#include "RecordingShell.h"
#include "RecordingTreeView.h"
#include "ScriptedDialogs.h"
#include "ScriptedPrompts.h"
#include "app/SheetWindow.h"
#include "connection/ConnectionMachine.h"
#include "connection/ConnectionView.h"
#include "networkmanager/NetworkManagerService.h"
#include "networkmanager/NmFailureCodes.h"
#include "platform/Sound.h"

namespace varnolt::test {
namespace {

class NetworkManagerDialing : public ::testing::Test {
protected:
    void SetUp() override {
        static const std::string missing = MockNetworkManager::Missing();
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
        ASSERT_TRUE(nm.Start());
        modem = nm.AddModem();
        nm.ActivateSlowly(modem);
        service = std::make_unique<NetworkManagerService>(nm.Bus(), prompts, false);
        machine = std::make_unique<ConnectionMachine>(
            ConnectionMachine::Services{store, *service, clock, timers, locale, screen, shell,
                                        prompts, lock},
            ConnectionMachine::Views{screen, tree, dialogs, host, screen});
    }
    void TearDown() override { machine.reset(); }

    // Adds a profile NetworkManager dials without asking; the path its
    // activation gets from the mock.
    QString AddProfile(const QString& id) {
        const QString path =
            nm.AddProfile(id, "gsm", {{"username", "jane"}, {"password-flags", 0u}});
        return "/org/freedesktop/NetworkManager/ActiveConnection/" + path.section('/', -1);
    }
    // The modem reports busy and NetworkManager gives the attempt up and removes it.
    void Busy(const QString& active) {
        ASSERT_TRUE(WaitFor([&] { return nm.ActiveConnections().contains(active); }));
        nm.EmitSignal(modem, "org.freedesktop.NetworkManager.Device", "StateChanged", "uuu",
                      {120u, 50u, nm::device_reason::kModemBusy});
        nm.EmitSignal(active, MockNetworkManager::kActiveInterface, "StateChanged", "uu",
                      {4u, nm::active_reason::kDeviceDisconnected});
        nm.RemoveActive(modem, active);
        RunFor(100);
    }
    // Fake time passes in steps, NetworkManager's words arriving in between.
    void Advance(int ms) {
        for (int step = 0; step < ms; step += 250) {
            timers.Advance(250);
            RunFor(20);
        }
    }
    bool Said(const std::string& status) const {
        return std::find(screen.statuses.begin(), screen.statuses.end(), status) !=
               screen.statuses.end();
    }

    MockNetworkManager nm;
    QString modem;
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
    std::unique_ptr<NetworkManagerService> service;
    std::unique_ptr<ConnectionMachine> machine;
};

TEST_F(NetworkManagerDialing, BusyLineIsRedialedAfterTheEntrysDelay) {
    const QString active = AddProfile("Office");
    store.WriteInt("Office", "Redial after", 2);
    machine->Dial("Office");
    Busy(active);
    Advance(250);
    EXPECT_TRUE(Said("System reports ERROR Code [676]"));
    EXPECT_TRUE(nm.ActiveConnections().isEmpty());
    Advance(4000);
    EXPECT_TRUE(nm.ActiveConnections().contains(active));
    EXPECT_EQ(ConnectionMachine::State::Dialing, machine->CurrentState());
}

TEST_F(NetworkManagerDialing, ProviderGoesOnToItsNextProfileAfterAFailure) {
    const QString first = AddProfile("Office");
    const QString second = AddProfile("Home");
    ProviderDialogUser user{store, *service, prompts};
    user.visits.push_back({{"Office", "Home"}, "Both"});
    std::string typed;
    ASSERT_TRUE(user.EditProvider(typed, 0));

    machine->DialProvider("Both");
    Busy(first);
    Advance(500);
    EXPECT_TRUE(Said("System reports ERROR Code [676]"));
    Advance(4000);
    EXPECT_TRUE(nm.ActiveConnections().contains(second));
    nm.SetActiveState(second, nm::active_state::kActivated);
    RunFor(100);
    Advance(500);
    EXPECT_TRUE(machine->IsConnected());
    EXPECT_TRUE(Said("Home - connected"));
}

}  // namespace
}  // namespace varnolt::test
