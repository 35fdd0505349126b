#pragma once

namespace varnolt {

// Marks the one process that keeps the running-call journal. The system
// releases it when that process dies, however it dies, so a journal found
// while nobody holds the lock was left by a program that ended during a call.
class CallLock {
public:
    virtual ~CallLock() = default;

    // Takes the lock without waiting; true when this process holds it now
    // (also when it already did), false when another process holds it or it
    // cannot be had at all.
    virtual bool TryAcquire() = 0;
    // Lets it go; nothing happens when it is not held.
    virtual void Release() = 0;
};

}  // namespace varnolt
