#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeTimers.h"
#include "MemorySettingsStore.h"
#include "tariff/FeeMeter.h"

namespace varnolt::test {

// Drives a metered call on fake time: BeginCall at a local time, a meter tick
// every second (as the connection watch does) and the charge timer as its
// period falls due, until the line is found down. Records every charge.
class MeteredCall {
public:
    static constexpr int kMeterTickId = 300;

    struct ChargeEvent {
        std::int64_t offsetMs;  // since the connection came up
        LocalDateTime at;
        float price;
    };

    MeteredCall();

    MemorySettingsStore store;
    FakeClock clock;
    FakeTimers timers{clock};
    FeeMeter meter{store, clock, timers};

    // The connection comes up now (set the clock first); starts a fresh record.
    void Begin(const std::string& entryName);
    void BeginAt(const std::string& entryName, int year, int month, int day, int hour, int minute,
                 int second);
    // Runs the call; the line drops `ms` after now. The first tick at or after
    // the drop finds the line down and stops all timers.
    void RunFor(std::int64_t ms);
    // Runs until the line drops at a local time.
    void RunUntil(int year, int month, int day, int hour, int minute, int second);
    // Runs with the line up, for a check in the middle of a call.
    void Advance(std::int64_t ms) { timers.Advance(ms); }

    const std::vector<ChargeEvent>& charges() const { return m_charges; }
    int Units() const { return static_cast<int>(m_charges.size()); }
    bool LineUp() const { return m_lineUp; }

private:
    void OnTimer(int id);

    std::vector<ChargeEvent> m_charges;
    std::int64_t m_beginTick = 0;
    std::int64_t m_dropTick = INT64_MAX;
    bool m_lineUp = false;
};

}  // namespace varnolt::test
