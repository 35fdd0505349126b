#pragma once

#include <optional>
#include <string>

#include "platform/RemoteAccess.h"

#include "connection/CallObserver.h"

namespace varnolt {

class CallWindowView;
class Locale;
class Notifier;
class SettingsStore;

// Decides what a user sees of a call outside the sheet: the call window
// while connected ("Show call meter window" in "All entries", read at each
// connect) and a desktop notification when the line comes up, when the call
// ends, when a failed dial is about to be repeated and when a call could not
// be saved. Each call ends once for it, however often it is told.
class CallPresenter final : public CallObserver {
public:
    CallPresenter(const SettingsStore& store, const Locale& locale, Notifier& notifier,
                  CallWindowView& window);

    void Connected(const std::string& entryName, const FeeMeter& meter) override;
    void Traffic(const TrafficBytes& bytes) override;
    void Tick(const FeeMeter& meter) override;
    void BudgetCrossed(BudgetKind kind, float limit, float fee) override;
    void Ended(const std::string& entryName, std::int64_t seconds, float fee) override;
    void RedialAfterFailure(int code, const std::string& text, int attempt) override;
    void SaveFailed(const std::string& text) override;

private:
    const SettingsStore& m_store;
    const Locale& m_locale;
    Notifier& m_notifier;
    CallWindowView& m_window;
    bool m_inCall = false;
    bool m_windowShown = false;
    std::optional<TrafficBytes> m_traffic;
};

}  // namespace varnolt
