#include <gtest/gtest.h>

#include "platform/RemoteAccess.h"
#include "sim/LinePlan.h"

namespace varnolt {
namespace {

using namespace line_state;

PhonebookEntry Entry(LineAnswer answer, int connectSeconds = 3, int dropSeconds = 0) {
    PhonebookEntry entry;
    entry.name = "Office";
    entry.answer = answer;
    entry.connectSeconds = connectSeconds;
    entry.dropSeconds = dropSeconds;
    return entry;
}

// Shared by every plan: first states at once, times never go back, errors
// only on the last step.
void ExpectWellFormed(const std::vector<LineStep>& steps) {
    ASSERT_GE(steps.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(steps[i].atTenths, 0) << i;
        EXPECT_EQ(steps[i].error, 0) << i;
    }
    for (std::size_t i = 1; i < steps.size(); ++i) {
        EXPECT_GE(steps[i].atTenths, steps[i - 1].atTenths) << i;
        EXPECT_EQ(steps[i - 1].error, 0) << i;
    }
}

TEST(LinePlan, AConnectWalksEveryStateAndStaysUpUnlessTheRemoteSideDrops) {
    const auto steps = PlanDial(Entry(LineAnswer::Connect, 3), true);
    ExpectWellFormed(steps);
    std::vector<unsigned> states;
    for (const LineStep& step : steps)
        states.push_back(step.state);
    EXPECT_EQ(states,
              (std::vector<unsigned>{kOpenPort, kPortOpened, kConnectDevice, kDeviceConnected,
                                     kAuthenticate, kAuthenticated, kConnected}));
    EXPECT_EQ(steps.back(), (LineStep{30, kConnected, 0}));

    const auto dropping = PlanDial(Entry(LineAnswer::Connect, 3, 5), true);
    ExpectWellFormed(dropping);
    ASSERT_EQ(dropping.size(), steps.size() + 1);
    EXPECT_EQ(dropping.back(), (LineStep{80, kDisconnected, ras::kErrorDisconnection}));
}

TEST(LinePlan, EachFailureEndsWithItsCodeAfterItsDelay) {
    PhonebookEntry guarded = Entry(LineAnswer::Connect, 4);
    guarded.accountRequired = true;
    struct Case {
        PhonebookEntry entry;
        bool accepted;
        LineStep last;
    } cases[] = {
        {Entry(LineAnswer::NoDialTone), true, {20, kConnectDevice, ras::kErrorNoDialtone}},
        {Entry(LineAnswer::Busy), true, {30, kConnectDevice, ras::kErrorLineBusy}},
        {Entry(LineAnswer::NoAnswer), true, {100, kConnectDevice, ras::kErrorNoAnswer}},
        {guarded, false, {40, kAuthenticate, ras::kErrorAuthenticationFailure}},
        // A refused account only matters when the entry checks one.
        {Entry(LineAnswer::Connect, 4), false, {40, kConnected, 0}},
        {guarded, true, {40, kConnected, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.entry.answer));
        const auto steps = PlanDial(c.entry, c.accepted);
        ExpectWellFormed(steps);
        EXPECT_EQ(steps.back(), c.last);
    }
}

TEST(LinePlan, OutOfRangeSecondsAreClamped) {
    const auto instant = PlanDial(Entry(LineAnswer::Connect, -7, -1), true);
    ExpectWellFormed(instant);
    EXPECT_EQ(instant.back(), (LineStep{0, kConnected, 0}));
    const auto slow = PlanDial(Entry(LineAnswer::Connect, 2'000'000'000, 2'000'000'000), true);
    ExpectWellFormed(slow);
    EXPECT_EQ(slow[slow.size() - 2].atTenths, PhonebookEntry::kMaxConnectSeconds * 10);
    EXPECT_EQ(slow.back().atTenths,
              (PhonebookEntry::kMaxConnectSeconds + PhonebookEntry::kMaxDropSeconds) * 10LL);
}

}  // namespace
}  // namespace varnolt
