#include "app/LocalTime.h"

#include <ctime>

namespace varnolt {

LocalDateTime LocalFromEpochMs(std::int64_t epochMs) {
    std::int64_t seconds = epochMs / 1000;
    std::int64_t millisecond = epochMs % 1000;
    if (millisecond < 0) {
        millisecond += 1000;
        --seconds;
    }
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&time, &tm);
    LocalDateTime local;
    local.year = tm.tm_year + 1900;
    local.month = tm.tm_mon + 1;
    local.dayOfWeek = tm.tm_wday;
    local.day = tm.tm_mday;
    local.hour = tm.tm_hour;
    local.minute = tm.tm_min;
    local.second = tm.tm_sec;
    local.millisecond = static_cast<int>(millisecond);
    return local;
}

std::int64_t EpochSecondsFromLocal(const LocalDateTime& local) {
    std::tm tm{};
    tm.tm_year = local.year - 1900;
    tm.tm_mon = local.month - 1;
    tm.tm_mday = local.day;
    tm.tm_hour = local.hour;
    tm.tm_min = local.minute;
    tm.tm_sec = local.second;
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

LocalDateTime MakeLocal(int year, int month, int day, int hour, int minute, int second) {
    LocalDateTime local;
    local.year = year;
    local.month = month;
    local.day = day;
    local.hour = hour;
    local.minute = minute;
    local.second = second;
    return local;
}

bool IsCalendarDay(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

}  // namespace varnolt
