#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/Timers.h"

namespace varnolt {

// Timers on the UI thread's event loop. A QTimer never queues more than one
// event, so a stalled thread sees one event per timer, not a burst.
class QtTimers final : public QObject, public Timers {
public:
    explicit QtTimers(QObject* parent = nullptr) : QObject(parent) {}

    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    void Start(int id, int periodMs) override;
    void Stop(int id) override;
    bool IsRunning(int id) const override;

private:
    Handler m_handler;
    std::map<int, std::unique_ptr<QTimer>> m_timers;
};

}  // namespace varnolt
