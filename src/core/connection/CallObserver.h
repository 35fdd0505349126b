#pragma once

#include <cstdint>
#include <string>

#include "meter/BudgetWatch.h"

namespace varnolt {

class FeeMeter;
struct TrafficBytes;

// Told of the moments of a call that a user may want to see outside the
// sheet: the call window and the desktop notifications. Every operation does
// nothing by default, so a listener takes only what it needs; none of them
// may end or start a call from inside the call.
class CallObserver {
public:
    virtual ~CallObserver() = default;

    // The line came up and the first unit is charged.
    virtual void Connected(const std::string& /*entryName*/, const FeeMeter& /*meter*/) {}
    // Each second of a call, before Tick, where the service counts the call's bytes.
    virtual void Traffic(const TrafficBytes& /*bytes*/) {}
    // Each second of a call, after the caption has been rewritten.
    virtual void Tick(const FeeMeter& /*meter*/) {}
    // The call's fee (with the month's logged costs for the month limit) has
    // gone above a limit; told once per limit and call.
    virtual void BudgetCrossed(BudgetKind /*kind*/, float /*limit*/, float /*fee*/) {}
    // A connected call is over, however it ended: its length and fee.
    virtual void Ended(const std::string& /*entryName*/, std::int64_t /*seconds*/, float /*fee*/) {}
    // A dial failed with `code` (the service's `text`); dial number `attempt`
    // of this command follows after the countdown or pause.
    virtual void RedialAfterFailure(int /*code*/, const std::string& /*text*/, int /*attempt*/) {}
    // A call's accounting could not be saved; `text` says why.
    virtual void SaveFailed(const std::string& /*text*/) {}
};

}  // namespace varnolt
