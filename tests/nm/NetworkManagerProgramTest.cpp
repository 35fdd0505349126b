// The built program on the mock NetworkManager, started as a user starts it.
#include <gtest/gtest.h>

#include <QProcess>

#include "MockNetworkManager.h"
#include "TempDir.h"
#include "app/AppIdentity.h"
#include "networkmanager/NmFailureCodes.h"
#include "sqlite/PrivateDatabase.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

using test::MockNetworkManager;
using test::RunFor;
using test::WaitFor;

// "Office", a mobile broadband profile whose password NetworkManager keeps,
// is dialed at start, comes up, is dropped by NetworkManager two seconds
// later, and the program, told to close after a disconnect, ends having
// accounted and logged the call.
TEST(NetworkManagerProgram, AutoconnectMakesAWholeMeteredCall) {
    const std::string missing = MockNetworkManager::Missing();
    if (!missing.empty()) {
        GTEST_SKIP() << missing;
    }
    MockNetworkManager nm;
    ASSERT_TRUE(nm.Start());
    const QString modem = nm.AddModem();
    nm.AddProfile("Office", "gsm", {{"username", "jane"}, {"password-flags", 0u}});

    test::TempDir home;
    test::ScopedEnv homeFolder("HOME", home.path().string());
    test::ScopedEnv config("XDG_CONFIG_HOME", (home.path() / "config").string());
    SqliteSettingsStore store(ConfigFilePath(kCompanyKey, "varnolt.db"));
    store.WriteInt("_Autoconnect", "Autoconnect", 1);
    store.WriteString("_Autoconnect", "Entry", "Office");
    store.WriteInt("All entries", "Close after disconnect", 1);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DBUS_SYSTEM_BUS_ADDRESS", nm.Address());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(VARNOLT_PROGRAM, {"--service=networkmanager"});
    ASSERT_TRUE(program.waitForStarted());

    ASSERT_TRUE(WaitFor([&] { return !nm.ActiveConnections().isEmpty(); }, 30'000));
    const QString active = nm.ActiveConnections().value(0);
    RunFor(2500);
    nm.RemoveActive(modem, active);
    ASSERT_TRUE(program.waitForFinished(30'000));
    EXPECT_EQ(0, program.exitCode());

    EXPECT_NE(store.ReadString("Office", "Total costs", "-"), "-");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(store.ReadString("__LOG file", "Entry #1", ""), "Office");
    EXPECT_EQ(store.ReadString("__LOG file", "User #1", ""), "jane");
}

}  // namespace
}  // namespace varnolt
