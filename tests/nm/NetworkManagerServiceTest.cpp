#include <gtest/gtest.h>

#include <QDBusPendingCall>
#include <QDBusPendingReply>
#include <QElapsedTimer>
#include <fstream>
#include <memory>
#include <set>
#include <vector>

#include "MockNetworkManager.h"
#include "ScriptedPrompts.h"
#include "TempDir.h"
#include "networkmanager/NetworkManagerService.h"
#include "networkmanager/NmFailureCodes.h"
#include "networkmanager/NmNames.h"
#include "networkmanager/NmSecretAgent.h"
#include "networkmanager/ServiceChoice.h"

namespace varnolt {
namespace {

using test::MockNetworkManager;
using test::RunFor;
using test::WaitFor;

constexpr unsigned kDisconnected = NmActiveCall::kStateDisconnected;

class NetworkManagerServiceTest : public ::testing::Test {
protected:
    struct Seen {
        unsigned state;
        int error;
    };

    void SetUp() override {
        static const std::string missing = MockNetworkManager::Missing();
        if (!missing.empty()) {
            GTEST_SKIP() << missing;
        }
        nm = std::make_unique<MockNetworkManager>();
        ASSERT_TRUE(nm->Start());
        modem = nm->AddModem();
    }
    NetworkManagerService& Service(bool allConnections = false) {
        service = std::make_unique<NetworkManagerService>(nm->Bus(), prompts, allConnections);
        return *service;
    }
    // Dials `entry` through a mock that leaves the activation to the test.
    RasHandle DialSlowly(const std::string& entry) {
        nm->ActivateSlowly(modem);
        RasHandle handle = 0;
        EXPECT_EQ(ras::kPending, Service().Dial(entry, {"jane", "secret"}, Recorder(), handle));
        EXPECT_NE(0u, handle);
        active = nm->ActiveConnections().value(0);
        return handle;
    }
    RemoteAccess::DialNotify Recorder() {
        return [this](RasHandle, unsigned state, int error) { seen.push_back({state, error}); };
    }
    bool Saw(unsigned state, int error) {
        return WaitFor([&] {
            return !seen.empty() && seen.back().state == state && seen.back().error == error;
        });
    }
    int Ends() const {
        int ends = 0;
        for (const Seen& s : seen) {
            ends += s.state == kDisconnected ? 1 : 0;
        }
        return ends;
    }

    std::unique_ptr<MockNetworkManager> nm;
    test::ScriptedPrompts prompts;
    std::unique_ptr<NetworkManagerService> service;
    QString modem;
    QString active;
    std::vector<Seen> seen;
};

TEST_F(NetworkManagerServiceTest, ListsDialUpProfilesInNetworkManagersOrder) {
    nm->AddProfile("Mobile", "gsm");
    nm->AddProfile("Home", "802-11-wireless");
    nm->AddProfile("DSL", "pppoe");
    nm->AddProfile("EVDO", "cdma");
    nm->AddProfile("Phone", "bluetooth");
    EXPECT_EQ((std::vector<std::string>{"Mobile", "DSL", "EVDO", "Phone"}),
              Service().EnumEntries());
    EXPECT_EQ((std::vector<std::string>{"Mobile", "Home", "DSL", "EVDO", "Phone"}),
              Service(true).EnumEntries());
}

TEST_F(NetworkManagerServiceTest, WholeCallEndsOnceWhenNetworkManagerDropsIt) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    unsigned state = 0;
    ASSERT_EQ(ras::kSuccess, service->GetConnectStatus(handle, state));
    EXPECT_EQ(NmActiveCall::kStateConnectDevice, state);

    nm->SetActiveState(active, nm::active_state::kActivated);
    ASSERT_TRUE(Saw(ras::kStateConnected, 0));
    ASSERT_EQ(ras::kSuccess, service->GetConnectStatus(handle, state));
    EXPECT_EQ(ras::kStateConnected, state);

    // The state, the signal and the removal all tell of the one end; even a
    // user's reason makes it the remote side's, as the program did not ask.
    nm->SetActiveState(active, nm::active_state::kDeactivated);
    nm->EmitSignal(active, MockNetworkManager::kActiveInterface, "StateChanged", "uu",
                   {4u, nm::active_reason::kUserDisconnected});
    nm->RemoveActive(modem, active);
    ASSERT_TRUE(Saw(kDisconnected, ras::kErrorDisconnection));
    RunFor(400);
    EXPECT_EQ(1, Ends());
    ASSERT_EQ(ras::kSuccess, service->GetConnectStatus(handle, state));
    EXPECT_EQ(kDisconnected, state);
    EXPECT_EQ(ras::kSuccess, service->HangUp(handle));
}

struct ReasonCase {
    unsigned activeReason;
    unsigned deviceReason;  // 0: the device says nothing
    int code;
};

class ReasonMapping : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(ReasonMapping, FailureReasonBecomesTheDialersCode) {
    const ReasonCase& c = GetParam();
    EXPECT_EQ(c.code, nm::FailureCode(c.activeReason, c.deviceReason));
}

INSTANTIATE_TEST_SUITE_P(Reasons, ReasonMapping,
                         ::testing::Values(ReasonCase{3, 23, ras::kErrorLineBusy},
                                           ReasonCase{3, 25, ras::kErrorNoAnswer},
                                           ReasonCase{3, 26, ras::kErrorNoAnswer},
                                           ReasonCase{6, 0, ras::kErrorNoAnswer},
                                           ReasonCase{3, 24, ras::kErrorNoDialtone},
                                           ReasonCase{9, 0, ras::kErrorAuthenticationFailure},
                                           ReasonCase{10, 0, ras::kErrorAuthenticationFailure},
                                           ReasonCase{3, 7, ras::kErrorAuthenticationFailure},
                                           ReasonCase{2, 0, ras::kErrorDisconnection},
                                           ReasonCase{3, 0, ras::kErrorDisconnection},
                                           ReasonCase{0, 0, ras::kErrorDisconnection},
                                           ReasonCase{5, 0, nm::kActiveReasonBase + 5},
                                           ReasonCase{3, 45, nm::kDeviceReasonBase + 45}),
                         [](const ::testing::TestParamInfo<ReasonCase>& info) {
                             return "Connection" + std::to_string(info.param.activeReason) +
                                    "Device" + std::to_string(info.param.deviceReason);
                         });

TEST(NmFailureCodes, CodesOfTheirOwnSayNetworkManagersReason) {
    EXPECT_EQ("NetworkManager: No SIM card is inserted.", nm::ReasonText(nm::FailureCode(3, 45)));
    EXPECT_EQ("NetworkManager: The IP configuration of the connection was invalid.",
              nm::ReasonText(nm::FailureCode(5, 0)));
    EXPECT_EQ("", nm::ReasonText(ras::kErrorLineBusy));
}

// The device's reason and the connection's reach the dial from the bus.
TEST_F(NetworkManagerServiceTest, FailedAttemptReportsTheReasonsCode) {
    nm->AddProfile("Mobile", "gsm");
    DialSlowly("Mobile");
    nm->EmitSignal(modem, "org.freedesktop.NetworkManager.Device", "StateChanged", "uuu",
                   {120u, 50u, nm::device_reason::kModemBusy});
    nm->EmitSignal(active, MockNetworkManager::kActiveInterface, "StateChanged", "uu",
                   {4u, nm::active_reason::kDeviceDisconnected});
    EXPECT_TRUE(Saw(kDisconnected, ras::kErrorLineBusy));

    nm->RemoveActive(modem, active);
    seen.clear();
    DialSlowly("Mobile");
    nm->EmitSignal(active, MockNetworkManager::kActiveInterface, "StateChanged", "uu",
                   {4u, nm::active_reason::kLoginFailed});
    EXPECT_TRUE(Saw(kDisconnected, ras::kErrorAuthenticationFailure));
}

TEST_F(NetworkManagerServiceTest, UserHangUpDeactivatesAndReportsNothingMore) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    nm->SetActiveState(active, nm::active_state::kActivated);
    ASSERT_TRUE(Saw(ras::kStateConnected, 0));
    const std::size_t before = seen.size();

    EXPECT_EQ(ras::kSuccess, service->HangUp(handle));
    EXPECT_TRUE(WaitFor([&] { return nm->ActiveConnections().isEmpty(); }));
    RunFor(400);
    EXPECT_EQ(before, seen.size());
    unsigned state = 0;
    EXPECT_NE(ras::kSuccess, service->GetConnectStatus(handle, state));
}

TEST_F(NetworkManagerServiceTest, HangingUpAConnectionAlreadyGoneNeitherFailsNorWaits) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    // Gone without a word reaching the service yet.
    nm->Mock(MockNetworkManager::kMain, "RemoveObject", {active});
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ras::kSuccess, service->HangUp(handle));
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(NetworkManagerServiceTest, DBusErrorOnActivationFailsAtOnceWithItsMessage) {
    nm->AddProfile("Mobile", "gsm");
    nm->RefuseActivation("Not authorized to control networking.");
    RasHandle handle = 7;
    const int result = Service().Dial("Mobile", {}, Recorder(), handle);
    EXPECT_EQ(nm::kErrorCallFailed, result);
    EXPECT_EQ(0u, handle);
    EXPECT_EQ("Not authorized to control networking.", service->ErrorString(result));
}

TEST_F(NetworkManagerServiceTest, NetworkManagerLeavingTheBusEndsTheCall) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    nm->SetActiveState(active, nm::active_state::kActivated);
    ASSERT_TRUE(Saw(ras::kStateConnected, 0));
    nm->Stop();
    EXPECT_TRUE(Saw(kDisconnected, ras::kErrorDisconnection));
    unsigned state = 0;
    EXPECT_EQ(ras::kSuccess, service->GetConnectStatus(handle, state));
    EXPECT_EQ(kDisconnected, state);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ras::kSuccess, service->HangUp(handle));
    EXPECT_LT(clock.elapsed(), 500);
    // A dial now tells that NetworkManager is not there.
    RasHandle next = 0;
    const int result = service->Dial("Mobile", {}, Recorder(), next);
    EXPECT_EQ(nm::kErrorCallFailed, result);
    EXPECT_NE(std::string::npos, service->ErrorString(result).find("NetworkManager"));
}

TEST_F(NetworkManagerServiceTest, ConnectionMadeElsewhereIsNotDialedAgain) {
    const QString profile = nm->AddProfile("Mobile", "gsm");
    nm->Mock(MockNetworkManager::kMain, "AddActiveConnection",
             {QStringList{modem}, profile, QString("/"), QString("other"), 2u});
    RasHandle handle = 0;
    const int result = Service().Dial("Mobile", {}, Recorder(), handle);
    EXPECT_EQ(nm::kErrorAlreadyActive, result);
    EXPECT_EQ(0u, handle);
    EXPECT_TRUE(service->IsActive("Mobile"));
    EXPECT_TRUE(service->IsConnectedOutside("Mobile"));
    EXPECT_EQ(1, nm->ActiveConnections().size());
}

TEST_F(NetworkManagerServiceTest, BytesOfTheCallCountFromTheDevicesStatisticsAtConnect) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    EXPECT_FALSE(service->IsConnectedOutside("Mobile"));  // the program's own call
    const QString statistics = nm::kStatisticsInterface;
    nm->Mock(modem, "AddProperties",
             {statistics, QVariantMap{{"RefreshRateMs", 0u},
                                      {"TxBytes", QVariant::fromValue(quint64(1000))},
                                      {"RxBytes", QVariant::fromValue(quint64(5000))}}});
    nm->SetActiveState(active, nm::active_state::kActivated);
    ASSERT_TRUE(Saw(ras::kStateConnected, 0));
    ASSERT_TRUE(WaitFor([&] { return service->Traffic(handle).has_value(); }));
    EXPECT_EQ((TrafficBytes{0, 0}), service->Traffic(handle));
    for (const char* name : {"TxBytes", "RxBytes"}) {
        nm->Mock(modem, "UpdateProperties",
                 {statistics, QVariantMap{{name, QVariant::fromValue(quint64(9000))}}});
    }
    EXPECT_TRUE(WaitFor([&] { return service->Traffic(handle) == TrafficBytes{8000, 4000}; }));
    // Counting needs a rate, which the program asked for.
    QDBusMessage get = QDBusMessage::createMethodCall(
        "org.freedesktop.NetworkManager", modem, "org.freedesktop.DBus.Properties", "Get");
    get << statistics << QString("RefreshRateMs");
    EXPECT_EQ(1000u, nm->Bus().call(get).arguments().value(0).value<QDBusVariant>().variant().toUInt());
}

TEST_F(NetworkManagerServiceTest, NoBytesWhereTheDeviceCountsNone) {
    nm->AddProfile("Mobile", "gsm");
    const RasHandle handle = DialSlowly("Mobile");
    nm->SetActiveState(active, nm::active_state::kActivated);
    ASSERT_TRUE(Saw(ras::kStateConnected, 0));
    service->Traffic(handle);
    RunFor(300);
    EXPECT_EQ(std::nullopt, service->Traffic(handle));
}

TEST_F(NetworkManagerServiceTest, LoginComesFromTheProfileAndIsSavedThere) {
    const QString kept =
        nm->AddProfile("Kept", "gsm", {{"username", "jane"}, {"password-flags", 0u}});
    nm->AddProfile("Asked", "pppoe", {{"username", "joe"}, {"password-flags", 2u}});
    RasDialParams params;
    bool stored = false;
    ASSERT_EQ(ras::kSuccess, Service().GetEntryDialParams("Kept", params, stored));
    EXPECT_EQ("jane", params.userName);
    EXPECT_TRUE(stored);
    EXPECT_FALSE(params.password.empty());
    ASSERT_EQ(ras::kSuccess, service->GetEntryDialParams("Asked", params, stored));
    EXPECT_EQ("joe", params.userName);
    EXPECT_FALSE(stored);
    EXPECT_TRUE(params.password.empty());

    ASSERT_EQ(ras::kSuccess, service->SetEntryDialParams("Kept", {"john", "pw"}, false));
    const QVariantMap login = nm->ProfileSettings(kept).value("gsm");
    EXPECT_EQ("john", login.value("username").toString());
    EXPECT_EQ("pw", login.value("password").toString());
}

TEST_F(NetworkManagerServiceTest, PasswordNetworkManagerRefusesToSaveIsToldToTheUser) {
    const QString path = nm->AddProfile("Mobile", "gsm", {{"username", "jane"}});
    nm->Mock(path, "AddMethod",
             {QString("org.freedesktop.NetworkManager.Settings.Connection"), QString("Update"),
              QString("a{sa{sv}}"), QString(""),
              QString("raise dbus.exceptions.DBusException('Insufficient privileges.', "
                      "name='org.freedesktop.NetworkManager.Settings.PermissionDenied')")});
    EXPECT_EQ(nm::kErrorNotSaved, Service().SetEntryDialParams("Mobile", {"jane", "pw"}, false));
    ASSERT_EQ(1u, prompts.shown().size());
    EXPECT_NE(std::string::npos, prompts.shown()[0].text.find("Insufficient privileges."));
}

// NetworkManager asks the program's agent for the password of the profile
// being dialed; it gets the one typed for this dial, and nothing else, and the
// profile keeps no password.
TEST_F(NetworkManagerServiceTest, TypedPasswordReachesNetworkManagerOnlyThroughTheAgent) {
    const QString profile = nm->AddProfile("Mobile", "gsm", {{"password-flags", 2u}});
    const QString other = nm->AddProfile("Other", "gsm");
    DialSlowly("Mobile");

    QDBusConnection peer = QDBusConnection::connectToBus(nm->Address(), "agent-peer");
    const auto ask = [&](const QString& path) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            nm->Bus().baseService(), NmSecretAgent::kPath,
            "org.freedesktop.NetworkManager.SecretAgent", "GetSecrets");
        message << QVariant::fromValue(NmSettingsMap())
                << QVariant::fromValue(QDBusObjectPath(path)) << QString("gsm") << QStringList()
                << 0u;
        QDBusPendingCall pending = peer.asyncCall(message, 5000);
        WaitFor([&] { return pending.isFinished(); });
        return pending.reply();
    };
    const QDBusMessage answer = ask(profile);
    ASSERT_EQ(QDBusMessage::ReplyMessage, answer.type()) << answer.errorMessage().toStdString();
    EXPECT_EQ("secret", qdbus_cast<NmSettingsMap>(answer.arguments().value(0))
                            .value("gsm")
                            .value("password")
                            .toString());
    EXPECT_EQ("org.freedesktop.NetworkManager.SecretAgent.NoSecrets", ask(other).errorName());
    EXPECT_FALSE(nm->ProfileSettings(profile).value("gsm").contains("password"));
    service->HangUp(1);
    EXPECT_EQ("org.freedesktop.NetworkManager.SecretAgent.NoSecrets", ask(profile).errorName());
    QDBusConnection::disconnectFromBus("agent-peer");
}

TEST_F(NetworkManagerServiceTest, EntryDialogsStartTheEditorOrSayHow) {
    const QString uuid = nm->ProfileSettings(nm->AddProfile("Mobile", "gsm"))
                             .value("connection")
                             .value("uuid")
                             .toString();
    test::TempDir bin;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(bin.path().string()));
    Service().EditEntryDialog("Mobile");
    ASSERT_EQ(1u, prompts.shown().size());
    EXPECT_NE(std::string::npos, prompts.shown()[0].text.find("nm-connection-editor"));
    EXPECT_NE(std::string::npos, prompts.shown()[0].text.find("nmcli connection edit"));

    const std::string editor = (bin.path() / "nm-connection-editor").string();
    const std::string args = (bin.path() / "args").string();
    std::ofstream(editor) << "#!/bin/sh\necho \"$@\" >> " << args << "\n";
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    service->EditEntryDialog("Mobile");
    service->CreateEntryDialog();
    qputenv("PATH", path);
    EXPECT_EQ(1u, prompts.shown().size());
    const auto lines = [&] {
        std::ifstream file(args);
        std::string first, second;
        std::getline(file, first);
        std::getline(file, second);
        return std::set<std::string>{first, second};
    };
    const std::set<std::string> expected{"--edit=" + uuid.toStdString(), "--create --type=gsm"};
    EXPECT_TRUE(WaitFor([&] { return lines() == expected; }));
}

TEST_F(NetworkManagerServiceTest, DeleteAndRenameAreLeftToNetworkManagersTools) {
    nm->AddProfile("Mobile", "gsm");
    for (int code : {Service().DeleteEntry("Mobile"), service->RenameEntry("Mobile", "Work")}) {
        EXPECT_EQ(ras::kErrorNotSupported, code);
        EXPECT_NE(std::string::npos, service->ErrorString(code).find("nmcli"));
    }
    EXPECT_EQ(std::vector<std::string>{"Mobile"}, service->EnumEntries());
}

TEST_F(NetworkManagerServiceTest, AutoTakesNetworkManagerOnlyWhenItIsOnTheBus) {
    EXPECT_EQ(ServiceKind::NetworkManager, ChooseService("auto", nm->Bus()));
    nm->Stop();
    EXPECT_EQ(ServiceKind::Simulated, ChooseService("auto", nm->Bus()));
    EXPECT_EQ(ServiceKind::NetworkManager, ChooseService("networkmanager", nm->Bus()));
    EXPECT_EQ(ServiceKind::Pppd, ChooseService("pppd", nm->Bus()));
    EXPECT_EQ(std::nullopt, ChooseService("modem", nm->Bus()));
}

// The program's own route: the option, then the system bus, which is not there.
TEST(ServiceChoice, AutoWithoutASystemBusFallsBackToTheSimulatedLineAtOnce) {
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=/nonexistent/varnolt-system-bus");
    QCommandLineParser parser;
    const ServiceOptions options;
    options.AddTo(parser);
    ASSERT_TRUE(parser.parse({"varnolt", "--service=auto"}));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(ServiceKind::Simulated, options.Kind(parser));
    EXPECT_LT(clock.elapsed(), 1000);
    ASSERT_TRUE(parser.parse({"varnolt", "--service=networkmanager", "--all-connections"}));
    EXPECT_EQ(ServiceKind::NetworkManager, options.Kind(parser));
    EXPECT_TRUE(options.AllConnections(parser));
    ASSERT_TRUE(parser.parse({"varnolt", "--service=pppd"}));
    EXPECT_EQ(ServiceKind::Pppd, options.Kind(parser));
}

}  // namespace
}  // namespace varnolt
