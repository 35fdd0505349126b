#pragma once

#include <optional>
#include <string>
#include <vector>

#include "log/CLogRecord.h"
#include "platform/Clock.h"

namespace varnolt {

class SettingsStore;

enum class BudgetKind { Call, Month };

// A limit as stored ("%.2f"); none for an empty, unreadable or negative text,
// so a hand-edited value never limits anything by accident.
std::optional<float> ReadLimit(const SettingsStore& store, const char* key);

// The costs the log holds of calls that started in now's year and month.
float MonthLoggedCosts(const std::vector<CLogRecord>& records, const std::string& lastConnect,
                       const LocalDateTime& now);

// Watches a connected call's fee against the call and month limits of "All
// entries", read once at connect: each limit is reported once when the fee
// first goes above it, and with "Hang up at call limit" on a unit that would
// take the fee above the call limit is not charged but ends the call.
class BudgetWatch {
public:
    void Begin(const SettingsStore& store, float monthLogged);
    // The limits the fee has just gone above, each once per call.
    std::vector<BudgetKind> Crossed(float fee);
    // Whether charging `price` now should end the call instead.
    bool HangUpBefore(float fee, float price) const;
    // The limit of that kind; the month's includes nothing logged.
    std::optional<float> Limit(BudgetKind kind) const;

private:
    std::optional<float> m_callLimit;
    std::optional<float> m_monthLimit;
    float m_monthLogged = 0.0f;
    bool m_hangUp = false;
    bool m_callCrossed = false;
    bool m_monthCrossed = false;
};

}  // namespace varnolt
