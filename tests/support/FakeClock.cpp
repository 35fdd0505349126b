#include "FakeClock.h"

#include <cstdlib>
#include <ctime>

namespace varnolt::test {

std::int64_t NormalisedLocalSeconds(const LocalDateTime& local) {
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

ScopedTimeZone::ScopedTimeZone(const char* tz) {
    if (const char* old = std::getenv("TZ")) {
        m_old = old;
        m_hadOld = true;
    }
    setenv("TZ", tz, 1);
    tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
    if (m_hadOld) {
        setenv("TZ", m_old.c_str(), 1);
    } else {
        unsetenv("TZ");
    }
    tzset();
}

FakeClock::FakeClock() { SetLocal(2026, 12, 7, 10, 0, 0); }

LocalDateTime FakeClock::Now() const {
    std::time_t seconds = static_cast<std::time_t>(m_epochMs / 1000);
    std::tm tm{};
    localtime_r(&seconds, &tm);
    LocalDateTime now;
    now.year = tm.tm_year + 1900;
    now.month = tm.tm_mon + 1;
    now.dayOfWeek = tm.tm_wday;
    now.day = tm.tm_mday;
    now.hour = tm.tm_hour;
    now.minute = tm.tm_min;
    now.second = tm.tm_sec;
    now.millisecond = static_cast<int>(m_epochMs % 1000);
    return now;
}

std::int64_t FakeClock::ToCalendarSeconds(const LocalDateTime& local) const {
    return NormalisedLocalSeconds(local);
}

void FakeClock::SetLocal(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
    LocalDateTime local;
    local.year = year;
    local.month = month;
    local.day = day;
    local.hour = hour;
    local.minute = minute;
    local.second = second;
    m_epochMs = NormalisedLocalSeconds(local) * 1000 + millisecond;
}

void FakeClock::Advance(std::int64_t ms) {
    m_epochMs += ms;
    m_tickMs += ms;
}

}  // namespace varnolt::test
