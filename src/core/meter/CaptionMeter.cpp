#include "meter/CaptionMeter.h"

#include "app/AppIdentity.h"
#include "meter/CaptionView.h"
#include "platform/Locale.h"
#include "platform/Timers.h"
#include "tariff/FeeMeter.h"

namespace varnolt {

CaptionMeter::CaptionMeter(const SettingsStore& store, const Locale& locale, FeeMeter& meter,
                           Timers& timers, CaptionView& view)
    : m_store(store), m_locale(locale), m_meter(meter), m_timers(timers), m_view(view) {}

void CaptionMeter::StartMetering() {
    // Read once: a change on the Window styles page acts from the next call.
    m_style = ReadCaptionStyle(m_store);
    m_timers.Start(kMeterTickId, kMeterTickMs);
}

void CaptionMeter::RefreshCaption() {
    const std::string symbol = m_locale.CurrencySymbol();
    m_view.SetCaption(
        m_style ? CaptionText(*m_style, m_meter.CallFee(), symbol, m_meter.ElapsedSeconds())
                : std::string(kProgramCaption));
    m_view.SetCallSummary(
        CallSummaryText(m_meter.EntryName(), m_meter.CallFee(), symbol, m_meter.ElapsedSeconds()));
}

void CaptionMeter::MeterTick() {
    // The caption shows the fee before any unit this tick's period change charges.
    RefreshCaption();
    m_meter.TrackPeriod();
}

}  // namespace varnolt
