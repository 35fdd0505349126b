#include "FakeClock.h"

#include <cstdlib>
#include <ctime>

#include "app/LocalTime.h"

namespace varnolt::test {

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

FakeClock::FakeClock() {
    SetLocal(2026, 12, 7, 10, 0, 0);
}

LocalDateTime FakeClock::Now() const {
    return LocalFromEpochMs(m_epochMs);
}

std::int64_t FakeClock::ToCalendarSeconds(const LocalDateTime& local) const {
    return EpochSecondsFromLocal(local);
}

void FakeClock::SetLocal(int year, int month, int day, int hour, int minute, int second,
                         int millisecond) {
    m_epochMs = EpochSecondsFromLocal(MakeLocal(year, month, day, hour, minute, second)) * 1000 +
                millisecond;
}

void FakeClock::Advance(std::int64_t ms) {
    m_epochMs += ms;
    m_tickMs += ms;
}

}  // namespace varnolt::test
