#pragma once

#include <QElapsedTimer>

#include "platform/Clock.h"

namespace varnolt {

// The real clock: local time from the C library, ticks from a monotonic timer.
class QtClock final : public Clock {
public:
    QtClock() { m_elapsed.start(); }

    LocalDateTime Now() const override;
    std::int64_t TickMs() const override { return m_elapsed.elapsed(); }
    std::int64_t ToCalendarSeconds(const LocalDateTime& local) const override;

private:
    QElapsedTimer m_elapsed;
};

}  // namespace varnolt
