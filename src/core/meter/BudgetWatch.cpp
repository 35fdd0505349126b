#include "meter/BudgetWatch.h"

#include "app/NumberText.h"
#include "connection/PhonebookTexts.h"
#include "log/LogCalendar.h"
#include "options/OptionKeys.h"
#include "platform/SettingsStore.h"

namespace varnolt {

std::optional<float> ReadLimit(const SettingsStore& store, const char* key) {
    const std::optional<float> limit =
        ScanWholeFloat(store.ReadString(std::string(kAllEntriesSection), key, ""));
    if (!limit || *limit < 0.0f) {
        return std::nullopt;
    }
    return limit;
}

float MonthLoggedCosts(const std::vector<CLogRecord>& records, const std::string& lastConnect,
                       const LocalDateTime& now) {
    const std::vector<std::optional<CallDate>> dates = DateLogRecords(records, lastConnect, now);
    float sum = 0.0f;
    for (std::size_t i = 0; i < records.size() && i < dates.size(); ++i) {
        if (!dates[i] || dates[i]->year != now.year || dates[i]->month != now.month) {
            continue;
        }
        if (const std::optional<float> amount = LoggedAmount(records[i].costs)) {
            sum = AddAmounts(sum, *amount);
        }
    }
    return sum;
}

namespace {

// Amounts count in whole cents, as shown: a sum of single-precision unit
// prices a hair above the limit is not above it.
bool Above(float amount, float limit) {
    return static_cast<double>(amount) - static_cast<double>(limit) > 0.005;
}

}  // namespace

void BudgetWatch::Begin(const SettingsStore& store, float monthLogged) {
    m_callLimit = ReadLimit(store, kCallLimitKey);
    m_monthLimit = ReadLimit(store, kMonthLimitKey);
    m_monthLogged = monthLogged;
    m_hangUp = store.ReadInt(std::string(kAllEntriesSection), kHangUpAtCallLimitKey,
                             kHangUpAtCallLimitDefault) == 1;
    m_callCrossed = false;
    m_monthCrossed = false;
}

std::vector<BudgetKind> BudgetWatch::Crossed(float fee) {
    std::vector<BudgetKind> crossed;
    if (m_callLimit && !m_callCrossed && Above(fee, *m_callLimit)) {
        m_callCrossed = true;
        crossed.push_back(BudgetKind::Call);
    }
    if (m_monthLimit && !m_monthCrossed && Above(AddAmounts(m_monthLogged, fee), *m_monthLimit)) {
        m_monthCrossed = true;
        crossed.push_back(BudgetKind::Month);
    }
    return crossed;
}

bool BudgetWatch::HangUpBefore(float fee, float price) const {
    return m_hangUp && m_callLimit && Above(AddAmounts(fee, price), *m_callLimit);
}

std::optional<float> BudgetWatch::Limit(BudgetKind kind) const {
    return kind == BudgetKind::Call ? m_callLimit : m_monthLimit;
}

}  // namespace varnolt
