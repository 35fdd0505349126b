#include "QtClock.h"

#include <chrono>

#include "app/LocalTime.h"

namespace varnolt {

LocalDateTime QtClock::Now() const {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return LocalFromEpochMs(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

std::int64_t QtClock::ToCalendarSeconds(const LocalDateTime& local) const {
    return EpochSecondsFromLocal(local);
}

}  // namespace varnolt
