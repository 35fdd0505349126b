#include "log/LogStatistics.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

#include "app/LocalTime.h"
#include "app/NumberText.h"
#include "connection/PhonebookTexts.h"
#include "log/CConnectionLog.h"
#include "meter/TotalCosts.h"
#include "platform/SettingsStore.h"

namespace varnolt {
namespace {

// Days since 1 January 1970 of a proleptic Gregorian date.
long long DaysFromCivil(long long y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

long long Minutes(const CallDate& date) {
    return (DaysFromCivil(date.year, date.month, date.day) * 24 + date.hour) * 60 + date.minute;
}

// The end of a call that started at `from`, from its "To" text.
std::optional<CallDate> CallEnd(const CallDate& from, const std::string& toText) {
    std::optional<CallDate> to = ReadLogTime(toText);
    if (!to) {
        return std::nullopt;
    }
    const auto key = [](const CallDate& d) { return std::tie(d.month, d.day, d.hour, d.minute); };
    to->year = from.year + (key(*to) < key(from) ? 1 : 0);
    if (!IsCalendarDay(to->year, to->month, to->day)) {
        return std::nullopt;
    }
    return to;
}

}  // namespace

float LogStatistics::MonthTotal(int month) const {
    float total = 0;
    for (const std::vector<float>& entry : costs) {
        total = AddAmounts(total, entry[static_cast<std::size_t>(month)]);
    }
    return total;
}

LogStatistics ComputeLogStatistics(const std::vector<CLogRecord>& records,
                                   const std::vector<std::optional<CallDate>>& dates,
                                   const LocalDateTime& now, YearMonth chosen) {
    LogStatistics statistics;
    const int last = MonthNumber({now.year, now.month});
    for (int i = 0; i < LogStatistics::kMonths; ++i) {
        const int n = last - (LogStatistics::kMonths - 1) + i;
        statistics.months[i] = {n / 12, n % 12 + 1};
    }
    std::map<std::string, std::vector<float>> byMonth;
    std::map<std::string, EntryMonth> inChosen;
    for (std::size_t i = 0; i < records.size() && i < dates.size(); ++i) {
        const CLogRecord& record = records[i];
        const std::optional<float> amount = LoggedAmount(record.costs);
        const std::optional<CallDate> end = dates[i] ? CallEnd(*dates[i], record.to) : std::nullopt;
        if (!end || !amount) {
            ++statistics.unknownCount;
            statistics.unknownCosts = AddAmounts(statistics.unknownCosts, amount.value_or(0));
            continue;
        }
        const CallDate& from = *dates[i];
        const int month = MonthNumber({from.year, from.month}) - last + LogStatistics::kMonths - 1;
        if (month >= 0 && month < LogStatistics::kMonths) {
            auto [it, added] = byMonth.try_emplace(record.entry, LogStatistics::kMonths, 0.0f);
            float& costs = it->second[static_cast<std::size_t>(month)];
            costs = AddAmounts(costs, *amount);
        }
        if (YearMonth{from.year, from.month} == chosen) {
            EntryMonth& row = inChosen[record.entry];
            row.costs = AddAmounts(row.costs, *amount);
            row.minutes += Minutes(*end) - Minutes(from);
            ++row.calls;
        }
    }
    for (auto& [entry, costs] : byMonth) {
        statistics.entries.push_back(entry);
        statistics.costs.push_back(std::move(costs));
    }
    for (auto& [entry, row] : inChosen) {
        row.entry = entry;
        statistics.chosen.push_back(std::move(row));
    }
    return statistics;
}

LogStatistics ReadLogStatistics(const CConnectionLog& log, const SettingsStore& store,
                                const LocalDateTime& now, YearMonth chosen) {
    const std::vector<CLogRecord> records = log.ReadAll();
    const std::string lastConnect =
        store.ReadString(std::string(kAllEntriesSection), kLastConnectKey, "");
    return ComputeLogStatistics(records, DateLogRecords(records, lastConnect, now), now, chosen);
}

StackedCosts MostCostlyEntries(const LogStatistics& statistics, std::size_t most) {
    if (statistics.entries.size() <= most) {
        return {statistics.entries, statistics.costs};
    }
    std::vector<float> sums;
    for (const std::vector<float>& months : statistics.costs) {
        sums.push_back(std::accumulate(months.begin(), months.end(), 0.0f, AddAmounts));
    }
    // Entries are in name order, so a stable sort keeps ties by name.
    std::vector<std::size_t> order(statistics.entries.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return sums[a] > sums[b]; });
    std::sort(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(most));

    StackedCosts stacked;
    for (std::size_t i = 0; i < most; ++i) {
        stacked.entries.push_back(statistics.entries[order[i]]);
        stacked.costs.push_back(statistics.costs[order[i]]);
    }
    std::vector<float> others(LogStatistics::kMonths, 0.0f);
    for (std::size_t i = most; i < order.size(); ++i) {
        for (std::size_t m = 0; m < others.size(); ++m) {
            others[m] = AddAmounts(others[m], statistics.costs[order[i]][m]);
        }
    }
    stacked.entries.emplace_back();
    stacked.costs.push_back(std::move(others));
    return stacked;
}

std::string ConnectedTimeText(long long minutes) {
    return std::to_string(minutes / 60) + ":" + FormatTwoDigits(static_cast<int>(minutes % 60)) +
           " h";
}

}  // namespace varnolt
