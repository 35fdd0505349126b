#include "log/CConnectionLog.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <unordered_map>
#include <utility>

#include "app/NumberText.h"
#include "app/SheetMessages.h"
#include "app/StoredList.h"
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

bool CConnectionLog::IsStored(int n) const {
    return std::any_of(std::begin(kFields), std::end(kFields), [&](const Field& field) {
        return m_store.HasValue(kSection, Key(field, n));
    });
}

std::vector<CLogRecord> CConnectionLog::ReadStored(int from, int through) const {
    std::vector<CLogRecord> records;
    for (std::int64_t n = std::max(from, 1); n <= through; ++n) {
        if (IsStored(static_cast<int>(n))) {
            records.push_back(Read(static_cast<int>(n)));
        }
    }
    return records;
}

std::vector<CLogRecord> CConnectionLog::ReadAll() const {
    // One pass over the stored values: each record is made when its first
    // value comes by, so the cost follows what is stored, whatever the count.
    std::vector<std::pair<int, CLogRecord>> records;
    std::unordered_map<int, std::size_t> index;
    Records().VisitItems(m_store, Count(),
                         [&](int n, std::size_t field, const SectionValues::Value& value) {
                             const auto [at, added] = index.try_emplace(n, records.size());
                             if (added) {
                                 records.emplace_back(n, CLogRecord{});
                             }
                             // A value that is not a text reads as the default.
                             if (value.kind == SectionValues::Kind::Text) {
                                 records[at->second].second.*kFields[field].text = value.text;
                             }
                         });
    std::sort(records.begin(), records.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CLogRecord> ordered;
    ordered.reserve(records.size());
    for (auto& record : records) {
        ordered.push_back(std::move(record.second));
    }
    return ordered;
}

void CConnectionLog::Append(const std::string& entryName, const std::string& userName,
                            const LocalDateTime& start, const LocalDateTime& end, float fee,
                            float grandTotal) {
    const std::string symbol = m_locale.CurrencySymbol();
    // Numbered after what the log shows, so that a hand-edited count cannot
    // put the record where no reader looks; when the numbers run out, the
    // records are numbered anew from 1 first.
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
            m_store.WriteString(entry, kLastConnectKey, kUnknownTotal);
            m_store.WriteString(entry, kTotalCostsKey, kUnknownTotal);
        }
    }
    m_host.SendNotification(WM_RELOAD_PHONEBOOK, 0);
}

}  // namespace varnolt
