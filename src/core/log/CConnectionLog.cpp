#include "log/CConnectionLog.h"

#include <optional>

#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "app/StoredList.h"
#include "connection/EntrySection.h"
#include "connection/PhonebookTexts.h"
#include "meter/TotalCosts.h"
#include "platform/Locale.h"
#include "platform/Prompts.h"
#include "platform/RemoteAccess.h"
#include "platform/StoreTransaction.h"

namespace varnolt {
namespace {

constexpr const char* kSection = "__LOG file";
constexpr const char* kCount = "Anzahl";
const std::string kAllEntries(kAllEntriesSection);

// The six values of a record: key prefix (the record number follows) and field.
struct Field {
    std::string_view key;
    std::string CLogRecord::*text;
};
constexpr Field kFields[] = {
    {"Entry #", &CLogRecord::entry}, {"User #", &CLogRecord::user},
    {"From #", &CLogRecord::from},   {"To #", &CLogRecord::to},
    {"Costs #", &CLogRecord::costs}, {"Total Costs #", &CLogRecord::totalCosts},
};

std::string Key(const Field& field, int n) {
    return std::string(field.key) + FormatInt(n);
}

const StoredList& Records() {
    static const StoredList list = [] {
        std::vector<StoredList::KeyPattern> keys;
        for (const Field& field : kFields) {
            keys.push_back({std::string(field.key), ""});
        }
        return StoredList::InSection(kSection, std::move(keys));
    }();
    return list;
}

}  // namespace

std::string LogTimeText(const LocalDateTime& time) {
    return FormatTwoDigits(time.day) + "." + FormatTwoDigits(time.month) + ". " +
           FormatTwoDigits(time.hour) + ":" + FormatTwoDigits(time.minute) + " h";
}

bool AskToClearLog(Prompts& prompts) {
    return prompts.MessageBox("Are you sure, to delete all logged costs ?", "Delete LOG...",
                              PromptIcon::Question, PromptButtons::YesNo) == PromptAnswer::Yes;
}

CConnectionLog::CConnectionLog(SettingsStore& store, const Locale& locale, RemoteAccess& dialer,
                               SheetHost& host)
    : m_store(store), m_locale(locale), m_dialer(dialer), m_host(host) {}

int CConnectionLog::Count() const {
    return Records().Length(m_store, m_store.ReadInt(kSection, kCount, 0));
}

CLogRecord CConnectionLog::Read(int n) const {
    CLogRecord record;
    for (const Field& field : kFields) {
        std::string& text = record.*field.text;
        text = m_store.ReadString(kSection, Key(field, n), text);
    }
    return record;
}

std::vector<CLogRecord> CConnectionLog::ReadAll() const {
    const int count = Count();
    std::vector<CLogRecord> records(static_cast<std::size_t>(count));
    // One pass over the section puts each value in its place; values of
    // records beyond the count, and values that are not texts, are left out.
    const bool read = m_store.VisitSection(
        kSection, {}, [&](std::string_view key, const SectionValues::Value& value) {
            if (value.kind != SectionValues::Kind::Text) {
                return;
            }
            for (const Field& field : kFields) {
                if (!key.starts_with(field.key)) {
                    continue;
                }
                if (const auto n = NumberBetween(key, field.key, ""); n && *n >= 1 && *n <= count) {
                    records[static_cast<std::size_t>(*n - 1)].*field.text = value.text;
                }
                return;
            }
        });
    if (!read) {
        for (int n = 1; n <= count; ++n) {
            records[static_cast<std::size_t>(n - 1)] = Read(n);
        }
    }
    return records;
}

void CConnectionLog::Append(const std::string& entryName, const std::string& userName,
                            const LocalDateTime& start, const LocalDateTime& end, float fee,
                            float grandTotal) {
    const std::string symbol = m_locale.CurrencySymbol();
    // Numbered after what the log shows, so that a hand-edited count cannot
    // put the record where no reader looks.
    StoreTransaction transaction(m_store);
    const std::optional<int> n = Records().Append(m_store, kSection, kCount);
    if (!n) {
        return;
    }
    const std::string values[] = {entryName,
                                  userName,
                                  LogTimeText(start),
                                  LogTimeText(end),
                                  AmountText(fee, symbol),
                                  AmountText(grandTotal, symbol)};
    for (std::size_t i = 0; i < std::size(kFields); ++i) {
        m_store.WriteString(kSection, Key(kFields[i], *n), values[i]);
    }
}

void CConnectionLog::Clear() {
    // The listing comes first: no remote-access call inside a transaction.
    const std::vector<std::string> entries = m_dialer.EnumEntries();
    {
        StoreTransaction transaction(m_store);
        m_store.WriteInt(kSection, kCount, 0);
        m_store.WriteString(kAllEntries, kLastConnectKey, kUnknownTotal);
        m_store.WriteString(kAllEntries, kTotalCostsKey, kUnknownTotal);
        for (const std::string& entry : entries) {
            m_store.WriteString(EntrySection(entry), kLastConnectKey, kUnknownTotal);
            m_store.WriteString(EntrySection(entry), kTotalCostsKey, kUnknownTotal);
        }
    }
    m_host.SendNotification(WM_RELOAD_PHONEBOOK, 0);
}

}  // namespace varnolt
