#pragma once

#include <optional>

#include "meter/CaptionStyle.h"

namespace varnolt {

class CaptionView;
class FeeMeter;
class Locale;
class SettingsStore;
class Timers;

// The caption while a call is up: the meter tick rewrites it every second in
// the style read when the connection came up, then lets the fee meter track
// the tariff period. Whether the line is still up is the caller's check.
class CaptionMeter {
public:
    static constexpr int kMeterTickId = 300;
    static constexpr int kMeterTickMs = 1000;

    CaptionMeter(const SettingsStore& store, const Locale& locale, FeeMeter& meter, Timers& timers,
                 CaptionView& view);

    // Right after the fee meter's BeginCall: reads the style for this call and
    // starts the meter tick.
    void StartMetering();
    // Writes the caption of the present moment, and the call's summary.
    void RefreshCaption();
    // One meter tick with the line up: the caption, then the period tracking.
    void MeterTick();

private:
    const SettingsStore& m_store;
    const Locale& m_locale;
    FeeMeter& m_meter;
    Timers& m_timers;
    CaptionView& m_view;
    // None: the stored style has no caption, so the sheet keeps its title.
    std::optional<CaptionStyle> m_style;
};

}  // namespace varnolt
