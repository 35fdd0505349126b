#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "LogWorld.h"
#include "app/LocalTime.h"
#include "log/LogStatistics.h"

namespace varnolt {
namespace {

struct Call {
    std::string entry;
    std::optional<CallDate> from;
    std::string to;
    std::string costs;
};

LogStatistics Compute(const std::vector<Call>& calls, YearMonth chosen) {
    std::vector<CLogRecord> records;
    std::vector<std::optional<CallDate>> dates;
    for (const Call& call : calls) {
        records.push_back(CLogRecord{call.entry, "anna", "ignored", call.to, call.costs});
        dates.push_back(call.from);
    }
    return ComputeLogStatistics(records, dates, LocalDateTime{1997, 1, 3, 15, 12, 0, 0, 0}, chosen);
}

TEST(LogStatisticsTest, SumsTheLastTwelveMonthsAndTheChosenMonthByEntry) {
    const LogStatistics s = Compute(
        {
            {"Office", CallDate{1996, 1, 31, 23, 0}, "01.02. 00:30 h", "5.00 DM"},  // too old
            {"Office", CallDate{1996, 2, 1, 10, 0}, "01.02. 10:10 h", "1.00 DM"},
            {"Home", CallDate{1996, 12, 31, 23, 50}, "01.01. 00:20 h", "2.50 DM"},
            {"Office", CallDate{1996, 12, 5, 10, 0}, "05.12. 11:00 h", "1.25 DM"},
            {"Office", CallDate{1996, 12, 6, 10, 0}, "06.12. 10:30 h", "0.75 DM"},
            {"Lab", CallDate{1996, 12, 20, 10, 0}, "20.12. 09:00 h", "0.10 DM"},  // a year on
            {"Home", std::nullopt, "01.01. 00:20 h", "3.00 DM"},
            {"Home", CallDate{1997, 1, 10, 10, 0}, "10.01. 10:05 h", "<unknown>"},
            {"Home", CallDate{1997, 1, 11, 10, 0}, "garbage", "1.00 DM"},
            {"Home", CallDate{1997, 1, 12, 10, 0}, "12.01. 10:05 h", "0.50 DM"},
        },
        YearMonth{1996, 12});

    EXPECT_EQ(s.months[0], (YearMonth{1996, 2}));
    EXPECT_EQ(s.months[10], (YearMonth{1996, 12}));
    EXPECT_EQ(s.months[11], (YearMonth{1997, 1}));
    EXPECT_EQ(s.entries, (std::vector<std::string>{"Home", "Lab", "Office"}));
    std::vector<float> home(12), lab(12), office(12);
    home[10] = 2.5f;
    home[11] = 0.5f;
    lab[10] = 0.1f;
    office[0] = 1.0f;
    office[10] = 2.0f;
    EXPECT_EQ(s.costs, (std::vector<std::vector<float>>{home, lab, office}));
    EXPECT_FLOAT_EQ(s.MonthTotal(10), 4.6f);
    EXPECT_EQ(s.chosen, (std::vector<EntryMonth>{{"Home", 2.5f, 30, 1},
                                                 {"Lab", 0.1f, 365 * 24 * 60 - 60, 1},
                                                 {"Office", 2.0f, 90, 2}}));
    EXPECT_FLOAT_EQ(s.chosen[2].AverageCost(), 1.0f);
    EXPECT_EQ(s.unknownCount, 3);
    EXPECT_FLOAT_EQ(s.unknownCosts, 4.0f);
}

TEST(LogStatisticsTest, AnEmptyLogAndALogOfOneEntry) {
    const struct {
        std::vector<Call> calls;
        std::vector<std::string> entries;
        std::vector<EntryMonth> chosen;
    } cases[] = {
        {{}, {}, {}},
        {{{"Office", CallDate{1997, 1, 2, 8, 0}, "02.01. 08:07 h", "0.36 DM"}},
         {"Office"},
         {{"Office", 0.36f, 7, 1}}},
    };
    for (const auto& c : cases) {
        const LogStatistics s = Compute(c.calls, YearMonth{1997, 1});
        EXPECT_EQ(s.entries, c.entries);
        EXPECT_EQ(s.chosen, c.chosen);
        EXPECT_EQ(s.unknownCount, 0);
        EXPECT_EQ(s.months[11], (YearMonth{1997, 1}));
    }
}

TEST(LogStatisticsTest, ReadsTheStoredLogWithTheYearOfLastConnect) {
    test::LogWorld world;
    world.log.Append("Office", "anna", MakeLocal(1995, 12, 30, 10, 0, 0),
                     MakeLocal(1995, 12, 30, 10, 9, 0), 0.5f, 0.5f);
    world.log.Append("Home", "anna", MakeLocal(1995, 12, 31, 23, 50, 0),
                     MakeLocal(1996, 1, 1, 0, 10, 0), 0.75f, 1.25f);
    const LocalDateTime now{1997, 1, 3, 15, 12, 0, 0, 0};

    // Without "Last connect" the newest call, 31.12., is dated last year.
    LogStatistics s = ReadLogStatistics(world.log, world.store, now, YearMonth{1996, 12});
    EXPECT_EQ(s.chosen, (std::vector<EntryMonth>{{"Home", 0.75f, 20, 1}, {"Office", 0.5f, 9, 1}}));

    world.store.WriteString("All entries", "Last connect", "31.12.1995 at 23:50:00 h");
    s = ReadLogStatistics(world.log, world.store, now, YearMonth{1995, 12});
    EXPECT_EQ(s.chosen.size(), 2u);
    EXPECT_TRUE(s.entries.empty());  // both older than twelve months
}

TEST(LogStatisticsTest, StacksTheCostliestEntriesAndSumsTheRest) {
    LogStatistics s;
    s.entries = {"A", "B", "C", "D"};
    std::vector<float> a(12), b(12), c(12), d(12);
    a[0] = 1.0f;
    b[0] = 3.0f;
    c[1] = 2.0f;  // ties with d, which comes later by name
    d[11] = 2.0f;
    s.costs = {a, b, c, d};

    const StackedCosts all = MostCostlyEntries(s, 4);
    EXPECT_EQ(all.entries, s.entries);
    EXPECT_EQ(all.costs, s.costs);

    const StackedCosts two = MostCostlyEntries(s, 2);
    EXPECT_EQ(two.entries, (std::vector<std::string>{"B", "C", ""}));
    std::vector<float> others(12);
    others[0] = 1.0f;
    others[11] = 2.0f;
    EXPECT_EQ(two.costs, (std::vector<std::vector<float>>{b, c, others}));
}

TEST(LogStatisticsTest, ConnectedTimeText) {
    const std::pair<long long, const char*> cases[] = {
        {0, "0:00 h"}, {7, "0:07 h"}, {60, "1:00 h"}, {525600, "8760:00 h"}};
    for (const auto& [minutes, text] : cases) {
        EXPECT_EQ(ConnectedTimeText(minutes), text);
    }
}

}  // namespace
}  // namespace varnolt
