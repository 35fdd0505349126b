#pragma once

#include <functional>

namespace varnolt {

// Window-style timers addressed by an id. Events arrive on the UI thread one at
// a time, at most one pending per timer: a stalled thread sees one event, never
// a burst. Starting a running id restarts it with the new period.
class Timers {
public:
    using Handler = std::function<void(int id)>;

    virtual ~Timers() = default;

    // The owner receives every event through this handler.
    virtual void SetHandler(Handler handler) = 0;
    // periodMs must be at least 1; callers decide what to do with other values.
    virtual void Start(int id, int periodMs) = 0;
    virtual void Stop(int id) = 0;
    virtual bool IsRunning(int id) const = 0;
};

}  // namespace varnolt
