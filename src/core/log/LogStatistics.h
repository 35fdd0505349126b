#pragma once

#include <optional>
#include <string>
#include <vector>

#include "log/CLogRecord.h"
#include "log/LogCalendar.h"
#include "platform/Clock.h"

namespace varnolt {

class CConnectionLog;
class SettingsStore;

// The calls of one entry within a month.
struct EntryMonth {
    std::string entry;
    float costs = 0;
    long long minutes = 0;  // connected time
    int calls = 0;

    float AverageCost() const { return calls > 0 ? costs / static_cast<float>(calls) : 0; }
    friend bool operator==(const EntryMonth&, const EntryMonth&) = default;
};

struct YearMonth {
    int year = 0;
    int month = 0;

    friend bool operator==(const YearMonth&, const YearMonth&) = default;
};

// Months since January of year 0: the difference of two is the months between them.
inline int MonthNumber(YearMonth month) {
    return month.year * 12 + month.month - 1;
}

// What the Statistics page shows, computed from the log in one pass.
struct LogStatistics {
    static constexpr int kMonths = 12;

    // The last twelve months, oldest first, now's month last.
    YearMonth months[kMonths];
    // The entries with calls in those months, by name, and their costs per month.
    std::vector<std::string> entries;
    std::vector<std::vector<float>> costs;  // [entry][month]
    // The chosen month, one row per entry with calls in it, by name.
    std::vector<EntryMonth> chosen;
    // Records whose start, end or costs cannot be read: how many, and the sum
    // of the costs among them that can.
    int unknownCount = 0;
    float unknownCosts = 0;

    float MonthTotal(int month) const;
};

// The months' costs of at most `most` entries, those that cost most over the
// twelve months (ties by name), in name order; one more row with an empty
// name sums the others. A chart stays readable with hundreds of entries.
struct StackedCosts {
    std::vector<std::string> entries;
    std::vector<std::vector<float>> costs;  // [entry][month]
};
StackedCosts MostCostlyEntries(const LogStatistics& statistics, std::size_t most);

// The statistics of the records, dated as DateLogRecords dates them. A call
// counts in the month it started; its connected time runs to its "To",
// which lies in the next year when its day and time come before the start's.
LogStatistics ComputeLogStatistics(const std::vector<CLogRecord>& records,
                                   const std::vector<std::optional<CallDate>>& dates,
                                   const LocalDateTime& now, YearMonth chosen);

// The statistics of the log as stored: its records and "Last connect".
LogStatistics ReadLogStatistics(const CConnectionLog& log, const SettingsStore& store,
                                const LocalDateTime& now, YearMonth chosen);

// Connected time as "h:mm h".
std::string ConnectedTimeText(long long minutes);

}  // namespace varnolt
