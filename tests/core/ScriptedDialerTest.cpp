#include <gtest/gtest.h>

#include <vector>

#include "ScriptedDialer.h"

namespace varnolt::test {
namespace {

TEST(ScriptedDialer, DeliversScriptedStatesAndKeepsTheLineUntilDropped) {
    ScriptedDialer dialer;
    dialer.AddEntry("Office", "anna", "secret", true);
    dialer.ScriptConnect();
    std::vector<unsigned> states;
    RasHandle handle = 0;
    ASSERT_EQ(dialer.Dial(
                  "Office", {"anna", "secret"},
                  [&](RasHandle, unsigned state, int) { states.push_back(state); }, handle),
              ras::kPending);
    EXPECT_NE(handle, 0u);
    EXPECT_TRUE(states.empty());  // nothing until the test asks
    dialer.DeliverAll();
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.back(), ras::kStateConnected);
    unsigned state = 0;
    ASSERT_EQ(dialer.GetConnectStatus(handle, state), 0);
    EXPECT_EQ(state, ras::kStateConnected);
    dialer.DropLine();
    ASSERT_EQ(dialer.GetConnectStatus(handle, state), 0);
    EXPECT_NE(state, ras::kStateConnected);
}

TEST(ScriptedDialer, HangUpSilencesTheDialAndHandlesAreNeverReused) {
    ScriptedDialer dialer;
    dialer.AddEntry("Office");
    dialer.ScriptFailure(ras::kErrorLineBusy);
    int calls = 0;
    RasHandle first = 0, second = 0;
    dialer.Dial(
        "Office", {}, [&](RasHandle, unsigned, int) { ++calls; }, first);
    dialer.HangUp(first);
    EXPECT_FALSE(dialer.DeliverNext());
    EXPECT_EQ(calls, 0);
    unsigned state = 0;
    EXPECT_NE(dialer.GetConnectStatus(first, state), 0);
    dialer.Dial("Office", {}, nullptr, second);
    EXPECT_NE(first, second);
}

TEST(ScriptedDialer, AnUnknownEntryFailsLikeTheRealService) {
    ScriptedDialer dialer;
    dialer.AddEntry("Office");
    dialer.ScriptConnect();
    RasHandle handle = 7;
    EXPECT_EQ(dialer.Dial("Nowhere", {}, nullptr, handle), ras::kErrorCannotFindPhonebookEntry);
    EXPECT_EQ(handle, 0u);
    // The script is left for the next dial of a known entry.
    EXPECT_EQ(dialer.Dial("Office", {}, nullptr, handle), ras::kPending);
    dialer.DeliverAll();
    EXPECT_TRUE(dialer.IsConnected());
}

TEST(ScriptedDialer, CredentialsFollowTheStoredFlag) {
    ScriptedDialer dialer;
    dialer.AddEntry("Office", "anna", "secret", true);
    RasDialParams params;
    bool stored = false;
    ASSERT_EQ(dialer.GetEntryDialParams("Office", params, stored), 0);
    EXPECT_TRUE(stored);
    EXPECT_EQ(params.password, "secret");
    dialer.SetEntryDialParams("Office", {"bob", ""}, true);
    ASSERT_EQ(dialer.GetEntryDialParams("Office", params, stored), 0);
    EXPECT_FALSE(stored);
    EXPECT_EQ(params.userName, "bob");
    EXPECT_EQ(params.password, "");
    EXPECT_EQ(dialer.GetEntryDialParams("Missing", params, stored),
              ras::kErrorCannotFindPhonebookEntry);
}

}  // namespace
}  // namespace varnolt::test
