#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "holiday/CHolidayDatabase.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "platform/Timers.h"
#include "tariff/CScaleStore.h"
#include "tariff/TariffScale.h"

namespace varnolt {

// Which of a scale's two period lists applies on a date.
enum class DayClass { Weekday, SundayHoliday };

// One period as the meter applies it at the present moment.
struct PeriodProbe {
    std::int64_t moment = 0;  // calendar seconds of `local`, milliseconds dropped
    LocalDateTime local;
    int fromHour = 0;
    int fromMinute = 0;
    int toHour = 0;
    int toMinute = 0;
    // The cycle as a timer period; empty when the cycle text gives no usable
    // period (see CycleMs).
    std::optional<std::int32_t> cycleMs;
    float unitPrice = 0.0f;
};

// Cycle text (seconds, "%f"-style) to whole milliseconds, truncated toward
// zero in single precision as the meter always has. A cycle that is not
// finite, under 1 ms, or beyond a 32-bit millisecond count cannot run a timer:
// it gives no period at all, and such a period never starts or restarts the
// charge timer (it still prices the units that fall due within it).
std::optional<std::int32_t> CycleMs(const std::string& cycleText);
// Unit price text to a price; a text that reads as not finite counts as 0.
float UnitPrice(const std::string& unitText);

// The fee of the one connection the Phonebook page can hold. Runs on the UI
// thread from the page's timers; reads scales, holidays, the entry's scale and
// "Filelogging" afresh at every evaluation, so edits act on a running call.
class FeeMeter {
public:
    static constexpr int kChargeTimerId = 400;

    FeeMeter(SettingsStore& store, const Clock& clock, Timers& timers);

    // The entry's "Scale" identifier ("Userdefined" read as "Userdefined scale #1").
    std::string ResolveScale(const std::string& entryName) const;
    varnolt::DayClass DayClass(const TariffScale& scale, const LocalDateTime& date) const;
    // The connected entry's unit price at the present moment.
    float UnitPriceNow() const;

    // The connection has come up: reset, take the entry's stored total and
    // charge the first unit.
    void BeginCall(const std::string& entryName);
    // Each connection-watch tick: apply the period that holds the present moment.
    void TrackPeriod();
    // The price of the unit TrackPeriod would charge now for a new period; none
    // when it would charge nothing.
    std::optional<float> NewPeriodUnit() const;
    // Returns true when it started or restarted the charge timer.
    bool ApplyPeriod(const PeriodProbe& probe);
    void Charge(float unitPrice);
    // The charge timer fell due: one unit at the present price.
    void OnChargeTimer() { Charge(UnitPriceNow()); }
    // After the end-of-call accounting has used the amounts.
    void EndCall();

    // Whether the probe's moment lies strictly inside its period.
    bool Contains(const PeriodProbe& probe) const;

    const std::string& EntryName() const { return m_entryName; }
    std::int32_t RunningCycleMs() const { return m_runningCycleMs; }
    // The cycle the charge timer runs, or before the first tick the one the
    // present period gives; 0 when there is none.
    std::int32_t CycleMsNow() const;
    // The units charged since the connection came up, the first included.
    int UnitsCharged() const { return m_units; }
    const LocalDateTime& ConnectTime() const { return m_connectTime; }
    std::int64_t ConnectTickMs() const { return m_connectTickMs; }
    // Whole seconds since the connection came up, from the 64-bit tick count.
    std::int64_t ElapsedSeconds() const;
    float CallFee() const { return m_callFee; }
    float EntryTotal() const { return m_entryTotal; }

    // Told of every unit charged (the price, possibly 0): the running-call
    // journal of the connection's meter, a test's record of another.
    void SetChargeListener(std::function<void(float unitPrice)> listener) {
        m_chargeListener = std::move(listener);
    }

private:
    // The connected entry's scale; none for an unknown identifier.
    std::optional<ScaleId> ConnectedScale() const;
    // The first period of today's list that holds the present moment. Pricing
    // and period tracking both use this one period, also where periods overlap.
    std::optional<PeriodProbe> PeriodNow(ScaleId id) const;
    // The probe's bounds; cycle and price are filled in for the period that holds.
    static PeriodProbe MakeProbe(const LocalDateTime& now, std::int64_t moment,
                                 const TariffPeriod& period);

    SettingsStore& m_store;
    const Clock& m_clock;
    Timers& m_timers;
    CScaleStore m_scales;
    CHolidayDatabase m_holidays;

    std::string m_entryName;
    std::int32_t m_runningCycleMs = 0;
    LocalDateTime m_connectTime;
    std::int64_t m_connectTickMs = 0;
    float m_callFee = 0.0f;
    float m_entryTotal = 0.0f;
    int m_units = 0;
    std::function<void(float)> m_chargeListener;
};

}  // namespace varnolt
