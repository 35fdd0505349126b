#pragma once

#include "platform/CallLock.h"

namespace varnolt::test {

// The running-call lock; the test plays any other process that holds it.
struct FakeCallLock final : CallLock {
    bool TryAcquire() override { return held = held || !heldElsewhere; }
    void Release() override { held = false; }

    bool held = false;
    bool heldElsewhere = false;
};

}  // namespace varnolt::test
