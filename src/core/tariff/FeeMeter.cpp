#include "tariff/FeeMeter.h"

#include <cmath>

#include "app/NumberText.h"
#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "meter/TotalCosts.h"
#include "options/OptionKeys.h"
#include "tariff/BuiltinScales.h"
#include "tariff/EntryScale.h"

namespace varnolt {
namespace {

constexpr float kBuiltinUnitPrice = 0.12f;

// TariffScale::dayFlags runs Monday..Sunday; LocalDateTime counts from Sunday = 0.
// Any int maps into 0..6, so a malformed date cannot index out of range.
int DayFlagIndex(int dayOfWeek) {
    return ((dayOfWeek % 7) + 13) % 7;
}

}  // namespace

std::optional<std::int32_t> CycleMs(const std::string& cycleText) {
    const float ms = ScanFloat(cycleText) * 1000.0f;
    // 2^31 is exact in single precision; anything at or above it overflows int32.
    if (!std::isfinite(ms) || ms < 1.0f || ms >= 2147483648.0f) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(ms);
}

float UnitPrice(const std::string& unitText) {
    const float price = ScanFloat(unitText);
    return std::isfinite(price) ? price : 0.0f;
}

FeeMeter::FeeMeter(SettingsStore& store, const Clock& clock, Timers& timers)
    : m_store(store), m_clock(clock), m_timers(timers), m_scales(store), m_holidays(store) {}

std::string FeeMeter::ResolveScale(const std::string& entryName) const {
    return ResolveEntryScale(m_store, entryName);
}

DayClass FeeMeter::DayClass(const TariffScale& scale, const LocalDateTime& date) const {
    // The weekday rule first; the holiday lookup only when it has not decided.
    if (scale.dayFlags[DayFlagIndex(date.dayOfWeek)]) {
        return varnolt::DayClass::SundayHoliday;
    }
    return m_holidays.IsHoliday(date.day, date.month, date.year) ? varnolt::DayClass::SundayHoliday
                                                                 : varnolt::DayClass::Weekday;
}

std::optional<ScaleId> FeeMeter::ConnectedScale() const {
    return ScaleFromIdentifier(ResolveScale(m_entryName));
}

PeriodProbe FeeMeter::MakeProbe(const LocalDateTime& now, std::int64_t moment,
                                const TariffPeriod& period) {
    PeriodProbe probe;
    probe.moment = moment;
    probe.local = now;
    probe.fromHour = period.fromHour;
    probe.fromMinute = period.fromMinute;
    probe.toHour = period.toHour;
    probe.toMinute = period.toMinute;
    return probe;
}

bool FeeMeter::Contains(const PeriodProbe& probe) const {
    LocalDateTime start = probe.local;
    start.hour = probe.fromHour;
    start.minute = probe.fromMinute;
    start.second = 0;
    start.millisecond = 0;
    LocalDateTime end = start;
    end.hour = probe.toHour;
    end.minute = probe.toMinute;
    // Both ends excluded: at 18:00:00 neither neighbour of 18:00 holds.
    return m_clock.ToCalendarSeconds(start) < probe.moment &&
           probe.moment < m_clock.ToCalendarSeconds(end);
}

std::optional<PeriodProbe> FeeMeter::PeriodNow(ScaleId id) const {
    TariffScale stored;
    const TariffScale& scale = IsBuiltin(id) ? BuiltinScale(id) : (stored = m_scales.LoadScale(id));
    LocalDateTime now = m_clock.Now();
    now.millisecond = 0;
    const std::int64_t moment = m_clock.ToCalendarSeconds(now);
    const auto& periods = DayClass(scale, now) == varnolt::DayClass::SundayHoliday
                              ? scale.holidayPeriods
                              : scale.weekdayPeriods;
    for (const TariffPeriod& period : periods) {
        PeriodProbe probe = MakeProbe(now, moment, period);
        if (Contains(probe)) {
            probe.cycleMs = CycleMs(period.cycle);
            probe.unitPrice = UnitPrice(period.unit);
            return probe;
        }
    }
    return std::nullopt;
}

float FeeMeter::UnitPriceNow() const {
    const std::optional<ScaleId> id = ConnectedScale();
    if (!id) {
        return 0.0f;
    }
    if (IsBuiltin(*id)) {
        return kBuiltinUnitPrice;
    }
    const std::optional<PeriodProbe> period = PeriodNow(*id);
    return period ? period->unitPrice : 0.0f;
}

std::int32_t FeeMeter::CycleMsNow() const {
    if (m_runningCycleMs != 0) {
        return m_runningCycleMs;
    }
    const std::optional<ScaleId> id = ConnectedScale();
    const std::optional<PeriodProbe> period = id ? PeriodNow(*id) : std::nullopt;
    return period && period->cycleMs ? *period->cycleMs : 0;
}

void FeeMeter::BeginCall(const std::string& entryName) {
    m_entryName = entryName;
    m_runningCycleMs = 0;
    m_callFee = 0.0f;
    m_units = 0;
    m_entryTotal = ReadTotalCosts(m_store, EntrySection(entryName));
    Charge(UnitPriceNow());
    m_connectTickMs = m_clock.TickMs();
    m_connectTime = m_clock.Now();
}

void FeeMeter::TrackPeriod() {
    const std::optional<ScaleId> id = ConnectedScale();
    if (!id) {
        return;
    }
    if (const std::optional<PeriodProbe> period = PeriodNow(*id)) {
        ApplyPeriod(*period);
    }
}

std::optional<float> FeeMeter::NewPeriodUnit() const {
    const std::optional<ScaleId> id = ConnectedScale();
    const std::optional<PeriodProbe> probe = id ? PeriodNow(*id) : std::nullopt;
    // The same test as ApplyPeriod's before it charges a new cycle's first unit.
    if (!probe || !Contains(*probe) || !probe->cycleMs || m_runningCycleMs == 0 ||
        *probe->cycleMs == m_runningCycleMs) {
        return std::nullopt;
    }
    return probe->unitPrice;
}

bool FeeMeter::ApplyPeriod(const PeriodProbe& probe) {
    if (!Contains(probe) || !probe.cycleMs) {
        return false;
    }
    const std::int32_t cycleMs = *probe.cycleMs;
    if (m_runningCycleMs == 0) {
        // The call's first unit was paid by BeginCall.
        m_runningCycleMs = cycleMs;
        m_timers.Start(kChargeTimerId, cycleMs);
        return true;
    }
    if (cycleMs == m_runningCycleMs) {
        return false;
    }
    // A new cycle starts with a unit paid at once; the part of the old one is dropped.
    m_runningCycleMs = cycleMs;
    m_timers.Stop(kChargeTimerId);
    Charge(probe.unitPrice);
    m_timers.Start(kChargeTimerId, cycleMs);
    return true;
}

void FeeMeter::Charge(float unitPrice) {
    ++m_units;
    if (m_store.ReadInt(std::string(kAllEntriesSection), kFileLoggingKey, kFileLoggingDefault) ==
        0) {
        m_callFee = 0.0f;
        m_entryTotal = 0.0f;
    } else {
        m_callFee = AddAmounts(m_callFee, unitPrice);
        m_entryTotal = AddAmounts(m_entryTotal, unitPrice);
    }
    if (m_chargeListener) {
        m_chargeListener(unitPrice);
    }
}

void FeeMeter::EndCall() {
    m_callFee = 0.0f;
    m_units = 0;
    m_entryTotal = 0.0f;
}

std::int64_t FeeMeter::ElapsedSeconds() const {
    return (m_clock.TickMs() - m_connectTickMs) / 1000;
}

}  // namespace varnolt
