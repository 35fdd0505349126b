#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "FakeTimers.h"
#include "FixedLocale.h"
#include "RecordingSettingsStore.h"
#include "RecordingSheetHost.h"
#include "RecordingTreeView.h"
#include "ScriptedDialer.h"
#include "log/CConnectionLog.h"
#include "meter/CallAccounting.h"
#include "meter/CaptionMeter.h"
#include "meter/CaptionView.h"
#include "tariff/FeeMeter.h"

namespace varnolt::test {

// Drives a metered call on fake time the way the Phonebook page does: the
// connection comes up (BeginCall, StartMetering), a meter tick every second
// (caption, then period tracking) and the charge timer as its period falls
// due, until a tick finds the line down; then the timers stop, the call is
// accounted, and the caption goes back to the sheet's title. Records every
// charge and every caption.
class MeteredCall {
public:
    static constexpr int kMeterTickId = CaptionMeter::kMeterTickId;

    struct ChargeEvent {
        std::int64_t offsetMs;  // since the connection came up
        LocalDateTime at;
        float price;
    };

    // The sheet's caption.
    struct Captions final : CaptionView {
        void SetCaption(const std::string& text) override { shown.push_back(text); }
        void SetCallSummary(const std::string& text) override { summaries.push_back(text); }
        std::vector<std::string> shown;
        std::vector<std::string> summaries;
    };

    MeteredCall();

    RecordingSettingsStore store;
    FakeClock clock;
    FakeTimers timers{clock};
    FixedLocale locale{"DM"};
    ScriptedDialer dialer;
    RecordingSheetHost host;
    RecordingTreeView tree;
    Captions captions;
    FeeMeter meter{store, clock, timers};
    CaptionMeter captionMeter{store, locale, meter, timers, captions};
    CConnectionLog log{store, locale, dialer, host};
    CallAccounting accounting{store, clock, locale, log, host, tree};

    // The connection comes up now (set the clock first); starts a fresh record.
    void Begin(const std::string& entryName, const std::string& userName = {});
    void BeginAt(const std::string& entryName, int year, int month, int day, int hour, int minute,
                 int second);
    // Runs the call; the line drops `ms` after now. The first tick at or after
    // the drop finds the line down, stops all timers and accounts the call.
    // The meter keeps its amounts for checks until the next Begin.
    void RunFor(std::int64_t ms);
    // Runs until the line drops at a local time.
    void RunUntil(int year, int month, int day, int hour, int minute, int second);
    // Runs with the line up, for a check in the middle of a call.
    void Advance(std::int64_t ms) { timers.Advance(ms); }
    // Builds the Phonebook tree from the dialer's entries and the store.
    void ShowTree();

    const std::vector<ChargeEvent>& charges() const { return m_charges; }
    int Units() const { return static_cast<int>(m_charges.size()); }
    bool LineUp() const { return m_lineUp; }

private:
    void OnTimer(int id);

    std::vector<ChargeEvent> m_charges;
    std::string m_entryName;
    std::string m_userName;
    std::int64_t m_beginTick = 0;
    std::int64_t m_dropTick = INT64_MAX;
    bool m_lineUp = false;
};

}  // namespace varnolt::test
