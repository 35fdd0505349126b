#include "pppd/PppdLog.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/RemoteAccess.h"

namespace varnolt::pppd {
namespace {

struct Ending {
    const char* name;
    std::vector<const char*> lines;  // what pppd and its chat script printed
    int exitStatus;
    int code;
};

const std::vector<const char*> kConnected{
    "Serial connection established.", "Using interface ppp0", "Connect: ppp0 <--> /dev/ttyS0",
    "local  IP address 10.0.0.2", "remote IP address 10.0.0.1"};
const std::vector<const char*> kChatSetUp{"abort on (BUSY)",        "abort on (NO CARRIER)",
                                          "abort on (NO DIALTONE)", "send (ATDT0191011^M)",
                                          "expect (CONNECT)",       "^M"};

std::vector<const char*> Then(std::vector<const char*> lines,
                              std::initializer_list<const char*> more) {
    lines.insert(lines.end(), more);
    return lines;
}

// Every way a call ends, as pppd 2.4.9 and chat report it.
const Ending kEndings[] = {
    {"ChatBusy", Then(kChatSetUp, {"BUSY", " -- failed", "Failed (BUSY)", "Connect script failed"}),
     8, ras::kErrorLineBusy},
    {"ChatNoCarrier",
     Then(kChatSetUp, {"NO CARRIER", "Failed (NO CARRIER)", "Connect script failed"}), 8,
     ras::kErrorNoAnswer},
    {"ChatNoAnswer", Then(kChatSetUp, {"NO ANSWER", "Connect script failed"}), 8,
     ras::kErrorNoAnswer},
    {"ChatTimeout", Then(kChatSetUp, {"alarm", "Failed", "Connect script failed"}), 8,
     ras::kErrorNoAnswer},
    {"ChatNoDialtone",
     Then(kChatSetUp, {"NO DIALTONE", "Failed (NO DIALTONE)", "Connect script failed"}), 8,
     ras::kErrorNoDialtone},
    {"WeFailedToAuthenticate",
     {"Serial connection established.", "Using interface ppp0", "Connect: ppp0 <--> /dev/ttyS0",
      "CHAP authentication failed", "Connection terminated."},
     19,
     ras::kErrorAuthenticationFailure},
    {"PeerFailedToAuthenticate",
     {"Connect: ppp0 <--> /dev/ttyS0", "peer refused to authenticate", "Connection terminated."},
     11,
     ras::kErrorAuthenticationFailure},
    {"ModemHangupWhileUp", Then(kConnected, {"Modem hangup", "Connection terminated."}), 16,
     ras::kErrorDisconnection},
    {"PeerNotRespondingWhileUp",
     Then(kConnected,
          {"No response to 4 echo-requests", "Serial link appears to be disconnected."}),
     15, ras::kErrorDisconnection},
    {"SignalWhileUp", Then(kConnected, {"Terminating on signal 15"}), 5, ras::kErrorDisconnection},
    {"PeerRequestWhileUp", Then(kConnected, {"LCP terminated by peer"}), 0,
     ras::kErrorDisconnection},
    {"IdleWhileUp", Then(kConnected, {"Terminating connection due to lack of activity."}), 12,
     kExitStatusBase + 12},
    {"NotAllowed",
     {"pppd: must be root to run pppd, since it is not setuid-root"},
     3,
     kExitStatusBase + 3},
    {"NoKernelSupport", {"This system lacks kernel support for PPP."}, 4, kExitStatusBase + 4},
    {"PortLocked", {"Device ttyS0 is locked by pid 4321"}, 6, kExitStatusBase + 6},
    {"PortNotOpened", {"Failed to open /dev/ttyS0: Permission denied"}, 7, kExitStatusBase + 7},
    {"ScriptFailedWithoutAWord", Then(kChatSetUp, {"Connect script failed"}), 8,
     kExitStatusBase + 8},
    {"SignalBeforeUp", Then(kChatSetUp, {"Terminating on signal 15"}), 5, kExitStatusBase + 5},
    {"NegotiationFailed",
     {"Connect: ppp0 <--> /dev/ttyS0", "LCP: timeout sending Config-Requests"},
     10,
     kExitStatusBase + 10},
};

class PppdEnding : public ::testing::TestWithParam<Ending> {};

TEST_P(PppdEnding, MapsToItsCode) {
    PppdLog log;
    for (const char* line : GetParam().lines) {
        log.Read(line);
    }
    EXPECT_EQ(GetParam().code, log.FailureCode(GetParam().exitStatus, false));
}

INSTANTIATE_TEST_SUITE_P(Table, PppdEnding, ::testing::ValuesIn(kEndings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PppdLog, CodesOfItsOwnSayWhatHappenedAndHowToFixPermissions) {
    EXPECT_NE(PppdLog::CodeText(kExitStatusBase + 3).find("dip group"), std::string::npos);
    EXPECT_NE(PppdLog::CodeText(kExitStatusBase + 7).find("dip"), std::string::npos);
    EXPECT_NE(PppdLog::CodeText(kExitStatusBase + 4).find("kernel"), std::string::npos);
    EXPECT_NE(PppdLog::CodeText(kExitStatusBase + 6).find("locked"), std::string::npos);
    EXPECT_NE(PppdLog::CodeText(kExitStatusBase + 42).find("exit status 42"), std::string::npos);
    EXPECT_EQ(PppdLog::CodeText(ras::kErrorLineBusy), "");
}

TEST(PppdLog, LinesMoveTheCallThroughItsStatesAndTheLastTwoHundredAreKept) {
    PppdLog log;
    std::vector<unsigned> states;
    for (const char* line :
         Then(kChatSetUp, {"CONNECT 33600", "-- got it", "Serial connection established.",
                           "Using interface ppp0", "Connect: ppp0 <--> /dev/ttyS0",
                           "CHAP authentication succeeded", "local  IP address 10.0.0.2"})) {
        if (const auto state = log.Read(line)) {
            states.push_back(*state);
        }
    }
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(ras::kStateConnected, states.back());
    for (std::size_t i = 0; i + 1 < states.size(); ++i) {
        EXPECT_LT(states[i], ras::kStateConnected);
        EXPECT_LE(states[i], states[i + 1]);
    }
    EXPECT_TRUE(log.Connected());
    for (int i = 0; i < 300; ++i) {
        log.Read("line " + std::to_string(i));
    }
    ASSERT_EQ(PppdLog::kKeptLines, log.Lines().size());
    EXPECT_EQ("line 100", log.Lines().front());
    EXPECT_EQ("line 299", log.Lines().back());
}

}  // namespace
}  // namespace varnolt::pppd
