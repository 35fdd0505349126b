#pragma once

#include <cstdint>

#include "platform/Clock.h"

namespace varnolt {

// Conversions between calendar time and local date-time in the process time
// zone, as the C library does them. They read no clock; clocks use them.

// The local date-time of a moment given in milliseconds since the epoch.
LocalDateTime LocalFromEpochMs(std::int64_t epochMs);
// Calendar seconds of a local date-time, normalised like mktime (hour 24 is
// the next day's 00:00); daylight saving as the time zone decides.
std::int64_t EpochSecondsFromLocal(const LocalDateTime& local);
// A local date-time from its calendar fields (dayOfWeek left at 0).
LocalDateTime MakeLocal(int year, int month, int day, int hour, int minute, int second);

// Whether the day exists in that month of that (proleptic Gregorian) year.
bool IsCalendarDay(int year, int month, int day);

}  // namespace varnolt
