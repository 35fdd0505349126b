#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"

namespace varnolt::test {

// A clock that stands still until a test moves it. Local time follows the
// process time zone (tests that depend on it set TZ themselves).
class FakeClock final : public Clock {
public:
    FakeClock();

    LocalDateTime Now() const override;
    std::int64_t TickMs() const override { return m_tickMs; }
    std::int64_t ToCalendarSeconds(const LocalDateTime& local) const override;

    // Sets the wall clock to a local date-time (dayOfWeek is derived).
    void SetLocal(int year, int month, int day, int hour, int minute, int second,
                  int millisecond = 0);
    // Moves wall clock and tick count forward together.
    void Advance(std::int64_t ms);
    std::int64_t EpochMs() const { return m_epochMs; }

private:
    std::int64_t m_epochMs = 0;
    std::int64_t m_tickMs = 1'000'000;
};

// Sets the process time zone (TZ) for the life of the object.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz);
    ~ScopedTimeZone();
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    std::string m_old;
    bool m_hadOld = false;
};

}  // namespace varnolt::test
