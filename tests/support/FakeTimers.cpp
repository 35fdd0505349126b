#include "FakeTimers.h"

#include <stdexcept>

namespace varnolt::test {

void FakeTimers::Start(int id, int periodMs) {
    if (periodMs < 1) {
        // The real timers cannot run with such a period either; fail the test loudly.
        throw std::invalid_argument("timer period below 1 ms");
    }
    m_running[id] = Running{periodMs, m_clock.TickMs() + periodMs};
}

int FakeTimers::PeriodOf(int id) const {
    auto it = m_running.find(id);
    return it == m_running.end() ? 0 : it->second.periodMs;
}

void FakeTimers::Advance(std::int64_t ms) {
    const std::int64_t end = m_clock.TickMs() + ms;
    for (;;) {
        auto next = m_running.end();
        for (auto it = m_running.begin(); it != m_running.end(); ++it) {
            if (it->second.dueTick <= end &&
                (next == m_running.end() || it->second.dueTick < next->second.dueTick)) {
                next = it;
            }
        }
        if (next == m_running.end()) {
            break;
        }
        m_clock.Advance(next->second.dueTick - m_clock.TickMs());
        next->second.dueTick += next->second.periodMs;
        if (m_handler) {
            m_handler(next->first);  // may start or stop timers, next included
        }
    }
    m_clock.Advance(end - m_clock.TickMs());
}

void FakeTimers::Stall(std::int64_t ms) {
    m_clock.Advance(ms);
    const std::int64_t now = m_clock.TickMs();
    std::map<int, Running> due;
    for (auto& [id, timer] : m_running) {
        if (timer.dueTick <= now) {
            due.emplace(id, timer);
            // One pending event; the schedule continues from now.
            timer.dueTick = now + timer.periodMs;
        }
    }
    for (const auto& entry : due) {
        if (m_handler && m_running.count(entry.first) != 0) {
            m_handler(entry.first);
        }
    }
}

}  // namespace varnolt::test
