#include "meter/CallAccounting.h"

#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "connection/PhonebookTreeBuilder.h"
#include "connection/PhonebookTreeView.h"
#include "log/CConnectionLog.h"
#include "meter/TotalCosts.h"
#include "options/OptionKeys.h"
#include "platform/Locale.h"
#include "platform/SettingsStore.h"
#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

const std::string kAllEntries(kAllEntriesSection);

}  // namespace

std::string LastConnectText(const LocalDateTime& connectTime) {
    return FormatTwoDigits(connectTime.day) + "." + FormatTwoDigits(connectTime.month) + "." +
           FormatInt(connectTime.year) + " at " + FormatTwoDigits(connectTime.hour) + ":" +
           FormatTwoDigits(connectTime.minute) + ":" + FormatTwoDigits(connectTime.second) + " h";
}

CallAccounting::CallAccounting(SettingsStore& store, const Clock& clock, const Locale& locale,
                               CConnectionLog& log, SheetHost& host, PhonebookTreeView& tree)
    : m_store(store), m_clock(clock), m_locale(locale), m_log(log), m_host(host), m_tree(tree) {}

CallAccounting::Outcome CallAccounting::AccountCall(const EndedCall& call,
                                                    const std::function<void()>& sameTransaction,
                                                    const std::optional<LocalDateTime>& end) {
    if (m_store.ReadInt(kAllEntries, kFileLoggingKey, kFileLoggingDefault) != 1) {
        if (!sameTransaction) {
            return Outcome::LoggingOff;
        }
        StoreTransaction transaction(m_store);
        sameTransaction();
        return transaction.Commit() ? Outcome::LoggingOff : Outcome::Failed;
    }
    const LocalDateTime ended = end.value_or(m_clock.Now());
    const std::string lastConnect = LastConnectText(call.connectTime);
    const float fee = AddAmounts(0.0f, call.callFee);
    const std::string section = EntrySection(call.entryName);
    StoreTransaction transaction(m_store);
    const float entryTotal = AddAmounts(ReadTotalCosts(m_store, section), fee);
    m_store.WriteString(section, kTotalCostsKey, FormatAmount(entryTotal));
    m_store.WriteString(section, kLastConnectKey, lastConnect);
    const float overall = AddAmounts(ReadTotalCosts(m_store, kAllEntries), fee);
    m_store.WriteString(kAllEntries, kTotalCostsKey, FormatAmount(overall));
    m_store.WriteString(kAllEntries, kLastConnectKey, lastConnect);
    m_log.Append(call.entryName, call.userName, call.connectTime, ended, fee, overall);
    if (sameTransaction) {
        sameTransaction();
    }
    if (!transaction.Commit()) {
        return Outcome::Failed;
    }
    // Shown and announced once committed, so nothing shows a call the store lacks.
    RefreshTotalsDisplay(call.entryName);
    m_host.SendNotification(WM_RELOAD_LOG, 0);
    return Outcome::Accounted;
}

void CallAccounting::RefreshTotalsDisplay(const std::string& entryName) {
    const std::string symbol = m_locale.CurrencySymbol();
    const TotalsTexts overall = ReadTotalsTexts(m_store, kAllEntries, symbol);
    m_tree.SetOverallTotals(overall.costs, overall.lastConnect);
    const TotalsTexts entry = ReadTotalsTexts(m_store, EntrySection(entryName), symbol);
    m_tree.SetEntryTotals(entryName, entry.costs, entry.lastConnect);
}

}  // namespace varnolt
