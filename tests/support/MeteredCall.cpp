#include "MeteredCall.h"

#include "app/AppIdentity.h"
#include "app/LocalTime.h"
#include "connection/PhonebookTreeBuilder.h"

namespace varnolt::test {

MeteredCall::MeteredCall() {
    timers.SetHandler([this](int id) { OnTimer(id); });
    meter.SetChargeListener([this](float price) {
        m_charges.push_back({clock.TickMs() - m_beginTick, clock.Now(), price});
    });
}

void MeteredCall::Begin(const std::string& entryName, const std::string& userName) {
    // A new call: the previous one's timers and charges are gone.
    timers.Stop(FeeMeter::kChargeTimerId);
    m_charges.clear();
    m_entryName = entryName;
    m_userName = userName;
    m_beginTick = clock.TickMs();
    m_dropTick = INT64_MAX;
    m_lineUp = true;
    meter.BeginCall(entryName);
    captionMeter.StartMetering();
}

void MeteredCall::BeginAt(const std::string& entryName, int year, int month, int day, int hour,
                          int minute, int second) {
    clock.SetLocal(year, month, day, hour, minute, second);
    Begin(entryName);
}

void MeteredCall::OnTimer(int id) {
    if (id == kMeterTickId) {
        if (clock.TickMs() >= m_dropTick) {
            m_lineUp = false;
            timers.Stop(kMeterTickId);
            timers.Stop(FeeMeter::kChargeTimerId);
            accounting.AccountCall({m_entryName, m_userName, meter.ConnectTime(), meter.CallFee()});
            captions.SetCaption(kProgramCaption);
            return;
        }
        captionMeter.MeterTick();
    } else if (id == FeeMeter::kChargeTimerId) {
        meter.OnChargeTimer();
    }
}

void MeteredCall::RunFor(std::int64_t ms) {
    m_dropTick = clock.TickMs() + ms;
    // Up to the tick that finds the line down.
    while (m_lineUp && timers.IsRunning(kMeterTickId)) {
        timers.Advance(1000);
    }
}

void MeteredCall::RunUntil(int year, int month, int day, int hour, int minute, int second) {
    RunFor(EpochSecondsFromLocal(MakeLocal(year, month, day, hour, minute, second)) * 1000 -
           clock.EpochMs());
}

void MeteredCall::ShowTree() {
    tree.ShowTree(PhonebookTreeBuilder(dialer, store, locale).Build());
}

}  // namespace varnolt::test
