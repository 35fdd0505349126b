#include <gtest/gtest.h>

#include <vector>

#include "FakeTimers.h"

namespace varnolt::test {
namespace {

struct Event {
    int id;
    std::int64_t tick;
    bool operator==(const Event&) const = default;
};

TEST(FakeTimers, DeliversDueEventsInTimeOrderAndMovesTheClock) {
    FakeClock clock;
    FakeTimers timers(clock);
    const auto t0 = clock.TickMs();
    std::vector<Event> events;
    timers.SetHandler([&](int id) {
        events.push_back({id, clock.TickMs() - t0});
        if (id == 400) {
            timers.Start(400, 2500);  // restart with a new period from now
        }
    });
    timers.Start(300, 1000);
    timers.Start(400, 1500);
    timers.Advance(4000);
    std::vector<Event> expected{{300, 1000}, {400, 1500}, {300, 2000},
                                {300, 3000}, {300, 4000}, {400, 4000}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(clock.TickMs() - t0, 4000);
    EXPECT_EQ(timers.PeriodOf(400), 2500);
}

TEST(FakeTimers, AStallDeliversOneEventPerTimer) {
    FakeClock clock;
    FakeTimers timers(clock);
    int count = 0;
    timers.SetHandler([&](int) { ++count; });
    timers.Start(300, 1000);
    timers.Stall(10'500);
    EXPECT_EQ(count, 1);
    timers.Advance(1000);
    EXPECT_EQ(count, 2);
}

TEST(FakeClock, FollowsTheLocalCalendar) {
    FakeClock clock;
    clock.SetLocal(2026, 12, 31, 23, 59, 59, 500);
    clock.Advance(600);
    auto now = clock.Now();
    EXPECT_EQ(now.year, 2027);
    EXPECT_EQ(now.month, 1);
    EXPECT_EQ(now.day, 1);
    EXPECT_EQ(now.dayOfWeek, 5);  // a Friday
    EXPECT_EQ(now.hour, 0);
    EXPECT_EQ(now.millisecond, 100);
}

}  // namespace
}  // namespace varnolt::test
