#pragma once

namespace varnolt {

// The locks of the running-call journals, one per journal slot (numbered
// from 1): the process that holds a slot's lock is the one that keeps that
// journal. The system releases a lock when its process dies, however it dies,
// so a journal found while nobody holds its lock was left by a program that
// ended during a call.
class CallLock {
public:
    virtual ~CallLock() = default;

    // Takes the slot's lock without waiting; true when this process holds it
    // now (also when it already did), false when another process holds it or
    // it cannot be had at all.
    virtual bool TryAcquire(int slot) = 0;
    // Lets it go; nothing happens when it is not held.
    virtual void Release(int slot) = 0;
};

}  // namespace varnolt
