#pragma once

#include <cstdint>

namespace varnolt {

// A local date and time, field for field like the Windows SYSTEMTIME the program
// was designed around: dayOfWeek counts from Sunday = 0.
struct LocalDateTime {
    int year = 0;
    int month = 0;      // 1..12
    int dayOfWeek = 0;  // 0 = Sunday .. 6 = Saturday
    int day = 0;        // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;

    virtual LocalDateTime Now() const = 0;
    // Milliseconds since an arbitrary start; 64 bits, so it never wraps.
    virtual std::int64_t TickMs() const = 0;
    // Calendar seconds of a local date-time, normalising out-of-range fields the
    // way mktime does: hour 24 is the next day's 00:00, minute 60 the next hour.
    // Daylight saving is decided by the time zone. Milliseconds are ignored.
    virtual std::int64_t ToCalendarSeconds(const LocalDateTime& local) const = 0;
};

}  // namespace varnolt
