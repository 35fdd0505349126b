// The built program on the stand-in pppd, started as a user starts it.
#include <gtest/gtest.h>

#include <QProcess>

#include "StandInPppd.h"
#include "app/AppIdentity.h"
#include "pppd/PppdLogins.h"
#include "sqlite/PrivateDatabase.h"
#include "sqlite/SqliteSettingsStore.h"

namespace varnolt {
namespace {

// "provider", whose password the service keeps, is dialed at start, comes
// up, loses the modem's carrier two seconds later, and the program, told to
// close after a disconnect, ends having accounted and logged the call.
TEST(PppdProgram, AutoconnectMakesAWholeMeteredCall) {
    test::StandInPppd pppd;
    pppd.AddPeer("provider");
    pppd.Script("printf '%s\\n' \"$@\" > \"$OUT/args\"\n" +
                test::StandInPppd::ConnectThenHangup("2"));
    test::TempDir home;
    test::ScopedEnv homeFolder("HOME", home.path().string());
    test::ScopedEnv config("XDG_CONFIG_HOME", (home.path() / "config").string());
    pppd::PppdLogins(ConfigFilePath(kCompanyKey, "pppd-logins.db"))
        .Store("provider", {"jane", "secret", true});
    SqliteSettingsStore store(ConfigFilePath(kCompanyKey, "varnolt.db"));
    store.WriteInt("_Autoconnect", "Autoconnect", 1);
    store.WriteString("_Autoconnect", "Entry", "provider");
    store.WriteInt("All entries", "Close after disconnect", 1);

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(VARNOLT_PROGRAM, {"--service=pppd"});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(0, program.exitCode());

    EXPECT_EQ(0u,
              test::ReadFile(pppd.Out() / "args").find("call\nprovider\nnodetach\nuser\njane\n"));
    EXPECT_NE(store.ReadString("provider", "Total costs", "-"), "-");
    EXPECT_EQ(store.ReadInt("__LOG file", "Anzahl", 0), 1);
    EXPECT_EQ(store.ReadString("__LOG file", "Entry #1", ""), "provider");
    // The password never reaches the settings store's files.
    const std::string storePath = ConfigFilePath(kCompanyKey, "varnolt.db");
    for (const std::string& file : {storePath, storePath + "-wal"}) {
        EXPECT_EQ(std::string::npos, test::ReadFile(file).find("secret")) << file;
    }
}

}  // namespace
}  // namespace varnolt
