#include "meter/CallPresenter.h"

#include "app/NumberText.h"
#include "app/UiText.h"
#include "connection/PhonebookTexts.h"
#include "meter/CallWindowView.h"
#include "meter/CaptionStyle.h"
#include "options/OptionKeys.h"
#include "platform/Locale.h"
#include "platform/Notifier.h"
#include "platform/SettingsStore.h"
#include "tariff/FeeMeter.h"

namespace varnolt {

CallPresenter::CallPresenter(const SettingsStore& store, const Locale& locale, Notifier& notifier,
                             CallWindowView& window)
    : m_store(store), m_locale(locale), m_notifier(notifier), m_window(window) {}

void CallPresenter::Connected(const std::string& entryName, const FeeMeter& meter) {
    m_inCall = true;
    m_traffic.reset();
    const CallMeterTexts texts = MakeCallMeterTexts(meter, m_locale.CurrencySymbol());
    m_windowShown = m_store.ReadInt(std::string(kAllEntriesSection), kShowCallWindowKey,
                                    kShowCallWindowDefault) == 1;
    if (m_windowShown) {
        m_window.ShowCall(texts);
    }
    const std::string price =
        texts.cycle != "-"
            ? FillText(VARNOLT_TEXT("Unit price: %1 per %2"), {texts.unitPrice, texts.cycle})
            : FillText(VARNOLT_TEXT("Unit price: %1"), {texts.unitPrice});
    m_notifier.Notify(FillText(VARNOLT_TEXT("%1 - connected"), {entryName}), price);
}

void CallPresenter::Traffic(const TrafficBytes& bytes) {
    m_traffic = bytes;
}

void CallPresenter::Tick(const FeeMeter& meter) {
    if (!m_windowShown) {
        return;
    }
    CallMeterTexts texts = MakeCallMeterTexts(meter, m_locale.CurrencySymbol());
    if (m_traffic) {
        texts.sent = ByteCountText(m_traffic->sent);
        texts.received = ByteCountText(m_traffic->received);
    }
    m_window.UpdateCall(texts);
}

void CallPresenter::BudgetCrossed(BudgetKind kind, float limit, float /*fee*/) {
    const std::string amount = AmountText(limit, m_locale.CurrencySymbol());
    const std::string text =
        kind == BudgetKind::Call
            ? FillText(VARNOLT_TEXT("The call has cost more than %1"), {amount})
            : FillText(VARNOLT_TEXT("This month's costs have passed %1"), {amount});
    if (m_windowShown) {
        m_window.ShowMessage(text);
    }
    m_notifier.Notify(kind == BudgetKind::Call ? VARNOLT_TEXT("Call limit reached")
                                               : VARNOLT_TEXT("Month limit reached"),
                      text);
}

void CallPresenter::Ended(const std::string& entryName, std::int64_t seconds, float fee) {
    if (!m_inCall) {
        return;
    }
    m_inCall = false;
    if (m_windowShown) {
        m_windowShown = false;
        m_window.CloseCall();
    }
    m_notifier.Notify(
        FillText(VARNOLT_TEXT("%1 - call ended"), {entryName}),
        FillText(VARNOLT_TEXT("Duration: %1, fee: %2"),
                 {ElapsedTimeText(seconds), AmountText(fee, m_locale.CurrencySymbol())}));
}

void CallPresenter::RedialAfterFailure(int code, const std::string& text, int attempt) {
    m_notifier.Notify(FillText(VARNOLT_TEXT("Dialing again: attempt %1"), {FormatInt(attempt)}),
                      FillText(VARNOLT_TEXT("%1 (ERROR Code %2)"), {text, FormatInt(code)}));
}

void CallPresenter::SaveFailed(const std::string& text) {
    m_notifier.Notify(VARNOLT_TEXT("The call could not be saved"), text);
}

}  // namespace varnolt
