#pragma once

#include <cstdint>
#include <map>

#include "FakeClock.h"
#include "platform/Timers.h"

namespace varnolt::test {

// Timers driven by the fake clock: Advance moves the clock forward and delivers
// every event that falls due on the way, in time order (equal times by id).
class FakeTimers final : public Timers {
public:
    explicit FakeTimers(FakeClock& clock) : m_clock(clock) {}

    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    void Start(int id, int periodMs) override;
    void Stop(int id) override { m_running.erase(id); }
    bool IsRunning(int id) const override { return m_running.count(id) != 0; }

    int PeriodOf(int id) const;
    void Advance(std::int64_t ms);
    // A stalled UI thread: the clock moves on without events, then each overdue
    // timer delivers a single event, as a real message loop does.
    void Stall(std::int64_t ms);

private:
    struct Running {
        int periodMs;
        std::int64_t dueTick;
    };

    FakeClock& m_clock;
    Handler m_handler;
    std::map<int, Running> m_running;
};

}  // namespace varnolt::test
