#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "MeteredCall.h"
#include "app/LocalTime.h"
#include "app/NumberText.h"
#include "holiday/CHolidayDatabase.h"
#include "tariff/CScaleStore.h"

namespace varnolt::test {
namespace {

constexpr float kUnit = 0.12f;

// Dates used below (December 2026): Tuesday 8th, Wednesday 9th, Friday 11th,
// Saturday 12th, Sunday 13th.
class FeeMeterTest : public ::testing::Test {
protected:
    ScopedTimeZone m_utc{"UTC"};
    MeteredCall call;

    void SetScale(const std::string& entry, const std::string& identifier) {
        call.store.WriteString(entry, "Scale", identifier);
    }
    // A user-defined scale #2 with the given lists.
    void SaveUser2(std::vector<TariffPeriod> weekday, std::vector<TariffPeriod> holiday,
                   std::array<bool, 7> flags = {false, false, false, false, false, true, true}) {
        TariffScale scale;
        scale.id = ScaleId::User2;
        scale.dayFlags = flags;
        scale.weekdayPeriods = std::move(weekday);
        scale.holidayPeriods = std::move(holiday);
        ASSERT_TRUE(CScaleStore(call.store).SaveScale(scale));
    }
    std::vector<std::int64_t> OffsetsSeconds() const {
        std::vector<std::int64_t> offsets;
        for (const auto& charge : call.charges())
            offsets.push_back(charge.offsetMs / 1000);
        return offsets;
    }
    std::vector<float> Prices() const {
        std::vector<float> prices;
        for (const auto& charge : call.charges())
            prices.push_back(charge.price);
        return prices;
    }
};

TEST_F(FeeMeterTest, FridayNightIntoSaturdayKeepsTheTimerAcrossEqualCycles) {
    call.BeginAt("Office", 2026, 12, 11, 23, 58, 0);
    call.RunUntil(2026, 12, 12, 0, 10, 0);
    // 23:58:00 connect; the 240 s timer starts at 23:58:01; Saturday's 00:00-05:00
    // period has the same cycle, so nothing extra at 00:00:01.
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 241, 481}));
    EXPECT_FLOAT_EQ(call.meter.CallFee(), 3 * kUnit);
    EXPECT_EQ(call.meter.RunningCycleMs(), 240000);
}

TEST_F(FeeMeterTest, WeekdayAcross18And21ChargesOneExtraUnitAtEachChange) {
    call.BeginAt("Office", 2026, 12, 8, 17, 58, 0);
    call.RunUntil(2026, 12, 8, 21, 3, 0);
    std::vector<std::int64_t> expected{0, 91, 121};  // 90 s cycle, then 18:00:01 (offset 121)
    for (std::int64_t t = 121 + 150; t < 10921; t += 150)
        expected.push_back(t);
    expected.push_back(10921);  // 21:00:01: 150 s to 240 s; 21:03:00 ends before the next
    EXPECT_EQ(OffsetsSeconds(), expected);
    EXPECT_EQ(call.meter.RunningCycleMs(), 240000);
}

TEST_F(FeeMeterTest, Region50ChangesCycleAtAllSixBoundaries) {
    SetScale("Office", "Deutsche Telekom Region 50");
    call.BeginAt("Office", 2026, 12, 8, 1, 59, 30);
    struct Boundary {
        int hour;
        int cycleMs;
    };
    for (Boundary b :
         {Boundary{2, 120000}, {5, 45000}, {9, 26000}, {12, 30000}, {18, 45000}, {21, 60000}}) {
        // Just before hh:00:01 the old cycle still runs.
        const LocalDateTime target = MakeLocal(2026, 12, 8, b.hour, 0, 1);
        call.Advance((EpochSecondsFromLocal(target) * 1000 - call.clock.EpochMs()) - 1);
        ASSERT_NE(call.meter.RunningCycleMs(), b.cycleMs) << b.hour;
        const auto before = call.charges().size();
        call.Advance(1);
        ASSERT_EQ(call.meter.RunningCycleMs(), b.cycleMs) << b.hour;
        ASSERT_EQ(call.charges().size(), before + 1) << b.hour;
        EXPECT_EQ(call.charges().back().at.hour, b.hour);
        EXPECT_EQ(call.charges().back().at.second, 1);
    }
}

TEST_F(FeeMeterTest, HolidaysSwitchToTheSundayListOnEveryScale) {
    SetScale("City", "Deutsche Telekom City");
    SetScale("Own", "Userdefined scale #2");
    SaveUser2({{0, 0, 24, 0, "60", "0.10"}}, {{0, 0, 24, 0, "30", "0.20"}});
    CHolidayDatabase holidays(call.store);
    struct Case {
        int holidayYear;  // 0: the database is empty
        bool expectHoliday;
    };
    for (Case c : {Case{0, false}, Case{10000, true}, Case{2026, true}, Case{2025, false}}) {
        holidays.Clear();
        if (c.holidayYear != 0) {
            holidays.Insert({"Test day", 9, 12, c.holidayYear});
        }
        call.BeginAt("City", 2026, 12, 9, 10, 0, 0);  // a Wednesday
        call.Advance(1000);
        EXPECT_EQ(call.meter.RunningCycleMs(), c.expectHoliday ? 150000 : 90000) << c.holidayYear;
        call.BeginAt("Own", 2026, 12, 9, 10, 0, 0);
        call.Advance(1000);
        EXPECT_EQ(call.meter.RunningCycleMs(), c.expectHoliday ? 30000 : 60000) << c.holidayYear;
        EXPECT_FLOAT_EQ(call.meter.UnitPriceNow(), c.expectHoliday ? 0.20f : 0.10f);
    }
}

TEST_F(FeeMeterTest, UserDayFlagsDecideBeforeTheHolidayList) {
    SetScale("Own", "Userdefined scale #2");
    // Sunday flag 0, Wednesday flag 1.
    SaveUser2({{0, 0, 24, 0, "60", "0.10"}}, {{0, 0, 24, 0, "30", "0.20"}},
              {false, false, true, false, false, true, false});
    call.BeginAt("Own", 2026, 12, 13, 10, 0, 0);  // Sunday
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 60000);
    call.BeginAt("Own", 2026, 12, 9, 10, 0, 0);  // Wednesday
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 30000);
    // A malformed day of week still picks a flag (it never indexes out of range).
    EXPECT_EQ(call.meter.DayClass(CScaleStore(call.store).LoadScale(ScaleId::User2),
                                  LocalDateTime{2026, 12, -4, 9, 10, 0, 0, 0}),
              varnolt::DayClass::SundayHoliday);                // -4 counts as Wednesday
    call.store.WriteInt("__Scale manager", "Wednesday #2", 2);  // only exactly 1 sets a flag
    call.BeginAt("Own", 2026, 12, 9, 10, 0, 0);
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 60000);
}

TEST_F(FeeMeterTest, AnEmptySundayListCostsTheFirstUnitOnlyAtZero) {
    SetScale("Own", "Userdefined scale #2");
    SaveUser2({{0, 0, 24, 0, "60", "0.10"}}, {});
    call.BeginAt("Own", 2026, 12, 13, 10, 0, 0);
    call.RunFor(10 * 60 * 1000);
    EXPECT_EQ(Prices(), (std::vector<float>{0.0f}));
    EXPECT_FALSE(call.timers.IsRunning(FeeMeter::kChargeTimerId));
    EXPECT_EQ(call.meter.RunningCycleMs(), 0);
}

TEST_F(FeeMeterTest, ACallDroppingBeforeTheFirstTickCostsOneUnit) {
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.RunFor(400);
    EXPECT_EQ(Prices(), (std::vector<float>{kUnit}));
    EXPECT_FALSE(call.LineUp());
}

TEST_F(FeeMeterTest, AConnectExactlyOnABoundaryPaysNothingAndStartsTheTimerASecondLater) {
    SetScale("Own", "Userdefined scale #2");
    SaveUser2({{9, 0, 18, 0, "60", "0.10"}, {18, 0, 21, 0, "120", "0.05"}}, {});
    call.BeginAt("Own", 2026, 12, 8, 18, 0, 0);
    EXPECT_EQ(Prices(), (std::vector<float>{0.0f}));
    EXPECT_FALSE(call.timers.IsRunning(FeeMeter::kChargeTimerId));
    call.RunFor(122 * 1000);
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 121}));
    EXPECT_EQ(Prices(), (std::vector<float>{0.0f, 0.05f}));
}

TEST_F(FeeMeterTest, CycleAndUnitTextsReadLikePercentF) {
    EXPECT_EQ(CycleMs("22.5"), 22500);
    EXPECT_EQ(CycleMs("13"), 13000);
    EXPECT_EQ(CycleMs("21.5abc"), 21500);
    EXPECT_EQ(CycleMs("0.001"), 1);
    EXPECT_FLOAT_EQ(UnitPrice("0.12"), 0.12f);
    EXPECT_FLOAT_EQ(UnitPrice("0,12"), 0.0f);

    SetScale("Office", "Deutsche Telekom Region 200");
    call.BeginAt("Office", 2026, 12, 8, 6, 0, 0);
    call.Advance(1000);
    EXPECT_EQ(call.timers.PeriodOf(FeeMeter::kChargeTimerId), 22500);
}

// A cycle that cannot run a timer never becomes one; the period still prices.
TEST_F(FeeMeterTest, UnusableCyclesNeverBecomeATimerPeriod) {
    for (const char* bad : {"0", "-5", "0.0005", "abc", "inf", "nan", "1e10", "2147484"}) {
        EXPECT_FALSE(CycleMs(bad).has_value()) << bad;
    }
    EXPECT_EQ(CycleMs("2147483"), 2147483008);  // single precision, as the meter computes
    EXPECT_FLOAT_EQ(UnitPrice("inf"), 0.0f);
    EXPECT_FLOAT_EQ(UnitPrice("nan"), 0.0f);

    SetScale("Own", "Userdefined scale #2");
    SaveUser2({{9, 0, 10, 0, "60", "0.10"}, {10, 0, 11, 0, "0", "0.50"}}, {});
    call.BeginAt("Own", 2026, 12, 8, 10, 30, 0);
    call.RunFor(5000);  // FakeTimers would fail the test on a period under 1 ms
    EXPECT_EQ(Prices(), (std::vector<float>{0.50f}));
    EXPECT_FALSE(call.timers.IsRunning(FeeMeter::kChargeTimerId));

    // Entering such a period keeps the running cycle, as a gap does.
    call.BeginAt("Own", 2026, 12, 8, 9, 59, 0);
    call.RunFor(125 * 1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 60000);
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 61, 121}));
    EXPECT_EQ(Prices(), (std::vector<float>{0.10f, 0.50f, 0.50f}));  // priced by the period now
}

TEST_F(FeeMeterTest, AmountsStopAtTheLargestFiniteValue) {
    constexpr float kLargest = std::numeric_limits<float>::max();
    SetScale("Own", "Userdefined scale #2");
    for (const char* price : {"3.4e38", "-3.4e38"}) {
        SaveUser2({{0, 0, 24, 0, "1", price}}, {});
        call.store.WriteString("Own", "Total costs", FormatAmount(3e38));
        call.BeginAt("Own", 2026, 12, 8, 10, 0, 0);
        call.RunFor(3000);
        const float limit = price[0] == '-' ? -kLargest : kLargest;
        EXPECT_EQ(call.meter.CallFee(), limit) << price;
        EXPECT_EQ(call.meter.EntryTotal(), limit) << price;
    }
}

TEST_F(FeeMeterTest, OverlappingPeriodsApplyOnlyTheFirst) {
    SetScale("Own", "Userdefined scale #2");
    SaveUser2({{8, 0, 12, 0, "60", "0.10"}, {10, 0, 14, 0, "30", "0.20"}}, {});
    call.BeginAt("Own", 2026, 12, 8, 11, 0, 0);
    call.RunFor(5 * 60 * 1000);
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 61, 121, 181, 241}));
    for (float price : Prices())
        EXPECT_FLOAT_EQ(price, 0.10f);
}

TEST_F(FeeMeterTest, ChangingTheScaleMidCallActsAtTheNextTick) {
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.Advance(30'500);
    EXPECT_EQ(call.meter.RunningCycleMs(), 90000);
    SetScale("Office", "Deutsche Telekom Fern");
    call.Advance(500);  // the tick at 10:00:31
    EXPECT_EQ(call.meter.RunningCycleMs(), 12000);
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 31}));
    call.Advance(12'000);
    EXPECT_EQ(OffsetsSeconds(), (std::vector<std::int64_t>{0, 31, 43}));

    // A user-defined scale edited during the call, and a holiday inserted.
    SetScale("Office", "Userdefined scale #2");
    SaveUser2({{0, 0, 24, 0, "60", "0.10"}}, {{0, 0, 24, 0, "45", "0.20"}});
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 60000);
    SaveUser2({{0, 0, 24, 0, "20", "0.30"}}, {{0, 0, 24, 0, "45", "0.20"}});
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 20000);
    EXPECT_FLOAT_EQ(call.charges().back().price, 0.30f);
    CHolidayDatabase(call.store).Insert({"", 8, 12, 0});
    call.Advance(1000);
    EXPECT_EQ(call.meter.RunningCycleMs(), 45000);
}

TEST_F(FeeMeterTest, TheEntryTotalStartsFromTheStoredText) {
    struct Case {
        const char* stored;
        float total;
    };
    for (Case c : {Case{nullptr, 0.0f},
                   {"<unknown>", 0.0f},
                   {"1.50", 1.50f},
                   {"inf", 0.0f},
                   {"nan", 0.0f}}) {
        if (c.stored != nullptr)
            call.store.WriteString("Office", "Total costs", c.stored);
        call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
        EXPECT_FLOAT_EQ(call.meter.EntryTotal(), c.total + kUnit) << (c.stored ? c.stored : "-");
        EXPECT_FLOAT_EQ(call.meter.CallFee(), kUnit);
    }
    call.meter.EndCall();
    EXPECT_EQ(call.meter.CallFee(), 0.0f);
    EXPECT_EQ(call.meter.EntryTotal(), 0.0f);
}

TEST_F(FeeMeterTest, WithoutFileloggingTheAmountsStayZeroButTimersRun) {
    call.store.WriteInt("All entries", "Filelogging", 0);
    call.store.WriteString("Office", "Total costs", "5.00");
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.Advance(200 * 1000);
    EXPECT_EQ(call.Units(), 3);
    EXPECT_EQ(call.meter.CallFee(), 0.0f);
    EXPECT_EQ(call.meter.EntryTotal(), 0.0f);
    EXPECT_TRUE(call.timers.IsRunning(FeeMeter::kChargeTimerId));
}

TEST_F(FeeMeterTest, AnUnknownScaleCostsNothing) {
    SetScale("Office", "deutsche telekom city");
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.RunFor(600 * 1000);
    EXPECT_EQ(Prices(), (std::vector<float>{0.0f}));
    EXPECT_EQ(call.meter.RunningCycleMs(), 0);
    EXPECT_EQ(call.meter.ResolveScale("Office"), "deutsche telekom city");
    SetScale("Office", "Userdefined");
    EXPECT_EQ(call.meter.ResolveScale("Office"), "Userdefined scale #1");
    EXPECT_EQ(call.meter.ResolveScale("Nobody"), "Deutsche Telekom City");
}

TEST_F(FeeMeterTest, ElapsedTimeDoesNotWrapAfter49Days) {
    call.BeginAt("Office", 2026, 12, 8, 10, 0, 0);
    call.clock.Advance(50LL * 86400 * 1000 + 999);
    EXPECT_EQ(call.meter.ElapsedSeconds(), 50LL * 86400);
    EXPECT_EQ(call.meter.ConnectTime().hour, 10);
}

// The ideal unit count of a call that starts at 00:00:00 and lasts 24 hours:
// the first unit at connect; the first tick at 00:00:01 starts the timer; a
// change of cycle is seen at boundary + 1 s, where one unit is paid and the
// timer restarts; a unit falling due on the very tick that sees the change
// or the end of the call is not charged.
int IdealUnits(const std::vector<std::pair<int, int>>& periods /* start hour, cycle ms */) {
    int units = 1;
    std::int64_t segmentStart = 1000;
    int cycle = periods.front().second;
    for (std::size_t i = 1; i <= periods.size(); ++i) {
        const bool end = i == periods.size();
        if (!end && periods[i].second == cycle)
            continue;
        const std::int64_t segmentEnd = end ? 86400'000 : periods[i].first * 3600'000LL + 1000;
        units += static_cast<int>((segmentEnd - segmentStart - 1) / cycle);
        if (!end) {
            ++units;  // paid on entering the new cycle
            segmentStart = segmentEnd;
            cycle = periods[i].second;
        }
    }
    return units;
}

struct DayCase {
    const char* scale;
    int day;  // 8: Tuesday, 13: Sunday
    std::vector<std::pair<int, int>> periods;
};

void PrintTo(const DayCase& c, std::ostream* os) {
    *os << c.scale << " on day " << c.day;
}

class TwentyFourHourCall : public ::testing::TestWithParam<DayCase> {
protected:
    ScopedTimeZone m_utc{"UTC"};
};

TEST_P(TwentyFourHourCall, MatchesTheIdealUnitCount) {
    const DayCase& c = GetParam();
    MeteredCall day;
    day.store.WriteString("Office", "Scale", c.scale);
    day.BeginAt("Office", 2026, 12, c.day, 0, 0, 0);
    day.RunFor(86400 * 1000);
    EXPECT_EQ(day.Units(), IdealUnits(c.periods));
    // A single-precision running sum drifts a little from the product.
    EXPECT_NEAR(day.meter.CallFee(), day.Units() * kUnit, 0.02);
}

INSTANTIATE_TEST_SUITE_P(
    BuiltinScales, TwentyFourHourCall,
    ::testing::Values(
        DayCase{"Deutsche Telekom City",
                8,
                {{0, 240000}, {5, 150000}, {9, 90000}, {18, 150000}, {21, 240000}}},
        DayCase{"Deutsche Telekom City", 13, {{0, 240000}, {5, 150000}, {21, 240000}}},
        DayCase{"Deutsche Telekom Region 50",
                8,
                {{0, 60000},
                 {2, 120000},
                 {5, 45000},
                 {9, 26000},
                 {12, 30000},
                 {18, 45000},
                 {21, 60000}}},
        DayCase{"Deutsche Telekom Region 50", 13, {{0, 60000}, {5, 45000}, {21, 60000}}},
        DayCase{"Deutsche Telekom Region 200",
                8,
                {{0, 36000},
                 {2, 120000},
                 {5, 22500},
                 {9, 13000},
                 {12, 14000},
                 {18, 22500},
                 {21, 36000}}},
        DayCase{"Deutsche Telekom Region 200", 13, {{0, 36000}}},
        DayCase{"Deutsche Telekom Fern",
                8,
                {{0, 30000},
                 {2, 120000},
                 {5, 21500},
                 {9, 12000},
                 {12, 13500},
                 {18, 21500},
                 {21, 30000}}},
        DayCase{"Deutsche Telekom Fern", 13, {{0, 36000}}}),
    [](const auto& info) {
        std::string name =
            std::string(info.param.scale).substr(17) + (info.param.day == 8 ? "Weekday" : "Sunday");
        std::erase(name, ' ');
        return name;
    });

// Under Europe/Berlin: units follow the real time that passes, periods the
// local wall clock. The skipped hour in March shortens the night period by an
// hour; the repeated hour in October lengthens it.
TEST(FeeMeterDaylightSaving, UnitsFollowRealTimeAndPeriodsTheWallClock) {
    ScopedTimeZone berlin("Europe/Berlin");
    struct Case {
        int month, saturday;
        std::int64_t realNightSeconds;  // from 23:00:01 Saturday to 05:00:01 Sunday
    };
    for (Case c : {Case{3, 27, 5 * 3600}, Case{10, 30, 7 * 3600}}) {
        MeteredCall call;
        call.BeginAt("Office", 2027, c.month, c.saturday, 23, 0, 0);
        call.RunUntil(2027, c.month, c.saturday + 1, 6, 0, 0);
        // Connect, 240 s units through the night, one on entering 05:00-21:00
        // (150 s), then 150 s units until 06:00:00.
        const int expected = 1 + static_cast<int>((c.realNightSeconds - 1) / 240) + 1 +
                             static_cast<int>((3599 - 1) / 150);
        EXPECT_EQ(call.Units(), expected) << "month " << c.month;
        EXPECT_EQ(call.charges().back().at.hour, 5);
    }
}

}  // namespace
}  // namespace varnolt::test
