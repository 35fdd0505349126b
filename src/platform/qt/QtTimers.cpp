#include "QtTimers.h"

namespace varnolt {

void QtTimers::Start(int id, int periodMs) {
    auto& timer = m_timers[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer.get(), &QTimer::timeout, this, [this, id] {
            if (m_handler) {
                m_handler(id);
            }
        });
    }
    timer->start(periodMs < 1 ? 1 : periodMs);
}

void QtTimers::Stop(int id) {
    auto it = m_timers.find(id);
    if (it != m_timers.end()) {
        it->second->stop();
    }
}

bool QtTimers::IsRunning(int id) const {
    auto it = m_timers.find(id);
    return it != m_timers.end() && it->second->isActive();
}

}  // namespace varnolt
