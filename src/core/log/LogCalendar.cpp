#include "log/LogCalendar.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "app/LocalTime.h"
#include "app/NumberText.h"

namespace varnolt {
namespace {

// The text's fields separated by the given separators, in order, each
// field one or more digits; the fields' values. Anything else is none.
template <std::size_t N>
std::optional<std::vector<int>> ReadFields(std::string_view text,
                                           const std::string_view (&separators)[N],
                                           std::string_view end) {
    if (text.size() < end.size() || text.substr(text.size() - end.size()) != end) {
        return std::nullopt;
    }
    text.remove_suffix(end.size());
    std::vector<int> values;
    for (std::size_t i = 0; i <= N; ++i) {
        const std::size_t stop = i < N ? text.find(separators[i]) : text.size();
        const std::string_view field = text.substr(0, stop);
        int value = 0;
        if (stop == std::string_view::npos || field.empty() || field.size() > 9 ||
            !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            !ScanLeadingInt(field, value)) {
            return std::nullopt;
        }
        values.push_back(value);
        text.remove_prefix(i < N ? stop + separators[i].size() : stop);
    }
    return values;
}

// (month, day) of a date, for comparing days of the year.
std::pair<int, int> DayOfYear(const CallDate& date) {
    return {date.month, date.day};
}

// The year of lastConnect, when it is readable.
std::optional<CallDate> ReadLastConnect(const std::string& text) {
    static constexpr std::string_view kSeparators[] = {".", ".", " at ", ":", ":"};
    const auto fields = ReadFields(text, kSeparators, " h");
    if (!fields) {
        return std::nullopt;
    }
    const auto& f = *fields;
    CallDate date{f[2], f[1], f[0], f[3], f[4]};
    if (date.year < 1 || date.year > 9999 || !IsCalendarDay(date.year, date.month, date.day)) {
        return std::nullopt;
    }
    return date;
}

}  // namespace

std::optional<CallDate> ReadLogTime(std::string_view text) {
    static constexpr std::string_view kSeparators[] = {".", ". ", ":"};
    const auto fields = ReadFields(text, kSeparators, " h");
    if (!fields) {
        return std::nullopt;
    }
    const auto& f = *fields;
    const CallDate time{0, f[1], f[0], f[2], f[3]};
    // Year 4 has a 29 February.
    if (!IsCalendarDay(4, time.month, time.day) || time.hour > 23 || time.minute > 59) {
        return std::nullopt;
    }
    return time;
}

std::vector<std::optional<CallDate>> DateLogRecords(const std::vector<CLogRecord>& records,
                                                    const std::string& lastConnect,
                                                    const LocalDateTime& now) {
    std::vector<std::optional<CallDate>> dates(records.size());
    const std::optional<CallDate> last = ReadLastConnect(lastConnect);
    std::optional<CallDate> newer;  // the next newer readable record
    for (std::size_t i = records.size(); i-- > 0;) {
        std::optional<CallDate> date = ReadLogTime(records[i].from);
        if (!date) {
            continue;
        }
        if (newer) {
            date->year = newer->year - (DayOfYear(*date) > DayOfYear(*newer) ? 1 : 0);
        } else if (last && DayOfYear(*last) == DayOfYear(*date)) {
            date->year = last->year;
        } else {
            const bool afterToday = DayOfYear(*date) > std::pair(now.month, now.day);
            date->year = now.year - (afterToday ? 1 : 0);
        }
        if (!IsCalendarDay(date->year, date->month, date->day)) {
            continue;
        }
        dates[i] = newer = date;
    }
    return dates;
}

std::optional<float> LoggedAmount(const std::string& costs) {
    // The amount ends at the blank before the currency symbol.
    const std::string_view text(costs);
    const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
    return ScanWholeFloat(text.substr(start, text.find(' ', start) - start));
}

}  // namespace varnolt
